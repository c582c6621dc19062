// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's test fixture: the program on the offscreen platform
// with a simulated clock and recording stand-ins, and the helpers that
// find and drive its windows.
#pragma once

#include "shell/qt/desktop_program.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/qt/controls.h"
#include "shell/qt/vakit_panel.h"
#include "shell/qt/sound_output.h"
#include "shell/simulated_clock.h"
#include "tests/support/modal_answer.h"
#include "tests/support/recording_platform.h"
#include "tests/support/temp_folder.h"

namespace orvanta::shell {

struct RecordingSound : SoundOutput {
    explicit RecordingSound(std::vector<std::string>& log) : log(log) {}
    bool play(const QString& path) override {
        log.push_back("play " + QFileInfo(path).fileName().toStdString());
        return true;
    }
    void stop() override { log.push_back("stop"); }
    void setFinishedHandler(std::function<void()> handler) override { finished = std::move(handler); }
    std::vector<std::string>& log;
    std::function<void()> finished;
};

// Wednesday 1 January 2014: Öğle 12:15, İsfirar 16:09 at İstanbul, UTC+2.
inline ClockTime at(int hour, int minute, int second) { return clockTimeAt(2014, 1, 1, hour, minute, second); }

inline constexpr char kPlace[] = "[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=120\n";

inline QString windowText(QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) return box->text();
    auto* label = window->findChild<QLabel*>(QStringLiteral("message"));
    return label ? label->text() : QString();
}

// The "Vakitler" panel on screen: its title is the place's.
inline VakitPanel* shownPanel() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* panel = qobject_cast<VakitPanel*>(window);
        if (panel != nullptr && panel->isVisible()) return panel;
    }
    return nullptr;
}

inline QAbstractButton* button(QWidget* window, const char* name) {
    return window->findChild<QAbstractButton*>(QLatin1String(name));
}
inline QLineEdit* field(QWidget* window, const char* name) { return window->findChild<QLineEdit*>(QLatin1String(name)); }

class DesktopProgramTest : public ::testing::Test {
protected:
    void start(const std::string& ini, const ClockTime& when = at(12, 14, 50)) {
        if (!ini.empty()) folder.write("orvanta.ini", ini);
        clock.set(when);
        shell = std::make_unique<DesktopProgram>(
            ShellFolders{folder.path(), {ORVANTA_RESOURCES_DIR}},
            ShellServices{clock, opener, wake, notifier, autostart, sound, relay, mediaPlayers, files, clockSetter,
                          nullptr, withWallpaper ? &wallpaper : nullptr},
            moment);
        QObject::connect(shell.get(), &DesktopProgram::finished, [this] { ++finished; });
        shell->start();
    }
    void runSeconds(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.advanceSeconds(1);
            shell->tick();
        }
    }
    std::string saved(std::string_view key) const {
        return settings::IniFile(folder / "orvanta.ini").readString(settings::keys::kOptionsSection, key, "?", 64);
    }
    bool checked(Command command) const { return shell->menu().action(command)->isChecked(); }

    test::TempFolder folder;
    SimulatedClock clock{at(0, 0, 0), platform::SystemZone{120, false, {}}};
    test::RecordingOpener opener;
    test::RecordingWakeAlarm wake;
    test::RecordingNotifier notifier;
    test::MemoryAutostart autostart;
    std::vector<std::string> effects;  // sound, relay and media players in order
    RecordingSound sound{effects};
    test::RecordingSerialBreak relay{effects};
    test::RecordingMediaPlayers mediaPlayers{effects};
    test::ScriptedFileChooser files;
    test::RecordingClockSetter clockSetter;
    test::RecordingWallpaper wallpaper;
    bool withWallpaper = true;
    engine::Engine moment;
    std::unique_ptr<DesktopProgram> shell;
    int finished = 0;
};

// Presses a key where the keyboard's focus is in the window.
inline void press(QWidget* window, Qt::Key key) {
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus ? focus : window, key);
}

inline const QString kWelcomeTitle = QStringLiteral("Orvanta'ya Hoş Geldiniz");

}  // namespace orvanta::shell
