// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/timedated_clock.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace orvanta::platform {

namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1'000'000;
// A password dialog may take the user a while; without one the answer is quick.
constexpr int kAskingTimeoutMs = 120'000;
constexpr int kQuietTimeoutMs = 10'000;

struct TimedatedOutcome {
    bool reached = false;  // the service answered (yes or no)
    ClockSetResult result;
};

TimedatedOutcome setThroughTimedated(std::int64_t seconds, bool mayAskUser) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return {};
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    call << static_cast<qlonglong>(seconds * kMicrosecondsPerSecond) << true << mayAskUser;
    call.setInteractiveAuthorizationAllowed(mayAskUser);
    // The answer is waited for in an event loop: the program goes on while
    // polkit asks for the password.
    QDBusPendingCallWatcher watcher(bus.asyncCall(call, mayAskUser ? kAskingTimeoutMs : kQuietTimeoutMs));
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    if (!watcher.isFinished()) loop.exec();
    const QDBusError error = watcher.error();
    if (!error.isValid()) return {true, {true, {}}};
    const QString name = error.name();
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
        return {};
    }
    if (name == QLatin1String("org.freedesktop.timedate1.AutomaticTimeSyncEnabled")) {
        return {true, {false, "Otomatik saat eşitlemesi (NTP) açık: saati sistem ayarlıyor."}};
    }
    if (name.contains(QLatin1String("AccessDenied")) || name.contains(QLatin1String("NotAuthorized")) ||
        name.contains(QLatin1String("InteractiveAuthorizationRequired"))) {
        return {true, {false, "Saati ayarlama izni verilmedi."}};
    }
    return {true, {false, "Sistem saati hizmeti: " + error.message().toStdString()}};
}

ClockSetResult setWithClockSettime(std::int64_t seconds) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    now.tv_sec += static_cast<time_t>(seconds);
    if (clock_settime(CLOCK_REALTIME, &now) == 0) return {true, {}};
    if (errno == EPERM) return {false, "Saati ayarlama yetkiniz yok."};
    return {false, std::strerror(errno)};
}

}  // namespace

ClockSetResult TimedatedClock::shiftBy(std::int64_t seconds, bool mayAskUser) {
    const TimedatedOutcome outcome = setThroughTimedated(seconds, mayAskUser);
    return outcome.reached ? outcome.result : setWithClockSettime(seconds);
}

}  // namespace orvanta::platform
