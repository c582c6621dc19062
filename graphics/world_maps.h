// SPDX-License-Identifier: GPL-3.0-or-later
// The two world maps on the 800 x 400 land mask: "Vakit Haritası" (where it
// is day, low sun, twilight or night now, and where İkindi and Asr-ı Sani
// are just beginning) and "Kıble Haritası" (the direction of prayer from
// every point, in alternating 15° bands). Column x spans longitude -180° +
// 0.45° x, stored row r (from the southern edge) latitude -90° + 0.45° r.
#pragma once

#include <cstdint>

#include "graphics/dib.h"
#include "graphics/image.h"
#include "graphics/sky_pictures.h"

namespace orvanta::graphics {

// The sky's band at a point whose sun has altitude sine s: 4 day (above
// 5°), 3 low sun (above -1°), 2 twilight (above the twilight limit), 1
// night; comparisons strict.
int daylightBand(double sunSine, double twilightLimitSine);

// The colours of "Vakit Haritası", pixel by pixel. Its row state (the noon
// column, the mark column, the twilight count of the last row, the last
// pixel's sun) makes the order matter: rows from 0 up, each from column 0
// up. The twilight count lives on from one drawing to the next.
class TimeMapPainter {
public:
    // twilightLimitDegrees: the sun's altitude that ends twilight, the mean
    // of the İmsak and Yatsı angles (-17.5° by default).
    TimeMapPainter(int width, int height, const SunMoment& sun, double twilightLimitDegrees);
    // Starts a new drawing at another moment (the twilight count is kept).
    void restart(const SunMoment& sun);
    // The colour index (1..12 of kChartColours) of column x, stored row r.
    int colourIndex(int x, int storedRow, bool land);

private:
    void startRow(int storedRow);

    int width_;
    int height_;
    int greenwichMinutes_ = 0;
    float declination_ = 0.0f;
    double twilightLimitSine_;
    int noonColumn_ = 0;
    int markColumn_ = 0;
    int twilightCount_ = 0;
    double previousSine_ = 0.0;
    double ikindiSine_ = 0.0;
    double asriSaniSine_ = 0.0;
    double sinProduct_ = 0.0;  // sin φ sin δ
    double cosProduct_ = 0.0;  // cos φ cos δ
};

// The colour of "Kıble Haritası" at column x, stored row r of a width x
// height map: the qibla's bearing in whole degrees in bands of 15°, odd
// bands white land on black sea, even bands light grey land on dark grey.
Rgb qiblaMapColour(int x, int storedRow, bool land, int width, int height);
// The qibla's bearing there, whole degrees 0..360 (truncated).
int qiblaBearingDegrees(int x, int storedRow, int width, int height);

// The place's mark on a width x height map, y from the top; latitude and
// longitude in hundredths of a degree.
struct MapPoint {
    int x;
    int y;
};
MapPoint placeMark(std::int32_t latitudeHundredths, std::int32_t longitudeHundredths, int width, int height);

// The whole maps, with the place marked red.
Image renderTimeMap(const Dib& landMask, TimeMapPainter& painter, std::int32_t latitudeHundredths,
                    std::int32_t longitudeHundredths);
Image renderQiblaMap(const Dib& landMask, std::int32_t latitudeHundredths, std::int32_t longitudeHundredths);

}  // namespace orvanta::graphics
