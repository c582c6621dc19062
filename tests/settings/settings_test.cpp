// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record: defaults, the stored forms of every key, the hand-off
// to the engine, and saves that are whole or not at all.
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/linux/xdg_autostart.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "tests/support/temp_folder.h"

namespace orvanta::settings {
namespace {

using test::TempFolder;

struct Loaded {
    Settings settings;
    engine::Engine engine;
};

// Loads both groups from file with the autostart entry of folder.
std::unique_ptr<Loaded> loadAll(const IniFile& file, const TempFolder& folder) {
    auto loaded = std::make_unique<Loaded>();
    const platform::XdgAutostart autostart(folder / "autostart", "/usr/bin/orvanta");
    readSettings(file.read(), loaded->settings);
    loaded->settings.autostart = autostart.enabled();
    applyCalculationParameters(loaded->settings, loaded->engine);
    return loaded;
}

void saveAll(IniFile& file, const Settings& settings, const TempFolder& folder) {
    engine::Engine engine;
    platform::XdgAutostart autostart(folder / "autostart", "/usr/bin/orvanta");
    ASSERT_TRUE(saveCalculationParameters(file, settings, engine));
    ASSERT_TRUE(saveOptions(file, settings, autostart));
}

// The defaults of the key tables are the record's own: a file without keys
// loads as a fresh record, which the engine receives.
TEST(SettingsLoad, NoFileGivesEveryDefault) {
    TempFolder folder;
    const auto loaded = loadAll(IniFile(folder / "none.ini"), folder);
    IniFile fromFile(folder / "loaded.ini"), fresh(folder / "fresh.ini");
    saveAll(fromFile, loaded->settings, folder);
    saveAll(fresh, Settings{}, folder);
    EXPECT_EQ(test::readFile(fromFile.path()), test::readFile(fresh.path()));
    EXPECT_EQ(loaded->settings.ezanFiles, Settings{}.ezanFiles);
    EXPECT_EQ(loaded->engine.parameters.mode, 4);
    EXPECT_FALSE(loaded->engine.parameters.diyanetMethod) << "files from before the key are not the Diyanet choice";
}

TEST(SettingsLoad, StoredFormsOfAnglesFlagsAndTemkins) {
    TempFolder folder;
    const IniFile file(folder.write("orvanta.ini",
                                    "[Hesap Paramatreleri]\nİmsak Açısı=-1850\nWindows Saat Dilimi=5\n"
                                    "YATSI temkini=99\nİSFİRAR temkini=7\n"
                                    "[Seçenekler]\nCuma Salâsı=evet\nSahur Salâsı=Evet\nHatırlat=Evet \n"
                                    "Röle Aktif=abc\n"));
    const auto loaded = loadAll(file, folder);
    const Settings& s = loaded->settings;
    EXPECT_EQ(s.imsakAngle, -18.5f);
    EXPECT_TRUE(s.useSystemTimeZone);
    EXPECT_EQ(s.temkin[9], 2) << "no key is formed from YATSI";
    EXPECT_EQ(s.temkin[8], 7) << "the Akşam temkin lives under İSFİRAR";
    EXPECT_FALSE(s.cumaSala) << "only the exact word Evet is on";
    EXPECT_TRUE(s.sahurSala);
    EXPECT_TRUE(s.reminderOn) << "blanks around a value are not part of it";
    EXPECT_EQ(s.relayOnSeconds, 0) << "a value that is not a number reads 0";
    EXPECT_FALSE(s.diyanetMethod);
}

// The Diyanet button's choice is kept by the file and reaches the engine.
TEST(SettingsLoad, DiyanetChoiceReachesTheEngine) {
    TempFolder folder;
    const IniFile file(folder.write("orvanta.ini", "[Hesap Paramatreleri]\nDiyanet Yöntemi=Evet\n"));
    EXPECT_TRUE(loadAll(file, folder)->engine.parameters.diyanetMethod);
    Settings chosen;
    applyDiyanetPreset(chosen);
    EXPECT_TRUE(chosen.diyanetMethod);
}

// -16.99 is -16.9899997 in single precision: truncated it saved as -1698,
// then -1697 on the next save, creeping one hundredth a save.
TEST(SettingsSave, AnglesCreptOneHundredthOnEverySave) {
    TempFolder folder;
    IniFile file(folder.write("orvanta.ini", "[Hesap Paramatreleri]\nYatsı Açısı=-1699\n"));
    engine::Engine engine;
    Settings settings;
    for (int save = 0; save < 3; ++save) {
        readCalculationParameters(file.read(), settings);
        ASSERT_TRUE(saveCalculationParameters(file, settings, engine));
    }
    EXPECT_EQ(file.readInt(keys::kCalculationSection, keys::kYatsiAngle, 0), -1699);
    settings.imsakAngle = -18.56f;  // rounds to -1856 (truncated, it was -1855)
    ASSERT_TRUE(saveCalculationParameters(file, settings, engine));
    EXPECT_EQ(file.readInt(keys::kCalculationSection, keys::kImsakAngle, 0), -1856);
    EXPECT_EQ(engine.parameters.imsakAngle, -18.56f);
    EXPECT_EQ(file.readString(keys::kCalculationSection, "AKŞAM temkini", "", 8), "2");
    // Every hundredth of the range is a fixed point of load and save.
    for (std::int32_t hundredths = -kAngleLimitHundredths; hundredths <= kAngleLimitHundredths; ++hundredths) {
        ASSERT_EQ(angleHundredths(static_cast<float>(hundredths / 100.0)), hundredths);
    }
}

Settings everyKeyChanged() {
    Settings s;
    s.latitude = -3350;
    s.longitude = 15123;
    s.timeZoneMinutes = 570;
    s.useSystemTimeZone = s.daylightSaving = s.useSystemDaylightSaving = s.usePlaceList = true;
    s.placeRow = 7000;
    s.placeName = "Kahramanmaraş";
    s.countryName = "Güney Afrika";
    s.temkin = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    s.imsakAngle = -19.25f;
    s.yatsiAngle = -15.5f;
    s.calcMode = 2;
    s.diyanetMethod = true;
    s.sabahEzanMinutes = 45;
    s.cumaSalaMinutes = 100;
    s.sahurSalaMinutes = 11;
    s.reminderMinutes = 59;
    s.sabahEzanAtImsak = s.cumaSala = s.sahurSala = s.reminderOn = s.salaBeforeEnd = s.ikindiAtAsrSani =
        s.remainingToAnyTime = s.autoCorrectClock = s.autostart = true;
    s.relayComPort = 4;
    s.relayLeadSeconds = 7;
    s.relayOnSeconds = 123;
    s.salaTimes = "101010";
    s.reminderFile = "/müzik/salâ.wav";
    s.reminderText = "KILDIM";
    return s;
}

// Saving what was loaded writes the same file again: no key is lost or
// changed on the way through the record.
TEST(SettingsSave, EveryKeyRoundTrips) {
    TempFolder folder;
    // Flags in an alternating pattern too, so that two flags read from each
    // other's keys show.
    Settings alternating = everyKeyChanged();
    alternating.useSystemTimeZone = alternating.useSystemDaylightSaving = false;
    alternating.cumaSala = alternating.reminderOn = alternating.ikindiAtAsrSani = alternating.autoCorrectClock = false;
    for (const Settings& saved : {everyKeyChanged(), alternating, Settings{}}) {
        IniFile first(folder / "first.ini");
        IniFile second(folder / "second.ini");
        saveAll(first, saved, folder);
        saveAll(second, loadAll(first, folder)->settings, folder);
        const std::string text = test::readFile(first.path());
        EXPECT_EQ(test::readFile(second.path()), text);
        // 24 place and calculation keys, 18 option keys, 2 section lines and a blank.
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 45) << text;
        EXPECT_EQ(loadAll(first, folder)->settings.autostart, saved.autostart);
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "autostart" / "orvanta.desktop"));
}

