// SPDX-License-Identifier: GPL-3.0-or-later
// The time check's pure parts: the replies of both protocols with the era
// rule, the server list of the settings file, and the texts.
#include <gtest/gtest.h>

#include <vector>

#include "nettime/time_check.h"
#include "nettime/time_protocol.h"
#include "settings/settings_file.h"

namespace orvanta::nettime {
namespace {

// The servers of a settings file's text, as the program reads them.
TimeServerList serversOf(std::string_view iniText) {
    return timeServerList(settings::readTimeServerEntries(settings::IniDocument::parse(iniText)));
}

std::optional<std::int64_t> rfc868(std::vector<std::uint8_t> bytes) { return timeReplyToUnix(bytes); }

// Reference: RFC 868 counts seconds since 1900; 2^32 of them end on
// 2036-02-07 06:28:16 UTC = 2085978496 s after 1970.
TEST(TimeReply, ExampleAndEraRule) {
    EXPECT_EQ(rfc868({0xE7, 0x9A, 0x68, 0x00, 0x55}), 1676667264);  // 2023-02-17 20:54:24 UTC
    EXPECT_EQ(rfc868({0xFF, 0xFF, 0xFF, 0xFE}), 2085978494);        // the era's last seconds
    EXPECT_EQ(rfc868({0x00, 0x00, 0x00, 0x01}), 2085978497);        // the next era begins
    EXPECT_EQ(rfc868({0x80, 0x00, 0x00, 0x00}), -61505152);         // 1968-01-20: the oldest read as era 0
    EXPECT_TRUE(isPlausibleServerTime(1676667264));
    EXPECT_FALSE(isPlausibleServerTime(0));           // a server that says 1970
    EXPECT_FALSE(isPlausibleServerTime(1577836799));  // 2019-12-31 23:59:59
    EXPECT_FALSE(isPlausibleServerTime(4102444800));  // 2100-01-01
}

constexpr std::uint64_t kNonce = 0x0123456789ABCDEF;

// A server's answer to the request made with kNonce: version 4, stratum 2,
// 2023-02-17 20:54:24 UTC and a fraction.
std::vector<std::uint8_t> sntpAnswer() {
    std::vector<std::uint8_t> reply(48, 0);
    reply[0] = 0x24;  // leap 0, version 4, server
    reply[1] = 2;
    const auto request = sntpRequest(kNonce);
    std::copy(request.begin() + 40, request.end(), reply.begin() + 24);  // originate = the request's transmit
    const std::uint8_t transmit[] = {0xE7, 0x9A, 0x68, 0x00, 0xFF, 0, 0, 0};
    std::copy(std::begin(transmit), std::end(transmit), reply.begin() + 40);
    return reply;
}

TEST(SntpReply, RequestCarriesTheNonceAndTheAnswerEchoesIt) {
    const auto request = sntpRequest(kNonce);
    EXPECT_EQ(request[0], 0x23);  // version 4, client
    EXPECT_EQ(std::vector<std::uint8_t>(request.begin() + 40, request.end()),
              (std::vector<std::uint8_t>{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}));
    EXPECT_EQ(sntpReplyToUnix(sntpAnswer(), kNonce), 1676667264) << "the fraction is dropped";
    auto version3 = sntpAnswer();
    version3[0] = 0x5C;  // leap 1 (a leap second today), version 3
    EXPECT_EQ(sntpReplyToUnix(version3, kNonce), 1676667264);
}

// Answers that once moved the clock by years, or were taken from a server
// that had no time to give: each is no answer.
TEST(TimeReplies, NonsenseIsNoAnswer) {
    struct Spoiled {
        const char* what;
        std::size_t at;
        std::uint8_t value;
    } const spoiled[] = {
        {"leap indicator 3: unsynchronised", 0, 0xE4}, {"version 0", 0, 0x04},        {"version 7", 0, 0x3C},
        {"mode 3: a client's packet", 0, 0x23},         {"mode 5: broadcast", 0, 0x25}, {"stratum 0: kiss of death", 1, 0},
        {"stratum 16", 1, 16},                          {"a foreign originate", 31, 0xEE},
    };
    for (const Spoiled& s : spoiled) {
        auto reply = sntpAnswer();
        reply[s.at] = s.value;
        EXPECT_FALSE(sntpReplyToUnix(reply, kNonce)) << s.what;
    }
    auto noTransmit = sntpAnswer();
    std::fill(noTransmit.begin() + 40, noTransmit.end(), 0);
    EXPECT_FALSE(sntpReplyToUnix(noTransmit, kNonce)) << "transmit time 0";
    auto cut = sntpAnswer();
    cut.resize(47);
    EXPECT_FALSE(sntpReplyToUnix(cut, kNonce)) << "47 bytes";

    // RFC 868: the counts of a server without a time (both read as 2036),
    // and replies too short to hold a count.
    EXPECT_FALSE(rfc868({0x00, 0x00, 0x00, 0x00}));
    EXPECT_FALSE(rfc868({0xFF, 0xFF, 0xFF, 0xFF}));
    for (std::size_t length = 0; length < 4; ++length) {
        EXPECT_FALSE(rfc868(std::vector<std::uint8_t>(length, 0xE7))) << length << " bytes";
    }
}

TEST(TimeServers, GapsLimitsProtocolsAndPorts) {
    const auto list = serversOf(
        "[Time Servers]\nMaxHost=6\nHostTimeout=99999\nHost1=time.example.org\nHost2=\nHost3=ntp:pool.example.org\n"
        "Host4=127.0.0.1:3737\nHost5=host:0\nHost7=beyond.max\n");
    EXPECT_EQ(list.hostTimeoutMs, 32767);
    ASSERT_EQ(list.servers.size(), 3u);
    EXPECT_EQ(list.servers[0].index, 1);
    EXPECT_EQ(list.servers[0].port, 37);
    EXPECT_EQ(list.servers[1].protocol, TimeProtocol::Sntp);
    EXPECT_EQ(list.servers[1].host, "pool.example.org");
    EXPECT_EQ(list.servers[1].port, 123);
    EXPECT_EQ(list.servers[2].host, "127.0.0.1");
    EXPECT_EQ(list.servers[2].port, 3737);

    const auto none = serversOf("[Time Servers]\nMaxHost=0\nHostTimeout=-5\nHost0=a\n");
    EXPECT_TRUE(none.servers.empty());
    EXPECT_EQ(none.hostTimeoutMs, 0);
    const auto defaults = serversOf("[Time Servers]\nHost98=last\nHost99=out\n");
    EXPECT_EQ(defaults.hostTimeoutMs, 2000);
    ASSERT_EQ(defaults.servers.size(), 1u);
    EXPECT_EQ(defaults.servers[0].index, 98);

    // A file without the section asks the public NTP pool over SNTP.
    const auto fresh = serversOf("[Seçenekler]\nHatırlat=Evet\n");
    ASSERT_EQ(fresh.servers.size(), 5u);
    EXPECT_EQ(fresh.servers[0].host, "0.tr.pool.ntp.org");
    EXPECT_EQ(fresh.servers[4].host, "pool.ntp.org");
    for (const TimeServer& server : fresh.servers) EXPECT_EQ(server.port, 123) << server.entry;
}

TEST(TimeCheckTexts, SignedDriftsAndNothingToCorrect) {
    const CivilTime server{2023, 2, 17, 22, 54, 24};
    const CivilTime pc{2023, 2, 17, 22, 55, 1};
    EXPECT_EQ(resultText(server, pc, 37),
              "Internet Saati :  17/02/2023     22:54:24\nPC'nizin Saati :  17/02/2023     22:55:01\n"
              "\nPC'nizin saati  37 saniye kaymış !\nDüzeltmek ister misiniz ?\n");
    EXPECT_NE(resultText(server, pc, -5).find("  -5 saniye kaymış !"), std::string::npos);
    EXPECT_EQ(resultText(server, server, 0).substr(84), "\nPC'nizin saati  düzeltme gerektirmiyor...\n");
    // More than a day: the question names the jump.
    EXPECT_TRUE(mayCorrectWithoutAsking(-86400));
    EXPECT_FALSE(mayCorrectWithoutAsking(86401));
    EXPECT_EQ(resultText(server, pc, -(400 * 86400 + 5 * 3600 + 59)).substr(84),
              "\nPC'nizin saati  -34578059 saniye kaymış !\n"
              "Saat 400 gün 5 saat ileri alınacak: bu, bir günden büyük bir sıçrama.\nDüzeltmek ister misiniz ?\n");
    EXPECT_EQ(serverCaption("192.0.2.1"), "Sunucu Adresi : 192.0.2.1");
}

}  // namespace
}  // namespace orvanta::nettime
