// SPDX-License-Identifier: GPL-3.0-or-later
// The timetables ("İmsakiye") of a month or a year and the religious days of
// a year, written as text for a person to read.
//
// Each day of a timetable has its own clock offset (settings::clockOffsetFor):
// the system's zone on that day with "Sistem" on, else the place's zone,
// else the fixed offset and "Yaz Saati" state.
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
                            const platform::SystemZone& zone, int year, int month, TimetableSpan span);

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
                                                const platform::SystemZone& zone, int year, int month,
                                                TimetableSpan span, const std::filesystem::path& file,
                                                ReportViewer& viewer);
std::optional<std::string> writeReligiousDaysReport(const engine::Engine& engine, int year,
                                                    const std::filesystem::path& file, ReportViewer& viewer);

// The text padded with blanks to `width` characters (as "%-*s" pads bytes).
std::string padRight(std::string_view text, std::size_t width);

}  // namespace orvanta::reports
