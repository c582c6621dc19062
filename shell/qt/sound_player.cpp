// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/sound_player.h"

#include <QFileInfo>
#include <QTime>
#include <QLoggingCategory>
#include <chrono>

#include "platform/desktop_opener.h"
#include "platform/media_players.h"
#include "platform/serial_break.h"
#include "shell/messages.h"
#include "shell/qt/sound_output.h"

namespace orvanta::shell {

namespace {

// Off unless asked for: QT_LOGGING_RULES="orvanta.sound.debug=true".
Q_LOGGING_CATEGORY(soundLog, "orvanta.sound", QtInfoMsg)

constexpr int kMillisecondsPerSecond = 1000;

double monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool isWav(const QString& path) { return QFileInfo(path).suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0; }

}  // namespace

SoundPlayer::SoundPlayer(SoundOutput& output, platform::DesktopOpener& opener, platform::SerialBreak& relay,
                         platform::MediaPlayers& mediaPlayers, QObject* parent)
    : QObject(parent), output_(output), opener_(opener), relay_(relay), mediaPlayers_(mediaPlayers) {
    leadTimer_.setSingleShot(true);
    relayOffTimer_.setSingleShot(true);
    connect(&relayOffTimer_, &QTimer::timeout, this, &SoundPlayer::relayOff);
    output_.setFinishedHandler([this] { onSoundEnded(); });
}

void SoundPlayer::play(const QString& path, const QString& shownName, const RelaySettings& relay,
                       bool pauseMediaPlayers) {
    leadTimer_.stop();
    disconnect(pendingStart_);
    sounding_ = isWav(path);
    QString relayError;
    if (relay.present()) {
        if (!relay_.open(relay.portNumber, relay.devicePath)) {
            relayError = QString::fromStdString(relayPortMessage(relay.portNumber, relay.devicePath));
        } else {
            relay_.setBreak(true);
            // The on-time counts from the end of the lead; one timer covers
            // both, so a sound stopped during the lead still drops the relay.
            relayOffTimer_.start(std::max(0, relay.leadSeconds + relay.onSeconds) * kMillisecondsPerSecond);
            pendingStart_ = connect(&leadTimer_, &QTimer::timeout, this, [this, path, shownName, pauseMediaPlayers] {
                disconnect(pendingStart_);
                start(path, shownName, pauseMediaPlayers, QString());
            });
            leadTimer_.start(std::max(0, relay.leadSeconds) * kMillisecondsPerSecond);
            return;
        }
    }
    start(path, shownName, pauseMediaPlayers, relayError);
}

// The sound starts first; an error is told after it, the sound's own
// replacing the relay's.
void SoundPlayer::start(const QString& path, const QString& shownName, bool pauseMediaPlayers, QString error) {
    qCDebug(soundLog, "starting %s at monotonic %.3f, clock %s", qPrintable(path), monotonicSeconds(),
            qPrintable(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"))));
    if (!isWav(path)) {
        // The desktop's player takes it; a WAV of the program's own that is
        // still playing goes on, as it would beside any other program.
        if (!opener_.open(path.toStdString())) error = QString::fromStdString(cannotRunMessage(shownName.toStdString()));
    } else if (!output_.play(path)) {
        onSoundEnded();
    } else if (pauseMediaPlayers && !mediaPlayersPaused_) {
        mediaPlayers_.pausePlaying();
        mediaPlayersPaused_ = true;
    }
    if (!error.isEmpty()) emit failed(error);
}

void SoundPlayer::stop() {
    leadTimer_.stop();
    disconnect(pendingStart_);
    output_.stop();
    onSoundEnded();
}

void SoundPlayer::release() {
    stop();
    relayOff();
    relay_.close();
}

void SoundPlayer::onSoundEnded() {
    if (sounding_) {
        sounding_ = false;
        emit soundEnded();
    }
    if (!mediaPlayersPaused_) return;
    mediaPlayersPaused_ = false;
    mediaPlayers_.resumePaused();
}

void SoundPlayer::relayOff() {
    relayOffTimer_.stop();
    relay_.setBreak(false);
}

}  // namespace orvanta::shell
