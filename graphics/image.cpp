// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/image.h"

#include "settings/ini_file.h"

namespace orvanta::graphics {

namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint16_t kTrueColourBits = 24;

void put16(std::string& out, std::size_t at, std::uint16_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>(value >> 8);
}
void put32(std::string& out, std::size_t at, std::uint32_t value) {
    for (int byte = 0; byte < 4; ++byte) out[at + static_cast<std::size_t>(byte)] = static_cast<char>(value >> (8 * byte) & 0xFF);
}

}  // namespace

std::string wallBmpBytes(const Image& image, const Dib& source) {
    const std::size_t rowBytes = (static_cast<std::size_t>(image.width) * 3 + 3) / 4 * 4;
    std::string out(kFileHeaderBytes + kInfoHeaderBytes + rowBytes * static_cast<std::size_t>(image.height), '\0');
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 10, kFileHeaderBytes + kInfoHeaderBytes);
    for (std::size_t i = 0; i < kInfoHeaderBytes; ++i) out[kFileHeaderBytes + i] = static_cast<char>(source.header[i]);
    put32(out, kFileHeaderBytes + 4, static_cast<std::uint32_t>(image.width));
    put32(out, kFileHeaderBytes + 8, static_cast<std::uint32_t>(image.height));
    put16(out, kFileHeaderBytes + 14, kTrueColourBits);
    put32(out, kFileHeaderBytes + 20, 0);
    std::size_t at = kFileHeaderBytes + kInfoHeaderBytes;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb& pixel = image.at(x, y);
            out[at + 3 * static_cast<std::size_t>(x)] = static_cast<char>(pixel.blue);
            out[at + 3 * static_cast<std::size_t>(x) + 1] = static_cast<char>(pixel.green);
            out[at + 3 * static_cast<std::size_t>(x) + 2] = static_cast<char>(pixel.red);
        }
        at += rowBytes;
    }
    return out;
}

std::optional<std::string> writeWallBmp(const std::filesystem::path& file, const Image& image, const Dib& source) {
    return common::replaceFileContents(file, wallBmpBytes(image, source));
}

}  // namespace orvanta::graphics
