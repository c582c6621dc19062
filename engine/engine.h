// SPDX-License-Identifier: GPL-3.0-or-later
// Orvanta astronomy and calendar engine.
//
// The value functions of engine/day_times.h are the way in: each builds an
// Engine of its own, sets the inputs and asks in the one order that gives
// its result. The Engine is the working machine behind them. Its state,
// the day context, holds the selected Gregorian date, the time of day, the
// place and the working values that the solar computations leave behind
// for each other; a caller that holds an Engine as "the current moment"
// (the scheduler and the windows that follow it) sets the inputs first
// (setPlace, setDate, setTimeOfDay) and then asks for results.
//
// Precision: the working values are stored as 32-bit floats and the clock
// times are truncated toward zero. Those roundings are part of the result:
// storing them wider moves roughly one time in two thousand by a minute.
// Constants are doubles; intermediate expressions are evaluated in extended
// precision (long double), as the x87 unit evaluates them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/day_times.h"
#include "engine/engine_state.h"

namespace orvanta::engine {

// ---- Diyanet's method ------------------------------------------------
// Beyond this latitude (north or south) the European rule applies.
inline constexpr double kDiyanetThresholdDegrees = 45.0;

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

// The place and the date an engine is set to.
Place placeOf(const DayContext& context);
Date dateOf(const DayContext& context);

class Engine {
public:
    CalculationParameters parameters;
    // The working state, read-only (the date, place and moment set).
    const DayContext& state() const { return context; }

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

    // ---- calendar ------------------------------------------------------
    // Days since 1 January 2000 (day 0).
    std::int32_t dayNumber() const;
    // 1 = Monday .. 7 = Sunday.
    std::int16_t weekday() const;

    // ---- prayer times --------------------------------------------------
    // The ten times İmsak .. Yatsı of the context's day, in order.
    std::array<std::uint16_t, kComputedVakits> computeDay();
    // The day's times and the rules of İmsak and Yatsı by the Diyanet
    // choice (below the threshold: computeDay with the mode's angles).
    DiyanetDay diyanetDay();

    // ---- the sky at timeOfDay ------------------------------------------
    // Sun's azimuth (tenths of a degree, 0..3599 from north) and altitude
    // (tenths of a degree, truncated, no refraction). The azimuth leaves
    // the sun placed: transit, declination and hourAngle (radians).
    std::int16_t sunAzimuthNow();
    std::int16_t sunAltitudeNow();
    // The moon's elongation from the sun, tenths 0..3599 (0 new, 1800
    // full), always recomputed; marks the moon cache valid.
    std::int32_t moonNow();
    // Cached moon values, computed when moonValid is 0: altitude and
    // azimuth in tenths of a degree.
    std::int32_t moonAltitudeTenths();
    std::int32_t moonAzimuthTenths();
    // Cached (computed when geomagneticValid is 0): declination in tenths
    // of a degree, east positive, altitude in metres above the ellipsoid.
    std::int32_t magneticDeclinationTenths(std::int16_t altitudeMetres);
    // Initial great-circle bearing to the Kaaba, tenths of a degree 0..3599
    // clockwise from true north. Uses hourAngle as scratch.
    std::int16_t qiblaTenths();
    // Every value of the sky in the panel's order.
    SkyValues sky();

    // ---- the Hijri calendar ---------------------------------------------
    // Hijri day of month 1..30 of the date, found from the moon; also sets
    // the cached month and year. Overwrites the sun and moon working values.
    std::int32_t computeHijri();
    std::int16_t hijriMonth();  // 1..12, computed when not cached
    std::int16_t hijriYear();
    // Every religious day of the date.
    ReligiousDays religiousDays();

protected:
    // The working state; the solver's steps below read and write it. Open
    // to the engine's own tests through a derived class.
    DayContext context;

    // Days since J2000.0 (1 January 2000, 12:00 UT) at the instant the
    // solver works on: 0h UT of the date + (hourAngle + transit −
    // longitudeMinutes) minutes.
    Real epochDays() const;
    // Local clock minutes (plus half a minute) of the sun's local transit as
    // last computed.
    Real localTransit() const;

