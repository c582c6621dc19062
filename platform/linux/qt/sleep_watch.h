// SPDX-License-Identifier: GPL-3.0-or-later
// Tells when the machine has resumed from suspend or hibernation: logind's
// PrepareForSleep(false) signal on the system bus.
#pragma once

#include <QObject>

namespace orvanta::platform {

class SleepWatch : public QObject {
    Q_OBJECT
public:
    explicit SleepWatch(QObject* parent = nullptr);
    // Whether the system bus and logind could be reached.
    bool connected() const { return connected_; }

signals:
    void resumed();

private slots:
    void onPrepareForSleep(bool goingToSleep);

private:
    bool connected_ = false;
};

}  // namespace orvanta::platform
