// A desktop notification: what a tray balloon becomes where the desktop
// shows notifications instead, or has no notification area at all.
#pragma once

#include <string>

namespace orvanta::platform {

enum class NoticeKind { Information, Warning, Error };

class Notifier {
public:
    virtual ~Notifier() = default;
    // False when no notification service answered.
    virtual bool notify(const std::string& title, const std::string& text, NoticeKind kind, int timeoutMs) = 0;
};

}  // namespace orvanta::platform
