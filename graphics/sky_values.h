// SPDX-License-Identifier: GPL-3.0-or-later
// The sky at the moment the engine holds, in the engine's integer units: what
// the "Açılar" chart draws, the "Vakitler" panel shows and orvanta-cli sky
// prints, from this one code path so that all three agree.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/engine.h"

namespace orvanta::graphics {

// Sun, moon, qibla and field in the engine's integer units (tenths of a
// degree unless noted), asked in the panel's order: the engine's caches
// make the order part of the result.
struct SkyValues {
    std::int32_t qibla = 0;
    std::int32_t sunAzimuth = 0;
    std::int32_t sunAltitude = 0;
    std::int32_t magneticDeclination = 0;
    bool modelValid = false;             // the field model holds at the date and place
    std::int32_t horizontalIntensity = 0;  // hundreds of nT
    std::int32_t moonAzimuth = 0;
    std::int32_t moonAltitude = 0;
    std::int32_t moonElongation = 0;
    std::int32_t moonLatitude = 0;
    std::int32_t moonDistance = 0;       // tenths of a megametre, surface to surface
    std::int32_t sunDistance = 0;        // tenths of a gigametre
    std::int32_t sunLongitude = 0;
    std::int32_t sunDeclination = 0;
    std::int32_t noonDeviation = 0;      // tenths of a minute of time
    std::string_view skyMessage;         // an eclipse or the moon's visibility, or ""
};
SkyValues skyValues(engine::Engine& engine);

}  // namespace orvanta::graphics
