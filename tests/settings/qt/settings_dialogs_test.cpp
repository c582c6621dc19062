// SPDX-License-Identifier: GPL-3.0-or-later
// The two settings dialogs and the place finder on the offscreen platform,
// driven by object name: the failure signal and what it leaves stored, the
// wheel, the clock fields, the place finder on the shipped list, the help
// balloons, the welcome, and each dialog's look (screenshots; no label cut).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QWheelEvent>
#include <QtTest/QTest>

#include "settings/place_database.h"
#include "settings/qt/controls.h"
#include "settings/qt/place_finder.h"
#include "settings/qt/welcome_dialog.h"
#include "tests/settings/qt/settings_dialogs_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvanta::settings {
namespace {

// A wheel turn over the dialog (a field ignores it and it reaches the
// dialog; Qt propagates only the wheel events that come from the device).
void turnWheel(QWidget* dialog, int delta) {
    QWheelEvent wheel(QPointF(2, 2), dialog->mapToGlobal(QPointF(2, 2)), {}, QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(dialog, &wheel);
}

const std::filesystem::path kPlaceList = ORVANTA_PLACE_DATABASE;

TEST(CalculationDialog, FailingFieldKeepsFocusAndNothingIsApplied) {
    Settings settings;
    RecordingHost host;
    CalculationDialog dialog(settings, host, kPlaceList);
    dialog.show();
    edit(&dialog, "calcMode")->setText("5");
    click(&dialog, "applyButton");
    EXPECT_FALSE(control(&dialog, "applyButton")->isEnabled()) << "the failure signal greys the button";
    EXPECT_EQ(dialog.focusWidget(), control(&dialog, "temkinYatsi"));
    EXPECT_EQ(host.applied, 0);
    QTest::qWait(kFailureSignalMs + 50);
    EXPECT_TRUE(control(&dialog, "applyButton")->isEnabled());

    edit(&dialog, "temkinYatsi")->setText("90");
    click(&dialog, "applyButton");
    EXPECT_EQ(host.applied, 1);
    EXPECT_TRUE(dialog.isVisible()) << "Uygula keeps the dialog open";

    // Mode 0 greys the temkins (they are still checked).
    edit(&dialog, "calcMode")->setText("abc");
    edit(&dialog, "temkinYatsi")->setText("2");
    click(&dialog, "applyButton");
    EXPECT_EQ(settings.calcMode, 0);
    EXPECT_FALSE(control(&dialog, "temkinImsak")->isEnabled());
}

TEST(CalculationDialog, ChecksAndDefaultButtonsChangeTheSettingsAtOnce) {
    Settings settings;
    settings.usePlaceList = true;
    settings.calcMode = 2;
    settings.temkin[4] = 12;
    RecordingHost host;
    CalculationDialog dialog(settings, host, kPlaceList);
    EXPECT_FALSE(control(&dialog, "latitude")->isEnabled());
    click(&dialog, "usePlaceList");
    click(&dialog, "systemTimeZone");
    EXPECT_TRUE(!settings.usePlaceList && settings.useSystemTimeZone);
    EXPECT_TRUE(control(&dialog, "latitude")->isEnabled() && !control(&dialog, "timeZone")->isEnabled());

    click(&dialog, "defaultAngles");
    EXPECT_EQ(settings.calcMode, 4);
    EXPECT_EQ(edit(&dialog, "yatsiAngle")->text(), QStringLiteral("-17.0"));
    EXPECT_EQ(settings.temkin[4], 12) << "the angle defaults leave the temkins";
    click(&dialog, "defaultTemkins");
    EXPECT_EQ(settings.temkin, engine::defaultTemkin);
    click(&dialog, "diyanetValues");
    EXPECT_EQ(edit(&dialog, "temkinAksam")->text(), QStringLiteral("6"));
    EXPECT_EQ(host.applied, 0) << "defaults reach the engine only with Uygula or Kaydet";
}

TEST(CalculationDialog, WheelWalksThePlaceListAndTheDays) {
    Settings settings;
    settings.usePlaceList = true;
    settings.placeRow = 1;
    RecordingHost host;
    CalculationDialog dialog(settings, host, kPlaceList);
    dialog.show();
    control(&dialog, "placeRow")->setFocus();
    turnWheel(&dialog, 120);  // away from the user, at row 1
    EXPECT_EQ(settings.placeRow, 1);
    turnWheel(&dialog, -120);
    EXPECT_EQ(settings.placeRow, 2);
    EXPECT_EQ(edit(&dialog, "placeName")->text(), QStringLiteral("Adıyaman"));

    // The date field follows the clock until "Gerçek Zaman" is switched off.
    EXPECT_FALSE(control(&dialog, "viewDate")->isEnabled());
    click(&dialog, "realTimeClock");
    ASSERT_FALSE(host.realTime);
    control(&dialog, "viewDate")->setFocus();
    turnWheel(&dialog, 120);
    EXPECT_EQ(edit(&dialog, "viewDate")->text(), QStringLiteral("31/12/2013"));
    EXPECT_EQ(host.recomputeTicks, 2);
    // A typed date and time reach the views' moment with the check.
    edit(&dialog, "viewDate")->setText("31/02/2014");
    edit(&dialog, "viewTime")->setText("7:05");
    click(&dialog, "applyButton");
    EXPECT_EQ(viewDateText(host.moment) + " " + viewTimeText(host.moment), "31/02/2014 07:05");
    EXPECT_EQ(edit(&dialog, "viewTime")->text(), QStringLiteral("07:05"));
}

TEST(PlaceFinder, FindsTurkishNamesTypedPlainlyAndTheChoiceFillsTheDialog) {
    Settings settings;
    RecordingHost host;
    CalculationDialog dialog(settings, host, kPlaceList);
    test::ModalAnswer answer([](QWidget* finder) {
        auto* search = finder->findChild<QLineEdit*>(QStringLiteral("searchEdit"));
        auto* table = finder->findChild<QTableView*>(QStringLiteral("placeTable"));
        auto* count = finder->findChild<QLabel*>(QStringLiteral("countLabel"));
        const auto shown = [&](int column) { return table->model()->index(0, column).data().toString(); };
        // A Turkish name typed plainly finds the place under its list name,
        // with the region and zone that tell it from its namesakes.
        QTest::keyClicks(search, QStringLiteral("koln"));
        EXPECT_EQ(shown(1), QStringLiteral("Cologne (Köln)"));
        EXPECT_EQ(shown(2), QStringLiteral("Nordrhein-Westfalen"));
        EXPECT_EQ(shown(4), QStringLiteral("Europe/Berlin"));
        search->setText(QStringLiteral("qqzzyx"));
        EXPECT_EQ(static_cast<PlaceFinder*>(finder)->shownCount(), 0);
        EXPECT_TRUE(count->text().contains(QStringLiteral("Enlem, Boylam"))) << count->text().toStdString();
        search->clear();
        QTest::keyClicks(search, QStringLiteral("izmir"));
        finder->findChild<QPushButton*>(QStringLiteral("openFileButton"))->click();
        QTest::keyClick(search, Qt::Key_Return);
    });
    click(&dialog, "openPlaceList");
    EXPECT_EQ(host.opened, kPlaceList);
    EXPECT_TRUE(settings.usePlaceList);
    EXPECT_EQ(settings.placeRow, 35);
    EXPECT_EQ(settings.placeName, "İzmir");
    EXPECT_EQ(edit(&dialog, "placeRow")->text(), QStringLiteral("35"));
    EXPECT_EQ(edit(&dialog, "latitude")->text(), QString::fromStdString(degreesText(settings.latitude)));
}

// The help balloons follow the id each control carries: a balloon for
// each control its table names, and the two dialogs' "Kaydet" (the same id
// in both) each with its own text.
TEST(HelpBalloons, EachControlGetsTheTextOfItsId) {
    Settings settings;
    RecordingHost host;
    CalculationDialog calculation(settings, host, kPlaceList);
    OptionsDialog options(settings, host);
    const struct {
        const QWidget* dialog;
        const char* control;
        const char* starts;  // "" for a control with no balloon
    } cases[] = {
        {&calculation, "latitude", "Yerleşim biriminin enlemi."},
        {&calculation, "temkinIsrak", "0 ile +30 arası..."},
        {&calculation, "temkinIsfirar", "0 ile -30 arası..."},
        {&calculation, "saveButton", "Formdaki değerleri INI dosyasına kaydeder."},
        {&calculation, "zoneNote", ""},
        {&options, "cumaSalaMinutes", "Salânın, Cuma namazından"},
        {&options, "cancelButton", "Formda yapılan değişiklikler iptal edilir ve"},
    };
    for (const auto& c : cases) {
        const QString tip = control(c.dialog, c.control)->toolTip().replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (*c.starts == '\0') {
            EXPECT_TRUE(tip.isEmpty()) << c.control;
        } else {
            EXPECT_TRUE(tip.startsWith(QString::fromUtf8(c.starts))) << c.control << ": " << tip.toStdString();
        }
    }
}

TEST(OptionsDialog, ClicksMirrorIntoTheSettingsAndTheMinuteFieldsAreChecked) {
    Settings settings;
    RecordingHost host;
    host.target = "/nonexistent/sala.wav";
    OptionsDialog dialog(settings, host);
    dialog.show();
    EXPECT_FALSE(control(&dialog, "cumaSalaMinutes")->isEnabled());
    click(&dialog, "cumaSala");
    EXPECT_TRUE(settings.cumaSala && control(&dialog, "cumaSalaMinutes")->isEnabled());
    click(&dialog, "cumaSala");
    click(&dialog, "sabahAtImsak");
    EXPECT_TRUE(settings.sabahEzanAtImsak);
    EXPECT_FALSE(control(&dialog, "sabahMinutes")->isEnabled());
    click(&dialog, "autoCorrectClock");
    click(&dialog, "autoCorrectClock");
    click(&dialog, "ikindiAtAsrSani");
    EXPECT_EQ(host.corrections, 1) << "ticking the clock correction on corrects once; off, never";
    EXPECT_TRUE(settings.ikindiAtAsrSani);

    // Greyed, the morning field is still checked.
    edit(&dialog, "sabahMinutes")->setText("5");
    click(&dialog, "saveButton");
    EXPECT_TRUE(dialog.isVisible() && dialog.result() != QDialog::Accepted);
    QTest::qWait(kFailureSignalMs + 50);
    edit(&dialog, "sabahMinutes")->setText("10");
    edit(&dialog, "sahurSalaMinutes")->setText("120");
    click(&dialog, "saveButton");  // no salâ chosen: no question although the file is missing
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.sahurSalaMinutes, 120);
}

// Writes the dialog's screenshot to the test output folder and checks that
// every label is as wide as its text and every field holds what it shows.
void shootAndCheck(QDialog* dialog, const std::string& name) {
    dialog->show();
    QTest::qWait(50);
    const std::string variant = "-" + QGuiApplication::platformName().toStdString() + "-scale" +
                                qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toStdString();
    const std::filesystem::path shot = std::filesystem::path(ORVANTA_TEST_OUTPUT) / (name + variant + ".png");
    std::filesystem::create_directories(shot.parent_path());
    EXPECT_TRUE(dialog->grab().save(QString::fromStdString(shot.string())));
    for (const QWidget* control : dialog->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        if ((label || button) && control->isVisible() && !(label && label->wordWrap())) {
            EXPECT_GE(control->width(), control->minimumSizeHint().width()) << name << " " << control->objectName().toStdString();
        }
    }
    for (const QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
        if (!field->isVisible()) continue;
        EXPECT_GE(field->width() - 6, field->fontMetrics().horizontalAdvance(field->text()))
            << field->objectName().toStdString() << " " << field->text().toStdString();
    }
}

// Every label of each dialog is as wide as its text, in each dialog's
// screenshot; the suite runs again at 150 % scale.
TEST(SettingsDialogs, ScreenshotsShowNoCutLabel) {
    Settings settings;
    RecordingHost host;
    CalculationDialog calculation(settings, host, kPlaceList);
    OptionsDialog options(settings, host);
    PlaceFinder finder(readPlaceList(kPlaceList));
    PlaceFinder nothingFound(readPlaceList(kPlaceList));
    nothingFound.setObjectName(QStringLiteral("PlaceFinderNothingFound"));
    nothingFound.search(QStringLiteral("Atlantis"));
    for (QDialog* dialog : std::initializer_list<QDialog*>{&calculation, &options, &finder, &nothingFound}) {
        shootAndCheck(dialog, dialog->objectName().toStdString());
    }
}

// The place's zone differs from the computer's: one line says so.
TEST(SettingsDialogs, ZoneNoteWhenThePlacesZoneIsNotTheComputers) {
    Settings settings;
    settings.timeZoneName = "Europe/Berlin";
    RecordingHost host;
    host.zone = {180, false, "Europe/Istanbul"};
    CalculationDialog dialog(settings, host, kPlaceList);
    shootAndCheck(&dialog, "CalculationDialog-zone-note");
    const auto* note = dialog.findChild<QLabel*>("zoneNote");
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QStringLiteral("Europe/Berlin,")));
    host.zone.ianaName = "Europe/Berlin";
    dialog.fill();
    EXPECT_FALSE(note->isVisible());
}

