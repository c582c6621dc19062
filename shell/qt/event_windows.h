// SPDX-License-Identifier: GPL-3.0-or-later
// The program's event windows: the ezan box, the warning box and the
// reminder dialog. They are ordinary top-level windows kept above the
// others: the pass that opens one does not wait for it, so the day goes on
// (the tip, the strip, the wake-up, the minute's later events) while the
// window waits for the user. What follows a window's end runs when it is
// closed, by the user or by a later event window: at most one is on
// screen, each new one first closes the one before it.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>

namespace orvanta::shell {

class EventWindows {
public:
    EventWindows() = default;
    EventWindows(const EventWindows&) = delete;
    EventWindows& operator=(const EventWindows&) = delete;
    // The window on screen goes too, without what follows its end.
    ~EventWindows();

    // Closes the earlier event window, if one is open; what follows its end
    // runs now.
    void closeEarlier();
    // The window on screen, or nullptr.
    QDialog* current() const { return current_; }

    // The ezan box. While the ezan sounds it offers "Sesi Durdur" beside
    // "Tamam"; stopSound runs when that is pressed. onClosed runs when the
    // box goes, told whether the user silenced the ezan with the button.
    void showEzanBox(const QString& slotName, bool sounding, std::function<void()> stopSound,
                     std::function<void(bool silencedByUser)> onClosed);
    // The ezan ended: its box no longer offers to stop it.
    void soundEnded();
    void showWarningBox(const QString& text);
    // onButton runs when the user presses the reminder's button (it stops
    // a salâ that may still be playing).
    void showReminder(const QString& text, const QString& buttonText, std::function<void()> onButton);

private:
    void present(QDialog* window, std::function<void()> onClosed);

    QPointer<QDialog> current_;
};

// A box of the program's own ("Hata", the religious-day notice, a start-up
// notice): on top of other windows, shown without waiting for it.
void showMessageBox(const QString& title, const QString& text, bool warningIcon = true);

}  // namespace orvanta::shell
