// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/qt/chart_window.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "graphics/qt/charts.h"
#include "graphics/pictures.h"

namespace orvanta::graphics {

QImage renderChart(Chart chart, ChartMoment moment, QSize size, std::optional<TimeMapPainter>& timeMap) {
    QImage surface = chartSurface(size.width(), size.height());
    engine::Engine& engine = moment.engine;
    const settings::Settings& s = moment.settings;
    const auto picture = [&](Picture p) { return renderPicture(p, engine, s, timeMap); };
    switch (chart) {
        case Chart::Angles: drawAngles(surface, skyValues(engine)); break;
        case Chart::Orbits: drawOrbits(surface, dayPaths(engine), engine.state().timeOfDay); break;
        case Chart::YearlyTimes: drawYearlyTimes(surface, yearlyTimes(engine.parameters, s, moment.zone, moment.year)); break;
        case Chart::MoonView: drawCentred(surface, picture(Picture::Moon), imageViewSize(size, false)); break;
        case Chart::EarthView: drawCentred(surface, picture(Picture::FlatEarth), imageViewSize(size, true)); break;
        case Chart::GlobeView: drawCentred(surface, picture(Picture::Globe), imageViewSize(size, false)); break;
        case Chart::TimeMap: drawStretched(surface, picture(Picture::TimeMap)); break;
        case Chart::QiblaMap: drawStretched(surface, picture(Picture::QiblaMap)); break;
    }
    return surface;
}

ChartWindow::ChartWindow() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Orvanta"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
}

void ChartWindow::showChart(Chart chart, const ChartMoment& moment, QScreen* screen) {
    const QRect area = screen->geometry();
    const QSize devicePixels = (QSizeF(area.size()) * screen->devicePixelRatio()).toSize();
    surface_ = renderChart(chart, moment, devicePixels, timeMap_);
    setGeometry(area);
    if (!isVisible()) {
        show();
        raise();
        activateWindow();
    }
    update();
}

void ChartWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), surface_);
}

void ChartWindow::keyPressEvent(QKeyEvent*) { dismiss(); }
void ChartWindow::mousePressEvent(QMouseEvent*) { dismiss(); }

void ChartWindow::dismiss() {
    hide();
    emit dismissed();
}

}  // namespace orvanta::graphics
