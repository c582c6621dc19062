// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/sky_pictures.h"

#include <cmath>

#include "graphics/angles.h"

namespace orvanta::graphics {

namespace {

// Elongation in tenths of a degree of one synodic month: 360°.
constexpr double kTenthsPerTurn = 3600.0;
// Earthshine on the dark side at new moon: an eighth of the full light.
constexpr double kEarthshineAtNew = 1.0 / 8.0;
// Darkening divisors: day, night; twilight spans sine of altitude 0..-0.3.
constexpr double kDayDivisor = 1.0;
constexpr double kNightDivisor = 4.0;
constexpr double kNightSine = -0.3;
constexpr double kTwilightSlope = 10.0;
// Minutes of time per degree of the earth's turn, and per day.
constexpr double kDegreesPerMinute = 0.25;
constexpr double kMinutesPerDay = 1440.0;
// The earth's flattening, as the globe's width: height + height / 298.
constexpr int kFlatteningDivisor = 298;
// The globe's twilight: the sun 18° below the horizon.
constexpr double kTwilightDegrees = 18.0;

// The Greenwich hour angle of the sun in whole minutes of time.
int greenwichHourAngleMinutes(const SunMoment& sun) {
    const float sunAtGreenwich = static_cast<float>(sun.clockOffsetMinutes) + sun.transitMinutes;
    return static_cast<int>(static_cast<float>(sun.timeOfDayMinutes) - sunAtGreenwich);
}

Rgb scaled(Rgb colour, double factor) {
    return {static_cast<std::uint8_t>(colour.red * factor), static_cast<std::uint8_t>(colour.green * factor),
            static_cast<std::uint8_t>(colour.blue * factor)};
}

}  // namespace

double daylightDivisor(double sunSine) {
    if (sunSine > 0) return kDayDivisor;
    if (sunSine < kNightSine) return kNightDivisor;
    return 1.0 - kTwilightSlope * sunSine;
}

Rgb earthColour(bool land, double divisor) {
    if (land) return {static_cast<std::uint8_t>(255 / divisor), static_cast<std::uint8_t>(160 / divisor), 0};
    return {0, 0, static_cast<std::uint8_t>(255 / divisor)};
}

SunMoment sunMoment(engine::Engine& engine) {
    // The azimuth leaves the sun placed at the engine's minute.
    engine.sunAzimuthNow();
    const engine::DayContext& c = engine.state();
    return {c.timeOfDay, c.clockOffset, c.transit, c.declination, c.hourAngle};
}

Image renderMoon(const Dib& moon, std::int32_t elongationTenths, bool southernHemisphere) {
    const int size = moon.width;
    Image image(size, moon.height);
    double phase = elongationTenths / kTenthsPerTurn;
    const double earthshine = std::pow(std::cos(kPi * phase), 2) * kEarthshineAtNew;
    const bool waning = phase > 0.5;
    if (waning) phase -= 0.5;
    const double terminatorCosine = std::cos(2 * kPi * phase);
    for (int y = 0; y < moon.height; ++y) {
        const int sourceRow = southernHemisphere ? moon.height - 1 - y : y;
        const double yy = 2.0 * y / moon.height - 1.0;
        const double halfChord = std::cos(std::asin(yy));
        const double t = terminatorCosine * halfChord * (southernHemisphere ? -1.0 : 1.0);
        const double terminatorColumn = (1.0 + t) * size * 0.5 - 1.0;
        for (int x = 0; x < size; ++x) {
            const int sourceColumn = southernHemisphere ? size - 1 - x : x;
            auto side = static_cast<int>(terminatorColumn - x);
            if (waning) side = -side;
            if (southernHemisphere) side = -side;
            const double factor = side > 0 ? earthshine : side < 0 ? 1.0 : 0.5;
            image.atStoredRow(x, y) = scaled(moon.colour(moon.index(sourceColumn, sourceRow)), factor);
        }
    }
    return image;
}

Image renderFlatEarth(const Dib& landMask, const SunMoment& sun) {
    const int width = landMask.width;
    const int height = landMask.height;
    Image image(width, height);
    const int greenwich = greenwichHourAngleMinutes(sun);
    const double sinDeclination = std::sin(sun.declinationRadians);
    const double cosDeclination = std::cos(sun.declinationRadians);
    for (int y = 0; y < height; ++y) {
        const double latitude = (2.0 * y / height - 1.0) * kPi / 2.0;
        const double a = sinDeclination * std::sin(latitude);
        const double b = cosDeclination * std::cos(latitude);
        for (int x = 0; x < width; ++x) {
            const double hourAngleMinutes = greenwich + (static_cast<double>(x) / width - 0.5) * kMinutesPerDay;
            const double s = a + b * std::cos(hourAngleMinutes * kDegreesPerMinute * kRadiansPerDegree);
            image.atStoredRow(x, y) = earthColour(landMask.index(x, y) == 1, daylightDivisor(s));
        }
    }
    return image;
}

Image renderGlobe(const Dib& landMask, const SunMoment& sun) {
    const int maskWidth = landMask.width;
    const int height = landMask.height;
    const int width = height + height / kFlatteningDivisor;
    Image image(width, height);
    const int greenwich = greenwichHourAngleMinutes(sun);
    const bool afternoon = sun.localHourAngleRadians > 0;
    const int centralColumn =
        static_cast<int>(((afternoon ? 1.75 : 1.25) - greenwich / kMinutesPerDay) * maskWidth);
    const double twilightWidth = 0.5 * std::sin(kTwilightDegrees * kRadiansPerDegree) / std::cos(sun.declinationRadians);
    const double sinDeclination = std::sin(sun.declinationRadians);
    for (int y = 0; y < height; ++y) {
        const double yy = 2.0 * y / height - 1.0;
        const int sourceRow = static_cast<int>((std::asin(yy) / kPi + 0.5) * height);
        const double halfChord = std::cos(std::asin(yy));
        const double terminator = 0.5 * sinDeclination * yy;
        for (int x = 0; x < width; ++x) {
            double u = static_cast<double>(x) / width - 0.5;
            if (std::fabs(u / halfChord) > 0.5) continue;  // outside the disc: black
            const int column = static_cast<int>(std::asin(2.0 * u / halfChord) * maskWidth / kPi * 0.5 + centralColumn);
            const int sourceColumn = ((column % maskWidth) + maskWidth) % maskWidth;
            if (!afternoon) u = -u;
            const double divisor = u < terminator                  ? kDayDivisor
                                   : u > terminator + twilightWidth ? kNightDivisor
                                                                    : 3.0 / twilightWidth * (u - terminator) + 1.0;
            image.atStoredRow(x, y) = earthColour(landMask.index(sourceColumn, std::min(sourceRow, height - 1)) == 1, divisor);
        }
    }
    return image;
}

}  // namespace orvanta::graphics
