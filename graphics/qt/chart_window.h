// SPDX-License-Identifier: GPL-3.0-or-later
// The "Grafikler" window: a frameless, top-most window over the whole
// screen that shows one chart, drawn off-screen and put on screen in one
// piece, until the first key press or mouse click hides it.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "engine/engine.h"
#include "graphics/world_maps.h"
#include "settings/settings.h"

class QScreen;

namespace orvanta::graphics {

// The charts of the "Grafikler" menu.
enum class Chart { Angles, Orbits, MoonView, EarthView, GlobeView, TimeMap, QiblaMap, YearlyTimes };

// What a chart is drawn from: an engine of its own at the place, date and
// minute shown, the settings, the system's zone and the clock's year.
struct ChartMoment {
    engine::Engine engine;
    settings::Settings settings;
    platform::SystemZone zone;
    int year = 0;
};

// Draws `chart` on a black surface of `size` device pixels. The
// time map's painter keeps its twilight count from one drawing to the next.
QImage renderChart(Chart chart, ChartMoment moment, QSize size, std::optional<TimeMapPainter>& timeMap);

class ChartWindow : public QWidget {
    Q_OBJECT
public:
    ChartWindow();

    // Draws the chart for the whole of `screen` and shows it there on top.
    void showChart(Chart chart, const ChartMoment& moment, QScreen* screen);
    const QImage& surface() const { return surface_; }

signals:
    // A key or a click hid the window.
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void dismiss();

    QImage surface_;
    std::optional<TimeMapPainter> timeMap_;
};

}  // namespace orvanta::graphics
