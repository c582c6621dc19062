// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/calendar_command.h"

#include <fmt/format.h>

#include "exports/calendar_export.h"
#include "platform/linux/system_zone.h"
#include "settings/ini_file.h"

namespace orvanta::shell {

std::optional<std::string> exportCalendarYear(const engine::Engine& engine, const settings::Settings& settings,
                                              const ClockTime& today, const std::filesystem::path& folder,
                                              reports::ReportViewer& viewer) {
    using engine::VakitType;
    const exports::CalendarDay first{today.year, today.month, today.day};
    const std::optional<std::string> zoneName = exports::placeZoneName(settings);
    const auto days = exports::exportDays(engine.parameters, settings, first, kCalendarDays,
                                          exports::offsetOfDay(zoneName, settings, [](const exports::CalendarDay& day) {
                                              return platform::systemZoneAtNoon(day.year, day.month, day.day);
                                          }));
    const exports::IcsChoice choice{
        {VakitType::Imsak, VakitType::Gunes, VakitType::Ogle, VakitType::Ikindi, VakitType::Aksam, VakitType::Yatsi},
        std::nullopt, zoneName, settings.placeName, settings.latitude, settings.longitude};
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const auto file = folder / fmt::format("Vakitler-{}-{:04}-{:02}-{:02}.ics", settings.placeName, first.year,
                                           first.month, first.day);
    if (common::replaceFileContents(file, exports::icsCalendar(days, choice))) {
        return "Takvim dosyası yazılamadı:\n" + file.string();
    }
    viewer.open(file);
    return std::nullopt;
}

}  // namespace orvanta::shell
