// The settings file: private-profile reading rules, encodings and safe writes.
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "settings/text_encoding.h"
#include "tests/support/temp_folder.h"

namespace orvanta::settings {
namespace {

using test::TempFolder;

TEST(IniRead, AbsentFileSectionOrKeyGivesTheDefault) {
    TempFolder folder;
    const IniFile missing(folder / "none.ini");
    EXPECT_EQ(missing.readInt("A", "k", -7), -7);
    EXPECT_EQ(missing.readString("A", "k", "???", 16), "???");
    EXPECT_FALSE(missing.sectionHasKeys("A"));

    const IniFile file(folder.write("s.ini", "[A]\nk=5\n[Empty]\n; only a comment\n"));
    EXPECT_EQ(file.readInt("B", "k", 9), 9);
    EXPECT_EQ(file.readInt("A", "other", 9), 9);
    EXPECT_TRUE(file.sectionHasKeys("a"));
    EXPECT_FALSE(file.sectionHasKeys("Empty"));
}

TEST(IniRead, IntegersAreSignedDecimalPrefixes) {
    EXPECT_EQ(parseProfileInt("-1850"), -1850);
    EXPECT_EQ(parseProfileInt("  +42 "), 42);
    EXPECT_EQ(parseProfileInt("12abc"), 12);
    EXPECT_EQ(parseProfileInt("evet"), 0);
    EXPECT_EQ(parseProfileInt(""), 0);
    EXPECT_EQ(parseProfileInt("0x10"), 0);
    EXPECT_EQ(parseProfileInt("99999999999"), 2147483647);
    EXPECT_EQ(parseProfileInt("-99999999999"), -2147483647 - 1);
}

TEST(IniRead, NamesIgnoreAsciiCaseAndValuesAreTrimmedAndUnquoted) {
    const IniDocument document =
        IniDocument::parse("[Hesap Paramatreleri]\r\n  ENLEM =  4101  \r\nşehir adı=x\r\nMetin=\"  iki  \"\r\n");
    EXPECT_EQ(document.readInt("hesap paramatreleri", "Enlem", 0), 4101);
    EXPECT_EQ(document.readString("HESAP PARAMATRELERI", "Metin", "", 33), "  iki  ");
    // Only ASCII letters fold: "ş" and "Ş" are different names.
    EXPECT_EQ(document.readString("Hesap Paramatreleri", "Şehir Adı", "???", 16), "???");
}

TEST(IniRead, StringKeepsBufferSizeLessOneCharacters) {
    const IniDocument document = IniDocument::parse("[S]\nName=İstanbulBüyükşehir\n");
    EXPECT_EQ(document.readString("S", "Name", "", 16), "İstanbulBüyükşe");
    EXPECT_EQ(utf8Length(document.readString("S", "Name", "", 16)), 15u);
    EXPECT_EQ(document.readString("S", "Missing", "sala.wav", 5), "sala");
    EXPECT_EQ(document.readString("S", "Name", "", 1), "");
}

TEST(IniWrite, ReplacesTheLineOrAppendsAtTheEndOfItsSection) {
    IniDocument document = IniDocument::parse("[A]\nx=1\n\n[B]\ny=2\n");
    document.set("a", "X", "10");
    document.set("A", "z", "3");
    document.set("C", "w", "4");
    document.set("B", "v", "line\nbreak");
    EXPECT_EQ(document.text(), "[A]\nX=10\nz=3\n\n[B]\ny=2\nv=line break\n\n[C]\nw=4\n");
}

// Found by fuzzing: each save stripped one more of a line's trailing
// carriage returns, so load and save never settled.
TEST(IniWrite, EverySaveStrippedOneMoreCarriageReturn) {
    const IniDocument once = IniDocument::parse("[A]\r\r\nk=v\r\r\r\n");
    EXPECT_EQ(once.text(), "[A]\nk=v\n");
    EXPECT_EQ(IniDocument::parse(once.text()).text(), once.text());
}

TEST(IniWrite, CreatesTheFileAndKeepsOtherLines) {
    TempFolder folder;
    IniFile file(folder / "new.ini");
    ASSERT_TRUE(file.writeString("Seçenekler", "Duvar", "Ay"));
    ASSERT_TRUE(file.writeInt("Hesap Paramatreleri", "Enlem", -3350));
    ASSERT_TRUE(file.writeString("Seçenekler", "iletiler", "1"));
    EXPECT_EQ(test::readFile(file.path()), "[Seçenekler]\nDuvar=Ay\niletiler=1\n\n[Hesap Paramatreleri]\nEnlem=-3350\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "new.ini.tmp"));
}

// The whole-file decoding is pinned by the settings test of a Windows-1254
// file; here the code page's corners and the UTF-8 check.
TEST(IniEncoding, CodePageCornersAndOverlongUtf8) {
    EXPECT_EQ(windows1254ToUtf8("\xD0\xF0\xFE\x80"), "Ğğş€");
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));  // overlong "/"
    EXPECT_TRUE(isValidUtf8("Yatsı Açısı"));
}

TEST(IniWrite, FailureIsReportedAndTheOldFileKept) {
    TempFolder folder;
    // The folder the file should be in is a plain file: nothing can be created there.
    folder.write("blocker", "x");
    IniFile impossible(folder / "blocker" / "orvanta.ini");
    const SaveResult result = impossible.writeString("A", "k", "v");
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find("Ayarlar dosyaya yazılamadı"), std::string::npos);
    EXPECT_NE(result.message.find("blocker"), std::string::npos);

