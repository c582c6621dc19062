// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta: the desktop prayer-times clock in the notification area.
//
//   orvanta                  start (a second start exits at once, leaving
//                            the running copy untouched)
//   orvanta --toggle-strip   show or hide the running copy's time strip
//                            (bind it to a desktop shortcut where Super+A
//                            cannot be grabbed, as under Wayland)
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QScreen>
#include <QSocketNotifier>
#include <cstdio>
#include <cstring>
#include <memory>

#include "engine/engine.h"
#include "platform/linux/clock_change_watch.h"
#include "platform/linux/program_environment.h"
#include "platform/linux/qt/desktop_notifications.h"
#include "platform/linux/qt/desktop_services_opener.h"
#include "platform/linux/qt/desktop_wallpapers.h"
#include "platform/linux/qt/mpris_players.h"
#include "platform/linux/qt/qt_file_dialogs.h"
#include "platform/linux/qt/single_instance.h"
#include "shell/qt/bus_service.h"
#include "shell/qt/desktop_bus_host.h"
#include "platform/linux/qt/timedated_clock.h"
#include "platform/linux/qt/sleep_watch.h"
#include "platform/linux/qt/x11_hot_key.h"
#include "platform/linux/rtc_wake_alarm.h"
#include "platform/linux/serial_break_line.h"
#include "platform/linux/termination_signals.h"
#include "platform/linux/xdg_autostart.h"
#include "settings/program_folder.h"
#include "shell/qt/desktop_program.h"
#include "shell/qt/sound_output.h"
#include "shell/qt/system_clock.h"

namespace {

constexpr char kToggleStripRequest[] = "toggle-strip";

const char kUsage[] =
    "usage: orvanta [--toggle-strip]\n"
    "  --toggle-strip  show or hide the time strip of the running copy\n"
    "Settings: $ORVANTA_HOME/orvanta.ini, else orvanta.ini beside the program, else\n"
    "~/.config/orvanta/orvanta.ini. orvanta-cli prints times without a desktop.\n";

struct Arguments {
    bool toggleStrip = false;
    bool help = false;
    const char* unknown = nullptr;
};

Arguments parseArguments(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--toggle-strip") == 0) {
            arguments.toggleStrip = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            arguments.help = true;
        } else if (arguments.unknown == nullptr) {
            arguments.unknown = argv[i];
        }
    }
    return arguments;
}

// Read-only companion files: beside an installed program
// (<prefix>/share/orvanta), the configured install prefix, and the source
// tree's resources when the program runs from its build folder.
std::vector<std::filesystem::path> dataFolders(const std::filesystem::path& executable) {
    return {executable.parent_path().parent_path() / "share" / "orvanta", ORVANTA_DATA_DIR,
            ORVANTA_SOURCE_RESOURCES_DIR};
}

}  // namespace

