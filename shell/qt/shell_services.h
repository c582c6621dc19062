// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop program asks of the system, and its folders. Tests give
// a simulated clock and recording fakes.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "platform/autostart.h"
#include "shell/scheduler.h"

namespace orvanta::platform {
class ClockSetter;
class DesktopOpener;
class DesktopWallpaper;
class FileChooser;
class HotKey;
class MediaPlayers;
class Notifier;
class SerialBreak;
class WakeAlarm;
}  // namespace orvanta::platform

namespace orvanta::shell {

class SoundOutput;

struct ShellServices {
    SchedulerClock& clock;
    platform::DesktopOpener& opener;
    platform::WakeAlarm& wakeAlarm;
    platform::Notifier& notifier;
    platform::AutostartSetting& autostart;
    SoundOutput& sound;
    platform::SerialBreak& relay;
    platform::MediaPlayers& mediaPlayers;
    platform::FileChooser& files;
    platform::ClockSetter& clockSetter;
    platform::HotKey* hotKey = nullptr;  // none where keys cannot be grabbed
    platform::DesktopWallpaper* wallpaper = nullptr;  // none where the desktop's background cannot be set
};

struct ShellFolders {
    // Holds the settings file, the report and files the program writes;
    // relative sound file names resolve here first.
    std::filesystem::path programFolder;
    // Read-only companion files (manual, article, sounds, icon), searched
    // after the program folder in this order.
    std::vector<std::filesystem::path> dataFolders;

    // A companion file by name: an absolute name as it stands, else the
    // first folder that holds it.
    std::optional<std::filesystem::path> find(const std::filesystem::path& name) const;
};

}  // namespace orvanta::shell