    SaveResult combined;
    combined &= SaveResult{};
    combined &= result;
    combined &= SaveResult{};
    EXPECT_FALSE(combined);
}

TEST(IniWrite, ReadOnlyFolderIsReported) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempFolder folder;
    IniFile file(folder / "orvanta.ini");
    ASSERT_TRUE(file.writeString("A", "k", "old"));
    chmod(folder.path().c_str(), 0555);
    EXPECT_FALSE(file.writeString("A", "k", "new"));
    chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(file.readString("A", "k", "", 16), "old");
}

// All writers once shared one temporary name opened with truncation: two
// programs saving together left mixed or empty files.
TEST(IniWrite, ConcurrentSavesToreTheFile) {
    TempFolder folder;
    const auto path = folder / "orvanta.ini";
    auto version = [](int writer) { return "[A]\nk=" + std::string(4000, static_cast<char>('a' + writer)) + "\n"; };
    ASSERT_FALSE(replaceFileContents(path, version(0)));
    constexpr int kWriters = 4;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t child = fork();
        if (child == 0) {
            for (int save = 0; save < 200; ++save) {
                if (replaceFileContents(path, version(writer))) _exit(1);
            }
            _exit(0);
        }
        children.push_back(child);
    }
    int torn = 0;
    for (int look = 0; look < 500; ++look) {
        const std::string text = test::readFile(path);
        bool whole = false;
        for (int writer = 0; writer < kWriters; ++writer) whole = whole || text == version(writer);
        torn += whole ? 0 : 1;
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);  // no temporary left
}

// A save replaced a read-only file with a 0644 one, and a symbolic link
// with a plain file.
TEST(IniWrite, SaveKeptNeitherPermissionsNorLinks) {
    TempFolder folder;
    const auto real = folder.write("real.ini", "[A]\nk=old\n");
    chmod(real.c_str(), 0600);
    std::filesystem::create_symlink(real, folder / "orvanta.ini");
    IniFile file(folder / "orvanta.ini");
    ASSERT_TRUE(file.writeString("A", "k", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "orvanta.ini"));
    EXPECT_EQ(test::readFile(real), "[A]\nk=new\n");
    EXPECT_EQ(std::filesystem::status(real).permissions(), std::filesystem::perms(0600));

    chmod(real.c_str(), 0444);
    const SaveResult refused = file.writeString("A", "k", "newer");
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.detail.find("read-only"), std::string::npos) << refused.detail;
    EXPECT_EQ(test::readFile(real), "[A]\nk=new\n");
    EXPECT_EQ(std::filesystem::status(real).permissions(), std::filesystem::perms(0444));
}

}  // namespace
}  // namespace orvanta::settings
