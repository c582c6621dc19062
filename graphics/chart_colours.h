// SPDX-License-Identifier: GPL-3.0-or-later
// The charts' colour table, indices 1..12, shared by the charts and the
// prayer-time world map.
#pragma once

#include <array>

#include "graphics/dib.h"

namespace orvanta::graphics {

inline constexpr std::array<Rgb, 13> kChartColours{{
    {0, 0, 0},        // (no index 0)
    {64, 64, 64},     // 1 sea at night
    {0, 0, 255},      // 2 sea in twilight
    {255, 128, 0},    // 3 sea, sun between -1° and 5°
    {255, 255, 128},  // 4 sea by day
    {0, 0, 0},        // 5 land at night
    {0, 0, 128},      // 6 land in twilight
    {128, 64, 0},     // 7 land, sun between -1° and 5°
    {128, 128, 64},   // 8 land by day
    {128, 0, 192},    // 9 the per-row twilight mark
    {192, 192, 192},  // 10 the noon line
    {0, 255, 0},      // 11 İkindi begins
    {0, 192, 0},      // 12 Asr-ı Sani begins
}};

}  // namespace orvanta::graphics
