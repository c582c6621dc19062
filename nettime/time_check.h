// SPDX-License-Identifier: GPL-3.0-or-later
// Checking the PC clock against time servers: the server list of the
// settings file, the drift, and the texts the user reads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace orvanta::nettime {

enum class TimeProtocol { Rfc868, Sntp };

// One "Host%d" entry: a dotted IPv4 address or a host name, asked with the
// Time Protocol on port 37. Besides, "ntp:HOST" asks
// with SNTP on port 123, and ":PORT" after the host names another port.
struct TimeServer {
    int index = 0;       // the N of "HostN"
    std::string entry;   // as written in the file
    std::string host;
    std::uint16_t port = 37;
    TimeProtocol protocol = TimeProtocol::Rfc868;
};

struct TimeServerList {
    std::vector<TimeServer> servers;  // in the order they are asked
    int hostTimeoutMs = 2000;         // the wait for each answer, 0..32767 ms
};

// The servers of the settings (settings::readTimeServerEntries reads them),
// in the order they are asked; empty entries and bad ports are skipped.
TimeServerList timeServerList(const settings::TimeServerEntries& entries);
// Nothing for an empty entry or a port that is not 1..65535.
std::optional<TimeServer> parseServerEntry(int index, std::string_view entry);

// The PC clock's lead on the server in whole seconds (positive: the PC is
// ahead); both are seconds since 1970 UTC.
inline std::int64_t driftSeconds(std::int64_t pcSeconds, std::int64_t serverSeconds) {
    return pcSeconds - serverSeconds;
}

// The largest drift corrected without asking: one day. A server that is
// wrong by years (a broken one, or one that lies) is far more likely than
// a PC clock more than a day off, so a larger jump is never made silently:
// the hourly check logs and skips it, the manual check asks.
inline constexpr std::int64_t kLargestSilentCorrectionSeconds = 86400;
bool mayCorrectWithoutAsking(std::int64_t driftSeconds);

// A moment as the PC's clock shows it: local civil time through the
// system's zone rules (the same rules for both clock lines and the drift).
struct CivilTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
CivilTime localCivilTime(std::int64_t unixSeconds);

// The caption of every box of the time check.
inline constexpr std::string_view kCaption = "Internet Saati";
inline constexpr std::string_view kNoAnswerText = "Hiçbir sunucudan yanıt alınamadı !";
inline constexpr std::string_view kSocketErrorText = "WINSOCK Hatası";
// The section is there but names no usable server.
inline constexpr std::string_view kNoServersText =
    "Ayarlar dosyasının [Time Servers] bölümünde kullanılabilir bir sunucu yok (HostN satırları boş, MaxHost 0 "
    "ya da adresler bozuk). \"Host0=ntp:pool.ntp.org\" gibi bir satır ekleyin ya da bölümü silin: Orvanta o zaman "
    "pool.ntp.org sunucularını sorar.";

// The two clock lines, then the question (drift not 0) or that nothing
// needs correcting (drift 0). A drift of more than a day names the jump in
// days and hours, and its direction, before the question.
std::string resultText(const CivilTime& server, const CivilTime& pc, std::int64_t driftSeconds);
// "Sunucu Adresi : 192.0.2.1": the caption of the result.
std::string serverCaption(std::string_view address);
// The clock could not be set, and why (already Turkish).
std::string clockNotSetText(std::string_view reason);

}  // namespace orvanta::nettime
