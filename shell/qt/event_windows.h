// The program's event windows: the ezan box, the warning box and the
// reminder dialog. At most one is on screen: each new one first closes the
// one before it, whose opener then goes on (an ezan box closed this way
// stops its ezan, as if the user had closed it).
//
// Each runs modally in a nested event loop, so the one-second tick and the
// tray keep working while it waits, and a pass may run inside it.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>

namespace orvanta::shell {

class EventWindows {
public:
    // Closes the earlier event window, if one is open.
    void closeEarlier();
    // The window on screen, or nullptr.
    QDialog* current() const { return current_; }

    // Each returns when its window has been closed, by the user or by a
    // later event window.
    void showEzanBox(const QString& slotName);
    void showWarningBox(const QString& text);
    // onButton runs when the user presses the reminder's button (it stops
    // a salâ that may still be playing).
    void showReminder(const QString& text, const QString& buttonText, const std::function<void()>& onButton);

private:
    void run(QDialog* window);

    QPointer<QDialog> current_;
};

// A box of the program's own: "Hata" and the religious-day notice. It stays
// on top of other windows and waits for the user.
void showMessageBox(const QString& title, const QString& text, bool warningIcon);
// The same warning box, shown without waiting for it (start-up goes on).
void showMessageBoxWithoutWaiting(const QString& title, const QString& text);

}  // namespace orvanta::shell
