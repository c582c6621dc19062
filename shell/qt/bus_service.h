// SPDX-License-Identifier: GPL-3.0-or-later
// The running program on the session bus: service org.orvanta.Orvanta,
// object /org/orvanta/Orvanta, interface org.orvanta.Orvanta1 (described in
// resources/dbus/org.orvanta.Orvanta1.xml). Status bars, widgets and home
// automation read the next time from it and silence or stop the ezan.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QObject>
#include <QStringList>
#include <cstdint>
#include <string>

#include "engine/engine.h"

namespace orvanta::shell {

inline constexpr char kBusService[] = "org.orvanta.Orvanta";
inline constexpr char kBusPath[] = "/org/orvanta/Orvanta";
inline constexpr char kBusInterface[] = "org.orvanta.Orvanta1";

// What the service reads of the program and asks of it.
class BusHost {
public:
    virtual ~BusHost() = default;
    virtual std::string placeName() const = 0;
    virtual std::string methodName() const = 0;
    // Today's times by VakitType, the moment's local minute of the day and
    // Unix seconds.
    virtual engine::VakitTimes todayTimes() const = 0;
    virtual std::int32_t nowMinute() const = 0;
    virtual std::int64_t nowUnixSeconds() const = 0;
    // The time the tip counts to and the whole minutes left to it.
    virtual engine::VakitType nextTime() const = 0;
    virtual std::int32_t minutesLeft() const = 0;
    virtual bool muted() const = 0;
    virtual void stopSound() = 0;
    virtual void toggleStrip() = 0;
    virtual void muteFor(int minutes) = 0;
};

// The object the adaptor exports; refresh() is called at each pass.
class BusService : public QObject {
    Q_OBJECT

public:
    explicit BusService(BusHost& host, QObject* parent = nullptr);
    // Claims the name and exports the object; false (with a warning) when
    // there is no session bus or the name is taken.
    bool registerOnSessionBus();
    // After a pass: TimeEntered at a time's minute, Changed when the day or
    // the settings changed, PropertiesChanged for what moved.
    void refresh();

    BusHost& host() { return host_; }
    const BusHost& host() const { return host_; }

private:
    BusHost& host_;
    engine::VakitTimes lastTimes_{};
    std::string lastPlace_, lastMethod_;
    std::int64_t lastEnteredAt_ = 0;
    QVariantMap lastProperties_;
};

// Asks the copy that runs to show or hide its strip over the bus; false
// when no copy answers there.
bool toggleStripOfRunningCopy();

class BusAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.orvanta.Orvanta1")
    Q_PROPERTY(QString Place READ place)
    Q_PROPERTY(QString Method READ method)
    Q_PROPERTY(QString NextName READ nextName)
    Q_PROPERTY(qlonglong NextAt READ nextAt)
    Q_PROPERTY(qlonglong SecondsLeft READ secondsLeft)
    Q_PROPERTY(QStringList Today READ today)
    Q_PROPERTY(bool Muted READ muted)

public:
    explicit BusAdaptor(BusService* service);

    QString place() const;
    QString method() const;
    QString nextName() const;
    qlonglong nextAt() const;
    qlonglong secondsLeft() const;
    QStringList today() const;
    bool muted() const;
    // Every property by name, for PropertiesChanged.
    QVariantMap properties() const;

public slots:
    void StopSound();
    void ToggleStrip();
    void Mute(int minutes);

signals:
    void TimeEntered(const QString& name, qlonglong at);
    void Changed();

private:
    BusService* service_;
};

}  // namespace orvanta::shell
