#include "platform/linux/qt/desktop_notifications.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QVariantMap>

namespace orvanta::platform {

namespace {

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

bool DesktopNotifications::notify(const std::string& title, const std::string& text, NoticeKind kind, int timeoutMs) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusInterface service(QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
                           QStringLiteral("org.freedesktop.Notifications"), bus);
    if (!service.isValid()) return false;
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue<uchar>(kind == NoticeKind::Information ? 1 : 2)}};
    const QDBusReply<uint> reply =
        service.call(QStringLiteral("Notify"), QStringLiteral("Orvanta"), 0u, iconName(kind), QString::fromStdString(title),
                     QString::fromStdString(text), QStringList(), hints, timeoutMs);
    return reply.isValid();
}

}  // namespace orvanta::platform
