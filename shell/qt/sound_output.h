// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's sounds go: one sound at a time, started without
// waiting, a new one replacing the old.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace orvanta::shell {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts the file, stopping the sound before it. A missing or
    // unreadable file stays silent and gives false.
    virtual bool play(const QString& path) = 0;
    virtual void stop() = 0;
    // Called when a sound ends by itself (played to its end, or the file
    // turned out not to be playable); not after stop().
    virtual void setFinishedHandler(std::function<void()> handler) = 0;
};

// Qt Multimedia (GStreamer here). Loading the media framework and building
// the player takes about 120 ms, which the first ezan would otherwise wait;
// prepare() does it ahead, once the program is up.
class MediaSoundOutput : public SoundOutput {
public:
    MediaSoundOutput();
    ~MediaSoundOutput() override;
    void prepare();
    bool play(const QString& path) override;
    void stop() override;
    void setFinishedHandler(std::function<void()> handler) override { finished_ = std::move(handler); }

private:
    void createPlayer();

    std::unique_ptr<QAudioOutput> audio_;
    std::unique_ptr<QMediaPlayer> player_;
    std::function<void()> finished_;
    bool playing_ = false;
};

}  // namespace orvanta::shell
