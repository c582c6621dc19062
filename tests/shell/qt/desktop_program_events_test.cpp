// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program driven by a simulated clock: event windows that the
// day does not wait for, the ezan's sound and relay and their errors, the
// wake-up, quiet hours and the pacing of the passes.
#include "tests/shell/qt/desktop_program_fixture.h"

namespace orvanta::shell {
namespace {

// The ezan box stays unanswered: its pass goes on to the tip, a later
// event's window replaces it, and the box's end (the ezan stopped, the
// prayer after it played) runs as it goes.
TEST_F(DesktopProgramTest, EzanBoxLeftOpenHoldsNothingBackAndALaterWindowReplacesIt) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\nHatırlat=Evet\n");
    runSeconds(11);  // 12:15:01: the Öğle pass
    QPointer<QDialog> ezanBox = shell->eventWindows().current();
    ASSERT_NE(ezanBox, nullptr);
    EXPECT_TRUE(ezanBox->isVisible() && !ezanBox->isModal());
    EXPECT_TRUE(windowText(ezanBox).contains(QStringLiteral("ÖĞLE EZANI VAKTİ...")));
    EXPECT_EQ(shell->strip().text(), QStringLiteral("ÖĞLE vaktine kalan süre =  0:00")) << "the pass went on";
    EXPECT_EQ(effects, (std::vector<std::string>{"play ezan.wav", "media pause"}));
    // The kerahet warning (İsfirar 16:09 − 20 min) replaces the box.
    clock.set(at(15, 49, 0));
    shell->onClockChanged();
    shell->tick();
    QDialog* warningBox = shell->eventWindows().current();
    ASSERT_NE(warningBox, nullptr);
    EXPECT_EQ(windowText(warningBox), QStringLiteral("Kerahetin girmesine 20 dk. kaldı..."));
    EXPECT_TRUE(!ezanBox || !ezanBox->isVisible());
    EXPECT_EQ(effects, (std::vector<std::string>{"play ezan.wav", "media pause", "stop", "media resume",
                                                 "play ezandua.wav", "media pause"}));
    warningBox->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    EXPECT_EQ(shell->eventWindows().current(), nullptr);
}

// "Sesi Durdur" is offered while the ezan sounds: it silences the ezan,
// the box stays, and its end plays nothing more.
TEST_F(DesktopProgramTest, EzanBoxStopsItsSoundOnAskAndOffersItOnlyWhileItSounds) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\n");
    runSeconds(11);
    QDialog* box = shell->eventWindows().current();
    ASSERT_NE(box, nullptr);
    auto* stopButton = box->findChild<QPushButton*>(QStringLiteral("stopSoundButton"));
    ASSERT_NE(stopButton, nullptr);
    stopButton->click();
    EXPECT_TRUE(box->isVisible() && stopButton->isHidden());
    box->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    EXPECT_EQ(effects, (std::vector<std::string>{"play ezan.wav", "media pause", "stop", "media resume", "stop"}));
    // A sound that ends by itself withdraws the button too.
    shell.reset();
    effects.clear();
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\n");
    runSeconds(11);
    sound.finished();
    EXPECT_TRUE(shell->eventWindows().current()->findChild<QPushButton*>("stopSoundButton")->isHidden());
}

// A dialog some part opens and waits for (a file dialog, a box) is modal to
// its own parent alone, so the tray menu still opens.
TEST_F(DesktopProgramTest, NoWindowIsModalToTheWholeProgram) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\n");
    Qt::WindowModality seen = Qt::ApplicationModal;
    test::ModalAnswer answer([&](QWidget* modal) {
        seen = modal->windowModality();
        static_cast<QDialog*>(modal)->done(0);
    });
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Hata"), QStringLiteral("Dosya açılamadı"));
    box.exec();
    EXPECT_EQ(seen, Qt::WindowModal);
}

TEST_F(DesktopProgramTest, ResumeAfterMissedEzansFiresOnlyTheCurrentMinute) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\niletiler=1\n", at(11, 0, 0));
    notifier.notices.clear();
    // Asleep from 11:00 to 16:55: Öğle and İkindi passed, Akşam is now. In
    // balloon mode the ezan is a notification, no box.
    clock.set(at(16, 55, 0));
    shell->onResumed();
    shell->tick();
    // While the ezan sounds its notice offers to stop it; once it is
    // stopped the offer goes.
    EXPECT_EQ(notifier.notices, (std::vector<std::string>{"AKŞAM|Ezan Vakti... [Sesi Durdur]"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_TRUE(notifier.action);
    notifier.action();
    EXPECT_EQ(effects.back(), "media resume");
    EXPECT_FALSE(notifier.action);
}

TEST_F(DesktopProgramTest, WakeIsArmedInUtcAndNotSupportedGreysItsEntry) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\nUyandır=Evet\n", at(12, 0, 0));
    ASSERT_FALSE(wake.armed.empty());
    EXPECT_EQ(wake.armed.back(), 1388571300);  // 2014-01-01 12:15 at UTC+2 = 10:15 UTC
    wake.answer = platform::WakeArmResult::NotSupported;
    notifier.notices.clear();
    runSeconds(121);
    EXPECT_FALSE(shell->menu().action(Command::Wake)->isEnabled());
    // Why, once in a notice and in the entry's tip; the udev rule grants it.
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_NE(notifier.notices[0].find("60-orvanta-rtc-wakealarm.rules"), std::string::npos);
    EXPECT_EQ(shell->menu().action(Command::Wake)->toolTip().toStdString(), notifier.notices[0].substr(8));
}

TEST_F(DesktopProgramTest, RelayLeadsTheSoundAndDropsAfterItsOnTime) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\niletiler=1\nRöle COM-port=12\nRöle Avansı=1\n"
                                "Röle Aktif=1\n");
    runSeconds(11);  // 12:15:01: the Öğle ezan
    EXPECT_EQ(effects, (std::vector<std::string>{"relay open 12", "relay on"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return effects.size() == 4; }, 1500));
    EXPECT_EQ(effects[2], "play ezan.wav");
    EXPECT_EQ(effects[3], "media pause");
    ASSERT_TRUE(QTest::qWaitFor([&] { return effects.size() == 5; }, 1500));
    EXPECT_EQ(effects[4], "relay off");
    // The sound ends by itself: the paused players go on.
    sound.finished();
    EXPECT_EQ(effects.back(), "media resume");
}

