// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks' source file: 50 MB that begin with an MPEG-1 Layer III
// frame header (128 kbit/s, 44100 Hz, joint stereo).
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace orvanta::bench {

inline constexpr std::size_t kLargeMp3Bytes = 50u * 1000u * 1000u;

// Writes folder/big.mp3 (the folder is created) and gives its path.
inline std::filesystem::path writeLargeMp3(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    std::string bytes(kLargeMp3Bytes, '\x55');
    bytes.replace(0, 4, "\xFF\xFB\x90\x44");
    std::ofstream(folder / "big.mp3", std::ios::binary) << bytes;
    return folder / "big.mp3";
}

}  // namespace orvanta::bench
