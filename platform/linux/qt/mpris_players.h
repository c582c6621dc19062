// SPDX-License-Identifier: GPL-3.0-or-later
// Media players on the session bus (MPRIS: every bus name beginning with
// org.mpris.MediaPlayer2.). Every call is asynchronous, so a player that
// hangs cannot hold up the program; without a session bus nothing happens.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

#include "platform/media_players.h"

namespace orvanta::platform {

class MprisPlayers : public QObject, public MediaPlayers {
    Q_OBJECT
public:
    explicit MprisPlayers(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    void pausePlaying() override;
    void resumePaused() override;

private:
    void pauseIfPlaying(const QString& player, quint64 round);

    QDBusConnection bus_;
    QStringList paused_;
    // Counts pause and resume requests: a playback status that arrives after
    // the sound has already ended belongs to an old round and is dropped.
    quint64 round_ = 0;
};

}  // namespace orvanta::platform
