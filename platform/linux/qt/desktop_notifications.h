// SPDX-License-Identifier: GPL-3.0-or-later
// Notifications through the desktop's notification service
// (org.freedesktop.Notifications on the session bus). Each names the
// program's desktop entry and icon; a notice with a button has it where the
// service offers actions.
#pragma once

#include <QObject>
#include <QString>

#include "platform/notifier.h"

namespace orvanta::platform {

class DesktopNotifications : public QObject, public Notifier {
    Q_OBJECT
public:
    // The program's desktop entry (without ".desktop"), also its icon's
    // name in the icon theme.
    explicit DesktopNotifications(QString desktopEntry = QStringLiteral("org.orvanta.Orvanta"));

    bool notify(const std::string& title, const std::string& text, NoticeKind kind, int timeoutMs) override;
    bool notifyWithAction(const std::string& title, const std::string& text, NoticeKind kind, int timeoutMs,
                          NoticeAction action) override;
    void withdrawAction() override;

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& key);
    void onClosed(uint id, uint reason);

private:
    bool send(const std::string& title, const std::string& text, NoticeKind kind, int timeoutMs, const QString& actionLabel,
              uint replacesId);
    bool serverShowsActions();

    struct Notice {
        std::string title;
        std::string text;
        NoticeKind kind = NoticeKind::Information;
        int timeoutMs = 0;
    };

    QString desktopEntry_;
    Notice withAction_;        // the notice shown with a button
    uint actionNoticeId_ = 0;  // its id while it is on screen
    std::function<void()> chosen_;
    bool listening_ = false;
};

}  // namespace orvanta::platform
