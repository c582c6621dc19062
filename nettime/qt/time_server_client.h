// SPDX-License-Identifier: GPL-3.0-or-later
// Asking the time servers over UDP, one after another, until one answers.
//
// Each server gets a socket of its own on an ephemeral local port (port 37
// itself needs root), so a late answer
// of one server reaches a closed socket and is never taken for the next
// server's. Every wait (a name lookup, an answer) runs a nested event
// loop: the tray, the time strip and the scheduler's tick go on.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>

#include "nettime/time_check.h"

class QEventLoop;

namespace orvanta::nettime {

struct ServerAnswer {
    TimeServer server;
    QString address;                  // the server's IPv4 address, dotted
    std::int64_t serverSeconds = 0;   // the server's time, seconds since 1970 UTC
    std::int64_t pcSeconds = 0;       // the PC's time when the answer came, same scale
};

class TimeServerClient : public QObject {
    Q_OBJECT
public:
    explicit TimeServerClient(QObject* parent = nullptr);

    // The first server that answers with a plausible time, or nothing (no
    // server answered, or cancel() was called).
    std::optional<ServerAnswer> ask(const TimeServerList& list);
    // Ends a running ask() without an answer.
    void cancel();
    bool busy() const { return busy_; }
    bool cancelled() const { return cancelled_; }

signals:
    // The server about to be asked (the entry as written).
    void asking(const QString& entry);

private:
    std::optional<QString> resolve(const QString& host);
    std::optional<ServerAnswer> askOne(const TimeServer& server, int timeoutMs);
    void wait(QEventLoop& loop);

    QEventLoop* waiting_ = nullptr;
    bool busy_ = false;
    bool cancelled_ = false;
};

}  // namespace orvanta::nettime
