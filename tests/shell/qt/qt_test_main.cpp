// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt tests run GoogleTest inside a QApplication on the offscreen
// platform: no display is needed.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The wake-up is converted to UTC through the zone of the tests' place.
    setenv("TZ", "Europe/Istanbul", 1);
    tzset();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
