#include "shell/qt/sound_output.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace orvanta::shell {

MediaSoundOutput::MediaSoundOutput() = default;
MediaSoundOutput::~MediaSoundOutput() = default;

void MediaSoundOutput::play(const QString& path) {
    if (player_) player_->stop();
    if (!QFileInfo(path).isReadable()) return;
    if (!player_) {
        audio_ = std::make_unique<QAudioOutput>();
        player_ = std::make_unique<QMediaPlayer>();
        player_->setAudioOutput(audio_.get());
    }
    player_->setSource(QUrl::fromLocalFile(path));
    player_->play();
}

void MediaSoundOutput::stop() {
    if (player_) player_->stop();
}

}  // namespace orvanta::shell
