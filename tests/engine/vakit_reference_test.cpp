// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's times against an independent solar computation.
//
// Reference: the low-precision solar coordinates of J. Meeus, Astronomical
// Algorithms (2nd ed., 1998), ch. 25 (varying eccentricity and obliquity,
// nutation in longitude and aberration), iterated to convergence at each
// event. The engine's shorter series differs by seconds; both are rounded
// to the minute, so they agree to within one minute.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "tests/engine/open_engine.h"

namespace {

using Engine = orvanta::engine::OpenEngine;

constexpr double kDeg = 3.14159265358979323846 / 180.0;

struct SunAt {
    double declinationDegrees;
    double transitUtMinutes;  // Greenwich transit, minutes after 0h UT
};

// Sun at day number `day` (days from 1 January 2000 0h UT) + utMinutes.
SunAt meeusSun(int dayNumber, double utMinutes) {
    const double jd = 2451544.5 + dayNumber + utMinutes / 1440.0;
    const double t = (jd - 2451545.0) / 36525.0;
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = 357.52911 + 35999.05029 * t - 0.0001537 * t * t;
    const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m * kDeg) +
                     (0.019993 - 0.000101 * t) * std::sin(2 * m * kDeg) + 0.000289 * std::sin(3 * m * kDeg);
    const double omega = 125.04 - 1934.136 * t;
    const double lambda = l0 + c - 0.00569 - 0.00478 * std::sin(omega * kDeg);
    const double epsilon = 23.439291 - 0.0130042 * t + 0.00256 * std::cos(omega * kDeg);
    const double alpha = std::atan2(std::cos(epsilon * kDeg) * std::sin(lambda * kDeg), std::cos(lambda * kDeg)) / kDeg;
    double equationOfTimeDegrees = std::remainder(l0 - 0.0057183 - alpha, 360.0);
    return {std::asin(std::sin(epsilon * kDeg) * std::sin(lambda * kDeg)) / kDeg, 720.0 - 4.0 * equationOfTimeDegrees};
}

// Local clock minutes at which the sun reaches altitudeDegrees, morning or
// evening; NaN when it does not that day.
double meeusEvent(int dayNumber, double latitude, double longitude, int offset, double altitudeDegrees,
                  bool morning) {
    double ut = 720.0 - 4.0 * longitude;
    for (int i = 0; i < 6; ++i) {
        const SunAt sun = meeusSun(dayNumber, ut);
        const double cosH = (std::sin(altitudeDegrees * kDeg) - std::sin(latitude * kDeg) * std::sin(sun.declinationDegrees * kDeg)) /
                            (std::cos(latitude * kDeg) * std::cos(sun.declinationDegrees * kDeg));
        if (std::fabs(cosH) > 0.95) return NAN;  // too near a polar limit to compare
        const double hourAngleMinutes = std::acos(cosH) / kDeg * 4.0;
        ut = sun.transitUtMinutes - 4.0 * longitude + (morning ? -hourAngleMinutes : hourAngleMinutes);
    }
    return ut + offset;
}

struct Place {
    const char* name;
    std::int16_t latitudeHundredths, longitudeHundredths, offset;
};

TEST(VakitReference, SolvedTimesAgreeWithMeeusToTheMinute) {
    const Place places[] = {
        {"İstanbul", 4101, 2897, 180}, {"Mekke", 2142, 3983, 180},  {"Cape Town", -3392, 1842, 120},
        {"Reykjavik", 6415, -2194, 0}, {"Jakarta", -617, 10685, 420}, {"Los Angeles", 3405, -11824, -480},
    };
    struct Rule {
        int index;  // 0 = İmsak .. 9 = Yatsı
        double altitude;
        bool morning;
    } rules[] = {{0, -18, true}, {1, -1, true}, {2, 5, true}, {7, 5, false}, {8, -1, false}, {9, -17, false}};

    int compared = 0;
    for (const Place& place : places) {
        Engine e;
        e.setAnglesAndMode(-1800, -1700, 1);
        e.setTemkin({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        e.setPlace(place.latitudeHundredths, place.longitudeHundredths, place.offset);
        for (const std::int16_t year : std::array<std::int16_t, 5>{1905, 2000, 2014, 2026, 2095}) {
            for (std::int16_t n = 1; n <= 365; n += 9) {
                e.setDate(n, 1, year);  // day n of January counts on into the later months
                const auto times = e.computeDay();
                for (const Rule& rule : rules) {
                    const double reference = meeusEvent(e.dayNumber(), place.latitudeHundredths / 100.0,
                                                        place.longitudeHundredths / 100.0, place.offset,
                                                        rule.altitude, rule.morning);
                    if (std::isnan(reference)) continue;
                    const double wrapped = std::fmod(std::round(reference) + 1440.0, 1440.0);
                    double diff = times[static_cast<std::size_t>(rule.index)] - wrapped;
                    if (diff > 720) diff -= 1440;
                    if (diff < -720) diff += 1440;
                    ++compared;
                    ASSERT_LE(std::fabs(diff), 1.0) << place.name << ' ' << year << " day " << n
                                                    << ' ' << orvanta::engine::vakitNames[rule.index + 1];
                }
                // Öğle: the transit plus two minutes.
                const double transit = meeusSun(e.dayNumber(), 720.0 - 4.0 * place.longitudeHundredths / 100.0)
                                           .transitUtMinutes -
                                       4.0 * place.longitudeHundredths / 100.0 + place.offset;
                ASSERT_LE(std::fabs(times[4] - std::round(transit + 2.0)), 1.0) << place.name << ' ' << year << ' ' << n;
            }
        }
    }
    EXPECT_GT(compared, 5000);
}

}  // namespace
