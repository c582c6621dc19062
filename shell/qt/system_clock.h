// SPDX-License-Identifier: GPL-3.0-or-later
// The PC's clock and zone as the scheduler reads them: local civil time
// (summer time included) and the system zone of the C library.
#pragma once

#include "shell/scheduler.h"

namespace orvanta::shell {

class SystemClock : public SchedulerClock {
public:
    ClockTime localTime() override;
    platform::SystemZone systemZone() override;
};

}  // namespace orvanta::shell
