// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program driven on the offscreen platform: the first run,
// start-up replay, the settings dialogs, command dispatch and greying,
// charts, wallpaper, tallies, the panel, balloons, shutdown.
#include "tests/shell/qt/desktop_program_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>

namespace orvanta::shell {
namespace {

// The first run: the welcome, with the place guessed from the computer's
// zone, is accepted with Enter twice; the file then holds the place, its
// zone, the Diyanet values and the options, and the autostart entry is
// there. The entry of "Hesap Parametreleri" is greyed while it is open,
// and the welcome holds start-up back no more than the other windows.
TEST_F(DesktopProgramTest, FirstRunWelcomeAcceptedWithTheKeyboard) {
    folder.write("orvanta.csv", "Adana;Türkiye;3;37;35,32;Europe/Istanbul\nİstanbul;Türkiye;2;41,01;28,97;Europe/Istanbul\n");
    clock.setZone({120, false, "Europe/Istanbul"});
    start("", at(12, 12, 50));  // Öğle is 12:13 with the Diyanet values
    QWidget* welcome = test::shownWindow(kWelcomeTitle);
    ASSERT_NE(welcome, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(shell->menu().action(Command::CalculationParameters)->isEnabled());
    EXPECT_EQ(welcome->findChild<QLineEdit*>("placeSearch")->text(), QStringLiteral("İstanbul"));
    press(welcome, Qt::Key_Return);
    press(welcome, Qt::Key_Return);
    EXPECT_TRUE(opener.opened.empty()) << "the welcome is the first run's introduction";
    EXPECT_TRUE(shell->menu().action(Command::CalculationParameters)->isEnabled());
    EXPECT_EQ(test::shownWindow(QStringLiteral("Seçenekler")), nullptr) << "the welcome wrote the options";
    const settings::IniFile file(folder / "orvanta.ini");
    const auto calculation = [&](std::string_view key) {
        return file.readString(settings::keys::kCalculationSection, key, "?", 64);
    };
    EXPECT_EQ(calculation(settings::keys::kPlaceName), "İstanbul");
    EXPECT_EQ(calculation(settings::keys::kPlaceRow), "2");
    EXPECT_EQ(calculation(settings::keys::kZoneName), "Europe/Istanbul");
    EXPECT_EQ(calculation(settings::keys::temkinKey(1)), "-6") << "the Diyanet values";
    EXPECT_EQ(saved(settings::keys::kSabahEzan), "60") << "the options are written too";
    EXPECT_TRUE(autostart.enabled());
    // The saved place reaches the next pass: the tip counts to Öğle.
    runSeconds(1);
    EXPECT_EQ(shell->strip().text(), QStringLiteral("ÖĞLE vaktine kalan süre =  0:01"));
    // Offscreen there is no notification area: the strip stands in, and
    // the user is told once.
    EXPECT_TRUE(shell->strip().isVisible());
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_NE(notifier.notices[0].find("bildirim alanı bulunamadı"), std::string::npos);
}

// Cancelled, nothing counts and nothing rings for 0°/0°; the menu's
// "Hesap Parametreleri" opens the welcome again, and its "Elle gir" the
// full window, whose place then counts.
TEST_F(DesktopProgramTest, FirstRunCancelledCountsNothingUntilAPlaceIsChosen) {
    start("", at(12, 14, 0));
    QWidget* welcome = test::shownWindow(kWelcomeTitle);
    ASSERT_NE(welcome, nullptr);
    press(welcome, Qt::Key_Escape);
    EXPECT_EQ(test::shownWindow(kWelcomeTitle), nullptr);
    EXPECT_EQ(shell->strip().text(), QStringLiteral("Yer seçilmedi"));
    EXPECT_EQ(shell->trayIcon().toolTip(), QStringLiteral("Yer seçilmedi"));
    runSeconds(24 * 3600);
    EXPECT_TRUE(std::none_of(effects.begin(), effects.end(), [](const std::string& e) { return e.starts_with("play"); }));
    EXPECT_FALSE(std::filesystem::exists(folder / "orvanta.ini") &&
                 settings::IniFile(folder / "orvanta.ini").read().sectionHasKeys(settings::keys::kCalculationSection));
    shell->dispatch(Command::CalculationParameters);
    welcome = test::shownWindow(kWelcomeTitle);
    ASSERT_NE(welcome, nullptr);
    welcome->findChild<QPushButton*>("handEntryButton")->click();
    QWidget* calculation = test::shownWindow(QStringLiteral("Hesap Parametreleri"));
    ASSERT_NE(calculation, nullptr);
    EXPECT_FALSE(shell->menu().action(Command::CalculationParameters)->isEnabled());
    for (const auto& [name, text] : {std::pair{"latitude", "41.01"}, {"longitude", "28.97"}, {"timeZone", "2"}}) {
        field(calculation, name)->setText(QString::fromUtf8(text));
    }
    button(calculation, "saveButton")->click();
    runSeconds(60);
    EXPECT_TRUE(shell->strip().text().startsWith(QStringLiteral("ÖĞLE vaktine kalan süre"))) << shell->strip().text().toStdString();
    // The next "Hesap Parametreleri" is the full window.
    shell->dispatch(Command::CalculationParameters);
    EXPECT_EQ(test::shownWindow(kWelcomeTitle), nullptr);
    ASSERT_NE(test::shownWindow(QStringLiteral("Hesap Parametreleri")), nullptr);
}

// The dialogs edit a copy: "İptal" leaves the program's settings and the
// file as they were, also after "Uygula" (which the views follow while
// the dialog is open); "Kaydet" writes the group. The moment set with
// "Gerçek Zaman" off outlives "İptal".
TEST_F(DesktopProgramTest, SettingsDialogsCancelDropsTheCopyApplyAndSaveCommit) {
    start(std::string(kPlace) + "Yatsı Açısı=-1500\nHesap Modu=2\n[Seçenekler]\nEzan/Salâ=Evet\nSabah Ezanı=45\n");
    const std::string fileBefore = test::readFile(folder / "orvanta.ini");
    shell->dispatch(Command::CalculationParameters);
    QWidget* calculation = test::shownWindow("Hesap Parametreleri");
    ASSERT_NE(calculation, nullptr);
    button(calculation, "defaultAngles")->click();  // the default angles and mode, in the copy only
    EXPECT_EQ(shell->settings().yatsiAngle, -15.0f);
    button(calculation, "realTimeClock")->click();
    field(calculation, "viewDate")->setText("15/03/2014");
    button(calculation, "applyButton")->click();  // "Uygula"
    EXPECT_EQ(shell->settings().yatsiAngle, -17.0f);
    EXPECT_EQ(moment.parameters.yatsiAngle, -17.0f);
    button(calculation, "cancelButton")->click();  // "İptal"
    EXPECT_EQ(shell->settings().yatsiAngle, -15.0f);
    EXPECT_EQ(shell->settings().calcMode, 2);
    EXPECT_EQ(moment.parameters.yatsiAngle, -15.0f);
    EXPECT_FALSE(shell->scheduler().realTimeClock);
    EXPECT_EQ(shell->scheduler().clockTime.month, 3);

    shell->dispatch(Command::Options);
    QWidget* options = test::shownWindow("Seçenekler");
    ASSERT_NE(options, nullptr);
    field(options, "sabahMinutes")->setText("30");
    button(options, "ikindiAtAsrSani")->click();
    EXPECT_FALSE(shell->settings().ikindiAtAsrSani) << "the dialog's clicks stay in its copy";
    button(options, "cancelButton")->click();
    EXPECT_EQ(shell->settings().sabahEzanMinutes, 45);
    EXPECT_EQ(test::readFile(folder / "orvanta.ini"), fileBefore) << "İptal wrote nothing";

    shell->dispatch(Command::CalculationParameters);
    calculation = test::shownWindow("Hesap Parametreleri");
    ASSERT_NE(calculation, nullptr);
    button(calculation, "defaultAngles")->click();
    button(calculation, "saveButton")->click();  // "Kaydet"
    EXPECT_EQ(shell->settings().yatsiAngle, -17.0f);
    EXPECT_EQ(settings::IniFile(folder / "orvanta.ini").readInt(settings::keys::kCalculationSection, "Yatsı Açısı", 0),
              -1700);
    shell->dispatch(Command::Options);
    options = test::shownWindow("Seçenekler");
    ASSERT_NE(options, nullptr);
    field(options, "sabahMinutes")->setText("30");
    button(options, "ikindiAtAsrSani")->click();
    button(options, "autostart")->click();
    button(options, "saveButton")->click();
    EXPECT_EQ(shell->settings().sabahEzanMinutes, 30);
    EXPECT_EQ(saved("Sabah Ezanı"), "30");
    EXPECT_EQ(saved("İkindi Ezanı Asr-ı Sani'de"), "Evet");
    EXPECT_TRUE(autostart.enabled());
}

TEST_F(DesktopProgramTest, ChartShowsUntilAKeyAndIsRedrawnEachMinute) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\niletiler=0\n", at(12, 0, 0));
    shell->dispatch(Command::ChartAngles);
    graphics::ChartWindow& window = shell->chartWindow();
    ASSERT_TRUE(window.isVisible());
    const QImage before = window.surface();
    runSeconds(90);  // the next minute's pass: the sun has moved, the chart is drawn again
    EXPECT_NE(window.surface(), before);
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_FALSE(window.isVisible());
    shell->dispatch(Command::ChartQiblaMap);
    QTest::mouseClick(&window, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    runSeconds(60);
    EXPECT_FALSE(window.isVisible()) << "the next pass leaves a dismissed chart away";
}

// "Duvar=Yerküre" is replayed at start; a mode chosen again switches off;
// a chart on screen holds the picture back to the next pass.
TEST_F(DesktopProgramTest, WallpaperModesShowTheirPicturesAndPutTheUsersBack) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\niletiler=0\nDuvar=yerküre\n", at(12, 0, 0));
    const std::string globeFile = std::to_string(54 + 1204 * 400);
    EXPECT_EQ(wallpaper.calls, (std::vector<std::string>{"save", "show wall.bmp " + globeFile}));
    EXPECT_TRUE(checked(Command::WallpaperGlobe));
    shell->dispatch(Command::WallpaperMoon);
    EXPECT_EQ(wallpaper.calls.back(), "show wall-2.bmp " + std::to_string(54 + 984 * 328)) << "another name each time";
    EXPECT_FALSE(std::filesystem::exists(folder / "wall.bmp"));
    EXPECT_EQ(saved(settings::keys::kWallpaper), "Ay");
    shell->dispatch(Command::ChartMoonView);
    runSeconds(3600);  // the moon is due after an hour, but a chart is on screen
    EXPECT_EQ(wallpaper.calls.size(), 3u);
    QTest::keyClick(&shell->chartWindow(), Qt::Key_Escape);
    runSeconds(60);
    EXPECT_EQ(wallpaper.calls.size(), 4u);
    shell->dispatch(Command::WallpaperMoon);
    EXPECT_EQ(wallpaper.calls.back(), "restore");
    EXPECT_FALSE(checked(Command::WallpaperMoon));
    EXPECT_EQ(saved(settings::keys::kWallpaper), "Yok");
    EXPECT_FALSE(std::filesystem::exists(folder / "wall.bmp") || std::filesystem::exists(folder / "wall-2.bmp"));

    // Without a backend the entries stay greyed.
    shell.reset();
    withWallpaper = false;
    start("");
    EXPECT_FALSE(shell->menu().action(Command::WallpaperEarth)->isEnabled());
}

TEST_F(DesktopProgramTest, SavedChoicesAreReplayedThroughTheirCommands) {
    start(std::string(kPlace) + "[Seçenekler]\nUyandır=Evet\nEzan/Salâ=Hayır\niletiler=1\nÇetele-2 Adı=Zikir\n");
    EXPECT_TRUE(opener.opened.empty());  // not a first run
    EXPECT_TRUE(shell->settings().wakeOn && checked(Command::Wake));
    EXPECT_TRUE(!shell->settings().ezanSoundOn && !checked(Command::EzanSound));
    EXPECT_TRUE(checked(Command::MessagesBalloon) && !checked(Command::MessagesBox));
    EXPECT_EQ(shell->menu().action(Command::Tally2)->text(), QStringLiteral("Zikir"));
    EXPECT_EQ(shell->menu().action(Command::Tally1)->text(), QStringLiteral("Çetele-1"));
}

TEST_F(DesktopProgramTest, EveryCommandDispatchesAndTheSoundCommandsFollowTheirFlag) {
    start(std::string(kPlace) + "Saat Dilimi=Europe/Istanbul\n[Seçenekler]\nEzan/Salâ=Evet\n");
    for (Command command : shell->menu().commands()) {
        if (command == Command::Exit) continue;
        // A window that blocks is answered at once; one that blocks nothing
        // greys its entry until it is closed.
        test::ModalAnswer close([](QWidget* modal) { static_cast<QDialog*>(modal)->done(0); });
        const QWidgetList before = QApplication::topLevelWidgets();
        shell->dispatch(command);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(window);
            if (dialog == nullptr || !dialog->isVisible() || before.contains(window)) continue;
            EXPECT_FALSE(shell->menu().action(command)->isEnabled()) << commandName(command);
            dialog->done(0);
        }
        EXPECT_TRUE(shell->menu().action(command)->isEnabled() || command == Command::QuietOff) << commandName(command);
        QApplication::processEvents();
    }
    if (!shell->settings().ezanSoundOn) shell->dispatch(Command::EzanSound);
    shell->dispatch(Command::QuietOff);
    effects.clear();
    opener.opened.clear();
    shell->dispatch(Command::ListenEzanOgle);  // Ezan Dinle › ÖĞLE
    shell->dispatch(Command::EzanSound);  // off: stops it
    shell->dispatch(Command::ListenEzanOgle);  // silent now
    EXPECT_EQ(effects, (std::vector<std::string>{"play ezan.wav", "media pause", "stop", "media resume"}));
    EXPECT_FALSE(checked(Command::EzanSound));