int main(int argc, char** argv) {
    const Arguments arguments = parseArguments(argc, argv);
    if (arguments.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (arguments.unknown != nullptr) {
        std::fprintf(stderr, "orvanta: unknown argument '%s'\n%s", arguments.unknown, kUsage);
        return 2;
    }

    QApplication application(argc, argv);
    // The name is the tray item's title on a StatusNotifierItem desktop (and
    // the windows' class). No display name: Qt would append it to every
    // window title.
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    QApplication::setDesktopFileName(QStringLiteral("org.orvanta.Orvanta"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own texts (file dialogs, buttons) in Turkish where installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    using namespace orvanta;
    platform::SingleInstance instance(platform::SingleInstance::defaultRuntimeFolder());
    if (!instance.claim()) {
        if (!instance.error().isEmpty()) std::fprintf(stderr, "orvanta: %s\n", qPrintable(instance.error()));
        if (arguments.toggleStrip && !shell::toggleStripOfRunningCopy()) {
            instance.sendToRunning(QString::fromLatin1(kToggleStripRequest));
        }
        return 0;
    }

    const platform::FolderEnvironment environment = platform::currentFolderEnvironment();
    shell::SystemClock clock;
    platform::DesktopServicesOpener opener;
    platform::RtcWakeAlarm wakeAlarm;
    platform::DesktopNotifications notifier;
    platform::XdgAutostart autostart = platform::XdgAutostart::forCurrentUser(environment.executable);
    shell::MediaSoundOutput sound;
    platform::TimedatedClock clockSetter;
    platform::SerialBreakLine relay;
    platform::MprisPlayers mediaPlayers;
    platform::QtFileDialogs files;
    std::unique_ptr<platform::X11HotKey> hotKey;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) hotKey = std::make_unique<platform::X11HotKey>();
    const std::unique_ptr<platform::DesktopWallpaper> wallpaper = platform::desktopWallpaperForSession();

    // The moment the program shows: the scheduler keeps it at the clock's minute.
    engine::Engine moment;
    shell::DesktopProgram desktop({settings::programFolder(environment), dataFolders(environment.executable)},
                                {clock, opener, wakeAlarm, notifier, autostart, sound, relay, mediaPlayers, files, clockSetter,
                                 hotKey.get(), wallpaper.get()},
                                moment,
                                {QStringLiteral(ORVANTA_HOME_PAGE), QStringLiteral(ORVANTA_MAIL_ADDRESS),
                                 QStringLiteral(ORVANTA_DOWNLOAD_BASE)});
    QObject::connect(&desktop, &shell::DesktopProgram::finished, &application, &QApplication::quit);
    // The session-bus interface org.orvanta.Orvanta1, brought up to date whenever the tip is written.
    shell::DesktopBusHost busHost(desktop);
    shell::BusService bus(busHost);
    bus.registerOnSessionBus();
    QObject::connect(&desktop, &shell::DesktopProgram::tipWritten, &bus, &shell::BusService::refresh);
    QObject::connect(&instance, &platform::SingleInstance::requestReceived, &desktop, [&desktop](const QString& request) {
        if (request == QLatin1String(kToggleStripRequest)) desktop.toggleTimeStrip();
    });

    // A logout (SIGTERM), Ctrl+C or a closed terminal end the program as
    // "Çıkış" does, so the tray toggles are saved.
    std::unique_ptr<QSocketNotifier> terminationNotifier;
    if (const int fd = platform::terminationSignalDescriptor(); fd >= 0) {
        terminationNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(terminationNotifier.get(), &QSocketNotifier::activated, &desktop, [&desktop] {
            platform::drainTerminationSignals();
            desktop.shutdown();
        });
    }
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &desktop, &shell::DesktopProgram::shutdown);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &desktop, &shell::DesktopProgram::shutdown);

    // The clock set, the machine resumed, the screens changed: a pass now.
    platform::ClockChangeWatch clockWatch;
    std::unique_ptr<QSocketNotifier> clockNotifier;
    if (clockWatch.descriptor() >= 0) {
        clockNotifier = std::make_unique<QSocketNotifier>(clockWatch.descriptor(), QSocketNotifier::Read);
        QObject::connect(clockNotifier.get(), &QSocketNotifier::activated, &desktop, [&desktop, &clockWatch] {
            if (clockWatch.clockWasSet()) desktop.onClockChanged();
        });
    }
    platform::SleepWatch sleepWatch;
    QObject::connect(&sleepWatch, &platform::SleepWatch::resumed, &desktop, &shell::DesktopProgram::onResumed);
    for (auto signal : {&QGuiApplication::screenAdded, &QGuiApplication::screenRemoved}) {
        QObject::connect(&application, signal, &desktop, [&desktop] { desktop.onResumed(); });
    }

    desktop.start();
    if (desktop.hasShutDown()) return 0;
    if (arguments.toggleStrip) desktop.toggleTimeStrip();
    // Once the icon is up: the first ezan then starts without loading the
    // media framework.
    QTimer::singleShot(0, &desktop, [&sound] { sound.prepare(); });
    return QApplication::exec();
}
