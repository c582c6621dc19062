// SPDX-License-Identifier: GPL-3.0-or-later
// "Hesap Parametreleri": place, zone, the ten temkins, the two
// angles, the mode, and the date and time the views are computed for.
//
// The dialog writes straight into the Settings it is given (the caller
// gives it a copy of the program's): a click on a check box, a default
// button or a field that passes the check changes the value at once.
// "Kaydet" ends it accepted (the caller takes the group over and saves it),
// "İptal" and Esc rejected (the caller drops the copy), "Uygula" hands the
// values to the program through the host and stays open.
#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>

#include "settings/dialog_fields.h"
#include "settings/settings.h"

class QLineEdit;

namespace Ui {
class CalculationDialog;
}

namespace orvanta::settings {

// What the dialog asks of the program around it: the moment the views
// follow, the engine, the place list file.
class CalculationHost {
public:
    virtual ~CalculationHost() = default;
    // "Gerçek Zaman": the views follow the clock.
    virtual bool realTimeClock() const = 0;
    // Switched on: the moment becomes the local time now and a pass runs
    // at the next tick. Switched off: the views stay at the moment.
    virtual void setRealTimeClock(bool on) = 0;
    virtual ViewMoment viewMoment() const = 0;
    // A moment set in the dialog (its seconds are left as they are).
    virtual void setViewMoment(const ViewMoment& moment) = 0;
    // The views are computed again after this many one-second ticks.
    virtual void recomputeAfterTicks(int ticks) = 0;
    // "Uygula": the dialog's values become the program's (the engine and
    // the views follow); a pass at the next tick.
    virtual void apply(const Settings& values) = 0;
    // Hands a file to the desktop's program for it.
    virtual void openFile(const std::filesystem::path& file) = 0;
    // The computer's zone, which the place's zone is compared with.
    virtual platform::SystemZone systemZone() const { return {}; }
};

class CalculationDialog : public QDialog {
    Q_OBJECT
public:
    CalculationDialog(Settings& settings, CalculationHost& host, std::filesystem::path placeFile,
                      QWidget* parent = nullptr);
    ~CalculationDialog() override;

    // Every field from the settings and the host, enabled as they say.
    void fill();

protected:
    // The wheel in "Sıra No." moves through the place list, in the date
    // field through the days.
    void wheelEvent(QWheelEvent* event) override;

private:
    // The check of "Kaydet" and "Uygula"; false after the failure signal.
    bool check(QWidget* button);
    void fillTemkins();
    void enableTemkins();
    void fillPlace();
    void fillZoneNote();
    void fillAngles();
    void fillMoment();
    void placeRowLoaded();
    void choosePlace();
    void toggleRealTimeClock();
    QLineEdit* edit(Field field) const;
    void setText(Field field, const std::string& text);

    Settings& settings_;
    CalculationHost& host_;
    std::filesystem::path placeFile_;
    std::unique_ptr<Ui::CalculationDialog> ui_;
};

}  // namespace orvanta::settings
