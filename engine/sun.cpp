// The sun's position from a short analytic series and the hour angle at
// which it reaches an altitude.
//
// Series: mean anomaly, mean longitude and the equation of centre to two
// terms (1.915°, 0.020°), with a fixed obliquity of about 23.44°
// (cos ε = 0.9175, sin ε = 0.3978). No nutation, aberration, refraction,
// parallax or semi-diameter: horizon effects are carried by the altitudes
// the prayer-time rules choose (−1° for sunrise and sunset). Accurate to
// well under a minute of time for 1901..2099; not an ephemeris.
//
// Time scale: UT throughout (no ΔT). The instant is always expressed as
// minutes from the sun's transit of the date (hourAngle) plus the last
// known Greenwich transit, so a solve begins from the transit left by the
// previous computation.
#include "engine/engine.h"

#include <cmath>

namespace orvanta::engine {

namespace {

using ld = long double;

// Mean anomaly at J2000.0 and its daily motion (357.528°, 0.9856003°/day), rad.
constexpr ld kMeanAnomalyAtEpoch = 6.240040768070287L;
constexpr ld kMeanAnomalyPerDay = 0.017201970343643867L;
// Mean longitude at J2000.0 and its daily motion (280.461°, 0.9856474°/day), rad.
constexpr ld kMeanLongitudeAtEpoch = 4.894967873435816L;
constexpr ld kMeanLongitudePerDay = 0.017202792393721557L;
// Equation of centre: 1.915° sin g + 0.020° sin 2g, in radians.
constexpr ld kCentreTerm1 = 0.03342305517569141L;
constexpr ld kCentreTerm2 = 0.00034906585039886593L;
// cos ε and sin ε of the fixed obliquity (ε ≈ 23.44°).
constexpr ld kCosObliquity = 0.9175L;
constexpr ld kSinObliquity = 0.3978L;
// Half a day plus half a minute, as a fraction of a day: the transit is
// carried half a minute late so that truncating clock times rounds them.
constexpr ld kNoonPlusHalfMinuteDays = 0.5003472222222223L;
// Whole days added before taking a fractional part so that truncation
// behaves as a floor for every date of the valid range.
constexpr ld kPositiveShiftDays = 650.0L;
constexpr ld kTwoPi = 6.283185307179586476925L;
constexpr ld kHalfPi = 1.570796326794896619231L;
constexpr ld kMinutesPerDay = 1440.0L;
// π/720: radians of hour angle per minute of time.
constexpr ld kRadiansPerMinute = 0.004363323129985824L;
// 720/π: minutes of time per radian of hour angle.
constexpr ld kMinutesPerRadian = 229.1831180523293L;
// 1800/π: tenths of a degree per radian.
constexpr ld kTenthsPerRadian = 572.9577951308232L;
// The shadow altitude is lowered by 0.015° per shadow length (radians).
constexpr ld kShadowLoweringPerLength = 0.0002617993877991494L;

ld fractionalPart(ld x) { return x - std::trunc(x); }

}  // namespace

const std::array<HourAngleLimit, 4> hourAngleLimits{{
    {1.0f, -1.0f},             // 0°, 180°: no limit
    {0.7933530f, -0.9914450f}, // 37.5°, 172.5°: 2 h 30 min; 30 min
    {0.9238800f, -0.9238800f}, // 22.5°, 157.5°: 1 h 30 min; 1 h 30 min
    {0.9807850f, -0.7933530f}, // 11.25°, 142.5°: 45 min; 2 h 30 min
}};

void Engine::updateSun() {
    DayContext& c = context;
    const ld d = epochDays();
    c.meanAnomaly = static_cast<float>(kMeanAnomalyAtEpoch + kMeanAnomalyPerDay * d);
    // The mean longitude is kept in the declination field until the
    // declination itself is known, and so passes through single precision.
    c.declination = static_cast<float>(kMeanLongitudeAtEpoch + kMeanLongitudePerDay * d);
    const ld g = c.meanAnomaly;
    c.eclipticLongitude =
        static_cast<float>(c.declination + kCentreTerm1 * std::sin(g) + kCentreTerm2 * std::sin(2.0L * g));
    const ld lambda = c.eclipticLongitude;
    const ld rightAscension = std::atan2(kCosObliquity * std::sin(lambda), std::cos(lambda));
    const ld meanLongitude = c.declination;
    c.transit = static_cast<float>(
        kMinutesPerDay *
        fractionalPart((rightAscension - meanLongitude) / kTwoPi + kNoonPlusHalfMinuteDays + kPositiveShiftDays));
    c.declination = static_cast<float>(std::asin(kSinObliquity * std::sin(lambda)));
}

void Engine::sunAtLocalTime() {
    DayContext& c = context;
    // First estimate: the sun at the transit left by the last computation.
    c.hourAngle = 0.0f;
    updateSun();
    // Then exactly at the target clock time, twice so the transit settles.
    c.hourAngle = static_cast<float>(c.targetTime - localTransit());
    updateSun();
    c.hourAngle = static_cast<float>(c.targetTime - localTransit());
    c.hourAngle = static_cast<float>(c.hourAngle * kRadiansPerMinute);
}

std::int16_t Engine::sunAzimuthNow() {
    context.targetTime = context.timeOfDay;
    sunAtLocalTime();
    return azimuthTenths(context.declination);
}

std::int16_t Engine::sunAltitudeNow() {
    context.targetTime = context.timeOfDay;
    sunAtLocalTime();
    const ld h = context.hourAngle;
    const ld sinAltitude = std::cos(h) * cosDeclCosLat() + sinDeclSinLat();
    return static_cast<std::int16_t>(std::trunc(kTenthsPerRadian * std::asin(sinAltitude)));
}

std::int16_t Engine::azimuthTenths(float declinationRadians) const {
    const ld h = context.hourAngle;
    const ld phi = context.latitudeRadians;
    const ld bearing = std::atan2(std::sin(h), std::cos(phi) * std::tan(static_cast<ld>(declinationRadians)) -
                                                   std::sin(phi) * std::cos(h));
    auto tenths = static_cast<std::int32_t>(std::trunc(-kTenthsPerRadian * bearing));
    if (tenths < 0) tenths += 3600;
    return static_cast<std::int16_t>(tenths);
}

long double Engine::sinDeclSinLat() const {
    return std::sin(static_cast<ld>(context.declination)) * std::sin(static_cast<ld>(context.latitudeRadians));
}

long double Engine::cosDeclCosLat() const {
    return std::cos(static_cast<ld>(context.declination)) * std::cos(static_cast<ld>(context.latitudeRadians));
}

void Engine::hourAngleForAltitude(float argumentRadians) {
    DayContext& c = context;
    const ld sinAltitude = std::sin(static_cast<ld>(argumentRadians));
    const bool morning = argumentRadians < kHalfPi;
    c.hourAngle = 0.0f;
    // Exactly two passes: the first at the previous transit, the second at
    // the event time the first one found.
    for (int pass = 0; pass < 2; ++pass) {
        updateSun();
        ld x = (sinAltitude - sinDeclSinLat()) / cosDeclCosLat();
        if (parameters.mode < 2) c.limitLevel = 0;
        const HourAngleLimit& limit = hourAngleLimits[static_cast<std::size_t>(c.limitLevel)];
        if (x > limit.upper) x = limit.upper;
        if (x < limit.lower) x = limit.lower;
        const ld minutes = std::acos(x) * kMinutesPerRadian;
        c.hourAngle = static_cast<float>(morning ? -minutes : minutes);
    }
}

void Engine::asrHourAngle(std::uint8_t shadowLengths) {
    DayContext& c = context;
    c.limitLevel = 3;
    c.hourAngle = 0.0f;
    updateSun();
    const ld n = shadowLengths;
    const ld noonShadow = std::fabs(std::tan(static_cast<ld>(c.latitudeRadians) - c.declination));
    // π − h₀ with cot h₀ = n + noon shadow, lowered by 0.015° per length.
    const ld argument = std::atan2(1.0L, -(n + noonShadow)) + n * kShadowLoweringPerLength;
    hourAngleForAltitude(static_cast<float>(argument));
}

}  // namespace orvanta::engine
