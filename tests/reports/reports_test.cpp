// SPDX-License-Identifier: GPL-3.0-or-later
// The timetables and the religious-days list: row counts, the summer-time
// rule in every table, header formats, alignment and the file hand-off.
#include "reports/imsakiye.h"
#include "reports/reports.h"

#include <gtest/gtest.h>

#include <fmt/format.h>
#include <sstream>
#include <vector>

#include "common/text_encoding.h"
#include "tests/support/temp_folder.h"

namespace orvanta::reports {
namespace {

settings::Settings istanbul() {
    settings::Settings s;
    s.latitude = 4101;
    s.longitude = 2897;
    s.timeZoneMinutes = 120;
    s.placeName = "İstanbul";
    s.countryName = "Türkiye";
    return s;
}

// The report's pieces between page breaks, and the day rows of each.
std::vector<std::string> pages(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\f', start)) != std::string::npos; start = end + 1) {
        result.push_back(text.substr(start, end - start));
    }
    return result;
}
std::vector<std::string> dayRows(const std::string& page) {
    std::vector<std::string> rows;
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);) {
        if (line.size() > 5 && line[0] == ' ' && line[3] == '.' && std::isdigit(static_cast<unsigned char>(line[2]))) {
            rows.push_back(line);
        }
    }
    return rows;
}

// A timetable row computed afresh for a day and clock offset.
std::string expectedTimeRow(int day, int month, int year, const settings::Settings& s, int offsetMinutes) {
    engine::Engine engine;
    settings::applyCalculationParameters(s, engine);
    engine.setDate(static_cast<std::int16_t>(day), static_cast<std::int16_t>(month), static_cast<std::int16_t>(year));
    engine.setPlace(static_cast<std::int16_t>(s.latitude), static_cast<std::int16_t>(s.longitude),
                    static_cast<std::int16_t>(offsetMinutes));
    std::string row = fmt::format(" {:2}. ", day);
    const auto times = engine.computeDay();
    for (std::size_t i = 0; i < times.size(); ++i) {
        row += fmt::format("  {:02}:{:02}", times[i] / 60, times[i] % 60);
        if (i % 2 == 1 && i < 9) row += ' ';
    }
    return row;
}

std::string monthly(const settings::Settings& s, int year, int month) {
    engine::Engine engine;
    return timetableReport(engine, s, platform::SystemZone{}, year, month, TimetableSpan::Month);
}

// A month's three tables (times, sun angles, moon angles) have a row a day.
TEST(Timetable, MonthTablesHaveARowADayAndDecemberEndsTheBlock) {
    for (const auto& [year, month, days] : {std::tuple{2016, 2, 29u}, {2015, 2, 28u}, {2014, 12, 31u}}) {
        const auto parts = pages(monthly(istanbul(), year, month));
        ASSERT_EQ(parts.size(), 3u);
        for (const auto& page : parts) EXPECT_EQ(dayRows(page).size(), days) << year << '-' << month;
    }
    const auto december = pages(monthly(istanbul(), 2014, 12));
    EXPECT_NE(december[0].find("TARİH\t\t: Aralık 2014"), std::string::npos);
    EXPECT_NE(december[1].find("GÜNEŞ YATAY AÇISI"), std::string::npos);
    EXPECT_NE(december[2].find("AY YATAY AÇISI"), std::string::npos);
    EXPECT_EQ(dayRows(december[0])[30], expectedTimeRow(31, 12, 2014, istanbul(), 120));
}

// The place's zone switches on its own day in every table: İstanbul began
// summer time on Monday 31 March 2014 (an election moved it from Sunday).
TEST(Timetable, PlacesZoneSwitchesOnItsOwnDayInEveryTable) {
    settings::Settings s = istanbul();
    s.timeZoneName = "Europe/Istanbul";
    for (const auto& [month, switchDay, before, after] :
         {std::tuple{3, 31, 120, 180}, std::tuple{10, 26, 180, 120}}) {
        const auto parts = pages(monthly(s, 2014, month));
        const auto rows = dayRows(parts[0]);
        EXPECT_EQ(rows[static_cast<std::size_t>(switchDay - 2)], expectedTimeRow(switchDay - 1, month, 2014, s, before));
        EXPECT_EQ(rows[static_cast<std::size_t>(switchDay - 1)], expectedTimeRow(switchDay, month, 2014, s, after));
        // The angle tables switch on the same day: at a fixed clock hour the
        // sun stands an hour's worth further on once the clock is an hour ahead.
        const auto sun = dayRows(parts[1]);
        const int noonBefore = std::stoi(sun[static_cast<std::size_t>(switchDay - 2)].substr(38, 8));
        const int noonAfter = std::stoi(sun[static_cast<std::size_t>(switchDay - 1)].substr(38, 8));
        EXPECT_GT(std::abs(noonAfter - noonBefore), 8) << "month " << month;
    }
    EXPECT_NE(monthly(s, 2014, 3).find("YAZ SAATİ\t: Europe/Istanbul"), std::string::npos);
}

