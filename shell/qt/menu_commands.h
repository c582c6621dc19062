// SPDX-License-Identifier: GPL-3.0-or-later
// The tray menu's commands: each id of the menu table carried out. The
// toggles and choices keep their check marks, their values in the
// settings and their keys in the settings file; the windows a command
// opens block nothing.
#pragma once

#include <QIcon>
#include <QObject>
#include <functional>
#include <optional>

#include "engine/engine.h"
#include "graphics/qt/chart_window.h"
#include "graphics/qt/live_wallpaper.h"
#include "nettime/qt/internet_time.h"
#include "reports/imsakiye.h"
#include "reports/reports.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "shell/clock_time.h"
#include "shell/command.h"
#include "shell/qt/shell_services.h"
#include "shell/quiet_hours.h"
#include "shell/scheduler.h"

namespace orvanta::shell {

class EventPresenter;
class SettingsWindows;
class TrayAndStrip;

class MenuCommands : public QObject {
    Q_OBJECT
public:
    struct Parts {
        const ShellFolders& folders;
        ShellServices services;
        engine::Engine& engine;
        settings::Settings& settings;
        settings::IniFile& ini;
        const bool& iniReadable;
        Scheduler& scheduler;
        TrayAndStrip& tray;
        EventPresenter& presenter;
        SettingsWindows& windows;
        const QIcon& icon;
    };
    explicit MenuCommands(Parts parts, QObject* parent = nullptr);

    // Carries out a menu command ("Çıkış" asks for the end through
    // exitRequested).
    void dispatch(Command command);

    // Quiet hours hold now (their end passed: they end here).
    bool quiet();
    // The tip's line about quiet hours, empty when none hold.
    std::string quietTipLine();
    // The saved quiet hours, at start.
    void restoreQuiet();
    // Quiet hours for `minutes` from now; 0 or less ends them.
    void quietForMinutes(int minutes);

    // Hands a file to the desktop's program for it; says so when it cannot.
    void openFile(const std::filesystem::path& path);

    // The scheduler's asks.
    void queryTimeServersSilently();
    void renderWallpaper();
    // A pass changed something: the chart on screen is drawn again.
    void redrawChart();
    // The saved wallpaper mode, at start; greyed without a backend.
    void restoreWallpaper();
    // "Bilgisayarı Uyandır" greyed (the wake-up clock cannot be set): why,
    // in the entry's tip and once in a notice.
    void explainWakeUnavailable();
    // Shutdown: the user's background back, the chart gone, no check left.
    void end();

    graphics::ChartWindow& chartWindow() { return chartWindow_; }
    const graphics::LiveWallpaper& wallpaper() const { return wallpaper_; }
    nettime::InternetTime& internetTime() { return internetTime_; }

signals:
    void exitRequested();

private:
    bool dispatchNumbered(Command command);
    void runGreyed(Command command, const std::function<void()>& action);
    void greyUntilDone(Command command, const std::function<void(std::function<void()> done)>& start);
    void toggleEzanSound();
    void toggleWake();
    void setMessageMode(int mode);
    void setQuiet(std::optional<ClockTime> end);
    void writeTimetable(reports::TimetableSpan span);
    void writeReligiousDays();
    void printImsakiye(reports::ImsakiyeKind kind);
    void exportCalendar();
    static std::filesystem::path documentsFolder();
    void openDocument(const char* fileName);
    void chooseEzanFile(int slot);
    void keepEzanFile(int slot, const std::string& file);
    void listenEzan(int slot);
    void checkInternetTime(bool silent);
    void showChart(graphics::Chart chart);
    void selectWallpaperMode(graphics::WallpaperMode mode);
    void greyWallpaperWithoutBackend();
    template <class Field>
    void changeChoice(Field settings::Settings::*field, Field value);
    // The end of quiet hours kept in the settings, if any.
    std::optional<ClockTime> savedQuietEnd() const;

    Parts parts_;
    nettime::InternetTime internetTime_;
    graphics::ChartWindow chartWindow_;
    graphics::LiveWallpaper wallpaper_;
    std::optional<graphics::Chart> shownChart_;  // until the window is dismissed
    bool wakeExplained_ = false;
    bool ended_ = false;
};

}  // namespace orvanta::shell
