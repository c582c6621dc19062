// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/reports.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fmt/printf.h>

#include "reports/month_walk.h"
#include "settings/ini_file.h"
#include "common/text_encoding.h"

namespace orvanta::reports {

namespace {

using engine::VakitType;
constexpr std::size_t kReligiousNameCharacters = 35;
constexpr std::string_view kPageBreak = "\f";

constexpr std::string_view kNotWritten = "Rapor dosyası yazılamadı:\n";

// printf's format language, checked against the argument types and with
// no buffer of a fixed size.
template <class... Args>
void appendf(std::string& out, const char* format, const Args&... args) {
    out += fmt::sprintf(format, args...);
}

void writeMonthHeader(std::string& out, engine::Engine& engine, const settings::Settings& settings,
                      const platform::SystemZone& zone, int year, int month) {
    const std::int32_t baseOffsetMinutes = standardOffsetMinutes(settings, zone, year, month);
    out += "\n\n";
    appendf(out, "\n\n\n\t\t\tŞEHİR\t\t: %s / %s", settings.placeName.c_str(), settings.countryName.c_str());
    appendf(out, "\n\n\t\t\tPARALEL\t\t: %5.02f° ", std::abs(settings.latitude) * 0.01);
    out += settings.latitude >= 0 ? "KUZEY" : "GÜNEY";
    appendf(out, "\n\t\t\tMERİDYEN\t: %5.02f° ", std::abs(settings.longitude) * 0.01);
    out += settings.longitude >= 0 ? "DOĞU" : "BATI";
    appendf(out, "\n\t\t\tSAAT FARKI\t: %+5.2f", baseOffsetMinutes / 60.0);
    appendf(out, "\n\t\t\tTARİH\t\t: %s %d", std::string(engine::monthName(month)).c_str(), year);
    appendf(out, "\n\t\t\tYAZ SAATİ\t: %s", summerTimeRule(settings).c_str());
    appendf(out, "\n\n\t\t\tKIBLE AÇISI\t: %5.1f°", engine.qiblaTenths() * 0.1);
    appendf(out, "\n\t\t\tPUSULA SAPMASI\t: %5.1f°", engine.magneticDeclinationTenths(0) * 0.1);
    if (engine.state().geomagneticModelValid == 0) out += " (yaklaşık)";
    out += "\n\n\n GÜN   İMSAK  GÜNEŞ   İŞRAK İSTİVA   ÖĞLE  İKİNDİ   ASR-I İSFİRAR  AKŞAM  YATSI\n";
    out += std::string(52, ' ') + "SANİ\n";
    out += " ---   -----  -----   -----  -----   -----  -----   -----  -----   -----  -----\n";
}

// Day rows of the ten times; leaves the walk on the next month.
void writeTimeRows(std::string& out, engine::Engine& engine, MonthWalk& walk) {
    walk.forEachDay([&] {
        appendf(out, "\n %2d. ", walk.day());
        const engine::DayTimes times =
            engine::computeDay(engine::placeOf(engine.state()), engine::dateOf(engine.state()), engine.parameters);
        for (int t = static_cast<int>(VakitType::Imsak); t <= static_cast<int>(VakitType::Yatsi); ++t) {
            const int minutes = times.times[static_cast<std::size_t>(t - 1)];
            appendf(out, "  %02d:%02d", minutes / 60, minutes % 60);
            // The times stand in pairs under the header.
            const int position = t - static_cast<int>(VakitType::Imsak) + 1;
            if (position % 2 == 0 && position < 10) out += ' ';
        }
    });
}

// One of the monthly report's angle tables: for each day, the azimuth of
// the sun or the moon at the given hours, in whole degrees.
template <typename Azimuth>
void writeAzimuthTable(std::string& out, engine::Engine& engine, const settings::Settings& settings,
                       const platform::SystemZone& zone, int year, int month, const char* title, const char* header,
                       std::initializer_list<int> hours, Azimuth azimuthTenths) {
    out += title;
    out += header;
    out += " ---     -----   -----   -----   -----   -----   -----   -----   -----   -----\n";
    MonthWalk walk(engine, settings, zone, year, month);
    walk.forEachDay([&] {
        appendf(out, "\n %2d. ", walk.day());
        for (const int hour : hours) {
            engine.setTimeOfDay(static_cast<std::int16_t>(hour), 0);
            appendf(out, "     %03d", static_cast<int>(azimuthTenths() / 10));
        }
    });
    out += kPageBreak;
}

std::optional<std::string> deliver(const std::string& text, const std::filesystem::path& file, ReportViewer& viewer) {
    if (common::replaceFileContents(file, text)) return std::string(kNotWritten) + file.string();
    viewer.open(file);
    return std::nullopt;
}

}  // namespace

std::string summerTimeRule(const settings::Settings& settings) {
    if (settings.useSystemDaylightSaving) return "Sistem";
    if (const std::optional<std::string_view> zone = settings::knownPlaceZone(settings)) return std::string(*zone);
    return settings.daylightSaving ? "Var" : "Yok";
}

std::string padRight(std::string_view text, std::size_t width) {
    std::string padded(text);
    const std::size_t length = common::utf8Length(text);
    if (length < width) padded.append(width - length, ' ');
    return padded;
}

std::string timetableReport(engine::Engine engine, const settings::Settings& settings,
                            const platform::SystemZone& zone, int year, int month, TimetableSpan span) {
    std::string out;
    int m = span == TimetableSpan::Year ? 1 : month;
    int blockMonth = m;
    do {
        blockMonth = m;
        writeMonthHeader(out, engine, settings, zone, year, blockMonth);
        MonthWalk walk(engine, settings, zone, year, blockMonth);
        writeTimeRows(out, engine, walk);
        out += kPageBreak;
        m = walk.month();
    } while (span == TimetableSpan::Year && m <= 12);

    if (span == TimetableSpan::Month) {
        writeAzimuthTable(out, engine, settings, zone, year, blockMonth, "\n\n\n\t\t\t\tGÜNEŞ YATAY AÇISI",
                          "\n\n\n GÜN     04:00   06:00   08:00   10:00   12:00   14:00   16:00   18:00   20:00\n",
                          {4, 6, 8, 10, 12, 14, 16, 18, 20}, [&] { return engine.sunAzimuthNow(); });
        writeAzimuthTable(out, engine, settings, zone, year, blockMonth, "\n\n\n\t\t\t\tAY YATAY AÇISI",
                          "\n\n\n GÜN     00:00   02:00   04:00   06:00   08:00   16:00   18:00   20:00   22:00\n",
                          {0, 2, 4, 6, 8, 16, 18, 20, 22}, [&] { return engine.moonAzimuthTenths(); });
    }
    return out;
}

std::string religiousDaysReport(engine::Engine engine, int year) {
    std::string out;
    appendf(out, "\n\n\n\t\t  %d Yılının Önemli Dini Günleri\n\t\t------------------------------------\n\n", year);
    const int days = engine::isLeapYear(year) ? 366 : 365;
    for (int n = 1; n <= days; ++n) {
        // Day n of January: the engine counts on into the later months.
        const engine::Date january{static_cast<std::int16_t>(year), 1, static_cast<std::int16_t>(n)};
        const engine::ReligiousDays names =
            engine::hijriDate(engine::placeOf(engine.state()), january, engine.parameters.diyanetMethod).religiousDays;
        if (names.empty()) continue;
        const engine::Date date = engine::dateOfDayOfYear(static_cast<std::int16_t>(year), static_cast<std::int16_t>(n));
        const int day = date.day;
        const int month = date.month;
        // Two religious days of one date: one line each.
        for (int i = 0; i < names.count; ++i) {
            const std::string_view name =
                common::utf8Prefix(names.names[static_cast<std::size_t>(i)], kReligiousNameCharacters);
            appendf(out, "\t%3d %s  %s   %s\n", day, padRight(engine::monthName(month), 9).c_str(),
                    padRight(engine::weekdayName(engine::weekdayOf(january)), 9).c_str(), std::string(name).c_str());
        }
    }
    return out;
}

std::optional<std::string> writeTimetableReport(const engine::Engine& engine, const settings::Settings& settings,
                                                const platform::SystemZone& zone, int year, int month,
                                                TimetableSpan span, const std::filesystem::path& file,
                                                ReportViewer& viewer) {
    return deliver(timetableReport(engine, settings, zone, year, month, span), file, viewer);
}

std::optional<std::string> writeReligiousDaysReport(const engine::Engine& engine, int year,
                                                    const std::filesystem::path& file, ReportViewer& viewer) {
    return deliver(religiousDaysReport(engine, year), file, viewer);
}

}  // namespace orvanta::reports
