// SPDX-License-Identifier: GPL-3.0-or-later
// The two time protocols the program speaks over UDP, as pure functions on
// the datagrams: the Time Protocol (RFC 868: any datagram to port 37, four
// bytes back) and SNTP (RFC 4330: a 48-byte client request to port 123).
//
// Time scales: both count seconds since 1900-01-01 00:00:00 UTC in 32 bits,
// which wrap on 2036-02-07 06:28:16 UTC. A count below 2^31 is read as the
// next era (from 2036 on), as NTP does, so the program keeps working after
// 2036 (valid 1968-01-20 .. 2104-02-26). Results are seconds since
// 1970-01-01 00:00:00 UTC (64-bit, no leap seconds).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace orvanta::nettime {

// Seconds from 1900-01-01 to 1970-01-01 (RFC 868).
inline constexpr std::int64_t kSecondsFrom1900To1970 = 2208988800;

// The time of an RFC 868 reply: its first four bytes, big-endian. Nothing
// for a reply shorter than four bytes, and nothing for the counts 0 and
// 0xFFFFFFFF, which a server without a time of its own sends (read by the
// era rule, both would say 2036).
// Example: E7 9A 68 00 -> 1676667264 (2023-02-17 20:54:24 UTC).
std::optional<std::int64_t> timeReplyToUnix(std::span<const std::uint8_t> reply);

// The RFC 868 request: one byte, "H"; the servers ignore the content.
inline constexpr std::array<std::uint8_t, 1> kTimeRequest{'H'};

// The SNTP client request (RFC 4330): version 4, mode 3 (client), the
// transmit timestamp set to `nonce` (a random number: the client's clock
// is what is in doubt, and a random value lets the reply be matched to the
// request), everything else 0.
inline constexpr std::size_t kSntpPacketBytes = 48;
std::array<std::uint8_t, kSntpPacketBytes> sntpRequest(std::uint64_t nonce);
// The server's transmit time of an SNTP reply to the request made with
// `nonce`, whole seconds (the fraction dropped, as an RFC 868 server
// counts). Nothing unless the reply passes RFC 4330's client checks: a
// whole packet, version 1..4, mode 4 (server), leap indicator not 3 (the
// server's clock is unsynchronised), stratum 1..15 (0 is a "kiss of
// death": the server refuses), the originate timestamp equal to the nonce
// (an answer to this request, not an old or forged one), and a transmit
// timestamp that is not 0.
std::optional<std::int64_t> sntpReplyToUnix(std::span<const std::uint8_t> reply, std::uint64_t nonce);

// A server time the clock may be set from: 2020-01-01 up to 2100-01-01
// UTC. Anything else is a broken server, treated as silent.
bool isPlausibleServerTime(std::int64_t unixSeconds);

}  // namespace orvanta::nettime
