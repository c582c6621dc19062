// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/clock_change_watch.h"

#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace orvanta::platform {

ClockChangeWatch::ClockChangeWatch() {
    fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ >= 0) arm();
}

ClockChangeWatch::~ClockChangeWatch() {
    if (fd_ >= 0) ::close(fd_);
}

void ClockChangeWatch::arm() {
    // An absolute expiry that never comes (the year 2^62 s away) keeps the
    // timer armed, which is what CANCEL_ON_SET needs.
    itimerspec never{};
    never.it_value.tv_sec = static_cast<time_t>(INT64_C(1) << 62);
    timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr);
}

bool ClockChangeWatch::clockWasSet() {
    if (fd_ < 0) return false;
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(fd_, &expirations, sizeof expirations);
    const bool set = got < 0 && errno == ECANCELED;
    arm();
    return set;
}

}  // namespace orvanta::platform
