// SPDX-License-Identifier: GPL-3.0-or-later
// The value functions: the same arguments give the same bits, whatever was
// computed before, and the bits are those of a fresh engine asked in order.
#include <gtest/gtest.h>

#include "engine/day_times.h"
#include "engine/engine.h"

namespace {

using namespace orvanta::engine;

struct DayCase {
    Place place;
    Date date;
    std::int16_t mode;
    bool diyanet;
};

// Mid-latitude, polar summer, southern, the Diyanet choice beyond 45°.
const DayCase kDays[] = {
    {{4101, 2897, 120}, {2014, 1, 1}, 4, false},  {{6000, 2500, 180}, {2014, 6, 21}, 3, false},
    {{-3392, 1842, 120}, {2026, 12, 6}, 5, false}, {{5252, 1340, 120}, {2026, 6, 21}, 4, true},
    {{4101, 2897, 180}, {2026, 3, 20}, 0, true},
};

CalculationParameters parametersFor(const DayCase& c) {
    CalculationParameters parameters;
    parameters.mode = c.mode;
    parameters.diyanetMethod = c.diyanet;
    return parameters;
}

TEST(DayTimes, AreTheTimesOfAFreshEngineWhateverCameBefore) {
    for (const DayCase& c : kDays) {
        Engine fresh;
        fresh.parameters = parametersFor(c);
        fresh.setPlace(c.place.latitudeHundredths, c.place.longitudeHundredths, c.place.clockOffsetMinutes);
        fresh.setDate(c.date.day, c.date.month, c.date.year);
        const DiyanetDay expected = fresh.diyanetDay();

        const DayTimes first = computeDay(c.place, c.date, parametersFor(c));
        for (const DayCase& other : kDays) computeDay(other.place, other.date, parametersFor(other));
        const DayTimes again = computeDay(c.place, c.date, parametersFor(c));

        SCOPED_TRACE(testing::Message() << c.place.latitudeHundredths << ' ' << c.date.year << '-' << c.date.month);
        EXPECT_EQ(first.times, expected.times);
        EXPECT_EQ(again.times, expected.times);
        EXPECT_EQ(first.imsakRule, expected.imsakRule);
        EXPECT_EQ(first.yatsiDepressionDegrees, expected.yatsiDepressionDegrees);
        EXPECT_EQ(first.highLatitudeRule(), c.diyanet && c.place.latitudeHundredths >= 4500);
        const VakitTimes byType = first.byType();
        EXPECT_EQ(byType[static_cast<std::size_t>(VakitType::Sabah)], 0);
        EXPECT_EQ(byType[static_cast<std::size_t>(VakitType::Yatsi)], first.times[9]);
    }
}

// The kept hour angles come back with the day: İmsak and Akşam lie that
// far from the transit (Öğle less its 2 + 5 minutes), temkins added.
TEST(DayTimes, CarryTheHourAnglesOfImsakAndAksam) {
    const DayTimes day = computeDay({4101, 2897, 120}, {2014, 1, 1}, {});
    const int transit = day.times[4] - 7;
    EXPECT_NEAR(day.times[0], transit + day.imsakHourAngleMinutes - 2, 1);
    EXPECT_NEAR(day.times[8], transit + day.aksamHourAngleMinutes + 8, 1);
}

TEST(SkyAt, IsTheSkyOfAFreshEngineAtThatMinute) {
    const Place istanbul{4101, 2897, 180};
    const Date date{2014, 4, 15};
    Engine fresh;
    fresh.setPlace(istanbul.latitudeHundredths, istanbul.longitudeHundredths, istanbul.clockOffsetMinutes);
    fresh.setDate(date.day, date.month, date.year);
    fresh.setTimeOfDay(10, 46);
    const SkyValues expected = fresh.sky();
    skyAt({-3392, 1842, 120}, {2030, 1, 1}, 0);
    const SkyValues sky = skyAt(istanbul, date, 10 * 60 + 46);
    EXPECT_EQ(sky.sunAzimuth, expected.sunAzimuth);
    EXPECT_EQ(sky.moonElongation, expected.moonElongation);
    EXPECT_EQ(sky.moonDistance, expected.moonDistance);
    EXPECT_EQ(sky.qibla, expected.qibla);
    EXPECT_EQ(sky.skyMessage, expected.skyMessage);
}

// 1 Ramazan 1447 fell on 19 February 2026 by the world calendar.
TEST(HijriDate, NamesTheDayAndItsReligiousDays) {
    const HijriDate ramadan = hijriDate({4101, 2897, 180}, {2026, 2, 19}, true);
    EXPECT_EQ(ramadan.day, 1);
    EXPECT_EQ(ramadan.month, 9);
    EXPECT_EQ(ramadan.year, 1447);
    EXPECT_EQ(ramadan.religiousDays.joined(" | "), "Ramazan'ın ilk günü");
    EXPECT_TRUE(hijriDate({4101, 2897, 180}, {2026, 2, 20}, true).religiousDays.empty());
}

}  // namespace
