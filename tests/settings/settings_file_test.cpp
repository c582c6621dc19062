// SPDX-License-Identifier: GPL-3.0-or-later
// The values the settings record took over from the tray menu and the
// program's memory: each key's name, default and range as the file holds
// them, the words a save writes back, and a dialog's group taken over
// without touching the other group.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <fmt/format.h>
#include <functional>

#include "tests/support/temp_folder.h"

namespace orvanta::settings {
namespace {

Settings readOptionsText(std::string_view lines) {
    Settings settings;
    readSettings(IniDocument::parse("[Seçenekler]\n" + std::string(lines)), settings);
    return settings;
}

struct OwnedKeyCase {
    std::string_view line;  // under [Seçenekler]; empty: the key is absent
    std::function<std::string(const Settings&)> value;
    std::string_view expected;
};

std::string ezanSound(const Settings& s) { return s.ezanSoundOn ? "on" : "off"; }
std::string wake(const Settings& s) { return s.wakeOn ? "on" : "off"; }
std::string messageMode(const Settings& s) { return std::to_string(s.messageMode); }
std::string lastNotice(const Settings& s) { return s.lastNoticeDate; }
std::string tally(const Settings& s, int counter) {
    const Tally& t = s.tallies[static_cast<std::size_t>(counter - 1)];
    return fmt::format("{} {} {}", t.name, t.value, t.increment);
}

TEST(OwnedKeys, DefaultsRangesAndSpellings) {
    const OwnedKeyCase cases[] = {
        {"", ezanSound, "on"},
        {"Ezan/Salâ=hayır", ezanSound, "on"},  // only the exact word turns it off
        {"Ezan/Salâ=Hayır", ezanSound, "off"},
        {"", wake, "off"},
        {"Uyandır=1", wake, "off"},
        {"Uyandır=Evet", wake, "on"},
        {"", messageMode, "2"},
        {"iletiler=7", messageMode, "2"},
        {"iletiler=-3", messageMode, "0"},
        {"iletiler=1", messageMode, "1"},
        {"Son Dini Gün=27/07/2014 12:00", lastNotice, "27/07/2014"},
        {"", [](const Settings& s) { return tally(s, 1); }, "Çetele-1 0 1"},
        {"Çetele-5 Değeri=2147483647", [](const Settings& s) { return tally(s, 5); }, "Çetele-5 2147483647 1"},
        {"Çetele-2 Eklenecek=-3", [](const Settings& s) { return tally(s, 2); }, "Çetele-2 0 -3"},
    };
    for (const OwnedKeyCase& c : cases) {
        const std::string lines = c.line.empty() ? std::string() : std::string(c.line) + "\n";
        EXPECT_EQ(c.value(readOptionsText(lines)), c.expected) << "\"" << c.line << "\"";
    }
}

// Read and written back, every owned key keeps its name and its spelling;
// a key the program does not know stays where it was.
TEST(OwnedKeys, SavesWriteTheSpellingsTheyRead) {
    const std::string owned =
        "Ezan/Salâ=Hayır\nUyandır=Evet\niletiler=1\nDuvar=Yerküre\nSessiz=2014-01-01 14:30\n"
        "Son Dini Gün=27/07/2014\nÇetele-2 Adı=Zikir\nÇetele-2 Değeri=-5\nÇetele-2 Eklenecek=3\n";
    const Settings settings = readOptionsText(owned);
    const test::TempFolder folder;
    IniFile file(folder.write("orvanta.ini", "[Seçenekler]\nBilinmeyen=1\n"));
    ASSERT_TRUE(saveChoices(file, settings, {&Settings::ezanSoundOn, &Settings::wakeOn}));
    ASSERT_TRUE(saveChoice(file, settings, &Settings::messageMode));
    ASSERT_TRUE(saveChoice(file, settings, &Settings::wallpaperMode));
    ASSERT_TRUE(saveChoice(file, settings, &Settings::quietUntil));
    ASSERT_TRUE(saveChoice(file, settings, &Settings::lastNoticeDate));
    ASSERT_TRUE(saveTally(file, settings, 2));
    EXPECT_EQ(test::readFile(file.path()), "[Seçenekler]\nBilinmeyen=1\n" + owned);
}

// The options dialog's copy taken over: the İkindi slot rings at Asr-ı
// Sani now, with the file kept under that name; the place stays.
TEST(DialogGroups, EachGroupIsTakenOverAlone) {
    Settings live = readOptionsText("İKİNDİ=ikindi.wav\nASR-I SANİ=asr.wav\n");
    Settings draft = live;
    draft.ikindiAtAsrSani = true;
    draft.cumaSala = true;
    draft.latitude = 4101;
    copyOptionsGroup(draft, live);
    EXPECT_TRUE(live.ikindiAtAsrSani && live.cumaSala);
    EXPECT_EQ(live.ezanFiles[kIkindiSlot], "asr.wav");
    EXPECT_EQ(live.otherIkindiEzanFile, "ikindi.wav");
    EXPECT_EQ(live.latitude, 0) << "the place is not an option";
    copyCalculationGroup(draft, live);
    EXPECT_EQ(live.latitude, 4101);
}

}  // namespace
}  // namespace orvanta::settings
