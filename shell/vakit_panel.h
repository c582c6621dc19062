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

namespace orvanta::shell {

// The civil moment the panel shows (local clock).
struct PanelMoment {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

// The texts of the panel's value fields.
struct PanelTexts {
    std::string title;
    std::array<std::string, engine::kComputedVakits> times;  // İmsak .. Yatsı, "hh:mm"
    std::string calendar;
    std::string twilightRules;
    std::string qibla;
    std::string sunAzimuth;
    std::string sunAltitude;
    std::string magneticDeclination;
    std::string horizontalIntensity;
    std::string moonAzimuth;
    std::string moonAltitude;
    std::string moonElongation;
    std::string moonLatitude;
    std::string moonDistance;
    std::string sunDistance;
    std::string sunLongitude;
    std::string sunDeclination;
    std::string noonDeviation;
    std::string skyMessage;
    bool declinationEnabled = false;
};

// "İstanbul / Türkiye  (41.01°K, 28.97°D, +3.00)": the place, the
// hemispheres and the clock offset in hours (summer time included).
std::string panelTitle(const settings::Settings& settings, std::int32_t clockOffsetMinutes);
// The Gregorian line, the Hijri line and the religious day (an empty
// second line when there is none).
std::string calendarText(const engine::Engine& engine, const PanelMoment& moment);
// Which rule gave the day's İmsak and Yatsı, one line each
// ("İmsak: takdir (45° ötesi, 12.4°)").
std::string twilightRulesText(const engine::Engine& engine);
// Every field of the panel in the order it is filled.
PanelTexts panelTexts(const engine::Engine& engine, const settings::Settings& settings, const engine::VakitTimes& today,
                      const PanelMoment& moment);

}  // namespace orvanta::shell
