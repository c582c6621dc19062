// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop backgrounds through the desktops' real tools: GNOME's
// gsettings on its key-file backend in a folder of the test's own, XFCE's
// xfconf-query with its daemon on the test's private session bus. The
// user's values are kept, the picture is shown centred on black, and the
// values come back exactly (properties the picture added are removed).
#include "platform/linux/qt/desktop_wallpapers.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <map>
#include <string>

#include "tests/support/temp_folder.h"

namespace orvanta::platform {
namespace {

QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// True when the program starts and answers its version: a tool whose own
// libraries are missing exists on the path but cannot be used.
bool toolRuns(const QString& program) {
    QProcess process;
    process.start(program, {QStringLiteral("--version")});
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString gsettingsGet(const char* key) {
    return output(QStringLiteral("gsettings"),
                  {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.background"), QString::fromLatin1(key)});
}

// A property of xfce4-desktop's first backdrop, or "" when it is not set.
QString xfconfGet(const char* leaf) {
    return output(QStringLiteral("xfconf-query"),
                  {QStringLiteral("-c"), QStringLiteral("xfce4-desktop"), QStringLiteral("-p"),
                   QStringLiteral("/backdrop/screen0/monitor0/workspace0/") + QLatin1String(leaf)});
}

TEST(GnomeWallpaper, ShowsThePictureCentredOnBlackAndPutsTheUsersBack) {
    if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty() || gsettingsGet("picture-uri").isEmpty()) {
        GTEST_SKIP() << "gsettings or the GNOME desktop schemas are not installed";
    }
    const test::TempFolder folder;
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("GSETTINGS_BACKEND", "keyfile");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.path().string()));
    const QString userPicture = gsettingsGet("picture-uri");
    const QString userOptions = gsettingsGet("picture-options");

    const auto wallpaper = gnomeWallpaper();
    ASSERT_TRUE(wallpaper->saveUserBackground());
    ASSERT_TRUE(wallpaper->showPicture(folder / "wall.bmp"));
    EXPECT_EQ(gsettingsGet("picture-uri"), QStringLiteral("'file://%1/wall.bmp'").arg(QString::fromStdString(folder.path().string())));
    EXPECT_EQ(gsettingsGet("picture-options"), QStringLiteral("'centered'"));
    EXPECT_EQ(gsettingsGet("primary-color"), QStringLiteral("'#000000'"));
    ASSERT_TRUE(wallpaper->restoreUserBackground());
    EXPECT_EQ(gsettingsGet("picture-uri"), userPicture);
    EXPECT_EQ(gsettingsGet("picture-options"), userOptions);
    qunsetenv("GSETTINGS_BACKEND");
    qputenv("XDG_CONFIG_HOME", configHome);
}

TEST(XfceWallpaper, EveryBackdropShowsThePictureAndGetsItsOwnBack) {
    if (!toolRuns(QStringLiteral("xfconf-query")) || qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        GTEST_SKIP() << "xfconf-query does not run here or a session bus is missing";
    }
    const QString backdrop = QStringLiteral("/backdrop/screen0/monitor0/workspace0/");
    const auto set = [&](const char* leaf, const char* type, const char* value) {
        output(QStringLiteral("xfconf-query"), {QStringLiteral("-c"), QStringLiteral("xfce4-desktop"), QStringLiteral("-p"),
                                                backdrop + QLatin1String(leaf), QStringLiteral("-n"), QStringLiteral("-t"),
                                                QLatin1String(type), QStringLiteral("-s"), QLatin1String(value)});
    };
    set("last-image", "string", "/home/user/picture.png");
    set("image-style", "int", "5");
    const char* const leaves[] = {"last-image", "image-style", "color-style", "rgba1"};
    std::map<std::string, QString> before;
    for (const char* leaf : leaves) before[leaf] = xfconfGet(leaf);

    const auto wallpaper = xfceWallpaper();
    ASSERT_TRUE(wallpaper->saveUserBackground());
    ASSERT_TRUE(wallpaper->showPicture("/tmp/wall.bmp"));
    EXPECT_EQ(xfconfGet("last-image"), QStringLiteral("/tmp/wall.bmp"));
    EXPECT_EQ(xfconfGet("image-style"), QStringLiteral("1"));
    EXPECT_EQ(xfconfGet("color-style"), QStringLiteral("0"));
    EXPECT_TRUE(xfconfGet("rgba1").endsWith(QStringLiteral("0.000000\n0.000000\n0.000000\n1.000000")));
    ASSERT_TRUE(wallpaper->restoreUserBackground());
    for (const char* leaf : leaves) EXPECT_EQ(xfconfGet(leaf), before[leaf]) << leaf;
}

}  // namespace
}  // namespace orvanta::platform
