// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli times: the ten daily times of consecutive days.
#include <algorithm>
#include <array>
#include <cstddef>
#include <ostream>

#include "engine/engine.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

// Twilight angles are altitudes; hundredths of ±90° fit the engine's shorts.
constexpr double kAngleLimitDegrees = 90.0;

// "yyyy-mm-dd" and ten " hh:mm" and the line break.
constexpr std::size_t kLineBytes = 10 + engine::kComputedVakits * 6 + 1;
// Lines are gathered and written 64 KiB at a time.
constexpr std::size_t kChunkBytes = 65536;

// Writes value's last `digits` decimal digits, zero-padded. A century of
// days is 365,000 times: digit by digit costs a fraction of what a general
// formatter does, and the times themselves are the work worth the time.
char* putDigits(char* at, unsigned value, int digits) {
    for (int i = digits - 1; i >= 0; --i) {
        at[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return at + digits;
}

// One line of the listing at `at`; returns the end.
char* putDayLine(char* at, const CivilDate& date, const std::array<std::uint16_t, engine::kComputedVakits>& minutes) {
    at = putDigits(at, static_cast<unsigned>(date.year), 4);
    *at++ = '-';
    at = putDigits(at, static_cast<unsigned>(date.month), 2);
    *at++ = '-';
    at = putDigits(at, static_cast<unsigned>(date.day), 2);
    for (const std::uint16_t clockMinutes : minutes) {
        *at++ = ' ';
        at = putDigits(at, clockMinutes / 60u, 2);
        *at++ = ':';
        at = putDigits(at, clockMinutes % 60u, 2);
    }
    *at++ = '\n';
    return at;
}

}  // namespace

int runTimes(std::span<const std::string> args, std::ostream& out) {
    const Options options(args, {"ini", "lat", "lon", "offset", "zone", "date", "days", "mode", "imsak-angle",
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

    engine::Engine settingsEngine;  // turns the options' hundredths into the engine's parameters
    settingsEngine.setTemkin(temkin);
    settingsEngine.setAnglesAndMode(imsak, yatsi, mode);
    settingsEngine.parameters.diyanetMethod = base.diyanetMethod;
    const engine::CalculationParameters& parameters = settingsEngine.parameters;
    std::array<char, kChunkBytes> chunk;
    std::size_t used = 0;
    auto writeChunk = [&] {
        out.write(chunk.data(), static_cast<std::streamsize>(used));
        used = 0;
    };
    CivilDate date = range.first;
    for (std::int32_t i = 0; i < range.days; ++i, date = nextDay(date)) {
        // A summer-time switch moves the clock: that day on, the new offset.
        const engine::Place at{place.latitudeHundredths, place.longitudeHundredths, place.offsetOn(date)};
        const engine::Date day{static_cast<std::int16_t>(date.year), static_cast<std::int16_t>(date.month),
                               static_cast<std::int16_t>(date.day)};
        if (chunk.size() - used < kLineBytes) writeChunk();
        used = static_cast<std::size_t>(putDayLine(chunk.data() + used, date, engine::computeDay(at, day, parameters).times) -
                                        chunk.data());
    }
    writeChunk();
    return kExitOk;
}

}  // namespace orvanta::cli
