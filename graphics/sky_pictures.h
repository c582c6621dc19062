// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the present moment: the moon with its phase, the earth
// as a flat map with day, twilight and night, and the globe seen from above
// the equator with the day-night boundary through its centre.
//
// Time scales: the sun's position comes from the engine at its timeOfDay
// (local clock minutes); the Greenwich hour angle T = timeOfDay −
// (clockOffset + transit) is in minutes of time, so T = 0 puts the sun on
// the meridian of Greenwich.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "graphics/dib.h"
#include "graphics/image.h"

namespace orvanta::graphics {

// The sun as the engine leaves it after sunAtLocalTime at timeOfDay.
struct SunMoment {
    std::int16_t timeOfDayMinutes = 0;   // local clock minutes after midnight
    std::int16_t clockOffsetMinutes = 0; // the clock's lead on UT
    float transitMinutes = 0.0f;         // UT minutes of the sun's Greenwich transit, + 0.5
    float declinationRadians = 0.0f;
    float localHourAngleRadians = 0.0f;  // at the place; negative before noon
};
// Places the engine's sun at its timeOfDay and reads it.
SunMoment sunMoment(engine::Engine& engine);

// The moon ("Ay", 328 x 328) at elongation `elongationTenths` (tenths of a
// degree from the sun, 0 new, 1800 full): the lit part in the picture's
// greys, the dark part at the earthshine's cos²(πp)/8 of them, the
// terminator pixel at half. South of the equator the picture is turned by
// 180°, as the moon stands in the southern sky.
Image renderMoon(const Dib& moon, std::int32_t elongationTenths, bool southernHemisphere);

// The darkening divisor of a place whose sun has altitude sine s: 1 by day
// (s > 0), 4 at night (s < -0.3), 1 - 10 s in between.
double daylightDivisor(double sunSine);
// Land (255, 160, 0) or sea (0, 0, 255), each part divided and truncated.
Rgb earthColour(bool land, double divisor);

// The flat earth ("Yeryüzü", 800 x 400): land orange, sea blue, darkened
// by a divisor 1 (sun up) to 4 (sun 0.3 in sine below the horizon).
Image renderFlatEarth(const Dib& landMask, const SunMoment& sun);

// The globe ("Yerküre", 401 x 400: the earth's flattening 1/298 widens
// it): the hemisphere centred 90° east of the sub-solar meridian in the
// afternoon (the evening terminator faces the viewer), 90° west of it in
// the morning.
Image renderGlobe(const Dib& landMask, const SunMoment& sun);

}  // namespace orvanta::graphics
