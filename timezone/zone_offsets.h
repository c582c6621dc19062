// SPDX-License-Identifier: GPL-3.0-or-later
// The UTC offset of an IANA time zone ("Europe/Berlin") on a day or at an
// instant, summer time included, from the zone database's own rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta::timezone {

struct LocalDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct ZoneOffset {
    std::int32_t utcOffsetMinutes = 0;  // the clock's lead on UTC, summer time included
    std::int32_t summerMinutes = 0;     // the part of it that is summer time (0 in standard time)
    std::int32_t standardMinutes() const { return utcOffsetMinutes - summerMinutes; }
};

// Whether the zone database knows the name.
bool isKnownZone(std::string_view ianaName);

// The offset in force at an instant (seconds since 1970 UTC); nothing for a
// name the database does not know.
std::optional<ZoneOffset> offsetAtUnixSeconds(std::string_view ianaName, std::int64_t unixSeconds);

// The offset of a local day: the one in force at its local noon. A day's
// times are reckoned with one offset, and zones switch at night, so noon
// gives the offset of the day's daylight hours (a switching Sunday already
// has its new offset).
std::optional<ZoneOffset> offsetOnLocalDate(std::string_view ianaName, LocalDate date);

// The city of a zone name as a person writes it: the part after the last
// "/", underscores as blanks ("America/New_York" gives "New York").
std::string zoneCityName(std::string_view ianaName);

}  // namespace orvanta::timezone
