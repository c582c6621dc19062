// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's working state: the day context the solar, lunar and field
// computations leave behind for each other, and the small caches that keep
// a value for the exact input it was computed from (so a lookup gives the
// same bits as computing again). Internal to engine/ and its tests; callers
// use the value functions of engine/day_times.h.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

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
    // The place as it was set, hundredths of a degree.
    std::int16_t latitudeHundredths = 0;
    std::int16_t longitudeHundredths = 0;
};

// A pair of bounds on the cosine of the solver's hour angle.
struct HourAngleLimit {
    float upper;  // the event stays at least acos(upper) from the transit
    float lower;  // ... and at least π − acos(lower) from local solar midnight
};
// Levels 0..3: none; 2 h 30 min / 30 min; 1 h 30 min / 1 h 30 min;
// 45 min / 2 h 30 min (from the transit / from the opposite transit).
extern const std::array<HourAngleLimit, 4> hourAngleLimits;

namespace detail {

struct SineCosine {
    bool valid = false;
    float radians = 0.0f;
    Real sine = 0.0;
    Real cosine = 1.0;
};
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
struct DayNumberMemo {
    bool valid = false;
    std::int16_t year = 0;
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int32_t number = 0;
};

}  // namespace detail

}  // namespace orvanta::engine
