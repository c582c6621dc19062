// SPDX-License-Identifier: GPL-3.0-or-later
// Diyanet's single world Hijri calendar (the 2016 Istanbul congress).
//
// A Hijri month begins on a day when, on the evening before, somewhere on
// Earth a sunset before 24:00 UT finds the moon at least 8° from the sun
// (geocentric elongation) and at least 5° above the horizon (topocentric,
// no refraction). It also begins then when the criterion is met only later,
// at a sunset in the Americas, provided the conjunction came before dawn in
// New Zealand. Local sighting differences do not count: one calendar holds
// for the whole world.
//
// The search looks at the evenings after each conjunction. Earth is probed
// on a grid of 5° in latitude (60° S to 60° N) and longitude; an evening on
// which the moon is not yet 8° from the sun at 24:00 UT is passed over
// without probing, so about one evening in a month needs the grid. Month
// starts are kept once found: they are facts of the sky, the same for every
// place and every engine of the process.
#include <array>
#include <cmath>
#include <map>

#include "engine/constants.h"
#include "engine/engine.h"

namespace orvanta::engine {

namespace {

using namespace constants;

// The mean new moon of 6 January 2000 (days after 1 January 2000, 0h UT)
// and the mean synodic month.
constexpr double kFirstMeanNewMoonDays = 5.59766;
constexpr double kSynodicMonthDays = 29.530588861;
// The moon gains about 12.19° a day on the sun.
constexpr double kElongationDegreesPerDay = 12.19;
constexpr int kConjunctionSteps = 4;

constexpr double kCrescentElongationDegrees = 8.0;
constexpr double kCrescentAltitudeDegrees = 5.0;
constexpr double kSunsetDepressionDegrees = 0.8333;
constexpr double kDawnDepressionDegrees = 18.0;

constexpr int kGridStepDegrees = 5;
constexpr int kGridLatitudeLimit = 60;
// The American mainland (islands do not count), coarsely: for each 5° band
// of latitude from 55° S to 70° N, the longitude of its western coast; the
// mainland reaches east to 35° W.
constexpr int kAmericasSouth = -55;
constexpr int kAmericasNorth = 70;
constexpr int kAmericasEast = -35;
constexpr std::array<int, 26> kAmericasWestCoast{
    -75,  -75,  -75,  -73,  -73,  -72,  -71,  -71,  -71,  -77,  -77,  -81,  -80,  // 55° S .. 5° S, 0°
    -77,  -85,  -92,  -105, -110, -116, -122, -124, -124, -124, -130, -140, -165,  // 5° N .. 65° N
};
// Wellington stands for New Zealand's dawn.
constexpr double kNewZealandLatitude = -41.29;
constexpr double kNewZealandLongitude = 174.78;
// A month starts within this many evenings of its conjunction.
constexpr int kEveningsAfterConjunction = 4;

constexpr double kMinutesPerDay = 1440.0;
constexpr double kHalfDayMinutes = 720.0;
constexpr double kMinutesPerDegree = 4.0;
constexpr int kHundredthsPerDegree = 100;
constexpr double kTenthsPerDegree = 10.0;
constexpr std::int32_t kHalfCircleTenths = 1800;
constexpr std::int32_t kFullCircleTenths = 3600;

// The moon as seen from a place at an instant.
struct Sight {
    double elongationDegrees;   // arc from the sun, geocentric
    double signedLongitudeGap;  // moon minus sun in ecliptic longitude, −180..180°
    double altitudeDegrees;     // topocentric, no refraction
};

// The engine's moon at a place and instant (days after 1 January 2000, 0h UT).
class MoonProbe : private Engine {
public:
    Sight at(double latitudeDegrees, double longitudeDegrees, double utDays) {
        const auto day = static_cast<std::int32_t>(std::floor(utDays));
        setDayNumber(day);
        setPlace(static_cast<std::int16_t>(std::lround(latitudeDegrees * kHundredthsPerDegree)),
                         static_cast<std::int16_t>(std::lround(longitudeDegrees * kHundredthsPerDegree)), 0);
        const auto minutes = static_cast<std::int16_t>(std::lround((utDays - day) * kMinutesPerDay));
        std::int32_t gapTenths = computeMoon(minutes);
        if (gapTenths > kHalfCircleTenths) gapTenths -= kFullCircleTenths;
        const double gap = gapTenths / kTenthsPerDegree;
        const double cosArc = std::cos(gap * kRadiansPerDegree) * std::cos(static_cast<double>(context.moonLatitude));
        return {std::acos(cosArc) * kDegreesPerRadian, gap, context.moonAltitude};
    }

private:
    // Day n after 1 January 2000 as day-of-January of a year near it.
    void setDayNumber(std::int32_t n) {
        const auto year = static_cast<std::int16_t>(2000 + static_cast<int>(std::floor(n / 365.25)));
        setDate(1, 1, year);
        const std::int32_t firstOfYear = dayNumber();
        setDate(static_cast<std::int16_t>(n - firstOfYear + 1), 1, year);
    }
};

// UT minutes (after 0h UT of day n) at which the sun stands at altitude
// altitudeDegrees at a place, in the evening or the morning of its local
// day n; NaN when it does not.
double sunAtAltitudeUtMinutes(std::int32_t n, double latitudeDegrees, double longitudeDegrees, double altitudeDegrees,
                              bool evening) {
    const double localNoonUt = kHalfDayMinutes - kMinutesPerDegree * longitudeDegrees;
    const SolarPosition sun = solarPositionAt(n - 0.5 + localNoonUt / kMinutesPerDay);
    const double phi = latitudeDegrees * kRadiansPerDegree;
    const double x = (std::sin(altitudeDegrees * kRadiansPerDegree) - std::sin(phi) * std::sin(sun.declinationRadians)) /
                     (std::cos(phi) * std::cos(sun.declinationRadians));
    if (x < -1.0 || x > 1.0) return std::nan("");
    const double hourAngle = std::acos(x) * kMinutesPerRadian;
    return localNoonUt - sun.equationOfTimeMinutes + (evening ? hourAngle : -hourAngle);
}

bool crescentStands(const Sight& sight) {
    return sight.signedLongitudeGap > 0.0 && sight.elongationDegrees >= kCrescentElongationDegrees &&
           sight.altitudeDegrees >= kCrescentAltitudeDegrees;
}

// The crescent stands at the sunset of local day n at a place; with
// beforeMidnightUt only a sunset before 24:00 UT of day n counts.
bool crescentAtSunset(MoonProbe& probe, std::int32_t n, int latitude, int longitude, bool beforeMidnightUt) {
    const double sunset = sunAtAltitudeUtMinutes(n, latitude, longitude, -kSunsetDepressionDegrees, true);
    if (std::isnan(sunset) || (beforeMidnightUt && (sunset < 0.0 || sunset >= kMinutesPerDay))) return false;
    return crescentStands(probe.at(latitude, longitude, n + sunset / kMinutesPerDay));
}

// Anywhere on Earth at a sunset before 24:00 UT of day n.
bool crescentBeforeMidnightUt(MoonProbe& probe, std::int32_t n) {
    for (int longitude = -180; longitude < 180; longitude += kGridStepDegrees) {
        for (int latitude = -kGridLatitudeLimit; latitude <= kGridLatitudeLimit; latitude += kGridStepDegrees) {
            if (crescentAtSunset(probe, n, latitude, longitude, true)) return true;
        }
    }
    return false;
}

// Anywhere on the American mainland at its sunset of local day n.
bool crescentOverTheAmericas(MoonProbe& probe, std::int32_t n) {
    for (int latitude = kAmericasSouth; latitude <= kAmericasNorth; latitude += kGridStepDegrees) {
        const int west = kAmericasWestCoast[static_cast<std::size_t>((latitude - kAmericasSouth) / kGridStepDegrees)];
        for (int longitude = west; longitude <= kAmericasEast; longitude += kGridStepDegrees) {
            if (crescentAtSunset(probe, n, latitude, longitude, false)) return true;
        }
    }
    return false;
}

// The instant of the conjunction near the mean new moon of lunation k.
double conjunctionDays(MoonProbe& probe, std::int32_t k) {
    double t = kFirstMeanNewMoonDays + kSynodicMonthDays * k;
    for (int step = 0; step < kConjunctionSteps; ++step) {
        t -= probe.at(0.0, 0.0, t).signedLongitudeGap / kElongationDegreesPerDay;
    }
    return t;
}

// The evening of day n begins the month on day n + 1.
bool eveningBeginsMonth(MoonProbe& probe, std::int32_t n, double conjunction) {
    // Nowhere before 24:00 UT when the moon is not 8° out at 24:00 UT.
    const Sight midnight = probe.at(0.0, 0.0, n + 1.0);
    const bool possibleBeforeMidnight =
        midnight.signedLongitudeGap > 0.0 && midnight.elongationDegrees >= kCrescentElongationDegrees;
    if (possibleBeforeMidnight && crescentBeforeMidnightUt(probe, n)) return true;
    // New Zealand's dawn of day n + 1 falls on the UT day n.
    const double dawn = n + 1 + sunAtAltitudeUtMinutes(n + 1, kNewZealandLatitude, kNewZealandLongitude,
                                                        -kDawnDepressionDegrees, false) / kMinutesPerDay;
    return conjunction < dawn && crescentOverTheAmericas(probe, n);
}

std::int32_t monthStartAfterConjunction(std::int32_t k) {
    static std::map<std::int32_t, std::int32_t> starts;
    if (const auto found = starts.find(k); found != starts.end()) return found->second;
    MoonProbe probe;
    const double conjunction = conjunctionDays(probe, k);
    const auto conjunctionDay = static_cast<std::int32_t>(std::floor(conjunction));
    std::int32_t start = conjunctionDay + kEveningsAfterConjunction + 1;
    for (std::int32_t evening = conjunctionDay; evening < conjunctionDay + kEveningsAfterConjunction; ++evening) {
        if (eveningBeginsMonth(probe, evening, conjunction)) {
            start = evening + 1;
            break;
        }
    }
    starts.emplace(k, start);
    return start;
}

}  // namespace

std::int32_t worldCalendarMonthStart(std::int32_t dayNumber) {
    auto k = static_cast<std::int32_t>(std::floor((dayNumber - kFirstMeanNewMoonDays) / kSynodicMonthDays));
    while (monthStartAfterConjunction(k) > dayNumber) --k;
    while (monthStartAfterConjunction(k + 1) <= dayNumber) ++k;
    return monthStartAfterConjunction(k);
}

}  // namespace orvanta::engine
