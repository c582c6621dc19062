// SPDX-License-Identifier: GPL-3.0-or-later
// "Internet Saati": the time check as the user meets it. Interactive: a
// small strip in the middle of the screen names the server being asked
// (closing it stops the check without a box), then the result is shown
// and a drift is corrected when the user says yes. Silent (the hourly
// check, or when "Saati Otomatik Düzelt" is ticked): nothing is shown and
// a drift of up to a day is corrected at once; a larger one is logged and
// left for a check the user runs (see kLargestSilentCorrectionSeconds).
#pragma once

#include <QObject>
#include <QWidget>
#include <memory>

#include "nettime/qt/time_server_client.h"

class QLabel;

namespace orvanta::platform {
class ClockSetter;
}

namespace orvanta::nettime {

// The progress strip: a window holding the server's name; closing it asks
// to stop.
class TimeQueryStrip : public QWidget {
    Q_OBJECT
public:
    TimeQueryStrip();
    void showServer(const QString& entry);
    QString serverText() const;

signals:
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* server_;
};

class InternetTime : public QObject {
    Q_OBJECT
public:
    explicit InternetTime(platform::ClockSetter& clock, QObject* parent = nullptr);
    ~InternetTime() override;

    // One check; whether the clock was changed. A check asked for while one
    // runs is skipped (false).
    bool run(const TimeServerList& servers, bool silent);
    bool busy() const { return client_.busy(); }
    // Stops a running check without a box (shutdown).
    void cancel() { client_.cancel(); }

    // ---- for the tests ----
    TimeQueryStrip& strip() { return *strip_; }
    TimeServerClient& client() { return client_; }

private:
    bool correct(std::int64_t driftSeconds, bool silent);

    platform::ClockSetter& clock_;
    TimeServerClient client_;
    std::unique_ptr<TimeQueryStrip> strip_;
};

}  // namespace orvanta::nettime
