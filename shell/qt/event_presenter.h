// SPDX-License-Identifier: GPL-3.0-or-later
// How the scheduler's events reach the user: the event windows in message
// mode 2, notifications (balloons) in mode 1, nothing to see in mode 0; and
// every sound, through the relay and the player, unless the sound is off
// or quiet hours hold. Nothing here waits for the user.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <string_view>

#include "engine/engine.h"
#include "settings/settings.h"
#include "shell/qt/event_windows.h"
#include "shell/qt/sound_player.h"
#include "shell/scheduler.h"

namespace orvanta::platform {
class Notifier;
}

namespace orvanta::shell {

class TrayAndStrip;

class EventPresenter : public QObject {
    Q_OBJECT
public:
    struct Parts {
        const settings::Settings& settings;
        platform::Notifier& notifier;
        TrayAndStrip& tray;
        SoundPlayer& player;
        // Where a sound file named in the settings is found.
        std::function<std::filesystem::path(std::string_view)> soundPath;
        // Quiet hours hold now.
        std::function<bool()> quiet;
    };
    explicit EventPresenter(Parts parts, QObject* parent = nullptr);

    void playSound(std::string_view file);
    void stopSound();
    void announceEzan(int slot);
    void showWarning(std::string_view text);
    void showReminder(engine::VakitType prayer);
    void showReligiousDayNotice(std::string_view text, std::string_view title);
    void showError(const QString& text);
    // Shutdown: no sound or window from now on; the relay is released.
    void endAll();

    EventWindows& windows() { return windows_; }

private:
    enum class BalloonKind { Information, Warning, Error };
    bool boxMode() const;
    void balloon(BalloonKind kind, const QString& title, const QString& text, bool offerStopSound = false);
    void reportSoundError(const QString& text);

    Parts parts_;
    EventWindows windows_;
    bool ended_ = false;
};

}  // namespace orvanta::shell
