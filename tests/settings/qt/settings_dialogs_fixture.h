// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialogs' test host, which records what a dialog asks of the
// program, and the helpers that find and drive a dialog's controls by name.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QUrl>
#include <filesystem>

#include "settings/qt/calculation_dialog.h"
#include "settings/qt/options_dialog.h"

namespace orvanta::settings {

struct RecordingHost : CalculationHost, OptionsHost {
    bool realTimeClock() const override { return realTime; }
    void setRealTimeClock(bool on) override { realTime = on; }
    ViewMoment viewMoment() const override { return moment; }
    void setViewMoment(const ViewMoment& m) override { moment = m; }
    void recomputeAfterTicks(int ticks) override { recomputeTicks = ticks; }
    void apply(const Settings&) override { ++applied; }
    void openFile(const std::filesystem::path& file) override { opened = file; }
    void correctClockSilently() override { ++corrections; }
    bool salaFilePresent() override { return std::filesystem::exists(target); }
    std::filesystem::path salaDownloadTarget() override { return target; }
    QUrl salaDownloadAddress() override { return address; }
    platform::SystemZone systemZone() const override { return zone; }

    bool realTime = true;
    platform::SystemZone zone;
    ViewMoment moment{2014, 1, 1, 12, 0};
    int recomputeTicks = -1;
    int applied = 0;
    int corrections = 0;
    std::filesystem::path opened;
    std::filesystem::path target;
    QUrl address;
};

inline QWidget* control(const QWidget* dialog, const char* name) { return dialog->findChild<QWidget*>(QLatin1String(name)); }
inline QLineEdit* edit(const QWidget* dialog, const char* name) { return static_cast<QLineEdit*>(control(dialog, name)); }
inline void click(const QWidget* dialog, const char* name) { static_cast<QAbstractButton*>(control(dialog, name))->click(); }

}  // namespace orvanta::settings
