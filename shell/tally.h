// SPDX-License-Identifier: GPL-3.0-or-later
// The five tally counters ("Çetele"): a name, a value and an increment
// each, kept in the options group of the settings file (the Tally record
// lives in settings.h; settings_file.h reads and writes it).
#pragma once

#include <cstdint>
#include <optional>

#include "settings/settings.h"

namespace orvanta::shell {

// value + increment, or nothing when the sum leaves the 32-bit range
// (it is refused, not wrapped).
std::optional<std::int32_t> addIncrement(std::int32_t value, std::int32_t increment);

}  // namespace orvanta::shell
