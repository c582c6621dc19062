// SPDX-License-Identifier: GPL-3.0-or-later
// Orvanta astronomy and calendar engine.
//
// One process-wide state, the day context, holds the selected Gregorian date,
// the time of day, the place and the working values that the solar
// computations leave behind for each other. Callers set the inputs first
// (setPlace, setDate, setTimeOfDay) and then ask for results.
//
// Units and conventions used throughout:
//   * times of day are minutes after local midnight, 0..1439;
//   * local clock time = UT + clockOffset minutes (time zone plus 60 while
//     summer time is in force);
//   * latitude and longitude enter in hundredths of a degree, north and east
//     positive; angles come back in tenths of a degree, azimuths 0..3599
//     clockwise from north;
//   * the calendar is Gregorian with every year divisible by 4 a leap year,
//     which is right from 1901 to 2099 only.
//
// Precision: the working values are stored as 32-bit floats and the clock
// times are truncated toward zero. Those roundings are part of the result:
// storing them wider moves roughly one time in two thousand by a minute.
// Constants are doubles; intermediate expressions are evaluated in extended
// precision (long double), as the x87 unit evaluates them.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta::engine {

#ifndef ORVANTA_ENGINE_REAL
#define ORVANTA_ENGINE_REAL double
#endif
// The type of intermediate expressions.
using Real = ORVANTA_ENGINE_REAL;

// The working values of the sun, written by the solar series.
// Angles in radians, 32-bit as they are kept between computations.
struct SolarState {
    // Minutes of time from the sun's transit (negative before it) while
    // solving; radians after sunAtLocalTime.
    float hourAngle = 0.0f;
    // Declination of the last body computed (radians).
    float declination = 0.0f;
    // Minutes after 0h UT at which the sun crosses the Greenwich meridian,
    // plus half a minute: 720.5 minus the equation of time, in 0..1440.
    float transit = 0.0f;
    // Geographic longitude as minutes of time (4 per degree), east positive.
    float longitudeMinutes = 0.0f;
    // Geographic latitude (radians), north positive.
    float latitudeRadians = 0.0f;
    // The sun's apparent ecliptic longitude (radians, not reduced to a turn).
    float eclipticLongitude = 0.0f;
    // The sun's mean anomaly (radians, not reduced to a turn).
    float meanAnomaly = 0.0f;
};

// The moon's working values (32-bit as kept between computations).
struct MoonState {
    float moonLatitude = 0.0f;         // ecliptic latitude β, radians
    float sunDistance = 0.0f;          // the sun's distance, 10⁶ km
    float moonDistance = 0.0f;         // geocentric distance, 10³ km
    float moonSurfaceDistance = 0.0f;  // observer to the moon's near surface, 10³ km
    float moonAzimuth = 0.0f;          // tenths of a degree from north, clockwise
    float moonAltitude = 0.0f;         // topocentric altitude, degrees, no refraction
};

// The geomagnetic field at the place and date (World Magnetic Model).
struct GeomagneticState {
    // 1 when the date lies in 2010.0..2030.0 (within five years of its
    // model's epoch) and the horizontal field exceeds 5000 nT, else 0.
    std::int32_t geomagneticModelValid = 0;
    float horizontalIntensity = 0.0f;  // H, nT
    float magneticDeclination = 0.0f;  // D, degrees, east positive
};

// The engine's single state. Created zero-filled.
struct DayContext : SolarState, MoonState, GeomagneticState {
    // Local clock time (minutes after local midnight) at which the sun is
    // to be placed; also scratch of the prayer-time rules.
    std::int16_t targetTime = 0;
    // Minutes the local clock is ahead of UT.
    std::int16_t clockOffset = 0;
    // Day of month; values outside 1..31 count on from the month's start.
    std::int16_t day = 0;
    std::int16_t month = 0;  // 1..12
    std::int16_t year = 0;   // full Gregorian year, e.g. 2014
    // Minutes after local midnight of the selected moment, 0..1439.
    std::int16_t timeOfDay = 0;
    // Cache flags: 1 while the cached values belong to the current inputs.
    std::int16_t hijriValid = 0;
    std::int16_t moonValid = 0;
    std::int16_t geomagneticValid = 0;
    // Clamp level 0..3 of the altitude solver (see hourAngleLimits).
    std::int16_t limitLevel = 0;
    // İmsak's and Akşam's hour angles in whole minutes, kept for İstiva and
    // Yatsı of the same day.
    std::int16_t imsakHourAngle = 0;
    std::int16_t aksamHourAngle = 0;
    // Cached Hijri month 1..12 and year of the date.
    std::int16_t hijriMonthValue = 0;
    std::int16_t hijriYearValue = 0;
};

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

