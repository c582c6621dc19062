// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: private-profile reading rules, encodings and safe writes.
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>

#include "common/text_encoding.h"
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
    EXPECT_EQ(common::utf8Length(document.readString("S", "Name", "", 16)), 15u);
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

// The code page's corners and the UTF-8 check; a Windows-1254 file whole
// is pinned by the settings test of such a file.
TEST(IniEncoding, CodePageCornersAndOverlongUtf8) {
    EXPECT_EQ(common::windows1254ToUtf8("\xD0\xF0\xFE\x80"), "Ğğş€");
    EXPECT_FALSE(common::isValidUtf8("\xC0\xAF"));  // overlong "/"
    EXPECT_TRUE(common::isValidUtf8("Yatsı Açısı"));
}

// One Windows-1254 line in a UTF-8 file once turned every Turkish key of
// the file into mojibake: the file was read as a first run and the next
// save wrote "[SeÃ§enekler]" beside new defaults.
TEST(IniEncoding, OneLegacyLineSpoilsNoOtherKeyAndASaveRenamesNone) {
    TempFolder folder;
    IniFile file(folder.write("orvanta.ini", "[Seçenekler]\nSaat Farkı=180\nŞehir Adı=Kırşehir\n"
                                             "Hat\xFDrlatma=Cuma g\xFCn\xFC\n"));
    EXPECT_EQ(file.readInt("Seçenekler", "Saat Farkı", 0), 180);
    EXPECT_EQ(file.readString("Seçenekler", "Şehir Adı", "", 32), "Kırşehir");
    EXPECT_EQ(file.readString("Seçenekler", "Hatırlatma", "", 32), "Cuma günü");
    ASSERT_TRUE(file.writeInt("Seçenekler", "Saat Farkı", 120));
    EXPECT_EQ(test::readFile(file.path()),
              "[Seçenekler]\nSaat Farkı=120\nŞehir Adı=Kırşehir\nHatırlatma=Cuma günü\n");
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

// Read-modify-write saves of several programs once lost each other's
// updates (8 writers: the last values of 5 to 7 lost), and before that all
// writers shared one temporary name opened with truncation (mixed or
// empty files). Each writer here saves its own key again and again while
// the file is read: every read is whole, and every last value lands.
TEST(IniWrite, ConcurrentSavesLostUpdatesAndToreTheFile) {
    TempFolder folder;
    const auto path = folder / "orvanta.ini";
    constexpr int kWriters = 8;
    constexpr int kSaves = 40;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t child = fork();
        if (child == 0) {
            IniFile file(path);
            for (int save = 1; save <= kSaves; ++save) {
                if (!file.writeInt("Yazıcılar", "k" + std::to_string(writer), save)) _exit(1);
                usleep(1000);  // a program does something between two saves
            }
            _exit(0);
        }
        children.push_back(child);
    }
    int torn = 0;
    for (int look = 0; look < 300; ++look) {
        const std::string text = test::readFile(path);
        torn += text.empty() || text.starts_with("[Yazıcılar]\n") ? 0 : 1;
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(torn, 0);
    const IniFile file(path);
    for (int writer = 0; writer < kWriters; ++writer) {
        EXPECT_EQ(file.readInt("Yazıcılar", "k" + std::to_string(writer), 0), kSaves) << "writer " << writer;
    }
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"orvanta.ini", "orvanta.ini.lock"})) << "no temporary left";
}

// A save that cannot have the lock in time fails with a message saying
// why; one that gets it while waiting goes through.
TEST(IniWrite, SaveWaitsForAnotherProgramsSaveAFewSecondsAtMost) {
    TempFolder folder;
    IniFile file(folder / "orvanta.ini");
    common::LockFailure failure;
    std::optional<common::FileLock> held =
        common::FileLock::acquire(folder / "orvanta.ini.lock", std::chrono::milliseconds(0), failure);
    ASSERT_TRUE(held) << failure.reason;
    const SaveResult busy = file.writeString("A", "k", "v");
    EXPECT_FALSE(busy);
    EXPECT_TRUE(busy.message.starts_with("Ayarlar dosyası şu anda başka bir program tarafından kaydediliyor:\n"))
        << busy.message;
    EXPECT_FALSE(std::filesystem::exists(file.path()));

    held.reset();
    int locked[2];
    ASSERT_EQ(pipe(locked), 0);
    const pid_t child = fork();
    if (child == 0) {
        const auto other = common::FileLock::acquire(folder / "orvanta.ini.lock", std::chrono::milliseconds(0), failure);
        const char byte = 1;
        if (write(locked[1], &byte, 1) != 1) _exit(1);
        usleep(200000);
        _exit(other ? 0 : 1);  // the lock goes with the process that held it
    }
    char byte = 0;
    ASSERT_EQ(read(locked[0], &byte, 1), 1);
    EXPECT_TRUE(file.writeString("A", "k", "v")) << "waits for the other program's save";
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    close(locked[0]);
    close(locked[1]);
}

// Killed saves left "orvanta.ini.<hex>.tmp" files for ever (22 after 137
// kills). A save now writes an unnamed file, and removes the named
// temporaries of writers that are gone: one whose lock can be taken.
TEST(IniWrite, TemporariesOfKilledSavesAreRemovedByTheNextSave) {
    TempFolder folder;
    IniFile file(folder / "orvanta.ini");
    const auto abandoned = folder.write("orvanta.ini.0123456789abcdef.tmp", "[A]\nk=cut");
    const auto inUse = folder.write("orvanta.ini.fedcba9876543210.tmp", "[A]\nk=being writ");
    const auto unrelated = folder.write("orvanta.ini.backup.tmp", "kept");
    const int writer = open(inUse.c_str(), O_RDONLY);
    ASSERT_EQ(flock(writer, LOCK_EX), 0);  // a live writer's lock
    ASSERT_TRUE(file.writeString("A", "k", "v"));
    EXPECT_FALSE(std::filesystem::exists(abandoned));
    EXPECT_TRUE(std::filesystem::exists(inUse));
    EXPECT_TRUE(std::filesystem::exists(unrelated));
    close(writer);

    const pid_t child = fork();
    if (child == 0) {
        common::FileReplacement replacement(file.path());
        replacement.write(std::string(1 << 20, 'x'));
        kill(getpid(), SIGKILL);
    }
    waitpid(child, nullptr, 0);
    ASSERT_TRUE(file.writeString("A", "k", "w"));
    EXPECT_FALSE(std::filesystem::exists(inUse));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3) << "ini, lock, backup";
}

// A save replaced a read-only file with a 0644 one, and a symbolic link
// (one to a file not made yet too) with a plain file.
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

    // A link to a file not made yet: the file is made where it points.
    std::filesystem::create_symlink("later.ini", folder / "dangling.ini");
    ASSERT_TRUE(IniFile(folder / "dangling.ini").writeString("A", "k", "first"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "dangling.ini"));
    EXPECT_EQ(test::readFile(folder / "later.ini"), "[A]\nk=first\n");
}

}  // namespace
}  // namespace orvanta::settings
