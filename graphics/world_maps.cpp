// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/world_maps.h"

#include <cmath>

#include "graphics/angles.h"
#include <vector>

#include "graphics/chart_colours.h"

namespace orvanta::graphics {

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr double kDegreesPerMinute = 0.25;
// The sun's altitude above which it is day on the map, and below which
// it has set (refraction and the sun's radius: -1°).
const double kDaySine = std::sin(5.0 * kRadiansPerDegree);
const double kSetSine = std::sin(-1.0 * kRadiansPerDegree);
// Colour indices of kChartColours.
constexpr int kNight = 1;
constexpr int kTwilight = 2;
constexpr int kLowSun = 3;
constexpr int kDay = 4;
constexpr int kLandOffset = 4;
constexpr int kTwilightMark = 9;
constexpr int kNoonLine = 10;
constexpr int kIkindiLine = 11;
constexpr int kAsriSaniLine = 12;
// The Kaaba: 39.826° E, 21.4225° N, in radians.
constexpr double kKaabaLongitude = 0.6950977;
constexpr double kKaabaLatitude = 0.3738937;
constexpr double kDegreesPerRadianWest = -57.29577951308232;
constexpr int kQiblaBandDegrees = 15;
const Rgb kMarkColour{255, 0, 0};

// The sun's Greenwich hour angle in whole minutes of time.
int greenwichMinutes(const SunMoment& sun) {
    const int localMinusOffset = sun.timeOfDayMinutes - sun.clockOffsetMinutes;
    return static_cast<int>(static_cast<float>(localMinusOffset) - sun.transitMinutes);
}

}  // namespace

TimeMapPainter::TimeMapPainter(int width, int height, const SunMoment& sun, double twilightLimitDegrees)
    : width_(width), height_(height), twilightLimitSine_(std::sin(twilightLimitDegrees * kRadiansPerDegree)) {
    restart(sun);
}

void TimeMapPainter::restart(const SunMoment& sun) {
    greenwichMinutes_ = greenwichMinutes(sun);
    declination_ = sun.declinationRadians;
}

void TimeMapPainter::startRow(int storedRow) {
    if (storedRow == 0) {
        // One column left of the sub-solar meridian, brought into the map
        // whichever way T lies (below -720 minutes it would fall past the
        // right edge and the noon line would vanish).
        const int column = static_cast<int>((0.5 - greenwichMinutes_ / kMinutesPerDay) * width_ - 1.0);
        noonColumn_ = ((column % width_) + width_) % width_;
    }
    const auto latitude = static_cast<float>((static_cast<double>(storedRow) / height_ - 0.5) * kPi);
    const double shadowExcess = std::fabs(std::tan(static_cast<double>(latitude - declination_)));
    ikindiSine_ = std::sin(std::atan2(1.0, -1.0 - shadowExcess));
    asriSaniSine_ = std::sin(std::atan2(1.0, -2.0 - shadowExcess));
    sinProduct_ = std::sin(latitude) * std::sin(declination_);
    cosProduct_ = std::cos(latitude) * std::cos(declination_);
    markColumn_ = noonColumn_ - twilightCount_ / 4;
    if (markColumn_ < 0) markColumn_ += width_;
    twilightCount_ = 0;
    previousSine_ = 0.0;
}

int TimeMapPainter::colourIndex(int x, int storedRow, bool land) {
    if (x == 0) startRow(storedRow);
    const double hourAngleMinutes = ((x + 2.0) / width_ - 0.5) * kMinutesPerDay + greenwichMinutes_;
    const double s = sinProduct_ + cosProduct_ * std::cos(hourAngleMinutes * kDegreesPerMinute * kRadiansPerDegree);
    if (markColumn_ != noonColumn_ && x == markColumn_ && s > kDaySine) return kTwilightMark;
    if (x == noonColumn_ + 1) return kNoonLine;
    const double previous = previousSine_;
    previousSine_ = s;
    if (previous > ikindiSine_ && s < ikindiSine_) return kIkindiLine;
    if (previous > asriSaniSine_ && s < asriSaniSine_) return kAsriSaniLine;
    const int band = daylightBand(s, twilightLimitSine_);
    if (band == kTwilight) ++twilightCount_;
    return (land ? kLandOffset : 0) + band;
}

