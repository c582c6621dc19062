// SPDX-License-Identifier: GPL-3.0-or-later
// Recording stand-ins for what the desktop program asks of the system: each
// keeps what it was asked, so a test reads the program's effects.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/clock_setter.h"
#include "platform/desktop_opener.h"
#include "platform/desktop_wallpaper.h"
#include "platform/media_players.h"
#include "platform/notifier.h"
#include "platform/serial_break.h"
#include "platform/wake_alarm.h"
#include "platform/autostart.h"

namespace orvanta::test {

struct RecordingOpener : platform::DesktopOpener {
    bool open(const std::string& target) override {
        opened.push_back(target);
        return answer;
    }
    std::vector<std::string> opened;
    bool answer = true;
};

struct RecordingWakeAlarm : platform::WakeAlarm {
    platform::WakeArmResult arm(std::time_t utcSeconds) override {
        armed.push_back(utcSeconds);
        return answer;
    }
    void cancel() override {}
    std::vector<std::time_t> armed;
    platform::WakeArmResult answer = platform::WakeArmResult::Armed;
};

struct RecordingNotifier : platform::Notifier {
    bool notify(const std::string& title, const std::string& text, platform::NoticeKind, int) override {
        notices.push_back(title + "|" + text);
        return true;
    }
    // Recorded as "title|text [label]"; the action is kept to be chosen.
    bool notifyWithAction(const std::string& title, const std::string& text, platform::NoticeKind, int,
                          platform::NoticeAction offered) override {
        notices.push_back(title + "|" + text + " [" + offered.label + "]");
        action = std::move(offered.chosen);
        return true;
    }
    void withdrawAction() override { action = nullptr; }
    std::vector<std::string> notices;
    std::function<void()> action;
};

struct MemoryAutostart : platform::AutostartSetting {
    bool enabled() const override { return on; }
    bool setEnabled(bool value) override {
        on = value;
        return true;
    }
    bool on = false;
};

struct RecordingClockSetter : platform::ClockSetter {
    platform::ClockSetResult shiftBy(std::int64_t seconds, bool mayAskUser) override {
        shifts.push_back(seconds);
        asked.push_back(mayAskUser);
        return answer;
    }
    std::vector<std::int64_t> shifts;
    std::vector<bool> asked;
    platform::ClockSetResult answer{true, {}};
};

// The relay and the media players write into one log shared with the
// sound, so a test reads the order of everything that was switched.
struct RecordingSerialBreak : platform::SerialBreak {
    explicit RecordingSerialBreak(std::vector<std::string>& log) : log(log) {}
    bool open(int portNumber, const std::string& devicePath) override {
        log.push_back("relay open " + (devicePath.empty() ? std::to_string(portNumber) : devicePath));
        return opens;
    }
    bool setBreak(bool on) override {
        log.push_back(on ? "relay on" : "relay off");
        return true;
    }
    void close() override { log.push_back("relay close"); }
    std::vector<std::string>& log;
    bool opens = true;
};

struct RecordingMediaPlayers : platform::MediaPlayers {
    explicit RecordingMediaPlayers(std::vector<std::string>& log) : log(log) {}
    void pausePlaying() override { log.push_back("media pause"); }
    void resumePaused() override { log.push_back("media resume"); }
    std::vector<std::string>& log;
};

// Keeps each call; a picture shown is kept as the file's size, since the
// file is replaced by the next one.
struct RecordingWallpaper : platform::DesktopWallpaper {
    std::string desktopName() const override { return "test"; }
    bool saveUserBackground() override {
        calls.push_back("save");
        return true;
    }
    bool showPicture(const std::filesystem::path& picture) override {
        calls.push_back("show " + picture.filename().string() + " " + std::to_string(std::filesystem::file_size(picture)));
        return true;
    }
    bool restoreUserBackground() override {
        calls.push_back("restore");
        return true;
    }
    std::vector<std::string> calls;
};

}  // namespace orvanta::test
