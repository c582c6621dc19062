// SPDX-License-Identifier: GPL-3.0-or-later
// The zone offsets against the C library's own reading of the same zone
// files: summer and winter days north and south, a switching Sunday, and
// a zone that flags its winter.
#include "timezone/zone_offsets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace orvanta::timezone {
namespace {

// The offset in force at local noon as the C library gives it for TZ=zone.
std::int32_t libcOffsetAtNoon(const char* zone, LocalDate date) {
    const char* before = std::getenv("TZ");
    const std::optional<std::string> saved = before ? std::optional<std::string>(before) : std::nullopt;
    setenv("TZ", zone, 1);
    tzset();
    std::tm noon{.tm_sec = 0, .tm_min = 0, .tm_hour = 12, .tm_mday = date.day, .tm_mon = date.month - 1,
                 .tm_year = date.year - 1900, .tm_wday = 0, .tm_yday = 0, .tm_isdst = -1, .tm_gmtoff = 0,
                 .tm_zone = nullptr};
    const std::time_t when = std::mktime(&noon);
    std::tm local{};
    localtime_r(&when, &local);
    saved ? setenv("TZ", saved->c_str(), 1) : unsetenv("TZ");
    tzset();
    return static_cast<std::int32_t>(local.tm_gmtoff / 60);
}

TEST(ZoneOffsets, AgreeWithTheZoneFilesSummerAndWinter) {
    struct Case {
        const char* zone;
        LocalDate date;
        std::int32_t summerMinutes;
    };
    const Case cases[] = {
        {"Europe/Berlin", {2026, 1, 15}, 0},      {"Europe/Berlin", {2026, 7, 1}, 60},
        {"Europe/Berlin", {2026, 3, 29}, 60},     // the switching Sunday: noon is summer time
        {"Europe/Berlin", {2026, 10, 25}, 0},     {"Europe/Amsterdam", {2026, 1, 15}, 0},
        {"Europe/Amsterdam", {2026, 7, 1}, 60},   {"Australia/Sydney", {2026, 1, 15}, 60},
        {"Australia/Sydney", {2026, 7, 1}, 0},    {"Europe/Istanbul", {2026, 7, 1}, 0},
        {"Asia/Kolkata", {2026, 7, 1}, 0},        {"America/New_York", {1990, 7, 1}, 60},
        // Ireland's zone files flag winter, not summer: summer is still summer.
        {"Europe/Dublin", {2026, 1, 15}, 0},      {"Europe/Dublin", {2026, 7, 1}, 60},
    };
    for (const Case& c : cases) {
        const auto offset = offsetOnLocalDate(c.zone, c.date);
        ASSERT_TRUE(offset.has_value()) << c.zone;
        EXPECT_EQ(offset->utcOffsetMinutes, libcOffsetAtNoon(c.zone, c.date)) << c.zone << " " << c.date.month;
        EXPECT_EQ(offset->summerMinutes, c.summerMinutes) << c.zone << " " << c.date.month;
    }
    // An instant: 2026-03-29 00:30 UTC is still winter in Berlin, 01:30 UTC summer.
    EXPECT_EQ(offsetAtUnixSeconds("Europe/Berlin", 1774744200)->utcOffsetMinutes, 60);
    EXPECT_EQ(offsetAtUnixSeconds("Europe/Berlin", 1774747800)->utcOffsetMinutes, 120);
}

TEST(ZoneOffsets, UnknownNamesAndCities) {
    for (const char* name : {"", "Europe/Köln", "UTC-3", "../etc/passwd"}) {
        EXPECT_FALSE(isKnownZone(name)) << name;
        EXPECT_FALSE(offsetOnLocalDate(name, {2026, 7, 1})) << name;
    }
    EXPECT_EQ(zoneCityName("America/New_York"), "New York");
    EXPECT_EQ(zoneCityName("Europe/Istanbul"), "Istanbul");
    EXPECT_EQ(zoneCityName("UTC"), "UTC");
}

}  // namespace
}  // namespace orvanta::timezone
