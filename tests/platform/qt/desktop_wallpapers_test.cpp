// GNOME's background through the real gsettings, on its key-file backend
// in a folder of the test's own: the user's values are kept, the picture
// is shown centred on black, and the values come back exactly.
#include "platform/linux/qt/desktop_wallpapers.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "tests/support/temp_folder.h"

namespace orvanta::platform {
namespace {

QString gsettingsGet(const char* key) {
    QProcess process;
    process.start(QStringLiteral("gsettings"),
                  {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.background"), QString::fromLatin1(key)});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

TEST(GnomeWallpaper, ShowsThePictureCentredOnBlackAndPutsTheUsersBack) {
    if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty() || gsettingsGet("picture-uri").isEmpty()) {
        GTEST_SKIP() << "gsettings or the GNOME desktop schemas are not installed";
    }
    const test::TempFolder folder;
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
    qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace orvanta::platform
