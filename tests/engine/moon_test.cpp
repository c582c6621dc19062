// SPDX-License-Identifier: GPL-3.0-or-later
// The moon: phase, latitude and altitude at the eclipses of 2014, the sun's
// panel values, the sky message and the moon cache.
#include <gtest/gtest.h>

#include "tests/engine/open_engine.h"

namespace {

using Engine = orvanta::engine::OpenEngine;
using orvanta::engine::moonSkyMessage;

Engine istanbulAt(std::int16_t day, std::int16_t month, std::int16_t year, std::int16_t hour, std::int16_t minute) {
    Engine e;
    e.setPlace(4101, 2897, 180);
    e.setDate(day, month, year);
    e.setTimeOfDay(hour, minute);
    return e;
}

// Total lunar eclipse of 15 April 2014, 07:46 UT: the moon is down at İstanbul.
TEST(Moon, LunarEclipseOfApril2014) {
    Engine e = istanbulAt(15, 4, 2014, 10, 46);
    EXPECT_EQ(e.moonNow(), 1799);
    EXPECT_EQ(e.moonLatitudeTenths(), -3);
    EXPECT_EQ(e.moonAltitudeTenths(), -473);
    EXPECT_EQ(moonSkyMessage(1799, -3, e.sunAltitudeNow(), -473), "Ay Dünya'dan görülebilir");
}

// Annular solar eclipse of 29 April 2014 (seen from Antarctica), 06:03 UT.
TEST(Moon, SolarEclipseOfApril2014) {
    Engine e = istanbulAt(29, 4, 2014, 9, 3);
    EXPECT_EQ(e.moonNow(), 3599);
    EXPECT_EQ(e.moonLatitudeTenths(), -9);
    const auto sunAltitude = e.sunAltitudeNow();
    EXPECT_GT(sunAltitude, 0);
    EXPECT_EQ(moonSkyMessage(3599, -9, sunAltitude, e.moonAltitudeTenths()), ">>>  GÜNEŞ tutulması  <<<");
}

TEST(Moon, FirstOfJanuary2014AtNoon) {
    Engine e = istanbulAt(1, 1, 2014, 12, 0);
    EXPECT_EQ(e.moonNow(), 3586);
    EXPECT_EQ(e.moonLatitudeTenths(), 46);
    // e′ = 14, b = 46: within 8° of the sun, no message.
    EXPECT_EQ(moonSkyMessage(3586, 46, 100, 100), "");
    EXPECT_EQ(e.sunDistanceTenths(), 1470);
    EXPECT_EQ(e.sunLongitudeTenths(), 2808);
    EXPECT_EQ(e.sunDeclinationTenths(), -229);
    EXPECT_EQ(e.noonDeviationTenths(), 34);
    // Before March 1999 the series' longitude is negative; the panel's
    // value still lies in 0..3599 (21 June: about 90°).
    EXPECT_NEAR(istanbulAt(21, 6, 1950, 12, 0).sunLongitudeTenths(), 900, 10);
}

TEST(Moon, SkyMessageRulesInOrder) {
    // Solar eclipse needs the sun up; lunar eclipse needs the moon up.
    EXPECT_EQ(moonSkyMessage(5, 0, 1, -1), ">>>  GÜNEŞ tutulması  <<<");
    EXPECT_EQ(moonSkyMessage(3595, 15, 1, -1), ">>>  GÜNEŞ tutulması  <<<");
    EXPECT_EQ(moonSkyMessage(5, 0, 0, 100), "");
    EXPECT_EQ(moonSkyMessage(5, 16, 100, 100), "");
    EXPECT_EQ(moonSkyMessage(1786, -15, -100, 1), ">>>   AY tutulması   <<<");
    EXPECT_EQ(moonSkyMessage(1814, 0, 100, 1), ">>>   AY tutulması   <<<");
    EXPECT_EQ(moonSkyMessage(1785, 0, 100, 1), "Ay buradan görülebilir");
    EXPECT_EQ(moonSkyMessage(1800, 0, 100, 0), "Ay Dünya'dan görülebilir");
    // Visibility at 8° from the sun, measured the shorter way round.
    EXPECT_EQ(moonSkyMessage(80, 0, 100, 5), "Ay buradan görülebilir");
    EXPECT_EQ(moonSkyMessage(79, 0, 100, 5), "");
    EXPECT_EQ(moonSkyMessage(3520, 0, 100, 5), "Ay buradan görülebilir");
    EXPECT_EQ(moonSkyMessage(3521, 0, 100, 5), "");
    EXPECT_EQ(moonSkyMessage(48, 64, 100, -5), "Ay Dünya'dan görülebilir");  // 48² + 64² = 80²
}

TEST(Moon, AccessorsComputeOnceUntilASetterRuns) {
    Engine e = istanbulAt(1, 1, 2014, 12, 0);
    const auto altitude = e.moonAltitudeTenths();
    EXPECT_EQ(e.context.moonValid, 1);
    // A cached read: the stored value comes back, nothing is recomputed.
    e.context.moonAltitude = 12.34f;
    EXPECT_EQ(e.moonAltitudeTenths(), 123);
    EXPECT_EQ(e.moonAzimuthTenths(), static_cast<int>(e.context.moonAzimuth));
    e.setTimeOfDay(12, 0);
    EXPECT_EQ(e.moonAltitudeTenths(), altitude);
    // computeMoon itself leaves the flag alone; the sun accessors always
    // recompute and do not touch it either.
    e.setDate(2, 1, 2014);
    e.computeMoon(600);
    EXPECT_EQ(e.context.moonValid, 0);
    e.moonNow();
    e.sunDistanceTenths();
    EXPECT_EQ(e.context.moonValid, 1);
}

}  // namespace
