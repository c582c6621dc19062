// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/menu_commands.h"

#include <QFileInfo>
#include <QPointer>
#include <QMenu>

#include "media/qt/converter_dialogue.h"
#include "platform/desktop_opener.h"
#include "platform/file_chooser.h"
#include "platform/notifier.h"
#include "reports/imsakiye.h"
#include "reports/reports.h"
#include "settings/program_folder.h"
#include "shell/tally.h"
#include "settings/settings_file.h"
#include "shell/messages.h"
#include "shell/qt/event_presenter.h"
#include "shell/qt/event_windows.h"
#include "shell/qt/settings_windows.h"
#include "shell/qt/tray_and_strip.h"
#include "common/qt/utf8_text.h"

namespace orvanta::shell {

namespace {

constexpr char kManualFile[] = "orvanta.html";
constexpr char kArticleFile[] = "makale.html";
constexpr int kNoticeTimeoutMs = 33333;

const QString kWakeUnavailable = QStringLiteral(
    "\"Bilgisayarı Uyandır\" kullanılamıyor: bilgisayarın uyandırma saatini "
    "(/sys/class/rtc/rtc0/wakealarm) bu kullanıcı yazamıyor; yöneticinin kuracağı "
    "60-orvanta-rtc-wakealarm.rules udev kuralı bu izni \"users\" grubuna verir (bkz. README).");

using common::qs;

// The commands that choose among the values of one setting or window.
constexpr std::pair<Command, graphics::Chart> kChartCommands[] = {
    {Command::ChartAngles, graphics::Chart::Angles},       {Command::ChartOrbits, graphics::Chart::Orbits},
    {Command::ChartYearlyTimes, graphics::Chart::YearlyTimes}, {Command::ChartMoonView, graphics::Chart::MoonView},
    {Command::ChartEarthView, graphics::Chart::EarthView}, {Command::ChartGlobeView, graphics::Chart::GlobeView},
    {Command::ChartTimeMap, graphics::Chart::TimeMap},     {Command::ChartQiblaMap, graphics::Chart::QiblaMap}};
constexpr std::pair<Command, graphics::WallpaperMode> kWallpaperCommands[] = {
    {Command::WallpaperMoon, graphics::WallpaperMode::Moon},
    {Command::WallpaperEarth, graphics::WallpaperMode::FlatEarth},
    {Command::WallpaperGlobe, graphics::WallpaperMode::Globe}};
constexpr std::pair<Command, QuietSpan> kQuietCommands[] = {{Command::QuietOneHour, QuietSpan::OneHour},
                                                            {Command::QuietTwoHours, QuietSpan::TwoHours},
                                                            {Command::QuietFourHours, QuietSpan::FourHours},
                                                            {Command::QuietUntilMorning, QuietSpan::UntilMorning}};
constexpr std::pair<Command, reports::ImsakiyeKind> kImsakiyePdfCommands[] = {
    {Command::MonthlyImsakiyePdf, reports::ImsakiyeKind::Month},
    {Command::YearlyImsakiyePdf, reports::ImsakiyeKind::Year},
    {Command::RamadanImsakiyePdf, reports::ImsakiyeKind::Ramadan}};

// The value `command` chooses in `table`, or nothing when it is not there.
template <class Value, std::size_t N>
std::optional<Value> chosenBy(const std::pair<Command, Value> (&table)[N], Command command) {
    for (const auto& [entry, value] : table) {
        if (entry == command) return value;
    }
    return std::nullopt;
}

}  // namespace

MenuCommands::MenuCommands(Parts parts, QObject* parent)
    : QObject(parent),
      parts_(std::move(parts)),
      internetTime_(parts_.services.clockSetter),
      wallpaper_(parts_.services.wallpaper, parts_.folders.programFolder) {
    connect(&chartWindow_, &graphics::ChartWindow::dismissed, this, [this] { shownChart_.reset(); });
    TrayMenu& menu = parts_.tray.menu();
    if (!parts_.folders.find(kManualFile)) menu.setEnabled(Command::Manual, false);
    if (!parts_.folders.find(kArticleFile)) menu.setEnabled(Command::Article, false);
}

void MenuCommands::dispatch(Command command) {
    if (ended_) return;
    if (dispatchNumbered(command)) return;
    SettingsWindows& windows = parts_.windows;
    switch (command) {
        case Command::MonthlyTimetable: writeTimetable(reports::TimetableSpan::Month); break;
        case Command::YearlyTimetable: writeTimetable(reports::TimetableSpan::Year); break;
        case Command::ReligiousDays: writeReligiousDays(); break;
        case Command::CalendarExport: exportCalendar(); break;
        case Command::EzanSound: toggleEzanSound(); break;
        case Command::Wake: toggleWake(); break;
        case Command::QuietOff: setQuiet(std::nullopt); break;
        case Command::Manual: openDocument(kManualFile); break;
        case Command::Article: openDocument(kArticleFile); break;
        case Command::About: windows.openAbout(parts_.icon); break;
        case Command::InternetTime: checkInternetTime(false); break;
        case Command::VakitPanel: windows.openVakitPanel(); break;
        case Command::CalculationParameters: windows.openCalculationParameters(); break;
        case Command::Options: windows.openOptions(); break;
        case Command::Mp3Converter:
            greyUntilDone(command, [this](std::function<void()> done) {
                media::runMp3Converter(parts_.services.files, [done = std::move(done)](bool) { done(); });
            });
            break;
        case Command::Exit: emit exitRequested(); break;
        default: break;  // a numbered command, carried out above
    }
}

// The commands of one kind that differ in a number or a choice: false when
// `command` is none of them.
bool MenuCommands::dispatchNumbered(Command command) {
    if (const auto chart = chosenBy(kChartCommands, command)) {
        showChart(*chart);
    } else if (const auto mode = chosenBy(kWallpaperCommands, command)) {
        selectWallpaperMode(*mode);
    } else if (const auto span = chosenBy(kQuietCommands, command)) {
        setQuiet(quietEnd(parts_.services.clock.localTime(), *span));
    } else if (const auto kind = chosenBy(kImsakiyePdfCommands, command)) {
        printImsakiye(*kind);
    } else if (const auto mode = indexIn(kMessageModeCommands, command)) {
        setMessageMode(*mode);
    } else if (const auto slot = indexIn(kChooseEzanCommands, command)) {
        chooseEzanFile(*slot);
    } else if (const auto slot = indexIn(kListenEzanCommands, command)) {
        listenEzan(*slot);
    } else if (const auto index = indexIn(kTallyCommands, command)) {
        parts_.windows.openTally(*index + 1);
    } else {
        return false;
    }
    return true;
}

// For the commands that still wait for their work.
void MenuCommands::runGreyed(Command command, const std::function<void()>& action) {
    parts_.tray.menu().setEnabled(command, false);
    action();
    parts_.tray.menu().setEnabled(command, true);
}

// For the commands whose dialogs answer later: the entry is greyed until
// the command calls done (not after the program has ended).
void MenuCommands::greyUntilDone(Command command, const std::function<void(std::function<void()> done)>& start) {
    parts_.tray.menu().setEnabled(command, false);
    start([self = QPointer<MenuCommands>(this), command] {
        if (self && !self->ended_) self->parts_.tray.menu().setEnabled(command, true);
    });
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
    parts_.tray.menu().setChecked(Command::EzanSound, on);
}

void MenuCommands::toggleWake() {
    bool& on = parts_.settings.wakeOn;
    on = !on;
    parts_.tray.menu().setChecked(Command::Wake, on);
}

void MenuCommands::explainWakeUnavailable() {
    TrayMenu& menu = parts_.tray.menu();
    menu.action(Command::Wake)->setToolTip(kWakeUnavailable);
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
        parts_.tray.menu().setChecked(kMessageModeCommands[static_cast<std::size_t>(other)], other == mode);
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
    parts_.tray.menu().setEnabled(Command::QuietOff, end.has_value());
    changeChoice(&settings::Settings::quietUntil, end ? formatQuietEnd(*end) : std::string());
    parts_.scheduler.triggers.tickCountdown = 0;
}

void MenuCommands::restoreQuiet() {
    parts_.tray.menu().setEnabled(Command::QuietOff, savedQuietEnd().has_value());
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
    greyUntilDone(kChooseEzanCommands[static_cast<std::size_t>(slot)], [this, slot](std::function<void()> done) {
        const std::string_view name = settings::ezanSlotName(slot, parts_.settings.ikindiAtAsrSani);
        const QString current = qs(parts_.settings.ezanFiles[static_cast<std::size_t>(slot)]);
        const std::filesystem::path start = QFileInfo(current).isAbsolute()
                                                ? std::filesystem::path(current.toStdString())
                                                : parts_.folders.programFolder / current.toStdString();
        parts_.services.files.fileToOpen(
            std::string(name) + " ezanı dosyasını seçiniz :", start.string(),
            "WAV Dosyaları (*.wav *.WAV);;Tüm Dosyalar (*)",
            [self = QPointer<MenuCommands>(this), slot, done = std::move(done)](const std::string& chosen) {
                done();
                if (self && !chosen.empty() && !self->ended_) self->keepEzanFile(slot, chosen);
            });
    });
}

void MenuCommands::keepEzanFile(int slot, const std::string& file) {
    const settings::SaveResult saved = settings::saveEzanFile(parts_.ini, parts_.settings, slot, file);
    if (!saved) parts_.presenter.showError(qs(saved.message));
}

void MenuCommands::listenEzan(int slot) {
    parts_.presenter.playSound(parts_.settings.ezanFiles[static_cast<std::size_t>(slot)]);
}

// The entry is greyed while a check runs; a check asked for meanwhile (the
// hourly one inside the interactive one's wait) is skipped.
void MenuCommands::checkInternetTime(bool silent) {
    if (internetTime_.busy()) return;
    runGreyed(Command::InternetTime, [this, silent] {
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
void MenuCommands::showChart(graphics::Chart chart) {
    shownChart_ = chart;
    chartWindow_.showChart(chart,
                           graphics::ChartMoment{parts_.engine, parts_.settings, parts_.services.clock.systemZone(),
                                                 parts_.scheduler.clockTime.year},
                           parts_.tray.screen());
}

// Each pass with a new minute redraws the chart on screen.
void MenuCommands::redrawChart() {
    if (shownChart_ && chartWindow_.isVisible()) showChart(*shownChart_);
}

// Without a way to set this desktop's background the entries stay greyed,
// and their tip says why; else the saved mode comes back.
void MenuCommands::restoreWallpaper() {
    greyWallpaperWithoutBackend();
    const graphics::WallpaperMode mode = graphics::wallpaperModeNamed(parts_.settings.wallpaperMode);
    for (const auto& [command, modeOfCommand] : kWallpaperCommands) {
        if (modeOfCommand == mode) dispatch(command);
    }
}

void MenuCommands::greyWallpaperWithoutBackend() {
    if (wallpaper_.available()) return;
    const QString why = QStringLiteral("Bu masaüstünün arka planı değiştirilemiyor: GNOME, KDE Plasma, XFCE ya da "
                                       "X11 oturumu gerekir.");
    qInfo("no desktop background backend for this session (XDG_CURRENT_DESKTOP=%s): the wallpaper modes are off",
          qPrintable(qEnvironmentVariable("XDG_CURRENT_DESKTOP")));
    TrayMenu& menu = parts_.tray.menu();
    for (const auto& [command, mode] : kWallpaperCommands) {
        menu.setEnabled(command, false);
        menu.action(command)->setToolTip(why);
    }
    for (QMenu* submenu : menu.menu()->findChildren<QMenu*>()) submenu->setToolTipsVisible(true);
}

// The menu's choice: a mode on (its picture at once), another mode, or the
// mode on again to switch it off; the choice is kept in "Duvar".
void MenuCommands::selectWallpaperMode(graphics::WallpaperMode mode) {
    const graphics::WallpaperMode now = wallpaper_.select(mode);
    for (const auto& [command, modeOfCommand] : kWallpaperCommands) parts_.tray.menu().setChecked(command, modeOfCommand == now);
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