    shell->dispatch(Command::MonthlyTimetable);
    ASSERT_EQ(opener.opened.size(), 1u);
    const std::filesystem::path report = opener.opened[0];
    EXPECT_EQ(report.parent_path(), folder.path());
    EXPECT_EQ(report.filename().string().rfind("İmsakiye-", 0), 0u) << report;
    EXPECT_NE(test::readFile(report).find("Ocak"), std::string::npos);
    // The printable imsakiye and the calendar file go to the documents
    // folder (the test one here); the calendar's events keep the place's zone.
    QStandardPaths::setTestModeEnabled(true);
    const struct {
        Command command;
        const char* extension;
        const char* start;
        const char* holds;
    } documents[] = {{Command::MonthlyImsakiyePdf, ".pdf", "%PDF-", ""},
                     {Command::CalendarExport, ".ics", "BEGIN:VCALENDAR", "TZID:Europe/Istanbul"}};
    for (const auto& document : documents) {
        opener.opened.clear();
        shell->dispatch(document.command);
        ASSERT_EQ(opener.opened.size(), 1u) << document.extension;
        const std::filesystem::path file = opener.opened[0];
        EXPECT_EQ(file.extension(), document.extension);
        const std::string text = test::readFile(file);
        EXPECT_EQ(text.rfind(document.start, 0), 0u);
        EXPECT_NE(text.find(document.holds), std::string::npos) << document.extension;
        std::filesystem::remove(file);
    }
    QStandardPaths::setTestModeEnabled(false);
}

TEST_F(DesktopProgramTest, ExitSavesTheTogglesOnceAndEnds) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\n");
    shell->dispatch(Command::EzanSound);
    shell->dispatch(Command::Wake);
    shell->dispatch(Command::Exit);
    shell->shutdown();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(saved(settings::keys::kEzanSala), "Hayır");
    EXPECT_EQ(saved(settings::keys::kWake), "Evet");
    EXPECT_EQ(settings::IniFile(folder / "orvanta.ini").readInt(settings::keys::kCalculationSection, "Enlem", 0), 4101);
}