// The welcome's two steps, reached with the keyboard: the place guessed
// from the zone (Berlin, best first), Enter, the calculation with Diyanet
// chosen, Enter.
TEST(SettingsDialogs, WelcomeStepsWithTheKeyboard) {
    int listened = 0;
    WelcomeDialog welcome(readPlaceList(kPlaceList), "Europe/Berlin", [&] { ++listened; });
    shootAndCheck(&welcome, "WelcomeDialog-1-place");
    EXPECT_EQ(welcome.findChild<QLineEdit*>("placeSearch")->text(), QStringLiteral("Berlin"));
    EXPECT_EQ(welcome.choice().place.place.placeName, "Berlin");
    QTest::keyClick(welcome.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(welcome.step(), 1);
    shootAndCheck(&welcome, "WelcomeDialog-2-calculation");
    welcome.findChild<QPushButton*>("listenButton")->click();
    EXPECT_EQ(listened, 1);
    const WelcomeChoice choice = welcome.choice();
    EXPECT_EQ(choice.calculation, CalculationChoice::Diyanet);
    EXPECT_TRUE(choice.autostart);
    QTest::keyClick(welcome.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(welcome.result(), QDialog::Accepted);

    // Nothing found: how to go on is said; Enter does not go on.
    WelcomeDialog nowhere(readPlaceList(kPlaceList), "", [] {});
    nowhere.show();
    nowhere.search(QStringLiteral("xyzzy"));
    EXPECT_NE(nowhere.findChild<QLabel*>("placeHint")->text().indexOf(QStringLiteral("bulunamadı")), -1);
    QTest::keyClick(nowhere.findChild<QLineEdit*>("placeSearch"), Qt::Key_Return);
    EXPECT_EQ(nowhere.step(), 0);
}

}  // namespace
}  // namespace orvanta::settings