TEST(SettingsLoad, Windows1254FileKeepsItsTurkish) {
    TempFolder folder;
    // A settings file in code page 1254 with CR LF.
    const IniFile file(ORVANTA_TEST_DATA "/windows1254.ini");
    const Settings s = loadAll(file, folder)->settings;
    EXPECT_EQ(s.latitude, 3792);
    EXPECT_EQ(s.placeName, "Çanakkale");
    EXPECT_EQ(s.countryName, "Türkiye");
    EXPECT_EQ(s.temkin[9], 3);
    EXPECT_EQ(s.imsakAngle, -19.0f);
    EXPECT_TRUE(s.sabahEzanAtImsak);
    EXPECT_EQ(s.reminderText, "KILDIM ŞŞ");
    EXPECT_EQ(s.ezanFiles[2], "ikindi.wav");
}

TEST(SettingsLoad, OutOfRangeHandEditsStayWithinTheEnginesInputs) {
    TempFolder folder;
    const IniFile file(folder.write("orvanta.ini", "[Hesap Paramatreleri]\nEnlem=40000\nBoylam=-99999\n"
                                                   "Saat Farkı=5000\nHesap Modu=9\nSABAH temkini=70000\n"));
    const Settings s = loadAll(file, folder)->settings;
    EXPECT_EQ(s.latitude, 9000);
    EXPECT_EQ(s.longitude, -18000);
    EXPECT_EQ(s.timeZoneMinutes, 840);
    EXPECT_EQ(s.calcMode, 5);
    EXPECT_EQ(s.temkin[0], 720);
}

