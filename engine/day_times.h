// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's values: a day's ten times, the sky at one moment and the
// Hijri date, each a pure function of its arguments, and the calendar
// helpers around them.
//
// Units: times of day are minutes after local midnight, 0..1439; local
// clock time = UT + clockOffsetMinutes (time zone plus 60 while summer time
// is in force); latitude and longitude in hundredths of a degree, north and
// east positive; angles in tenths of a degree, azimuths 0..3599 clockwise
// from north. The calendar is Gregorian with every year divisible by 4 a
// leap year, right from 1901 to 2099 only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta::engine {

// The eleven named times; the index of every per-time table.
enum class VakitType : std::uint8_t {
    Sabah = 0,  // the morning-ezan moment, set by the scheduler, never computed
    Imsak = 1,
    Gunes = 2,
    Israk = 3,
    Istiva = 4,
    Ogle = 5,
    Ikindi = 6,
    AsriSani = 7,
    Isfirar = 8,
    Aksam = 9,
    Yatsi = 10,
};

inline constexpr int kVakitCount = 11;     // Sabah .. Yatsı
inline constexpr int kComputedVakits = 10; // İmsak .. Yatsı

// Upper-case names of the eleven times, as used in messages, report
// headings and settings keys (UTF-8).
extern const std::array<std::string_view, kVakitCount> vakitNames;
// The same names as a sentence writes them ("Asr-ı Sani"), for tables and
// calendar entries.
extern const std::array<std::string_view, kVakitCount> vakitTitles;
// ASCII keys of the names ("asrisani"): command-line lists, file columns and
// style classes of status bars, where Turkish letters would get in the way.
extern const std::array<std::string_view, kVakitCount> vakitKeys;

// Default temkin (minutes) of İmsak .. Yatsı, the settings' defaults.
extern const std::array<std::int32_t, kComputedVakits> defaultTemkin;

// A day's times, minutes after local midnight, indexed by VakitType.
using VakitTimes = std::array<std::uint16_t, kVakitCount>;

// Calculation mode: which temkins, limits and Yatsı bound apply.
//   0 pure astronomy, no temkin, no limits;
//   1 temkin added;
//   2 + the shortest night and day held at 3 hours (limit levels 1..3);
//   3 + Yatsı no later than Akşam + 1/2 of the night;
//   4 + Yatsı no later than Akşam + 1/3 of the night;
//   5 Yatsı tied to Akşam: Akşam's hour angle plus the Akşam and Yatsı temkins.
struct CalculationParameters {
    std::int16_t mode = 4;
    float imsakAngle = -18.0f;  // sun's altitude defining İmsak, degrees
    float yatsiAngle = -17.0f;  // sun's altitude defining Yatsı, degrees
    // Minute offsets per VakitType; entry 0 (Sabah) is never used.
    std::array<std::int16_t, kVakitCount> temkin{0, -2, -6, 10, 0, 5, 4, 4, 0, 8, 2};
    // Diyanet's method (diyanet.cpp): nearer the equator than
    // kDiyanetThresholdDegrees the mode and values above, beyond it the
    // European rule; and the single world Hijri calendar of the 2016
    // Istanbul congress in place of the local visibility rule.
    bool diyanetMethod = false;
};

// Which rule gave a day's İmsak or Yatsı.
enum class TwilightRule : std::uint8_t {
    PresetAngle,       // nearer the equator than the threshold: the calculation mode's angle
    FullDepression,    // beyond it, the sun deep enough: İmsak 18°, Yatsı 16°
    ScaledDepression,  // takdir: the depression scaled to the sun's depth at midnight
    NightShare,        // the sun never 18° deep: the night's share of the nearest such day
};

// A day by the Diyanet choice: the ten times İmsak .. Yatsı (minutes after
// local midnight) and the rules and depressions (degrees below the
// horizon) of İmsak and Yatsı.
struct DiyanetDay {
    std::array<std::uint16_t, kComputedVakits> times{};
    TwilightRule imsakRule = TwilightRule::PresetAngle;
    TwilightRule yatsiRule = TwilightRule::PresetAngle;
    float imsakDepressionDegrees = 0.0f;
    float yatsiDepressionDegrees = 0.0f;
};

// Names of the religious days of a date (at most two fall on one day).
struct ReligiousDays {
    std::array<std::string_view, 2> names{};
    int count = 0;
    bool empty() const { return count == 0; }
    // The names joined by separator ("" when none).
    std::string joined(std::string_view separator) const;
};

// ---- the value functions ---------------------------------------------

