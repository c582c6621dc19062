#include "shell/qt/desktop_shell.h"

#include <QStandardPaths>
#include <QApplication>
#include <QDebug>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <ctime>

#include "platform/desktop_opener.h"
#include "platform/hot_key.h"
#include "platform/notifier.h"
#include "platform/wake_alarm.h"
#include "reports/imsakiye.h"
#include "shell/qt/calendar_command.h"
#include "reports/qt/imsakiye_pdf.h"
#include "reports/reports.h"
#include "settings/keys.h"
#include "settings/program_folder.h"
#include "shell/messages.h"
#include "settings/qt/tally_dialog.h"
#include "shell/qt/settings_dialog_host.h"
#include "settings/qt/vakit_panel.h"
#include "settings/text_encoding.h"
#include "shell/qt/about_dialog.h"
#include "media/qt/converter_dialogue.h"
#include "platform/file_chooser.h"

namespace orvanta::shell {

namespace keys = settings::keys;

namespace {

constexpr int kBalloonTimeoutMs = 33333;
constexpr int kTrayRecheckMs = 10'000;
constexpr int kMessageModeBox = 2;
constexpr int kMessageModeBalloon = 1;
constexpr char kManualFile[] = "orvanta.html";
constexpr char kArticleFile[] = "makale.html";
constexpr char kPrayerAfterEzanFile[] = "ezandua.wav";

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString qs(const std::string& text) { return QString::fromStdString(text); }
QString qs(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

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

platform::NoticeKind noticeKind(int iconKind) {
    switch (iconKind) {
        case 2: return platform::NoticeKind::Warning;
        case 3: return platform::NoticeKind::Error;
        default: return platform::NoticeKind::Information;
    }
}

RelaySettings relaySettings(const settings::Settings& settings) {
    return RelaySettings{settings.relayComPort, settings.relayDevicePath, settings.relayLeadSeconds,
                         settings.relayOnSeconds};
}

// Hands a finished report to the desktop's text viewer.
class OpenerViewer : public reports::ReportViewer {
public:
    explicit OpenerViewer(platform::DesktopOpener& opener) : opener_(opener) {}
    void open(const std::filesystem::path& file) override { opener_.open(file.string()); }

private:
    platform::DesktopOpener& opener_;
};

}  // namespace

DesktopShell::DesktopShell(ShellFolders folders, ShellServices services, engine::Engine& engine, WebAddresses web,
                           QObject* parent)
    : QObject(parent),
      folders_(std::move(folders)),
      services_(services),
      engine_(engine),
      web_(std::move(web)),
      ini_(settings::companionPath(folders_.programFolder, "ini")),
      noticeMemory_(ini_),
      scheduler_(std::make_unique<Scheduler>(engine_, settings_, services_.clock, static_cast<SchedulerEffects&>(*this),
                                             noticeMemory_)),
      menu_(TrayMenu::builtInTable()),
      soundPlayer_(services_.sound, services_.opener, services_.relay, services_.mediaPlayers),
      internetTime_(services_.clockSetter),
      wallpaper_(services_.wallpaper, folders_.programFolder) {
    connect(&soundPlayer_, &SoundPlayer::failed, this, &DesktopShell::reportSoundError);
    connect(&menu_, &TrayMenu::commandChosen, this, &DesktopShell::dispatch);
    connect(&strip_, &TimeStrip::menuRequested, this, [this](const QPoint& at) { menu_.menu()->popup(at); });
    connect(&tray_, &QSystemTrayIcon::activated, this, &DesktopShell::onTrayActivated);
    connect(&chartWindow_, &graphics::ChartWindow::dismissed, this, [this] { scheduler_->flags.lastChartCommand = 0; });
    // A single click toggles the strip only once the double-click time has
    // passed without a second click.
    singleClickTimer_.setSingleShot(true);
    connect(&singleClickTimer_, &QTimer::timeout, this, [this] { strip_.toggle(); });
    tickTimer_.setInterval(1000);
    connect(&tickTimer_, &QTimer::timeout, this, &DesktopShell::tick);
}

DesktopShell::~DesktopShell() = default;

// ---------------------------------------------------------------- start-up

void DesktopShell::start() {
    checkProgramFolder();
    loadIcon();
    tray_.setIcon(icon_);
    tray_.setToolTip(QStringLiteral("Orvanta"));
    tray_.setContextMenu(menu_.menu());
    strip_.setWindowIcon(icon_);
    if (!findFile(kManualFile)) menu_.setEnabled(command::kManual, false);
    if (!findFile(kArticleFile)) menu_.setEnabled(command::kArticle, false);

    replaySavedChoices();
    lastZone_ = services_.clock.systemZone();
    tickTimer_.start();
    showTray();
    // The first pass: today's times, a due religious-day notice, the tip.
    scheduler_->onTick();
    if (shutDown_) return;

    greyWallpaperWithoutBackend();
    const graphics::WallpaperMode wallpaper = graphics::wallpaperModeNamed(
        ini_.readString(keys::kOptionsSection, keys::kWallpaper, "", settings::kPathBuffer));
    if (wallpaper != graphics::WallpaperMode::None) {
        dispatch(command::kWallpaperMoon - 1 + static_cast<int>(wallpaper));
    }

    if (services_.hotKey && !services_.hotKey->grabSuperA([this] { toggleTimeStrip(); })) {
        qInfo("Super+A could not be grabbed; bind 'orvanta --toggle-strip' to a desktop shortcut instead");
    }
    // A first run: the welcome, which writes both groups; a file that
    // lacks only the options opens their dialog.
    if (calculationMissing_) {
        dispatch(command::kCalculationParameters);
    } else if (optionsMissing_) {
        dispatch(command::kOptions);
    }
}

void DesktopShell::checkProgramFolder() {
    std::error_code error;
    std::filesystem::create_directories(folders_.programFolder, error);
    if (error) {
        showMessageBoxWithoutWaiting(qs(kErrorTitle), QStringLiteral("Program klasörü oluşturulamadı:\n%1\n%2\n"
                                                     "Ayarlar bu oturum boyunca geçerli, ancak kaydedilmeyecek.")
                                          .arg(qs(folders_.programFolder), QString::fromStdString(error.message())));
        return;
    }
    if (!QFileInfo(qs(folders_.programFolder)).isWritable()) {
        showMessageBoxWithoutWaiting(qs(kErrorTitle),
                                     QStringLiteral("Program klasörüne yazılamıyor:\n%1\n"
                                                    "Ayarlar bu oturum boyunca geçerli, ancak kaydedilmeyecek.")
                                         .arg(qs(folders_.programFolder)));
    }
    iniReadable_ = ini_.tryRead().has_value();
    if (!iniReadable_) {
        showMessageBoxWithoutWaiting(qs(kErrorTitle), QStringLiteral("Ayarlar dosyası okunamıyor:\n%1\n"
                                                     "Program varsayılan ayarlarla çalışıyor; dosyaya dokunulmayacak.")
                                          .arg(qs(ini_.path())));
    }
}

void DesktopShell::loadIcon() {
    for (const char* name : {"orvanta.png", "orvanta.ico"}) {
        const QIcon custom(qs(folders_.programFolder / name));
        if (!custom.availableSizes().isEmpty()) {
            icon_ = custom;
            return;
        }
    }
    icon_ = QIcon(QStringLiteral(":/orvanta/orvanta.png"));
}

// The saved choices go through the menu's own commands, so check marks,
// write-backs and side effects are those of the user's choice.
void DesktopShell::replaySavedChoices() {
    // Read before the replay writes its first key. A file that cannot be
    // read is no first run.
    if (iniReadable_) {
        const settings::IniDocument before = ini_.read();
        calculationMissing_ = !before.sectionHasKeys(keys::kCalculationSection);
        optionsMissing_ = !before.sectionHasKeys(keys::kOptionsSection);
    }
    if (ini_.readString(keys::kOptionsSection, keys::kWake, "", settings::kPathBuffer) == keys::kYes) {
        dispatch(command::kWake);
    }
    const settings::IniDocument document = ini_.read();
    for (int counter = 1; counter <= settings::kTallyCount; ++counter) {
        menu_.setText(command::kTallyFirst + counter - 1, qs(settings::readTally(document, counter).name));
    }
    menu_.setChecked(command::kEzanSound, scheduler_->flags.ezanSoundOn);
    const std::string ezanSound = ini_.readString(keys::kOptionsSection, keys::kEzanSala, "", settings::kPathBuffer);
    if (ezanSound == keys::kNo) dispatch(command::kEzanSound);

    settings::loadCalculationParameters(ini_, settings_, engine_);
    settings::loadOptions(ini_, settings_, services_.autostart);
    scheduler_->onCalculationChanged();
    settings::loadEzanFiles(ini_, settings_);

    const std::int32_t mode = ini_.readInt(keys::kOptionsSection, keys::kMessageMode, kMessageModeBox);
    dispatch(command::kMessageNone + std::clamp(mode, 0, kMessageModeBox));
}

void DesktopShell::showTray() {
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray_.show();
        return;
    }
    trayMissing_ = true;
    strip_.toggle();
    announceMissingTray();
    // A panel that starts after the program brings the icon after all.
    auto* recheck = new QTimer(this);
    recheck->setInterval(kTrayRecheckMs);
    connect(recheck, &QTimer::timeout, this, [this, recheck] {
        if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
        trayMissing_ = false;
        tray_.show();
        strip_.hide();
        recheck->deleteLater();
    });
    recheck->start();
}

void DesktopShell::announceMissingTray() {
    const QString text = QStringLiteral(
        "Masaüstünde bildirim alanı bulunamadı. Orvanta çalışmaya devam ediyor: kalan süreyi ekranın sol üst "
        "köşesindeki zaman şeridi gösteriyor; menü için şeride sağ tıklayın.");
    if (!services_.notifier.notify("Orvanta", text.toStdString(), platform::NoticeKind::Information,
                                   kBalloonTimeoutMs)) {
        showMessageBoxWithoutWaiting(QStringLiteral("Orvanta"), text);
    }
}

// ---------------------------------------------------------------- running

void DesktopShell::tick() {
    if (shutDown_) return;
    const settings::SystemZone zone = services_.clock.systemZone();
    if (zone != lastZone_) {
        lastZone_ = zone;
        scheduler_->onTimeChange();
    }
    scheduler_->onTick();
}

void DesktopShell::onClockChanged() { scheduler_->onTimeChange(); }

void DesktopShell::onResumed() { scheduler_->onResume(); }

void DesktopShell::onTrayActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger: singleClickTimer_.start(QApplication::doubleClickInterval()); break;
        case QSystemTrayIcon::DoubleClick: singleClickTimer_.stop(); break;
        case QSystemTrayIcon::MiddleClick: soundPlayer_.stop(); break;
        default: break;
    }
}

