// SPDX-License-Identifier: GPL-3.0-or-later
// Device-independent bitmaps as the program's picture resources hold them:
// a 40-byte information header, the colour table, then the pixel rows
// stored bottom-up (stored row 0 is the bottom of the picture), each padded
// to a multiple of four bytes. Only uncompressed 1- and 4-bit palette
// pictures are read.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace orvanta::graphics {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A view into the bytes of a resource; the bytes must outlive it.
struct Dib {
    std::span<const std::uint8_t> header;   // the 40 bytes, as stored
    std::int32_t width = 0;
    std::int32_t height = 0;               // rows, stored bottom-up
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::int32_t pixelsPerMetreX = 0;
    std::int32_t pixelsPerMetreY = 0;
    std::uint32_t coloursUsed = 0;
    std::span<const std::uint8_t> colourTable;  // blue, green, red, 0 per entry
    std::span<const std::uint8_t> pixels;

    // The palette index of column x of stored row r (0 at the bottom); the
    // leftmost pixel sits in a byte's most significant bits.
    int index(int x, int storedRow) const;
    // The colour of palette entry i.
    Rgb colour(int i) const;
};

// The picture in `bytes`, or nothing when the header is short, not 40
// bytes long, compressed, not 1 or 4 bits a pixel, upside down (a negative
// height) or larger than the bytes hold.
std::optional<Dib> readDib(std::span<const std::uint8_t> bytes);

// The two pictures built into the program: "_MOON_" (328 x 328, sixteen
// greys) and "_EARTH_" (800 x 400 land mask, 1 land, 0 sea).
std::span<const std::uint8_t> moonResource();
std::span<const std::uint8_t> earthResource();

}  // namespace orvanta::graphics
