// SPDX-License-Identifier: GPL-3.0-or-later
// The system's time zone as the C library sees it (TZ or /etc/localtime).
#pragma once

#include <ctime>

#include "platform/system_zone.h"

namespace orvanta::platform {

// The zone's standard offset east of UTC in minutes and whether summer
// time is in force at `when`, and the zone's database name.
platform::SystemZone systemZoneAt(std::time_t when);
platform::SystemZone currentSystemZone();
// The zone at local noon of a civil day.
platform::SystemZone systemZoneAtNoon(int year, int month, int day);

}  // namespace orvanta::platform