// ---------------------------------------------------------------- commands

void DesktopShell::dispatch(int id) {
    if (shutDown_) return;
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
        runGreyed(id, [this, id] { openTally(id - command::kTallyFirst + 1); });
    } else {
        switch (id) {
            case command::kMonthlyTimetable:
            case command::kYearlyTimetable:
            case command::kReligiousDays:
            case command::kMonthlyImsakiyePdf:
            case command::kMonthlyImsakiyePdf + 1:
            case command::kRamadanImsakiyePdf:
            case command::kCalendarExport: writeReport(id); break;
            case command::kEzanSound: toggleEzanSound(); break;
            case command::kWake: toggleWake(); break;
            case command::kManual: openDocument(kManualFile); break;
            case command::kArticle: openDocument(kArticleFile); break;
            case command::kAbout: runGreyed(id, [this] { openAbout(); }); break;
            case command::kInternetTime: checkInternetTime(false); break;
            case command::kVakitPanel: runGreyed(id, [this] { openVakitPanel(); }); break;
            case command::kCalculationParameters: runGreyed(id, [this] { openCalculationOrWelcome(); }); break;
            case command::kOptions: runGreyed(id, [this] { openOptions(); }); break;
            case command::kMp3Converter: runGreyed(id, [this] { media::runMp3Converter(services_.files); }); break;
            case command::kExit: shutdown(); break;
            // The panel, the charts, the wallpaper, the settings dialogs,
            // the internet time, the counters and the converter come with
            // their own windows.
            default: break;
        }
    }
}

