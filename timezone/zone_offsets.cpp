// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezone/zone_offsets.h"

#include <algorithm>
#include <chrono>
#include <date/tz.h>
#include <stdexcept>
#include <string>

namespace orvanta::timezone {

namespace {

constexpr auto kLocalNoon = std::chrono::hours{12};
// Summer time's usual shift, for a zone whose standard time cannot be found.
constexpr std::int32_t kSummerShiftMinutes = 60;

// The zone of the name, or null; the database throws for an unknown name.
const date::time_zone* zoneNamed(std::string_view ianaName) {
    if (ianaName.empty()) return nullptr;
    try {
        return date::locate_zone(std::string(ianaName));
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::int32_t offsetMinutes(const date::sys_info& info) {
    return static_cast<std::int32_t>(std::chrono::duration_cast<std::chrono::minutes>(info.offset).count());
}

// Read from the system's zone files, a period tells only whether it is
// flagged as "daylight saving", not by how much (its "save" is a flag). A
// few zones flag their winter instead of their summer (Ireland keeps Irish
// Standard Time in summer and flags winter GMT with a negative save), so
// summer time is taken by the offsets themselves: of a flagged period and
// its nearest unflagged neighbour, the one with the larger offset is the
// summer, and its lead on the other is the summer's shift.
ZoneOffset offsetOf(const date::time_zone& zone, const date::sys_info& info) {
    constexpr int kPeriodsLookedBack = 4;
    const std::int32_t inForce = offsetMinutes(info);
    const auto flagged = [](const date::sys_info& period) { return period.save != std::chrono::minutes{0}; };
    if (!flagged(info)) {
        const date::sys_info before = zone.get_info(info.begin - std::chrono::seconds{1});
        const bool winterFlaggedBefore = flagged(before) && offsetMinutes(before) < inForce;
        return ZoneOffset{inForce, winterFlaggedBefore ? inForce - offsetMinutes(before) : 0};
    }
    date::sys_info earlier = info;
    for (int step = 0; step < kPeriodsLookedBack && flagged(earlier); ++step) {
        earlier = zone.get_info(earlier.begin - std::chrono::seconds{1});
    }
    if (flagged(earlier)) return ZoneOffset{inForce, kSummerShiftMinutes};
    // A flagged winter behind a larger unflagged offset is standard time.
    return ZoneOffset{inForce, std::max(0, inForce - offsetMinutes(earlier))};
}

}  // namespace

bool isKnownZone(std::string_view ianaName) { return zoneNamed(ianaName) != nullptr; }

std::optional<ZoneOffset> offsetAtUnixSeconds(std::string_view ianaName, std::int64_t unixSeconds) {
    const date::time_zone* zone = zoneNamed(ianaName);
    if (zone == nullptr) return std::nullopt;
    return offsetOf(*zone, zone->get_info(date::sys_seconds{std::chrono::seconds{unixSeconds}}));
}

std::optional<ZoneOffset> offsetOnLocalDate(std::string_view ianaName, LocalDate date) {
    const date::time_zone* zone = zoneNamed(ianaName);
    if (zone == nullptr) return std::nullopt;
    const date::year_month_day day{date::year{date.year}, date::month{static_cast<unsigned>(date.month)},
                                   date::day{static_cast<unsigned>(date.day)}};
    const date::local_seconds noon{date::local_days{day} + kLocalNoon};
    // Noon is never skipped nor repeated by a switch; the first reading
    // stands for both should a zone ever do so.
    return offsetOf(*zone, zone->get_info(noon).first);
}

std::string zoneCityName(std::string_view ianaName) {
    const std::size_t slash = ianaName.rfind('/');
    std::string city(slash == std::string_view::npos ? ianaName : ianaName.substr(slash + 1));
    for (char& letter : city) {
        if (letter == '_') letter = ' ';
    }
    return city;
}

}  // namespace orvanta::timezone
