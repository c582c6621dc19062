// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/event_log.h"

#include <cstdio>
#include <fmt/format.h>

namespace orvanta::shell {

void EventLog::add(std::string kind, std::string detail) {
    effects_.push_back(LoggedEffect{minuteNow_(), std::move(kind), std::move(detail)});
}

void EventLog::announce(const SchedulerEvent& event) {
    std::visit(EventHandlers{
                   [this](const event::Sound& sound) { add("sala", std::string(sound.file)); },
                   [this](const event::Ezan& ezan) {
                       add("ezan", std::string(settings::ezanSlotName(ezan.slot, ikindiAtAsrSani)));
                   },
                   [this](const event::Warning& warning) { add("warning", std::string(warning.text)); },
                   [this](const event::Reminder& reminder) {
                       add("reminder", std::string(engine::vakitNames[static_cast<std::size_t>(reminder.prayer)]));
                   },
                   [this](const event::ReligiousDayNotice& notice) { add("notice", std::string(notice.text)); },
                   [this](const event::Tip& tip) { add("tip", std::string(tip.text)); },
                   [this](const event::MenuEntryEnabled& entry) {
                       add(entry.enabled ? "enable" : "grey", std::string(commandName(entry.command)));
                   },
                   [this](const event::TimeCheckDue&) { add("time-check", ""); },
                   [this](const event::WallpaperDue&) { add("wallpaper", ""); },
                   [](const event::ViewsDue&) {},
               },
               event);
}

WakeResult EventLog::setWake(std::optional<LocalTicks> when) {
    if (!when) {
        add("cancel-wake", "");
        return WakeResult::Armed;
    }
    add("wake", formatClockTime(fromLocalTicks(*when)));
    return wakeResult;
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