// Sabah Ezanı=-2147483648 overflowed the scheduler's minute sums, 5000 lost
// the morning ezan, Hatırlatma Süresi=-20 was printed as 4294967276.
TEST(SettingsLoad, HandEditedOptionsOverflowedTheScheduler) {
    TempFolder folder;
    const IniFile file(folder.write("orvanta.ini",
                                    "[Seçenekler]\nSabah Ezanı=-2147483648\nCuma Salâ Süresi=5000\n"
                                    "Sahur Salâ Süresi=9\nHatırlatma Süresi=-20\nRöle COM-port=999\n"
                                    "Röle Avansı=-5\nRöle Aktif=99999\nSalâ Vakitler=11x111\n"
                                    "[Hesap Paramatreleri]\nSaat Farkı=780\n"));
    const Settings s = loadAll(file, folder)->settings;
    EXPECT_EQ(s.sabahEzanMinutes, 10);
    EXPECT_EQ(s.cumaSalaMinutes, 120);
    EXPECT_EQ(s.sahurSalaMinutes, 10);
    EXPECT_EQ(s.reminderMinutes, 10);
    EXPECT_EQ(s.relayComPort, 255);
    EXPECT_EQ(s.relayLeadSeconds, 0);
    EXPECT_EQ(s.relayOnSeconds, 3600);
    EXPECT_EQ(s.salaTimes, "111111");
    EXPECT_EQ(s.timeZoneMinutes, 780);  // Samoa and Tonga: no longer held at +12
}

TEST(SettingsSave, RelayDeviceNamedByPathSurvivesASaveAndMediaPausingIsOffOnlyByHayir) {
    TempFolder folder;
    IniFile file(folder.write("orvanta.ini", "[Seçenekler]\nRöle COM-port=/dev/ttyUSB0\nMedyayı Duraklat=hayır\n"));
    auto loaded = loadAll(file, folder);
    EXPECT_EQ(loaded->settings.relayDevicePath, "/dev/ttyUSB0");
    EXPECT_EQ(loaded->settings.relayComPort, 0);
    EXPECT_TRUE(hasRelay(loaded->settings));
    EXPECT_TRUE(loaded->settings.pauseMediaPlayers);  // only the exact word turns it off
    saveAll(file, loaded->settings, folder);
    EXPECT_EQ(file.readString(keys::kOptionsSection, keys::kRelayComPort, "", 64), "/dev/ttyUSB0");

    file.writeString(keys::kOptionsSection, keys::kPauseMedia, "Hayır");
    EXPECT_FALSE(loadAll(file, folder)->settings.pauseMediaPlayers);
}

