// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "engine/constants.h"
#include "engine/engine.h"

#include <cmath>

namespace orvanta::engine {

namespace {

using namespace constants;

// Half a day plus half a minute, as a fraction of a day: the transit is
// carried half a minute late so that truncating clock times rounds them.
constexpr double kNoonPlusHalfMinuteDays = 0.5003472222222223;
// Whole days added before taking a fractional part so that truncation
// behaves as a floor for every date of the valid range.
constexpr double kPositiveShiftDays = 650.0;
constexpr double kMinutesPerDay = 1440.0;
// The shadow altitude is lowered by 0.015° per shadow length (radians).
constexpr double kShadowLoweringPerLength = 0.0002617993877991494;

Real fractionalPart(Real x) { return x - std::trunc(x); }

}  // namespace

const std::array<HourAngleLimit, 4> hourAngleLimits{{
    {1.0f, -1.0f},             // 0°, 180°: no limit
    {0.7933530f, -0.9914450f}, // 37.5°, 172.5°: 2 h 30 min; 30 min
    {0.9238800f, -0.9238800f}, // 22.5°, 157.5°: 1 h 30 min; 1 h 30 min
    {0.9807850f, -0.7933530f}, // 11.25°, 142.5°: 45 min; 2 h 30 min
}};

void Engine::updateSun() {
    DayContext& c = context;
    const Real d = epochDays();
    c.meanAnomaly = static_cast<float>(kMeanAnomalyAtEpoch + kMeanAnomalyPerDay * d);
    // The mean longitude is kept in the declination field until the
    // declination itself is known, and so passes through single precision.
    c.declination = static_cast<float>(kMeanLongitudeAtEpoch + kMeanLongitudePerDay * d);
    const detail::AnomalyTerms& anomaly = anomalyTerms_.get(c.meanAnomaly, [](float meanAnomaly) {
        const Real g = meanAnomaly;
        const Real sinG = std::sin(g);
        return detail::AnomalyTerms{sinG, 2.0 * sinG * std::cos(g)};  // sin 2g, from the one sincos of g
    });
    c.eclipticLongitude =
        static_cast<float>(c.declination + kCentreTerm1 * anomaly.sinG + kCentreTerm2 * anomaly.sin2G);
    const detail::LongitudeTerms& longitude = longitudeTerms_.get(c.eclipticLongitude, [](float eclipticLongitude) {
        const Real lambda = eclipticLongitude;
        const Real sinLambda = std::sin(lambda);
        const Real sinDelta = kSinObliquity * sinLambda;
        return detail::LongitudeTerms{std::atan2(kCosObliquity * sinLambda, std::cos(lambda)), std::asin(sinDelta), sinDelta,
                              std::sqrt(1.0 - sinDelta * sinDelta)};
    });
    const Real meanLongitude = c.declination;
    c.transit = static_cast<float>(
        kMinutesPerDay * fractionalPart((longitude.rightAscension - meanLongitude) / kTwoPi +
                                        kNoonPlusHalfMinuteDays + kPositiveShiftDays));
    const Real delta = longitude.declination;
    c.declination = static_cast<float>(delta);
    // Sine and cosine of the stored (single-precision) declination, from
    // those of the exact one: the two differ by less than 3e-8 rad, so the
    // first-order step is exact to double precision and saves a sincos in
    // every solver pass.
    const Real roundingStep = static_cast<Real>(c.declination) - delta;
    declinationTrig_ = {true, c.declination,
                        longitude.sinDeclination + longitude.cosDeclination * roundingStep,
                        longitude.cosDeclination - longitude.sinDeclination * roundingStep};
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
    const Real h = context.hourAngle;
    const Real sinAltitude = std::cos(h) * cosDeclCosLat() + sinDeclSinLat();
    return static_cast<std::int16_t>(std::trunc(kTenthsPerRadian * std::asin(sinAltitude)));
}

std::int16_t Engine::azimuthTenths(float declinationRadians) const {
    const Real h = context.hourAngle;
    const SineCosine& phi = latitudeSineCosine();
    const Real bearing = std::atan2(std::sin(h), phi.cosine * std::tan(static_cast<Real>(declinationRadians)) -
                                                   phi.sine * std::cos(h));
    auto tenths = static_cast<std::int32_t>(std::trunc(-kTenthsPerRadian * bearing));
    if (tenths < 0) tenths += 3600;
    return static_cast<std::int16_t>(tenths);
}

const Engine::SineCosine& Engine::latitudeSineCosine() const {
    // The latitude changes with the place only; its sine and cosine are
    // kept for the value they were taken of.
    if (latitudeTrig_.radians != context.latitudeRadians || !latitudeTrig_.valid) {
        latitudeTrig_ = {true, context.latitudeRadians, std::sin(static_cast<Real>(context.latitudeRadians)),
                         std::cos(static_cast<Real>(context.latitudeRadians))};
    }
    return latitudeTrig_;
}

const Engine::SineCosine& Engine::declinationSineCosine() const {
    // Usually left by the solar series; the moon also writes the field.
    if (declinationTrig_.radians != context.declination || !declinationTrig_.valid) {
        declinationTrig_ = {true, context.declination, std::sin(static_cast<Real>(context.declination)),
                            std::cos(static_cast<Real>(context.declination))};
    }
    return declinationTrig_;
}

Real Engine::sinDeclSinLat() const { return declinationSineCosine().sine * latitudeSineCosine().sine; }

Real Engine::cosDeclCosLat() const { return declinationSineCosine().cosine * latitudeSineCosine().cosine; }

void Engine::hourAngleForAltitude(float argumentRadians) {
    hourAngleForSine(argumentRadians, std::sin(static_cast<Real>(argumentRadians)));
}

void Engine::hourAngleForVakitAltitude(VakitType type, float argumentRadians) {
    SineCosine& kept = altitudeSines_[static_cast<std::size_t>(type)];
    if (!kept.valid || kept.radians != argumentRadians) {
        kept = {true, argumentRadians, std::sin(static_cast<Real>(argumentRadians)), 0.0};
    }
    hourAngleForSine(argumentRadians, kept.sine);
}

void Engine::hourAngleForSine(float argumentRadians, Real sinAltitude) {
    DayContext& c = context;
    const bool morning = argumentRadians < kHalfPi;
    c.hourAngle = 0.0f;
    // Exactly two passes: the first at the previous transit, the second at
    // the event time the first one found.
    for (int pass = 0; pass < 2; ++pass) {
        updateSun();
        Real x = (sinAltitude - sinDeclSinLat()) / cosDeclCosLat();
        if (parameters.mode < 2) c.limitLevel = 0;
        const HourAngleLimit& limit = hourAngleLimits[static_cast<std::size_t>(c.limitLevel)];
        if (x > limit.upper) x = limit.upper;
        if (x < limit.lower) x = limit.lower;
        const Real minutes = std::acos(x) * kMinutesPerRadian;
        c.hourAngle = static_cast<float>(morning ? -minutes : minutes);
    }
}

void Engine::asrHourAngle(std::uint8_t shadowLengths) {
    DayContext& c = context;
    c.limitLevel = 3;
    c.hourAngle = 0.0f;
    updateSun();
    const Real n = shadowLengths;
    const Real noonShadow = std::fabs(std::tan(static_cast<Real>(c.latitudeRadians) - c.declination));
    // π − h₀ with cot h₀ = n + noon shadow, lowered by 0.015° per length.
    const Real argument = std::atan2(1.0, -(n + noonShadow)) + n * kShadowLoweringPerLength;
    hourAngleForAltitude(static_cast<float>(argument));
}

}  // namespace orvanta::engine
