// SPDX-License-Identifier: GPL-3.0-or-later
// The Hijri date from the moon, and the religious days.
//
// A Hijri month begins on the day after the last day on which, at 0h UT,
// the moon stood less than 8° from the sun (too close to be seen). The
// month and year come from a count of mean lunations at that day. This is
// a visibility rule of this program, not an official calendar: it may
// differ by a day from a published one. With the Diyanet choice the month
// starts come from Diyanet's world calendar instead (world_calendar.cpp).
#include <cmath>

#include "engine/constants.h"
#include "engine/engine.h"

namespace orvanta::engine {

namespace {

using namespace constants;

// 1/29.530589: one mean synodic month, in months per day.
constexpr double kMonthsPerDay = 0.03386319219153473;
// Places the lunation count so that its whole part on the day before a
// month is 12 × Hijri year + (month − 1) of the month that follows.
constexpr double kLunationCountAtEpoch = 17049.7;
// 8° in tenths, squared: the visibility circle around the sun.
constexpr std::int32_t kVisibleDistanceSquared = 80 * 80;
constexpr std::int32_t kHalfCircleTenths = 1800;
constexpr std::int32_t kFullCircleTenths = 3600;
// The elongation grows by less than 15° (150 tenths) a day.
constexpr std::int32_t kTenthsPerDayBound = 150;

namespace names {
constexpr std::string_view kNone = "";
constexpr std::string_view kHicriYilbasi = "Hicri Yılbaşı";
constexpr std::string_view kAsure = "Aşure Günü";
constexpr std::string_view kMevlid = "Mevlid Gecesi";
constexpr std::string_view kRegaib = "Regaib Gecesi";
constexpr std::string_view kUcAylar = "Üç Ayların Başlangıcı";
constexpr std::string_view kMirac = "Miraç Gecesi";
constexpr std::string_view kBerat = "Berat Gecesi";
constexpr std::string_view kKadirSarani = "Kadir Gecesi (Şarani)";
constexpr std::string_view kRamazanIlkGun = "Ramazan'ın ilk günü";
constexpr std::string_view kKadirR27 = "Kadir Gecesi (R.27)";
constexpr std::array<std::string_view, 3> kRamazanBayrami{
    "Ramazan Bayramı 1. gün", "Ramazan Bayramı 2. gün", "Ramazan Bayramı 3. gün"};
constexpr std::string_view kArefe = "Arefe";
constexpr std::array<std::string_view, 4> kKurbanBayrami{
    "Kurban Bayramı 1. gün", "Kurban Bayramı 2. gün", "Kurban Bayramı 3. gün", "Kurban Bayramı 4. gün"};
}  // namespace names

constexpr std::int16_t kThursday = 4;
constexpr std::int16_t kSaturday = 6;
// Regaib: the night before the first Friday of Recep falls on Recep 1..6
// or on the last day (29 or 30) of Cemaziyelahir.
constexpr std::int32_t kLastRegaibDayOfRecep = 6;
constexpr std::int32_t kShortestMonthDays = 29;
constexpr std::int16_t kCemaziyelahir = 6;

// The moon's progress beyond the 8° mark east of the sun, tenths 0..3599.
std::int32_t beyondVisibilityMark(std::int32_t elongationTenths, std::int32_t latitudeTenths) {
    const double markTenths = std::sqrt(static_cast<double>(kVisibleDistanceSquared - latitudeTenths * latitudeTenths));
    auto e = static_cast<std::int32_t>(std::trunc(elongationTenths - markTenths));
    if (e < 0) e += kFullCircleTenths;
    return e;
}

}  // namespace

std::int32_t Engine::worldCalendarHijri() {
    DayContext& c = context;
    c.hijriValid = 1;
    const std::int32_t today = dayNumber();
    const std::int32_t start = worldCalendarMonthStart(today);
    // The same lunation count as below, at the day before the month.
    const auto count = static_cast<std::int32_t>(std::trunc((start - 1) * kMonthsPerDay + kLunationCountAtEpoch));
    c.hijriMonthValue = static_cast<std::int16_t>(count % 12 + 1);
    c.hijriYearValue = static_cast<std::int16_t>(count / 12);
    return today - start + 1;
}

std::int32_t Engine::computeHijri() {
    if (parameters.diyanetMethod) return worldCalendarHijri();
    DayContext& c = context;
    c.moonValid = 0;
    c.hijriValid = 1;
    const std::int16_t selectedDay = c.day;
    // Step back from the selected date to the last day on which the moon
    // was inside the 8° mark at 0h UT, in steps that never pass it by more
    // than a day. The day moves by the day of month alone; the day
    // arithmetic takes days of 0 and below.
    std::int8_t back = -1;
    std::int32_t e = 0;
    do {
        back = static_cast<std::int8_t>(back + e / kTenthsPerDayBound + 1);
        c.day = static_cast<std::int16_t>(selectedDay - back);
        const std::int32_t elongation = computeMoon(c.clockOffset);  // local clockOffset = 0h UT
        const auto latitudeTenths = static_cast<std::int32_t>(std::trunc(c.moonLatitude * kTenthsPerRadian));
        e = beyondVisibilityMark(elongation, latitudeTenths);
    } while (back == 0 || e < kHalfCircleTenths);

    const auto count = static_cast<std::int32_t>(std::trunc(dayNumber() * kMonthsPerDay + kLunationCountAtEpoch));
    c.day = selectedDay;
    c.hijriMonthValue = static_cast<std::int16_t>(count % 12 + 1);
    c.hijriYearValue = static_cast<std::int16_t>(count / 12);
    return back;
}

std::int16_t Engine::hijriMonth() {
    if (context.hijriValid == 0) computeHijri();
    return context.hijriMonthValue;
}

std::int16_t Engine::hijriYear() {
    if (context.hijriValid == 0) computeHijri();
    return context.hijriYearValue;
}

std::string ReligiousDays::joined(std::string_view separator) const {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += separator;
        text += names[static_cast<std::size_t>(i)];
    }
    return text;
}

