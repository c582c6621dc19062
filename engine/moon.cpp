// SPDX-License-Identifier: GPL-3.0-or-later
// The moon's position, distance and phase from a short lunar theory, the
// sun's distance and related quantities, and the eclipse and visibility
// classification.
//
// Lunar theory: mean longitude and anomaly with the evection, the annual
// equation, the equation of centre, the variation and the node's motion
// (the classic low-precision series; about 0.3° in longitude and 0.2° in
// latitude), distance from the anomaly alone. Topocentric altitude: the
// horizontal parallax of a spherical earth of radius 6378.16 km. Same fixed
// obliquity as the sun (cos ε = 0.9175, sin ε = 0.3978). UT throughout.
// Meant for the phase, visibility and rough eclipse hints; not an ephemeris.
#include <cmath>

#include "engine/constants.h"
#include "engine/engine.h"

namespace orvanta::engine {

namespace {

using namespace constants;

// Mean longitude at J2000.0 and daily motion (218.3172219°, 13.1763966°/day), rad.
constexpr double kMoonMeanLongitudeAtEpoch = 1681.4208313529116;
constexpr double kMoonMeanLongitudePerDay = 0.22997150421858628;
// Longitude of perigee (83.3571196°, 0.1114041°/day), rad.
constexpr double kPerigeeAtEpoch = 20.304412114410123;
constexpr double kPerigeePerDay = 0.0019443683452210149;
// Periodic terms, rad: evection 1.2739°, annual equation 0.1858°, anomaly
// correction 0.37°, equation of centre 6.2886°, 0.214° in 2M′, variation 0.6583°.
constexpr double kEvection = 0.022233749341155764;
constexpr double kAnnualEquation = 0.003242821750205464;
constexpr double kAnomalyCorrection = 0.006457718232379019;
constexpr double kEquationOfCentre = 0.10975677534091541;
constexpr double kSecondCentreTerm = 0.003735004599267865;
constexpr double kVariation = 0.011489502465878671;
// Ascending node (125.0427587°, −0.0529539°/day, −0.16° sin g), rad.
constexpr double kNodeAtEpoch = -4.100777462960466;
constexpr double kNodePerDay = 0.0009242199067718253;
constexpr double kNodeAnnualTerm = 0.0027925268031909274;
// cos i and sin i of the orbit's inclination (5.145°).
constexpr double kCosInclination = 0.99597;
constexpr double kSinInclination = 0.0896834;
// Semi-major axis term (10³ km) and eccentricity of the distance formula.
constexpr double kMoonDistanceScale = 383.24241154199;
constexpr double kMoonEccentricity = 0.0549;
constexpr double kEarthRadiusThousandKm = 6.37816;
constexpr double kMoonRadiusThousandKm = 1.738;
// Sidereal time at J2000.0 and its daily motion (280.461°, 360.9856474°/day), rad.
constexpr double kSiderealAtEpoch = 4.894967873435816;
constexpr double kSiderealPerDay = 6.300388099573308;
// The sun's distance (10⁶ km): semi-major axis term and eccentricity.
constexpr double kSunDistanceScale = 149.55668848724687;
constexpr double kSunEccentricity = 0.016718;
// The sun's transit sits half a minute past 12:00 UT plus the equation of time.
constexpr double kNoonPlusHalfMinute = 720.5;

// Within 1° of the sun in longitude and 1.6° in latitude: an eclipse.
constexpr std::int32_t kEclipseLongitudeTenths = 10;
constexpr std::int32_t kEclipseLatitudeTenths = 16;
// Within 1.5° of opposition: a lunar eclipse.
constexpr std::int32_t kLunarEclipseTenths = 15;
constexpr std::int32_t kFullMoonTenths = 1800;
constexpr std::int32_t kFullCircleTenths = 3600;
// The moon is visible at least 8° (80 tenths) from the sun.
constexpr std::int32_t kVisibleDistanceSquared = 80 * 80;

std::int32_t truncated(Real value) { return static_cast<std::int32_t>(std::trunc(value)); }

}  // namespace

std::int32_t Engine::computeMoon(std::int16_t localMinutes) {
    DayContext& c = context;
    c.targetTime = localMinutes;
    sunAtLocalTime();
    const Real sunLongitude = c.eclipticLongitude;
    const Real sinG = std::sin(static_cast<Real>(c.meanAnomaly));
    // Back to minutes, so that epochDays is the instant itself.
    c.hourAngle = static_cast<float>(c.hourAngle * kMinutesPerRadian);
    const Real d = static_cast<float>(epochDays());

    const Real meanLongitude = kMoonMeanLongitudeAtEpoch + kMoonMeanLongitudePerDay * d;
    const Real meanAnomaly = meanLongitude - (kPerigeeAtEpoch + kPerigeePerDay * d);
    const Real evection = kEvection * std::sin(2.0 * (meanLongitude - sunLongitude) - meanAnomaly);
    const Real annual = evection - kAnnualEquation * sinG;
    const Real correctedAnomaly = meanAnomaly + annual - kAnomalyCorrection * sinG;
    const Real centre = kEquationOfCentre * std::sin(correctedAnomaly);
    const Real correctedLongitude =
        meanLongitude + centre + annual + kSecondCentreTerm * std::sin(2.0 * correctedAnomaly);
    const Real orbitLongitude = correctedLongitude + kVariation * std::sin(2.0 * (correctedLongitude - sunLongitude));
    const Real node = kNodeAtEpoch - kNodePerDay * d - kNodeAnnualTerm * sinG;

    const Real u = orbitLongitude - node;
    const Real lambda = std::atan2(kCosInclination * std::sin(u), std::cos(u)) + node;
    c.moonLatitude = static_cast<float>(std::asin(kSinInclination * std::sin(u)));
    c.moonDistance =
        static_cast<float>(kMoonDistanceScale / (1.0 + kMoonEccentricity * std::cos(correctedAnomaly + centre)));

    const Real beta = c.moonLatitude;
    const Real sinLambda = std::sin(lambda);
    const Real rightAscension = std::atan2(kCosObliquity * sinLambda - kSinObliquity * std::tan(beta), std::cos(lambda));
    c.declination =
        static_cast<float>(std::asin(kCosObliquity * std::sin(beta) + kSinObliquity * std::cos(beta) * sinLambda));

    const Real siderealTime = kSiderealAtEpoch + kSiderealPerDay * d + c.longitudeMinutes * kRadiansPerMinute;
    c.hourAngle = static_cast<float>(siderealTime - rightAscension);
    const Real h = c.hourAngle;
    const Real altitude = std::asin(std::cos(h) * cosDeclCosLat() + sinDeclSinLat());
    c.moonSurfaceDistance =
        static_cast<float>(c.moonDistance - kEarthRadiusThousandKm * std::sin(altitude) - kMoonRadiusThousandKm);
    const Real parallax = std::asin(kEarthRadiusThousandKm / c.moonSurfaceDistance);
    c.moonAltitude = static_cast<float>((altitude - parallax * std::cos(altitude)) * kDegreesPerRadian);
    c.moonAzimuth = azimuthTenths(c.declination);

    Real phase = (lambda - sunLongitude) / kTwoPi;
    phase -= std::floor(phase);
    c.transit = static_cast<float>(phase);
    // A phase a hair below one turn rounds to 1.0f in single precision;
    // that is new moon, elongation 0, not 3600.
    if (c.transit >= 1.0f) c.transit = 0.0f;
    return truncated(kFullCircleTenths * static_cast<Real>(c.transit));
}

std::int32_t Engine::moonNow() {
    context.moonValid = 1;
    return computeMoon(context.timeOfDay);
}

void Engine::ensureMoon() {
    if (context.moonValid == 0) moonNow();
}

std::int32_t Engine::moonSurfaceDistanceTenths() {
    ensureMoon();
    return truncated(static_cast<Real>(context.moonSurfaceDistance) * 10.0);
}

std::int32_t Engine::moonAltitudeTenths() {
    ensureMoon();
    return truncated(static_cast<Real>(context.moonAltitude) * 10.0);
}

std::int32_t Engine::moonAzimuthTenths() {
    ensureMoon();
    return truncated(context.moonAzimuth);
}

std::int32_t Engine::moonLatitudeTenths() {
    ensureMoon();
    return truncated(context.moonLatitude * kTenthsPerRadian);
}

void Engine::placeSunNow() {
    context.targetTime = context.timeOfDay;
    sunAtLocalTime();
}

std::int32_t Engine::sunDistanceTenths() {
    placeSunNow();
    context.sunDistance = static_cast<float>(
        kSunDistanceScale / (1.0 + kSunEccentricity * std::cos(static_cast<Real>(context.meanAnomaly))));
    return truncated(10.0 * static_cast<Real>(context.sunDistance));
}

std::int32_t Engine::sunLongitudeTenths() {
    placeSunNow();
    // Reduced to one turn by the floor: the series' longitude is negative
    // for dates before March 1999.
    const Real turns = context.eclipticLongitude / kTwoPi;
    return truncated(kFullCircleTenths * (turns - std::floor(turns)));
}

std::int32_t Engine::sunDeclinationTenths() {
    placeSunNow();
    return truncated(context.declination * kTenthsPerRadian);
}

std::int32_t Engine::noonDeviationTenths() {
    placeSunNow();
    return truncated((context.transit - kNoonPlusHalfMinute) * 10.0);
}

std::string_view moonSkyMessage(std::int32_t elongationTenths, std::int32_t moonLatitudeTenths,
                                std::int32_t sunAltitudeTenths, std::int32_t moonAltitudeTenths) {
    const std::int32_t e = elongationTenths;
    const std::int32_t b = moonLatitudeTenths;
    const bool nearEcliptic = -kEclipseLatitudeTenths < b && b < kEclipseLatitudeTenths;
    if ((e < kEclipseLongitudeTenths || e > kFullCircleTenths - kEclipseLongitudeTenths) && nearEcliptic &&
        sunAltitudeTenths > 0) {
        return ">>>  GÜNEŞ tutulması  <<<";
    }
    if (kFullMoonTenths - kLunarEclipseTenths < e && e < kFullMoonTenths + kLunarEclipseTenths && nearEcliptic && moonAltitudeTenths > 0) {
        return ">>>   AY tutulması   <<<";
    }
    const std::int32_t shorterWay = e <= kFullMoonTenths ? e : kFullCircleTenths - e;
    if (shorterWay * shorterWay + b * b >= kVisibleDistanceSquared) {
        return moonAltitudeTenths > 0 ? "Ay buradan görülebilir" : "Ay Dünya'dan görülebilir";
    }
    return "";
}

}  // namespace orvanta::engine
