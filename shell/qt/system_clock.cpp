// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/system_clock.h"

#include <QDateTime>

#include "platform/linux/system_zone.h"

namespace orvanta::shell {

ClockTime SystemClock::localTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    ClockTime clock = clockTimeAt(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
    clock.milliseconds = static_cast<std::uint16_t>(time.msec());
    return clock;
}

platform::SystemZone SystemClock::systemZone() { return platform::currentSystemZone(); }

}  // namespace orvanta::shell
