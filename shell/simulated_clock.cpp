// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/simulated_clock.h"

namespace orvanta::shell {

std::int32_t SimulatedClock::minuteOfDay() const {
    constexpr LocalTicks kTicksPerMinute = 60 * kTicksPerSecond;
    constexpr LocalTicks kTicksPerDay = 1440 * kTicksPerMinute;
    return static_cast<std::int32_t>(now_ % kTicksPerDay / kTicksPerMinute);
}

void runSeconds(Scheduler& scheduler, SimulatedClock& clock, std::int64_t seconds) {
    for (std::int64_t i = 0; i < seconds; ++i) {
        if (i > 0) clock.advanceSeconds(1);
        scheduler.onTick();
    }
}

}  // namespace orvanta::shell
