// orvanta-cli times: the ten daily times of consecutive days.
#include <algorithm>
#include <array>
#include <iterator>
#include <ostream>

#include <fmt/compile.h>
#include <fmt/format.h>

#include "engine/engine.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

// Twilight angles are altitudes; hundredths of ±90° fit the engine's shorts.
constexpr double kAngleLimitDegrees = 90.0;

}  // namespace

int runTimes(std::span<const std::string> args, std::ostream& out) {
    const Options options(args, {"ini", "lat", "lon", "offset", "date", "days", "mode", "imsak-angle",
                                 "yatsi-angle", "temkin", "preset"});
    const auto ini = iniSettings(options);
    const DayRange range = dayRangeOptions(options);
    const PlaceOptions place = placeOptions(options, ini, range.first);

    const settings::Settings base = withPreset(options, ini.value_or(settings::Settings{}));
    const auto mode = static_cast<std::int16_t>(options.has("mode") ? options.integer("mode", 0, 5) : base.calcMode);
    auto angleOption = [&](std::string_view name, float fallbackDegrees) {
        return options.has(name) ? options.hundredths(name, kAngleLimitDegrees)
                                 : static_cast<std::int16_t>(settings::angleHundredths(fallbackDegrees));
    };
    const std::int16_t imsak = angleOption("imsak-angle", base.imsakAngle);
    const std::int16_t yatsi = angleOption("yatsi-angle", base.yatsiAngle);
    std::array<std::int16_t, engine::kComputedVakits> temkin{};
    std::copy(base.temkin.begin(), base.temkin.end(), temkin.begin());
    if (options.has("temkin")) {
        const auto list = options.integerList("temkin", engine::kComputedVakits, -settings::kTemkinLimitMinutes,
                                              settings::kTemkinLimitMinutes);
        std::copy(list.begin(), list.end(), temkin.begin());
    }

    engine::Engine engine;
    engine.setTemkin(temkin);
    engine.setAnglesAndMode(imsak, yatsi, mode);
    engine.setPlace(place.latitudeHundredths, place.longitudeHundredths, place.offsetMinutes);
    // Every line goes into one buffer, written once: a century of days is
    // 2.5 MB, and formatting dominates the run.
    fmt::memory_buffer lines;
    forEachDay(engine, range, [&](const CivilDate& date) {
        fmt::format_to(std::back_inserter(lines), FMT_COMPILE("{:04}-{:02}-{:02}"), date.year, date.month, date.day);
        for (const std::uint16_t minutes : engine.computeDay()) {
            fmt::format_to(std::back_inserter(lines), FMT_COMPILE(" {:02}:{:02}"), minutes / 60, minutes % 60);
        }
        lines.push_back('\n');
    });
    out.write(lines.data(), static_cast<std::streamsize>(lines.size()));
    return kExitOk;
}

}  // namespace orvanta::cli
