// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/sound_output.h"

#include <QAudioOutput>
#include <QDebug>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace orvanta::shell {

MediaSoundOutput::MediaSoundOutput() = default;
MediaSoundOutput::~MediaSoundOutput() = default;

void MediaSoundOutput::prepare() {
    if (!player_) createPlayer();
}

void MediaSoundOutput::createPlayer() {
    audio_ = std::make_unique<QAudioOutput>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(audio_.get());
    const auto endOfSound = [this] {
        if (!playing_) return;
        playing_ = false;
        if (finished_) finished_();
    };
    QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, [endOfSound](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia) endOfSound();
    });
    QObject::connect(player_.get(), &QMediaPlayer::errorOccurred,
                     [endOfSound](QMediaPlayer::Error, const QString& message) {
                         qWarning("orvanta: sound: %s", qPrintable(message));
                         endOfSound();
                     });
}

bool MediaSoundOutput::play(const QString& path) {
    stop();
    if (!QFileInfo(path).isReadable()) return false;
    if (!player_) createPlayer();
    player_->setSource(QUrl::fromLocalFile(path));
    playing_ = true;
    player_->play();
    return true;
}

void MediaSoundOutput::stop() {
    playing_ = false;
    if (player_) player_->stop();
}

}  // namespace orvanta::shell
