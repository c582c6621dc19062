// SPDX-License-Identifier: GPL-3.0-or-later
// The Vakit panel's texts: the title's hemispheres and offset, the
// calendar lines with and without a religious day.
#include "shell/vakit_panel.h"

#include <gtest/gtest.h>

namespace orvanta::shell {
namespace {

TEST(VakitPanelTexts, TitleNamesHemispheresAndTheClockOffset) {
    settings::Settings santiago;
    santiago.placeName = "Santiago";
    santiago.countryName = "Şili";
    santiago.latitude = -3350;
    santiago.longitude = -7060;
    EXPECT_EQ(panelTitle(santiago, -240), "Santiago / Şili  (33.50°G, 70.60°B, -4.00)");
    settings::Settings istanbul;
    istanbul.placeName = "İstanbul";
    istanbul.countryName = "Türkiye";
    istanbul.latitude = 4101;
    istanbul.longitude = 2897;
    EXPECT_EQ(panelTitle(istanbul, 180), "İstanbul / Türkiye  (41.01°K, 28.97°D, +3.00)");
}

TEST(VakitPanelTexts, CalendarKeepsAnEmptyLineUnlessTheDayHasAName) {
    engine::Engine engine;
    engine.setPlace(4101, 2897, 120);
    engine.setDate(2, 10, 2014);
    engine.setTimeOfDay(9, 5);
    EXPECT_EQ(calendarText(engine, {2014, 10, 2, 9, 5}), "2 Ekim 2014  Per  09:05\n\n8 Zilhicce 1435\n");
    engine.setDate(4, 10, 2014);
    EXPECT_EQ(calendarText(engine, {2014, 10, 4, 9, 5}),
              "4 Ekim 2014  Cts  09:05\n10 Zilhicce 1435\nKurban Bayramı 1. gün");
}

}  // namespace
}  // namespace orvanta::shell
