// SPDX-License-Identifier: GPL-3.0-or-later
// Super+A grabbed on the X11 root window. Under Wayland no program may
// grab keys; there the user binds `orvanta --toggle-strip` to a shortcut.
#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

#include "platform/hot_key.h"

namespace orvanta::platform {

class X11HotKey : public HotKey, public QAbstractNativeEventFilter {
public:
    X11HotKey() = default;
    ~X11HotKey() override;
    bool grabSuperA(std::function<void()> onPressed) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    std::function<void()> onPressed_;
    unsigned keycode_ = 0;
    bool installed_ = false;
};

}  // namespace orvanta::platform
