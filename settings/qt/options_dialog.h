// SPDX-License-Identifier: GPL-3.0-or-later
// "Seçenekler": the morning ezan, the Friday and sahur salâs,
// the reminder, the salâ before a time ends, Asr-ı Sani, what the tray
// counts down to, the clock correction and the start with the session.
//
// Like "Hesap Parametreleri" it writes straight into the Settings it is
// given (a copy); "Kaydet" checks the four minute fields, offers the salâ
// sound when a chosen salâ needs it and it is missing, and ends accepted
// (the caller takes the group over and saves it); "İptal" and Esc end
// rejected (the caller drops the copy).
#pragma once

#include <QDialog>
#include <QUrl>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "settings/dialog_fields.h"
#include "settings/settings.h"

class QCheckBox;
class QLineEdit;

namespace Ui {
class OptionsDialog;
}

namespace orvanta::settings {

class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    // "Saati Otomatik Düzelt" ticked on: one silent clock correction now.
    virtual void correctClockSilently() = 0;
    // The salâ sound is where the program looks for its sounds.
    virtual bool salaFilePresent() = 0;
    // Where a downloaded salâ sound is written.
    virtual std::filesystem::path salaDownloadTarget() = 0;
    // Where it is fetched from; empty when this build has no address.
    virtual QUrl salaDownloadAddress() = 0;
};

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(Settings& settings, OptionsHost& host, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // How long the download may go without data (30 s).
    void setDownloadStallTimeoutMs(int milliseconds) { stallTimeoutMs_ = milliseconds; }

private:
    void fill();
    void save();
    void offerSalaFile();
    void showSabahChoice();
    // Each check box and the flag it mirrors.
    std::vector<std::pair<QCheckBox*, bool Settings::*>> flagBoxes() const;
    QLineEdit* edit(Field field) const;

    Settings& settings_;
    OptionsHost& host_;
    std::unique_ptr<Ui::OptionsDialog> ui_;
    int stallTimeoutMs_ = 30000;
};

}  // namespace orvanta::settings
