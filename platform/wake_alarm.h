// SPDX-License-Identifier: GPL-3.0-or-later
// Waking the computer from sleep at a set instant.
#pragma once

#include <ctime>

namespace orvanta::platform {

enum class WakeArmResult {
    Armed,
    NotSupported,  // this machine or this user can never arm it
    Failed,        // it could not be armed this time
};

class WakeAlarm {
public:
    virtual ~WakeAlarm() = default;
    // utcSeconds: the instant as seconds since 1970-01-01 00:00 UTC.
    virtual WakeArmResult arm(std::time_t utcSeconds) = 0;
    virtual void cancel() = 0;
};

}  // namespace orvanta::platform
