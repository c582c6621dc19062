// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/event_log.h"

#include <cstdio>
#include <fmt/format.h>

namespace orvanta::shell {

void EventLog::add(std::string kind, std::string detail) {
    effects_.push_back(LoggedEffect{minuteNow_(), std::move(kind), std::move(detail)});
}

void EventLog::announceEzan(int slot) { add("ezan", std::string(settings::ezanSlotName(slot, ikindiAtAsrSani))); }

void EventLog::showReminder(engine::VakitType prayer) {
    add("reminder", std::string(engine::vakitNames[static_cast<std::size_t>(prayer)]));
}

WakeResult EventLog::armWake(LocalTicks when) {
    add("wake", formatClockTime(fromLocalTicks(when)));
    return wakeResult;
}

void EventLog::setMenuEntryEnabled(int command, bool enabled) {
    add(enabled ? "enable" : "grey", std::to_string(command));
}

std::vector<std::string> EventLog::eventLines() const {
    std::vector<std::string> lines;
    for (const LoggedEffect& effect : effects_) {
        const bool event = effect.kind == "ezan" || effect.kind == "sala" || effect.kind == "reminder" ||
                           effect.kind == "warning" || effect.kind == "notice";
        if (!event) continue;
        lines.push_back(
            fmt::format("{:02}:{:02} {} {}", effect.minute / 60 % 24, effect.minute % 60, effect.kind, effect.detail));
    }
    return lines;
}

}  // namespace orvanta::shell
