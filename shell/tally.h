// SPDX-License-Identifier: GPL-3.0-or-later
// The five tally counters ("Çetele"): a name, a value and an increment
// each, kept in the options group of the settings file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/ini_file.h"

namespace orvanta::shell {

inline constexpr int kTallyCount = 5;
// A counter's name keeps this many characters (it is a menu caption).
inline constexpr std::size_t kTallyNameCharacters = 32;

struct Tally {
    std::string name;            // "Çetele-N" by default
    std::int32_t value = 0;
    std::int32_t increment = 1;  // negative counts down
};

// Counter 1..5 as the file holds it.
Tally readTally(const settings::IniDocument& document, int counter);
// Writes the counter's three keys in one replacement of the file; the name
// is cut to kTallyNameCharacters.
settings::SaveResult saveTally(settings::IniFile& file, int counter, const Tally& tally);
// value + increment, or nothing when the sum leaves the 32-bit range
// (it is refused, not wrapped).
std::optional<std::int32_t> addIncrement(std::int32_t value, std::int32_t increment);

}  // namespace orvanta::shell
