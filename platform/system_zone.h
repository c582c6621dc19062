// SPDX-License-Identifier: GPL-3.0-or-later
// The operating system's time zone as the program reads it.
#pragma once

#include <cstdint>
#include <string>

namespace orvanta::platform {

// The operating system's zone: its name in the zone database when it is
// known, and its standard offset and whether summer time is in force now.
struct SystemZone {
    std::int32_t standardOffsetMinutes = 0;
    bool daylightInForce = false;
    std::string ianaName;  // "Europe/Berlin"; empty when the system does not say
    bool operator==(const SystemZone&) const = default;
};

}  // namespace orvanta::platform
