// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/chart_data.h"

namespace orvanta::graphics {

DayPaths dayPaths(engine::Engine engine) {
    DayPaths paths;
    paths.moon.reserve(kMinutesPerDay);
    paths.sun.reserve(kMinutesPerDay);
    for (int minute = 0; minute < kMinutesPerDay; ++minute) {
        engine.setTimeOfDay(static_cast<std::int16_t>(minute / 60), static_cast<std::int16_t>(minute % 60));
        paths.moon.push_back({static_cast<std::int16_t>(engine.moonAzimuthTenths()),
                              static_cast<std::int16_t>(engine.moonAltitudeTenths())});
        const std::int16_t azimuth = engine.sunAzimuthNow();
        paths.sun.push_back({azimuth, engine.sunAltitudeNow()});
    }
    return paths;
}

std::vector<DayTimes> yearlyTimes(const engine::CalculationParameters& parameters, const settings::Settings& settings,
                                  const platform::SystemZone& zone, int year) {
    std::vector<DayTimes> days;
    days.reserve(kPlottedDays);
    for (int n = 1; n <= kPlottedDays; ++n) {
        const engine::Date date = engine::dateOfDayOfYear(static_cast<std::int16_t>(year), static_cast<std::int16_t>(n));
        const std::int32_t offset = settings::clockOffsetFor(settings, {year, date.month, date.day}, zone).minutes();
        const engine::Place place{static_cast<std::int16_t>(settings.latitude),
                                  static_cast<std::int16_t>(settings.longitude), static_cast<std::int16_t>(offset)};
        days.push_back(engine::computeDay(place, date, parameters).times);
    }
    return days;
}

}  // namespace orvanta::graphics
