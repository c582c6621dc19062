// SPDX-License-Identifier: GPL-3.0-or-later
// The World Magnetic Models 2010, 2015 (its 2018 revision), 2020 and 2025:
// each holds for the five years from its epoch.
#pragma once

#include <array>

namespace orvanta::engine {

inline constexpr int kWmmDegree = 12;
using CoefficientTable = std::array<std::array<float, kWmmDegree + 1>, kWmmDegree + 1>;

struct WmmModel {
    float epochYear;  // decimal year the main field holds at (2010.0, ...)
    // Main field (nT) and secular variation (nT/year), packed: g(n, m) at
    // [m][n], h(n, m) at [n][m - 1].
    CoefficientTable mainField;
    CoefficientTable secularVariation;
};

inline constexpr int kWmmModelCount = 4;
// By epoch, WMM2010 first.
extern const std::array<WmmModel, kWmmModelCount> kWmmModels;

}  // namespace orvanta::engine
