// The desktop program's switchboard: the tray icon, its menu and every
// menu command, the time strip, the one-second tick that drives the
// scheduler, what the scheduler's events look like on screen, start-up and
// shutdown.
//
// Everything it asks of the system comes through ShellServices, so tests
// run it with a simulated clock and recording fakes.
#pragma once

#include <QDateTime>
#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "engine/engine.h"
#include "graphics/qt/chart_window.h"
#include "graphics/qt/live_wallpaper.h"
#include "nettime/qt/internet_time.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "shell/notice_memory.h"
#include "shell/qt/event_windows.h"
#include "shell/qt/sound_player.h"
#include "shell/qt/time_strip.h"
#include "shell/qt/tray_menu.h"
#include "shell/scheduler.h"

namespace orvanta::platform {
class ClockSetter;
class DesktopOpener;
class DesktopWallpaper;
class FileChooser;
class HotKey;
class MediaPlayers;
class Notifier;
class SerialBreak;
class WakeAlarm;
}  // namespace orvanta::platform

namespace orvanta::settings {
class VakitPanel;
}

namespace orvanta::shell {

class SettingsDialogHost;
class SoundOutput;

// Command ids of the tray menu.
namespace command {
inline constexpr int kVakitPanel = 1027;
inline constexpr int kMonthlyTimetable = 1028;
inline constexpr int kYearlyTimetable = 1029;
inline constexpr int kReligiousDays = 1030;
inline constexpr int kMonthlyImsakiyePdf = 1150;  // 1150..1152: month, year, Ramadan
inline constexpr int kRamadanImsakiyePdf = 1152;
inline constexpr int kCalendarExport = 1153;
inline constexpr int kFirstChart = 1031;  // 1031..1038, "Grafikler"
inline constexpr int kLastChart = 1038;
inline constexpr int kCalculationParameters = 1039;
inline constexpr int kInternetTime = 1040;
inline constexpr int kEzanSound = 1041;
inline constexpr int kMessageNone = 1042;  // 1042 + message mode
inline constexpr int kWallpaperMoon = 1045;
inline constexpr int kWallpaperEarth = 1046;
inline constexpr int kWallpaperGlobe = 1047;
inline constexpr int kChooseEzanFirst = 1052;  // 1052 + slot
inline constexpr int kOptions = 1057;
inline constexpr int kManual = 1059;
inline constexpr int kArticle = 1060;
inline constexpr int kAbout = 1061;
inline constexpr int kTallyFirst = 1062;  // 1061 + counter 1..5
inline constexpr int kMp3Converter = 1067;
inline constexpr int kExit = 1068;
inline constexpr int kListenEzanFirst = 1069;  // 1069 + slot
inline constexpr int kWake = 1147;
}  // namespace command

struct ShellServices {
    SchedulerClock& clock;
    platform::DesktopOpener& opener;
    platform::WakeAlarm& wakeAlarm;
    platform::Notifier& notifier;
    settings::AutostartSetting& autostart;
    SoundOutput& sound;
    platform::SerialBreak& relay;
    platform::MediaPlayers& mediaPlayers;
    platform::FileChooser& files;
    platform::ClockSetter& clockSetter;
    platform::HotKey* hotKey = nullptr;  // none where keys cannot be grabbed
    platform::DesktopWallpaper* wallpaper = nullptr;  // none where the desktop's background cannot be set
};

struct ShellFolders {
    // Holds the settings file, the report and files the program writes;
    // relative sound file names resolve here first.
    std::filesystem::path programFolder;
    // Read-only companion files (manual, article, sounds, icon), searched
    // after the program folder in this order.
    std::vector<std::filesystem::path> dataFolders;
};

// The build's web addresses; an empty one is not offered.
struct WebAddresses {
    QString homePage;
    QString mailAddress;
    QString downloadBase;  // the salâ sound is fetched below it
};

class DesktopShell : public QObject, private SchedulerEffects {
    Q_OBJECT
public:
    DesktopShell(ShellFolders folders, ShellServices services, engine::Engine& engine, WebAddresses web = {},
                 QObject* parent = nullptr);
    ~DesktopShell() override;

    // Start-up: tray icon, the saved menu choices replayed through the
    // menu's own commands, the settings, the first pass, the first-run
    // documents, the hot key; then the tick runs every second.
    void start();
    // Carries out a menu command.
    void dispatch(int id);
    // Stops the sound, saves the two tray toggles, removes the icon; then
    // `finished` tells the application to end. Runs once.
    void shutdown();