// ---- Diyanet's method ------------------------------------------------
// Beyond this latitude (north or south) the European rule applies.
inline constexpr double kDiyanetThresholdDegrees = 45.0;

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

// The European rule for the day dayNumber (days since 1 January 2000) at a
// place (degrees, north and east positive) whose clock is
// clockOffsetMinutes ahead of UT. Valid at any latitude; the Diyanet choice
// uses it beyond the threshold.
DiyanetDay highLatitudeDiyanetDay(std::int32_t dayNumber, double latitudeDegrees, double longitudeDegrees,
                                  std::int32_t clockOffsetMinutes);

// The sun's depth at midnight (degrees) below which that rule scales
// İmsak's twilight at a latitude (degrees, either hemisphere); Yatsı's
// scale starts a degree shallower.
double imsakScaleDepthDegrees(double latitudeDegrees);

// "takdir (45° ötesi, 12.4°)" and the like: the rule in the words the panel
// and the command line use.
std::string twilightRuleText(TwilightRule rule, float depressionDegrees);

// The sun from the engine's series in double precision at an instant
// (days since J2000.0, 1 January 2000 12:00 UT).
struct SolarPosition {
    double declinationRadians = 0.0;
    double equationOfTimeMinutes = 0.0;  // apparent minus mean solar time
};
SolarPosition solarPositionAt(double daysSinceJ2000);

// Diyanet's single world Hijri calendar (2016 Istanbul congress): the day
// number of the first day of the Hijri month that holds dayNumber. A month
// begins on a day when, on the evening before and before 24:00 UT, the moon
// stands somewhere on Earth at sunset at least 8° from the sun and 5° above
// the horizon; or when the conjunction came before dawn in New Zealand and
// the crescent stands so at sunset in the Americas. Month starts are kept
// once found.
std::int32_t worldCalendarMonthStart(std::int32_t dayNumber);

// Names of the religious days of a date (at most two fall on one day).
struct ReligiousDays {
    std::array<std::string_view, 2> names{};
    int count = 0;
    bool empty() const { return count == 0; }
    // The names joined by separator ("" when none).
    std::string joined(std::string_view separator) const;
};

// A pair of bounds on the cosine of the solver's hour angle.
struct HourAngleLimit {
    float upper;  // the event stays at least acos(upper) from the transit
    float lower;  // ... and at least π − acos(lower) from local solar midnight
};
// Levels 0..3: none; 2 h 30 min / 30 min; 1 h 30 min / 1 h 30 min;
// 45 min / 2 h 30 min (from the transit / from the opposite transit).
extern const std::array<HourAngleLimit, 4> hourAngleLimits;

class Engine {
public:
    DayContext context;
    CalculationParameters parameters;

    // ---- setters -------------------------------------------------------
    // Gregorian date; throws away the Hijri, moon and geomagnetic caches.
    void setDate(std::int16_t day, std::int16_t month, std::int16_t year);
    // Place in hundredths of a degree (north, east positive) and the clock
    // offset in minutes ahead of UT; throws away the same caches.
    void setPlace(std::int16_t latitudeHundredths, std::int16_t longitudeHundredths,
                  std::int16_t clockOffsetMinutes);
    // Local clock time of the selected moment; throws away the moon cache.
    void setTimeOfDay(std::int16_t hour, std::int16_t minute);
    // Temkins of İmsak .. Yatsı in minutes; the Sabah entry is never changed.
    void setTemkin(const std::array<std::int16_t, kComputedVakits>& temkinMinutes);
    // İmsak and Yatsı altitudes in hundredths of a degree and the mode 0..5.
    void setAnglesAndMode(std::int16_t imsakHundredths, std::int16_t yatsiHundredths,
                          std::int16_t mode);

    // ---- calendar queries ---------------------------------------------
    // Day of the year of the date, 1..366 (more for a day past month end).
    std::int16_t dayOfYear() const;
    // Days since 1 January 2000 (day 0).
    std::int32_t dayNumber() const;
    // 1 = Monday .. 7 = Sunday.
    std::int16_t weekday() const;
    // Day of year n of the context's year to month and day. A day past the
    // year's end gives month 13. Returns the cumulative count reached.
    std::int16_t monthAndDayOf(std::int16_t n, std::int16_t& day, std::int16_t& month) const;
    // Days since J2000.0 (1 January 2000, 12:00 UT) at the instant the
    // solver works on: 0h UT of the date + (hourAngle + transit −
    // longitudeMinutes) minutes.
    Real epochDays() const;
    // Local clock minutes (plus half a minute) of the sun's local transit as
    // last computed.
    Real localTransit() const;

