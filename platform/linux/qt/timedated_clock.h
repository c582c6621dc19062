// SPDX-License-Identifier: GPL-3.0-or-later
// The system clock set through systemd-timedated's SetTime over D-Bus
// (relative, so only the drift matters; polkit decides, and may ask for a
// password when the user is there to answer), else with clock_settime
// where this process may (root, or CAP_SYS_TIME).
#pragma once

#include "platform/clock_setter.h"

namespace orvanta::platform {

class TimedatedClock : public ClockSetter {
public:
    ClockSetResult shiftBy(std::int64_t seconds, bool mayAskUser) override;
};

}  // namespace orvanta::platform
