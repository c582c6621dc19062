// SPDX-License-Identifier: GPL-3.0-or-later
// What the two settings dialogs reach of the running program: the moment
// the views follow (the scheduler's clock), the engine, the place list and
// the files, the silent clock correction.
#pragma once

#include <QUrl>
#include <filesystem>
#include <functional>
#include <optional>

#include "engine/engine.h"
#include "settings/qt/calculation_dialog.h"
#include "settings/qt/options_dialog.h"
#include "shell/scheduler.h"

namespace orvanta::shell {

class SettingsDialogHost : public settings::CalculationHost, public settings::OptionsHost {
public:
    struct Parts {
        Scheduler& scheduler;
        settings::Settings& settings;
        engine::Engine& engine;
        SchedulerClock& clock;
        std::function<void(const std::filesystem::path&)> openFile;
        std::function<void()> correctClockSilently;
        // A companion file of the program (program folder, then data folders).
        std::function<std::optional<std::filesystem::path>(const std::filesystem::path&)> findFile;
        std::filesystem::path programFolder;
        QUrl downloadBase;
    };
    explicit SettingsDialogHost(Parts parts) : parts_(std::move(parts)) {}

    // ---- CalculationHost ----
    bool realTimeClock() const override { return parts_.scheduler.realTimeClock; }
    void setRealTimeClock(bool on) override;
    settings::ViewMoment viewMoment() const override;
    void setViewMoment(const settings::ViewMoment& moment) override;
    void recomputeAfterTicks(int ticks) override { parts_.scheduler.triggers.tickCountdown = ticks; }
    void apply(const settings::Settings& values) override;
    void openFile(const std::filesystem::path& file) override { parts_.openFile(file); }
    platform::SystemZone systemZone() const override { return parts_.clock.systemZone(); }

    // ---- OptionsHost ----
    void correctClockSilently() override { parts_.correctClockSilently(); }
    bool salaFilePresent() override { return parts_.findFile(settings::kSalaFileName).has_value(); }
    std::filesystem::path salaDownloadTarget() override { return parts_.programFolder / settings::kSalaFileName; }
    QUrl salaDownloadAddress() override { return parts_.downloadBase; }

private:
    Parts parts_;
};

}  // namespace orvanta::shell