    // ---- the sun -------------------------------------------------------
    // Recomputes meanAnomaly, eclipticLongitude, transit and declination at
    // the instant epochDays() (hourAngle read as minutes from the transit).
    void updateSun();
    // Places the sun at local clock time targetTime: leaves declination and
    // transit for that instant and hourAngle in radians (half a minute
    // short of the geometric one).
    void sunAtLocalTime();
    // Sun's azimuth (tenths of a degree, 0..3599 from north) and altitude
    // (tenths of a degree, truncated, no refraction) at timeOfDay.
    std::int16_t sunAzimuthNow();
    std::int16_t sunAltitudeNow();
    // Bearing of a body of declination declinationRadians at the current
    // hourAngle (radians), tenths of a degree clockwise from north.
    std::int16_t azimuthTenths(float declinationRadians) const;
    // Solves for the hour angle (minutes from transit, negative before it)
    // at which the sun reaches altitude h; argument h for a morning event,
    // π − h for an afternoon or evening event. Two passes, clamped by the
    // current limitLevel.
    void hourAngleForAltitude(float argumentRadians);
    // Afternoon hour angle at which a stick's shadow is shadowLengths
    // lengths (1 or 2) plus its noon shadow.
    void asrHourAngle(std::uint8_t shadowLengths);
    Real sinDeclSinLat() const;
    Real cosDeclCosLat() const;

    // ---- prayer times --------------------------------------------------
    // Clock time of a time 1..10 for the context's date and place, minutes
    // after local midnight 0..1439. Times of one day must be asked in
    // ascending order: İstiva and Yatsı use İmsak's and Akşam's hour angles
    // and each solve starts from the transit left by the previous one.
    std::uint16_t computeVakit(VakitType type);
    // The ten times İmsak .. Yatsı of the context's day, in order.
    std::array<std::uint16_t, kComputedVakits> computeDay();

    // ---- the moon (UT from the local clock time and clockOffset) -------
    // Places the moon at local clock time localMinutes: fills MoonState,
    // leaves the moon's hour angle (radians) in hourAngle, its declination
    // in declination and its phase fraction 0..1 in transit, and the sun
    // of the same instant in eclipticLongitude and meanAnomaly. Returns the
    // elongation from the sun in ecliptic longitude, tenths of a degree
    // 0..3599 (0 new moon, 1800 full moon). Leaves moonValid as it is.
    std::int32_t computeMoon(std::int16_t localMinutes);
    // computeMoon(timeOfDay), marking the moon cache valid.
    std::int32_t moonNow();
    // Cached moon values at timeOfDay, computed when moonValid is 0:
    // surface distance in hundreds of km, altitude and azimuth in tenths
    // of a degree, ecliptic latitude in tenths of a degree.
    std::int32_t moonSurfaceDistanceTenths();
    std::int32_t moonAltitudeTenths();
    std::int32_t moonAzimuthTenths();
    std::int32_t moonLatitudeTenths();
    // The sun at timeOfDay, always recomputed: distance in 10⁵ km (tenths
    // of 10⁶ km), apparent ecliptic longitude and declination in tenths of
    // a degree, and the tenths of a minute by which its Greenwich transit
    // falls after 12:00 UT (the equation of time with the opposite sign).
    std::int32_t sunDistanceTenths();
    std::int32_t sunLongitudeTenths();
    std::int32_t sunDeclinationTenths();
    std::int32_t noonDeviationTenths();

    // ---- the Hijri calendar ---------------------------------------------
    // Hijri day of month 1..30 of the date, found from the moon; also sets
    // the cached month and year. Overwrites the sun and moon working values.
    std::int32_t computeHijri();
    std::int16_t hijriMonth();  // 1..12, computed when not cached
    std::int16_t hijriYear();
    // The religious day of the date, or "" (the first of two).
    std::string_view religiousDay();
    // Every religious day of the date.
    ReligiousDays religiousDays();

    // ---- Diyanet's method -------------------------------------------------
    // The Diyanet choice is on and the place lies beyond the threshold.
    bool usesHighLatitudeRule() const;
    // The day's times and the rules of İmsak and Yatsı by the Diyanet
    // choice (below the threshold: computeDay with the mode's angles).
    DiyanetDay diyanetDay();

