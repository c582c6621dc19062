// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/desktop_bus_host.h"

#include <QDateTime>

#include "reports/imsakiye.h"
#include "shell/qt/desktop_program.h"
#include "shell/upcoming_time.h"

namespace orvanta::shell {

std::string DesktopBusHost::placeName() const {
    return shell_.settings().placeName + " / " + shell_.settings().countryName;
}
std::string DesktopBusHost::methodName() const { return reports::methodDescription(shell_.settings()); }
engine::VakitTimes DesktopBusHost::todayTimes() const { return shell_.scheduler().todayTimes; }
std::int32_t DesktopBusHost::nowMinute() const { return QTime::currentTime().msecsSinceStartOfDay() / 60000; }
std::int64_t DesktopBusHost::nowUnixSeconds() const { return QDateTime::currentSecsSinceEpoch(); }
engine::VakitType DesktopBusHost::nextTime() const {
    return upcomingTime(todayTimes(), nowMinute(), shell_.settings()).type;
}
std::int32_t DesktopBusHost::minutesLeft() const {
    return upcomingTime(todayTimes(), nowMinute(), shell_.settings()).minutesLeft;
}
bool DesktopBusHost::muted() const { return shell_.quiet(); }
void DesktopBusHost::stopSound() { shell_.stopSound(); }
void DesktopBusHost::toggleStrip() { shell_.toggleTimeStrip(); }
void DesktopBusHost::muteFor(int minutes) { shell_.quietForMinutes(minutes); }

}  // namespace orvanta::shell
