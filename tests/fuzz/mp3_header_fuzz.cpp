// SPDX-License-Identifier: GPL-3.0-or-later
// The MP3 frame header and ID3v2 tag readers on any bytes, and the WAV
// header built from what they find.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "media/mp3_to_wav.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvanta::media;
    std::array<std::uint8_t, kId3v2HeaderBytes> head{};
    std::memcpy(head.data(), data, std::min(size, head.size()));
    const std::uint32_t tagBytes = id3v2TagBytes(head);
    if (tagBytes != 0 && tagBytes < kId3v2HeaderBytes) __builtin_trap();
    std::array<std::uint8_t, 4> frame{};
    std::memcpy(frame.data(), head.data(), frame.size());
    if (const auto header = parseFrameHeader(frame)) {
        const auto wav = wavHeader(*header, static_cast<std::uint32_t>(size));
        // Reserved values are no header: a rate is always one of the tables'.
        const std::uint32_t rate = samplesPerSecond(*header);
        if (rate < 8000 || rate > 48000 || bitrateKbps(*header) > 448 || wav[20] != 0x55) __builtin_trap();
    }
    return 0;
}
