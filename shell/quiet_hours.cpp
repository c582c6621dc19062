// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/quiet_hours.h"

#include <array>
#include <cstdio>
#include <fmt/format.h>

namespace orvanta::shell {

namespace {

constexpr LocalTicks kTicksPerMinute = 60 * kTicksPerSecond;
constexpr int kMinutesPerHour = 60;
constexpr LocalTicks kTicksPerHour = kMinutesPerHour * kTicksPerMinute;
constexpr int kHoursPerDay = 24;

ClockTime onTheMinute(ClockTime time) {
    time.second = 0;
    time.milliseconds = 0;
    return time;
}

// The dative ending of a number as it is read aloud, after its last word:
// "bir"e, "iki"ye, "altı"ya, "on"a, "otuz"a ... "sıfır"a.
std::string_view dativeOfNumber(int number) {
    static constexpr std::array<std::string_view, 10> kUnits{"'a", "'e", "'ye", "'e", "'e", "'e", "'ya", "'ye", "'e", "'a"};
    static constexpr std::array<std::string_view, 6> kTens{"'a", "'a", "'ye", "'a", "'a", "'ye"};
    if (number % 10 != 0) return kUnits[static_cast<std::size_t>(number % 10)];
    return kTens[static_cast<std::size_t>(number / 10)];
}

}  // namespace

ClockTime quietEndAfterMinutes(const ClockTime& now, int minutes) {
    return fromLocalTicks(toLocalTicks(onTheMinute(now)) + LocalTicks{minutes} * kTicksPerMinute);
}

ClockTime quietEnd(const ClockTime& now, QuietSpan span) {
    switch (span) {
        case QuietSpan::OneHour: return quietEndAfterMinutes(now, kMinutesPerHour);
        case QuietSpan::TwoHours: return quietEndAfterMinutes(now, 2 * kMinutesPerHour);
        case QuietSpan::FourHours: return quietEndAfterMinutes(now, 4 * kMinutesPerHour);
        case QuietSpan::UntilMorning: break;
    }
    ClockTime morning = clockTimeAt(now.year, now.month, now.day, kQuietMorningHour);
    if (toLocalTicks(morning) <= toLocalTicks(now)) morning = fromLocalTicks(toLocalTicks(morning) + kHoursPerDay * kTicksPerHour);
    return morning;
}

bool quietHolds(const ClockTime& end, const ClockTime& now) { return toLocalTicks(now) < toLocalTicks(end); }

std::string quietTipLine(const ClockTime& end) {
    const int spoken = end.minute != 0 ? end.minute : end.hour;
    return fmt::format("Sessiz: {:02}:{:02}{} kadar", end.hour, end.minute, dativeOfNumber(spoken));
}

std::string formatQuietEnd(const ClockTime& end) {
    return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}", end.year, end.month, end.day, end.hour, end.minute);
}

std::optional<ClockTime> parseQuietEnd(std::string_view text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    char tail = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%4d-%2d-%2d %2d:%2d%c", &year, &month, &day, &hour, &minute, &tail) != 5) {
        return std::nullopt;
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || year < 1601) return std::nullopt;
    return clockTimeAt(year, month, day, hour, minute);
}

}  // namespace orvanta::shell
