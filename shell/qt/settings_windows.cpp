// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/settings_windows.h"

#include <QKeyEvent>

#include "settings/program_folder.h"
#include "settings/settings_file.h"
#include "settings/qt/calculation_dialog.h"
#include "settings/qt/options_dialog.h"
#include "shell/qt/tally_dialog.h"
#include "shell/qt/vakit_panel.h"
#include "settings/qt/welcome_dialog.h"
#include "common/text_encoding.h"
#include "shell/qt/about_dialog.h"
#include "common/qt/utf8_text.h"

namespace orvanta::shell {

namespace {

// Escape closes the window it is installed on, whatever the window's own
// keys say.
class EscapeCloses : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
        static_cast<QDialog*>(watched)->reject();
        return true;
    }
};

using common::qs;
}  // namespace

SettingsWindows::SettingsWindows(Parts parts, QObject* parent)
    : QObject(parent),
      parts_(std::move(parts)),
      host_({parts_.scheduler, parts_.settings, parts_.engine, parts_.clock, parts_.openFile,
             parts_.correctClockSilently, parts_.findFile, parts_.programFolder, QUrl(parts_.web.downloadBase)}) {}

// The windows hold the host: they go with it.
SettingsWindows::~SettingsWindows() {
    closing_ = true;
    for (const QPointer<QDialog>& window : open_) delete window.data();
}

void SettingsWindows::present(Command command, QDialog* window, std::function<void(bool accepted)> onClosed) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::NonModal);
    parts_.menu.setEnabled(command, false);
    connect(window, &QDialog::finished, this, [this, command, onClosed = std::move(onClosed)](int result) {
        parts_.menu.setEnabled(command, true);
        if (!closing_ && onClosed) onClosed(result == QDialog::Accepted);
    });
    open_.removeAll(nullptr);
    open_.append(window);
    window->show();
    window->raise();
    window->activateWindow();
}

// The panel shows the engine as the scheduler keeps it (today, at the
// clock's minute) and is refilled after each pass that changed something.
// It is an ordinary window: Esc closes it too.
void SettingsWindows::openVakitPanel() {
    auto* panel = new VakitPanel([this] {
        const ClockTime& now = parts_.scheduler.clockTime;
        return panelTexts(parts_.engine, parts_.settings, parts_.scheduler.todayTimes,
                          PanelMoment{now.year, now.month, now.day, now.hour, now.minute});
    });
    panel->installEventFilter(new EscapeCloses(panel));
    panel_ = panel;
    present(Command::VakitPanel, panel, {});
}

void SettingsWindows::refreshPanel() {
    if (panel_) panel_->refill();
}

void SettingsWindows::openCalculationParameters() {
    if (parts_.settings.placeChosen) {
        openCalculationDialog();
    } else {
        openWelcome();
    }
}

std::filesystem::path SettingsWindows::placeListFile() const {
    return parts_.findFile(settings::companionPath({}, "csv").filename())
        .value_or(settings::companionPath(parts_.programFolder, "csv"));
}

// The dialog edits a copy of the settings. "Uygula" takes the copy's group
// over (the engine and the views follow); "Kaydet" takes it over and saves
// it (the place typed there is chosen); any other end drops the copy and
// brings back the group as the dialog found it, should "Uygula" have
// changed it (the views' moment stays as set).
void SettingsWindows::openCalculationDialog() {
    auto draft = std::make_shared<settings::Settings>(parts_.settings);
    auto* dialog = new settings::CalculationDialog(*draft, host_, placeListFile());
    present(Command::CalculationParameters, dialog, [this, draft, found = *draft](bool save) {
        if (save) {
            draft->placeChosen = true;
            settings::copyCalculationGroup(*draft, parts_.settings);
            const settings::SaveResult saved =
                settings::saveCalculationParameters(parts_.ini, parts_.settings, parts_.engine);
            if (!saved) parts_.showError(qs(saved.message));
        } else {
            settings::copyCalculationGroup(found, parts_.settings);
            settings::applyCalculationParameters(parts_.settings, parts_.engine);
        }
        parts_.scheduler.onCalculationChanged();
        emit settingsChanged();
    });
}

// The welcome leaves a place from the list, the calculation chosen and the
// autostart entry; the options are written with it, so the next start is
// no first run. "Elle gir" goes on to the full dialog. Cancelled, nothing
// is written and the tip keeps saying that no place is chosen.
void SettingsWindows::openWelcome() {
    auto* dialog = new settings::WelcomeDialog(settings::readPlaceList(placeListFile()),
                                               parts_.clock.systemZone().ianaName, parts_.listenEzan);
    present(Command::CalculationParameters, dialog, [this, dialog](bool accepted) {
        parts_.stopSound();
        if (dialog->result() == settings::WelcomeDialog::kEnterByHand) {
            openCalculationDialog();
            return;
        }
        if (!accepted) return;
        settings::applyWelcomeChoice(dialog->choice(), parts_.settings);
        settings::SaveResult saved = settings::saveCalculationParameters(parts_.ini, parts_.settings, parts_.engine);
        saved &= settings::saveOptions(parts_.ini, parts_.settings, parts_.autostart);
        if (!saved) parts_.showError(qs(saved.message));
        parts_.scheduler.onCalculationChanged();
        emit settingsChanged();
    });
}

// The dialog edits a copy: "Kaydet" takes the options over and saves them
// (the İkindi slot's file follows Asr-ı Sani), any other end drops it.
void SettingsWindows::openOptions() {
    auto draft = std::make_shared<settings::Settings>(parts_.settings);
    auto* dialog = new settings::OptionsDialog(*draft, host_);
    present(Command::Options, dialog, [this, draft](bool save) {
        if (!save) return;
        settings::copyOptionsGroup(*draft, parts_.settings);
        const settings::SaveResult saved = settings::saveOptions(parts_.ini, parts_.settings, parts_.autostart);
        if (!saved) parts_.showError(qs(saved.message));
        parts_.scheduler.onOptionsChanged();
        emit settingsChanged();
    });
}

// The counter's name is its menu caption; "Kapat" keeps the counter,
// saves its three keys and renames the entry.
void SettingsWindows::openTally(int counter) {
    const Command command = kTallyCommands[static_cast<std::size_t>(counter - 1)];
    const auto index = static_cast<std::size_t>(counter - 1);
    auto* dialog = new TallyDialog(parts_.settings.tallies[index]);
    present(command, dialog, [this, dialog, command, counter, index](bool accepted) {
        if (!accepted) return;
        settings::Tally& kept = parts_.settings.tallies[index];
        kept = dialog->fields();
        kept.name = common::utf8Prefix(kept.name, settings::kTallyNameCharacters);
        parts_.menu.setText(command, qs(kept.name));
        const settings::SaveResult result = settings::saveTally(parts_.ini, parts_.settings, counter);
        if (!result) parts_.showError(qs(result.message));
    });
}

void SettingsWindows::openAbout(const QIcon& icon) {
    present(Command::About, new AboutDialog(icon, parts_.web.homePage, parts_.web.mailAddress, parts_.opener), {});
}

bool SettingsWindows::anyOpen() const {
    for (const QPointer<QDialog>& window : open_) {
        if (window && window->isVisible()) return true;
    }
    return false;
}

void SettingsWindows::closeAll() {
    closing_ = true;
    for (const QPointer<QDialog>& window : open_) {
        if (window) window->done(QDialog::Rejected);
    }
    open_.clear();
    closing_ = false;
}

}  // namespace orvanta::shell
