// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/imsakiye.h"

#include <algorithm>

#include <cstdlib>

#include <fmt/format.h>
#include <fmt/ranges.h>

#include "reports/month_walk.h"

namespace orvanta::reports {

namespace {

constexpr std::int16_t kFriday = 5;
constexpr int kRamazan = 9;
constexpr int kSevval = 10;
constexpr int kDecember = 12;

ImsakiyeDay dayOfWalk(const engine::Engine& engine, int year, const MonthWalk& walk) {
    ImsakiyeDay day;
    day.year = year;
    day.month = walk.month();
    day.day = walk.day();
    const engine::Place place = engine::placeOf(engine.state());
    const engine::Date date = engine::dateOf(engine.state());
    day.weekday = engine::weekdayOf(date);
    day.times = engine::computeDay(place, date, engine.parameters).times;
    const engine::HijriDate hijri = engine::hijriDate(place, date, engine.parameters.diyanetMethod);
    day.hijriDate = fmt::format("{} {} {}", hijri.day, engine::hijriMonthName(hijri.month), hijri.year);
    day.religiousDay = std::string(hijri.religiousDays.names[0]);
    return day;
}

ImsakiyePage monthPage(engine::Engine& engine, const settings::Settings& settings, const platform::SystemZone& zone,
                       int year, int month) {
    ImsakiyePage page{fmt::format("{} {}", engine::monthName(month), year), {}};
    MonthWalk walk(engine, settings, zone, year, month);
    walk.forEachDay([&] { page.days.push_back(dayOfWalk(engine, year, walk)); });
    return page;
}

bool isHijriFirst(const engine::Engine& engine, int hijriMonth) {
    const engine::HijriDate hijri = engine::hijriDate(engine::placeOf(engine.state()), engine::dateOf(engine.state()),
                                                      engine.parameters.diyanetMethod);
    return hijri.day == 1 && hijri.month == hijriMonth;
}

// The Ramadan's days, from the first 1 Ramazan of the year to 1 Şevval.
ImsakiyePage ramadanPage(engine::Engine& engine, const settings::Settings& settings, const platform::SystemZone& zone,
                         int year) {
    ImsakiyePage page;
    bool inRamadan = false;
    bool done = false;
    // Months of the year and of the next, where a Ramadan begun in
    // December ends.
    for (int month = 0; !done && month < 2 * kDecember; ++month) {
        const int y = year + month / kDecember;
        MonthWalk walk(engine, settings, zone, y, month % kDecember + 1);
        walk.forEachDay([&] {
            if (done) return;
            if (!inRamadan && y == year && isHijriFirst(engine, kRamazan)) inRamadan = true;
            if (!inRamadan) return;
            page.days.push_back(dayOfWalk(engine, y, walk));
            done = isHijriFirst(engine, kSevval);
        });
    }
    const std::string hijriYear = page.days.empty() ? "" : page.days.front().hijriDate.substr(
                                                              page.days.front().hijriDate.rfind(' ') + 1);
    page.title = fmt::format("Ramazan {} ({})", hijriYear, year);
    return page;
}

// The offset without summer time on the first printed day, and where the
// summer time comes from: the words of the text timetable's header.
std::string clockDescription(const settings::Settings& settings, std::int32_t base) {
    return fmt::format("UTC{:+}{}, yaz saati: {}", base / 60,
                       base % 60 == 0 ? "" : fmt::format(":{:02}", std::abs(base % 60)), summerTimeRule(settings));
}

// Characters that a file name of the common file systems cannot hold.
std::string fileNamePart(std::string_view text) {
    std::string part(text);
    std::replace_if(part.begin(), part.end(), [](char c) { return std::string_view("/\\:*?\"<>| ").find(c) != std::string_view::npos; }, '_');
    return part;
}

}  // namespace

bool ImsakiyeDay::isFriday() const { return weekday == kFriday; }

Imsakiye buildImsakiye(engine::Engine engine, const settings::Settings& settings, const platform::SystemZone& zone,
                       ImsakiyeKind kind, int year, int month) {
    const int firstMonth = kind == ImsakiyeKind::Month ? month : 1;
    const std::int32_t base = standardOffsetMinutes(settings, zone, year, firstMonth);
    Imsakiye imsakiye{fmt::format("{} / {}", settings.placeName, settings.countryName), methodDescription(settings),
                      clockDescription(settings, base), {}};
    switch (kind) {
    case ImsakiyeKind::Month: imsakiye.pages.push_back(monthPage(engine, settings, zone, year, month)); break;
    case ImsakiyeKind::Year:
        for (int m = 1; m <= kDecember; ++m) imsakiye.pages.push_back(monthPage(engine, settings, zone, year, m));
        break;
    case ImsakiyeKind::Ramadan: imsakiye.pages.push_back(ramadanPage(engine, settings, zone, year)); break;
    }
    return imsakiye;
}

std::string methodDescription(const settings::Settings& settings) {
    settings::Settings diyanet = settings;
    settings::applyDiyanetPreset(diyanet);
    const bool isDiyanet = diyanet.temkin == settings.temkin && diyanet.imsakAngle == settings.imsakAngle &&
                           diyanet.yatsiAngle == settings.yatsiAngle && diyanet.calcMode == settings.calcMode;
    return fmt::format("{}: mod {}, İmsak {}°, Yatsı {}°, temkinler {}", isDiyanet ? "Diyanet değerleri" : "Orvanta değerleri",
                       settings.calcMode, settings.imsakAngle, settings.yatsiAngle, fmt::join(settings.temkin, " "));
}

std::string imsakiyeFileName(ImsakiyeKind kind, std::string_view place, int year, int month,
                             std::string_view extension) {
    switch (kind) {
    case ImsakiyeKind::Month: return fmt::format("İmsakiye-{}-{}-{:02}.{}", fileNamePart(place), year, month, extension);
    case ImsakiyeKind::Year: return fmt::format("İmsakiye-{}-{}.{}", fileNamePart(place), year, extension);
    case ImsakiyeKind::Ramadan:
        return fmt::format("Ramazan-İmsakiyesi-{}-{}.{}", fileNamePart(place), year, extension);
    }
    return {};
}

std::string religiousDaysFileName(int year, std::string_view extension) {
    return fmt::format("Dini-Günler-{}.{}", year, extension);
}

}  // namespace orvanta::reports
