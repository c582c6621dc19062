// SPDX-License-Identifier: GPL-3.0-or-later
// The sky at the moment an engine is set to: what the "Açılar" chart draws,
// the "Vakitler" panel shows and orvanta-cli sky prints, from this one code
// path (engine::skyAt) so that all three agree.
#pragma once

#include "engine/day_times.h"
#include "engine/engine.h"

namespace orvanta::graphics {

using SkyValues = engine::SkyValues;

// engine::skyAt for the place, date and minute the engine holds.
SkyValues skyValues(const engine::Engine& engine);

}  // namespace orvanta::graphics
