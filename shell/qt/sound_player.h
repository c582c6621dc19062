// SPDX-License-Identifier: GPL-3.0-or-later
// Every sound of the program goes through here: the relay on its serial
// port is switched on first, the sound starts after the relay's lead, and
// the relay drops when its on-time has passed. Nothing waits: the lead and
// the on-time are timers, so the tray, the strip and the scheduler keep
// running while a sound is on its way.
//
// A WAV file is played by the program; any other file is handed to the
// desktop (an MP3 opens in the user's music player, which the program then
// cannot stop). While the program's own sound plays, the desktop's media
// players are paused when the settings ask for it.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <string>

namespace orvanta::platform {
class DesktopOpener;
class MediaPlayers;
class SerialBreak;
}  // namespace orvanta::platform

namespace orvanta::shell {

class SoundOutput;

struct RelaySettings {
    int portNumber = 0;       // the system's serial port number; 0 and no device: no relay
    std::string devicePath;   // the relay's device, used as it stands when not empty
    int leadSeconds = 3;      // relay on this long before the sound starts
    int onSeconds = 400;      // relay off this long after the sound started
    bool present() const { return portNumber != 0 || !devicePath.empty(); }
};

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    SoundPlayer(SoundOutput& output, platform::DesktopOpener& opener, platform::SerialBreak& relay,
                platform::MediaPlayers& mediaPlayers, QObject* parent = nullptr);

    // Switches the relay on (when there is one), then after its lead starts
    // the file at path, replacing the sound playing or waiting. shownName is
    // the name the user gave, for the error text. A failure (relay port,
    // desktop cannot open the file) is signalled, the later one alone when
    // both fail; a missing WAV file is silent without one.
    void play(const QString& path, const QString& shownName, const RelaySettings& relay, bool pauseMediaPlayers);
    // Stops the program's sound at once, and a sound still waiting for the
    // relay's lead; the relay keeps its on-time.
    void stop();
    // Stops everything and releases the relay (shutdown).
    void release();
    // A sound of the program's own is playing or waiting for the relay's
    // lead (what a "Sesi Durdur" button or action can stop).
    bool sounding() const { return sounding_; }

signals:
    void failed(const QString& errorText);
    // The sound ended, by itself or stopped.
    void soundEnded();

private:
    void start(const QString& path, const QString& shownName, bool pauseMediaPlayers, QString error);
    void onSoundEnded();
    void relayOff();

    SoundOutput& output_;
    platform::DesktopOpener& opener_;
    platform::SerialBreak& relay_;
    platform::MediaPlayers& mediaPlayers_;
    QTimer leadTimer_;
    QTimer relayOffTimer_;
    QMetaObject::Connection pendingStart_;
    bool mediaPlayersPaused_ = false;
    bool sounding_ = false;
};

}  // namespace orvanta::shell