// A place and its clock: hundredths of a degree, minutes ahead of UT.
struct Place {
    std::int16_t latitudeHundredths = 0;
    std::int16_t longitudeHundredths = 0;
    std::int16_t clockOffsetMinutes = 0;
};

// A Gregorian date; a day outside 1..31 counts on from the month's start.
struct Date {
    std::int16_t year = 0;
    std::int16_t month = 0;
    std::int16_t day = 0;
};

// A day's ten times with the values they were found from.
struct DayTimes : DiyanetDay {
    // İmsak's and Akşam's hour angles, whole minutes from the transit
    // (negative before it), as the mode's İstiva and Yatsı rules use them;
    // 0 where Diyanet's European rule gave the day.
    std::int16_t imsakHourAngleMinutes = 0;
    std::int16_t aksamHourAngleMinutes = 0;
    // Diyanet's European rule gave İmsak and Yatsı (beyond the threshold).
    bool highLatitudeRule() const { return imsakRule != TwilightRule::PresetAngle; }
    // The times indexed by VakitType (Sabah left 0).
    VakitTimes byType() const;
};

// The ten times İmsak .. Yatsı of a date at a place.
DayTimes computeDay(const Place& place, const Date& date, const CalculationParameters& parameters);

// Sun, moon, qibla and field at one moment, in the engine's integer units
// (tenths of a degree unless noted).
struct SkyValues {
    std::int32_t qibla = 0;
    std::int32_t sunAzimuth = 0;
    std::int32_t sunAltitude = 0;
    std::int32_t magneticDeclination = 0;
    bool modelValid = false;               // the field model holds at the date and place
    std::int32_t horizontalIntensity = 0;  // hundreds of nT
    std::int32_t moonAzimuth = 0;
    std::int32_t moonAltitude = 0;
    std::int32_t moonElongation = 0;
    std::int32_t moonLatitude = 0;
    std::int32_t moonDistance = 0;         // tenths of a megametre, surface to surface
    std::int32_t sunDistance = 0;          // tenths of a gigametre
    std::int32_t sunLongitude = 0;
    std::int32_t sunDeclination = 0;
    std::int32_t noonDeviation = 0;        // tenths of a minute of time
    std::string_view skyMessage;           // an eclipse or the moon's visibility, or ""
};

// The sky at minuteOfDay (local clock) of a date at a place.
SkyValues skyAt(const Place& place, const Date& date, std::int16_t minuteOfDay);

// A Hijri date and the religious days that fall on it.
struct HijriDate {
    std::int32_t day = 0;    // 1..30
    std::int16_t month = 0;  // 1..12
    std::int16_t year = 0;
    ReligiousDays religiousDays;
};

// The Hijri date of a Gregorian date: by the moon's visibility at the
// place, or by the single world calendar (Diyanet's method).
HijriDate hijriDate(const Place& place, const Date& date, bool worldCalendar);

// ---- calendar helpers ---------------------------------------------------
// Brings any minute count into 0..1439 (days before or after dropped).
std::int16_t wrapMinutes(std::int32_t minutes);
bool isLeapYear(std::int32_t year);  // divisible by 4 (valid 1901..2099)
// Turkish names: index 1..7 (Monday first) and 1..12; index 0 gives "".
// Hijri months 1..12 (Muharrem .. Zilhicce).
std::string_view hijriMonthName(int index);
// One of the four sky texts (eclipse, visibility) or "", from the moon's
// elongation and ecliptic latitude and the sun's and moon's altitudes, all
// in tenths of a degree.
std::string_view moonSkyMessage(std::int32_t elongationTenths, std::int32_t moonLatitudeTenths,
                                std::int32_t sunAltitudeTenths, std::int32_t moonAltitudeTenths);
std::string_view weekdayName(int index);
std::string_view weekdayShortName(int index);
std::string_view monthName(int index);

// Cumulative day counts at the end of each month of a common year, with a
// sentinel: index 0 is the start of January, index m the end of month m.
extern const std::array<std::int16_t, 14> monthTable;

// Day of the year of a date, 1..366 (more for a day past month end).
std::int16_t dayOfYear(const Date& date);
// Days since 1 January 2000 (day 0).
std::int32_t dayNumberOf(const Date& date);
// 1 = Monday .. 7 = Sunday.
std::int16_t weekdayOf(const Date& date);
// Day of year n of a year to its month and day (a day past the year's end
// gives month 13).
Date dateOfDayOfYear(std::int16_t year, std::int16_t n);

}  // namespace orvanta::engine
