// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/desktop_notifications.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QVariantMap>

namespace orvanta::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kActionKey = QStringLiteral("orvanta-action");

// Icon names every freedesktop icon theme has.
QString iconName(NoticeKind kind) {
    switch (kind) {
        case NoticeKind::Warning: return QStringLiteral("dialog-warning");
        case NoticeKind::Error: return QStringLiteral("dialog-error");
        case NoticeKind::Information: break;
    }
    return QStringLiteral("dialog-information");
}

}  // namespace

DesktopNotifications::DesktopNotifications(QString desktopEntry) : desktopEntry_(std::move(desktopEntry)) {}

bool DesktopNotifications::notify(const std::string& title, const std::string& text, NoticeKind kind, int timeoutMs) {
    return send(title, text, kind, timeoutMs, QString(), 0);
}

bool DesktopNotifications::notifyWithAction(const std::string& title, const std::string& text, NoticeKind kind,
                                            int timeoutMs, NoticeAction action) {
    if (!serverShowsActions()) return notify(title, text, kind, timeoutMs);
    chosen_ = std::move(action.chosen);
    withAction_ = Notice{title, text, kind, timeoutMs};
    return send(title, text, kind, timeoutMs, QString::fromStdString(action.label), actionNoticeId_);
}

bool DesktopNotifications::serverShowsActions() {
    QDBusInterface service(kService, kPath, kService, QDBusConnection::sessionBus());
    if (!service.isValid()) return false;
    const QDBusReply<QStringList> capabilities = service.call(QStringLiteral("GetCapabilities"));
    return capabilities.isValid() && capabilities.value().contains(QStringLiteral("actions"));
}

// A notice with a label replaces the earlier notice with one (its id), so
// one button at most stands for the sound playing; withdrawing the button
// replaces it with the same notice without one.
bool DesktopNotifications::send(const std::string& title, const std::string& text, NoticeKind kind, int timeoutMs,
                                const QString& actionLabel, uint replacesId) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusInterface service(kService, kPath, kService, bus);
    if (!service.isValid()) return false;
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue<uchar>(kind == NoticeKind::Information ? 1 : 2)},
        {QStringLiteral("desktop-entry"), desktopEntry_},
        {QStringLiteral("image-path"), iconName(kind)},
    };
    const bool withAction = !actionLabel.isEmpty();
    const QStringList actions = withAction ? QStringList{kActionKey, actionLabel} : QStringList();
    const QDBusReply<uint> reply =
        service.call(QStringLiteral("Notify"), QStringLiteral("Orvanta"), replacesId,
                     desktopEntry_, QString::fromStdString(title), QString::fromStdString(text), actions, hints,
                     timeoutMs);
    if (!reply.isValid()) return false;
    if (withAction) {
        actionNoticeId_ = reply.value();
        if (!listening_) {
            listening_ = bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                                     SLOT(onActionInvoked(uint, QString))) &&
                         bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                                     SLOT(onClosed(uint, uint)));
        }
    }
    return true;
}

void DesktopNotifications::withdrawAction() {
    chosen_ = nullptr;
    if (actionNoticeId_ == 0) return;
    send(withAction_.title, withAction_.text, withAction_.kind, withAction_.timeoutMs, QString(), actionNoticeId_);
    actionNoticeId_ = 0;
}

void DesktopNotifications::onActionInvoked(uint id, const QString& key) {
    if (id != actionNoticeId_ || key != kActionKey || !chosen_) return;
    const std::function<void()> chosen = chosen_;
    chosen();
}

void DesktopNotifications::onClosed(uint id, uint) {
    if (id != actionNoticeId_) return;
    actionNoticeId_ = 0;
    chosen_ = nullptr;
}

}  // namespace orvanta::platform
