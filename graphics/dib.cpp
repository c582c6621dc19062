// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/dib.h"

namespace orvanta::graphics {

namespace {

constexpr std::size_t kInfoHeaderBytes = 40;

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 | std::uint32_t{bytes[at + 2]} << 16 |
           std::uint32_t{bytes[at + 3]} << 24;
}
std::uint16_t le16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::size_t rowBytes(std::int32_t width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

}  // namespace

std::optional<Dib> readDib(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kInfoHeaderBytes || le32(bytes, 0) != kInfoHeaderBytes) return std::nullopt;
    Dib dib;
    dib.header = bytes.first(kInfoHeaderBytes);
    dib.width = static_cast<std::int32_t>(le32(bytes, 4));
    dib.height = static_cast<std::int32_t>(le32(bytes, 8));
    dib.bitsPerPixel = le16(bytes, 14);
    dib.compression = le32(bytes, 16);
    dib.pixelsPerMetreX = static_cast<std::int32_t>(le32(bytes, 24));
    dib.pixelsPerMetreY = static_cast<std::int32_t>(le32(bytes, 28));
    dib.coloursUsed = le32(bytes, 32);
    if (dib.compression != 0 || (dib.bitsPerPixel != 1 && dib.bitsPerPixel != 4)) return std::nullopt;
    if (dib.width <= 0 || dib.height <= 0) return std::nullopt;
    const std::size_t entries = dib.coloursUsed != 0 ? dib.coloursUsed : std::size_t{1} << dib.bitsPerPixel;
    if (entries > (std::size_t{1} << dib.bitsPerPixel)) return std::nullopt;
    const std::size_t tableBytes = entries * 4;
    const std::size_t pixelBytes = rowBytes(dib.width, dib.bitsPerPixel) * static_cast<std::size_t>(dib.height);
    if (bytes.size() < kInfoHeaderBytes + tableBytes + pixelBytes) return std::nullopt;
    dib.colourTable = bytes.subspan(kInfoHeaderBytes, tableBytes);
    dib.pixels = bytes.subspan(kInfoHeaderBytes + tableBytes, pixelBytes);
    return dib;
}

int Dib::index(int x, int storedRow) const {
    const std::size_t row = rowBytes(width, bitsPerPixel) * static_cast<std::size_t>(storedRow);
    const auto column = static_cast<std::size_t>(x);
    if (bitsPerPixel == 1) return (pixels[row + column / 8] >> (7 - column % 8)) & 1;
    return (pixels[row + column / 2] >> (column % 2 == 0 ? 4 : 0)) & 0x0F;
}

Rgb Dib::colour(int i) const {
    const auto at = static_cast<std::size_t>(i) * 4;
    if (at + 3 > colourTable.size()) return {};
    return {colourTable[at + 2], colourTable[at + 1], colourTable[at]};
}

}  // namespace orvanta::graphics