void DesktopShell::runGreyed(int id, const std::function<void()>& action) {
    menu_.setEnabled(id, false);
    action();
    menu_.setEnabled(id, true);
}

void DesktopShell::toggleEzanSound() {
    bool& on = scheduler_->flags.ezanSoundOn;
    on = !on;
    if (!on) soundPlayer_.stop();
    menu_.setChecked(command::kEzanSound, on);
}

void DesktopShell::toggleWake() {
    bool& on = scheduler_->flags.wakeOn;
    on = !on;
    menu_.setChecked(command::kWake, on);
}

void DesktopShell::setMessageMode(int mode) {
    scheduler_->flags.messageMode = mode;
    for (int other = 0; other <= kMessageModeBox; ++other) menu_.setChecked(command::kMessageNone + other, other == mode);
    if (!iniReadable_) return;
    const settings::SaveResult saved = ini_.writeInt(keys::kOptionsSection, keys::kMessageMode, mode);
    if (!saved) qWarning("%s", saved.detail.c_str());
}

void DesktopShell::writeReport(int id) {
    const ClockTime& now = scheduler_->clockTime;
    const std::filesystem::path& folder = folders_.programFolder;
    const settings::SystemZone zone = services_.clock.systemZone();
    OpenerViewer viewer(services_.opener);
    std::optional<std::string> failure;
    if (id == command::kReligiousDays) {
        failure = reports::writeReligiousDaysReport(engine_, now.year, folder / reports::religiousDaysFileName(now.year, "txt"),
                                                    viewer);
    } else if (id >= command::kMonthlyImsakiyePdf && id <= command::kCalendarExport) {
        const std::filesystem::path documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
        if (id == command::kCalendarExport) {
            failure = exportCalendarYear(engine_, settings_, now, documents, viewer);
        } else {
            const auto kind = static_cast<reports::ImsakiyeKind>(id - command::kMonthlyImsakiyePdf);
            failure = reports::printImsakiye(engine_, settings_, zone, kind, now.year, now.month, documents, viewer);
        }
    } else {
        const bool monthly = id == command::kMonthlyTimetable;
        const auto kind = monthly ? reports::ImsakiyeKind::Month : reports::ImsakiyeKind::Year;
        const auto file = folder / reports::imsakiyeFileName(kind, settings_.placeName, now.year, now.month, "txt");
        failure = reports::writeTimetableReport(engine_, settings_, zone, now.year, now.month,
                                                monthly ? reports::TimetableSpan::Month : reports::TimetableSpan::Year,
                                                file, viewer);
    }
    if (failure) showError(qs(*failure));
}

