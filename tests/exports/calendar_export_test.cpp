// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar export: libical reads back what it wrote, and the zone's
// offset follows its summer time.
#include <gtest/gtest.h>

#include <libical/ical.h>

#include "exports/calendar_export.h"

namespace {

using orvanta::exports::CalendarDay;

orvanta::settings::Settings berlin() {
    orvanta::settings::Settings settings;
    settings.latitude = 5252;
    settings.longitude = 1340;
    settings.placeName = "Berlin";
    return settings;
}

TEST(ZoneOffset, FollowsTheZonesSummerTimeAtNoon) {
    struct Case {
        const char* zone;
        CalendarDay day;
        std::int32_t minutes;
    };
    const Case cases[] = {
        {"Europe/Berlin", {2026, 3, 28}, 60},   {"Europe/Berlin", {2026, 3, 29}, 120},
        {"Europe/Berlin", {2026, 10, 25}, 60},  {"Europe/Istanbul", {2026, 7, 1}, 180},
        {"America/Sao_Paulo", {2026, 1, 1}, -180}, {"Pacific/Kiritimati", {2026, 1, 1}, 840},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(orvanta::exports::zoneOffsetMinutesAtNoon(c.zone, c.day), c.minutes) << c.zone << ' ' << c.day.day;
    }
    EXPECT_THROW(orvanta::exports::zoneOffsetMinutesAtNoon("Asia/Atlantis", {2026, 1, 1}),
                 orvanta::exports::UnknownZone);
}

// The calendar's zone is the settings' place zone, when the zone database
// holds it; else none (the file in UTC, as the times keep the fixed offset).
TEST(PlaceZoneName, IsTheSettingsKnownZone) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"Europe/Berlin", "Europe/Berlin"}, {"", std::nullopt}, {"Asia/Atlantis", std::nullopt}};
    for (const auto& [zone, expected] : cases) {
        auto settings = berlin();
        settings.timeZoneName = zone;
        EXPECT_EQ(orvanta::exports::placeZoneName(settings), expected) << zone;
    }
}

TEST(IcsCalendar, RoundTripsThroughLibicalAndPassesItsChecks) {
    const auto settings = berlin();
    const auto days = orvanta::exports::exportDays(orvanta::engine::CalculationParameters{}, settings, {2026, 3, 28}, 2,
                                                   [](const CalendarDay& day) {
                                                       return orvanta::exports::zoneOffsetMinutesAtNoon("Europe/Berlin", day);
                                                   });
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].clockOffsetMinutes, 60);
    EXPECT_EQ(days[1].clockOffsetMinutes, 120);
    using orvanta::engine::VakitType;
    const std::string text = orvanta::exports::icsCalendar(
        days, {{VakitType::Imsak, VakitType::Ogle}, 15, "Europe/Berlin", settings.placeName, 5252, 1340});

    icalcomponent* parsed = icalparser_parse_string(text.c_str());
    ASSERT_NE(parsed, nullptr);
    EXPECT_EQ(icalrestriction_check(parsed), 1) << "RFC 5545 restrictions";
    char* again = icalcomponent_as_ical_string_r(parsed);
    EXPECT_EQ(std::string(again), text);
    EXPECT_EQ(icalcomponent_count_components(parsed, ICAL_VEVENT_COMPONENT), 4);
    EXPECT_EQ(icalcomponent_count_components(parsed, ICAL_VTIMEZONE_COMPONENT), 1);
    icalmemory_free_buffer(again);
    icalcomponent_free(parsed);
    EXPECT_NE(text.find("TRIGGER:-PT15M"), std::string::npos);
    EXPECT_NE(text.find("UID:20260328-ogle-5252-1340@orvanta"), std::string::npos) << "one UID per place and time";
}

}  // namespace
