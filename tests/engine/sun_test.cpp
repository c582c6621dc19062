// SPDX-License-Identifier: GPL-3.0-or-later
// The solar series, the sun at a clock time, azimuth and altitude, and the
// altitude solver with its clamp levels.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/open_engine.h"

namespace {

using Engine = orvanta::engine::OpenEngine;

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadiansPerDegree = kPi / 180.0;

// İstanbul (41.01° N, 28.97° E) on the March equinox of 2014, 12:00 UTC+2.
// Reference values: the worked example of the engine's documentation;
// the sun culminated there at about 12:11 local time.
TEST(Sun, IstanbulEquinoxNoon) {
    Engine e;
    e.setPlace(4101, 2897, 120);
    e.setDate(21, 3, 2014);
    e.setTimeOfDay(12, 0);
    EXPECT_EQ(e.sunAltitudeNow(), 491);
    EXPECT_EQ(e.sunAzimuthNow(), 1754);
    EXPECT_NEAR(static_cast<double>(e.localTransit()), 731.85, 0.01);
    // Below the horizon the altitude is negative: at midnight about
    // −(90° − 41°) less the half hour the sun is short of its lowest.
    e.setTimeOfDay(0, 12);
    EXPECT_NEAR(e.sunAltitudeNow(), -490, 10);
}

TEST(Sun, AzimuthOfABodyDueEast) {
    // A body on the celestial equator six hours before transit rises due
    // east at every latitude. The hour angle is held as a float, whose −π/2
    // is 4e-8 rad beyond the true one; the result must stay within a tenth.
    for (int latitude : {-6000, -2000, 0, 2000, 4101, 6000}) {
        Engine e;
        e.setPlace(static_cast<std::int16_t>(latitude), 0, 0);
        e.context.hourAngle = static_cast<float>(-kPi / 2);
        const auto azimuth = e.azimuthTenths(0.0f);
        EXPECT_GE(azimuth, 899) << latitude;
        EXPECT_LE(azimuth, 900) << latitude;
        // Due west six hours after transit.
        e.context.hourAngle = static_cast<float>(kPi / 2);
        EXPECT_NEAR(e.azimuthTenths(0.0f), 2700, 1) << latitude;
    }
    Engine equator;
    equator.setPlace(0, 0, 0);
    equator.context.hourAngle = static_cast<float>(-kPi / 2);
    EXPECT_EQ(equator.azimuthTenths(0.0f), 900);
}

TEST(Sun, AzimuthRangeAndTheMeridian) {
    Engine e;
    e.setPlace(4101, 2897, 120);
    e.context.hourAngle = 0.0f;
    // South of the zenith at transit for a body below the latitude...
    EXPECT_EQ(e.azimuthTenths(0.0f), 1800);
    // ... and just west of north, still below 3600, a little after a
    // northern culmination.
    e.context.hourAngle = 0.01f;
    const auto north = e.azimuthTenths(static_cast<float>(60 * kRadiansPerDegree));
    EXPECT_GE(north, 3590);
    EXPECT_LE(north, 3599);
}

// Around the June solstice at 65° N the sun stays above −18° all night.
// An engine at latitude (hundredths, 25° E, UTC+3) on a 2014 date in a mode.
Engine solverAt(std::int16_t latitude, std::int16_t day, std::int16_t month, std::int16_t mode) {
    Engine e;
    e.setAnglesAndMode(-1800, -1700, mode);
    e.setPlace(latitude, 2500, 180);
    e.setDate(day, month, 2014);
    return e;
}

// The solver's argument for an altitude (or its evening mirror) in degrees.
void solveDegrees(Engine& e, double degrees) { e.hourAngleForAltitude(static_cast<float>(degrees * kRadiansPerDegree)); }

TEST(AltitudeSolver, PolarTwilightFallsOnSolarMidnightWithoutLimits) {
    Engine e = solverAt(6500, 21, 6, 0);
    solveDegrees(e, -18);
    EXPECT_EQ(e.context.limitLevel, 0);
    EXPECT_FLOAT_EQ(e.context.hourAngle, -720.0f);
}

TEST(AltitudeSolver, PolarNightSunriseHeldAnHourAndAHalfFromTransit) {
    Engine e = solverAt(7000, 21, 12, 2);
    e.context.limitLevel = 2;
    solveDegrees(e, -1);
    EXPECT_NEAR(e.context.hourAngle, -90.0f, 0.01f);
    // The evening twin: the argument π − h selects the afternoon.
    solveDegrees(e, 181);
    EXPECT_NEAR(e.context.hourAngle, 90.0f, 0.01f);
    // Without limits the sun, never reaching −1°, "rises" at the transit.
    e.setAnglesAndMode(-1800, -1700, 0);
    solveDegrees(e, -1);
    EXPECT_FLOAT_EQ(e.context.hourAngle, 0.0f);
}

TEST(AltitudeSolver, EveryLevelHoldsItsDistancesAtEveryLatitude) {
    // Minutes from the transit and from local solar midnight per level.
    const double fromTransit[] = {0, 150, 90, 45};
    const double fromMidnight[] = {0, 30, 90, 150};
    for (std::int16_t level = 1; level <= 3; ++level) {
        for (std::int16_t latitude = -8900; latitude <= 8900; latitude += 100) {
            for (float altitudeDegrees : {-18.0f, -1.0f, 5.0f, 40.0f}) {
                Engine e = solverAt(latitude, 21, 6, 2);
                e.context.limitLevel = level;
                e.hourAngleForAltitude(static_cast<float>(altitudeDegrees * kRadiansPerDegree));
                const double minutes = -e.context.hourAngle;
                ASSERT_GE(minutes, fromTransit[level] - 0.01) << level << ' ' << latitude;
                ASSERT_LE(minutes, 720.0 - fromMidnight[level] + 0.01) << level << ' ' << latitude;
            }
        }
    }
}

TEST(AltitudeSolver, ShadowAltitudeWhenLatitudeEqualsDeclination) {
    // With no noon shadow the shadow of one length means an altitude of
    // 45° − 0.015°, of two lengths atan(1/2) − 0.030° ≈ 26.535°. Place the
    // observer at the sun's declination and check the altitude reached.
    for (int lengths : {1, 2}) {
        Engine e = solverAt(2344, 21, 6, 0);
        e.asrHourAngle(static_cast<std::uint8_t>(lengths));
        const double h = e.context.hourAngle * kPi / 720.0;
        const double phi = e.context.latitudeRadians;
        const double delta = e.context.declination;
        const double altitude =
            std::asin(std::sin(delta) * std::sin(phi) + std::cos(delta) * std::cos(phi) * std::cos(h)) / kRadiansPerDegree;
        const double expected = (lengths == 1 ? 45.0 : std::atan(0.5) / kRadiansPerDegree) - 0.015 * lengths;
        // The declination used by the shadow rule is the transit's, a few
        // hours from the event: allow its drift plus the observer's 0.003°.
        EXPECT_NEAR(altitude, expected, 0.01) << int(lengths);
        EXPECT_GT(e.context.hourAngle, 0.0f);
    }
}

}  // namespace