bool Engine::isLastDayOfHijriMonth() {
    const std::int16_t day = context.day;
    setDate(static_cast<std::int16_t>(day + 1), context.month, context.year);
    const bool nextIsFirst = computeHijri() == 1;
    setDate(day, context.month, context.year);
    computeHijri();
    return nextIsFirst;
}

ReligiousDays Engine::religiousDaysOf(std::int32_t d, std::int16_t m, std::int16_t w) {
    using namespace names;
    ReligiousDays days;
    auto name = [&days](std::string_view text) { days.names[static_cast<std::size_t>(days.count++)] = text; };
    switch (m) {
    case 1:
        if (d == 1) name(kHicriYilbasi);
        if (d == 10) name(kAsure);
        break;
    case 3:
        if (d == 11) name(kMevlid);
        break;
    case kCemaziyelahir:
        if (w == kThursday && d >= kShortestMonthDays && isLastDayOfHijriMonth()) name(kRegaib);
        break;
    case 7:
        if (d <= kLastRegaibDayOfRecep && w == kThursday) name(kRegaib);
        if (d == 1) name(kUcAylar);
        if (d == 26) name(kMirac);
        break;
    case 8:
        if (d == 14) name(kBerat);
        break;
    case 9:
        if (w == kSaturday && d % 2 == 0 && d > 15 && d < 30) name(kKadirSarani);
        if (d == 1) name(kRamazanIlkGun);
        if (d == 26) name(kKadirR27);
        break;
    case 10:
        if (d >= 1 && d <= 3) name(kRamazanBayrami[static_cast<std::size_t>(d - 1)]);
        break;
    case 12:
        if (d == 9) name(kArefe);
        if (d >= 10 && d <= 13) name(kKurbanBayrami[static_cast<std::size_t>(d - 10)]);
        break;
    default:
        break;
    }
    return days;
}

ReligiousDays Engine::religiousDays() {
    const std::int32_t d = computeHijri();
    return religiousDaysOf(d, hijriMonth(), weekday());
}

std::string_view Engine::religiousDay() {
    const ReligiousDays days = religiousDays();
    return days.empty() ? names::kNone : days.names[0];
}

}  // namespace orvanta::engine
