// SPDX-License-Identifier: GPL-3.0-or-later
#include "nettime/qt/clock_correction.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

namespace orvanta::nettime {

namespace {

// The drift is applied at a second boundary, so the sub-second part of the
// clock is kept as the server's whole seconds were read. The wait runs the
// event loop instead of spinning.
void waitForNextSecond() {
    const qint64 second = QDateTime::currentSecsSinceEpoch();
    while (QDateTime::currentSecsSinceEpoch() == second) {
        QEventLoop wait;
        QTimer::singleShot(static_cast<int>(1000 - QDateTime::currentMSecsSinceEpoch() % 1000), Qt::PreciseTimer, &wait,
                           &QEventLoop::quit);
        wait.exec();
    }
}

}  // namespace

platform::ClockSetResult correctClockBy(platform::ClockSetter& clock, std::int64_t driftSeconds, bool mayAskUser) {
    waitForNextSecond();
    return clock.shiftBy(-driftSeconds, mayAskUser);
}

}  // namespace orvanta::nettime
