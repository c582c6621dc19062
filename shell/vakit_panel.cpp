// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/vakit_panel.h"

#include <fmt/printf.h>

#include <cstdlib>

#include "graphics/sky_values.h"

namespace orvanta::shell {

namespace {

std::string degrees(std::int32_t tenths) { return fmt::sprintf("%5.1f°", tenths * 0.1); }

}  // namespace

std::string panelTitle(const settings::Settings& settings, std::int32_t clockOffsetMinutes) {
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

PanelTexts panelTexts(const engine::Engine& engine, const settings::Settings& settings, const engine::VakitTimes& today,
                      const PanelMoment& moment) {
    PanelTexts texts;
    texts.title = panelTitle(settings, engine.state().clockOffset);
    for (int k = 0; k < engine::kComputedVakits; ++k) {
        const int minutes = today[static_cast<std::size_t>(k + 1)];
        texts.times[static_cast<std::size_t>(k)] = fmt::sprintf("%02d:%02d", minutes / 60, minutes % 60);
    }
    texts.calendar = calendarText(engine, moment);
    texts.twilightRules = twilightRulesText(engine);
    const graphics::SkyValues sky = graphics::skyValues(engine);
    texts.qibla = degrees(sky.qibla);
    texts.sunAzimuth = degrees(sky.sunAzimuth);
    texts.sunAltitude = degrees(sky.sunAltitude);
    texts.magneticDeclination = degrees(sky.magneticDeclination);
    texts.declinationEnabled = sky.modelValid;
    texts.horizontalIntensity = fmt::sprintf("%5.1f µT", sky.horizontalIntensity * 0.1);
    texts.moonAzimuth = degrees(sky.moonAzimuth);
    texts.moonAltitude = degrees(sky.moonAltitude);
    texts.moonElongation = degrees(sky.moonElongation);
    texts.moonLatitude = degrees(sky.moonLatitude);
    texts.moonDistance = fmt::sprintf("%5.1f Mm", sky.moonDistance * 0.1);
    texts.sunDistance = fmt::sprintf("%5.1f Gm", sky.sunDistance * 0.1);
    texts.sunLongitude = degrees(sky.sunLongitude);
    texts.sunDeclination = degrees(sky.sunDeclination);
    texts.noonDeviation = fmt::sprintf("%5.1f'", sky.noonDeviation * 0.1);
    texts.skyMessage = std::string(sky.skyMessage);
    return texts;
}

}  // namespace orvanta::shell
