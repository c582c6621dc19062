// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli next: the next prayer time and the time left, for status bars
// and scripts, computed from the settings file without the running program.
#include <algorithm>
#include <ctime>
#include <ostream>
#include <string>

#include <fmt/format.h>

#include "platform/linux/program_environment.h"
#include "platform/linux/system_zone.h"
#include "settings/program_folder.h"
#include "shell/upcoming_time.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

using engine::VakitType;

constexpr std::int32_t kSecondsPerMinute = 60;
constexpr int kWholePercent = 100;

enum class NextFormat { Text, Json, Waybar };

std::string_view title(VakitType type) { return engine::vakitTitles[static_cast<std::size_t>(type)]; }
std::string_view key(VakitType type) { return engine::vakitKeys[static_cast<std::size_t>(type)]; }
std::string clock(std::uint16_t minutes) { return fmt::format("{:02}:{:02}", minutes / 60, minutes % 60); }
std::string hoursAndMinutes(std::int32_t minutes) { return fmt::format("{}:{:02}", minutes / 60, minutes % 60); }
timezone::LocalDate localDateOf(const std::tm& local) {
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// A JSON string literal of UTF-8 text.
std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (byte < 0x20) {
            quoted += fmt::format("\\u{:04x}", byte);
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

// The format flag, taken out of the arguments (the other options take values).
NextFormat takeFormat(std::vector<std::string>& args) {
    NextFormat format = NextFormat::Text;
    for (const auto& [flag, value] : {std::pair{"--json", NextFormat::Json}, std::pair{"--waybar", NextFormat::Waybar}}) {
        const auto found = std::find(args.begin(), args.end(), flag);
        if (found == args.end()) continue;
        if (format != NextFormat::Text) throw UsageError("--json and --waybar exclude each other");
        format = value;
        args.erase(found);
    }
    return format;
}

// The moment asked about: the clock, or --date and --time (whole minute).
std::tm localMoment(const Options& options) {
    std::time_t now = std::time(nullptr);
    if (options.has("date") || options.has("time")) {
        const CivilDate date = options.date("date");
        const auto [hour, minute] = options.timeOfDay("time");
        std::tm asked{};
        asked.tm_year = date.year - 1900;
        asked.tm_mon = date.month - 1;
        asked.tm_mday = date.day;
        asked.tm_hour = hour;
        asked.tm_min = minute;
        asked.tm_isdst = -1;
        now = std::mktime(&asked);
    }
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

settings::Settings settingsOf(const Options& options) {
    if (auto fromOption = iniSettings(options)) return *fromOption;
    const auto file = settings::companionPath(settings::programFolder(platform::currentFolderEnvironment()), "ini");
    std::vector<std::string> defaultIni{"--ini", file.string()};
    return *iniSettings(Options(defaultIni, {"ini"}));
}

std::string todayTooltip(const settings::Settings& settings, const engine::VakitTimes& times) {
    std::string tip = fmt::format("{} / {}", settings.placeName, settings.countryName);
    for (int t = static_cast<int>(VakitType::Imsak); t <= static_cast<int>(VakitType::Yatsi); ++t) {
        tip += fmt::format("\n{} {}", title(static_cast<VakitType>(t)), clock(times[static_cast<std::size_t>(t)]));
    }
    return tip;
}

}  // namespace

int runNext(std::span<const std::string> args, std::ostream& out) {
    std::vector<std::string> rest(args.begin(), args.end());
    const NextFormat format = takeFormat(rest);
    const Options options(rest, {"ini", "date", "time"});
    const settings::Settings settings = settingsOf(options);
    std::tm local = localMoment(options);
    const std::time_t now = std::mktime(&local);

    engine::Engine engine = engineFor(settings);
    engine.setPlace(static_cast<std::int16_t>(settings.latitude), static_cast<std::int16_t>(settings.longitude),
                    static_cast<std::int16_t>(settings::clockOffsetFor(settings, localDateOf(local),
                                                                       platform::systemZoneAt(now))
                                                  .minutes()));
    engine.setDate(static_cast<std::int16_t>(local.tm_mday), static_cast<std::int16_t>(local.tm_mon + 1),
                   static_cast<std::int16_t>(local.tm_year + 1900));
    const engine::VakitTimes times =
        engine::computeDay(engine::placeOf(engine.state()), engine::dateOf(engine.state()), engine.parameters).byType();

    const shell::UpcomingTime upcoming = shell::upcomingTime(times, local.tm_hour * 60 + local.tm_min, settings);
    const std::int64_t nextAt = now - local.tm_sec + std::int64_t{upcoming.minutesLeft} * kSecondsPerMinute;
    const std::uint16_t at = times[static_cast<std::size_t>(upcoming.type)];
    switch (format) {
    case NextFormat::Text:
        out << fmt::format("{} {}, kalan {}\n", title(upcoming.type), clock(at), hoursAndMinutes(upcoming.minutesLeft));
        break;
    case NextFormat::Json:
        out << fmt::format(R"({{"name":{},"title":{},"time":"{}","at":{},"secondsLeft":{},"place":{}}})" "\n",
                           jsonString(key(upcoming.type)), jsonString(title(upcoming.type)), clock(at), nextAt,
                           nextAt - now, jsonString(settings.placeName));
        break;
    case NextFormat::Waybar: {
        const std::int32_t span = upcoming.minutesSincePrevious + upcoming.minutesLeft;
        const int percentage = span == 0 ? kWholePercent : upcoming.minutesSincePrevious * kWholePercent / span;
        out << fmt::format(R"({{"text":{},"tooltip":{},"class":{},"percentage":{}}})" "\n",
                           jsonString(fmt::format("{} {}", title(upcoming.type), hoursAndMinutes(upcoming.minutesLeft))),
                           jsonString(todayTooltip(settings, times)), jsonString(key(upcoming.type)), percentage);
        break;
    }
    }
    return kExitOk;
}

}  // namespace orvanta::cli
