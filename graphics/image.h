// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of RGB pixels held top row first, and "wall.bmp", the 24-bit
// bitmap file the pictures are written as.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "graphics/dib.h"

namespace orvanta::graphics {

struct Image {
    Image(int width, int height)
        : width(width), height(height), pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}
    // Pixel (x, y), y counted from the top.
    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
    const Rgb& at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
    // Pixel x of stored row r, rows stored bottom-up as in a bitmap file.
    Rgb& atStoredRow(int x, int storedRow) { return at(x, height - 1 - storedRow); }
    const Rgb& atStoredRow(int x, int storedRow) const { return at(x, height - 1 - storedRow); }

    int width;
    int height;
    std::vector<Rgb> pixels;
};

// The bytes of "wall.bmp": the file header ("BM", file size 0, pixels at
// 54) and the source resource's information header with the picture's
// width and height, 24 bits a pixel and image size 0 (pixels per metre and
// colours used stay the source's), then the rows bottom-up as blue, green,
// red, each padded with zero bytes to a multiple of four.
std::string wallBmpBytes(const Image& image, const Dib& source);

// Writes the picture as wallBmpBytes to `file` through a temporary file
// renamed over it, so no reader sees half a picture. The reason when it
// could not be written.
std::optional<std::string> writeWallBmp(const std::filesystem::path& file, const Image& image, const Dib& source);

}  // namespace orvanta::graphics
