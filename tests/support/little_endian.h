// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the little-endian fields of a file header written by the program
// (WAV and BMP).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvanta::test {

// The unsigned field of width bytes (1..4) at offset.
inline std::uint32_t littleEndianAt(const std::string& bytes, std::size_t offset, int width = 4) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace orvanta::test
