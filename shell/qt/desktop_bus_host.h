// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop shell as the session-bus service sees it.
#pragma once

#include "shell/qt/bus_service.h"

namespace orvanta::shell {

class DesktopProgram;

class DesktopBusHost : public BusHost {
public:
    explicit DesktopBusHost(DesktopProgram& shell) : shell_(shell) {}

    std::string placeName() const override;
    std::string methodName() const override;
    engine::VakitTimes todayTimes() const override;
    std::int32_t nowMinute() const override;
    std::int64_t nowUnixSeconds() const override;
    engine::VakitType nextTime() const override;
    std::int32_t minutesLeft() const override;
    bool muted() const override;
    void stopSound() override;
    void toggleStrip() override;
    void muteFor(int minutes) override;

private:
    DesktopProgram& shell_;
};

}  // namespace orvanta::shell
