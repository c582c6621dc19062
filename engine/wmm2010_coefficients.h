// The World Magnetic Model 2010 coefficient tables (epoch 2010.0).
#pragma once

#include <array>

namespace orvanta::engine {

inline constexpr int kWmmDegree = 12;
using CoefficientTable = std::array<std::array<float, kWmmDegree + 1>, kWmmDegree + 1>;

// Main field (nT) and secular variation (nT/year), packed: g(n, m) at
// [m][n], h(n, m) at [n][m - 1].
extern const CoefficientTable kWmmMainField;
extern const CoefficientTable kWmmSecularVariation;

}  // namespace orvanta::engine
