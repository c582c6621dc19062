// SPDX-License-Identifier: GPL-3.0-or-later
// The five pictures of the present moment in one place: the moon, the flat
// earth and the globe (the image views and the wallpaper) and the two world
// maps, for the engine's date and minute at the settings' place.
#pragma once

#include <optional>

#include "engine/engine.h"
#include "graphics/dib.h"
#include "graphics/image.h"
#include "graphics/world_maps.h"
#include "settings/settings.h"

namespace orvanta::graphics {

enum class Picture { Moon, FlatEarth, Globe, TimeMap, QiblaMap };

// The built-in pictures, read once.
const Dib& moonPicture();
const Dib& landMask();
// The resource a picture is drawn from (its header goes into wall.bmp).
const Dib& pictureSource(Picture picture);

// Draws `picture`. The time map goes on with `timeMap` (made at its first
// use with the twilight limit of the settings' angles), so its twilight
// count carries from one drawing to the next.
Image renderPicture(Picture picture, engine::Engine& engine, const settings::Settings& settings,
                    std::optional<TimeMapPainter>& timeMap);

}  // namespace orvanta::graphics