void DesktopShell::openDocument(const char* fileName) {
    const auto path = findFile(fileName);
    if (path) openFile(*path);  // else its entry is greyed
}

void DesktopShell::openFile(const std::filesystem::path& path) {
    if (!services_.opener.open(path.string())) {
        showMessageBoxWithoutWaiting(qs(kErrorTitle), QStringLiteral("Belge açılamadı:\n%1").arg(qs(path)));
    }
}

void DesktopShell::openAbout() {
    AboutDialog dialog(icon_, web_.homePage, web_.mailAddress, services_.opener);
    dialog.exec();
}

void DesktopShell::chooseEzanFile(int slot) {
    runGreyed(command::kChooseEzanFirst + slot, [this, slot] {
        const std::string_view name = settings::ezanSlotName(slot, settings_.ikindiAtAsrSani);
        const QString current = qs(settings_.ezanFiles[static_cast<std::size_t>(slot)]);
        const std::string chosen = services_.files.fileToOpen(
            std::string(name) + " ezanı dosyasını seçiniz :",
            (QFileInfo(current).isAbsolute() ? current : qs(folders_.programFolder / current.toStdString())).toStdString(),
            "WAV Dosyaları (*.wav *.WAV);;Tüm Dosyalar (*)");
        if (chosen.empty() || shutDown_) return;
        const settings::SaveResult saved = settings::saveEzanFile(ini_, settings_, slot, chosen);
        if (!saved) showError(qs(saved.message));
    });
}

// The panel shows the engine as the scheduler keeps it (today, at the
// clock's minute) and is refilled after each pass that changed something.
void DesktopShell::openVakitPanel() {
    settings::VakitPanel panel([this] {
        const ClockTime& now = scheduler_->clockTime;
        return settings::panelTexts(engine_, settings_, scheduler_->todayTimes,
                                    settings::PanelMoment{now.year, now.month, now.day, now.hour, now.minute});
    });
    panel_ = &panel;
    panel.exec();
    panel_ = nullptr;
}

