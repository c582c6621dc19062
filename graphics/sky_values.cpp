// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/sky_values.h"

namespace orvanta::graphics {

SkyValues skyValues(const engine::Engine& engine) {
    const engine::DayContext& moment = engine.state();
    return engine::skyAt(engine::placeOf(moment), engine::dateOf(moment), moment.timeOfDay);
}

}  // namespace orvanta::graphics
