// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's background picture, as the live wallpaper uses it: the
// user's own background is kept before the first picture and put back at
// the end.
#pragma once

#include <filesystem>
#include <string>

namespace orvanta::platform {

class DesktopWallpaper {
public:
    virtual ~DesktopWallpaper() = default;
    // The desktop this sets the background of ("GNOME", "X11", ...).
    virtual std::string desktopName() const = 0;
    // Keeps the user's background (picture, placement, colour) to restore.
    virtual bool saveUserBackground() = 0;
    // Shows the picture file centred, untiled, on black. A new picture
    // comes under a new file name: some desktops do not read an address
    // again that they already show.
    virtual bool showPicture(const std::filesystem::path& picture) = 0;
    // Puts the background kept by saveUserBackground back.
    virtual bool restoreUserBackground() = 0;
};

}  // namespace orvanta::platform
