// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/qt/live_wallpaper.h"

#include <array>

#include "graphics/pictures.h"
#include "platform/desktop_wallpaper.h"
#include "common/text_encoding.h"

namespace orvanta::graphics {

namespace {

constexpr std::array<std::string_view, 4> kModeNames{"Yok", "Ay", "Yeryüzü", "Yerküre"};
constexpr int kMoonPeriodMinutes = 60;
constexpr int kEarthPeriodMinutes = 5;
// The pictures go under two names in turn: a desktop shows a new address.
constexpr std::array<const char*, 2> kPictureNames{"wall.bmp", "wall-2.bmp"};

}  // namespace

std::string_view wallpaperModeName(WallpaperMode mode) { return kModeNames[static_cast<std::size_t>(mode)]; }

WallpaperMode wallpaperModeNamed(std::string_view name) {
    for (std::size_t i = 1; i < kModeNames.size(); ++i) {
        if (common::equalIgnoringAsciiCase(name, kModeNames[i])) return static_cast<WallpaperMode>(i);
    }
    return WallpaperMode::None;
}

int wallpaperPeriodMinutes(WallpaperMode mode) {
    switch (mode) {
        case WallpaperMode::None: return 0;
        case WallpaperMode::Moon: return kMoonPeriodMinutes;
        default: return kEarthPeriodMinutes;
    }
}

std::filesystem::path LiveWallpaper::pictureFile(int turn) const { return folder_ / kPictureNames[static_cast<std::size_t>(turn)]; }

WallpaperMode LiveWallpaper::select(WallpaperMode mode) {
    if (!available()) return mode_;
    if (mode == mode_) {
        restore();
        return mode_;
    }
    if (mode_ == WallpaperMode::None) desktop_->saveUserBackground();
    mode_ = mode;
    return mode_;
}

bool LiveWallpaper::render(engine::Engine engine, const settings::Settings& settings, std::string& failure) {
    if (!available() || mode_ == WallpaperMode::None) return false;
    const Picture kind = mode_ == WallpaperMode::Moon        ? Picture::Moon
                         : mode_ == WallpaperMode::FlatEarth ? Picture::FlatEarth
                                                             : Picture::Globe;
    std::optional<TimeMapPainter> noMap;
    const Image picture = renderPicture(kind, engine, settings, noMap);
    turn_ = 1 - turn_;
    const std::filesystem::path file = pictureFile(turn_);
    if (const auto reason = writeWallBmp(file, picture, pictureSource(kind))) {
        failure = file.string() + ": " + *reason;
        return false;
    }
    if (!desktop_->showPicture(file)) {
        failure = desktop_->desktopName() + " did not take the picture";
        return false;
    }
    // The other name's older picture is no longer shown.
    std::error_code ignored;
    std::filesystem::remove(pictureFile(1 - turn_), ignored);
    return true;
}

void LiveWallpaper::restore() {
    if (!available() || mode_ == WallpaperMode::None) return;
    desktop_->restoreUserBackground();
    mode_ = WallpaperMode::None;
    std::error_code ignored;
    for (int turn = 0; turn < 2; ++turn) std::filesystem::remove(pictureFile(turn), ignored);
}

}  // namespace orvanta::graphics
