// orvanta-cli times: the ten daily times of consecutive days.
#include <array>
#include <ostream>

#include "engine/engine.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

constexpr double kLatitudeLimitDegrees = 90.0;
constexpr double kLongitudeLimitDegrees = 180.0;
// Twelve hours either way covers every zone on earth with its summer time.
constexpr std::int32_t kOffsetLimitMinutes = 720;
// A hundred years of days at most.
constexpr std::int32_t kMaxDays = 36600;
// Twilight angles are altitudes; hundredths of ±90° fit the engine's shorts.
constexpr double kAngleLimitDegrees = 90.0;
// A temkin beyond half a day would move a time out of its day.
constexpr std::int32_t kTemkinLimitMinutes = 720;

}  // namespace

int runTimes(std::span<const std::string> args, std::ostream& out) {
    const Options options(args, {"lat", "lon", "offset", "date", "days", "mode", "imsak-angle", "yatsi-angle",
                                 "temkin"});
    const std::int16_t latitude = options.hundredths("lat", kLatitudeLimitDegrees);
    const std::int16_t longitude = options.hundredths("lon", kLongitudeLimitDegrees);
    const auto offset = static_cast<std::int16_t>(options.integer("offset", -kOffsetLimitMinutes, kOffsetLimitMinutes));
    CivilDate date = options.date("date");
    const std::int32_t days = options.has("days") ? options.integer("days", 1, kMaxDays) : 1;

    engine::Engine& engine = engine::sharedEngine();
    const engine::CalculationParameters defaults;
    const auto mode = static_cast<std::int16_t>(options.has("mode") ? options.integer("mode", 0, 5) : defaults.mode);
    const std::int16_t imsak = options.has("imsak-angle") ? options.hundredths("imsak-angle", kAngleLimitDegrees)
                                                          : static_cast<std::int16_t>(defaults.imsakAngle * 100);
    const std::int16_t yatsi = options.has("yatsi-angle") ? options.hundredths("yatsi-angle", kAngleLimitDegrees)
                                                          : static_cast<std::int16_t>(defaults.yatsiAngle * 100);
    std::array<std::int16_t, engine::kComputedVakits> temkin{};
    for (int i = 0; i < engine::kComputedVakits; ++i) {
        temkin[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(engine::defaultTemkin[static_cast<std::size_t>(i)]);
    }
    if (options.has("temkin")) {
        const auto list =
            options.integerList("temkin", engine::kComputedVakits, -kTemkinLimitMinutes, kTemkinLimitMinutes);
        std::copy(list.begin(), list.end(), temkin.begin());
    }

    CivilDate last = date;
    for (std::int32_t i = 1; i < days; ++i) last = nextDay(last);
    if (last.year > 2099) throw UsageError("--days: the days run past 2099-12-31");

    engine.setTemkin(temkin);
    engine.setAnglesAndMode(imsak, yatsi, mode);
    engine.setPlace(latitude, longitude, offset);
    for (std::int32_t i = 0; i < days; ++i) {
        engine.setDate(static_cast<std::int16_t>(date.day), static_cast<std::int16_t>(date.month),
                       static_cast<std::int16_t>(date.year));
        out << formatDate(date);
        for (const std::uint16_t minutes : engine.computeDay()) out << ' ' << formatClock(minutes);
        out << '\n';
        date = nextDay(date);
    }
    return kExitOk;
}

}  // namespace orvanta::cli
