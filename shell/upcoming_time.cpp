// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/upcoming_time.h"

#include "shell/scheduler.h"

namespace orvanta::shell {

using engine::VakitType;

UpcomingTime upcomingTime(const engine::VakitTimes& times, std::int32_t nowMinute,
                          const settings::Settings& settings) {
    const auto minutesUntil = [&](VakitType type) {
        return engine::wrapMinutes(times[static_cast<std::size_t>(type)] - nowMinute);
    };
    UpcomingTime upcoming;
    upcoming.minutesSincePrevious = engine::wrapMinutes(nowMinute - times[static_cast<std::size_t>(VakitType::Imsak)]);
    VakitType nearest = VakitType::Imsak;
    for (int t = static_cast<int>(VakitType::Gunes); t <= static_cast<int>(VakitType::Yatsi); ++t) {
        const auto type = static_cast<VakitType>(t);
        if (minutesUntil(type) < minutesUntil(nearest)) nearest = type;
        const std::int32_t since = engine::wrapMinutes(nowMinute - times[static_cast<std::size_t>(type)]);
        if (since < upcoming.minutesSincePrevious) upcoming.minutesSincePrevious = since;
    }
    if (!settings.remainingToAnyTime && nearest != settings::ezanSlotType(2, settings.ikindiAtAsrSani)) {
        nearest = vakitRoles(nearest).nextMainTime;
    }
    upcoming.type = nearest;
    upcoming.minutesLeft = minutesUntil(nearest);
    return upcoming;
}

}  // namespace orvanta::shell