// A FIFO at the settings file's place once held the program before any
// window (and SIGTERM was never acted on); a link to /dev/zero was read
// until memory ran out. Each is reported and left as it was.
TEST_F(DesktopProgramTest, SettingsFileThatIsNoRegularFileIsReportedAndLeftAlone) {
    const auto ini = folder / "orvanta.ini";
    const std::pair<const char*, std::function<bool()>> kinds[] = {
        {"folder", [&] { return std::filesystem::create_directory(ini); }},
        {"FIFO", [&] { return mkfifo(ini.c_str(), 0600) == 0; }},
        {"link to /dev/zero", [&] { return symlink("/dev/zero", ini.c_str()) == 0; }},
    };
    for (const auto& [kind, make] : kinds) {
        ASSERT_TRUE(make()) << kind;
        const auto type = std::filesystem::symlink_status(ini).type();
        start("");
        bool told = false;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box && box->isVisible() && box->text().startsWith(QStringLiteral("Ayarlar dosyası okunamıyor"))) {
                told = true;
                box->close();
            }
        }
        EXPECT_TRUE(told) << kind;
        shell->shutdown();
        shell.reset();
        EXPECT_EQ(std::filesystem::symlink_status(ini).type(), type) << kind;
        std::filesystem::remove(ini);
    }
}

