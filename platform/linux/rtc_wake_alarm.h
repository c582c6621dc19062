// SPDX-License-Identifier: GPL-3.0-or-later
// The wake-up through the real-time clock's alarm,
// /sys/class/rtc/rtc0/wakealarm: the kernel wakes a suspended machine when
// the RTC reaches the second written there (seconds since 1970, UTC).
//
// The file is writable by root only unless an administrator grants it (a
// udev rule, see tools/packaging/60-orvanta-rtc-wakealarm.rules). Where it is
// missing or not writable the alarm reports NotSupported, for good.
#pragma once

#include <filesystem>
#include <optional>

#include "platform/wake_alarm.h"

namespace orvanta::platform {

class RtcWakeAlarm : public WakeAlarm {
public:
    explicit RtcWakeAlarm(std::filesystem::path alarmFile = "/sys/class/rtc/rtc0/wakealarm");

    // Writes only when the instant changed: the scheduler re-arms every
    // minute, and an armed RTC alarm must be cleared before it is moved.
    WakeArmResult arm(std::time_t utcSeconds) override;
    void cancel() override;

private:
    bool write(const std::string& text);

    std::filesystem::path file_;
    std::optional<std::time_t> armed_;
    bool supported_ = true;
};

}  // namespace orvanta::platform
