// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli next and export: the status-bar line agrees with the tray
// tip's choice, the export files hold the times of the times command.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include <fmt/format.h>
#include <string>
#include <vector>

#include "shell/scheduler.h"
#include "tests/support/cli_run.h"
#include "tests/support/shell_command.h"
#include "tests/support/temp_folder.h"
#include "tools/cli/cli.h"

namespace {

using orvanta::test::CliRun;

CliRun run(std::vector<std::string> args) { return orvanta::test::runInProcess(std::move(args)); }

constexpr std::string_view kIstanbul =
    "[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=180\nŞehir Adı=İstanbul\nÜlke Adı=Türkiye\n";

// 2026-12-07 in İstanbul: İmsak 06:21 .. Yatsı 18:29 (the times command).
std::string istanbulDay(const orvanta::test::TempFolder& folder) {
    const std::string ini = folder.write("orvanta.ini", kIstanbul).string();
    return run({"times", "--ini", ini, "--date", "2026-12-07"}).out;
}

TEST(CliNext, NamesTheTimeTheTipCountsToInEachFormat) {
    orvanta::test::TempFolder folder;
    const std::string ini = folder.write("orvanta.ini", kIstanbul).string();
    const std::string day = istanbulDay(folder);
    // The day's Öğle from the times line: the fifth time.
    const std::string ogle = day.substr(11 + 4 * 6, 5);
    const std::vector<std::string> beforeNoon{"next", "--ini", ini, "--date", "2026-12-07", "--time", "10:00"};
    const int minutesLeft = (std::stoi(ogle.substr(0, 2)) - 10) * 60 + std::stoi(ogle.substr(3));

    const CliRun text = run(beforeNoon);
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "Öğle " + ogle + ", kalan " + std::to_string(minutesLeft / 60) + ":" +
                            fmt::format("{:02}", minutesLeft % 60) + "\n");

    auto with = [&](std::string flag) {
        auto args = beforeNoon;
        args.push_back(flag);
        return run(args).out;
    };
    const std::string waybar = with("--waybar");
    EXPECT_NE(waybar.find(R"("class":"ogle")"), std::string::npos) << waybar;
    EXPECT_NE(waybar.find(R"("tooltip":"İstanbul / Türkiye\nİmsak )"), std::string::npos) << waybar;
    EXPECT_EQ(std::count(waybar.begin(), waybar.end(), '\n'), 1) << "one line";
    const std::string json = with("--json");
    EXPECT_NE(json.find(R"("secondsLeft":)" + std::to_string(minutesLeft * 60)), std::string::npos) << json;

    // The JSON is valid for an independent parser.
    const std::string file = folder.write("waybar.json", waybar).string();
    const auto parsed = orvanta::test::runShell(
        "/usr/bin/python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); print(d[\"class\"])' " + file);
    EXPECT_EQ(parsed.out, "ogle\n");
}

TEST(CliNext, BadSettingsFileOrFormatsExitWithUsage) {
    orvanta::test::TempFolder folder;
    const std::string ini = folder.write("orvanta.ini", kIstanbul).string();
    const std::vector<std::vector<std::string>> bad{
        {"next", "--ini", (folder / "missing.ini").string()},
        {"next", "--ini", folder.path().string()},
        {"next", "--ini", ini, "--json", "--waybar"},
        {"next", "--ini", ini, "--date", "2026-12-07"},
    };
    for (const auto& args : bad) {
        const CliRun result = run(args);
        EXPECT_EQ(result.status, orvanta::cli::kExitUsage) << args.back();
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST(CliExport, CsvHasAHeaderAndTheTimesOfEachDay) {
    orvanta::test::TempFolder folder;
    const std::string ini = folder.write("orvanta.ini", kIstanbul).string();
    const std::string csv = (folder / "vakitler.csv").string();
    ASSERT_EQ(run({"export", "csv", "--ini", ini, "--from", "2026-12-07", "--days", "2", "--out", csv}).status, 0);
    std::istringstream rows(orvanta::test::readFile(csv));
    std::string header, first;
    std::getline(rows, header);
    std::getline(rows, first);
    EXPECT_EQ(header, "Tarih,Hicri Tarih,İmsak,Güneş,İşrak,İstiva,Öğle,İkindi,Asr-ı Sani,İsfirar,Akşam,Yatsı,Dini Gün\r");
    std::string fromTimes = istanbulDay(folder);
    std::replace(fromTimes.begin(), fromTimes.end(), ' ', ',');
    EXPECT_EQ(first.substr(0, 10), fromTimes.substr(0, 10));
    EXPECT_NE(first.find(fromTimes.substr(10, 60)), std::string::npos) << first;
}

TEST(CliExport, BadArgumentsWriteNothing) {
    orvanta::test::TempFolder folder;
    const std::string ini = folder.write("orvanta.ini", kIstanbul).string();
    const std::string out = (folder / "x.ics").string();
    const std::vector<std::vector<std::string>> bad{
        {"export", "ics", "--ini", ini, "--from", "2026-12-07", "--days", "2", "--times", "ogle,noon", "--out", out},
        {"export", "ics", "--ini", ini, "--from", "2026-12-07", "--days", "2", "--times", "ogle,ogle", "--out", out},
        {"export", "ics", "--ini", ini, "--from", "2026-12-07", "--days", "2", "--zone", "Asia/Atlantis", "--out", out},
        {"export", "csv", "--ini", ini, "--from", "2026-12-07", "--days", "2", "--alarm", "5", "--out", out},
        {"export", "pdf", "--ini", ini},
        // The religious days are text only, the Ramadan imsakiye PDF only,
        // and a text report goes to standard output.
        {"report", "religious", "--ini", ini, "--year", "2026", "--format", "pdf", "--out", out},
        {"report", "ramadan", "--ini", ini, "--year", "2026"},
        {"report", "yearly", "--ini", ini, "--year", "2026", "--out", out},
        {"report", "yearly", "--ini", ini, "--year", "2026", "--format", "odt", "--out", out},
    };
    for (const auto& args : bad) {
        const CliRun result = run(args);
        EXPECT_EQ(result.status, orvanta::cli::kExitUsage) << result.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

}  // namespace
