// SPDX-License-Identifier: GPL-3.0-or-later
// The scheduler's clock record and local instants in 100-ns units.
#pragma once

#include <cstdint>
#include <string>

namespace orvanta::shell {

// A local date and time as the clock gives it: year, month 1..12, day of week 0 = Sunday .. 6, day,
// hour, minute, second, milliseconds.
struct ClockTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

// A local instant as a count of 100-ns ticks since 1601-01-01 00:00 local
// time, proleptic Gregorian (the wake-up arithmetic counts in these ticks).
using LocalTicks = std::int64_t;

inline constexpr LocalTicks kTicksPerSecond = 10'000'000;
inline constexpr LocalTicks kTicksPerMillisecond = 10'000;

// Days from 1601-01-01 to the given Gregorian date.
std::int64_t daysSince1601(int year, int month, int day);
// The record of a local date and time, with its day of the week; no
// milliseconds. Fields are taken as given (month 1..12, day 1..31).
ClockTime clockTimeAt(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
LocalTicks toLocalTicks(const ClockTime& time);
// The date and time of an instant; dayOfWeek is filled in.
ClockTime fromLocalTicks(LocalTicks ticks);
// "YYYY-MM-DD HH:MM:SS.mmm", for logs and tests.
std::string formatClockTime(const ClockTime& time);

}  // namespace orvanta::shell
