// Notifications through the desktop's notification service
// (org.freedesktop.Notifications on the session bus).
#pragma once

#include "platform/notifier.h"

namespace orvanta::platform {

class DesktopNotifications : public Notifier {
public:
    bool notify(const std::string& title, const std::string& text, NoticeKind kind, int timeoutMs) override;
};

}  // namespace orvanta::platform
