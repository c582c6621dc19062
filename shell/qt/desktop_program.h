// SPDX-License-Identifier: GPL-3.0-or-later
// The running desktop program: it builds its parts (the tray and strip,
// the presentation of events, the settings windows, the menu's commands),
// starts them in order, paces the scheduler, and ends them in order.
//
// Pacing: while nothing on screen follows the seconds, the program sleeps
// until the next minute begins, when the scheduler's pass is due; the
// clock-change watch, the resume signal and the menu's commands wake it for
// everything else. While a settings window is open it wakes every second.
//
// Everything it asks of the system comes through ShellServices, so tests
// run it with a simulated clock and recording fakes.
#pragma once

#include <QIcon>
#include <QObject>
#include <QTimer>
#include <memory>

#include "engine/engine.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "shell/notice_memory.h"
#include "shell/qt/event_presenter.h"
#include "shell/qt/menu_commands.h"
#include "shell/qt/settings_windows.h"
#include "shell/qt/shell_services.h"
#include "shell/qt/sound_player.h"
#include "shell/qt/tray_and_strip.h"
#include "shell/scheduler.h"

namespace orvanta::shell {

class DesktopProgram : public QObject, private SchedulerEffects {
    Q_OBJECT
public:
    DesktopProgram(ShellFolders folders, ShellServices services, engine::Engine& engine, WebAddresses web = {},
                   QObject* parent = nullptr);
    ~DesktopProgram() override;

    // Start-up: the icon, the settings file read once, the saved menu
    // choices shown, the first pass, the saved wallpaper, the hot key, the
    // first run's welcome.
    void start();
    // Carries out a menu command.
    void dispatch(Command command);
    // Stops the sound, closes every window, saves the two tray toggles,
    // removes the icon; then `finished` tells the application to end.
    // Runs once.
    void shutdown();

    void toggleTimeStrip() { tray_.strip().toggle(); }
    // Stops the sound that plays (as a middle click on the icon).
    void stopSound() { presenter_.stopSound(); }
    // Quiet hours for `minutes` from now (0 ends them); the tip says until when.
    void quietForMinutes(int minutes);
    bool quiet() { return commands_.quiet(); }
    // The system clock was set or the zone changed: a pass now.
    void onClockChanged();
    // The machine resumed or the screens changed: everything is refreshed.
    void onResumed();
    // One second of the scheduler's tick (tests call it with their clock).
    void tick();
    // How long the program sleeps before its next tick, in milliseconds.
    int nextTickMs() const { return tickTimer_.interval(); }

    // ---- for the tests ----
    Scheduler& scheduler() { return *scheduler_; }
    TrayMenu& menu() { return tray_.menu(); }
    TimeStrip& strip() { return tray_.strip(); }
    EventWindows& eventWindows() { return presenter_.windows(); }
    graphics::ChartWindow& chartWindow() { return commands_.chartWindow(); }
    const graphics::LiveWallpaper& wallpaper() const { return commands_.wallpaper(); }
    nettime::InternetTime& internetTime() { return commands_.internetTime(); }
    QSystemTrayIcon& trayIcon() { return tray_.trayIcon(); }
    const settings::Settings& settings() const { return settings_; }
    const QIcon& icon() const { return icon_; }
    bool hasShutDown() const { return shutDown_; }

signals:
    void finished();
    // The tip was written (at every pass and after every change).
    void tipWritten();

private:
    // ---- SchedulerEffects ----
    void announce(const SchedulerEvent& event) override;
    WakeResult setWake(std::optional<LocalTicks> when) override;
    void setTip(std::string_view text);
    void setMenuEntryEnabled(Command command, bool enabled);

    void loadIcon();
    void checkProgramFolder();
    void readSettingsFile();
    void replaySavedChoices();
    void openFirstRunDialogs();
    void grabHotKey();
    void onTickTimer();
    void showTip();
    void armNextTick();

    ShellFolders folders_;
    ShellServices services_;
    engine::Engine& engine_;
    settings::Settings settings_;
    settings::IniFile ini_;
    bool iniReadable_ = true;
    SettingsNoticeMemory noticeMemory_;
    std::unique_ptr<Scheduler> scheduler_;
    QIcon icon_;
    TrayAndStrip tray_;
    SoundPlayer soundPlayer_;
    EventPresenter presenter_;
    SettingsWindows settingsWindows_;
    MenuCommands commands_;
    QTimer tickTimer_;
    bool sleepingToMinute_ = false;
    std::string lastTip_;  // the scheduler's last tip, before the quiet line
    platform::SystemZone lastZone_;
    // Sections the settings file lacked at start: the welcome (or the
    // options' window) opens (a first run).
    settings::MissingGroups missingGroups_;
    bool shutDown_ = false;
};

}  // namespace orvanta::shell
