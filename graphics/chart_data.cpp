#include "graphics/chart_data.h"

namespace orvanta::graphics {

namespace {

constexpr int kSunday = 7;
constexpr int kSummerFromMonth = 4;
constexpr int kSummerToMonth = 10;
// Summer time starts and ends on the last Sunday of these months.
constexpr int kSpringMonth = 3;
constexpr int kAutumnMonth = 10;
constexpr int kLastWeekFrom = 25;

}  // namespace

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

std::vector<DayTimes> yearlyTimes(engine::Engine engine, const settings::Settings& settings,
                                  const settings::SystemZone& zone, int year) {
    std::vector<DayTimes> days;
    days.reserve(kPlottedDays);
    const std::int32_t zoneMinutes = settings.useSystemTimeZone ? zone.standardOffsetMinutes : settings.timeZoneMinutes;
    bool summer = settings.daylightSaving;
    // The year (and with it the leap rule of monthAndDayOf) stays the same.
    engine.setDate(1, 1, static_cast<std::int16_t>(year));
    for (int n = 1; n <= kPlottedDays; ++n) {
        std::int16_t day = 0;
        std::int16_t month = 0;
        engine.monthAndDayOf(static_cast<std::int16_t>(n), day, month);
        engine.setDate(day, month, static_cast<std::int16_t>(year));
        if (settings.useSystemDaylightSaving) {
            if (day == 1) summer = (month >= kSummerFromMonth && month <= kSummerToMonth) != (settings.latitude < 0);
            if (engine.weekday() == kSunday && day >= kLastWeekFrom && (month == kSpringMonth || month == kAutumnMonth)) {
                summer = !summer;
            }
        }
        engine.setPlace(static_cast<std::int16_t>(settings.latitude), static_cast<std::int16_t>(settings.longitude),
                        static_cast<std::int16_t>(zoneMinutes + (summer ? settings::kSummerTimeMinutes : 0)));
        days.push_back(engine.computeDay());
    }
    return days;
}

}  // namespace orvanta::graphics
