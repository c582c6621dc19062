// SPDX-License-Identifier: GPL-3.0-or-later
// The "Vakitler" panel's values and texts for the place, date and minute
// the engine is set to (the scheduler keeps it at the clock's minute). One
// code path serves the panel and orvanta-cli sky, so both show the same.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "settings/settings.h"

namespace orvanta::settings {

// Sun, moon, qibla and field at the engine's moment (engine::skyAt).
using SkyValues = engine::SkyValues;
SkyValues skyValues(const engine::Engine& engine);

// The civil moment the panel shows (local clock).
struct PanelMoment {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

// Control ids of the panel's value fields and their texts.
struct PanelTexts {
    std::string title;
    std::vector<std::pair<int, std::string>> fields;  // id -> text, in filling order
    bool declinationEnabled = false;
};

// "İstanbul / Türkiye  (41.01°K, 28.97°D, +3.00)": the place, the
// hemispheres and the clock offset in hours (summer time included).
std::string panelTitle(const Settings& settings, std::int32_t clockOffsetMinutes);
// The Gregorian line, the Hijri line and the religious day (an empty
// second line when there is none).
std::string calendarText(const engine::Engine& engine, const PanelMoment& moment);
// Which rule gave the day's İmsak and Yatsı, one line each
// ("İmsak: takdir (45° ötesi, 12.4°)").
std::string twilightRulesText(const engine::Engine& engine);
// Every field of the panel in the order it is filled.
PanelTexts panelTexts(const engine::Engine& engine, const Settings& settings, const engine::VakitTimes& today,
                      const PanelMoment& moment);

}  // namespace orvanta::settings
