// SPDX-License-Identifier: GPL-3.0-or-later
// Setting the system clock: the time check corrects the PC clock by the
// drift it found.
#pragma once

#include <cstdint>
#include <string>

namespace orvanta::platform {

struct ClockSetResult {
    bool set = false;
    std::string reason;  // why not, in Turkish, for the user
};

class ClockSetter {
public:
    virtual ~ClockSetter() = default;
    // Moves the system clock by `seconds` (negative: back) from now.
    // mayAskUser: the system may ask the user for a password (interactive
    // use); never in the silent hourly check.
    virtual ClockSetResult shiftBy(std::int64_t seconds, bool mayAskUser) = 0;
};

}  // namespace orvanta::platform
