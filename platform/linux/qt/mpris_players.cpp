// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/mpris_players.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace orvanta::platform {

namespace {

const QString kPlayerPrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

QDBusMessage playerCall(const QString& player, const QString& method) {
    return QDBusMessage::createMethodCall(player, kObjectPath, kPlayerInterface, method);
}

}  // namespace

MprisPlayers::MprisPlayers(QDBusConnection bus, QObject* parent) : QObject(parent), bus_(std::move(bus)) {}

void MprisPlayers::pausePlaying() {
    const quint64 round = ++round_;
    if (!bus_.isConnected() || bus_.interface() == nullptr) return;
    const QStringList names = bus_.interface()->registeredServiceNames().value();
    for (const QString& name : names) {
        if (name.startsWith(kPlayerPrefix)) pauseIfPlaying(name, round);
    }
}

void MprisPlayers::pauseIfPlaying(const QString& player, quint64 round) {
    QDBusMessage get = QDBusMessage::createMethodCall(player, kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kPlayerInterface << QStringLiteral("PlaybackStatus");
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, player, round] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> status = *watcher;
        if (round != round_ || status.isError()) return;
        if (status.value().variant().toString() != QLatin1String("Playing")) return;
        bus_.asyncCall(playerCall(player, QStringLiteral("Pause")));
        paused_.append(player);
    });
}

void MprisPlayers::resumePaused() {
    ++round_;
    for (const QString& player : std::as_const(paused_)) bus_.asyncCall(playerCall(player, QStringLiteral("Play")));
    paused_.clear();
}

}  // namespace orvanta::platform