TEST_F(DesktopProgramTest, EzanBoxClosedDuringTheLeadStopsTheSoundAndNoPrayerFollowsWithARelay) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\nRöle COM-port=/dev/ttyUSB0\nRöle Avansı=1\n"
                                "Röle Aktif=0\n");
    runSeconds(11);
    ASSERT_NE(shell->eventWindows().current(), nullptr);
    shell->eventWindows().current()->done(0);
    EXPECT_EQ(effects, (std::vector<std::string>{"relay open /dev/ttyUSB0", "relay on", "stop"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return effects.size() == 4; }, 1500));
    EXPECT_EQ(effects[3], "relay off");
    shell->shutdown();
    EXPECT_EQ(effects.back(), "relay close");
}

TEST_F(DesktopProgramTest, SoundErrorsAreShownByMessageModeAndTheLaterOneWins) {
    const std::string options = "[Seçenekler]\nEzan/Salâ=Evet\nRöle COM-port=3\nRöle Avansı=0\nÖĞLE=ezan.mp3\niletiler=";
    relay.opens = false;
    opener.answer = false;
    for (int mode : {0, 1, 2}) {
        shell.reset();
        start(std::string(kPlace) + options + std::to_string(mode) + "\n");
        notifier.notices.clear();
        const auto errorBoxesOf = [&](Command command) {
            shell->dispatch(command);
            QStringList texts;
            while (QWidget* box = test::shownWindow("Hata")) {
                texts << windowText(box);
                box->close();
            }
            return texts;
        };
        // Ezan Dinle › İKİNDİ: the relay fails, the WAV plays, its error alone.
        EXPECT_EQ(errorBoxesOf(Command::ListenEzanIkindi), mode == 2 ? QStringList{"COM3 açılamıyor..."} : QStringList{}) << mode;
        EXPECT_EQ(notifier.notices, (mode == 1 ? std::vector<std::string>{"Hata|COM3 açılamıyor..."}
                                               : std::vector<std::string>{}))
            << mode;
        notifier.notices.clear();
        // ÖĞLE: both fail, the player's error replaces the relay's.
        EXPECT_EQ(errorBoxesOf(Command::ListenEzanOgle), mode == 2 ? QStringList{"ezan.mp3\nçalıştırılamıyor..."} : QStringList{}) << mode;
        EXPECT_EQ(notifier.notices.size(), mode == 1 ? 1u : 0u) << mode;
    }
    EXPECT_EQ(opener.opened.back(), (folder / "ezan.mp3").string());
    // Switched off: neither relay nor sound nor error.
    shell->dispatch(Command::EzanSound);
    effects.clear();
    shell->dispatch(Command::ListenEzanOgle);
    shell->dispatch(Command::ListenEzanIkindi);
    EXPECT_EQ(effects, std::vector<std::string>{});
}

// Nothing on screen follows the seconds: the program sleeps to the next
// minute; an open settings window wakes it each second; a command that
// wants a pass gets one at once.
TEST_F(DesktopProgramTest, SleepsToTheNextMinuteUnlessAWindowFollowsTheSeconds) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\niletiler=0\n", at(12, 14, 50));
    EXPECT_EQ(shell->nextTickMs(), 10'002);
    shell->dispatch(Command::VakitPanel);
    EXPECT_EQ(shell->nextTickMs(), 1000);
    shownPanel()->accept();
    clock.advanceSeconds(1);
    shell->tick();
    EXPECT_EQ(shell->nextTickMs(), 9'002);
    shell->onClockChanged();
    EXPECT_EQ(shell->nextTickMs(), 0);
}

// Quiet hours silence the sounds, not the windows; they outlive a restart,
// show in the tip and end by themselves.
TEST_F(DesktopProgramTest, QuietHoursSilenceSoundsUntilTheirEndAcrossARestart) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\n");
    shell->dispatch(Command::QuietOneHour);  // 1 saat: until 13:14
    runSeconds(1);
    EXPECT_EQ(shell->trayIcon().toolTip(), QStringLiteral("ÖĞLE vaktine kalan süre =  0:01\nSessiz: 13:14'e kadar"));
    EXPECT_EQ(saved(settings::keys::kQuietUntil), "2014-01-01 13:14");
    shell.reset();
    effects.clear();
    start("", at(12, 14, 55));
    runSeconds(6);  // 12:15:01: the box without its ezan
    ASSERT_NE(shell->eventWindows().current(), nullptr);
    EXPECT_EQ(shell->eventWindows().current()->findChild<QPushButton*>("stopSoundButton"), nullptr);
    EXPECT_EQ(effects, std::vector<std::string>{});
    clock.set(at(13, 14, 0));
    shell->onClockChanged();
    shell->tick();
    EXPECT_FALSE(shell->trayIcon().toolTip().contains(QStringLiteral("Sessiz")));
    EXPECT_EQ(saved(settings::keys::kQuietUntil), "");
    shell->dispatch(Command::ListenEzanOgle);
    EXPECT_EQ(effects.front(), "play ezan.wav");
}

}  // namespace
}  // namespace orvanta::shell
