// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli: the times command's output and its argument checking.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "engine/engine.h"
#include "tests/support/cli_run.h"
#include "tests/support/shell_command.h"
#include "tests/tools/cli_test_args.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace {

using orvanta::test::CliRun;
using orvanta::test::istanbul;
using orvanta::test::lines;
using orvanta::test::runInProcess;

// The engine's day (its values are pinned in the engine's tests) in the
// command's line format.
std::string engineLine(std::int16_t latitude, std::int16_t longitude, std::int16_t offset, const char* date,
                       std::int16_t imsakAngle, std::int16_t mode, std::array<std::int16_t, 10> temkin) {
    orvanta::engine::Engine engine;
    engine.setTemkin(temkin);
    engine.setAnglesAndMode(imsakAngle, -1700, mode);
    engine.setPlace(latitude, longitude, offset);
    const int year = std::atoi(date), month = std::atoi(date + 5), day = std::atoi(date + 8);
    engine.setDate(static_cast<std::int16_t>(day), static_cast<std::int16_t>(month), static_cast<std::int16_t>(year));
    std::string line = date;
    for (const std::uint16_t minutes : engine.computeDay()) line += fmt::format(" {:02}:{:02}", minutes / 60, minutes % 60);
    return line + "\n";
}

TEST(CliTimes, PlaceModeAnglesAndTemkinReachTheEngine) {
    std::array<std::int16_t, 10> defaults{};
    std::copy(orvanta::engine::defaultTemkin.begin(), orvanta::engine::defaultTemkin.end(), defaults.begin());
    const std::array<std::int16_t, 10> nines{9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    const CliRun worked = runInProcess(istanbul("2014-01-01"));
    EXPECT_EQ(worked.status, 0);
    EXPECT_EQ(worked.err, "");
    EXPECT_EQ(worked.out, engineLine(4101, 2897, 120, "2014-01-01", -1800, 4, defaults));
    EXPECT_EQ(runInProcess({"times", "--lat", "+60.0", "--lon", "25", "--offset", "+180", "--date", "2014-06-21",
                            "--mode", "0", "--imsak-angle", "-16", "--temkin", "9,9,9,9,9,9,9,9,9,9"})
                  .out,
              engineLine(6000, 2500, 180, "2014-06-21", -1600, 0, nines));
}

TEST(CliPreset, DiyanetValuesAndOptionsBesideThemWin) {
    EXPECT_EQ(runInProcess(istanbul("2014-01-01", {"--preset", "diyanet"})).out,
              runInProcess(istanbul("2014-01-01", {"--temkin", "0,-6,10,0,3,4,4,0,6,0"})).out);
    EXPECT_EQ(runInProcess(istanbul("2014-01-01", {"--preset", "diyanet", "--mode", "0"})).out,
              runInProcess(istanbul("2014-01-01", {"--mode", "0"})).out)
        << "mode 0 ignores every temkin: the explicit mode won";
    const CliRun unknown = runInProcess(istanbul("2014-01-01", {"--preset", "mekke"}));
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("--preset"), std::string::npos);
}

// The Diyanet choice reaches hijri (its world calendar, both names of a
// shared day) and sky (the rules of İmsak and Yatsı) too.
TEST(CliPreset, DiyanetCalendarAndRulesInHijriAndSky) {
    const std::vector<std::string> hijri{"hijri", "--lat", "41.01", "--lon", "28.97", "--offset", "180",
                                         "--date", "2026-12-10", "--preset", "diyanet"};
    EXPECT_EQ(runInProcess(hijri).out, "2026-12-10 1 Recep 1448 | Regaib Gecesi | Üç Ayların Başlangıcı\n");
    const CliRun sky = runInProcess({"sky", "--lat", "52.52", "--lon", "13.4", "--offset", "120", "--date",
                                     "2026-05-01", "--time", "12:00", "--preset", "diyanet"});
    EXPECT_NE(sky.out.find("imsak_rule=takdir (45° ötesi, 14.9°)\nyatsi_rule=takdir (45° ötesi, 13.7°)\n"),
              std::string::npos)
        << sky.out;
}

