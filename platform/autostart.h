// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the program starts with the user's desktop session. The desktop
// program supplies the platform's way of keeping it.
#pragma once

namespace orvanta::platform {

class AutostartSetting {
public:
    virtual ~AutostartSetting() = default;
    virtual bool enabled() const = 0;
    // Turns the entry on or off; false when that could not be done.
    virtual bool setEnabled(bool on) = 0;
};

}  // namespace orvanta::platform
