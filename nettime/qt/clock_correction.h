// SPDX-License-Identifier: GPL-3.0-or-later
// Correcting the PC clock by the drift a time server showed.
#pragma once

#include <cstdint>

#include "platform/clock_setter.h"

namespace orvanta::nettime {

// Sets the clock back by the drift (the PC's lead on the server) at the
// next second boundary, waiting without freezing the program.
platform::ClockSetResult correctClockBy(platform::ClockSetter& clock, std::int64_t driftSeconds, bool mayAskUser);

}  // namespace orvanta::nettime
