// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/x11_hot_key.h"

#include <QGuiApplication>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

namespace orvanta::platform {

namespace {

// The lock modifiers that may be on while the user presses Super+A:
// none, Caps Lock, Num Lock (Mod2 on nearly every layout), both.
constexpr unsigned kLockVariants[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};

Display* x11Display() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

int ignoreGrabError(Display*, XErrorEvent*) { return 0; }

}  // namespace

X11HotKey::~X11HotKey() {
    if (!installed_) return;
    qGuiApp->removeNativeEventFilter(this);
    if (Display* display = x11Display()) {
        for (unsigned lock : kLockVariants) XUngrabKey(display, static_cast<int>(keycode_), Mod4Mask | lock, DefaultRootWindow(display));
        XFlush(display);
    }
}

bool X11HotKey::grabSuperA(std::function<void()> onPressed) {
    Display* display = x11Display();
    if (display == nullptr) return false;
    keycode_ = XKeysymToKeycode(display, XK_a);
    if (keycode_ == 0) return false;
    // A grab another program holds fails with BadAccess, reported
    // asynchronously: sync so the error arrives here and not in Qt's handler.
    XSync(display, False);
    auto* previous = XSetErrorHandler(ignoreGrabError);
    for (unsigned lock : kLockVariants) {
        XGrabKey(display, static_cast<int>(keycode_), Mod4Mask | lock, DefaultRootWindow(display), True, GrabModeAsync,
                 GrabModeAsync);
    }
    XSync(display, False);
    XSetErrorHandler(previous);
    onPressed_ = std::move(onPressed);
    qGuiApp->installNativeEventFilter(this);
    installed_ = true;
    return true;
}

bool X11HotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS) return false;
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    if (key->detail != keycode_ || (key->state & Mod4Mask) == 0) return false;
    if (onPressed_) onPressed_();
    return true;
}

}  // namespace orvanta::platform
