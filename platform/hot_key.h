// SPDX-License-Identifier: GPL-3.0-or-later
// A key combination that reaches the program wherever the focus is.
#pragma once

#include <functional>

namespace orvanta::platform {

class HotKey {
public:
    virtual ~HotKey() = default;
    // Grabs Super+A; onPressed runs on the GUI thread at every press.
    // False where the desktop does not let a program grab keys (Wayland) or
    // another program holds the combination.
    virtual bool grabSuperA(std::function<void()> onPressed) = 0;
};

}  // namespace orvanta::platform