    void toggleTimeStrip() { strip_.toggle(); }
    // Stops the sound that plays (as a middle click on the icon).
    void stopSound() { soundPlayer_.stop(); }
    // No ezan or salâ for the next `minutes` minutes (0 ends the silence);
    // the tip says until when.
    void muteFor(int minutes);
    bool muted() const;
    // The system clock was set or the zone changed: a pass at the next tick.
    void onClockChanged();
    // The machine resumed or the screens changed: everything is refreshed.
    void onResumed();
    // One second of the tick (the timer calls it; tests may too).
    void tick();

    // ---- for the tests ----
    Scheduler& scheduler() { return *scheduler_; }
    TrayMenu& menu() { return menu_; }
    TimeStrip& strip() { return strip_; }
    EventWindows& eventWindows() { return windows_; }
    graphics::ChartWindow& chartWindow() { return chartWindow_; }
    const graphics::LiveWallpaper& wallpaper() const { return wallpaper_; }
    nettime::InternetTime& internetTime() { return internetTime_; }
    QSystemTrayIcon& trayIcon() { return tray_; }
    const settings::Settings& settings() const { return settings_; }
    const QIcon& icon() const { return icon_; }
    bool hasShutDown() const { return shutDown_; }
    // How long a sound's error balloon holds the next event back (5 s).
    void setSoundErrorPauseMs(int milliseconds) { soundErrorPauseMs_ = milliseconds; }

signals:
    void finished();
    // A pass wrote the tip (once a minute and after every change).
    void tipWritten();

private:
    QDateTime mutedUntil_;
    std::string lastTip_;  // the scheduler's last tip, without the silence
    // ---- SchedulerEffects ----
    void playSound(std::string_view file) override;
    void announceEzan(int slot) override;
    void showWarning(std::string_view text) override;
    void showReminder(engine::VakitType prayer) override;
    void showReligiousDayNotice(std::string_view text, std::string_view title) override;
    void setTip(std::string_view text) override;
    WakeResult armWake(LocalTicks when) override;
    void cancelWake() override;
    void setMenuEntryEnabled(int command, bool enabled) override;
    void queryTimeServersSilently() override;
    void renderWallpaper() override;
    void refreshPanel() override;
    void redrawChart(int command) override;

    void loadIcon();
    void checkProgramFolder();
    void replaySavedChoices();
    void showTray();
    void onTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void announceMissingTray();
    void balloon(int iconKind, const QString& title, const QString& text);
    void showError(const QString& text);
    void reportSoundError(const QString& text);
    void waitWithoutFreezing(int milliseconds);
    void runGreyed(int id, const std::function<void()>& action);

    void toggleEzanSound();
    void toggleWake();
    void setMessageMode(int mode);
    void writeReport(int id);
    void openDocument(const char* fileName);
    // Hands a file to the desktop's program for it; says so when it cannot.
    void openFile(const std::filesystem::path& path);
    void openAbout();
    void chooseEzanFile(int slot);
    void listenEzan(int slot);
    void checkInternetTime(bool silent);
    void openTally(int counter);
    void openVakitPanel();
    void showChart(int command);
    void selectWallpaperMode(graphics::WallpaperMode mode);
    void greyWallpaperWithoutBackend();
    void openCalculationParameters();
    void openOptions();
    // ---- the first run and the entries that cannot be used (desktop_shell_first_run.cpp) ----
    // The welcome while the settings hold no place; the full dialog after.
    void openCalculationOrWelcome();
    void openWelcome();
    std::filesystem::path placeListFile() const;
    // "Bilgisayarı Uyandır" greyed: why, in its tip and once in a notice.
    void explainWakeUnavailable();
    SettingsDialogHost dialogHost();

    std::optional<std::filesystem::path> findFile(const std::filesystem::path& name) const;

    ShellFolders folders_;
    ShellServices services_;
    engine::Engine& engine_;
    WebAddresses web_;
    settings::Settings settings_;
    settings::IniFile ini_;
    bool iniReadable_ = true;
    IniNoticeMemory noticeMemory_;
    std::unique_ptr<Scheduler> scheduler_;
    TrayMenu menu_;
    TimeStrip strip_;
    EventWindows windows_;
    SoundPlayer soundPlayer_;
    nettime::InternetTime internetTime_;
    settings::VakitPanel* panel_ = nullptr;  // the open "Vakitler" panel
    graphics::ChartWindow chartWindow_;
    graphics::LiveWallpaper wallpaper_;
    int soundErrorPauseMs_ = 5000;
    QSystemTrayIcon tray_;
    QIcon icon_;
    QTimer tickTimer_;
    QTimer singleClickTimer_;
    settings::SystemZone lastZone_;
    bool trayMissing_ = false;
    // Sections the settings file lacked at start: their dialogs open (a
    // first run).
    bool calculationMissing_ = false;
    bool optionsMissing_ = false;
    bool wakeExplained_ = false;
    bool shutDown_ = false;
};

}  // namespace orvanta::shell
