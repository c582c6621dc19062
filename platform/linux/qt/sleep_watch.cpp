// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/sleep_watch.h"

#include <QDBusConnection>

namespace orvanta::platform {

SleepWatch::SleepWatch(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return;
    connected_ = bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                             QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                             SLOT(onPrepareForSleep(bool)));
}

void SleepWatch::onPrepareForSleep(bool goingToSleep) {
    if (!goingToSleep) emit resumed();
}

}  // namespace orvanta::platform