// With "Sistem" on, each day has the system zone's offset of that day,
// whatever the zone says now; a zone without a name gives its values of now.
TEST(Timetable, SystemZoneOnEachDaySouthOfTheEquator) {
    settings::Settings s = istanbul();
    s.latitude = -3387;
    s.longitude = 15121;
    s.useSystemTimeZone = true;
    s.useSystemDaylightSaving = true;
    const platform::SystemZone sydneyInJuly{600, false, "Australia/Sydney"};
    engine::Engine engine;
    const std::string january = timetableReport(engine, s, sydneyInJuly, 2014, 1, TimetableSpan::Month);
    EXPECT_EQ(dayRows(pages(january)[0])[9], expectedTimeRow(10, 1, 2014, s, 660));
    EXPECT_NE(january.find("PARALEL\t\t: 33.87° GÜNEY"), std::string::npos);
    EXPECT_NE(january.find("SAAT FARKI\t: +10.00"), std::string::npos);
    EXPECT_NE(january.find("YAZ SAATİ\t: Sistem"), std::string::npos);
    const std::string july = timetableReport(engine, s, sydneyInJuly, 2014, 7, TimetableSpan::Month);
    EXPECT_EQ(dayRows(pages(july)[0])[9], expectedTimeRow(10, 7, 2014, s, 600));

    const std::string nameless = timetableReport(engine, s, platform::SystemZone{60, true, {}}, 2014, 1,
                                                 TimetableSpan::Month);
    EXPECT_NE(nameless.find("SAAT FARKI\t: +1.00"), std::string::npos) << "the system's standard offset";
    EXPECT_EQ(dayRows(pages(nameless)[0])[9], expectedTimeRow(10, 1, 2014, s, 120));
}

TEST(Timetable, YearHasEveryDayOnce) {
    settings::Settings s = istanbul();
    s.timeZoneMinutes = 180;
    engine::Engine engine;
    const std::string text = timetableReport(engine, s, {}, 2016, 6, TimetableSpan::Year);
    EXPECT_NE(text.find("SAAT FARKI\t: +3.00"), std::string::npos);
    const auto parts = pages(text);
    ASSERT_EQ(parts.size(), 12u);
    std::size_t rows = 0;
    for (const auto& page : parts) rows += dayRows(page).size();
    EXPECT_EQ(rows, 366u);
    EXPECT_EQ(dayRows(parts[6])[14], expectedTimeRow(15, 7, 2016, s, 180));
}

// With the Diyanet choice the report follows Diyanet's world calendar, and
// two religious days of one date take a line each.
TEST(ReligiousDays, DiyanetCalendarNamesBothDaysOfOneDate) {
    engine::Engine engine;
    engine.parameters.diyanetMethod = true;
    engine.setPlace(4101, 2897, 180);
    const std::string text = religiousDaysReport(engine, 2026);
    EXPECT_NE(text.find("\t 20 Mart       Cuma        Ramazan Bayramı 1. gün\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\t 10 Aralık     Perşembe    Regaib Gecesi\n"
                        "\t 10 Aralık     Perşembe    Üç Ayların Başlangıcı\n"),
              std::string::npos)
        << text;
}

TEST(ReligiousDays, LeapYearExaminesItsLastDayAndColumnsAlign) {
    engine::Engine engine;
    engine.setPlace(4101, 2897, 120);
    const std::string text = religiousDaysReport(engine, 1976);
    EXPECT_NE(text.find("\t 31 Aralık     Cuma        Aşure Günü\n"), std::string::npos) << text;
    EXPECT_NE(text.find("1976 Yılının Önemli Dini Günleri"), std::string::npos);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("\t", 0) != 0 || line.size() < 5 || !std::isdigit(static_cast<unsigned char>(line[3]))) continue;
        // Tab, day, month and weekday columns take 28 characters on every
        // line, Turkish letters or not; the religious day's name follows.
        const std::string_view columns = common::utf8Prefix(line, 28);
        EXPECT_EQ(columns.substr(columns.size() - 3), "   ") << line;
        EXPECT_NE(line[columns.size()], ' ') << line;
    }
}