// Two complete settings a save can leave behind, and a child that saves
// them in turn until it is killed.
TEST(SettingsSave, KilledMidSaveLeavesTheOldOrTheNewFile) {
    TempFolder folder;
    IniFile file(folder / "orvanta.ini");
    const Settings first = everyKeyChanged();
    Settings second;
    second.placeName = "Kırşehir";
    saveAll(file, first, folder);

    std::mt19937 random(20261206);
    for (int round = 0; round < 25; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Both groups in one replacement each: a file between the two
            // saves holds one group of each setting, which is why the check
            // below compares per group.
            for (int i = 0;; ++i) saveAll(file, i % 2 == 0 ? second : first, folder);
        }
        usleep(static_cast<useconds_t>(std::uniform_int_distribution<int>(200, 20000)(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        const Settings loaded = loadAll(file, folder)->settings;
        const bool placeWhole = loaded.placeName == first.placeName ? loaded.temkin == first.temkin &&
                                                                          loaded.calcMode == first.calcMode
                                                                    : loaded.placeName == second.placeName &&
                                                                          loaded.temkin == second.temkin;
        const bool optionsWhole = loaded.reminderText == first.reminderText
                                      ? loaded.salaTimes == first.salaTimes && loaded.relayOnSeconds == 123
                                      : loaded.reminderText == second.reminderText &&
                                            loaded.salaTimes == second.salaTimes;
        ASSERT_TRUE(placeWhole && optionsWhole) << "round " << round << ":\n" << test::readFile(file.path());
    }
}

// Each part of the offset from the system's zone on the date, the place's
// zone, or the fixed values; a system zone without a name gives its values
// of now; an unknown zone name leaves the fixed values.
TEST(ClockOffset, EachDateFromTheSystemThePlaceOrTheFixedValues) {
    struct Case {
        const char* what;
        std::string zoneName;
        bool systemZone, systemSummer, fixedSummer;
        platform::SystemZone system;
        timezone::LocalDate date;
        std::int32_t minutes;
    };
    const platform::SystemZone berlinNowInDecember{60, false, "Europe/Berlin"};
    const platform::SystemZone namelessSummer{60, true, ""};
    const Case cases[] = {
        {"fixed", "", false, false, false, berlinNowInDecember, {2026, 7, 1}, 120},
        {"fixed summer", "", false, false, true, berlinNowInDecember, {2026, 1, 1}, 180},
        {"place zone, July", "Europe/Berlin", false, false, true, berlinNowInDecember, {2026, 7, 1}, 120},
        {"place zone, January", "Europe/Berlin", false, false, true, berlinNowInDecember, {2026, 1, 1}, 60},
        {"Sydney, January", "Australia/Sydney", false, false, false, berlinNowInDecember, {2026, 1, 1}, 660},
        {"unknown zone", "Europe/Koeln", false, false, false, berlinNowInDecember, {2026, 7, 1}, 120},
        {"Sistem on, July asked in December", "", true, true, false, berlinNowInDecember, {2026, 7, 1}, 120},
        {"Sistem on, January", "", true, true, true, berlinNowInDecember, {2026, 1, 1}, 60},
        {"Sistem summer only", "", false, true, false, berlinNowInDecember, {2026, 7, 1}, 180},
        {"Sistem zone over the place's", "Asia/Tokyo", true, false, false, berlinNowInDecember, {2026, 7, 1}, 60},
        {"nameless system zone", "", true, true, false, namelessSummer, {2026, 1, 1}, 120},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.timeZoneMinutes = 120;
        settings.timeZoneName = c.zoneName;
        settings.useSystemTimeZone = c.systemZone;
        settings.useSystemDaylightSaving = c.systemSummer;
        settings.daylightSaving = c.fixedSummer;
        EXPECT_EQ(clockOffsetFor(settings, c.date, c.system).minutes(), c.minutes) << c.what;
    }
}

// "Saat Dilimi" is read and written with the place; a file that never had
// it gets no such line; a file without the place group holds no place.
TEST(ZoneKey, RoundTripAndFilesWithoutIt) {
    TempFolder folder;
    IniFile file(folder.write("orvanta.ini", "[Hesap Paramatreleri]\nEnlem=5094\n"));
    Settings settings = loadAll(file, folder)->settings;
    EXPECT_TRUE(settings.placeChosen);
    EXPECT_EQ(settings.timeZoneName, "");
    saveAll(file, settings, folder);
    EXPECT_EQ(test::readFile(file.path()).find("\nSaat Dilimi="), std::string::npos);
    settings.timeZoneName = "Europe/Berlin";
    saveAll(file, settings, folder);
    EXPECT_EQ(loadAll(file, folder)->settings.timeZoneName, "Europe/Berlin");
    settings.timeZoneName.clear();
    saveAll(file, settings, folder);
    EXPECT_EQ(loadAll(file, folder)->settings.timeZoneName, "");

    IniFile empty(folder / "none.ini");
    EXPECT_FALSE(loadAll(empty, folder)->settings.placeChosen);
}

TEST(ZoneNote, OnlyWhenThePlacesZoneNeedsAWord) {
    Settings settings;
    const platform::SystemZone istanbul{180, false, "Europe/Istanbul"};
    EXPECT_EQ(zoneNote(settings, istanbul), "");
    settings.timeZoneName = "Europe/Istanbul";
    EXPECT_EQ(zoneNote(settings, istanbul), "");
    EXPECT_EQ(zoneNote(settings, platform::SystemZone{}), "");
    settings.timeZoneName = "Europe/Berlin";
    EXPECT_EQ(zoneNote(settings, istanbul),
              "Yerin saat dilimi Europe/Berlin, bilgisayarınki Europe/Istanbul: vakitler yerin saatiyle.");
    settings.useSystemTimeZone = true;
    EXPECT_EQ(zoneNote(settings, istanbul), "");
    settings.useSystemTimeZone = false;
    settings.timeZoneName = "Europe/Koeln";
    EXPECT_NE(zoneNote(settings, istanbul).find("tanınmıyor"), std::string::npos);
}

}  // namespace
}  // namespace orvanta::settings
