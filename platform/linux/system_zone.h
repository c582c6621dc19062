// SPDX-License-Identifier: GPL-3.0-or-later
// The system's time zone as the C library sees it (TZ or /etc/localtime).
#pragma once

#include <ctime>

#include "settings/settings.h"

namespace orvanta::platform {

// The zone's standard offset east of UTC in minutes and whether summer
// time is in force at `when`, and the zone's database name.
settings::SystemZone systemZoneAt(std::time_t when);
settings::SystemZone currentSystemZone();
// The zone at local noon of a civil day.
settings::SystemZone systemZoneAtNoon(int year, int month, int day);

}  // namespace orvanta::platform
