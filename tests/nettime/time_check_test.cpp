// The time check's pure parts: the replies of both protocols with the era
// rule, the server list of the settings file, and the texts.
#include <gtest/gtest.h>

#include <vector>

#include "nettime/time_check.h"
#include "nettime/time_protocol.h"

namespace orvanta::nettime {
namespace {

std::optional<std::int64_t> rfc868(std::vector<std::uint8_t> bytes) { return timeReplyToUnix(bytes); }

// Reference: RFC 868 counts seconds since 1900; 2^32 of them end on
// 2036-02-07 06:28:16 UTC = 2085978496 s after 1970.
TEST(TimeReply, ExampleEraRuleAndShortReplies) {
    EXPECT_EQ(rfc868({0xE7, 0x9A, 0x68, 0x00, 0x55}), 1676667264);  // 2023-02-17 20:54:24 UTC
    EXPECT_EQ(rfc868({0xFF, 0xFF, 0xFF, 0xFF}), 2085978495);        // the era's last second
    EXPECT_EQ(rfc868({0x00, 0x00, 0x00, 0x00}), 2085978496);        // the next era begins
    EXPECT_EQ(rfc868({0x80, 0x00, 0x00, 0x00}), -61505152);         // 1968-01-20: the oldest read as era 0
    for (std::size_t length = 0; length < 4; ++length) {
        EXPECT_FALSE(rfc868(std::vector<std::uint8_t>(length, 0xE7))) << length << " bytes are no answer";
    }
    EXPECT_TRUE(isPlausibleServerTime(1676667264));
    EXPECT_FALSE(isPlausibleServerTime(0));           // a server that says 1970
    EXPECT_FALSE(isPlausibleServerTime(1577836799));  // 2019-12-31 23:59:59
    EXPECT_FALSE(isPlausibleServerTime(4102444800));  // 2100-01-01
}

TEST(SntpReply, TransmitSecondsFromAServerOnly) {
    const auto request = sntpRequest();
    EXPECT_EQ(request[0], 0x23);  // version 4, client
    std::vector<std::uint8_t> reply(48, 0);
    reply[0] = 0x24;  // version 4, server
    reply[1] = 2;     // stratum
    const std::uint8_t seconds[] = {0xE7, 0x9A, 0x68, 0x00};
    std::copy(std::begin(seconds), std::end(seconds), reply.begin() + 40);
    reply[44] = 0xFF;  // a fraction of the second, dropped
    EXPECT_EQ(sntpReplyToUnix(reply), 1676667264);
    reply[1] = 0;  // kiss of death
    EXPECT_FALSE(sntpReplyToUnix(reply));
    reply[1] = 2;
    reply[0] = 0x23;  // a client's packet echoed
    EXPECT_FALSE(sntpReplyToUnix(reply));
    reply[0] = 0x24;
    reply.resize(47);
    EXPECT_FALSE(sntpReplyToUnix(reply));
}

TEST(TimeServers, GapsLimitsProtocolsAndPorts) {
    const auto list = readTimeServers(settings::IniDocument::parse(
        "[Time Servers]\nMaxHost=6\nHostTimeout=99999\nHost1=time.example.org\nHost2=\nHost3=ntp:pool.example.org\n"
        "Host4=127.0.0.1:3737\nHost5=host:0\nHost7=beyond.max\n"));
    EXPECT_EQ(list.hostTimeoutMs, 32767);
    ASSERT_EQ(list.servers.size(), 3u);
    EXPECT_EQ(list.servers[0].index, 1);
    EXPECT_EQ(list.servers[0].port, 37);
    EXPECT_EQ(list.servers[1].protocol, TimeProtocol::Sntp);
    EXPECT_EQ(list.servers[1].host, "pool.example.org");
    EXPECT_EQ(list.servers[1].port, 123);
    EXPECT_EQ(list.servers[2].host, "127.0.0.1");
    EXPECT_EQ(list.servers[2].port, 3737);

    const auto none = readTimeServers(settings::IniDocument::parse("[Time Servers]\nMaxHost=0\nHostTimeout=-5\nHost0=a\n"));
    EXPECT_TRUE(none.servers.empty());
    EXPECT_EQ(none.hostTimeoutMs, 0);
    const auto defaults = readTimeServers(settings::IniDocument::parse("[Time Servers]\nHost98=last\nHost99=out\n"));
    EXPECT_EQ(defaults.hostTimeoutMs, 2000);
    ASSERT_EQ(defaults.servers.size(), 1u);
    EXPECT_EQ(defaults.servers[0].index, 98);

    // A file without the section asks the public NTP pool over SNTP.
    const auto fresh = readTimeServers(settings::IniDocument::parse("[Seçenekler]\nHatırlat=Evet\n"));
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
    EXPECT_EQ(serverCaption("192.0.2.1"), "Sunucu Adresi : 192.0.2.1");
}

}  // namespace
}  // namespace orvanta::nettime
