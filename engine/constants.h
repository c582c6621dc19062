// SPDX-License-Identifier: GPL-3.0-or-later
// Constants shared by the engine's computations (internal to engine/).
// The values are those of the program's series, as doubles.
#pragma once

namespace orvanta::engine::constants {

// cos ε and sin ε of the fixed obliquity of the ecliptic (ε ≈ 23.44°),
// used for the sun and the moon alike; no change with time.
inline constexpr double kCosObliquity = 0.9175;
inline constexpr double kSinObliquity = 0.3978;

// The sun's series (sun.cpp, and diyanet.cpp in double precision).
// Mean anomaly at J2000.0 and its daily motion (357.528°, 0.9856003°/day), rad.
inline constexpr double kMeanAnomalyAtEpoch = 6.240040768070287;
inline constexpr double kMeanAnomalyPerDay = 0.017201970343643867;
// Mean longitude at J2000.0 and its daily motion (280.461°, 0.9856474°/day), rad.
inline constexpr double kMeanLongitudeAtEpoch = 4.894967873435816;
inline constexpr double kMeanLongitudePerDay = 0.017202792393721557;
// Equation of centre: 1.915° sin g + 0.020° sin 2g, in radians.
inline constexpr double kCentreTerm1 = 0.03342305517569141;
inline constexpr double kCentreTerm2 = 0.00034906585039886593;

inline constexpr double kTwoPi = 6.283185307179586476925;
inline constexpr double kHalfPi = 1.570796326794896619231;
// π/720: radians of hour angle (or longitude) per minute of time.
inline constexpr double kRadiansPerMinute = 0.004363323129985824;
// 720/π: minutes of time per radian.
inline constexpr double kMinutesPerRadian = 229.1831180523293;
// 1800/π: tenths of a degree per radian.
inline constexpr double kTenthsPerRadian = 572.9577951308232;
// 180/π and π/180.
inline constexpr double kDegreesPerRadian = 57.29577951308232;
inline constexpr double kRadiansPerDegree = 0.017453292519943295769;

}  // namespace orvanta::engine::constants
