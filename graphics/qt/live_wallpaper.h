// SPDX-License-Identifier: GPL-3.0-or-later
// "Duvar Kağıdı": the moon, the flat earth or the globe of the present
// moment as the desktop's background, drawn again on the scheduler's
// schedule; the user's own background is put back when the mode is
// switched off and when the program ends.
#pragma once

#include <filesystem>
#include <string>

#include "engine/engine.h"
#include "settings/settings.h"

namespace orvanta::platform {
class DesktopWallpaper;
}

namespace orvanta::graphics {

enum class WallpaperMode { None = 0, Moon = 1, FlatEarth = 2, Globe = 3 };

// The mode's INI value ("Yok", "Ay", "Yeryüzü", "Yerküre") and back (ASCII
// letters in any case; anything else is None).
std::string_view wallpaperModeName(WallpaperMode mode);
WallpaperMode wallpaperModeNamed(std::string_view name);
// Minutes between pictures: 60 for the moon, 5 for the earth views.
int wallpaperPeriodMinutes(WallpaperMode mode);

class LiveWallpaper {
public:
    // desktop: the session's backend, or nullptr where there is none.
    // folder: where the pictures are written (two names in turn).
    LiveWallpaper(platform::DesktopWallpaper* desktop, std::filesystem::path folder)
        : desktop_(desktop), folder_(std::move(folder)) {}

    bool available() const { return desktop_ != nullptr; }
    WallpaperMode mode() const { return mode_; }

    // The menu's choice: switches `mode` on (keeping the user's background
    // first when none was on), or off when it is the one on. The mode now.
    WallpaperMode select(WallpaperMode mode);

    // Draws the mode's picture for the engine's moment (its place, date and
    // minute) and shows it. False, with the reason in `failure`, when the
    // file could not be written or the desktop refused it.
    bool render(engine::Engine engine, const settings::Settings& settings, std::string& failure);

    // Puts the user's background back and removes the pictures (at the end
    // of the program while a mode is on).
    void restore();

private:
    std::filesystem::path pictureFile(int turn) const;

    platform::DesktopWallpaper* desktop_;
    std::filesystem::path folder_;
    WallpaperMode mode_ = WallpaperMode::None;
    int turn_ = 1;  // the name of the last picture; the first is "wall.bmp"
};

}  // namespace orvanta::graphics