TEST_F(DesktopProgramTest, ChosenEzanFileIsKeptAndACancelChangesNothing) {
    start(std::string(kPlace) + "[Seçenekler]\nİkindi Ezanı Asr-ı Sani'de=Evet\n");
    files.answers = {"/home/u/Müzik/ikindi.wav", ""};
    shell->dispatch(Command::ChooseEzanIkindi);  // Ezan Dosyası Seç › the third slot, named after Asr-ı Sani here
    EXPECT_EQ(files.asked.at(0), "open ASR-I SANİ ezanı dosyasını seçiniz : | WAV Dosyaları (*.wav *.WAV);;Tüm Dosyalar (*)");
    EXPECT_EQ(saved("ASR-I SANİ"), "/home/u/Müzik/ikindi.wav");
    shell->dispatch(Command::ChooseEzanIkindi);
    EXPECT_EQ(saved("ASR-I SANİ"), "/home/u/Müzik/ikindi.wav");
    EXPECT_EQ(shell->settings().ezanFiles[2], "/home/u/Müzik/ikindi.wav");

    // A dialog left open holds nothing: the command returns, its entry
    // greyed until the answer comes.
    files.holding = true;
    files.answers = {"/home/u/Müzik/ogle.wav"};
    shell->dispatch(Command::ChooseEzanOgle);
    EXPECT_FALSE(shell->menu().action(Command::ChooseEzanOgle)->isEnabled());
    EXPECT_EQ(shell->settings().ezanFiles[1], "ezan.wav");
    files.answerHeld();
    EXPECT_TRUE(shell->menu().action(Command::ChooseEzanOgle)->isEnabled());
    EXPECT_EQ(saved("ÖĞLE"), "/home/u/Müzik/ogle.wav");
}

