// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/settings_dialog_host.h"

#include "settings/dialog_fields.h"

namespace orvanta::shell {

void SettingsDialogHost::setRealTimeClock(bool on) {
    Scheduler& scheduler = parts_.scheduler;
    scheduler.realTimeClock = on;
    if (!on) return;
    scheduler.clockTime = parts_.clock.localTime();
    scheduler.triggers.tickCountdown = 0;
}

settings::ViewMoment SettingsDialogHost::viewMoment() const {
    const ClockTime& time = parts_.scheduler.clockTime;
    return {time.year, time.month, time.day, time.hour, time.minute};
}

void SettingsDialogHost::setViewMoment(const settings::ViewMoment& moment) {
    ClockTime& time = parts_.scheduler.clockTime;
    time.year = static_cast<std::uint16_t>(moment.year);
    time.month = static_cast<std::uint16_t>(moment.month);
    time.day = static_cast<std::uint16_t>(moment.day);
    time.hour = static_cast<std::uint16_t>(moment.hour);
    time.minute = static_cast<std::uint16_t>(moment.minute);
}

void SettingsDialogHost::apply(const settings::Settings& values) {
    settings::copyCalculationGroup(values, parts_.settings);
    settings::applyCalculationParameters(parts_.settings, parts_.engine);
    parts_.scheduler.onCalculationChanged();
}

}  // namespace orvanta::shell
