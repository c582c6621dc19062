// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the tray menu, by name. The menu table
// (resources/menu.tsv) names each row's command in its second column;
// everything else in the program speaks of a command by its enumerator.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace orvanta::shell {

enum class Command {
    VakitPanel,
    MonthlyTimetable,
    YearlyTimetable,
    ReligiousDays,
    MonthlyImsakiyePdf,
    YearlyImsakiyePdf,
    RamadanImsakiyePdf,
    CalendarExport,
    ChartAngles,
    ChartOrbits,
    ChartYearlyTimes,
    ChartMoonView,
    ChartEarthView,
    ChartGlobeView,
    ChartTimeMap,
    ChartQiblaMap,
    WallpaperMoon,
    WallpaperEarth,
    WallpaperGlobe,
    EzanSound,
    Wake,
    QuietOneHour,
    QuietTwoHours,
    QuietFourHours,
    QuietUntilMorning,
    QuietOff,
    MessagesNone,
    MessagesBalloon,
    MessagesBox,
    ChooseEzanSabah,
    ChooseEzanOgle,
    ChooseEzanIkindi,
    ChooseEzanAksam,
    ChooseEzanYatsi,
    ListenEzanSabah,
    ListenEzanOgle,
    ListenEzanIkindi,
    ListenEzanAksam,
    ListenEzanYatsi,
    CalculationParameters,
    Options,
    InternetTime,
    Tally1,
    Tally2,
    Tally3,
    Tally4,
    Tally5,
    Manual,
    Article,
    Mp3Converter,
    About,
    Exit,
};

// Every command, in the order above.
inline constexpr int kCommandCount = static_cast<int>(Command::Exit) + 1;
const std::array<Command, kCommandCount>& allCommands();

// The name the menu table gives the command (its enumerator's name), and
// back; nothing for a name no command has.
std::string_view commandName(Command command);
std::optional<Command> commandNamed(std::string_view name);

// Commands that differ only in a number, listed in the number's order:
// an ezan slot (0 = SABAH), a message mode, a tally counter less one.
inline constexpr std::array kChooseEzanCommands{Command::ChooseEzanSabah, Command::ChooseEzanOgle,
                                                Command::ChooseEzanIkindi, Command::ChooseEzanAksam,
                                                Command::ChooseEzanYatsi};
inline constexpr std::array kListenEzanCommands{Command::ListenEzanSabah, Command::ListenEzanOgle,
                                                Command::ListenEzanIkindi, Command::ListenEzanAksam,
                                                Command::ListenEzanYatsi};
inline constexpr std::array kMessageModeCommands{Command::MessagesNone, Command::MessagesBalloon,
                                                 Command::MessagesBox};
inline constexpr std::array kTallyCommands{Command::Tally1, Command::Tally2, Command::Tally3, Command::Tally4,
                                           Command::Tally5};

// The place of `command` in `family`, or nothing when it is not one of them.
std::optional<int> indexIn(std::span<const Command> family, Command command);

}  // namespace orvanta::shell
