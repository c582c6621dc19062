// SPDX-License-Identifier: GPL-3.0-or-later
// The prayer times of a span of days as files for other programs: an
// iCalendar file (RFC 5545, written and checked by libical) for calendar
// applications and a CSV table for spreadsheets.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "settings/settings.h"
#include "timezone/zone_offsets.h"

namespace orvanta::exports {

// A day of the Gregorian calendar, as the zone rules take it.
using CalendarDay = timezone::LocalDate;

// One day of the export: the ten times İmsak .. Yatsı (minutes after local
// midnight) at the clock offset of that day, the Hijri date and the
// religious day ("" when none).
struct ExportDay {
    CalendarDay date;
    std::int32_t clockOffsetMinutes = 0;
    std::array<std::uint16_t, engine::kComputedVakits> times{};
    std::string hijriDate;
    std::string religiousDay;
};

// The clock's lead on UT at noon of a day (summer time included).
using OffsetOfDay = std::function<std::int32_t(const CalendarDay&)>;

// The days from `first` on, each computed with its own clock offset, so a
// summer-time change inside the span moves the times as the clock moves.
std::vector<ExportDay> exportDays(const engine::CalculationParameters& parameters, const settings::Settings& settings,
                                  CalendarDay first, int days, const OffsetOfDay& offsetOfDay);

// Each day's offset: the named zone's, else the settings' own with the
// system zone of that day (asked of systemZoneOfDay when the settings
// follow the system).
OffsetOfDay offsetOfDay(const std::optional<std::string>& zoneName, const settings::Settings& settings,
                        std::function<platform::SystemZone(const CalendarDay&)> systemZoneOfDay);

// An IANA zone name ("Europe/Istanbul") that is not in the zone database.
class UnknownZone : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The IANA zone the place keeps its clock in (settings::knownPlaceZone),
// when libical knows it too; without it the times follow the settings'
// offset and calendar files are written in UTC.
std::optional<std::string> placeZoneName(const settings::Settings& settings);

// The lead on UT of an IANA zone at local noon of a day, from the system's
// zone database; UnknownZone for a name it does not hold.
std::int32_t zoneOffsetMinutesAtNoon(const std::string& zoneName, const CalendarDay& day);

struct IcsChoice {
    std::vector<engine::VakitType> times;    // the times that become events
    std::optional<std::int32_t> alarmMinutes;  // a reminder this long before each
    // Events in this IANA zone (its VTIMEZONE included); in UTC without one.
    std::optional<std::string> zoneName;
    std::string placeName;
    // The place in hundredths of a degree: part of every event's UID, so
    // that the calendars of two places live side by side in one
    // application instead of replacing each other's events.
    std::int32_t latitudeHundredths = 0;
    std::int32_t longitudeHundredths = 0;
};

// The iCalendar text of the days: one event per chosen time and day, and
// each religious day as an all-day event.
std::string icsCalendar(const std::vector<ExportDay>& days, const IcsChoice& choice);

// The CSV text of the days: a header row, then one row per day (date,
// Hijri date, the ten times, religious day); UTF-8, CRLF line ends.
std::string csvTable(const std::vector<ExportDay>& days);

}  // namespace orvanta::exports
