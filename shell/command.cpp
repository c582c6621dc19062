// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command.h"

#include <algorithm>
#include <utility>

namespace orvanta::shell {

namespace {

using enum Command;

constexpr std::pair<Command, std::string_view> kNames[] = {
    {VakitPanel, "VakitPanel"},
    {MonthlyTimetable, "MonthlyTimetable"},
    {YearlyTimetable, "YearlyTimetable"},
    {ReligiousDays, "ReligiousDays"},
    {MonthlyImsakiyePdf, "MonthlyImsakiyePdf"},
    {YearlyImsakiyePdf, "YearlyImsakiyePdf"},
    {RamadanImsakiyePdf, "RamadanImsakiyePdf"},
    {CalendarExport, "CalendarExport"},
    {ChartAngles, "ChartAngles"},
    {ChartOrbits, "ChartOrbits"},
    {ChartYearlyTimes, "ChartYearlyTimes"},
    {ChartMoonView, "ChartMoonView"},
    {ChartEarthView, "ChartEarthView"},
    {ChartGlobeView, "ChartGlobeView"},
    {ChartTimeMap, "ChartTimeMap"},
    {ChartQiblaMap, "ChartQiblaMap"},
    {WallpaperMoon, "WallpaperMoon"},
    {WallpaperEarth, "WallpaperEarth"},
    {WallpaperGlobe, "WallpaperGlobe"},
    {EzanSound, "EzanSound"},
    {Wake, "Wake"},
    {QuietOneHour, "QuietOneHour"},
    {QuietTwoHours, "QuietTwoHours"},
    {QuietFourHours, "QuietFourHours"},
    {QuietUntilMorning, "QuietUntilMorning"},
    {QuietOff, "QuietOff"},
    {MessagesNone, "MessagesNone"},
    {MessagesBalloon, "MessagesBalloon"},
    {MessagesBox, "MessagesBox"},
    {ChooseEzanSabah, "ChooseEzanSabah"},
    {ChooseEzanOgle, "ChooseEzanOgle"},
    {ChooseEzanIkindi, "ChooseEzanIkindi"},
    {ChooseEzanAksam, "ChooseEzanAksam"},
    {ChooseEzanYatsi, "ChooseEzanYatsi"},
    {ListenEzanSabah, "ListenEzanSabah"},
    {ListenEzanOgle, "ListenEzanOgle"},
    {ListenEzanIkindi, "ListenEzanIkindi"},
    {ListenEzanAksam, "ListenEzanAksam"},
    {ListenEzanYatsi, "ListenEzanYatsi"},
    {CalculationParameters, "CalculationParameters"},
    {Options, "Options"},
    {InternetTime, "InternetTime"},
    {Tally1, "Tally1"},
    {Tally2, "Tally2"},
    {Tally3, "Tally3"},
    {Tally4, "Tally4"},
    {Tally5, "Tally5"},
    {Manual, "Manual"},
    {Article, "Article"},
    {Mp3Converter, "Mp3Converter"},
    {About, "About"},
    {Exit, "Exit"},
};

// The names are listed in the enumerators' order, so a command's name is
// found by its value; this holds the list to it at compile time.
constexpr bool namesInEnumeratorOrder() {
    if (std::size(kNames) != static_cast<std::size_t>(kCommandCount)) return false;
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        if (static_cast<std::size_t>(kNames[i].first) != i) return false;
    }
    return true;
}
static_assert(namesInEnumeratorOrder(), "one name for each command, in the enumerators' order");

constexpr std::array<Command, kCommandCount> makeAllCommands() {
    std::array<Command, kCommandCount> commands{};
    for (std::size_t i = 0; i < commands.size(); ++i) commands[i] = kNames[i].first;
    return commands;
}

}  // namespace

const std::array<Command, kCommandCount>& allCommands() {
    static constexpr std::array<Command, kCommandCount> commands = makeAllCommands();
    return commands;
}

std::string_view commandName(Command command) { return kNames[static_cast<std::size_t>(command)].second; }

std::optional<Command> commandNamed(std::string_view name) {
    const auto* found = std::find_if(std::begin(kNames), std::end(kNames),
                                     [name](const auto& entry) { return entry.second == name; });
    if (found == std::end(kNames)) return std::nullopt;
    return found->first;
}

std::optional<int> indexIn(std::span<const Command> family, Command command) {
    const auto found = std::find(family.begin(), family.end(), command);
    if (found == family.end()) return std::nullopt;
    return static_cast<int>(found - family.begin());
}

}  // namespace orvanta::shell
