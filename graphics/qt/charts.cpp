// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/qt/charts.h"

#include <QPainter>
#include <cmath>

#include "graphics/angles.h"

#include "graphics/chart_colours.h"

namespace orvanta::graphics {

namespace {

// Thick pens are W / 500 wide; text is spaced by W / 410 a character.
constexpr int kPenWidthDivisor = 500;
constexpr int kLetterSpacingDivisor = 410;
// Text is placed this far above the point it labels (half a line).
constexpr int kTextRaise = 7;

QColor rgb(int red, int green, int blue) { return QColor(red, green, blue); }
QColor chartColour(int index) {
    const Rgb& c = kChartColours[static_cast<std::size_t>(index)];
    return rgb(c.red, c.green, c.blue);
}

// A painter on the surface with the chart's text settings: white, spaced,
// no smoothing (every pixel where the geometry puts it).
class ChartPainter : public QPainter {
public:
    explicit ChartPainter(QImage& surface) : QPainter(&surface), width_(surface.width()), height_(surface.height()) {
        QFont textFont = font();
        textFont.setLetterSpacing(QFont::AbsoluteSpacing, width_ / kLetterSpacingDivisor);
        setFont(textFont);
        setPen(Qt::white);
    }
    double w() const { return width_; }
    double h() const { return height_; }
    int thick() const { return width_ / kPenWidthDivisor; }
    void line(double x1, double y1, double x2, double y2) {
        drawLine(QPoint(static_cast<int>(x1), static_cast<int>(y1)), QPoint(static_cast<int>(x2), static_cast<int>(y2)));
    }
    // Text with its top-left corner at (x, y).
    void text(double x, double y, const QString& text) {
        drawText(QRect(static_cast<int>(x), static_cast<int>(y), width_, height_), Qt::AlignLeft | Qt::AlignTop, text);
    }
    void point(double x, double y, const QColor& colour) {
        setPen(colour);
        drawPoint(static_cast<int>(x), static_cast<int>(y));
    }

private:
    int width_;
    int height_;
};

struct Needle {
    const char* label;
    std::int32_t angleTenths;
    QColor colour;
    double legendRow;  // fraction of H
    bool thin = false;  // dash-dot, one pixel wide
};

}  // namespace

QImage chartSurface(int width, int height) {
    QImage surface(width, height, QImage::Format_RGB32);
    surface.fill(Qt::black);
    return surface;
}

void drawAngles(QImage& surface, const SkyValues& sky) {
    ChartPainter p(surface);
    const double w = p.w();
    const double h = p.h();
    const double radius = 0.19 * w;
    const QPen white(Qt::white, p.thick());

    // The horizontal gauge and its six needles, a later one over an earlier.
    p.setPen(white);
    p.drawEllipse(QPointF(0.75 * w, 0.55 * h), radius, radius);
    const Needle needles[] = {
        {"UFUK", 0, rgb(255, 0, 0), 0.42},
        {"KUZEY", 0, rgb(0, 255, 0), 0.47},
        {"PUSULA", sky.magneticDeclination, rgb(255, 0, 255), 0.52, !sky.modelValid},
        {"GÜNEŞ", sky.sunAzimuth, rgb(255, 255, 0), 0.57},
        {"AY", sky.moonAzimuth, rgb(0, 0, 255), 0.62},
        {"KIBLE", sky.qibla, rgb(0, 255, 255), 0.67},
    };
    for (const Needle& needle : needles) {
        const QPen pen = needle.thin ? QPen(needle.colour, 0, Qt::DashDotLine) : QPen(needle.colour, p.thick());
        const double angle = needle.angleTenths * kRadiansPerTenth;
        p.setPen(pen);
        p.line(0.75 * w, 0.55 * h, (0.75 + 0.2 * std::sin(angle)) * w, 0.55 * h - 0.2 * w * std::cos(angle));
        p.line(0.05 * w, needle.legendRow * h, 0.1 * w, needle.legendRow * h);
        p.setPen(Qt::white);
        p.text(0.12 * w, needle.legendRow * h - kTextRaise, QString::fromUtf8(needle.label));
    }

    // The vertical gauge: the right half of a circle, bottom to top.
    p.setPen(white);
    const QRectF circle(0.25 * w - radius, 0.55 * h - radius, 2 * radius, 2 * radius);
    p.drawArc(circle, -90 * 16, 180 * 16);
    const std::pair<std::int32_t, QColor> altitudes[] = {
        {0, rgb(255, 0, 0)}, {sky.sunAltitude, rgb(255, 255, 0)}, {sky.moonAltitude, rgb(0, 0, 255)}};
    for (const auto& [altitudeTenths, colour] : altitudes) {
        const double angle = altitudeTenths * kRadiansPerTenth;
        p.setPen(QPen(colour, p.thick()));
        p.line(0.25 * w, 0.55 * h, (0.25 + 0.2 * std::cos(angle)) * w, 0.55 * h - 0.2 * w * std::sin(angle));
    }
    p.setPen(Qt::white);
    const double titleRow = 0.55 * h - 0.2 * w - 50;
    p.text(0.25 * w, titleRow, QStringLiteral("DİKEY"));
    p.text(0.75 * w - 30, titleRow, QStringLiteral("YATAY"));
}

void drawOrbits(QImage& surface, const DayPaths& paths, int nowMinute) {
    ChartPainter p(surface);
    const double w = p.w();
    const double h = p.h();
    // The sphere: a third of the width, tilted by 0.17 rad towards the viewer.
    constexpr double k = 1.0 / 3.0;
    constexpr double tilt = 0.17;
    const auto screenX = [&](double azimuth, double altitude) {
        return (std::cos(altitude) * std::cos(azimuth + tilt) + 1.4) * w * k;
    };
    const auto screenY = [&](double azimuth, double altitude) {
        return ((std::sin(azimuth) * std::cos(altitude) * std::sin(tilt) - std::sin(altitude) * std::cos(tilt)) * 0.8 + 1) *
               h * 0.5;
    };
    const int middle = surface.height() / 2;
    p.setPen(QPen(rgb(0, 255, 0), p.thick()));
    p.line(1.4 * w * k, middle, (std::cos(tilt) + 1.4) * w * k, middle);
    p.setPen(Qt::white);
    p.text(2.5 * w * k, middle - kTextRaise, QStringLiteral("KUZEY"));

    constexpr int kDiscRadius = 7;
    struct Body {
        const std::vector<SkyPosition>& path;
        QColor disc;
        QColor above;
        QColor below;
    };
    const Body bodies[] = {{paths.moon, rgb(128, 128, 128), rgb(0, 255, 255), rgb(0, 0, 255)},
                           {paths.sun, rgb(255, 255, 0), rgb(255, 255, 0), rgb(255, 0, 255)}};
    const QColor horizon = rgb(128, 128, 128);
    for (int minute = 0; minute < kMinutesPerDay; ++minute) {
        const double around = minute * 0.25 * kPi / 180.0;
        p.point(screenX(around, 0), screenY(around, 0), horizon);
        for (const Body& body : bodies) {
            const SkyPosition& at = body.path[static_cast<std::size_t>(minute)];
            const double azimuth = at.azimuthTenths * kRadiansPerTenth;
            const double altitude = at.altitudeTenths * kRadiansPerTenth;
            const double x = screenX(azimuth, altitude);
            const double y = screenY(azimuth, altitude);
            if (minute == nowMinute) {
                p.setPen(QPen(body.disc, 0));
                p.setBrush(body.disc);
                p.drawEllipse(QRect(static_cast<int>(x - kDiscRadius), static_cast<int>(y - kDiscRadius),
                                    2 * kDiscRadius, 2 * kDiscRadius));
                p.setBrush(Qt::NoBrush);
            }
            p.point(x, y, altitude > 0 ? body.above : body.below);
        }
    }
}

void drawYearlyTimes(QImage& surface, const std::vector<DayTimes>& days) {
    ChartPainter p(surface);
    const double w = p.w();
    const double h = p.h();
    const QColor grid = chartColour(1);
    // The day number each month from February on begins at, in a common year.
    constexpr int kMonthStarts[] = {31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    // Half a month above a month's line: 0.84 / 365 × 15 days.
    constexpr double kHalfMonth = 0.034520547945205475;
    for (int i = 1; i <= 11; ++i) {
        const double row = kMonthStarts[i - 1] * 0.84 / 365 + 0.06;
        p.setPen(grid);
        p.text(0.06 * w, h * (row - kHalfMonth) - kTextRaise, QString::asprintf("%02i", i));
        p.setPen(QPen(grid, 1, Qt::DotLine));
        p.line(0.1 * w, row * h, 0.94 * w, row * h);
        const double column = i * 0.84 / 12 + 0.1;
        p.setPen(grid);
        p.text(column * w - 9, 0.92 * h, QString::asprintf("%02i", 2 * i));
        p.setPen(QPen(grid, 1, Qt::DotLine));
        p.line(column * w, 0.06 * h, column * w, 0.9 * h);
    }
    p.setPen(grid);
    p.text(0.06 * w, 0.8654794520547945 * h - kTextRaise, QStringLiteral("12"));

    // İmsak, Güneş, İşrak, İstiva, Öğle, İkindi, Asr-ı Sani, İsfirar, Akşam, Yatsı.
    constexpr int kTimeColours[engine::kComputedVakits] = {9, 2, 3, 7, 4, 11, 12, 3, 2, 9};
    for (std::size_t n = 0; n < days.size(); ++n) {
        const double y = (static_cast<double>(n) * 0.84 / 365 + 0.06) * h;
        for (std::size_t j = 0; j < days[n].size(); ++j) {
            p.point((days[n][j] * 0.84 / 1440 + 0.1) * w, y, chartColour(kTimeColours[j]));
        }
    }
}

QImage toQImage(const Image& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& c = picture.at(x, y);
            line[x] = qRgb(c.red, c.green, c.blue);
        }
    }
    return image;
}

QSize imageViewSize(QSize surface, bool fillsTheScreen) {
    if (fillsTheScreen) return surface;
    const int side = 2 * std::min(surface.width(), surface.height()) / 3;
    return {side, side};
}

void drawCentred(QImage& surface, const Image& picture, QSize size) {
    QPainter p(&surface);
    const QImage scaled = toQImage(picture).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage((surface.width() - size.width()) / 2, (surface.height() - size.height()) / 2, scaled);
}

void drawStretched(QImage& surface, const Image& map) {
    QPainter p(&surface);
    p.drawImage(surface.rect(), toQImage(map));
}

}  // namespace orvanta::graphics
