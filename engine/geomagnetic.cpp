// SPDX-License-Identifier: GPL-3.0-or-later
// The geomagnetic field from the World Magnetic Models, and the qibla.
//
// Field: spherical-harmonic synthesis of a model's main field plus its
// secular variation times the years since the model's epoch, degree and
// order 12, at a geodetic position on the WGS 84 ellipsoid (source: "The
// US/UK World Magnetic Model for 2010-2015", NOAA technical report, 2010;
// the later reports keep the method). The model is the one whose epoch
// (2010.0, 2015.0, 2020.0, 2025.0) last began before the date, so dates
// 2010.0..2030.0 are valid; before 2010 WMM2010 and from 2030 WMM2025 are
// extrapolated and the values marked invalid, as they are where the
// horizontal field is weaker than 5000 nT (near the magnetic poles).
// Crustal and external fields are not modelled: local deviations of a few
// degrees are normal.
//
// Qibla: the initial great-circle bearing from the place to the Kaaba.
#include <array>
#include <cmath>

#include "engine/constants.h"
#include "engine/engine.h"
#include "engine/wmm_coefficients.h"

namespace orvanta::engine {

namespace {

using namespace constants;

constexpr int N = kWmmDegree;
using Table = std::array<std::array<Real, N + 1>, N + 1>;

// 1/365.25: years per day.
constexpr double kYearsPerDay = 0.0027378507871321013;
// Day 0 is 1 January 2000.
constexpr double kYear2000 = 2000.0;
// Each model holds for five years from its epoch.
constexpr double kValidYears = 5.0;
// Weaker horizontal fields make the compass useless: nT.
constexpr double kWeakestHorizontalField = 5000.0;
// WGS 84 semi-major and semi-minor axes and the model's reference radius, km.
constexpr float kSemiMajorKm = 6378.137f;
constexpr float kSemiMinorKm = 6356.7523142f;
constexpr float kReferenceRadiusKm = 6371.2f;
// The Kaaba: 21.4225315° N, 39.8261646° E, as single-precision radians.
constexpr float kKaabaLatitude = 0.3738937f;
constexpr float kKaabaLongitude = 0.6950977f;

// Geocentric place of a geodetic position.
struct Geocentric {
    Real radiusKm;
    Real cosColatitude, sinColatitude;  // geocentric colatitude θ
    Real cosTilt, sinTilt;              // rotation from the geocentric to the geodetic frame
};

Geocentric toGeocentric(Real latitude, Real altitudeKm) {
    const Real a2 = static_cast<Real>(kSemiMajorKm) * kSemiMajorKm;
    const Real b2 = static_cast<Real>(kSemiMinorKm) * kSemiMinorKm;
    const Real c2 = a2 - b2;
    const Real sinLat = std::sin(latitude);
    const Real cosLat = std::cos(latitude);
    const Real sin2 = sinLat * sinLat;
    const Real cos2 = cosLat * cosLat;
    const Real q = std::sqrt(a2 - c2 * sin2);
    const Real q1 = altitudeKm * q;
    const Real q2 = ((q1 + a2) / (q1 + b2)) * ((q1 + a2) / (q1 + b2));
    Geocentric g{};
    g.cosColatitude = sinLat / std::sqrt(q2 * cos2 + sin2);
    g.sinColatitude = std::sqrt(1.0 - g.cosColatitude * g.cosColatitude);
    // r² = h² + 2hq + (a⁴ − (a⁴ − b⁴) sin²φ) / q².
    g.radiusKm = std::sqrt(altitudeKm * altitudeKm + 2.0 * q1 + (a2 * a2 - (a2 * a2 - b2 * b2) * sin2) / (q * q));
    const Real d = std::sqrt(a2 * cos2 + b2 * sin2);
    g.cosTilt = (altitudeKm + d) / g.radiusKm;
    g.sinTilt = c2 * cosLat * sinLat / (g.radiusKm * d);
    return g;
}

// The model's coefficients at the time, Schmidt semi-normalised, in the
// packed layout of the tables.
Table coefficientsAt(const WmmModel& model, Real yearsSinceEpoch) {
    Table norm{};
    norm[0][0] = 1.0;
    for (int n = 1; n <= N; ++n) {
        norm[0][n] = norm[0][n - 1] * (2 * n - 1) / n;
        for (int m = 1; m <= n; ++m) {
            const Real j = (m == 1) ? 2.0 : 1.0;
            norm[m][n] = norm[m - 1][n] * std::sqrt(static_cast<Real>(n - m + 1) * j / (n + m));
        }
    }
    Table c{};
    for (int n = 1; n <= N; ++n) {
        for (int m = 0; m <= n; ++m) {
            const auto un = static_cast<std::size_t>(n), um = static_cast<std::size_t>(m);
            c[um][un] = (model.mainField[um][un] + yearsSinceEpoch * model.secularVariation[um][un]) * norm[um][un];
            if (m != 0) {
                const std::size_t h = um - 1;
                c[un][h] =
                    (model.mainField[un][h] + yearsSinceEpoch * model.secularVariation[un][h]) * norm[um][un];
            }
        }
    }
    return c;
}

// Field components in the geodetic frame, nT.
struct Field {
    Real north, east, down;
};

Field synthesise(const Table& c, const Geocentric& place, Real eastLongitude) {
    const Real ct = place.cosColatitude;
    const Real st = place.sinColatitude;
    // Associated Legendre functions P(n, m) and dP/dθ, Gauss-normalised
    // (the Schmidt factors sit in the coefficients); stored [m][n].
    Table p{}, dp{};
    p[0][0] = 1.0;
    // At a geographic pole (st = 0) the eastward sum's P(n, 1)/sin θ is
    // taken from its own recursion instead.
    std::array<Real, N + 1> poleP{};
    poleP[0] = 1.0;
    std::array<Real, N + 1> sinM{}, cosM{};
    sinM[0] = 0.0;
    cosM[0] = 1.0;
    for (int m = 1; m <= N; ++m) {
        sinM[static_cast<std::size_t>(m)] = std::sin(m * eastLongitude);
        cosM[static_cast<std::size_t>(m)] = std::cos(m * eastLongitude);
    }
    const Real ratio = kReferenceRadiusKm / place.radiusKm;
    Real ratioPower = ratio * ratio;
    Real radial = 0.0, theta = 0.0, phi = 0.0, phiAtPole = 0.0;
    for (int n = 1; n <= N; ++n) {
        ratioPower *= ratio;  // (a/r)^(n+2)
        const auto un = static_cast<std::size_t>(n);
        for (int m = 0; m <= n; ++m) {
            const auto um = static_cast<std::size_t>(m);
            if (n == m) {
                p[um][un] = st * p[um - 1][un - 1];
                dp[um][un] = st * dp[um - 1][un - 1] + ct * p[um - 1][un - 1];
            } else if (n == 1 && m == 0) {
                p[0][1] = ct;
                dp[0][1] = -st;
            } else {
                const Real k = static_cast<Real>((n - 1) * (n - 1) - m * m) / ((2 * n - 1) * (2 * n - 3));
                const Real p2 = (m > n - 2) ? 0.0 : p[um][un - 2];
                const Real dp2 = (m > n - 2) ? 0.0 : dp[um][un - 2];
                p[um][un] = ct * p[um][un - 1] - k * p2;
                dp[um][un] = ct * dp[um][un - 1] - st * p[um][un - 1] - k * dp2;
            }
            const Real g = c[um][un];
            const Real h = (m == 0) ? 0.0 : c[un][um - 1];
            const Real cosTerm = g * cosM[um] + h * sinM[um];
            const Real sinTerm = g * sinM[um] - h * cosM[um];
            radial += (n + 1) * ratioPower * cosTerm * p[um][un];
            theta -= ratioPower * cosTerm * dp[um][un];
            phi += m * ratioPower * sinTerm * p[um][un];
            if (st == 0.0 && m == 1) {
                const Real k = static_cast<Real>((n - 1) * (n - 1) - 1) / ((2 * n - 1) * (2 * n - 3));
                poleP[un] = (n == 1) ? poleP[0] : ct * poleP[un - 1] - k * poleP[un - 2];
                phiAtPole += m * ratioPower * sinTerm * poleP[un];
            }
        }
    }
    phi = (st == 0.0) ? phiAtPole : phi / st;
    // Geocentric north = −θ component, down = −radial; rotate to geodetic.
    return {-theta * place.cosTilt - radial * place.sinTilt, phi, theta * place.sinTilt - radial * place.cosTilt};
}

// The model of a date given in years since 2000.0: the last whose epoch is
// not after it, or the first.
const WmmModel& modelAt(Real yearsSince2000) {
    const WmmModel* chosen = &kWmmModels.front();
    for (const WmmModel& model : kWmmModels) {
        if (model.epochYear - kYear2000 <= yearsSince2000) chosen = &model;
    }
    return *chosen;
}

}  // namespace

void Engine::computeGeomagnetic(float altitudeKm) {
    DayContext& c = context;
    const Real yearsSince2000 = dayNumber() * kYearsPerDay;
    const WmmModel& model = modelAt(yearsSince2000);
    const Real years = yearsSince2000 - (model.epochYear - kYear2000);
    const Geocentric place = toGeocentric(c.latitudeRadians, altitudeKm);
    const Real eastLongitude = c.longitudeMinutes * kRadiansPerMinute;
    const Field field = synthesise(coefficientsAt(model, years), place, eastLongitude);
    c.horizontalIntensity = static_cast<float>(std::sqrt(field.north * field.north + field.east * field.east));
    c.magneticDeclination = static_cast<float>(std::atan2(field.east, field.north) * kDegreesPerRadian);
    c.geomagneticModelValid =
        (years >= 0.0 && years < kValidYears && c.horizontalIntensity > kWeakestHorizontalField) ? 1 : 0;
    c.geomagneticValid = 1;
}

void Engine::ensureGeomagnetic(std::int16_t altitudeMetres) {
    if (context.geomagneticValid == 0) computeGeomagnetic(static_cast<float>(altitudeMetres * 0.001));
}

std::int32_t Engine::magneticDeclinationTenths(std::int16_t altitudeMetres) {
    ensureGeomagnetic(altitudeMetres);
    return static_cast<std::int32_t>(std::trunc(static_cast<Real>(context.magneticDeclination) * 10.0));
}

std::int32_t Engine::horizontalIntensityHundreds(std::int16_t altitudeMetres) {
    ensureGeomagnetic(altitudeMetres);
    return static_cast<std::int32_t>(std::trunc(0.01 * static_cast<Real>(context.horizontalIntensity)));
}

std::int16_t Engine::qiblaTenths() {
    context.hourAngle = static_cast<float>(context.longitudeMinutes * kRadiansPerMinute - kKaabaLongitude);
    return azimuthTenths(kKaabaLatitude);
}

}  // namespace orvanta::engine
