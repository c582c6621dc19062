// SPDX-License-Identifier: GPL-3.0-or-later
// The charts of "Grafikler" drawn with QPainter on a black W x H surface
// (device pixels). Coordinates are worked out in floating point and
// truncated toward zero; thick pens are W / 500 pixels wide.
#pragma once

#include <QImage>

#include "graphics/chart_data.h"
#include "graphics/image.h"
#include "graphics/sky_values.h"

namespace orvanta::graphics {

// A black surface of the given size, ready for a chart.
QImage chartSurface(int width, int height);

// "Açılar": the vertical gauge (altitudes of the horizon, the sun and the
// moon) and the horizontal one (the horizon, north, the compass, the sun,
// the moon and the qibla), with the legend rows.
void drawAngles(QImage& surface, const SkyValues& sky);

// "Yörüngeler": the horizon and the day's paths of the moon and the sun on
// a sphere seen slightly from the side; the bodies at `nowMinute` as discs.
void drawOrbits(QImage& surface, const DayPaths& paths, int nowMinute);

// "Yıllık Vakit Grafiği": the month and hour grid and the ten times of each
// day as dots, the time of day left to right, the year downwards.
void drawYearlyTimes(QImage& surface, const std::vector<DayTimes>& days);

// An image view: the picture scaled to `size` and centred on black.
void drawCentred(QImage& surface, const Image& picture, QSize size);
// A world map stretched over the whole surface.
void drawStretched(QImage& surface, const Image& map);

// The image view's size on a W x H surface: the flat earth fills it, the
// moon and the globe take a square of two thirds of the shorter side.
QSize imageViewSize(QSize surface, bool fillsTheScreen);

// The Image as a QImage (RGB32).
QImage toQImage(const Image& picture);

}  // namespace orvanta::graphics
