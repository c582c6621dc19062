// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's report commands: the timetables and religious days as text,
// the printable imsakiye and the calendar file, each handed to the desktop
// to open; a failure is shown.
#include "shell/qt/menu_commands.h"

#include <QStandardPaths>

#include "platform/desktop_opener.h"
#include "reports/imsakiye.h"
#include "reports/qt/imsakiye_pdf.h"
#include "reports/reports.h"
#include "shell/qt/calendar_command.h"
#include "shell/qt/event_presenter.h"
#include "common/qt/utf8_text.h"

namespace orvanta::shell {

namespace {

using common::qs;

// Hands a finished report to the desktop's text viewer.
class OpenerViewer : public reports::ReportViewer {
public:
    explicit OpenerViewer(platform::DesktopOpener& opener) : opener_(opener) {}
    void open(const std::filesystem::path& file) override { opener_.open(file.string()); }

private:
    platform::DesktopOpener& opener_;
};

}  // namespace

void MenuCommands::writeTimetable(reports::TimetableSpan span) {
    const ClockTime& now = parts_.scheduler.clockTime;
    OpenerViewer viewer(parts_.services.opener);
    const bool monthly = span == reports::TimetableSpan::Month;
    const auto kind = monthly ? reports::ImsakiyeKind::Month : reports::ImsakiyeKind::Year;
    const auto file = parts_.folders.programFolder /
                      reports::imsakiyeFileName(kind, parts_.settings.placeName, now.year, now.month, "txt");
    const auto failure = reports::writeTimetableReport(parts_.engine, parts_.settings,
                                                       parts_.services.clock.systemZone(), now.year, now.month, span,
                                                       file, viewer);
    if (failure) parts_.presenter.showError(qs(*failure));
}

void MenuCommands::writeReligiousDays() {
    const int year = parts_.scheduler.clockTime.year;
    OpenerViewer viewer(parts_.services.opener);
    const auto failure = reports::writeReligiousDaysReport(
        parts_.engine, year, parts_.folders.programFolder / reports::religiousDaysFileName(year, "txt"), viewer);
    if (failure) parts_.presenter.showError(qs(*failure));
}

// The printable imsakiye goes to the user's documents folder and is opened.
void MenuCommands::printImsakiye(reports::ImsakiyeKind kind) {
    const ClockTime& now = parts_.scheduler.clockTime;
    OpenerViewer viewer(parts_.services.opener);
    const auto failure = reports::printImsakiye(parts_.engine, parts_.settings, parts_.services.clock.systemZone(), kind,
                                                now.year, now.month, documentsFolder(), viewer);
    if (failure) parts_.presenter.showError(qs(*failure));
}

// A year of the times from today as a calendar file in the documents folder.
void MenuCommands::exportCalendar() {
    OpenerViewer viewer(parts_.services.opener);
    const auto failure =
        exportCalendarYear(parts_.engine, parts_.settings, parts_.scheduler.clockTime, documentsFolder(), viewer);
    if (failure) parts_.presenter.showError(qs(*failure));
}

std::filesystem::path MenuCommands::documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

}  // namespace orvanta::shell
