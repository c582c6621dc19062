// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli export: the times of a span of days as an iCalendar file or a
// CSV table.
#include <algorithm>
#include <ostream>

#include "exports/calendar_export.h"
#include "platform/linux/system_zone.h"
#include "settings/ini_file.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

using engine::VakitType;

// An alarm a day ahead at most.
constexpr std::int32_t kLongestAlarmMinutes = 1440;

// The IANA zone the place keeps its clock in: --zone when given, else the
// settings' own.
std::optional<std::string> zoneNameOf(const Options& options, const settings::Settings& settings) {
    if (!options.has("zone")) return exports::placeZoneName(settings);
    return options.text("zone");
}

// "imsak,ogle,...": keys of the ten times, in any order, each once.
std::vector<VakitType> chosenTimes(const Options& options) {
    const std::string list = options.has("times") ? options.text("times") : "imsak,gunes,ogle,ikindi,aksam,yatsi";
    std::vector<VakitType> times;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string_view key = std::string_view(list).substr(start, comma - start);
        const auto found = std::find(engine::vakitKeys.begin() + 1, engine::vakitKeys.end(), key);
        if (found == engine::vakitKeys.end()) {
            throw UsageError("--times: " + echoed(key) +
                             " is not one of imsak, gunes, israk, istiva, ogle, ikindi, asrisani, isfirar, aksam, yatsi");
        }
        const auto type = static_cast<VakitType>(found - engine::vakitKeys.begin());
        if (std::find(times.begin(), times.end(), type) != times.end()) throw UsageError("--times: " + echoed(key) + " given twice");
        times.push_back(type);
        start = comma + 1;
    }
    std::sort(times.begin(), times.end());
    return times;
}

}  // namespace

int runExport(std::span<const std::string> args, std::ostream& /*out*/) {
    if (args.empty() || (args[0] != "ics" && args[0] != "csv")) throw UsageError("expects ics or csv");
    const bool ics = args[0] == "ics";
    const Options options(args.subspan(1), ics ? std::vector<std::string_view>{"ini", "from", "days", "times", "alarm",
                                                                               "zone", "out", "preset"}
                                               : std::vector<std::string_view>{"ini", "from", "days", "zone", "out",
                                                                               "preset"});
    const auto fromFile = iniSettings(options);
    if (!fromFile) throw UsageError("--ini: missing option");
    const settings::Settings settings = withPreset(options, *fromFile);
    const DayRange range = dayRangeOptions(options, "from");
    const std::string& out = options.text("out");
    const std::optional<std::string> zoneName = zoneNameOf(options, settings);

    std::string text;
    try {
        const auto days = exports::exportDays(engineFor(settings).parameters, settings,
                                              {range.first.year, range.first.month, range.first.day}, range.days,
                                              exports::offsetOfDay(zoneName, settings, [](const exports::CalendarDay& day) {
                                                  return platform::systemZoneAtNoon(day.year, day.month, day.day);
                                              }));
        if (ics) {
            exports::IcsChoice choice{chosenTimes(options), std::nullopt, zoneName, settings.placeName,
                                      settings.latitude, settings.longitude};
            if (options.has("alarm")) choice.alarmMinutes = options.integer("alarm", 0, kLongestAlarmMinutes);
            text = exports::icsCalendar(days, choice);
        } else {
            text = exports::csvTable(days);
        }
    } catch (const exports::UnknownZone&) {
        throw UsageError("--zone: " + echoed(*zoneName) + " is not a zone of the zone database (e.g. Europe/Istanbul)");
    }
    if (const auto failure = common::replaceFileContents(out, text)) {
        throw CommandFailure("orvanta-cli export: cannot write " + echoed(out) + ": " + *failure + "\n");
    }
    return kExitOk;
}

}  // namespace orvanta::cli
