// SPDX-License-Identifier: GPL-3.0-or-later
// The prayer time the program counts down to: the tray tip, the status-bar
// line of orvanta-cli and the session-bus API all name the same one.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "settings/settings.h"

namespace orvanta::shell {

struct UpcomingTime {
    engine::VakitType type = engine::VakitType::Imsak;
    // Whole minutes from the current minute to the time's minute, 0..1439;
    // a time already past today counts to its minute tomorrow.
    std::int32_t minutesLeft = 0;
    // Whole minutes since the latest of the ten times entered, 0..1439.
    std::int32_t minutesSincePrevious = 0;
};

// The nearest of the day's ten times from nowMinute (minutes after local
// midnight), moved on to the main time it belongs to (İşrak and İstiva to
// Öğle, İsfirar to Akşam, ...) unless "remainingToAnyTime" is on; the
// afternoon ezan's own time (İkindi or Asr-ı Sani) is always kept.
UpcomingTime upcomingTime(const engine::VakitTimes& times, std::int32_t nowMinute,
                          const settings::Settings& settings);

}  // namespace orvanta::shell
