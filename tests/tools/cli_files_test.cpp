// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli with files: special files in a file's place, the settings
// file, zones, the place database, MP3 conversion, events, reports and
// pictures.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "platform/linux/xdg_autostart.h"
#include "reports/reports.h"
#include "settings/ini_file.h"
#include "settings/place_database.h"
#include "common/text_encoding.h"
#include "tests/support/cli_run.h"
#include "tests/support/shell_command.h"
#include "tests/support/temp_folder.h"
#include "tests/tools/cli_test_args.h"

namespace {

using orvanta::test::CliRun;
using orvanta::test::istanbul;
using orvanta::test::lines;
using orvanta::test::runInProcess;

// Every file the program and orvanta-cli read or write, with a FIFO, a
// folder, a link to /dev/zero or a device node in its place: a FIFO once
// held the program before any window, /dev/zero was read until memory ran
// out, and a writer replaced a FIFO or device (as root even /dev/null)
// with a plain file. Each is refused now, without waiting, and left as it
// was. Every use runs in a child with an alarm: a hang fails, not hangs.
TEST(SpecialFiles, EveryReaderAndWriterRefusesThemAndLeavesThemAsTheyWere) {
    namespace fs = std::filesystem;
    using namespace orvanta::settings;
    const orvanta::test::TempFolder folder;
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    fs::create_symlink(folder / "fifo", folder / "link-to-fifo");
    fs::create_symlink("/dev/zero", folder / "link-to-zero");
    fs::create_directory(folder / "folder");
    std::vector<std::string> specials{"fifo", "link-to-fifo", "link-to-zero", "folder"};
    // A device node of its own (the null device), where a writer that
    // replaced it can do no harm; making one needs root.
    constexpr unsigned kMemoryDevices = 1, kNullDevice = 3;
    if (mknod((folder / "device").c_str(), S_IFCHR | 0666, makedev(kMemoryDevices, kNullDevice)) == 0) {
        specials.push_back("device");
    }
    std::string mp3Bytes = "\xFF\xFB\x90\x44";
    mp3Bytes.resize(1000, '\0');
    const std::string mp3 = folder.write("a.mp3", mp3Bytes).string();
    const std::string wav = (folder / "out.wav").string();
    const std::vector<std::string> renderArgs{"render", "moon", "--lat", "41", "--lon", "29", "--offset", "120",
                                              "--date", "2026-12-07", "--time", "16:30", "--out"};
    auto render = [&](const std::string& out) {
        std::vector<std::string> args = renderArgs;
        args.push_back(out);
        return runInProcess(args).status;
    };
    // Each use: whether it writes, and whether it refused the path.
    struct Use {
        const char* name;
        bool writes;
        std::function<bool(const std::string&)> refuses;
    };
    const Use uses[] = {
        {"settings read", false, [](const std::string& p) { return !IniFile(p).tryRead(); }},
        {"settings save", true, [](const std::string& p) { return !IniFile(p).writeString("A", "k", "v"); }},
        {"place list", false,
         [](const std::string& p) { return !orvanta::common::readTextFile(p) && readPlaceList(p).empty(); }},
        {"times --ini", false,
         [](const std::string& p) { return runInProcess({"times", "--ini", p, "--date", "2014-01-01"}).status == 2; }},
        {"place --csv", false,
         [](const std::string& p) { return runInProcess({"place", "--row", "1", "--csv", p}).status == 2; }},
        {"mp3wav source", false, [&](const std::string& p) { return runInProcess({"mp3wav", p, wav}).status == 1; }},
        {"mp3wav destination", true, [&](const std::string& p) { return runInProcess({"mp3wav", mp3, p}).status == 1; }},
        {"render --out", true, [&](const std::string& p) { return render(p) == 1; }},
        {"report file", true,
         [](const std::string& p) { return orvanta::common::replaceFileContents(p, "report").has_value(); }},
        {"autostart entry", true,
         [&](const std::string& p) {
             // The entry's name is fixed: a link by that name leads to the special file.
             const fs::path entries = folder / ("autostart-" + fs::path(p).filename().string());
             fs::create_directory(entries);
             fs::create_symlink(p, entries / "orvanta.desktop");
             return !orvanta::platform::XdgAutostart(entries, "/usr/bin/orvanta").setEnabled(true);
         }},
    };
    constexpr unsigned kAlarmSeconds = 10;
    for (const auto& [use, writes, refuses] : uses) {
        for (const std::string& special : specials) {
            // A writer that failed here would replace the machine's own /dev/zero.
            if (writes && special == "link-to-zero") continue;
            const pid_t child = fork();
            if (child == 0) {
                alarm(kAlarmSeconds);
                _exit(refuses((folder / special).string()) ? 0 : 1);
            }
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                << use << " on " << special << (WIFSIGNALED(status) ? ": hung or crashed" : ": taken");
        }
    }
    EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
    EXPECT_EQ(fs::read_symlink(folder / "link-to-fifo"), folder / "fifo");
    EXPECT_EQ(fs::read_symlink(folder / "link-to-zero"), "/dev/zero");
    EXPECT_TRUE(fs::is_directory(folder / "folder") && fs::is_empty(folder / "folder"));
    if (specials.back() == "device") {
        EXPECT_TRUE(fs::is_character_file(folder / "device"));
    }
    EXPECT_FALSE(fs::exists(wav));
}

TEST(CliIni, SettingsFileGivesPlaceOffsetAndCalculation) {
    orvanta::test::TempFolder folder;
    const std::string ini = folder.write("orvanta.ini",
                                         "[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=120\n")
                                .string();
    EXPECT_EQ(runInProcess({"times", "--ini", ini, "--date", "2014-01-01"}).out, runInProcess(istanbul("2014-01-01")).out);
    // Explicit options win over the file.
    EXPECT_EQ(runInProcess({"times", "--ini", ini, "--date", "2014-01-01", "--offset", "180"}).out,
              runInProcess(istanbul("2014-01-01", {}, "180")).out);

    const std::string tuned = folder.write("tuned.ini",
                                           "[Hesap Paramatreleri]\nEnlem=6000\nBoylam=2500\nSaat Farkı=120\n"
                                           "Yaz Saati=1\nHesap Modu=0\nSABAH temkini=9\nİmsak Açısı=-1600\n")
                                  .string();
    EXPECT_EQ(runInProcess({"times", "--ini", tuned, "--date", "2014-06-21"}).out,
              runInProcess({"times", "--lat", "60", "--lon", "25", "--offset", "180", "--date", "2014-06-21",
                            "--mode", "0", "--imsak-angle", "-16", "--temkin", "9,-6,10,0,5,4,4,0,8,2"})
                  .out);

    const CliRun missing = runInProcess({"sky", "--ini", (folder / "none.ini").string(), "--date", "2014-01-01",
                                         "--time", "12:00"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("--ini"), std::string::npos);
}

// The offset the C library's reading of the zone files gives a zone at
// local noon of a day: the zone database's answer, found another way.
std::string zoneFilesOffset(const std::string& zone, const std::string& date) {
    return orvanta::test::runShell("TZ=" + zone + " date -d '" + date + " 12:00' +%z | awk '{h=substr($0,2,2); " +
                                   "m=substr($0,4,2); s=substr($0,1,1)==\"-\"?-1:1; printf \"%d\", s*(h*60+m)}'")
        .out;
}

TEST(CliZone, EachDayHasTheZonesOffset) {
    struct Case {
        const char* place;
        const char* lat;
        const char* lon;
        const char* zone;
    };
    const Case places[] = {{"Köln", "50.94", "6.96", "Europe/Berlin"},
                           {"Amsterdam", "52.37", "4.90", "Europe/Amsterdam"},
                           {"Sydney", "-33.87", "151.21", "Australia/Sydney"}};
    for (const Case& c : places) {
        for (const std::string date : {"2026-01-15", "2026-07-15"}) {
            const std::string offset = zoneFilesOffset(c.zone, date);
            ASSERT_FALSE(offset.empty()) << c.zone;
            const CliRun zoned =
                runInProcess({"times", "--lat", c.lat, "--lon", c.lon, "--zone", c.zone, "--date", date});
            EXPECT_EQ(zoned.out, runInProcess({"times", "--lat", c.lat, "--lon", c.lon, "--offset", offset, "--date", date}).out)
                << c.place << " " << date << " " << zoned.err;
        }
    }
    // A range crossing the spring switch: each day its own offset.
    const auto spring = lines(
        runInProcess({"times", "--lat", "50.94", "--lon", "6.96", "--zone", "Europe/Berlin", "--date", "2026-03-28",
                      "--days", "2"})
            .out);
    ASSERT_EQ(spring.size(), 2u);
    EXPECT_EQ(spring[1] + "\n", runInProcess({"times", "--lat", "50.94", "--lon", "6.96", "--offset", "120", "--date",
                                              "2026-03-29"})
                                    .out);
    for (const auto& bad : std::vector<std::vector<std::string>>{
             {"--zone", "Europe/Köln"}, {"--zone", "UTC+3"}, {"--zone", "Europe/Berlin", "--offset", "60"}}) {
        std::vector<std::string> args{"times", "--lat", "50", "--lon", "7", "--date", "2026-01-01"};
        args.insert(args.end(), bad.begin(), bad.end());
        const CliRun run = runInProcess(args);
        EXPECT_EQ(run.status, 2) << bad[1];
        EXPECT_NE(run.err.find("--zone"), std::string::npos) << run.err;
    }
}

// With "Sistem" on, a date's offset is the system zone's on that date,
// whatever day the command runs: July is summer time even in December.
TEST(CliIni, SystemZoneOfTheDateNotOfToday) {
    orvanta::test::TempFolder folder;
    const std::string ini = folder.write("orvanta.ini",
                                         "[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=-300\n"
                                         "Windows Saat Dilimi=1\nWindows Yaz Saati=1\n")
                                .string();
    const std::string december = std::string("TZ=Europe/Berlin faketime '2026-12-07 12:00:00' ") + ORVANTA_CLI_PATH;
    if (orvanta::test::runShell(december + " --help >/dev/null 2>&1; echo $?").out != "0\n") {
        GTEST_SKIP() << "faketime is not installed";
    }
    EXPECT_EQ(orvanta::test::runShell(december + " times --ini " + ini + " --date 2026-07-01").out,
              runInProcess(istanbul("2026-07-01", {}, "120")).out);
    EXPECT_EQ(orvanta::test::runShell(december + " times --ini " + ini + " --date 2026-01-01").out,
              runInProcess(istanbul("2026-01-01", {}, "60")).out);
    // The yearly timetable's July, printed in December.
    const std::string year = orvanta::test::runShell(december + " report yearly --year 2026 --ini " + ini).out;
    const std::size_t july = year.find("TARİH\t\t: Temmuz 2026");
    ASSERT_NE(july, std::string::npos);
    // "2026-07-01 03:27 05:30 ..." as the report writes its row: " 1.   03:27  05:30   ...".
    const std::string firstJuly = runInProcess(istanbul("2026-07-01", {}, "120")).out;
    std::string row = "\n  1. ";
    for (std::size_t i = 0; i < 10; ++i) {
        row += "  " + firstJuly.substr(11 + i * 6, 5);
        if (i % 2 == 1 && i < 9) row += ' ';
    }
    EXPECT_NE(year.find(row, july), std::string::npos) << row;
    EXPECT_NE(year.find("YAZ SAATİ\t: Sistem", july), std::string::npos);
}

TEST(CliPlace, RowOfTheDatabase) {
    orvanta::test::TempFolder folder;
    const std::string csv = folder.write("p.csv", "Adana;Türkiye;3;37;35,32\nİstanbul;Türkiye;2;41,01;28,97\n").string();
    EXPECT_EQ(runInProcess({"place", "--row", "2", "--csv", csv}).out, "İstanbul;Türkiye;120;4100;2896\n");
    EXPECT_EQ(runInProcess({"place", "--row", "9", "--csv", csv}).out, "İstanbul;Türkiye;120;4100;2896\n");
    const CliRun shipped = runInProcess({"place", "--row", "34"});
    EXPECT_EQ(shipped.out.substr(0, shipped.out.find(';')), "İstanbul") << shipped.err;
    EXPECT_EQ(runInProcess({"place", "--row", "0", "--csv", csv}).status, 2);
    EXPECT_EQ(runInProcess({"place", "--row", "1", "--csv", (folder / "x.csv").string()}).status, 2);
    const CliRun bad = runInProcess({"place", "--row", "1", "--csv", folder.write("b.csv", "A;B;3;200;1\n").string()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("row 1 of"), std::string::npos) << bad.err;
}

// The names Turkish users type find the real place first, with its zone.
// Reference: each place's centre (latitude, longitude as published by the
// place's own administration) and its IANA zone.
TEST(CliPlace, FindPutsThePlaceTypedFirstWithItsZone) {
    struct Case {
        const char* typed;
        double latitude, longitude;
        const char* zone;
    };
    constexpr Case kCases[] = {
        {"Köln", 50.9375, 6.9603, "Europe/Berlin"},         {"Mekke", 21.4225, 39.8262, "Asia/Riyadh"},
        {"Medine", 24.4672, 39.6111, "Asia/Riyadh"},        {"Viyana", 48.2082, 16.3738, "Europe/Vienna"},
        {"Münih", 48.1351, 11.5820, "Europe/Berlin"},       {"Londra", 51.5074, -0.1278, "Europe/London"},
        {"Kadıköy", 40.9903, 29.0290, "Europe/Istanbul"},   {"Bodrum", 37.0344, 27.4305, "Europe/Istanbul"},
        {"Alanya", 36.5438, 31.9998, "Europe/Istanbul"},    {"Keçiören", 39.9790, 32.8637, "Europe/Istanbul"},
    };
    constexpr double kEarthRadiusKm = 6371.0;
    constexpr double kNearKm = 25.0;
    constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
    for (const Case& c : kCases) {
        const CliRun run = runInProcess({"place", "--find", c.typed});
        ASSERT_EQ(run.status, 0) << c.typed << ": " << run.err;
        // row;name;region;country;zone;latitude;longitude
        std::vector<std::string> fields;
        std::istringstream first(run.out.substr(0, run.out.find('\n')));
        for (std::string field; std::getline(first, field, ';');) fields.push_back(field);
        ASSERT_EQ(fields.size(), 7u) << run.out;
        EXPECT_EQ(fields[4], c.zone) << c.typed;
        const double lat1 = c.latitude * kRadiansPerDegree, lat2 = std::stod(fields[5]) * kRadiansPerDegree;
        const double dLon = (std::stod(fields[6]) - c.longitude) * kRadiansPerDegree;
        const double km = kEarthRadiusKm * std::acos(std::min(1.0, std::sin(lat1) * std::sin(lat2) +
                                                                    std::cos(lat1) * std::cos(lat2) * std::cos(dLon)));
        EXPECT_LT(km, kNearKm) << c.typed << " found " << fields[1] << ", " << fields[2];
    }
    orvanta::test::TempFolder folder;
    const std::string csv = folder.write("p.csv", "Adana;Türkiye;3;37;35,32\nİstanbul;Türkiye;2;41,01;28,97;Europe/Istanbul;İstanbul\n").string();
    EXPECT_EQ(runInProcess({"place", "--find", "a", "--csv", csv}).out,
              "1;Adana;-;Türkiye;-;37.00;35.32\n2;İstanbul;İstanbul;Türkiye;Europe/Istanbul;41.00;28.96\n");
    const CliRun none = runInProcess({"place", "--find", "Atlantis", "--csv", csv});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("--lat"), std::string::npos) << none.err;
    EXPECT_EQ(runInProcess({"place", "--find", "x", "--row", "1", "--csv", csv}).status, 2);
}

TEST(CliMp3Wav, WarningsGoToStandardErrorWithStatusOne) {
    orvanta::test::TempFolder folder;
    std::string mp3 = "\xFF\xFB\x90\x44";
    mp3.resize(2000, '\0');
    const std::string source = folder.write("ezan.mp3", mp3).string();
    const CliRun ok = runInProcess({"mp3wav", source, (folder / "ezan.wav").string()});
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out + ok.err, "");
    EXPECT_TRUE(std::filesystem::exists(folder / "ezan.wav"));

    const CliRun tagged = runInProcess({"mp3wav", folder.write("t.mp3", "ID3\x03....").string(),
                                        (folder / "t.wav").string()});
    EXPECT_EQ(tagged.status, 1);
    EXPECT_EQ(tagged.out, "");
    EXPECT_EQ(tagged.err, "MP3toWAV: Geçersiz MP3 formatı\n") << "caption: body, one line";
    EXPECT_EQ(runInProcess({"mp3wav", source}).status, 2);
}

TEST(CliEvents, WorkedDayFromASettingsFile) {
    orvanta::test::TempFolder folder;
    const std::string ini = folder.write("orvanta.ini",
                                         "[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=120\n"
                                         "[Seçenekler]\nHatırlat=Evet\nSalâ Oku=Evet\n")
                                .string();
    const std::string before = orvanta::test::readFile(ini);
    const CliRun run = runInProcess({"events", "--ini", ini, "--date", "2014-01-01"});
    EXPECT_EQ(run.status, 0) << run.err;
    // The day's events themselves are the scheduler's; here its options
    // came from the file (the reminder salâ leads the day).
    EXPECT_EQ(lines(run.out).front(), "05:28 sala sala.wav");
    EXPECT_EQ(orvanta::test::readFile(ini), before) << "the settings file is only read";
    EXPECT_EQ(runInProcess({"events", "--date", "2014-01-01"}).status, 2);
}

TEST(CliReport, WritesTheReportOfTheSettingsFile) {
    orvanta::test::TempFolder folder;
    const std::string ini = folder.write("orvanta.ini",
                                         "[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=120\n")
                                .string();
    const CliRun report = runInProcess({"report", "yearly", "--ini", ini, "--year", "2014"});
    ASSERT_EQ(report.status, 0) << report.err;
    // The command's engine holds the report's first day at the place.
    orvanta::engine::Engine engine;
    engine.setPlace(4101, 2897, 120);
    engine.setDate(1, 1, 2014);
    orvanta::settings::Settings settings;
    settings.latitude = 4101;
    settings.longitude = 2897;
    settings.timeZoneMinutes = 120;
    EXPECT_TRUE(report.out == orvanta::reports::timetableReport(engine, settings, {}, 2014, 1,
                                                             orvanta::reports::TimetableSpan::Year));
    EXPECT_EQ(runInProcess({"report", "monthly", "--ini", ini, "--year", "2014"}).status, 2) << "needs --month";
    EXPECT_EQ(runInProcess({"report", "weekly", "--ini", ini, "--year", "2014"}).status, 2);
}

}  // namespace

TEST(CliRender, WritesTheProgramsPictureOrNothing) {
    const orvanta::test::TempFolder folder;
    const std::string out = (folder / "map.bmp").string();
    const std::vector<std::string> base{"--lat", "41.01", "--lon", "28.97", "--offset", "180", "--date", "2026-12-07",
                                        "--time", "16:30", "--out"};
    auto args = [&](std::string kind, std::string file) {
        std::vector<std::string> all{"render", std::move(kind)};
        all.insert(all.end(), base.begin(), base.end());
        all.push_back(std::move(file));
        return all;
    };
    const CliRun globe = runInProcess(args("globe", out));
    EXPECT_EQ(globe.status, 0) << globe.err;
    EXPECT_EQ(std::filesystem::file_size(out), 54u + 1204u * 400u);
    EXPECT_EQ(runInProcess(args("sunset", out)).status, 2);
    // A folder that does not exist: status 1, and no file left anywhere.
    const CliRun unwritable = runInProcess(args("moon", (folder / "no" / "moon.bmp").string()));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}