    // Recomputes meanAnomaly, eclipticLongitude, transit and declination at
    // the instant epochDays() (hourAngle read as minutes from the transit).
    void updateSun();
    // Places the sun at local clock time targetTime: leaves declination and
    // transit for that instant and hourAngle in radians (half a minute
    // short of the geometric one).
    void sunAtLocalTime();
    // Bearing of a body of declination declinationRadians at the current
    // hourAngle (radians), tenths of a degree clockwise from north.
    std::int16_t azimuthTenths(float declinationRadians) const;
    // Solves for the hour angle (minutes from transit, negative before it)
    // at which the sun reaches altitude h; argument h for a morning event,
    // π − h for an afternoon or evening event. Two passes, each starting
    // from the transit left by the previous computation, clamped by the
    // current limitLevel.
    void hourAngleForAltitude(float argumentRadians);
    // Afternoon hour angle at which a stick's shadow is shadowLengths
    // lengths (1 or 2) plus its noon shadow.
    void asrHourAngle(std::uint8_t shadowLengths);
    Real sinDeclSinLat() const;
    Real cosDeclCosLat() const;

    // Places the moon at local clock time localMinutes (UT from the clock
    // offset): fills MoonState, leaves the moon's hour angle (radians) in
    // hourAngle, its declination in declination and its phase fraction
    // 0..1 in transit, and the sun of the same instant in
    // eclipticLongitude and meanAnomaly. Returns the elongation as
    // moonNow does. Leaves moonValid as it is.
    std::int32_t computeMoon(std::int16_t localMinutes);
    // Cached moon values at timeOfDay: surface distance in hundreds of km,
    // ecliptic latitude in tenths of a degree.
    std::int32_t moonSurfaceDistanceTenths();
    std::int32_t moonLatitudeTenths();
    // The sun at timeOfDay, always recomputed: distance in 10⁵ km (tenths
    // of 10⁶ km), apparent ecliptic longitude and declination in tenths of
    // a degree, and the tenths of a minute by which its Greenwich transit
    // falls after 12:00 UT (the equation of time with the opposite sign).
    std::int32_t sunDistanceTenths();
    std::int32_t sunLongitudeTenths();
    std::int32_t sunDeclinationTenths();
    std::int32_t noonDeviationTenths();
    // World Magnetic Model synthesis (the model of the date: WMM2010 ..
    // WMM2025) at the place and date, altitude in km above the ellipsoid;
    // fills GeomagneticState and marks it valid.
    void computeGeomagnetic(float altitudeKm);
    // Cached like the declination: horizontal intensity in hundreds of nT.
    std::int32_t horizontalIntensityHundreds(std::int16_t altitudeMetres);
    // The religious day of the date, or "" (the first of two).
    std::string_view religiousDay();
    // The Diyanet choice is on and the place lies beyond the threshold.
    bool usesHighLatitudeRule() const;
    // Clock time of a time 1..10 for the context's date and place, minutes
    // after local midnight 0..1439. İstiva and Yatsı use İmsak's and
    // Akşam's hour angles: computeDay asks the ten in their order.
    std::uint16_t computeVakit(VakitType type);

private:
    using SineCosine = detail::SineCosine;
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
    void hourAngleForSine(float argumentRadians, Real sinArgument);
    void ensureGeomagnetic(std::int16_t altitudeMetres);
    // Computes the moon at the selected moment unless the cache holds it.
    void ensureMoon();
    // Places the sun at timeOfDay.
    void placeSunNow();

    // Four of each: the transit's values of a day take two or three.
    detail::RecentValues<detail::AnomalyTerms, 4> anomalyTerms_;
    detail::RecentValues<detail::LongitudeTerms, 4> longitudeTerms_;
    mutable detail::DayNumberMemo dayNumber_;

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

}  // namespace orvanta::engine