int daylightBand(double sunSine, double twilightLimitSine) {
    if (sunSine > kDaySine) return kDay;
    if (sunSine > kSetSine) return kLowSun;
    if (sunSine > twilightLimitSine) return kTwilight;
    return kNight;
}

namespace {

// The qibla's bearing in whole degrees from the sines and cosines of the
// longitude east of the Kaaba and of the latitude.
int qiblaBearing(double sinLongitude, double cosLongitude, double sinLatitude, double cosLatitude) {
    const double bearing =
        std::atan2(sinLongitude, cosLatitude * std::tan(kKaabaLatitude) - sinLatitude * cosLongitude);
    return static_cast<int>(bearing * kDegreesPerRadianWest + 180.0);
}

double longitudeFromKaaba(int x, int width) { return (static_cast<double>(x) / width - 0.5) * 2.0 * kPi - kKaabaLongitude; }
double mapLatitude(int storedRow, int height) { return (static_cast<double>(storedRow) / height - 0.5) * kPi; }

Rgb qiblaBandColour(int bearingDegrees, bool land) {
    if (bearingDegrees / kQiblaBandDegrees % 2 == 1) return land ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    return land ? Rgb{192, 192, 192} : Rgb{64, 64, 64};
}

}  // namespace

int qiblaBearingDegrees(int x, int storedRow, int width, int height) {
    const double longitude = longitudeFromKaaba(x, width);
    const double latitude = mapLatitude(storedRow, height);
    return qiblaBearing(std::sin(longitude), std::cos(longitude), std::sin(latitude), std::cos(latitude));
}

Rgb qiblaMapColour(int x, int storedRow, bool land, int width, int height) {
    return qiblaBandColour(qiblaBearingDegrees(x, storedRow, width, height), land);
}

MapPoint placeMark(std::int32_t latitudeHundredths, std::int32_t longitudeHundredths, int width, int height) {
    return {(longitudeHundredths + 18000) * (width - 1) / 36000, (height - 1) * (9000 - latitudeHundredths) / 18000};
}

namespace {

template <class Colour>
Image renderMap(const Dib& landMask, std::int32_t latitudeHundredths, std::int32_t longitudeHundredths, Colour colour) {
    Image image(landMask.width, landMask.height);
    for (int r = 0; r < landMask.height; ++r) {
        for (int x = 0; x < landMask.width; ++x) image.atStoredRow(x, r) = colour(x, r, landMask.index(x, r) == 1);
    }
    const MapPoint mark = placeMark(latitudeHundredths, longitudeHundredths, landMask.width, landMask.height);
    image.at(mark.x, mark.y) = kMarkColour;
    return image;
}

}  // namespace

Image renderTimeMap(const Dib& landMask, TimeMapPainter& painter, std::int32_t latitudeHundredths,
                    std::int32_t longitudeHundredths) {
    return renderMap(landMask, latitudeHundredths, longitudeHundredths, [&](int x, int r, bool land) {
        return kChartColours[static_cast<std::size_t>(painter.colourIndex(x, r, land))];
    });
}

Image renderQiblaMap(const Dib& landMask, std::int32_t latitudeHundredths, std::int32_t longitudeHundredths) {
    // The longitudes' sines and cosines once per column, the latitude's
    // once per row: the same values qiblaMapColour computes, left one
    // arc tangent a pixel.
    const int width = landMask.width;
    std::vector<double> sinLongitude(static_cast<std::size_t>(width));
    std::vector<double> cosLongitude(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        sinLongitude[static_cast<std::size_t>(x)] = std::sin(longitudeFromKaaba(x, width));
        cosLongitude[static_cast<std::size_t>(x)] = std::cos(longitudeFromKaaba(x, width));
    }
    int rowOfLatitude = -1;
    double sinLatitude = 0.0;
    double cosLatitude = 0.0;
    return renderMap(landMask, latitudeHundredths, longitudeHundredths, [&](int x, int r, bool land) {
        if (r != rowOfLatitude) {
            rowOfLatitude = r;
            sinLatitude = std::sin(mapLatitude(r, landMask.height));
            cosLatitude = std::cos(mapLatitude(r, landMask.height));
        }
        const auto column = static_cast<std::size_t>(x);
        return qiblaBandColour(qiblaBearing(sinLongitude[column], cosLongitude[column], sinLatitude, cosLatitude), land);
    });
}

}  // namespace orvanta::graphics
