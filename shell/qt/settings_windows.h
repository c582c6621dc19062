// SPDX-License-Identifier: GPL-3.0-or-later
// The windows the menu opens over the settings: "Vakitler", "Hesap
// Parametreleri" (the first run's welcome until a place is chosen),
// "Seçenekler", the tally counters and "Hakkında". Each is
// an ordinary window that blocks nothing: the tray, the strip and the
// scheduler go on while it is open. Its menu entry is greyed while it is
// open. The settings dialogs edit a copy of the settings; what their end
// means (take the copy over and save it, or drop it) runs when they are
// closed.
#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "engine/engine.h"
#include "platform/autostart.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "shell/qt/settings_dialog_host.h"
#include "shell/qt/tray_menu.h"
#include "shell/scheduler.h"

class QDialog;

namespace orvanta::platform {
class DesktopOpener;
}
namespace orvanta::shell {

class VakitPanel;

// The build's web addresses; an empty one is not offered.
struct WebAddresses {
    QString homePage;
    QString mailAddress;
    QString downloadBase;  // the salâ sound is fetched below it
};

class SettingsWindows : public QObject {
    Q_OBJECT
public:
    struct Parts {
        settings::Settings& settings;
        settings::IniFile& ini;
        engine::Engine& engine;
        Scheduler& scheduler;
        SchedulerClock& clock;
        platform::AutostartSetting& autostart;
        TrayMenu& menu;
        platform::DesktopOpener& opener;
        std::function<void(const QString&)> showError;
        // A companion file of the program (program folder, then data folders).
        std::function<std::optional<std::filesystem::path>(const std::filesystem::path&)> findFile;
        std::function<void(const std::filesystem::path&)> openFile;
        std::function<void()> correctClockSilently;
        // The welcome's "Dinle": the ezan sound plays, until the welcome ends.
        std::function<void()> listenEzan;
        std::function<void()> stopSound;
        std::filesystem::path programFolder;
        WebAddresses web;
    };
    explicit SettingsWindows(Parts parts, QObject* parent = nullptr);
    ~SettingsWindows() override;

    void openVakitPanel();
    // "Hesap Parametreleri": the welcome while the settings hold no place
    // (a first run), the full dialog after.
    void openCalculationParameters();
    void openOptions();
    void openTally(int counter);
    void openAbout(const QIcon& icon);

    // After a pass: the open panel shows the new minute.
    void refreshPanel();
    // One of these windows is open (their views follow the clock's seconds).
    bool anyOpen() const;
    // Shutdown: every window goes, nothing is saved or reloaded.
    void closeAll();

signals:
    // A setting changed: the scheduler wants a pass soon.
    void settingsChanged();

private:
    // Shows the window of a menu entry, greyed until the window closes;
    // onClosed gets whether it was accepted.
    void present(Command command, QDialog* window, std::function<void(bool accepted)> onClosed);
    void openCalculationDialog();
    void openWelcome();
    // The place database: the program folder's, else the data folders'.
    std::filesystem::path placeListFile() const;

    Parts parts_;
    SettingsDialogHost host_;
    QPointer<VakitPanel> panel_;
    QList<QPointer<QDialog>> open_;
    bool closing_ = false;
};

}  // namespace orvanta::shell
