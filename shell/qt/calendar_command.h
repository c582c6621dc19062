// SPDX-License-Identifier: GPL-3.0-or-later
// "Takvime Aktar": the coming year's prayer times as an iCalendar file for
// the user's calendar application.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "engine/engine.h"
#include "reports/reports.h"
#include "settings/settings.h"
#include "shell/clock_time.h"

namespace orvanta::shell {

// Days in the file: a year from today.
inline constexpr int kCalendarDays = 365;

// Writes "Vakitler-<Yer>-<yyyy-mm-dd>.ics" (İmsak, Güneş, Öğle, İkindi,
// Akşam and Yatsı of each day, the religious days as all-day events) in
// `folder`, made when missing, and hands it to the viewer; the Turkish
// message when it could not be written.
std::optional<std::string> exportCalendarYear(const engine::Engine& engine, const settings::Settings& settings,
                                              const ClockTime& today, const std::filesystem::path& folder,
                                              reports::ReportViewer& viewer);

}  // namespace orvanta::shell
