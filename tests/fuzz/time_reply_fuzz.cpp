// SPDX-License-Identifier: GPL-3.0-or-later
// The SNTP and RFC 868 reply readers on any bytes: the first eight bytes
// are the request's nonce, the rest the reply. Whatever is taken passes
// every client check, and lies within the two eras the counts can name.
#include <cstddef>
#include <cstdint>
#include <span>

#include "nettime/time_protocol.h"

namespace {

std::uint64_t bigEndian64(std::span<const std::uint8_t> bytes) {
    std::uint64_t value = 0;
    for (const std::uint8_t byte : bytes.first(8)) value = (value << 8) | byte;
    return value;
}

// 1968-01-20 03:14:08 UTC .. 2104-02-26 09:42:23 UTC: counts 2^31 .. 2^32 - 1
// of the era that began in 1900, and 0 .. 2^31 - 1 of the next.
constexpr std::int64_t kFirstReadable = -61505152;
constexpr std::int64_t kLastReadable = 4233462143;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvanta::nettime;
    const std::span<const std::uint8_t> bytes(data, size);
    if (const auto seconds = timeReplyToUnix(bytes)) {
        const bool sentinel = (bytes[0] & bytes[1] & bytes[2] & bytes[3]) == 0xFF ||
                              (bytes[0] | bytes[1] | bytes[2] | bytes[3]) == 0;
        if (size < 4 || sentinel || *seconds < kFirstReadable || *seconds > kLastReadable) __builtin_trap();
    }
    if (size < 8) return 0;
    const std::uint64_t nonce = bigEndian64(bytes);
    const std::span<const std::uint8_t> reply = bytes.subspan(8);
    if (const auto seconds = sntpReplyToUnix(reply, nonce)) {
        const int mode = reply[0] & 7, version = (reply[0] >> 3) & 7, leap = reply[0] >> 6, stratum = reply[1];
        const bool checked = reply.size() >= kSntpPacketBytes && mode == 4 && version >= 1 && version <= 4 &&
                             leap != 3 && stratum >= 1 && stratum <= 15 && bigEndian64(reply.subspan(24)) == nonce &&
                             bigEndian64(reply.subspan(40)) != 0;
        if (!checked || *seconds < kFirstReadable || *seconds > kLastReadable) __builtin_trap();
    }
    // The request round-trips its nonce.
    const auto request = sntpRequest(nonce);
    if (bigEndian64(std::span<const std::uint8_t>(request).subspan(40)) != nonce) __builtin_trap();
    return 0;
}
