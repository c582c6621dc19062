// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/clock_time.h"

#include <cstdio>
#include <fmt/format.h>

namespace orvanta::shell {

namespace {

constexpr std::int64_t kTicksPerDay = 86400 * kTicksPerSecond;

// Days from 0000-03-01 to the date, counting the year from March so that the
// leap day falls at the end (a 400-year Gregorian cycle has 146097 days).
std::int64_t daysFromMarchEpoch(int year, int month, int day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

}  // namespace

std::int64_t daysSince1601(int year, int month, int day) {
    return daysFromMarchEpoch(year, month, day) - daysFromMarchEpoch(1601, 1, 1);
}

ClockTime clockTimeAt(int year, int month, int day, int hour, int minute, int second) {
    ClockTime time;
    time.year = static_cast<std::uint16_t>(year);
    time.month = static_cast<std::uint16_t>(month);
    time.day = static_cast<std::uint16_t>(day);
    // 1601-01-01 was a Monday.
    time.dayOfWeek = static_cast<std::uint16_t>((daysSince1601(year, month, day) + 1) % 7);
    time.hour = static_cast<std::uint16_t>(hour);
    time.minute = static_cast<std::uint16_t>(minute);
    time.second = static_cast<std::uint16_t>(second);
    return time;
}

LocalTicks toLocalTicks(const ClockTime& time) {
    const std::int64_t days = daysSince1601(time.year, time.month, time.day);
    const std::int64_t seconds = time.hour * 3600 + time.minute * 60 + time.second;
    return days * kTicksPerDay + seconds * kTicksPerSecond + time.milliseconds * kTicksPerMillisecond;
}

ClockTime fromLocalTicks(LocalTicks ticks) {
    std::int64_t days = ticks / kTicksPerDay;
    std::int64_t rest = ticks % kTicksPerDay;
    if (rest < 0) {
        rest += kTicksPerDay;
        --days;
    }
    // No year has more than 366 days, so this year is not past the answer.
    int year = 1601 + static_cast<int>(days / 366);
    while (daysSince1601(year + 1, 1, 1) <= days) ++year;
    int month = 1;
    while (month < 12 && daysSince1601(year, month + 1, 1) <= days) ++month;
    const auto day = static_cast<int>(days - daysSince1601(year, month, 1) + 1);
    ClockTime time = clockTimeAt(year, month, day, static_cast<int>(rest / (3600 * kTicksPerSecond)),
                                 static_cast<int>(rest / (60 * kTicksPerSecond) % 60),
                                 static_cast<int>(rest / kTicksPerSecond % 60));
    time.milliseconds = static_cast<std::uint16_t>(rest / kTicksPerMillisecond % 1000);
    return time;
}

std::string formatClockTime(const ClockTime& time) {
    return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}.{:03}", time.year, time.month, time.day, time.hour,
                       time.minute, time.second, time.milliseconds);
}

}  // namespace orvanta::shell