TEST_F(DesktopProgramTest, TallyAddsRenamesSavesAndRefusesAnOverflow) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\nÇetele-3 Değeri=10\nÇetele-3 Eklenecek=-3\n");
    auto text = [](QWidget* dialog, const char* name) { return field(dialog, name)->text(); };
    shell->dispatch(Command::Tally3);
    QWidget* dialog = test::shownWindow("Çetele");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(shell->menu().action(Command::Tally3)->isEnabled());
    EXPECT_EQ((QStringList{text(dialog, "nameEdit"), text(dialog, "valueEdit"), text(dialog, "incrementEdit")}),
              (QStringList{"Çetele-3", "10", "-3"}));
    QTest::keyClick(dialog, Qt::Key_Escape);  // does nothing
    EXPECT_TRUE(dialog->isVisible());
    field(dialog, "nameEdit")->setText(QStringLiteral("Kaza namazı"));
    button(dialog, "addButton")->click();
    button(dialog, "addButton")->click();
    EXPECT_EQ(text(dialog, "valueEdit"), "4");
    button(dialog, "closeButton")->click();
    EXPECT_TRUE(shell->menu().action(Command::Tally3)->isEnabled());
    EXPECT_EQ(shell->menu().action(Command::Tally3)->text(), QStringLiteral("Kaza namazı"));
    EXPECT_EQ(saved("Çetele-3 Değeri"), "4");
    EXPECT_EQ(saved("Çetele-3 Eklenecek"), "-3");

    shell.reset();
    start("");
    for (const QString& title : {kWelcomeTitle, QStringLiteral("Seçenekler")}) {
        if (QWidget* firstRun = test::shownWindow(title)) static_cast<QDialog*>(firstRun)->reject();
    }
    EXPECT_EQ(shell->menu().action(Command::Tally3)->text(), QStringLiteral("Kaza namazı"));
    shell->dispatch(Command::Tally3);
    dialog = test::shownWindow("Çetele");
    ASSERT_NE(dialog, nullptr);
    field(dialog, "valueEdit")->setText(QStringLiteral("2147483647"));
    field(dialog, "incrementEdit")->setText(QStringLiteral("1"));
    button(dialog, "addButton")->click();
    EXPECT_TRUE(!button(dialog, "addButton")->isEnabled() && text(dialog, "valueEdit") == QStringLiteral("2147483647"))
        << "the sum would wrap: refused with the failure signal";
    button(dialog, "closeButton")->click();
    EXPECT_EQ(saved("Çetele-3 Değeri"), "2147483647");
}

