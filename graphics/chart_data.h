// SPDX-License-Identifier: GPL-3.0-or-later
// What the charts "Yörüngeler" and "Yıllık Vakit Grafiği" plot, computed
// on an engine of their own (the program's engine is left as it was).
//
// Time scales: minutes are local clock minutes after midnight of the
// engine's date; each of the yearly chart's days takes its own clock offset
// (settings::clockOffsetFor).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/engine.h"
#include "settings/settings.h"

namespace orvanta::graphics {

// A body's direction, tenths of a degree: azimuth from north towards east,
// altitude above the horizon.
struct SkyPosition {
    std::int16_t azimuthTenths = 0;
    std::int16_t altitudeTenths = 0;
};

inline constexpr int kMinutesPerDay = 1440;

// The moon and the sun at every minute of the engine's day.
struct DayPaths {
    std::vector<SkyPosition> moon;  // 1440, by minute
    std::vector<SkyPosition> sun;
};
DayPaths dayPaths(engine::Engine engine);

// The ten times of each of the first 365 days of `year` (a leap year's
// 366th day is not plotted), minutes after local midnight, İmsak .. Yatsı.
using DayTimes = std::array<std::uint16_t, engine::kComputedVakits>;
std::vector<DayTimes> yearlyTimes(const engine::CalculationParameters& parameters, const settings::Settings& settings,
                                  const platform::SystemZone& zone, int year);
inline constexpr int kPlottedDays = 365;

}  // namespace orvanta::graphics
