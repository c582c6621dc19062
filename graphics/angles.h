// SPDX-License-Identifier: GPL-3.0-or-later
// Angle units of the pictures and charts.
#pragma once

#include <numbers>

namespace orvanta::graphics {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kRadiansPerDegree = kPi / 180.0;
// The engine hands angles over in tenths of a degree.
inline constexpr double kRadiansPerTenth = kPi / 1800.0;

}  // namespace orvanta::graphics
