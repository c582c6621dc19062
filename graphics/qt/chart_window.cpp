#include "graphics/qt/chart_window.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "graphics/qt/charts.h"
#include "graphics/sky_pictures.h"

namespace orvanta::graphics {

namespace {

Dib builtIn(std::span<const std::uint8_t> bytes) { return *readDib(bytes); }

}  // namespace

QImage renderChart(int command, ChartMoment moment, QSize size, std::optional<TimeMapPainter>& timeMap) {
    QImage surface = chartSurface(size.width(), size.height());
    engine::Engine& engine = moment.engine;
    const settings::Settings& s = moment.settings;
    switch (command) {
        case chart::kAngles: drawAngles(surface, settings::skyValues(engine)); break;
        case chart::kOrbits: drawOrbits(surface, dayPaths(engine), engine.context.timeOfDay); break;
        case chart::kYearlyTimes: drawYearlyTimes(surface, yearlyTimes(engine, s, moment.zone, moment.year)); break;
        case chart::kMoonView:
            drawCentred(surface, renderMoon(builtIn(moonResource()), engine.moonNow(), s.latitude < 0),
                        imageViewSize(size, false));
            break;
        case chart::kEarthView:
            drawCentred(surface, renderFlatEarth(builtIn(earthResource()), sunMoment(engine)), imageViewSize(size, true));
            break;
        case chart::kGlobeView:
            drawCentred(surface, renderGlobe(builtIn(earthResource()), sunMoment(engine)), imageViewSize(size, false));
            break;
        case chart::kTimeMap: {
            const Dib mask = builtIn(earthResource());
            const SunMoment sun = sunMoment(engine);
            if (timeMap) {
                timeMap->restart(sun);
            } else {
                timeMap.emplace(mask.width, mask.height, sun, (s.imsakAngle + s.yatsiAngle) / 2.0);
            }
            drawStretched(surface, renderTimeMap(mask, *timeMap, s.latitude, s.longitude));
            break;
        }
        case chart::kQiblaMap: drawStretched(surface, renderQiblaMap(builtIn(earthResource()), s.latitude, s.longitude)); break;
        default: break;
    }
    return surface;
}

ChartWindow::ChartWindow() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Orvanta"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
}

void ChartWindow::showChart(int command, const ChartMoment& moment, QScreen* screen) {
    const QRect area = screen->geometry();
    const QSize devicePixels = (QSizeF(area.size()) * screen->devicePixelRatio()).toSize();
    surface_ = renderChart(command, moment, devicePixels, timeMap_);
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
