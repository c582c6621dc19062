// SPDX-License-Identifier: GPL-3.0-or-later
// A record of everything a scheduler asked of the world, minute by minute:
// what orvanta-cli prints for a day and what tests compare.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/scheduler.h"

namespace orvanta::shell {

struct LoggedEffect {
    std::int32_t minute = 0;  // minute of the day when it was asked for
    std::string kind;         // "ezan", "sala", "reminder", "warning", "notice", "tip", "wake", ...
    std::string detail;       // slot or prayer name, file, text, instant, or command name
};

class EventLog : public SchedulerEffects {
public:
    // minuteNow tells the minute of the day to file each effect under.
    explicit EventLog(std::function<std::int32_t()> minuteNow) : minuteNow_(std::move(minuteNow)) {}

    void announce(const SchedulerEvent& event) override;
    WakeResult setWake(std::optional<LocalTicks> when) override;

    // The slot names follow this flag (İKİNDİ or ASR-I SANİ).
    bool ikindiAtAsrSani = false;
    // What setWake answers when asked to arm.
    WakeResult wakeResult = WakeResult::Armed;

    const std::vector<LoggedEffect>& effects() const { return effects_; }
    // The sounds and messages ("ezan", "sala", "reminder", "warning",
    // "notice") as "HH:MM kind detail" lines, in firing order.
    std::vector<std::string> eventLines() const;
    void clear() { effects_.clear(); }

private:
    void add(std::string kind, std::string detail);

    std::function<std::int32_t()> minuteNow_;
    std::vector<LoggedEffect> effects_;
};

}  // namespace orvanta::shell
