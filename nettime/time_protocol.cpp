// SPDX-License-Identifier: GPL-3.0-or-later
#include "nettime/time_protocol.h"

namespace orvanta::nettime {

namespace {

constexpr std::int64_t kEra = std::int64_t{1} << 32;
constexpr std::uint32_t kFirstCountOfEraZeroInUse = 0x80000000u;  // 1968-01-20 03:14:08 UTC
// 2020-01-01 and 2100-01-01 00:00:00 UTC.
constexpr std::int64_t kEarliestPlausible = 1577836800;
constexpr std::int64_t kLatestPlausible = 4102444800;

constexpr std::uint8_t kSntpVersion4Client = 0x23;  // leap 0, version 4, mode 3
constexpr std::uint8_t kSntpModeServer = 4;
constexpr std::uint8_t kSntpLeapUnsynchronised = 3;
constexpr std::uint8_t kSntpFirstVersion = 1;
constexpr std::uint8_t kSntpLastVersion = 4;
constexpr std::size_t kSntpStratumByte = 1;
constexpr std::size_t kSntpOriginateTimestamp = 24;
constexpr std::size_t kSntpTransmitTimestamp = 40;
constexpr std::size_t kSntpTimestampBytes = 8;
constexpr std::uint8_t kSntpLastStratum = 15;
// Counts a server without a time of its own sends.
constexpr std::uint32_t kEmptyCount = 0;
constexpr std::uint32_t kAllOnesCount = 0xFFFFFFFFu;

std::uint32_t bigEndian32(std::span<const std::uint8_t> bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           bytes[3];
}

// Seconds since 1900 in 32 bits, era by era, as seconds since 1970.
std::int64_t countToUnix(std::uint32_t count) {
    const std::int64_t since1900 = count < kFirstCountOfEraZeroInUse ? count + kEra : std::int64_t{count};
    return since1900 - kSecondsFrom1900To1970;
}

std::uint64_t bigEndian64(std::span<const std::uint8_t> bytes) {
    return (std::uint64_t{bigEndian32(bytes)} << 32) | bigEndian32(bytes.subspan(4));
}

}  // namespace

std::optional<std::int64_t> timeReplyToUnix(std::span<const std::uint8_t> reply) {
    if (reply.size() < 4) return std::nullopt;
    const std::uint32_t count = bigEndian32(reply);
    if (count == kEmptyCount || count == kAllOnesCount) return std::nullopt;
    return countToUnix(count);
}

std::array<std::uint8_t, kSntpPacketBytes> sntpRequest(std::uint64_t nonce) {
    std::array<std::uint8_t, kSntpPacketBytes> packet{};
    packet[0] = kSntpVersion4Client;
    for (std::size_t i = 0; i < kSntpTimestampBytes; ++i) {
        packet[kSntpTransmitTimestamp + i] = static_cast<std::uint8_t>(nonce >> (8 * (kSntpTimestampBytes - 1 - i)));
    }
    return packet;
}

std::optional<std::int64_t> sntpReplyToUnix(std::span<const std::uint8_t> reply, std::uint64_t nonce) {
    if (reply.size() < kSntpPacketBytes) return std::nullopt;
    const std::uint8_t leap = reply[0] >> 6;
    const std::uint8_t version = (reply[0] >> 3) & 0x07;
    const std::uint8_t mode = reply[0] & 0x07;
    const std::uint8_t stratum = reply[kSntpStratumByte];
    const std::uint64_t transmit = bigEndian64(reply.subspan(kSntpTransmitTimestamp, kSntpTimestampBytes));
    const bool valid = mode == kSntpModeServer && leap != kSntpLeapUnsynchronised && version >= kSntpFirstVersion &&
                       version <= kSntpLastVersion && stratum != 0 && stratum <= kSntpLastStratum &&
                       bigEndian64(reply.subspan(kSntpOriginateTimestamp, kSntpTimestampBytes)) == nonce &&
                       transmit != 0;
    if (!valid) return std::nullopt;
    return countToUnix(static_cast<std::uint32_t>(transmit >> 32));
}

bool isPlausibleServerTime(std::int64_t unixSeconds) {
    return unixSeconds >= kEarliestPlausible && unixSeconds < kLatestPlausible;
}

}  // namespace orvanta::nettime
