// SPDX-License-Identifier: GPL-3.0-or-later
// The first run's welcome: two short steps, the place (a search field
// filled with the city of the computer's zone, and the places it finds)
// and the calculation ("Diyanet" chosen, Orvanta's own values one click
// away), with "Oturum açılınca başlat" and a "Dinle" button for the ezan.
// Every step is reached with the keyboard: the search field has the focus,
// Up and Down move through the places, Enter goes on, Esc cancels.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/first_run.h"

namespace Ui {
class WelcomeDialog;
}

namespace orvanta::settings {

class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    // The result of "Elle gir": the place is to be typed in the full dialog.
    static constexpr int kEnterByHand = 2;

    // `listen` plays the ezan sound.
    WelcomeDialog(std::vector<PlaceEntry> places, std::string systemZoneName, std::function<void()> listen,
                  QWidget* parent = nullptr);
    ~WelcomeDialog() override;

    // What was chosen; the place is the one selected now.
    WelcomeChoice choice() const;
    // 0: the place, 1: the calculation.
    int step() const;
    // Shows the places the query finds, the best selected.
    void search(const QString& query);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showStep(int step);
    void goOn();
    const PlaceEntry* selectedPlace() const;

    std::vector<PlaceEntry> places_;
    std::string systemZoneName_;
    std::function<void()> listen_;
    std::vector<const PlaceEntry*> shown_;
    std::unique_ptr<Ui::WelcomeDialog> ui_;
};

}  // namespace orvanta::settings
