// SPDX-License-Identifier: GPL-3.0-or-later
// The program's place on the desktop: the tray icon with its menu and tip,
// and the time strip that shows the same tip (and stands in for the icon
// where the desktop has no notification area). A single click on the icon
// shows or hides the strip, a middle click asks for silence, a double
// click does nothing.
//
// The tray always answers: no window of the program is modal to the whole
// application. A dialog that would be (a file dialog, a box some part
// opens and waits for) is made modal to its own parent window alone, so
// the tray menu and the strip stay usable while it is open.
#pragma once

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include "shell/qt/time_strip.h"
#include "shell/qt/tray_menu.h"

namespace orvanta::platform {
class Notifier;
}

namespace orvanta::shell {

class TrayAndStrip : public QObject {
    Q_OBJECT
public:
    explicit TrayAndStrip(QObject* parent = nullptr);

    // The icon on the tray and the strip, the menu on the tray.
    void setIcon(const QIcon& icon);
    // Shows the icon; without a notification area the strip stands in, the
    // user is told once, and the icon comes when a panel starts later.
    void show(platform::Notifier& notifier);
    void hide();
    void setTip(const QString& text);
    // The tray's own balloon, where the desktop has no notification
    // service; false when there is no icon to show it from.
    bool showBalloon(const QString& title, const QString& text, QSystemTrayIcon::MessageIcon icon, int timeoutMs);
    // The screen that holds the icon.
    QScreen* screen() const;

    TrayMenu& menu() { return menu_; }
    TimeStrip& strip() { return strip_; }
    QSystemTrayIcon& trayIcon() { return tray_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void commandChosen(orvanta::shell::Command command);
    void middleClicked();

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void announceMissingTray(platform::Notifier& notifier);

    TrayMenu menu_;
    TimeStrip strip_;
    QSystemTrayIcon tray_;
    QTimer singleClickTimer_;
    QTimer trayRecheckTimer_;
};

}  // namespace orvanta::shell
