// SPDX-License-Identifier: GPL-3.0-or-later
// Starting with the desktop session through an XDG autostart entry:
// <config>/autostart/orvanta.desktop. The entry's presence is the setting.
#pragma once

#include <filesystem>

#include "platform/autostart.h"

namespace orvanta::platform {

class XdgAutostart : public platform::AutostartSetting {
public:
    // autostartFolder: the folder of autostart entries; executable: the
    // program the entry starts.
    XdgAutostart(const std::filesystem::path& autostartFolder, std::filesystem::path executable);
    // $XDG_CONFIG_HOME/autostart, or ~/.config/autostart.
    static XdgAutostart forCurrentUser(std::filesystem::path executable);

    bool enabled() const override;
    // On writes the entry (replacing one written by anyone else, whole or
    // not at all; only a regular file is replaced); off removes it.
    bool setEnabled(bool on) override;

    const std::filesystem::path& entryPath() const { return entry_; }

private:
    std::filesystem::path entry_;
    std::filesystem::path executable_;
};

}  // namespace orvanta::platform
