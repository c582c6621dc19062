// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/cli.h"

#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <vector>

#include "tools/cli/arguments.h"

namespace orvanta::cli {

namespace {

constexpr const char* kUsage =
    "usage: orvanta-cli <command> [options]\n"
    "\n"
    "commands:\n"
    "  times --lat DEG --lon DEG --offset MIN --date YYYY-MM-DD [--days N] [--mode M]\n"
    "        [--imsak-angle DEG] [--yatsi-angle DEG] [--temkin T1,...,T10] [--preset diyanet]\n"
    "      the ten daily times Imsak .. Yatsi as HH:MM, one line per day.\n"
    "      --offset is the clock's lead on UT in minutes, summer time included\n"
    "      (-720..900: zones run from UTC-12 to UTC+14, plus an hour of summer time).\n"
    "      --zone AREA/CITY (e.g. Europe/Berlin) instead gives each day the offset\n"
    "      of that zone of the time-zone database, summer time included.\n"
    "  hijri --lat DEG --lon DEG --offset MIN --date YYYY-MM-DD [--days N] [--preset diyanet]\n"
    "      the Hijri date found from the moon, and the religious days after ' | '.\n"
    "  sky --lat DEG --lon DEG --offset MIN --date YYYY-MM-DD --time HH:MM [--preset diyanet]\n"
    "      sun, moon, qibla and geomagnetic values as key=value lines, in the\n"
    "      engine's integer units (mostly tenths of a degree), and the rules\n"
    "      that gave the day's Imsak and Yatsi.\n"
    "  place --row N [--csv FILE]\n"
    "      line N of the place database as the program stores it:\n"
    "      name;country;zone minutes;latitude;longitude (hundredths of a degree).\n"
    "  place --find TEXT [--csv FILE]\n"
    "      the places whose name (Turkish, local or English), region or country\n"
    "      holds TEXT, best first: row;name;region;country;IANA zone;latitude;\n"
    "      longitude (degrees). Exit 1 when none does.\n"
    "  events --ini FILE --date YYYY-MM-DD [--preset diyanet]\n"
    "      the day's ezans, salas, reminders, warnings and notices in firing order\n"
    "      as 'HH:MM kind detail' lines: the scheduler run over the day's 1440\n"
    "      minutes with the settings of FILE (which is only read).\n"
    "  report monthly|yearly|religious|ramadan --ini FILE --year Y [--month M] [--preset diyanet]\n"
    "        [--format text|pdf --out FILE]\n"
    "      the month's timetable with its sun and moon tables (monthly, needs\n"
    "      --month), the year's timetable, or the year's religious days. With\n"
    "      --format pdf the printable A4 imsakiye of the month, the year or the\n"
    "      Ramadan that begins in the year (1 Ramazan to the Bayram) is written\n"
    "      to --out.\n"
    "  render moon|earth|globe|timemap|qiblamap --date YYYY-MM-DD --time HH:MM --out FILE.bmp\n"
    "        [--ini FILE] [--lat DEG --lon DEG --offset MIN|--zone AREA/CITY] [--preset diyanet]\n"
    "      the picture the program draws at that moment as a 24-bit BMP: the moon\n"
    "      (328x328), the flat earth (800x400), the globe (401x400), the prayer-time\n"
    "      or the qibla world map (800x400) with the place marked. The file is\n"
    "      replaced whole or not at all.\n"
    "  timecheck --ini FILE [--set]\n"
    "      asks the time servers of the settings file as the program does and\n"
    "      prints SERVER ADDRESS drift=+N s (the PC's lead); with --set the clock\n"
    "      is corrected, by a day at most (a larger jump exits 1 unset). Exit 3\n"
    "      when no server gave a sound answer.\n"
    "  next [--ini FILE] [--json | --waybar] [--date YYYY-MM-DD --time HH:MM]\n"
    "      the next prayer time and the time left, as the tray tip counts (the\n"
    "      settings file of the program folder without --ini): a line of text,\n"
    "      JSON, or the JSON of a Waybar custom module (text, tooltip, class,\n"
    "      percentage). --date and --time ask about another moment than now.\n"
    "  export ics --ini FILE --from YYYY-MM-DD --days N [--times imsak,ogle,...]\n"
    "        [--alarm MIN] [--zone AREA/CITY] --out FILE\n"
    "      an iCalendar file: one event for each chosen time of each day, in the\n"
    "      place's zone (with its VTIMEZONE) or in UTC, an alarm MIN minutes before\n"
    "      when asked, and the religious days as all-day events.\n"
    "  export csv --ini FILE --from YYYY-MM-DD --days N [--zone AREA/CITY] --out FILE\n"
    "      a spreadsheet file (UTF-8, a header row, one row per day): the date,\n"
    "      the Hijri date, the ten times and the religious day.\n"
    "  mp3wav SOURCE.mp3 DEST.wav\n"
    "      wraps an MP3 file (after a leading ID3v2 tag) as a WAV file that\n"
    "      declares MPEG Layer-3 data; on failure prints the warning and exits 1.\n"
    "\n"
    "times, hijri, sky and render also take --ini FILE: the place, the clock offset and\n"
    "(times) the temkins, angles and mode come from that settings file; options\n"
    "given on the command line win; each day has its own offset. Without --ini,\n"
    "--lat, --lon and --offset (or --zone) are required. --preset diyanet takes\n"
    "the values that follow the Turkish Presidency of Religious Affairs'\n"
    "timetables (mode 4, -18/-17 degrees, temkins 0 -6 10 0 3 4 4 0 6 0; beyond\n"
    "45 degrees of latitude its European rule) and its world Hijri calendar;\n"
    "options given beside it still win nearer the equator than 45 degrees.\n";

using Command = std::function<int(std::span<const std::string>, std::ostream&)>;

const std::map<std::string, Command, std::less<>>& commands() {
    static const std::map<std::string, Command, std::less<>> table{
        {"times", runTimes},
        {"hijri", runHijri},
        {"sky", runSky},
        {"place", runPlace},
        {"mp3wav", runMp3Wav},
        {"events", runEvents},
        {"report", runReport},
        {"render", runRender},
        {"next", runNext},
        {"export", runExport},
    };
    return table;
}

}  // namespace

int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << kUsage;
        return kExitOk;
    }
    const auto command = commands().find(args[0]);
    if (command == commands().end()) {
        err << "orvanta-cli: unknown command " << echoed(args[0]) << " (try --help)\n";
        return kExitUsage;
    }
    return runCommand(args, command->second, out, err);
}

int runCommand(std::span<const std::string> args,
               const std::function<int(std::span<const std::string>, std::ostream&)>& command, std::ostream& out,
               std::ostream& err) {
    // Results are collected first so that a bad argument found late still
    // leaves standard output empty.
    std::ostringstream results;
    try {
        const int status = command(args.subspan(1), results);
        out << results.view();
        return status;
    } catch (const CommandFailure& failure) {
        err << failure.what();
        return failure.status();
    } catch (const UsageError& error) {
        err << "orvanta-cli " << args[0] << ": " << error.what() << '\n';
        return kExitUsage;
    }
}

int runHelperProgram(int argc, char** argv, std::string_view subcommand, std::string_view usage,
                     const std::function<int(std::span<const std::string>, std::ostream&)>& command) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] != subcommand) {
        std::cerr << usage << '\n';
        return kExitUsage;
    }
    const int status = runCommand(args, command, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? status : kExitFailure;
}

}  // namespace orvanta::cli
