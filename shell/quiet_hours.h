// SPDX-License-Identifier: GPL-3.0-or-later
// Quiet hours: for a while chosen from the tray ("Sessiz"), no sound plays
// (ezans, salâs, the reminder's sound) while the messages still come. The
// quiet ends by itself at its end, which the settings file keeps so that a
// restart in between stays quiet.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/clock_time.h"

namespace orvanta::shell {

enum class QuietSpan { OneHour, TwoHours, FourHours, UntilMorning };

// The hour "Yarın sabaha kadar" ends at: the first such hour after now.
inline constexpr int kQuietMorningHour = 8;

// Where a quiet chosen now ends (seconds dropped: it ends on a minute).
ClockTime quietEnd(const ClockTime& now, QuietSpan span);
// The end of quiet hours asked for a number of minutes from the current
// minute (the session bus's Mute(minutes)).
ClockTime quietEndAfterMinutes(const ClockTime& now, int minutes);
// Whether the quiet that ends at `end` still holds at `now`.
bool quietHolds(const ClockTime& end, const ClockTime& now);
// "Sessiz: 14:30'a kadar", the tip's line while it holds.
std::string quietTipLine(const ClockTime& end);
// The settings file's spelling of the end, "2014-01-01 14:30", and back;
// a value that is not one gives nothing (no quiet).
std::string formatQuietEnd(const ClockTime& end);
std::optional<ClockTime> parseQuietEnd(std::string_view text);

}  // namespace orvanta::shell
