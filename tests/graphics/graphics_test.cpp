// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel rules of the pictures and maps, each against a value worked out by
// hand from the rule's geometry (source: the rule as the program defines
// it), and the "wall.bmp" layout byte for byte.
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/angles.h"
#include "graphics/chart_colours.h"
#include "graphics/dib.h"
#include "graphics/image.h"
#include "graphics/sky_pictures.h"
#include "graphics/world_maps.h"
#include "tests/support/little_endian.h"

namespace orvanta::graphics {
namespace {



Dib moon() { return *readDib(moonResource()); }
Dib earth() { return *readDib(earthResource()); }

// The sun over Greenwich (T = 0) at the equinox.
SunMoment sunOverGreenwich() { return SunMoment{720, 0, 720.0f, 0.0f, 0.0f}; }

Rgb sourceColour(const Dib& picture, int x, int storedRow) { return picture.colour(picture.index(x, storedRow)); }

TEST(BuiltInPictures, HaveTheirLayouts) {
    EXPECT_EQ(moon().coloursUsed, 16u);
    const Dib e = earth();
    EXPECT_EQ(e.pixelsPerMetreX, 3937);
    // Land mask sanity: central Anatolia land (33° E, 39° N), the middle of
    // the Atlantic (30° W, 30° N) sea.
    EXPECT_EQ(e.index(473, 286), 1);
    EXPECT_EQ(e.index(333, 266), 0);

    // A compressed or 8-bit picture is refused.
    std::vector<std::uint8_t> bytes(earthResource().begin(), earthResource().end());
    bytes[16] = 1;
    EXPECT_FALSE(readDib(bytes));
    bytes[16] = 0;
    bytes[14] = 8;
    EXPECT_FALSE(readDib(bytes));
}

TEST(MoonPicture, FullMoonIsLitRightOfTheLeftLimb) {
    const Dib source = moon();
    const Image full = renderMoon(source, 1800, false);
    // Stored row 50: half chord cos(asin(100/328 - 1)) = 0.7192, terminator
    // column (1 - 0.7192) × 164 - 1 = 45.05.
    EXPECT_EQ(full.atStoredRow(44, 50), (Rgb{0, 0, 0}));  // dark side: earthshine cos²(π/2)/8 ≈ 0
    EXPECT_EQ(full.atStoredRow(45, 50).red, sourceColour(source, 45, 50).red / 2);  // on the terminator
    EXPECT_EQ(full.atStoredRow(164, 50), sourceColour(source, 164, 50));
}

TEST(MoonPicture, FirstQuarterLitOnTheRightInTheNorthAndOnTheLeftInTheSouth) {
    const Dib source = moon();
    const Image north = renderMoon(source, 900, false);
    const Image south = renderMoon(source, 900, true);
    const int row = 164;
    for (int x : {100, 120}) {
        // Left: the dark side at earthshine cos²(π/4)/8 = 1/16.
        EXPECT_EQ(north.atStoredRow(x, row).red, static_cast<int>(sourceColour(source, x, row).red / 16.0));
        EXPECT_EQ(north.atStoredRow(327 - x, row), sourceColour(source, 327 - x, row));
        // South: the picture turned by 180°, its left half lit.
        EXPECT_EQ(south.atStoredRow(x, row), sourceColour(source, 327 - x, 327 - row));
        EXPECT_EQ(south.atStoredRow(327 - x, row).red, static_cast<int>(sourceColour(source, x, 327 - row).red / 16.0));
    }
}

TEST(EarthPictures, DaylightColoursAndTheGlobesRows) {
    const Image flat = renderFlatEarth(earth(), sunOverGreenwich());
    EXPECT_EQ(flat.atStoredRow(400, 200), (Rgb{0, 0, 255}));  // 0° E 0° N, sea, the sun overhead
    EXPECT_DOUBLE_EQ(daylightDivisor(-0.15), 2.5);
    EXPECT_EQ(earthColour(true, daylightDivisor(-0.15)), (Rgb{102, 64, 0}));
    EXPECT_EQ(earthColour(false, daylightDivisor(-0.5)), (Rgb{0, 0, 63}));

    const Image globe = renderGlobe(earth(), sunOverGreenwich());
    const std::string bytes = wallBmpBytes(globe, earth());
    EXPECT_EQ(globe.width, 401);
    EXPECT_EQ(bytes.size(), 54u + 1204u * 400u);  // 1203 bytes of pixels and one zero byte a row
    EXPECT_EQ(bytes[54 + 1203], '\0');
}

TEST(WallBmp, HeaderAsWrittenForTheMoon) {
    const Dib source = moon();
    const std::string bytes = wallBmpBytes(renderMoon(source, 0, false), source);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    const std::pair<std::size_t, std::uint32_t> fields[] = {{2, 0},   {6, 0},    {10, 54}, {14, 40}, {18, 328}, {22, 328},
                                                            {26, 0x180001}, {30, 0}, {34, 0}, {38, 0}, {42, 0}, {46, 16}, {50, 0}};
    for (const auto& [offset, value] : fields) EXPECT_EQ(test::littleEndianAt(bytes, offset), value) << "offset " << offset;
    EXPECT_EQ(bytes.size(), 54u + 984u * 328u);
}

TEST(WorldMaps, PlaceMarkCorners) {
    const auto mark = [](std::int32_t lat, std::int32_t lon) {
        const MapPoint point = placeMark(lat, lon, 800, 400);
        return std::pair{point.x, point.y};
    };
    EXPECT_EQ(mark(0, 0), std::pair(399, 199));
    EXPECT_EQ(mark(9000, 18000), std::pair(799, 0));
    const Image map = renderQiblaMap(earth(), 0, 0);
    EXPECT_EQ(map.at(399, 199), (Rgb{255, 0, 0}));
}

TEST(WorldMaps, QiblaBandNearAnkara) {
    EXPECT_EQ(qiblaBearingDegrees(473, 288, 800, 400), 339);  // 339.816...
    EXPECT_EQ(qiblaMapColour(473, 288, true, 800, 400), (Rgb{192, 192, 192}));  // band 22: even
    EXPECT_EQ(qiblaMapColour(473, 288, false, 800, 400), (Rgb{64, 64, 64}));
    // The whole map (drawn with the sines kept per row and column) is the
    // pixel rule everywhere but the mark.
    const Dib mask = earth();
    const Image map = renderQiblaMap(mask, 4101, 2897);
    int differing = 0;
    for (int r = 0; r < 400; ++r) {
        for (int x = 0; x < 800; ++x) differing += map.atStoredRow(x, r) != qiblaMapColour(x, r, mask.index(x, r) == 1, 800, 400);
    }
    EXPECT_EQ(differing, 1);
}

TEST(WorldMaps, TwilightEndsAtTheMeanOfTheTwoAngles) {
    const double limit = std::sin(-17.5 * kRadiansPerDegree);
    EXPECT_EQ(daylightBand(std::sin(-17.6 * kRadiansPerDegree), limit), 1);
    EXPECT_EQ(daylightBand(std::sin(-17.4 * kRadiansPerDegree), limit), 2);
    EXPECT_EQ(daylightBand(std::sin(4.9 * kRadiansPerDegree), limit), 3);
    EXPECT_EQ(daylightBand(std::sin(5.1 * kRadiansPerDegree), limit), 4);
}

TEST(WorldMaps, NoonLineAndIkindiLine) {
    TimeMapPainter painter(800, 400, sunOverGreenwich(), -17.5);
    const Image map = renderTimeMap(earth(), painter, 4101, 2897);
    const Rgb noon = kChartColours[10];
    for (int y = 0; y < 400; y += 37) EXPECT_EQ(map.at(400, y), noon) << y;
    // Stored row 250 (22.5° N): the İkindi altitude has cot = 1 + tan 22.5°,
    // sine 0.57735; the sun's sine cos 22.5° cos H falls below it between
    // the hour angles of columns 512 and 513 (51.30° and 51.75°).
    EXPECT_EQ(map.at(513, 399 - 250), kChartColours[11]);
    EXPECT_NE(map.at(512, 399 - 250), kChartColours[11]);
}

// With the sun far west of Greenwich (T below -720 minutes, an evening east
// of Greenwich in summer time) the noon column fell past the right edge and
// the noon line vanished.
TEST(WorldMaps, NoonLineStaysOnTheMapWhenTheSunIsFarWest) {
    SunMoment sun = sunOverGreenwich();
    sun.timeOfDayMinutes = 1420;
    sun.clockOffsetMinutes = 180;
    sun.transitMinutes = 2040.0f;  // T = 1420 - 180 - 2040 = -800
    TimeMapPainter painter(800, 400, sun, -17.5);
    const Image map = renderTimeMap(earth(), painter, 0, 0);
    // n = trunc((0.5 + 800 / 1440) × 800 - 1) = 843, 43 on the map: the line at 44.
    for (int y = 0; y < 400; y += 37) EXPECT_EQ(map.at(44, y), kChartColours[10]) << y;
}

}  // namespace
}  // namespace orvanta::graphics