    // ---- geomagnetic field and qibla -------------------------------------
    // World Magnetic Model synthesis (the model of the date: WMM2010 ..
    // WMM2025) at the place and date, altitude in km above the ellipsoid;
    // fills GeomagneticState and marks it valid.
    void computeGeomagnetic(float altitudeKm);
    // Cached (computed when geomagneticValid is 0): declination in tenths
    // of a degree, east positive; horizontal intensity in hundreds of nT.
    std::int32_t magneticDeclinationTenths(std::int16_t altitudeMetres);
    std::int32_t horizontalIntensityHundreds(std::int16_t altitudeMetres);
    // Initial great-circle bearing to the Kaaba, tenths of a degree 0..3599
    // clockwise from true north. Uses hourAngle as scratch.
    std::int16_t qiblaTenths();

private:
    struct SineCosine {
        bool valid = false;
        float radians = 0.0f;
        Real sine = 0.0;
        Real cosine = 1.0;
    };
    // Sine and cosine of the stored latitude and declination, each kept for
    // the value it was taken of.
    const SineCosine& latitudeSineCosine() const;
    const SineCosine& declinationSineCosine() const;
    mutable SineCosine latitudeTrig_;
    mutable SineCosine declinationTrig_;
    // The sine of each time's altitude argument, kept for the argument it
    // was taken of (most are fixed; İmsak's and Yatsı's follow the angles).
    std::array<SineCosine, kVakitCount> altitudeSines_{};
    // Solves for the altitude argument of a time whose sine is kept per time.
    void hourAngleForVakitAltitude(VakitType type, float argumentRadians);
    // The hour angle solver from the argument and its sine.
    void hourAngleForAltitude(float argumentRadians, Real sinArgument);

    // The last kSlots results of a function of one single-precision angle,
    // matched on its exact bits (so −0 and +0 stay apart), the oldest
    // replaced first. The solver alternates between the transit and an
    // event time, and its passes at the transit fall within seconds of each
    // other, where the stored angles often repeat exactly: about two series
    // evaluations in five become lookups, with results identical to
    // computing them again.
    template <typename Value, int kSlots>
    class RecentValues {
    public:
        template <typename Compute>
        const Value& get(float key, Compute compute) {
            const auto bits = std::bit_cast<std::uint32_t>(key);
            for (int i = 0; i < used_; ++i) {
                if (keys_[i] == bits) return values_[i];
            }
            const int slot = next_;
            next_ = (next_ + 1) % kSlots;
            if (used_ < kSlots) ++used_;
            keys_[slot] = bits;
            values_[slot] = compute(key);
            return values_[slot];
        }

    private:
        std::array<Value, kSlots> values_{};
        std::array<std::uint32_t, kSlots> keys_{};
        int used_ = 0;
        int next_ = 0;
    };
    // sin g and sin 2g of the mean anomaly g.
    struct AnomalyTerms {
        Real sinG = 0.0;
        Real sin2G = 0.0;
    };
    // What the ecliptic longitude λ alone decides: sin λ, the right
    // ascension, and the declination with its sine and cosine.
    struct LongitudeTerms {
        Real rightAscension = 0.0;
        Real declination = 0.0;
        Real sinDeclination = 0.0;
        Real cosDeclination = 1.0;
    };
    // Four of each: the transit's values of a day take two or three.
    RecentValues<AnomalyTerms, 4> anomalyTerms_;
    RecentValues<LongitudeTerms, 4> longitudeTerms_;

    struct DayNumberMemo {
        bool valid = false;
        std::int16_t year = 0;
        std::int16_t month = 0;
        std::int16_t day = 0;
        std::int32_t number = 0;
    };
    mutable DayNumberMemo dayNumber_;

    // The European rule's day, kept for the date and place it was made for.
    struct HighLatitudeMemo {
        bool valid = false;
        std::int32_t dayNumber = 0;
        float latitudeRadians = 0.0f;
        float longitudeMinutes = 0.0f;
        std::int16_t clockOffset = 0;
        DiyanetDay day;
    };
    HighLatitudeMemo highLatitude_;
    const DiyanetDay& highLatitudeDay();
    // The Hijri day by the world calendar; sets the cached month and year.
    std::int32_t worldCalendarHijri();
    // The date's names without the check of the month's last day.
    ReligiousDays religiousDaysOf(std::int32_t hijriDay, std::int16_t hijriMonth, std::int16_t weekday);
    bool isLastDayOfHijriMonth();
};

// The one engine of the process.
Engine& sharedEngine();

// ---- calendar helpers that need no context ---------------------------
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

}  // namespace orvanta::engine
