// SPDX-License-Identifier: GPL-3.0-or-later
// The Vakit panel on the offscreen platform: every field equals what
// orvanta-cli prints for the same place and moment (İstanbul on the eclipse
// morning of 2014, a southern place on a religious day, a place north of
// 60° at midsummer), the two forms, and the greyed declination.
#include "shell/qt/vakit_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>
#include <cstdio>
#include <map>
#include <sstream>

#include "tests/support/shell_command.h"

namespace orvanta::shell {
namespace {

using settings::Settings;

struct Moment {
    const char* latitude;
    const char* longitude;
    const char* offset;
    int year, month, day, hour, minute;
};

std::string cli(const std::string& arguments) { return test::runShell(std::string(ORVANTA_CLI_PATH) + " " + arguments).out; }

// An engine set up as orvanta-cli sets up its own (the default calculation).
engine::Engine engineAt(const Moment& m) {
    engine::Engine engine;
    engine.setPlace(static_cast<std::int16_t>(std::lround(std::atof(m.latitude) * 100)),
                    static_cast<std::int16_t>(std::lround(std::atof(m.longitude) * 100)),
                    static_cast<std::int16_t>(std::atoi(m.offset)));
    engine.setDate(static_cast<std::int16_t>(m.day), static_cast<std::int16_t>(m.month), static_cast<std::int16_t>(m.year));
    return engine;
}

QWidget* control(const QWidget& panel, const char* name) { return panel.findChild<QWidget*>(QLatin1String(name)); }
QString field(const QWidget& panel, const char* name) { return static_cast<QLabel*>(control(panel, name))->text(); }
// The ten times' fields, İmsak .. Yatsı.
constexpr const char* kTimeFields[] = {"imsakTime", "gunesTime",  "israkTime",    "istivaTime", "ogleTime",
                                       "ikindiTime", "asriSaniTime", "isfirarTime", "aksamTime",  "yatsiTime"};

TEST(VakitPanel, EveryFieldIsWhatTheCommandLinePrints) {
    const Moment moments[] = {{"41.01", "28.97", "180", 2014, 4, 29, 9, 3},
                              {"-33.45", "-70.67", "-180", 2014, 10, 4, 8, 30},
                              {"60.17", "24.94", "180", 2014, 6, 21, 12, 0}};
    for (const Moment& m : moments) {
        engine::Engine engine = engineAt(m);
        const auto day = engine.computeDay();
        engine::VakitTimes times{};
        std::copy(day.begin(), day.end(), times.begin() + 1);
        engine.setTimeOfDay(static_cast<std::int16_t>(m.hour), static_cast<std::int16_t>(m.minute));
        VakitPanel panel([&] { return panelTexts(engine, Settings{}, times, {m.year, m.month, m.day, m.hour, m.minute}); });

        const std::string place = std::string("--lat ") + m.latitude + " --lon " + m.longitude + " --offset " + m.offset;
        const std::string date = QString::asprintf(" --date %04d-%02d-%02d", m.year, m.month, m.day).toStdString();
        std::istringstream timesLine(cli("times " + place + date));
        std::string token;
        timesLine >> token;  // the date
        for (const char* name : kTimeFields) {
            ASSERT_TRUE(timesLine >> token);
            EXPECT_EQ(field(panel, name).toStdString(), token) << name;
        }
        std::map<std::string, double> sky;
        std::istringstream skyLines(cli("sky " + place + date + QString::asprintf(" --time %02d:%02d", m.hour, m.minute).toStdString()));
        std::string skyMessage;
        for (std::string line; std::getline(skyLines, line);) {
            const auto equals = line.find('=');
            if (line.substr(0, equals) == "sky_message") skyMessage = line.substr(equals + 1);
            else sky[line.substr(0, equals)] = std::atof(line.c_str() + equals + 1);
        }
        const std::pair<const char*, const char*> degrees[] = {
            {"qibla", "qibla"}, {"sunAzimuth", "sun_azimuth"}, {"sunAltitude", "sun_altitude"}, {"magneticDeclination", "magnetic_declination"},
            {"moonAzimuth", "moon_azimuth"}, {"moonAltitude", "moon_altitude"}, {"moonElongation", "moon_elongation"}, {"moonLatitude", "moon_latitude"},
            {"sunLongitude", "sun_longitude"}, {"sunDeclination", "sun_declination"}};
        for (const auto& [name, key] : degrees) {
            EXPECT_EQ(field(panel, name), QString::asprintf("%5.1f°", sky[key] * 0.1)) << key;
        }
        EXPECT_EQ(field(panel, "horizontalIntensity"), QString::asprintf("%5.1f µT", sky["horizontal_intensity"] * 0.1));
        EXPECT_EQ(field(panel, "moonDistance"), QString::asprintf("%5.1f Mm", sky["moon_distance"] * 0.1));
        EXPECT_EQ(field(panel, "sunDistance"), QString::asprintf("%5.1f Gm", sky["sun_distance"] * 0.1));
        EXPECT_EQ(field(panel, "noonDeviation"), QString::asprintf("%5.1f'", sky["noon_deviation"] * 0.1));
        EXPECT_EQ(field(panel, "skyMessage").toStdString(), skyMessage);
        EXPECT_EQ(control(panel, "magneticDeclination")->isEnabled(), sky["model_valid"] == 1);
        // The calendar's Hijri line and religious name are those of hijri.
        const std::string hijri = cli("hijri " + place + date);
        const std::string hijriDate = hijri.substr(11, hijri.find_first_of("|\n") - 11);
        EXPECT_NE(field(panel, "calendar").toStdString().find(hijriDate.substr(0, hijriDate.find_last_not_of(' ') + 1)),
                  std::string::npos);
        if (hijri.find(" | ") != std::string::npos) {
            EXPECT_TRUE(field(panel, "calendar").endsWith(QString::fromStdString(hijri.substr(hijri.find(" | ") + 3)).trimmed()));
        }
    }
}

TEST(VakitPanel, TogglingRefillsAndTheFormOutlivesThePanel) {
    int fills = 0;
    engine::Engine engine;
    engine.setPlace(4101, 2897, 180);
    engine.setDate(1, 1, 2031);  // past the field model: the declination greyed
    const auto source = [&] {
        ++fills;
        return panelTexts(engine, Settings{}, engine::VakitTimes{}, {2031, 1, 1, 12, 0});
    };
    {
        VakitPanel panel(source);
        auto* toggle = static_cast<QPushButton*>(control(panel, "toggleButton"));
        EXPECT_EQ(toggle->text(), QStringLiteral(">>"));
        EXPECT_FALSE(control(panel, "magneticDeclination")->isEnabled());
        const int compactWidth = panel.sizeHint().width();
        toggle->click();
        EXPECT_EQ(toggle->text(), QStringLiteral("<<"));
        EXPECT_GT(panel.sizeHint().width(), compactWidth);
        toggle->click();
        EXPECT_EQ(toggle->text(), QStringLiteral(">>"));
        EXPECT_EQ(fills, 3);
        toggle->click();
    }
    VakitPanel reopened(source);
    EXPECT_EQ(static_cast<QPushButton*>(control(reopened, "toggleButton"))->text(), QStringLiteral("<<"));
    // No label is cut, in the expanded form and (toggled) the compact one;
    // the suite runs again at 150 % scale.
    // The layout settles within a second even on a loaded machine.
    const auto cutLabels = [&reopened] {
        std::string cut;
        for (const QLabel* label : reopened.findChildren<QLabel*>()) {
            if (label->isVisible() && label->width() < label->sizeHint().width()) cut += label->objectName().toStdString() + ' ';
        }
        return cut;
    };
    for (int form = 0; form < 2; ++form) {
        reopened.show();
        for (int waited = 0; waited < 1000 && !cutLabels().empty(); waited += 50) QTest::qWait(50);
        EXPECT_EQ(cutLabels(), "");
        static_cast<QPushButton*>(control(reopened, "toggleButton"))->click();
    }
}

}  // namespace
}  // namespace orvanta::shell
