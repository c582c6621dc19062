// SPDX-License-Identifier: GPL-3.0-or-later
// The live wallpaper's backends: GNOME (gsettings), KDE Plasma (its
// scripting interface over D-Bus), XFCE (xfconf) and, on any other X11
// session, the root window's background.
#pragma once

#include <memory>

#include "platform/desktop_wallpaper.h"

namespace orvanta::platform {

// The backend of this session, chosen by XDG_CURRENT_DESKTOP and the
// display; nothing where none applies (a Wayland session of another
// desktop, no display).
std::unique_ptr<DesktopWallpaper> desktopWallpaperForSession();

// GNOME's background through gsettings (whatever backend GSETTINGS_BACKEND
// names).
std::unique_ptr<DesktopWallpaper> gnomeWallpaper();

// XFCE's backdrops through xfconf-query.
std::unique_ptr<DesktopWallpaper> xfceWallpaper();

// The root window's background of the X display named by DISPLAY (the
// fallback; also what an X server without a desktop shows).
std::unique_ptr<DesktopWallpaper> x11RootWallpaper();

}  // namespace orvanta::platform