TEST(CliTimes, ConsecutiveDaysAcrossMonthAndYearEnds) {
    const CliRun run = runInProcess(istanbul("2015-12-30", {"--days", "64"}));
    ASSERT_EQ(run.status, 0);
    const auto days = lines(run.out);
    ASSERT_EQ(days.size(), 64u);
    EXPECT_EQ(days[0].substr(0, 10), "2015-12-30");
    EXPECT_EQ(days[2].substr(0, 10), "2016-01-01");
    EXPECT_EQ(days[61].substr(0, 10), "2016-02-29");
    EXPECT_EQ(days[63].substr(0, 10), "2016-03-02");
    // The same day asked alone comes out the same as within the run.
    EXPECT_EQ(runInProcess(istanbul("2016-02-29")).out, days[61] + "\n");
    // The longest run from the first day.
    EXPECT_EQ(lines(runInProcess(istanbul("1901-01-01", {"--days", "36600"})).out).size(), 36600u);
}

TEST(CliTimes, BadArgumentsNameTheArgumentAndPrintNothing) {
    const auto sky = [](const char* time) {
        return std::vector<std::string>{"sky", "--lat", "41", "--lon", "29", "--offset", "180", "--date", "2014-04-29",
                                        "--time", time};
    };
    struct Case {
        std::vector<std::string> args;
        const char* named;
    } cases[] = {
        {{"times", "--lon", "28.97", "--offset", "120", "--date", "2014-01-01"}, "--lat"},
        {istanbul("2014-01-01", {"--days"}), "--days"},
        {{"times", "--lat", "abc", "--lon", "28.97", "--offset", "120", "--date", "2014-01-01"}, "--lat"},
        {{"times", "--lat", "90.5", "--lon", "28.97", "--offset", "120", "--date", "2014-01-01"}, "--lat"},
        {{"times", "--lat", "41", "--lon", "28", "--offset", "901", "--date", "2014-01-01"}, "--offset"},
        // A value with a line break stays on the one line of the message.
        {{"times", "--lat", "41\n--lon", "--lon", "28", "--offset", "0", "--date", "2014-01-01"}, "--lat"},
        {{"times", "--lat", "nan", "--lon", "28", "--offset", "0", "--date", "2014-01-01"}, "--lat"},
        {istanbul("2014-01-01", {"--mode", "6"}), "--mode"},
        {istanbul("2014-02-29"), "--date"},
        {istanbul("1900-12-31"), "--date"},
        {istanbul("2014-01-01", {"--days", "36601"}), "--days"},
        {istanbul("2099-12-30", {"--days", "3"}), "--days"},
        {istanbul("2014-01-01", {"--temkin", "1,2,3,4,5,6,7,8,9"}), "--temkin"},
        {istanbul("2014-01-01", {"--imsak-angle", "-18,5"}), "--imsak-angle"},
        {istanbul("2014-01-01", {"--colour", "red"}), "--colour"},
        {istanbul("2014-01-01", {"--mode", "1", "--mode", "2"}), "--mode"},
        {{"hijri", "--lat", "41", "--lon", "29", "--offset", "120", "--date", "2014-10-02", "--mode", "2"}, "--mode"},
        {sky("24:00"), "--time"}, {sky("9:03"), "--time"}, {sky("09:60"), "--time"},
    };
    for (const auto& c : cases) {
        const CliRun run = runInProcess(c.args);
        EXPECT_EQ(run.status, 2) << c.named;
        EXPECT_EQ(run.out, "") << c.named;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

// Apia, Nuku'alofa and Kiritimati keep UTC+13 and UTC+14; New Zealand's
// summer clock is UTC+13: offsets refused before.
TEST(CliTimes, ZonesEastOfTwelveHoursAreAccepted) {
    for (const char* offset : {"780", "840", "900"}) {
        const CliRun run = runInProcess(istanbul("2014-01-01", {}, offset));
        EXPECT_EQ(run.status, 0) << offset << run.err;
    }
}

// Echoed values once split a UTF-8 character at the cut and passed bytes
// that are no UTF-8 raw; render printed a failing path raw, twice, and
// without the command's name.
TEST(CliErrors, EchoedValueIsEscapedAndCutOnACharacterBoundary) {
    const std::string a58(58, 'a');
    const std::pair<std::string, std::string> cases[] = {
        {"a\nb\x01\x7F", "'a\\nb\\x01\\x7F'"},
        {"\x1B[2J", "'\\x1B[2J'"},
        {"K\xFDr\xFE", "'K\\xFDr\\xFE'"},                 // Windows-1254 bytes
        {"\xC2\x9B" "2J", "'\\u009B2J'"},                   // C1 control sequence introducer
        {a58 + "ş", "'" + a58 + "ş'"},                        // 60 bytes: whole
        {a58 + "aş", "'" + a58 + "a'..."},                    // "ş" would pass 60 bytes
        {a58 + "\xE2\x82\xAC", "'" + a58 + "'..."},           // so would "€"
        {std::string(1 << 20, 'x'), "'" + std::string(60, 'x') + "'..."},
    };
    for (const auto& [value, shown] : cases) EXPECT_EQ(orvanta::cli::echoed(value), shown);

    const std::string path = "/nonexistent/" + std::string(100000, 'p') + "\n.bmp";
    const CliRun render = runInProcess({"render", "moon", "--lat", "41", "--lon", "29", "--offset", "120", "--date",
                                        "2026-12-07", "--time", "16:30", "--out", path});
    EXPECT_EQ(render.status, 1);
    EXPECT_TRUE(render.err.starts_with("orvanta-cli render: cannot write '/nonexistent/pp")) << render.err.substr(0, 80);
    EXPECT_LT(render.err.size(), 200u);
    EXPECT_EQ(std::count(render.err.begin(), render.err.end(), '\n'), 1) << "one line";
    const CliRun place = runInProcess({"place", "--row", "1", "--csv", "/nonexistent/a\nb.csv"});
    EXPECT_EQ(place.err, "orvanta-cli place: --csv: cannot read '/nonexistent/a\\nb.csv'\n");
}

// The installed executable: exit status and streams as a shell sees them.
TEST(CliExecutable, ExitStatusAndStreams) {
    const auto shell = [](const std::string& args) {
        return orvanta::test::runShell(std::string(ORVANTA_CLI_PATH) + " " + args + " 2>/dev/null");
    };
    const auto worked = shell("times --lat 41.01 --lon 28.97 --offset 120 --date 2014-01-01");
    EXPECT_EQ(worked.status, 0);
    EXPECT_EQ(worked.out, runInProcess(istanbul("2014-01-01")).out);
    const auto refused = shell("times --lat 91 --lon 28.97 --offset 120 --date 2014-01-01");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(shell("").status, 2);
    EXPECT_EQ(shell("frobnicate").status, 2);
    const auto help = shell("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("times"), std::string::npos);
}

TEST(CliHijri, DaysWithTheirReligiousNames) {
    const CliRun run = runInProcess(
        {"hijri", "--lat", "41.01", "--lon", "28.97", "--offset", "120", "--date", "2014-10-02", "--days", "3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "2014-10-02 8 Zilhicce 1435\n"
              "2014-10-03 9 Zilhicce 1435 | Arefe\n"
              "2014-10-04 10 Zilhicce 1435 | Kurban Bayramı 1. gün\n");
}

// The values are the engine's (pinned in its tests); here the keys, their
// order, and that the moment given reaches the engine (the eclipse).
TEST(CliSky, KeysInOrderAtTheMomentGiven) {
    const CliRun run = runInProcess(
        {"sky", "--lat", "41.01", "--lon", "28.97", "--offset", "180", "--date", "2014-04-29", "--time", "09:03"});
    ASSERT_EQ(run.status, 0);
    const auto got = lines(run.out);
    const std::vector<std::string> keys{"sun_azimuth",    "sun_altitude",    "moon_elongation",      "moon_latitude",
                                        "moon_azimuth",   "moon_altitude",   "moon_distance",        "sun_distance",
                                        "sun_longitude",  "sun_declination", "noon_deviation",       "qibla",
                                        "magnetic_declination", "horizontal_intensity", "model_valid", "sky_message",
                                        "imsak_rule", "yatsi_rule"};
    ASSERT_EQ(got.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(got[i].substr(0, got[i].find('=')), keys[i]);
    EXPECT_EQ(got[15], "sky_message=>>>  GÜNEŞ tutulması  <<<");
}

}  // namespace
