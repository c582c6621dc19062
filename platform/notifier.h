// SPDX-License-Identifier: GPL-3.0-or-later
// A desktop notification: what a tray balloon becomes where the desktop
// shows notifications instead, or has no notification area at all.
#pragma once

#include <functional>
#include <string>

namespace orvanta::platform {

enum class NoticeKind { Information, Warning, Error };

// A button on a notice ("Sesi Durdur") and what it does when chosen.
struct NoticeAction {
    std::string label;
    std::function<void()> chosen;
};

class Notifier {
public:
    virtual ~Notifier() = default;
    // False when no notification service answered.
    virtual bool notify(const std::string& title, const std::string& text, NoticeKind kind, int timeoutMs) = 0;
    // The same notice with a button, where the service shows buttons;
    // elsewhere the plain notice.
    virtual bool notifyWithAction(const std::string& title, const std::string& text, NoticeKind kind, int timeoutMs,
                                  NoticeAction action) {
        (void)action;
        return notify(title, text, kind, timeoutMs);
    }
    // The button of the last notice no longer applies (the sound it
    // stops has ended): the notice goes.
    virtual void withdrawAction() {}
};

}  // namespace orvanta::platform
