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
constexpr std::size_t kSntpStratumByte = 1;
constexpr std::size_t kSntpTransmitSeconds = 40;
constexpr std::uint8_t kSntpLastStratum = 15;

std::uint32_t bigEndian32(std::span<const std::uint8_t> bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           bytes[3];
}

// Seconds since 1900 in 32 bits, era by era, as seconds since 1970.
std::int64_t countToUnix(std::uint32_t count) {
    const std::int64_t since1900 = count < kFirstCountOfEraZeroInUse ? count + kEra : std::int64_t{count};
    return since1900 - kSecondsFrom1900To1970;
}

}  // namespace

std::optional<std::int64_t> timeReplyToUnix(std::span<const std::uint8_t> reply) {
    if (reply.size() < 4) return std::nullopt;
    return countToUnix(bigEndian32(reply));
}

std::array<std::uint8_t, kSntpPacketBytes> sntpRequest() {
    std::array<std::uint8_t, kSntpPacketBytes> packet{};
    packet[0] = kSntpVersion4Client;
    return packet;
}

std::optional<std::int64_t> sntpReplyToUnix(std::span<const std::uint8_t> reply) {
    if (reply.size() < kSntpPacketBytes || (reply[0] & 0x07) != kSntpModeServer) return std::nullopt;
    const std::uint8_t stratum = reply[kSntpStratumByte];
    if (stratum == 0 || stratum > kSntpLastStratum) return std::nullopt;
    return countToUnix(bigEndian32(reply.subspan(kSntpTransmitSeconds, 4)));
}

bool isPlausibleServerTime(std::int64_t unixSeconds) {
    return unixSeconds >= kEarliestPlausible && unixSeconds < kLatestPlausible;
}

}  // namespace orvanta::nettime
