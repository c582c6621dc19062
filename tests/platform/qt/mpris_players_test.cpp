// SPDX-License-Identifier: GPL-3.0-or-later
// Media players paused for an ezan and resumed after, against small players
// on a private session bus (the test runs under dbus-run-session): each
// player is its own bus connection, as a real player is its own process.
#include "platform/linux/qt/mpris_players.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QObject>
#include <QtTest/QTest>
#include <memory>

namespace orvanta::platform {
namespace {

class FakePlayer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
public:
    FakePlayer(const QString& name, const QString& status)
        : status_(status), bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name)) {
        bus_.registerObject(QStringLiteral("/org/mpris/MediaPlayer2"), this,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
        registered_ = bus_.registerService(QStringLiteral("org.mpris.MediaPlayer2.") + name);
    }
    ~FakePlayer() override { QDBusConnection::disconnectFromBus(bus_.name()); }
    QString playbackStatus() const { return status_; }
    bool registered() const { return registered_; }

public slots:
    void Pause() { status_ = QStringLiteral("Paused"); }
    void Play() { status_ = QStringLiteral("Playing"); }

private:
    QString status_;
    QDBusConnection bus_;
    bool registered_ = false;
};

TEST(MprisPlayers, PausesOnlyThePlayingAndResumesOnlyThoseItPaused) {
    if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no session bus (run under dbus-run-session)";
    FakePlayer music(QStringLiteral("music"), QStringLiteral("Playing"));
    FakePlayer video(QStringLiteral("video"), QStringLiteral("Paused"));  // paused by the user
    ASSERT_TRUE(music.registered() && video.registered());

    MprisPlayers players;
    players.pausePlaying();
    ASSERT_TRUE(QTest::qWaitFor([&] { return music.playbackStatus() == QLatin1String("Paused"); }, 3000));
    players.resumePaused();
    ASSERT_TRUE(QTest::qWaitFor([&] { return music.playbackStatus() == QLatin1String("Playing"); }, 3000));
    QTest::qWait(100);
    EXPECT_EQ(video.playbackStatus(), QStringLiteral("Paused"));

    // A sound that ends before the players have answered: nothing stays
    // paused behind the user's back.
    players.pausePlaying();
    players.resumePaused();
    QTest::qWait(300);
    EXPECT_EQ(music.playbackStatus(), QStringLiteral("Playing"));
}

}  // namespace
}  // namespace orvanta::platform

#include "mpris_players_test.moc"