class RecordingViewer : public ReportViewer {
public:
    void open(const std::filesystem::path& file) override { opened.push_back(file); }
    std::vector<std::filesystem::path> opened;
};

TEST(ReportFile, SecondReportReplacesTheFirstAndFailuresAreSaid) {
    test::TempFolder folder;
    engine::Engine engine;
    engine.setPlace(4101, 2897, 180);
    engine.setDate(7, 12, 2026);
    const engine::Engine before = engine;
    RecordingViewer viewer;
    const auto file = folder / "orvanta.txt";
    EXPECT_FALSE(writeTimetableReport(engine, istanbul(), {}, 2014, 2, TimetableSpan::Month, file, viewer));
    EXPECT_FALSE(writeReligiousDaysReport(engine, 2015, file, viewer));
    // The reports ran on copies: the program's engine still holds today.
    EXPECT_EQ(engine.state().day, before.state().day);
    EXPECT_EQ(engine.state().year, before.state().year);
    EXPECT_EQ(test::readFile(file), religiousDaysReport(engine, 2015));
    EXPECT_EQ(viewer.opened.size(), 2u);

    folder.write("blocker", "x");
    const auto failure = writeReligiousDaysReport(engine, 2015, folder / "blocker" / "orvanta.txt", viewer);
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("Rapor dosyası yazılamadı"), std::string::npos);
    EXPECT_EQ(viewer.opened.size(), 2u) << "nothing is opened";
}

TEST(ReportFileNames, SayWhatAndWhereAndWhen) {
    struct Case {
        ImsakiyeKind kind;
        std::string_view place;
        int month;
        std::string_view extension;
        std::string_view name;
    };
    const Case cases[] = {
        {ImsakiyeKind::Month, "İstanbul", 12, "pdf", "İmsakiye-İstanbul-2026-12.pdf"},
        {ImsakiyeKind::Year, "İstanbul", 1, "txt", "İmsakiye-İstanbul-2026.txt"},
        {ImsakiyeKind::Ramadan, "Kuala Lumpur", 1, "pdf", "Ramazan-İmsakiyesi-Kuala_Lumpur-2026.pdf"},
        {ImsakiyeKind::Month, "A/B:C", 3, "txt", "İmsakiye-A_B_C-2026-03.txt"},
    };
    for (const Case& c : cases) EXPECT_EQ(imsakiyeFileName(c.kind, c.place, 2026, c.month, c.extension), c.name);
    EXPECT_EQ(religiousDaysFileName(2026, "txt"), "Dini-Günler-2026.txt");
}

TEST(Imsakiye, MonthRowsMarkFridaysAndReligiousDays) {
    engine::Engine engine;
    const Imsakiye december = buildImsakiye(engine, istanbul(), {}, ImsakiyeKind::Month, 2026, 12);
    ASSERT_EQ(december.pages.size(), 1u);
    const auto& days = december.pages[0].days;
    ASSERT_EQ(days.size(), 31u);
    EXPECT_EQ(std::count_if(days.begin(), days.end(), [](const ImsakiyeDay& d) { return d.isFriday(); }), 4);
    EXPECT_TRUE(days[3].isFriday()) << "4 December 2026 is a Friday";
    EXPECT_EQ(december.method.rfind("Orvanta değerleri", 0), 0u);
    settings::Settings diyanet = istanbul();
    settings::applyDiyanetPreset(diyanet);
    EXPECT_EQ(methodDescription(diyanet).rfind("Diyanet değerleri", 0), 0u);
}

TEST(Imsakiye, FollowsThePlacesZoneAsTheTimetableDoes) {
    settings::Settings s = istanbul();
    s.timeZoneName = "Europe/Istanbul";
    engine::Engine engine;
    const Imsakiye march = buildImsakiye(engine, s, {}, ImsakiyeKind::Month, 2014, 3);
    EXPECT_EQ(march.clock, "UTC+2, yaz saati: Europe/Istanbul");
    const auto& days = march.pages[0].days;
    ASSERT_EQ(days.size(), 31u);
    // 31 March 2014: the clock an hour ahead from that day on, less the
    // minutes the İmsak of a March day comes earlier.
    EXPECT_NEAR(days[30].times[0] - days[29].times[0], 60, 3);
    EXPECT_NEAR(days[29].times[0] - days[28].times[0], 0, 3);
}

}  // namespace
}  // namespace orvanta::reports
