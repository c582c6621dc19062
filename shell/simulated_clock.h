// SPDX-License-Identifier: GPL-3.0-or-later
// A clock that shows a set local time and moves only when told to: for
// running the scheduler over a day or a year faster than real time.
#pragma once

#include "shell/scheduler.h"

namespace orvanta::shell {

class SimulatedClock : public SchedulerClock {
public:
    SimulatedClock(ClockTime start, platform::SystemZone zone) : now_(toLocalTicks(start)), zone_(zone) {}

    ClockTime localTime() override { return fromLocalTicks(now_); }
    platform::SystemZone systemZone() override { return zone_; }

    void advanceSeconds(std::int64_t seconds) { now_ += seconds * kTicksPerSecond; }
    void set(const ClockTime& time) { now_ = toLocalTicks(time); }
    void setZone(platform::SystemZone zone) { zone_ = zone; }
    LocalTicks now() const { return now_; }
    std::int32_t minuteOfDay() const;

private:
    LocalTicks now_;
    platform::SystemZone zone_;
};

// Ticks the scheduler once a second for `seconds` seconds of the clock,
// the clock moving one second before each tick after the first.
void runSeconds(Scheduler& scheduler, SimulatedClock& clock, std::int64_t seconds);

}  // namespace orvanta::shell