// The chart is drawn from a copy of the engine as the last pass left it (the
// clock's minute at the place), on the screen that holds the tray.
void DesktopShell::showChart(int command) {
    scheduler_->flags.lastChartCommand = command;
    QScreen* screen = QGuiApplication::screenAt(tray_.geometry().center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    chartWindow_.showChart(command,
                           graphics::ChartMoment{engine_, settings_, services_.clock.systemZone(), scheduler_->clockTime.year},
                           screen);
}

// Without a way to set this desktop's background the entries stay greyed,
// and their tip says why.
void DesktopShell::greyWallpaperWithoutBackend() {
    if (wallpaper_.available()) return;
    const QString why = QStringLiteral("Bu masaüstünün arka planı değiştirilemiyor: GNOME, KDE Plasma, XFCE ya da "
                                       "X11 oturumu gerekir.");
    qInfo("no desktop background backend for this session (XDG_CURRENT_DESKTOP=%s): the wallpaper modes are off",
          qPrintable(qEnvironmentVariable("XDG_CURRENT_DESKTOP")));
    for (int id = command::kWallpaperMoon; id <= command::kWallpaperGlobe; ++id) {
        menu_.setEnabled(id, false);
        menu_.action(id)->setToolTip(why);
    }
    for (QMenu* submenu : menu_.menu()->findChildren<QMenu*>()) submenu->setToolTipsVisible(true);
}

// The menu's choice: a mode on (its picture at once), another mode, or the
// mode on again to switch it off; the choice is kept in "Duvar".
void DesktopShell::selectWallpaperMode(graphics::WallpaperMode mode) {
    const graphics::WallpaperMode now = wallpaper_.select(mode);
    for (int id = command::kWallpaperMoon; id <= command::kWallpaperGlobe; ++id) {
        menu_.setChecked(id, id - command::kWallpaperMoon + 1 == static_cast<int>(now));
    }
    if (iniReadable_) {
        const settings::SaveResult saved =
            ini_.writeString(keys::kOptionsSection, keys::kWallpaper, graphics::wallpaperModeName(now));
        if (!saved) qWarning("%s", saved.detail.c_str());
    }
    scheduler_->startWallpaper(graphics::wallpaperPeriodMinutes(now));
}

// While a chart is on screen the picture waits for the next pass.
void DesktopShell::renderWallpaper() {
    if (chartWindow_.isVisible()) {
        scheduler_->wallpaper.dueUtcMinute = 0;
        return;
    }
    std::string failure;
    if (!wallpaper_.render(engine_, settings_, failure)) qWarning("the wallpaper was not shown: %s", failure.c_str());
}

// Each pass with a new minute redraws the chart on screen.
void DesktopShell::redrawChart(int command) {
    if (chartWindow_.isVisible()) showChart(command);
}

void DesktopShell::refreshPanel() {
    if (panel_ != nullptr) panel_->refill();
}

SettingsDialogHost DesktopShell::dialogHost() {
    return SettingsDialogHost({*scheduler_, settings_, engine_, services_.clock,
                               [this](const std::filesystem::path& file) { openFile(file); },
                               [this] { queryTimeServersSilently(); },
                               [this](const std::filesystem::path& name) { return findFile(name); },
                               folders_.programFolder, QUrl(web_.downloadBase)});
}

// The dialog edits the settings in place: "Kaydet" saves the group, any
// other end reloads it from the file (the views' moment stays as set).
void DesktopShell::openCalculationParameters() {
    SettingsDialogHost host = dialogHost();
    settings::CalculationDialog dialog(settings_, host, placeListFile());
    const bool save = dialog.exec() == QDialog::Accepted;
    if (shutDown_) return;
    if (save) {
        settings_.placeChosen = true;
        const settings::SaveResult saved = settings::saveCalculationParameters(ini_, settings_, engine_);
        if (!saved) showError(qs(saved.message));
    } else {
        settings::loadCalculationParameters(ini_, settings_, engine_);
    }
    scheduler_->onCalculationChanged();
}

void DesktopShell::openOptions() {
    SettingsDialogHost host = dialogHost();
    settings::OptionsDialog dialog(settings_, host);
    const bool ikindiAtAsrSani = settings_.ikindiAtAsrSani;
    const bool save = dialog.exec() == QDialog::Accepted;
    if (shutDown_) return;
    if (save) {
        const settings::SaveResult saved = settings::saveOptions(ini_, settings_, services_.autostart);
        if (!saved) showError(qs(saved.message));
    } else {
        settings::loadOptions(ini_, settings_, services_.autostart);
    }
    // The İkindi slot rings at Asr-ı Sani now, or back at İkindi: its file
    // is the one kept under that name.
    if (settings_.ikindiAtAsrSani != ikindiAtAsrSani) settings::loadEzanFiles(ini_, settings_);
    scheduler_->onOptionsChanged();
}

// The counter's name is its menu caption; "Kapat" saves the three keys and
// renames the entry.
void DesktopShell::openTally(int counter) {
    const int id = command::kTallyFirst + counter - 1;
    settings::Tally tally = settings::readTally(ini_.read(), counter);
    tally.name = menu_.action(id)->text().toStdString();
    settings::TallyDialog dialog(tally);
    if (dialog.exec() != QDialog::Accepted || shutDown_) return;
    const settings::Tally saved = dialog.fields();
    menu_.setText(id, qs(settings::utf8Prefix(saved.name, settings::kTallyNameCharacters)));
    const settings::SaveResult result = settings::saveTally(ini_, counter, saved);
    if (!result) showError(qs(result.message));
}

// The entry is greyed while a check runs; a check asked for meanwhile (the
// hourly one inside the interactive one's wait) is skipped.
void DesktopShell::checkInternetTime(bool silent) {
    if (internetTime_.busy()) return;
    runGreyed(command::kInternetTime, [this, silent] {
        const nettime::TimeServerList servers = nettime::readTimeServers(ini_.read());
        if (internetTime_.run(servers, silent) && !shutDown_) scheduler_->onTimeChange();
    });
}

void DesktopShell::queryTimeServersSilently() {
    if (!shutDown_) checkInternetTime(true);
}

void DesktopShell::listenEzan(int slot) { playSound(settings_.ezanFiles[static_cast<std::size_t>(slot)]); }

// ---------------------------------------------------------------- effects

std::optional<std::filesystem::path> DesktopShell::findFile(const std::filesystem::path& name) const {
    if (name.is_absolute()) return name;
    std::vector<std::filesystem::path> folders{folders_.programFolder};
    folders.insert(folders.end(), folders_.dataFolders.begin(), folders_.dataFolders.end());
    return settings::findCompanionFile(folders, name.string());
}

void DesktopShell::muteFor(int minutes) {
    mutedUntil_ = QDateTime::currentDateTime().addSecs(std::int64_t{minutes} * 60);
    setTip(std::string(lastTip_));
}

bool DesktopShell::muted() const { return mutedUntil_.isValid() && QDateTime::currentDateTime() < mutedUntil_; }

void DesktopShell::playSound(std::string_view file) {
    if (shutDown_ || !scheduler_->flags.ezanSoundOn || muted()) return;
    const std::filesystem::path name{std::string(file)};
    const std::filesystem::path path = findFile(name).value_or(folders_.programFolder / name);
    soundPlayer_.play(qs(path), qs(file), relaySettings(settings_), settings_.pauseMediaPlayers);
}

// In box mode the error waits for the user; otherwise its balloon (mode 1)
// stays alone for a few seconds before the event that follows, while the
// tray, the strip and the scheduler go on.
void DesktopShell::reportSoundError(const QString& text) {
    if (shutDown_) return;
    if (scheduler_->flags.messageMode == kMessageModeBox) {
        showMessageBox(qs(kErrorTitle), text, true);
        return;
    }
    balloon(3, qs(kErrorTitle), text);
    waitWithoutFreezing(soundErrorPauseMs_);
}

void DesktopShell::waitWithoutFreezing(int milliseconds) {
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    connect(this, &DesktopShell::finished, &wait, &QEventLoop::quit);
    wait.exec();
}

void DesktopShell::announceEzan(int slot) {
    if (shutDown_) return;
    windows_.closeEarlier();
    playSound(settings_.ezanFiles[static_cast<std::size_t>(slot)]);
    const QString name = qs(settings::ezanSlotName(slot, settings_.ikindiAtAsrSani));
    if (scheduler_->flags.messageMode != kMessageModeBox) {
        balloon(1, name, qs(kEzanBalloonText));
        return;
    }
    windows_.showEzanBox(name);
    if (shutDown_) return;
    soundPlayer_.stop();
    if (!settings::hasRelay(settings_)) playSound(kPrayerAfterEzanFile);
}

void DesktopShell::showWarning(std::string_view text) {
    if (shutDown_) return;
    windows_.closeEarlier();
    if (scheduler_->flags.messageMode == kMessageModeBox) {
        windows_.showWarningBox(qs(text));
    } else {
        balloon(2, qs(kWarningBalloonTitle), qs(text));
    }
}

void DesktopShell::showReminder(engine::VakitType prayer) {
    if (shutDown_) return;
    windows_.closeEarlier();
    const std::string_view name = engine::vakitNames[static_cast<std::size_t>(prayer)];
    if (scheduler_->flags.messageMode == kMessageModeBox) {
        windows_.showReminder(qs(reminderDialogText(name, settings_.reminderMinutes)), qs(settings_.reminderText),
                              [this] { soundPlayer_.stop(); });
    } else {
        balloon(2, qs(kReminderBalloonTitle), qs(reminderBalloonText(name, settings_.reminderMinutes)));
    }
}

void DesktopShell::showReligiousDayNotice(std::string_view text, std::string_view title) {
    if (shutDown_) return;
    if (scheduler_->flags.messageMode == kMessageModeBox) {
        showMessageBox(qs(title), qs(text), true);
    } else {
        balloon(2, qs(title), qs(text));
    }
}

void DesktopShell::setTip(std::string_view text) {
    lastTip_ = text;
    QString tip = qs(text);
    if (muted()) tip += QStringLiteral("\nSessiz, bitiş: %1").arg(mutedUntil_.toString(QStringLiteral("HH:mm")));
    tray_.setToolTip(tip);
    strip_.setText(tip);
    emit tipWritten();
}

WakeResult DesktopShell::armWake(LocalTicks when) {
    switch (services_.wakeAlarm.arm(localTicksToUtcSeconds(when))) {
        case platform::WakeArmResult::Armed: return WakeResult::Armed;
        case platform::WakeArmResult::NotSupported: return WakeResult::NotSupported;
        case platform::WakeArmResult::Failed: break;
    }
    return WakeResult::Failed;
}

void DesktopShell::cancelWake() { services_.wakeAlarm.cancel(); }

void DesktopShell::setMenuEntryEnabled(int id, bool enabled) {
    menu_.setEnabled(id, enabled);
    if (id == command::kWake && !enabled) explainWakeUnavailable();
}

// Balloons show only in message mode 1: through the desktop's
// notifications, or the tray's own balloon where there is no service.
void DesktopShell::balloon(int iconKind, const QString& title, const QString& text) {
    if (scheduler_->flags.messageMode != kMessageModeBalloon) return;
    if (services_.notifier.notify(title.toStdString(), text.toStdString(), noticeKind(iconKind), kBalloonTimeoutMs)) {
        return;
    }
    if (tray_.isVisible()) {
        static const QSystemTrayIcon::MessageIcon kIcons[] = {QSystemTrayIcon::Information, QSystemTrayIcon::Information,
                                                              QSystemTrayIcon::Warning, QSystemTrayIcon::Critical};
        tray_.showMessage(title, text, kIcons[std::clamp(iconKind, 0, 3)], kBalloonTimeoutMs);
    }
}

void DesktopShell::showError(const QString& text) { showMessageBox(qs(kErrorTitle), text, true); }

// ---------------------------------------------------------------- shutdown

void DesktopShell::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    tickTimer_.stop();
    singleClickTimer_.stop();
    soundPlayer_.release();
    internetTime_.cancel();
    windows_.closeEarlier();
    // Every dialog still open ends its wait, so the start-up or command
    // that opened it returns and the program can end.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible()) dialog->done(0);
    }
    if (iniReadable_) {
        const Scheduler& scheduler = *scheduler_;
        const settings::SaveResult saved = ini_.update([&scheduler](settings::IniDocument& document) {
            document.set(keys::kOptionsSection, keys::kEzanSala, scheduler.flags.ezanSoundOn ? keys::kYes : keys::kNo);
            document.set(keys::kOptionsSection, keys::kWake, scheduler.flags.wakeOn ? keys::kYes : keys::kNo);
        });
        if (!saved) qWarning("the tray toggles were not saved: %s", saved.detail.c_str());
    }
    wallpaper_.restore();
    tray_.hide();
    strip_.hide();
    chartWindow_.hide();
    emit finished();
}

}  // namespace orvanta::shell
