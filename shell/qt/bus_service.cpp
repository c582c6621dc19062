// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/bus_service.h"
#include "common/qt/utf8_text.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLoggingCategory>

#include <fmt/format.h>

namespace orvanta::shell {

namespace {

Q_LOGGING_CATEGORY(busLog, "orvanta.bus", QtInfoMsg)

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr char kPropertiesInterface[] = "org.freedesktop.DBus.Properties";

using common::qs;
QString nameOf(engine::VakitType type) { return qs(engine::vakitNames[static_cast<std::size_t>(type)]); }

// The Unix second at which the current minute began.
std::int64_t minuteStart(const BusHost& host) {
    const std::int64_t now = host.nowUnixSeconds();
    return now - now % kSecondsPerMinute;
}

}  // namespace

BusService::BusService(BusHost& host, QObject* parent) : QObject(parent), host_(host) { new BusAdaptor(this); }

bool BusService::registerOnSessionBus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCWarning(busLog, "no session bus: the D-Bus interface is not offered");
        return false;
    }
    if (!bus.registerObject(QString::fromLatin1(kBusPath), this) ||
        !bus.registerService(QString::fromLatin1(kBusService))) {
        qCWarning(busLog, "%s is taken: the D-Bus interface is not offered", kBusService);
        return false;
    }
    return true;
}

void BusService::refresh() {
    auto* adaptor = findChild<BusAdaptor*>();
    const engine::VakitTimes times = host_.todayTimes();
    const std::int32_t nowMinute = host_.nowMinute();
    const std::int64_t startOfMinute = minuteStart(host_);
    if (startOfMinute != lastEnteredAt_) {
        for (int t = static_cast<int>(engine::VakitType::Imsak); t <= static_cast<int>(engine::VakitType::Yatsi); ++t) {
            if (times[static_cast<std::size_t>(t)] != nowMinute) continue;
            lastEnteredAt_ = startOfMinute;
            emit adaptor->TimeEntered(nameOf(static_cast<engine::VakitType>(t)), startOfMinute);
        }
    }
    const std::string place = host_.placeName();
    const std::string method = host_.methodName();
    const bool changed = times != lastTimes_ || place != lastPlace_ || method != lastMethod_;
    const bool first = lastPlace_.empty() && lastMethod_.empty();
    lastTimes_ = times;
    lastPlace_ = place;
    lastMethod_ = method;
    if (changed && !first) emit adaptor->Changed();

    const QVariantMap properties = adaptor->properties();
    QVariantMap moved;
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        if (lastProperties_.value(it.key()) != it.value()) moved.insert(it.key(), it.value());
    }
    lastProperties_ = properties;
    if (moved.isEmpty()) return;
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(kBusPath), QString::fromLatin1(kPropertiesInterface),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(kBusInterface) << moved << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

bool toggleStripOfRunningCopy() {
    constexpr int kAnswerWithinMs = 2000;
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kBusService), QString::fromLatin1(kBusPath), QString::fromLatin1(kBusInterface),
        QStringLiteral("ToggleStrip"));
    return QDBusConnection::sessionBus().call(call, QDBus::Block, kAnswerWithinMs).type() == QDBusMessage::ReplyMessage;
}

BusAdaptor::BusAdaptor(BusService* service) : QDBusAbstractAdaptor(service), service_(service) {
    setAutoRelaySignals(false);
}

QString BusAdaptor::place() const { return qs(service_->host().placeName()); }
QString BusAdaptor::method() const { return qs(service_->host().methodName()); }
QString BusAdaptor::nextName() const { return nameOf(service_->host().nextTime()); }
qlonglong BusAdaptor::nextAt() const {
    return minuteStart(service_->host()) + service_->host().minutesLeft() * kSecondsPerMinute;
}
qlonglong BusAdaptor::secondsLeft() const { return nextAt() - service_->host().nowUnixSeconds(); }
bool BusAdaptor::muted() const { return service_->host().muted(); }

QStringList BusAdaptor::today() const {
    const engine::VakitTimes times = service_->host().todayTimes();
    QStringList list;
    for (int t = static_cast<int>(engine::VakitType::Imsak); t <= static_cast<int>(engine::VakitType::Yatsi); ++t) {
        const std::uint16_t minutes = times[static_cast<std::size_t>(t)];
        list << qs(fmt::format("{:02}:{:02}", minutes / 60, minutes % 60));
    }
    return list;
}

QVariantMap BusAdaptor::properties() const {
    return {{QStringLiteral("Place"), place()},          {QStringLiteral("Method"), method()},
            {QStringLiteral("NextName"), nextName()},    {QStringLiteral("NextAt"), nextAt()},
            {QStringLiteral("SecondsLeft"), secondsLeft()}, {QStringLiteral("Today"), today()},
            {QStringLiteral("Muted"), muted()}};
}

void BusAdaptor::StopSound() { service_->host().stopSound(); }
void BusAdaptor::ToggleStrip() { service_->host().toggleStrip(); }
void BusAdaptor::Mute(int minutes) {
    service_->host().muteFor(std::max(minutes, 0));
    service_->refresh();
}

}  // namespace orvanta::shell