TEST_F(DesktopProgramTest, VakitPanelIsGreyedWhileOpenEachPassRefillsItAndEscCloses) {
    start(std::string(kPlace) + "[Seçenekler]\nEzan/Salâ=Evet\niletiler=0\n", at(12, 13, 58));
    auto calendar = [](QWidget* panel) { return panel->findChild<QLabel*>(QStringLiteral("calendar"))->text(); };
    shell->dispatch(Command::VakitPanel);
    QWidget* panel = shownPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(shell->menu().action(Command::VakitPanel)->isEnabled());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(calendar(panel).startsWith(QStringLiteral("1 Ocak 2014  Çar  12:13"))) << calendar(panel).toStdString();
    runSeconds(3);  // 12:14: the minute's pass refills the open panel
    EXPECT_TRUE(calendar(panel).startsWith(QStringLiteral("1 Ocak 2014  Çar  12:14"))) << calendar(panel).toStdString();
    QTest::keyClick(panel, Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(shell->menu().action(Command::VakitPanel)->isEnabled());
}

TEST(HelpBalloons, BreakAtNewlinesAndWrapAt333Pixels) {
    const QFontMetrics metrics(QApplication::font());
    EXPECT_EQ(settings::wrapTooltipText("bir\niki\nüç", metrics, settings::kTooltipWidthPixels).count('\n'), 2);
    const QString longText = QString("Enlem derecesini giriniz ").repeated(8);
    const QStringList lines = settings::wrapTooltipText(longText, metrics, settings::kTooltipWidthPixels).split('\n');
    EXPECT_GT(lines.size(), 1);
    for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line), settings::kTooltipWidthPixels);
    EXPECT_EQ(lines.join(' ').simplified(), longText.simplified());
}

}  // namespace
}  // namespace orvanta::shell
