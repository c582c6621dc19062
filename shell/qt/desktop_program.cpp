// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/desktop_program.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <ctime>

#include "platform/hot_key.h"
#include "platform/wake_alarm.h"
#include "settings/program_folder.h"
#include "shell/tally.h"
#include "settings/settings_file.h"
#include "shell/messages.h"
#include "common/qt/utf8_text.h"

namespace orvanta::shell {

namespace {

constexpr int kMillisecondsPerSecond = 1000;
constexpr int kSecondsPerMinute = 60;
// The minute's wake-up comes this much after the minute begins, so a timer
// that fires a hair early does not find the old minute.
constexpr int kMinuteMarginMs = 2;
// The icon's name in the desktop's icon theme (hicolor), which a
// StatusNotifierItem host draws at its own size.
const QString kThemeIconName = QStringLiteral("org.orvanta.Orvanta");

using common::qs;

// A local clock instant (100-ns ticks since 1601, local time) as seconds
// since 1970 UTC, through the system's zone rules at that instant.
std::time_t localTicksToUtcSeconds(LocalTicks ticks) {
    const ClockTime local = fromLocalTicks(ticks);
    std::tm broken{};
    broken.tm_year = local.year - 1900;
    broken.tm_mon = local.month - 1;
    broken.tm_mday = local.day;
    broken.tm_hour = local.hour;
    broken.tm_min = local.minute;
    broken.tm_sec = local.second;
    broken.tm_isdst = -1;
    return std::mktime(&broken);
}

int millisecondsToNextMinute(const ClockTime& now) {
    return (kSecondsPerMinute - now.second) * kMillisecondsPerSecond - now.milliseconds + kMinuteMarginMs;
}

}  // namespace

DesktopProgram::DesktopProgram(ShellFolders folders, ShellServices services, engine::Engine& engine, WebAddresses web,
                               QObject* parent)
    : QObject(parent),
      folders_(std::move(folders)),
      services_(services),
      engine_(engine),
      ini_(settings::companionPath(folders_.programFolder, "ini")),
      noticeMemory_(settings_, ini_),
      scheduler_(std::make_unique<Scheduler>(engine_, settings_, services_.clock, static_cast<SchedulerEffects&>(*this),
                                             noticeMemory_)),
      soundPlayer_(services_.sound, services_.opener, services_.relay, services_.mediaPlayers),
      presenter_({settings_, services_.notifier, tray_, soundPlayer_,
                  [this](std::string_view file) {
                      const std::filesystem::path name{std::string(file)};
                      return folders_.find(name).value_or(folders_.programFolder / name);
                  },
                  [this] { return commands_.quiet(); }}),
      settingsWindows_({settings_, ini_, engine_, *scheduler_, services_.clock, services_.autostart, tray_.menu(),
                        services_.opener, [this](const QString& text) { presenter_.showError(text); },
                        [this](const std::filesystem::path& name) { return folders_.find(name); },
                        [this](const std::filesystem::path& file) { commands_.openFile(file); },
                        [this] { commands_.queryTimeServersSilently(); },
                        [this] { presenter_.playSound(settings_.ezanFiles.front()); },
                        [this] { presenter_.stopSound(); }, folders_.programFolder, std::move(web)}),
      commands_({folders_, services_, engine_, settings_, ini_, iniReadable_, *scheduler_, tray_, presenter_,
                 settingsWindows_, icon_}) {
    connect(&tray_, &TrayAndStrip::commandChosen, this, &DesktopProgram::dispatch);
    connect(&tray_, &TrayAndStrip::middleClicked, &presenter_, &EventPresenter::stopSound);
    connect(&commands_, &MenuCommands::exitRequested, this, &DesktopProgram::shutdown);
    connect(&settingsWindows_, &SettingsWindows::settingsChanged, this, &DesktopProgram::armNextTick);
    tickTimer_.setSingleShot(true);
    connect(&tickTimer_, &QTimer::timeout, this, &DesktopProgram::onTickTimer);
}

DesktopProgram::~DesktopProgram() = default;

// ---------------------------------------------------------------- start-up

void DesktopProgram::start() {
    checkProgramFolder();
    loadIcon();
    tray_.setIcon(icon_);
    readSettingsFile();
    replaySavedChoices();
    lastZone_ = services_.clock.systemZone();
    tray_.show(services_.notifier);
    // The first pass: today's times, a due religious-day notice, the tip.
    scheduler_->onTick();
    commands_.restoreWallpaper();
    grabHotKey();
    openFirstRunDialogs();
    armNextTick();
}

void DesktopProgram::checkProgramFolder() {
    const QString errorTitle = QString::fromUtf8(kErrorTitle.data());
    std::error_code error;
    std::filesystem::create_directories(folders_.programFolder, error);
    if (error) {
        showMessageBox(errorTitle, QStringLiteral("Program klasörü oluşturulamadı:\n%1\n%2\n"
                                                  "Ayarlar bu oturum boyunca geçerli, ancak kaydedilmeyecek.")
                                       .arg(qs(folders_.programFolder.string()), QString::fromStdString(error.message())));
        return;
    }
    if (!QFileInfo(qs(folders_.programFolder.string())).isWritable()) {
        showMessageBox(errorTitle, QStringLiteral("Program klasörüne yazılamıyor:\n%1\n"
                                                  "Ayarlar bu oturum boyunca geçerli, ancak kaydedilmeyecek.")
                                       .arg(qs(folders_.programFolder.string())));
    }
}

// The one read of the settings file: every part of the program takes its
// values from settings_ after, and each change is written back key by key.
// A file that cannot be read is no first run.
void DesktopProgram::readSettingsFile() {
    const std::optional<settings::IniDocument> document = ini_.tryRead();
    iniReadable_ = document.has_value();
    if (!iniReadable_) {
        showMessageBox(QString::fromUtf8(kErrorTitle.data()),
                       QStringLiteral("Ayarlar dosyası okunamıyor:\n%1\n"
                                      "Program varsayılan ayarlarla çalışıyor; dosyaya dokunulmayacak.")
                           .arg(qs(ini_.path().string())));
    } else {
        missingGroups_ = settings::missingGroups(*document);
    }
    settings::readSettings(document.value_or(settings::IniDocument{}), settings_);
    settings_.autostart = services_.autostart.enabled();
    settings::applyCalculationParameters(settings_, engine_);
    scheduler_->onCalculationChanged();
}

// A picture the user put in the program folder, else the desktop theme's
// icon by name, else the built-in one. Every window carries it.
void DesktopProgram::loadIcon() {
    icon_ = QIcon::fromTheme(kThemeIconName, QIcon(QStringLiteral(":/orvanta/orvanta.png")));
    for (const char* name : {"orvanta.png", "orvanta.ico"}) {
        const QIcon custom(qs((folders_.programFolder / name).string()));
        if (!custom.availableSizes().isEmpty()) {
            icon_ = custom;
            break;
        }
    }
    QApplication::setWindowIcon(icon_);
}

// The saved choices show in the menu: the check marks, the counters'
// names, the message mode (through its own command) and quiet hours.
// Nothing is written back.
void DesktopProgram::replaySavedChoices() {
    TrayMenu& menu = tray_.menu();
    menu.setChecked(Command::Wake, settings_.wakeOn);
    menu.setChecked(Command::EzanSound, settings_.ezanSoundOn);
    for (int counter = 1; counter <= settings::kTallyCount; ++counter) {
        const auto index = static_cast<std::size_t>(counter - 1);
        menu.setText(kTallyCommands[index], QString::fromStdString(settings_.tallies[index].name));
    }
    dispatch(kMessageModeCommands[static_cast<std::size_t>(settings_.messageMode)]);
    commands_.restoreQuiet();
}

void DesktopProgram::grabHotKey() {
    if (services_.hotKey && !services_.hotKey->grabSuperA([this] { toggleTimeStrip(); })) {
        qInfo("Super+A could not be grabbed; bind 'orvanta --toggle-strip' to a desktop shortcut instead");
    }
}

// A first run: the welcome, which writes both groups; a file that lacks
// only the options opens their window.
void DesktopProgram::openFirstRunDialogs() {
    if (missingGroups_.calculation) {
        settingsWindows_.openCalculationParameters();
    } else if (missingGroups_.options) {
        settingsWindows_.openOptions();
    }
}

// ---------------------------------------------------------------- running

void DesktopProgram::dispatch(Command command) {
    if (shutDown_) return;
    commands_.dispatch(command);
    if (!lastTip_.empty()) showTip();  // the quiet line comes or goes at once
    armNextTick();
}

void DesktopProgram::quietForMinutes(int minutes) {
    if (shutDown_) return;
    commands_.quietForMinutes(minutes);
    if (!lastTip_.empty()) showTip();
}

void DesktopProgram::tick() {
    if (shutDown_) return;
    const platform::SystemZone zone = services_.clock.systemZone();
    if (zone != lastZone_) {
        lastZone_ = zone;
        scheduler_->onTimeChange();
    }
    scheduler_->onTick();
    armNextTick();
}

// Woken at the start of a minute: its pass is due now, whatever the
// second count says.
void DesktopProgram::onTickTimer() {
    if (sleepingToMinute_ && scheduler_->triggers.tickCountdown > 0) scheduler_->triggers.tickCountdown = 0;
    tick();
}

void DesktopProgram::onClockChanged() {
    scheduler_->onTimeChange();
    armNextTick();
}

void DesktopProgram::onResumed() {
    scheduler_->onResume();
    armNextTick();
}

// A pass asked for: now. A window that follows the seconds (or a clock
// held still in "Hesap Parametreleri"): each second. Else the next minute.
void DesktopProgram::armNextTick() {
    if (shutDown_) return;
    const Scheduler& scheduler = *scheduler_;
    sleepingToMinute_ = false;
    if (scheduler.triggers.tickCountdown == 0) {
        tickTimer_.setTimerType(Qt::CoarseTimer);
        tickTimer_.start(0);
    } else if (settingsWindows_.anyOpen() || !scheduler.realTimeClock) {
        tickTimer_.setTimerType(Qt::CoarseTimer);
        tickTimer_.start(kMillisecondsPerSecond);
    } else {
        sleepingToMinute_ = true;
        tickTimer_.setTimerType(Qt::PreciseTimer);
        tickTimer_.start(millisecondsToNextMinute(services_.clock.localTime()));
    }
}

// ---------------------------------------------------------------- effects

void DesktopProgram::announce(const SchedulerEvent& event) {
    std::visit(EventHandlers{
                   [this](const event::Sound& sound) { presenter_.playSound(sound.file); },
                   [this](const event::Ezan& ezan) { presenter_.announceEzan(ezan.slot); },
                   [this](const event::Warning& warning) { presenter_.showWarning(warning.text); },
                   [this](const event::Reminder& reminder) { presenter_.showReminder(reminder.prayer); },
                   [this](const event::ReligiousDayNotice& notice) {
                       presenter_.showReligiousDayNotice(notice.text, notice.title);
                   },
                   [this](const event::Tip& tip) { setTip(tip.text); },
                   [this](const event::MenuEntryEnabled& entry) { setMenuEntryEnabled(entry.command, entry.enabled); },
                   [this](const event::TimeCheckDue&) { commands_.queryTimeServersSilently(); },
                   [this](const event::WallpaperDue&) { commands_.renderWallpaper(); },
                   [this](const event::ViewsDue&) {
                       settingsWindows_.refreshPanel();
                       commands_.redrawChart();
                   },
               },
               event);
}

void DesktopProgram::setTip(std::string_view text) {
    lastTip_ = text;
    showTip();
}

// The scheduler's tip, and under it the end of quiet hours while they hold.
void DesktopProgram::showTip() {
    QString tip = QString::fromStdString(lastTip_);
    const std::string quiet = commands_.quietTipLine();
    if (!quiet.empty()) tip += QLatin1Char('\n') + QString::fromStdString(quiet);
    tray_.setTip(tip);
    emit tipWritten();
}

WakeResult DesktopProgram::setWake(std::optional<LocalTicks> when) {
    if (!when) {
        services_.wakeAlarm.cancel();
        return WakeResult::Armed;
    }
    switch (services_.wakeAlarm.arm(localTicksToUtcSeconds(*when))) {
        case platform::WakeArmResult::Armed: return WakeResult::Armed;
        case platform::WakeArmResult::NotSupported: return WakeResult::NotSupported;
        case platform::WakeArmResult::Failed: break;
    }
    return WakeResult::Failed;
}

void DesktopProgram::setMenuEntryEnabled(Command command, bool enabled) {
    tray_.menu().setEnabled(command, enabled);
    if (command == Command::Wake && !enabled) commands_.explainWakeUnavailable();
}

// ---------------------------------------------------------------- shutdown

void DesktopProgram::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    tickTimer_.stop();
    presenter_.endAll();
    commands_.end();
    settingsWindows_.closeAll();
    // Any other dialog still open (a file dialog) ends its wait, so the
    // command that opened it returns and the program can end.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible()) dialog->done(0);
    }
    if (iniReadable_) {
        using settings::Settings;
        const settings::SaveResult saved =
            settings::saveChoices(ini_, settings_, {&Settings::ezanSoundOn, &Settings::wakeOn});
        if (!saved) qWarning("the tray toggles were not saved: %s", saved.detail.c_str());
    }
    tray_.hide();
    emit finished();
}

}  // namespace orvanta::shell
