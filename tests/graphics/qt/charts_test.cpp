// SPDX-License-Identifier: GPL-3.0-or-later
// The charts drawn offscreen at 1024 x 768: colours at points worked out
// from each chart's geometry (pen width 2 there, gauge radius 194).
#include <gtest/gtest.h>

#include <QColor>
#include <cmath>

#include "graphics/angles.h"
#include "graphics/qt/chart_window.h"
#include "graphics/qt/charts.h"

namespace orvanta::graphics {
namespace {

constexpr int kW = 1024;
constexpr int kH = 768;
const QColor kYellow(255, 255, 0);

QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

TEST(Charts, AnglesNeedlesAndLegendRows) {
    SkyValues sky;
    sky.sunAzimuth = 900;     // due east: to the right of the gauge's centre (768, 422)
    sky.sunAltitude = -900;   // straight down from the vertical gauge's centre (256, 422)
    sky.moonAzimuth = 2700;
    sky.moonAltitude = 450;
    sky.qibla = 1500;
    sky.magneticDeclination = 100;
    sky.modelValid = true;
    QImage surface = chartSurface(kW, kH);
    drawAngles(surface, sky);
    EXPECT_EQ(at(surface, 870, 422), kYellow);
    EXPECT_EQ(at(surface, 256, 522), kYellow);
    EXPECT_EQ(at(surface, 768, 340), QColor(0, 255, 0)) << "north covers the horizon's needle";
    EXPECT_EQ(at(surface, 76, static_cast<int>(0.42 * kH)), QColor(255, 0, 0)) << "the horizon's legend row";
    EXPECT_EQ(at(surface, 76, static_cast<int>(0.57 * kH)), kYellow);
}

TEST(Charts, OrbitsDiscAtTheMinuteShown) {
    DayPaths paths;
    paths.moon.assign(kMinutesPerDay, SkyPosition{0, -600});
    paths.sun.assign(kMinutesPerDay, SkyPosition{1800, 300});  // south, 30° up
    QImage surface = chartSurface(kW, kH);
    drawOrbits(surface, paths, 720);
    const double pi = kPi;
    const double x = (std::cos(pi / 6) * std::cos(pi + 0.17) + 1.4) * kW / 3;
    const double y = ((-std::sin(pi / 6) * std::cos(0.17)) * 0.8 + 1) * kH * 0.5;
    EXPECT_EQ(at(surface, static_cast<int>(x) + 4, static_cast<int>(y)), kYellow);
    EXPECT_EQ(at(surface, static_cast<int>(x) + 12, static_cast<int>(y)), QColor(Qt::black));
}

TEST(Charts, YearlyTimesDotsInTheirColours) {
    std::vector<DayTimes> days(kPlottedDays, DayTimes{300, 420, 470, 700, 760, 960, 1020, 1040, 1080, 1170});
    QImage surface = chartSurface(kW, kH);
    drawYearlyTimes(surface, days);
    const int firstRow = static_cast<int>(0.06 * kH);
    EXPECT_EQ(at(surface, static_cast<int>((300 * 0.84 / 1440 + 0.1) * kW), firstRow), QColor(128, 0, 192));  // İmsak
    EXPECT_EQ(at(surface, static_cast<int>((960 * 0.84 / 1440 + 0.1) * kW), firstRow), QColor(0, 255, 0));   // İkindi
}

TEST(Charts, ImageViewsAndMapsOnTheScreen) {
    engine::Engine engine;
    engine.setPlace(3992, 3285, 180);
    engine.setDate(8, 10, 2014);  // the full moon of the lunar eclipse
    engine.setTimeOfDay(10, 0);
    settings::Settings place;
    place.latitude = 3992;
    place.longitude = 3285;
    std::optional<TimeMapPainter> timeMap;
    const QImage moon = renderChart(Chart::MoonView, {engine, place, {}, 2014}, QSize(kW, kH), timeMap);
    EXPECT_EQ(imageViewSize(QSize(kW, kH), false), QSize(512, 512));
    EXPECT_EQ(at(moon, 250, 384), QColor(Qt::black)) << "left of the square at (256, 128)";
    EXPECT_NE(at(moon, 512, 384), QColor(Qt::black)) << "the full moon's centre";

    // The qibla map stretched twice: stored row 288, column 473 (near Ankara, band 22, land).
    const QImage qibla = renderChart(Chart::QiblaMap, {engine, place, {}, 2014}, QSize(1600, 800), timeMap);
    EXPECT_EQ(at(qibla, 2 * 473 + 1, 800 - 2 * 288 - 1), QColor(192, 192, 192));
}

}  // namespace
}  // namespace orvanta::graphics
