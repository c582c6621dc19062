// The timetables ("İmsakiye") of a month or a year and the religious days of
// a year, written as text for a person to read.
//
// The reports borrow the engine's day context: they set dates, the place
// and times of day for every row. While they do, the scheduler is held off
// (tickCountdown at least 9) and afterwards asked to put today back
// (tickCountdown 0).
//
// Summer time in the timetables: with "Windows Yaz Saati" on, the European
// rule is reckoned for each day (April to September, and March from, and
// October until, the Sunday after the 24th), inverted south of the equator;
// otherwise the fixed "Yaz Saati" state holds for every day. The rule is a
// fixed approximation of the real zones, not the system's zone database.
//
// Text is UTF-8 with line feeds; columns padded to a width are padded by
// characters, so names with Turkish letters stay aligned.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "settings/settings.h"

namespace orvanta::reports {

enum class TimetableSpan { Month, Year };

// Reports compute on a copy of the engine they are given: the program's
// engine, which the scheduler keeps at today, is never moved.

// The timetable of month `month` (with its sun and moon tables) or of every
// month of `year`. The header of the first month shows the qibla and
// compass values of the place and date the engine holds on entry.
std::string timetableReport(engine::Engine engine, const settings::Settings& settings,
                            const settings::SystemZone& zone, int year, int month, TimetableSpan span);

// The religious days of `year` (every day of it examined) at the place and
// clock offset the engine holds on entry.
std::string religiousDaysReport(engine::Engine engine, int year);

// Opens a finished report for the user.
class ReportViewer {
public:
    virtual ~ReportViewer() = default;
    virtual void open(const std::filesystem::path& file) = 0;
};

// The desktop commands: write the report to `file` (replacing the last one)
// and hand it to the viewer. A report that could not be written is not
// opened; the Turkish message to show is returned instead.
std::optional<std::string> writeTimetableReport(const engine::Engine& engine, const settings::Settings& settings,
                                                const settings::SystemZone& zone, int year, int month,
                                                TimetableSpan span, const std::filesystem::path& file,
                                                ReportViewer& viewer);
std::optional<std::string> writeReligiousDaysReport(const engine::Engine& engine, int year,
                                                    const std::filesystem::path& file, ReportViewer& viewer);

// Whether European summer time holds on a day: `reachedSunday` tells
// whether the month's switching Sunday (the first after the 24th) has been
// reached; south of the equator the answer is inverted.
bool europeanSummerTime(int month, bool reachedSunday, bool southern);

// The text padded with blanks to `width` characters (as "%-*s" pads bytes).
std::string padRight(std::string_view text, std::size_t width);

}  // namespace orvanta::reports
