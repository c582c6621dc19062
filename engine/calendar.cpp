// SPDX-License-Identifier: GPL-3.0-or-later
// Day context setters and Gregorian day arithmetic.
//
// The leap rule is "divisible by 4", right for 1901..2099; the same rule is
// applied to every year. Day numbers count from 1 January 2000 = day 0.
#include "engine/engine.h"

#include <algorithm>

namespace orvanta::engine {

namespace {

// π/18000: radians per hundredth of a degree.
constexpr double kRadiansPerHundredth = 0.00017453292519943294;
// Minutes of time per hundredth of a degree of longitude (4 min per degree).
constexpr double kMinutesPerHundredth = 0.04;
// 365 × 2000 + 499 leap days + 1: puts 1 January 2000 at day 0.
constexpr std::int32_t kDayNumberOf2000 = 730500;
// A multiple of 7 larger than the day number of any date after 1900, so
// the remainder is taken of a positive number; 1 January 2000 → Saturday.
constexpr std::int32_t kWeekdayBias = 36524;
constexpr std::int16_t kMinutesPerDay = 1440;

constexpr std::array<std::string_view, 8> kWeekdayNames{
    "", "Pazartesi", "Salı", "Çarşamba", "Perşembe", "Cuma", "Cumartesi", "Pazar"};
constexpr std::array<std::string_view, 8> kWeekdayShortNames{
    "", "Pzt", "Sal", "Çar", "Per", "Cum", "Cts", "Paz"};
constexpr std::array<std::string_view, 13> kMonthNames{
    "",      "Ocak",   "Şubat",  "Mart",   "Nisan", "Mayıs", "Haziran",
    "Temmuz", "Ağustos", "Eylül", "Ekim", "Kasım", "Aralık"};
constexpr std::array<std::string_view, 13> kHijriMonthNames{
    "",      "Muharrem", "Safer", "Rebiülevvel", "Rebiülahir", "Cemaziyelevvel", "Cemaziyelahir",
    "Recep", "Şaban",    "Ramazan", "Şevval",   "Zilkade",    "Zilhicce"};

// Table lookup that answers "" outside the table instead of reading past it.
template <std::size_t N>
std::string_view nameAt(const std::array<std::string_view, N>& names, int index) {
    return (index >= 0 && static_cast<std::size_t>(index) < N) ? names[static_cast<std::size_t>(index)]
                                                                : std::string_view{};
}

// Month table entry m with the leap day counted from the end of February on.
std::int16_t cumulativeDays(int monthIndex, bool leap) {
    const int entry = monthTable[static_cast<std::size_t>(monthIndex)];
    return static_cast<std::int16_t>(entry + ((leap && monthIndex >= 2) ? 1 : 0));
}

std::int16_t weekdayOfDayNumber(std::int32_t dayNumber) {
    return static_cast<std::int16_t>((dayNumber + kWeekdayBias) % 7 + 1);
}

void clearDateAndPlaceCaches(DayContext& ctx) {
    ctx.hijriValid = 0;
    ctx.moonValid = 0;
    ctx.geomagneticValid = 0;
}

}  // namespace

const std::array<std::int16_t, 14> monthTable{0,   31,  59,  90,  120, 151, 181,
                                              212, 243, 273, 304, 334, 365, 999};

bool isLeapYear(std::int32_t year) { return year % 4 == 0; }

std::int16_t wrapMinutes(std::int32_t minutes) {
    if (minutes >= 0 && minutes < kMinutesPerDay) return static_cast<std::int16_t>(minutes);
    // The remainder lies in -1439..1439 for any minutes, so adding a day
    // cannot overflow.
    return static_cast<std::int16_t>((minutes % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay);
}

std::string_view weekdayName(int index) { return nameAt(kWeekdayNames, index); }
std::string_view weekdayShortName(int index) { return nameAt(kWeekdayShortNames, index); }
std::string_view monthName(int index) { return nameAt(kMonthNames, index); }
std::string_view hijriMonthName(int index) { return nameAt(kHijriMonthNames, index); }

void Engine::setDate(std::int16_t day, std::int16_t month, std::int16_t year) {
    context.day = day;
    context.month = month;
    context.year = year;
    clearDateAndPlaceCaches(context);
}

void Engine::setPlace(std::int16_t latitudeHundredths, std::int16_t longitudeHundredths,
                      std::int16_t clockOffsetMinutes) {
    context.latitudeRadians = static_cast<float>(latitudeHundredths * kRadiansPerHundredth);
    context.longitudeMinutes = static_cast<float>(longitudeHundredths * kMinutesPerHundredth);
    context.clockOffset = clockOffsetMinutes;
    context.latitudeHundredths = latitudeHundredths;
    context.longitudeHundredths = longitudeHundredths;
    clearDateAndPlaceCaches(context);
}

void Engine::setTimeOfDay(std::int16_t hour, std::int16_t minute) {
    context.timeOfDay = static_cast<std::int16_t>(hour * 60 + minute);
    context.moonValid = 0;
}

void Engine::setTemkin(const std::array<std::int16_t, kComputedVakits>& temkinMinutes) {
    std::copy(temkinMinutes.begin(), temkinMinutes.end(), parameters.temkin.begin() + 1);
}

void Engine::setAnglesAndMode(std::int16_t imsakHundredths, std::int16_t yatsiHundredths,
                              std::int16_t mode) {
    parameters.imsakAngle = static_cast<float>(imsakHundredths * 0.01);
    parameters.yatsiAngle = static_cast<float>(yatsiHundredths * 0.01);
    parameters.mode = mode;
}

std::int16_t dayOfYear(const Date& date) {
    // Months outside 1..12 are never set by callers; keep the lookup inside
    // the table all the same.
    const int monthIndex = std::clamp<int>(date.month, 1, 13) - 1;
    const bool leapDayBefore = isLeapYear(date.year) && date.month > 2;
    return static_cast<std::int16_t>(monthTable[static_cast<std::size_t>(monthIndex)] + date.day +
                                     (leapDayBefore ? 1 : 0));
}

std::int32_t dayNumberOf(const Date& date) {
    const std::int32_t year = date.year;
    return dayOfYear(date) + 365 * year + (year - 1) / 4 - kDayNumberOf2000;
}

std::int16_t weekdayOf(const Date& date) { return weekdayOfDayNumber(dayNumberOf(date)); }

Date dateOfDayOfYear(std::int16_t year, std::int16_t n) {
    const bool leap = isLeapYear(year);
    int index = 1;
    // The sentinel 999 ends the walk for any day of year a caller can pass.
    while (index < static_cast<int>(monthTable.size()) - 1 && cumulativeDays(index, leap) < n) {
        ++index;
    }
    return {year, static_cast<std::int16_t>(index), static_cast<std::int16_t>(n - cumulativeDays(index - 1, leap))};
}

Place placeOf(const DayContext& context) {
    return {context.latitudeHundredths, context.longitudeHundredths, context.clockOffset};
}

Date dateOf(const DayContext& context) { return {context.year, context.month, context.day}; }

std::int32_t Engine::dayNumber() const {
    // Asked by every step of the solar solver; the date changes once a day.
    detail::DayNumberMemo& memo = dayNumber_;
    if (!memo.valid || memo.year != context.year || memo.month != context.month || memo.day != context.day) {
        memo = {true, context.year, context.month, context.day, dayNumberOf(dateOf(context))};
    }
    return memo.number;
}

std::int16_t Engine::weekday() const { return weekdayOfDayNumber(dayNumber()); }

Real Engine::epochDays() const {
    return static_cast<Real>(dayNumber()) - 0.5 +
           (static_cast<Real>(context.hourAngle) + context.transit - context.longitudeMinutes) /
               1440.0;
}

Real Engine::localTransit() const {
    return static_cast<Real>(context.clockOffset) + context.transit - context.longitudeMinutes;
}

}  // namespace orvanta::engine
