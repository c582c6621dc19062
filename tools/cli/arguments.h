// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing and checking of orvanta-cli's "--name value" options.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/settings.h"

namespace orvanta::cli {

// A bad argument: the message names the argument and what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// "--name value" pairs of one subcommand. Every option takes a value; an
// option not in the subcommand's list, a repeated option or a missing value
// is a UsageError.
class Options {
public:
    Options(std::span<const std::string> args, std::vector<std::string_view> known);

    bool has(std::string_view name) const;
    // The option's raw text; UsageError when it is absent.
    const std::string& text(std::string_view name) const;

    // Decimal number within [min, max]; UsageError when absent, not a number
    // or out of range.
    double number(std::string_view name, double min, double max) const;
    // Whole number within [min, max].
    std::int32_t integer(std::string_view name, std::int32_t min, std::int32_t max) const;
    // Degrees within ±limit turned into hundredths, rounded to nearest.
    std::int16_t hundredths(std::string_view name, double limitDegrees) const;
    // YYYY-MM-DD of a date that exists, within 1901..2099.
    CivilDate date(std::string_view name) const;
    // HH:MM within one day: the hour and the minute.
    std::pair<std::int16_t, std::int16_t> timeOfDay(std::string_view name) const;
    // Comma-separated list of exactly `count` whole numbers in [min, max].
    std::vector<std::int32_t> integerList(std::string_view name, std::size_t count, std::int32_t min,
                                          std::int32_t max) const;

private:
    std::map<std::string, std::string, std::less<>> values_;
};

// Noon of a civil day in the system's zone.
std::time_t localNoon(const CivilDate& date);

// A value as an error message shows it: quoted, a line break as \n, other
// control characters and bytes that are not UTF-8 as \xNN (C1 controls as
// \u00NN), cut with "..." before the character that would pass 60 bytes of
// the value, so a cut never splits a character.
std::string echoed(std::string_view value);

// The settings of the file named by --ini (every group, held to their
// ranges), or nothing without --ini. A file that cannot be read is a
// UsageError.
std::optional<settings::Settings> iniSettings(const Options& options);
// The file of --ini as it is, or nothing without --ini; same errors.
std::optional<settings::IniDocument> iniDocument(const Options& options);

// The settings with --preset applied when given ("diyanet": the values of
// applyDiyanetPreset); options given beside it still win.
settings::Settings withPreset(const Options& options, settings::Settings settings);

// An engine of the command's own with the calculation of the settings
// (temkins, angles, mode); each command computes on its own engine.
engine::Engine engineFor(const settings::Settings& settings);

// The place and clock offset of --lat, --lon and --offset (or --zone
// AREA/CITY, whose rules give each day's offset); each one absent is taken
// from the settings file of --ini (each day's offset as the scheduler forms
// it, settings::clockOffsetFor), and is a UsageError without one.
struct PlaceOptions {
    std::int16_t latitudeHundredths = 0;
    std::int16_t longitudeHundredths = 0;
    std::int16_t offsetMinutes = 0;  // of the first day
    std::function<std::int16_t(const CivilDate&)> offsetOn;  // of any day
};
PlaceOptions placeOptions(const Options& options, const std::optional<settings::Settings>& ini,
                          const CivilDate& firstDay);

// --date (or the option named) and the optional --days (1..36600, default
// 1), checked to stay within 2099.
struct DayRange {
    CivilDate first;
    std::int32_t days = 1;
};
DayRange dayRangeOptions(const Options& options, std::string_view firstDayOption = "date");

// Days in a month with every year divisible by 4 a leap year (1901..2099).
int daysInMonth(int year, int month);
CivilDate nextDay(CivilDate date);
std::string formatDate(const CivilDate& date);

}  // namespace orvanta::cli
