// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli hijri and sky: the Hijri calendar and the sky of a moment.
#include <ostream>
#include <utility>

#include "engine/engine.h"
#include "graphics/sky_values.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

// The command's own engine, with the calculation of the settings file (or
// the defaults) and --preset, at the place.
engine::Engine engineAtPlace(const Options& options, const PlaceOptions& place,
                             const std::optional<settings::Settings>& ini) {
    engine::Engine engine = engineFor(withPreset(options, ini.value_or(settings::Settings{})));
    engine.setPlace(place.latitudeHundredths, place.longitudeHundredths, place.offsetMinutes);
    return engine;
}

}  // namespace

int runHijri(std::span<const std::string> args, std::ostream& out) {
    const Options options(args, {"ini", "lat", "lon", "offset", "zone", "date", "days", "preset"});
    const auto ini = iniSettings(options);
    const DayRange range = dayRangeOptions(options);
    const PlaceOptions place = placeOptions(options, ini, range.first);
    const engine::Engine engine = engineAtPlace(options, place, ini);
    CivilDate date = range.first;
    for (std::int32_t i = 0; i < range.days; ++i, date = nextDay(date)) {
        const engine::HijriDate hijri =
            engine::hijriDate(engine::placeOf(engine.state()),
                              {static_cast<std::int16_t>(date.year), static_cast<std::int16_t>(date.month),
                               static_cast<std::int16_t>(date.day)},
                              engine.parameters.diyanetMethod);
        const std::string religious = hijri.religiousDays.joined(" | ");
        out << formatDate(date) << ' ' << hijri.day << ' ' << engine::hijriMonthName(hijri.month) << ' ' << hijri.year;
        if (!religious.empty()) out << " | " << religious;
        out << '\n';
    }
    return kExitOk;
}

int runSky(std::span<const std::string> args, std::ostream& out) {
    const Options options(args, {"ini", "lat", "lon", "offset", "zone", "date", "time", "preset"});
    const auto ini = iniSettings(options);
    const CivilDate date = options.date("date");
    const PlaceOptions place = placeOptions(options, ini, date);
    const auto [hour, minute] = options.timeOfDay("time");
    engine::Engine engine = engineAtPlace(options, place, ini);
    engine.setDate(static_cast<std::int16_t>(date.day), static_cast<std::int16_t>(date.month),
                   static_cast<std::int16_t>(date.year));
    engine.setTimeOfDay(hour, minute);

    // The values the Vakit panel shows, from the same code.
    const graphics::SkyValues sky = graphics::skyValues(engine);
    out << "sun_azimuth=" << sky.sunAzimuth << "\nsun_altitude=" << sky.sunAltitude
        << "\nmoon_elongation=" << sky.moonElongation << "\nmoon_latitude=" << sky.moonLatitude
        << "\nmoon_azimuth=" << sky.moonAzimuth << "\nmoon_altitude=" << sky.moonAltitude
        << "\nmoon_distance=" << sky.moonDistance << "\nsun_distance=" << sky.sunDistance
        << "\nsun_longitude=" << sky.sunLongitude << "\nsun_declination=" << sky.sunDeclination
        << "\nnoon_deviation=" << sky.noonDeviation << "\nqibla=" << sky.qibla
        << "\nmagnetic_declination=" << sky.magneticDeclination << "\nhorizontal_intensity=" << sky.horizontalIntensity
        << "\nmodel_valid=" << (sky.modelValid ? 1 : 0) << "\nsky_message=" << sky.skyMessage << '\n';
    // Which rule gave the day's İmsak and Yatsı.
    const engine::DayTimes day =
        engine::computeDay(engine::placeOf(engine.state()), engine::dateOf(engine.state()), engine.parameters);
    out << "imsak_rule=" << engine::twilightRuleText(day.imsakRule, day.imsakDepressionDegrees)
        << "\nyatsi_rule=" << engine::twilightRuleText(day.yatsiRule, day.yatsiDepressionDegrees) << '\n';
    return kExitOk;
}

}  // namespace orvanta::cli
