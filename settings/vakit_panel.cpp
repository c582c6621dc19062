// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/vakit_panel.h"

#include <fmt/printf.h>

#include <cstdlib>

namespace orvanta::settings {

namespace {

// First control id of the ten times (İmsak .. Yatsı), in order.
constexpr int kFirstTimeField = 1120;

std::string degrees(std::int32_t tenths) { return fmt::sprintf("%5.1f°", tenths * 0.1); }

}  // namespace

SkyValues skyValues(const engine::Engine& engine) {
    const engine::DayContext& moment = engine.state();
    return engine::skyAt(engine::placeOf(moment), engine::dateOf(moment), moment.timeOfDay);
}

std::string panelTitle(const Settings& settings, std::int32_t clockOffsetMinutes) {
    return fmt::sprintf("%s / %s  (%5.2f°%c, %5.2f°%c, %+5.2f)", settings.placeName, settings.countryName,
                        std::abs(settings.latitude) * 0.01, settings.latitude >= 0 ? 'K' : 'G',
                        std::abs(settings.longitude) * 0.01, settings.longitude >= 0 ? 'D' : 'B',
                        clockOffsetMinutes / 60.0);
}

std::string twilightRulesText(const engine::Engine& engine) {
    const engine::DayTimes day =
        engine::computeDay(engine::placeOf(engine.state()), engine::dateOf(engine.state()), engine.parameters);
    return "İmsak: " + engine::twilightRuleText(day.imsakRule, day.imsakDepressionDegrees) +
           "\nYatsı: " + engine::twilightRuleText(day.yatsiRule, day.yatsiDepressionDegrees);
}

std::string calendarText(const engine::Engine& engine, const PanelMoment& moment) {
    const engine::Date date = engine::dateOf(engine.state());
    const engine::HijriDate hijri =
        engine::hijriDate(engine::placeOf(engine.state()), date, engine.parameters.diyanetMethod);
    const std::string religious = hijri.religiousDays.joined(" | ");
    return fmt::sprintf("%d %s %4d  %s  %02d:%02d\n%s%d %s %4d\n%s", moment.day, engine::monthName(moment.month),
                        moment.year, engine::weekdayShortName(engine::weekdayOf(date)), moment.hour, moment.minute,
                        religious.empty() ? "\n" : "", hijri.day, engine::hijriMonthName(hijri.month), hijri.year,
                        religious.c_str());
}

PanelTexts panelTexts(const engine::Engine& engine, const Settings& settings, const engine::VakitTimes& today,
                      const PanelMoment& moment) {
    PanelTexts texts;
    texts.title = panelTitle(settings, engine.state().clockOffset);
    for (int k = 0; k < engine::kComputedVakits; ++k) {
        const int minutes = today[static_cast<std::size_t>(k + 1)];
        texts.fields.emplace_back(kFirstTimeField + k, fmt::sprintf("%02d:%02d", minutes / 60, minutes % 60));
    }
    texts.fields.emplace_back(1131, calendarText(engine, moment));
    texts.fields.emplace_back(1149, twilightRulesText(engine));
    const SkyValues sky = skyValues(engine);
    texts.fields.emplace_back(1132, degrees(sky.qibla));
    texts.fields.emplace_back(1133, degrees(sky.sunAzimuth));
    texts.fields.emplace_back(1134, degrees(sky.sunAltitude));
    texts.fields.emplace_back(1144, degrees(sky.magneticDeclination));
    texts.declinationEnabled = sky.modelValid;
    texts.fields.emplace_back(1145, fmt::sprintf("%5.1f µT", sky.horizontalIntensity * 0.1));
    texts.fields.emplace_back(1142, degrees(sky.moonAzimuth));
    texts.fields.emplace_back(1143, degrees(sky.moonAltitude));
    texts.fields.emplace_back(1140, degrees(sky.moonElongation));
    texts.fields.emplace_back(1141, degrees(sky.moonLatitude));
    texts.fields.emplace_back(1139, fmt::sprintf("%5.1f Mm", sky.moonDistance * 0.1));
    texts.fields.emplace_back(1135, fmt::sprintf("%5.1f Gm", sky.sunDistance * 0.1));
    texts.fields.emplace_back(1136, degrees(sky.sunLongitude));
    texts.fields.emplace_back(1137, degrees(sky.sunDeclination));
    texts.fields.emplace_back(1138, fmt::sprintf("%5.1f'", sky.noonDeviation * 0.1));
    texts.fields.emplace_back(1146, std::string(sky.skyMessage));
    return texts;
}

}  // namespace orvanta::settings
