// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/menu_commands.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QMenu>

#include "media/qt/converter_dialogue.h"
#include "platform/desktop_opener.h"
#include "platform/file_chooser.h"
#include "platform/notifier.h"
#include "reports/imsakiye.h"
#include "reports/qt/imsakiye_pdf.h"
#include "reports/reports.h"
#include "settings/program_folder.h"
#include "settings/settings_file.h"
#include "shell/messages.h"
#include "shell/qt/calendar_command.h"
#include "shell/qt/event_presenter.h"
#include "shell/qt/event_windows.h"
#include "shell/qt/settings_windows.h"
#include "shell/qt/tray_and_strip.h"

namespace orvanta::shell {

namespace {

constexpr char kManualFile[] = "orvanta.html";
constexpr char kArticleFile[] = "makale.html";
constexpr int kNoticeTimeoutMs = 33333;

const QString kWakeUnavailable = QStringLiteral(
    "\"Bilgisayarı Uyandır\" kullanılamıyor: bilgisayarın uyandırma saatini "
    "(/sys/class/rtc/rtc0/wakealarm) bu kullanıcı yazamıyor; yöneticinin kuracağı "
    "60-orvanta-rtc-wakealarm.rules udev kuralı bu izni \"users\" grubuna verir (bkz. README).");

QString qs(const std::string& text) { return QString::fromStdString(text); }

// Hands a finished report to the desktop's text viewer.
class OpenerViewer : public reports::ReportViewer {
public:
    explicit OpenerViewer(platform::DesktopOpener& opener) : opener_(opener) {}
    void open(const std::filesystem::path& file) override { opener_.open(file.string()); }

private:
    platform::DesktopOpener& opener_;
};

}  // namespace

MenuCommands::MenuCommands(Parts parts, QObject* parent)
    : QObject(parent),
      parts_(std::move(parts)),
      internetTime_(parts_.services.clockSetter),
      wallpaper_(parts_.services.wallpaper, parts_.folders.programFolder) {
    connect(&chartWindow_, &graphics::ChartWindow::dismissed, this, [this] { parts_.scheduler.lastChartCommand = 0; });
    TrayMenu& menu = parts_.tray.menu();
    if (!parts_.folders.find(kManualFile)) menu.setEnabled(command::kManual, false);
    if (!parts_.folders.find(kArticleFile)) menu.setEnabled(command::kArticle, false);
}

void MenuCommands::dispatch(int id) {
    if (ended_) return;
    SettingsWindows& windows = parts_.windows;
    if (id >= command::kMessageNone && id <= command::kMessageNone + kMessageModeBox) {
        setMessageMode(id - command::kMessageNone);
    } else if (id >= command::kChooseEzanFirst && id < command::kChooseEzanFirst + settings::kEzanSlotCount) {
        chooseEzanFile(id - command::kChooseEzanFirst);
    } else if (id >= command::kListenEzanFirst && id < command::kListenEzanFirst + settings::kEzanSlotCount) {
        listenEzan(id - command::kListenEzanFirst);
    } else if (id >= command::kWallpaperMoon && id <= command::kWallpaperGlobe) {
        selectWallpaperMode(static_cast<graphics::WallpaperMode>(id - command::kWallpaperMoon + 1));
    } else if (id >= command::kFirstChart && id <= command::kLastChart) {
        showChart(id);
    } else if (id >= command::kTallyFirst && id < command::kTallyFirst + settings::kTallyCount) {
        windows.openTally(id - command::kTallyFirst + 1);
    } else if (id >= command::kQuietFirst && id <= command::kQuietLast) {
        setQuiet(quietEnd(parts_.services.clock.localTime(), static_cast<QuietSpan>(id - command::kQuietFirst)));
    } else {
        switch (id) {
            case command::kMonthlyTimetable:
            case command::kYearlyTimetable:
            case command::kReligiousDays: writeReport(id); break;
            case command::kMonthlyImsakiyePdf:
            case command::kMonthlyImsakiyePdf + 1:
            case command::kRamadanImsakiyePdf: printImsakiye(id); break;
            case command::kCalendarExport: exportCalendar(); break;
            case command::kEzanSound: toggleEzanSound(); break;
            case command::kWake: toggleWake(); break;
            case command::kQuietOff: setQuiet(std::nullopt); break;
            case command::kManual: openDocument(kManualFile); break;
            case command::kArticle: openDocument(kArticleFile); break;
            case command::kAbout: windows.openAbout(parts_.icon); break;
            case command::kInternetTime: checkInternetTime(false); break;
            case command::kVakitPanel: windows.openVakitPanel(); break;
            case command::kCalculationParameters: windows.openCalculationParameters(); break;
            case command::kOptions: windows.openOptions(); break;
            case command::kMp3Converter:
                runGreyed(id, [this] { media::runMp3Converter(parts_.services.files); });
                break;
            case command::kExit: emit exitRequested(); break;
            default: break;
        }
    }
}

// For the commands that still wait for their file dialogs.
void MenuCommands::runGreyed(int id, const std::function<void()>& action) {
    parts_.tray.menu().setEnabled(id, false);
    action();
    parts_.tray.menu().setEnabled(id, true);
}

// A choice of the menu kept in the settings; the file is written when the
// value changed (and the file was readable at start).
template <class Field>
void MenuCommands::changeChoice(Field settings::Settings::*field, Field value) {
    if (parts_.settings.*field == value) return;
    parts_.settings.*field = std::move(value);
    if (!parts_.iniReadable) return;
    const settings::SaveResult saved = settings::saveChoice(parts_.ini, parts_.settings, field);
    if (!saved) qWarning("%s", saved.detail.c_str());
}

void MenuCommands::toggleEzanSound() {
    bool& on = parts_.settings.ezanSoundOn;
    on = !on;
    if (!on) parts_.presenter.stopSound();
    parts_.tray.menu().setChecked(command::kEzanSound, on);
}

void MenuCommands::toggleWake() {
    bool& on = parts_.settings.wakeOn;
    on = !on;
    parts_.tray.menu().setChecked(command::kWake, on);
}

void MenuCommands::explainWakeUnavailable() {
    TrayMenu& menu = parts_.tray.menu();
    menu.action(command::kWake)->setToolTip(kWakeUnavailable);
    for (QMenu* submenu : menu.menu()->findChildren<QMenu*>()) submenu->setToolTipsVisible(true);
    menu.menu()->setToolTipsVisible(true);
    if (wakeExplained_) return;
    wakeExplained_ = true;
    if (!parts_.services.notifier.notify("Orvanta", kWakeUnavailable.toStdString(), platform::NoticeKind::Warning,
                                         kNoticeTimeoutMs)) {
        showMessageBox(QString::fromUtf8(kErrorTitle.data(), kErrorTitle.size()), kWakeUnavailable);
    }
}

void MenuCommands::setMessageMode(int mode) {
    for (int other = 0; other <= kMessageModeBox; ++other) {
        parts_.tray.menu().setChecked(command::kMessageNone + other, other == mode);
    }
    changeChoice<std::int32_t>(&settings::Settings::messageMode, mode);
}

// Quiet hours: the sound stops at once; the end is kept in the settings
// file, the tip says it from the next pass, and "Kapat" is offered while
// they hold.
void MenuCommands::quietForMinutes(int minutes) {
    if (minutes <= 0) {
        setQuiet(std::nullopt);
        return;
    }
    setQuiet(quietEndAfterMinutes(parts_.services.clock.localTime(), minutes));
}

void MenuCommands::setQuiet(std::optional<ClockTime> end) {
    if (end) parts_.presenter.stopSound();
    parts_.tray.menu().setEnabled(command::kQuietOff, end.has_value());
    changeChoice(&settings::Settings::quietUntil, end ? formatQuietEnd(*end) : std::string());
    parts_.scheduler.triggers.tickCountdown = 0;
}

void MenuCommands::restoreQuiet() {
    parts_.tray.menu().setEnabled(command::kQuietOff, savedQuietEnd().has_value());
    quiet();  // ended while the program was not running: forgotten now
}

std::optional<ClockTime> MenuCommands::savedQuietEnd() const { return parseQuietEnd(parts_.settings.quietUntil); }

bool MenuCommands::quiet() {
    const std::optional<ClockTime> end = savedQuietEnd();
    if (!end) return false;
    if (quietHolds(*end, parts_.services.clock.localTime())) return true;
    setQuiet(std::nullopt);
    return false;
}

std::string MenuCommands::quietTipLine() { return quiet() ? shell::quietTipLine(*savedQuietEnd()) : std::string(); }

void MenuCommands::writeReport(int id) {
    const ClockTime& now = parts_.scheduler.clockTime;
    const std::filesystem::path& folder = parts_.folders.programFolder;
    OpenerViewer viewer(parts_.services.opener);
    std::optional<std::string> failure;
    if (id == command::kReligiousDays) {
        failure = reports::writeReligiousDaysReport(parts_.engine, now.year,
                                                    folder / reports::religiousDaysFileName(now.year, "txt"), viewer);
    } else {
        const bool monthly = id == command::kMonthlyTimetable;
        const auto kind = monthly ? reports::ImsakiyeKind::Month : reports::ImsakiyeKind::Year;
        const auto file = folder / reports::imsakiyeFileName(kind, parts_.settings.placeName, now.year, now.month, "txt");
        failure = reports::writeTimetableReport(parts_.engine, parts_.settings, parts_.services.clock.systemZone(),
                                                now.year, now.month,
                                                monthly ? reports::TimetableSpan::Month : reports::TimetableSpan::Year,
                                                file, viewer);
    }
    if (failure) parts_.presenter.showError(qs(*failure));
}

// The printable imsakiye goes to the user's documents folder and is opened.
void MenuCommands::printImsakiye(int id) {
    const ClockTime& now = parts_.scheduler.clockTime;
    OpenerViewer viewer(parts_.services.opener);
    const auto kind = static_cast<reports::ImsakiyeKind>(id - command::kMonthlyImsakiyePdf);
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

void MenuCommands::openDocument(const char* fileName) {
    const auto path = parts_.folders.find(fileName);
    if (path) openFile(*path);  // else its entry is greyed
}

void MenuCommands::openFile(const std::filesystem::path& path) {
    if (!parts_.services.opener.open(path.string())) {
        showMessageBox(QStringLiteral("Hata"), QStringLiteral("Belge açılamadı:\n%1").arg(qs(path.string())));
    }
}

void MenuCommands::chooseEzanFile(int slot) {
    runGreyed(command::kChooseEzanFirst + slot, [this, slot] {
        const std::string_view name = settings::ezanSlotName(slot, parts_.settings.ikindiAtAsrSani);
        const QString current = qs(parts_.settings.ezanFiles[static_cast<std::size_t>(slot)]);
        const std::filesystem::path start = QFileInfo(current).isAbsolute()
                                                ? std::filesystem::path(current.toStdString())
                                                : parts_.folders.programFolder / current.toStdString();
        const std::string chosen = parts_.services.files.fileToOpen(std::string(name) + " ezanı dosyasını seçiniz :",
                                                                    start.string(),
                                                                    "WAV Dosyaları (*.wav *.WAV);;Tüm Dosyalar (*)");
        if (chosen.empty() || ended_) return;
        const settings::SaveResult saved = settings::saveEzanFile(parts_.ini, parts_.settings, slot, chosen);
        if (!saved) parts_.presenter.showError(qs(saved.message));
    });
}

void MenuCommands::listenEzan(int slot) {
    parts_.presenter.playSound(parts_.settings.ezanFiles[static_cast<std::size_t>(slot)]);
}

// The entry is greyed while a check runs; a check asked for meanwhile (the
// hourly one inside the interactive one's wait) is skipped.
void MenuCommands::checkInternetTime(bool silent) {
    if (internetTime_.busy()) return;
    runGreyed(command::kInternetTime, [this, silent] {
        const nettime::TimeServerList servers = nettime::timeServerList(parts_.settings.timeServers);
        if (internetTime_.run(servers, silent) && !ended_) parts_.scheduler.onTimeChange();
    });
}

// The hourly check runs after the pass that asks for it, so the pass is
// never held by the network's wait.
void MenuCommands::queryTimeServersSilently() {
    QMetaObject::invokeMethod(this, [this] { if (!ended_) checkInternetTime(true); }, Qt::QueuedConnection);
}

// The chart is drawn from a copy of the engine as the last pass left it (the
// clock's minute at the place), on the screen that holds the tray.
void MenuCommands::showChart(int command) {
    parts_.scheduler.lastChartCommand = command;
    chartWindow_.showChart(command,
                           graphics::ChartMoment{parts_.engine, parts_.settings, parts_.services.clock.systemZone(),
                                                 parts_.scheduler.clockTime.year},
                           parts_.tray.screen());
}

// Each pass with a new minute redraws the chart on screen.
void MenuCommands::redrawChart(int command) {
    if (chartWindow_.isVisible()) showChart(command);
}

// Without a way to set this desktop's background the entries stay greyed,
// and their tip says why; else the saved mode comes back.
void MenuCommands::restoreWallpaper() {
    greyWallpaperWithoutBackend();
    const graphics::WallpaperMode mode = graphics::wallpaperModeNamed(parts_.settings.wallpaperMode);
    if (mode != graphics::WallpaperMode::None) dispatch(command::kWallpaperMoon - 1 + static_cast<int>(mode));
}

void MenuCommands::greyWallpaperWithoutBackend() {
    if (wallpaper_.available()) return;
    const QString why = QStringLiteral("Bu masaüstünün arka planı değiştirilemiyor: GNOME, KDE Plasma, XFCE ya da "
                                       "X11 oturumu gerekir.");
    qInfo("no desktop background backend for this session (XDG_CURRENT_DESKTOP=%s): the wallpaper modes are off",
          qPrintable(qEnvironmentVariable("XDG_CURRENT_DESKTOP")));
    TrayMenu& menu = parts_.tray.menu();
    for (int id = command::kWallpaperMoon; id <= command::kWallpaperGlobe; ++id) {
        menu.setEnabled(id, false);
        menu.action(id)->setToolTip(why);
    }
    for (QMenu* submenu : menu.menu()->findChildren<QMenu*>()) submenu->setToolTipsVisible(true);
}

// The menu's choice: a mode on (its picture at once), another mode, or the
// mode on again to switch it off; the choice is kept in "Duvar".
void MenuCommands::selectWallpaperMode(graphics::WallpaperMode mode) {
    const graphics::WallpaperMode now = wallpaper_.select(mode);
    for (int id = command::kWallpaperMoon; id <= command::kWallpaperGlobe; ++id) {
        parts_.tray.menu().setChecked(id, id - command::kWallpaperMoon + 1 == static_cast<int>(now));
    }
    changeChoice(&settings::Settings::wallpaperMode, std::string(graphics::wallpaperModeName(now)));
    parts_.scheduler.startWallpaper(graphics::wallpaperPeriodMinutes(now));
}

// While a chart is on screen the picture waits for the next pass.
void MenuCommands::renderWallpaper() {
    if (chartWindow_.isVisible()) {
        parts_.scheduler.wallpaper.dueUtcMinute = 0;
        return;
    }
    std::string failure;
    if (!wallpaper_.render(parts_.engine, parts_.settings, failure)) {
        qWarning("the wallpaper was not shown: %s", failure.c_str());
    }
}

void MenuCommands::end() {
    ended_ = true;
    internetTime_.cancel();
    wallpaper_.restore();
    chartWindow_.hide();
}

}  // namespace orvanta::shell
