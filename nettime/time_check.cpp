// SPDX-License-Identifier: GPL-3.0-or-later
#include "nettime/time_check.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <ctime>


namespace orvanta::nettime {

namespace {

constexpr std::uint16_t kTimeProtocolPort = 37;
constexpr std::uint16_t kSntpPort = 123;
constexpr std::string_view kSntpPrefix = "ntp:";
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kSecondsPerHour = 3600;

}  // namespace

std::optional<TimeServer> parseServerEntry(int index, std::string_view entry) {
    TimeServer server;
    server.index = index;
    server.entry = std::string(entry);
    if (entry.starts_with(kSntpPrefix)) {
        entry.remove_prefix(kSntpPrefix.size());
        server.protocol = TimeProtocol::Sntp;
        server.port = kSntpPort;
    }
    if (const std::size_t colon = entry.rfind(':'); colon != std::string_view::npos) {
        const std::string_view digits = entry.substr(colon + 1);
        unsigned port = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
        if (error != std::errc{} || end != digits.data() + digits.size() || port == 0 || port > 65535) {
            return std::nullopt;
        }
        server.port = static_cast<std::uint16_t>(port);
        entry = entry.substr(0, colon);
    }
    if (entry.empty()) return std::nullopt;
    server.host = std::string(entry);
    return server;
}

TimeServerList timeServerList(const settings::TimeServerEntries& entries) {
    TimeServerList list;
    list.hostTimeoutMs = entries.hostTimeoutMs;
    for (std::size_t index = 0; index < entries.hosts.size(); ++index) {
        if (auto server = parseServerEntry(static_cast<int>(index), entries.hosts[index])) {
            list.servers.push_back(std::move(*server));
        }
    }
    return list;
}

CivilTime localCivilTime(std::int64_t unixSeconds) {
    const auto seconds = static_cast<std::time_t>(unixSeconds);
    // One thread asks the time: the shared result of localtime is safe here.
    const std::tm local = *std::localtime(&seconds);
    return CivilTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string resultText(const CivilTime& server, const CivilTime& pc, std::int64_t driftSeconds) {
    std::string text = fmt::sprintf("Internet Saati :  %02d/%02d/%04d     %02d:%02d:%02d\n", server.day, server.month,
                                    server.year, server.hour, server.minute, server.second);
    text += fmt::sprintf("PC'nizin Saati :  %02d/%02d/%04d     %02d:%02d:%02d\n", pc.day, pc.month, pc.year, pc.hour,
                         pc.minute, pc.second);
    if (driftSeconds == 0) return text + "\nPC'nizin saati  düzeltme gerektirmiyor...\n";
    text += fmt::sprintf("\nPC'nizin saati  %d saniye kaymış !\n", driftSeconds);
    if (!mayCorrectWithoutAsking(driftSeconds)) {
        const std::int64_t jump = driftSeconds < 0 ? -driftSeconds : driftSeconds;
        // The PC's lead is taken back; its lag is made up.
        text += fmt::format("Saat {} gün {} saat {} alınacak: bu, bir günden büyük bir sıçrama.\n",
                            jump / kSecondsPerDay, jump % kSecondsPerDay / kSecondsPerHour,
                            driftSeconds > 0 ? "geri" : "ileri");
    }
    return text + "Düzeltmek ister misiniz ?\n";
}

bool mayCorrectWithoutAsking(std::int64_t driftSeconds) {
    return driftSeconds >= -kLargestSilentCorrectionSeconds && driftSeconds <= kLargestSilentCorrectionSeconds;
}

std::string serverCaption(std::string_view address) { return fmt::format("Sunucu Adresi : {}", address); }

std::string clockNotSetText(std::string_view reason) {
    return fmt::format("Bilgisayarın saati ayarlanamadı:\n{}", reason);
}

}  // namespace orvanta::nettime
