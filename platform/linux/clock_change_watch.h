// SPDX-License-Identifier: GPL-3.0-or-later
// Notices when the system clock is set (by the user, NTP stepping it, or
// this program): a timerfd armed far in the future with
// TFD_TIMER_CANCEL_ON_SET becomes readable, with ECANCELED, whenever
// CLOCK_REALTIME jumps.
#pragma once

namespace orvanta::platform {

class ClockChangeWatch {
public:
    ClockChangeWatch();
    ~ClockChangeWatch();
    ClockChangeWatch(const ClockChangeWatch&) = delete;
    ClockChangeWatch& operator=(const ClockChangeWatch&) = delete;

    // The descriptor to watch for reading; -1 when the kernel has none.
    int descriptor() const { return fd_; }
    // Call when the descriptor is readable: true when the clock was set.
    // The watch is armed again for the next change.
    bool clockWasSet();

private:
    void arm();
    int fd_ = -1;
};

}  // namespace orvanta::platform
