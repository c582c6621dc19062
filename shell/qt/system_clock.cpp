#include "shell/qt/system_clock.h"

#include <QDateTime>

#include "platform/linux/system_zone.h"

namespace orvanta::shell {

ClockTime SystemClock::localTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    ClockTime clock;
    clock.year = static_cast<std::uint16_t>(date.year());
    clock.month = static_cast<std::uint16_t>(date.month());
    clock.dayOfWeek = static_cast<std::uint16_t>(date.dayOfWeek() % 7);  // Qt: 7 = Sunday; here 0
    clock.day = static_cast<std::uint16_t>(date.day());
    clock.hour = static_cast<std::uint16_t>(time.hour());
    clock.minute = static_cast<std::uint16_t>(time.minute());
    clock.second = static_cast<std::uint16_t>(time.second());
    clock.milliseconds = static_cast<std::uint16_t>(time.msec());
    return clock;
}

settings::SystemZone SystemClock::systemZone() { return platform::currentSystemZone(); }

}  // namespace orvanta::shell
