// Where the program's sounds go: one sound at a time, started without
// waiting, a new one replacing the old.
#pragma once

#include <QString>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace orvanta::shell {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts the file; a missing or unreadable file stays silent.
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
};

// Qt Multimedia. The player is created with the first sound, so a program
// that has not sounded yet keeps the media framework unloaded.
class MediaSoundOutput : public SoundOutput {
public:
    MediaSoundOutput();
    ~MediaSoundOutput() override;
    void play(const QString& path) override;
    void stop() override;

private:
    std::unique_ptr<QAudioOutput> audio_;
    std::unique_ptr<QMediaPlayer> player_;
};

}  // namespace orvanta::shell
