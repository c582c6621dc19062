// SPDX-License-Identifier: GPL-3.0-or-later
// Day arithmetic of the day context: day of year, day number, weekday,
// month and day from a day of year, minute wrap, setters and cache flags.
#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "tests/engine/open_engine.h"

namespace {

using Engine = orvanta::engine::OpenEngine;

struct DateCase {
    std::int16_t day, month, year;
    std::int16_t dayOfYear;
    std::int32_t dayNumber;
    std::int16_t weekday;
};

// Reference: the civil calendar (1 January 2000 was a Saturday, 1 January
// 1901 a Tuesday, 31 December 2099 a Thursday).
TEST(Calendar, DayOfYearDayNumberAndWeekday) {
    const DateCase cases[] = {
        {1, 1, 2000, 1, 0, 6},          {2, 1, 2000, 2, 1, 7},       {3, 1, 2000, 3, 2, 1},
        {1, 3, 2000, 61, 60, 3},        {31, 12, 2000, 366, 365, 7}, {1, 1, 2001, 1, 366, 1},
        {1, 1, 2014, 1, 5114, 3},       {3, 10, 2014, 276, 5389, 5}, {1, 1, 1901, 1, -36159, 2},
        {31, 12, 2099, 365, 36524, 4},  {29, 2, 2016, 60, 5903, 1},  {1, 3, 2013, 60, 4808, 5},
    };
    for (const auto& c : cases) {
        Engine e;
        e.setDate(c.day, c.month, c.year);
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        const orvanta::engine::Date date{c.year, c.month, c.day};
        EXPECT_EQ(orvanta::engine::dayOfYear(date), c.dayOfYear);
        EXPECT_EQ(e.dayNumber(), c.dayNumber);
        EXPECT_EQ(orvanta::engine::dayNumberOf(date), c.dayNumber);
        EXPECT_EQ(e.weekday(), c.weekday);
        EXPECT_EQ(orvanta::engine::weekdayOf(date), c.weekday);
    }
}

TEST(Calendar, EveryYearDivisibleByFourIsLeapIncluding2100) {
    EXPECT_EQ(orvanta::engine::dayOfYear({2100, 3, 1}), 61);
    EXPECT_EQ(orvanta::engine::dayOfYear({1900, 3, 1}), 61);
}

TEST(Calendar, DayOutsideTheMonthCountsOnFromTheMonthStart) {
    Engine e;
    e.setDate(1, 2, 2014);
    const auto firstFebruary = e.dayNumber();
    e.setDate(32, 1, 2014);
    EXPECT_EQ(e.dayNumber(), firstFebruary);
    e.setDate(28, 2, 2014);
    const auto lastFebruary = e.dayNumber();
    e.setDate(0, 3, 2014);
    EXPECT_EQ(e.dayNumber(), lastFebruary);
    e.setDate(-1, 3, 2014);
    EXPECT_EQ(e.dayNumber(), lastFebruary - 1);
}

TEST(Calendar, DayNumbersAreConsecutiveAcrossTheWholeRange) {
    Engine e;
    e.setDate(1, 1, 1901);
    std::int32_t previous = e.dayNumber() - 1;
    for (std::int16_t year = 1901; year <= 2099; ++year) {
        for (std::int16_t n = 1; n <= (year % 4 == 0 ? 366 : 365); ++n) {
            const orvanta::engine::Date date = orvanta::engine::dateOfDayOfYear(year, n);
            e.setDate(date.day, date.month, year);
            ASSERT_EQ(orvanta::engine::dayOfYear(date), n);
            ASSERT_EQ(e.dayNumber(), previous + 1) << year << '-' << date.month << '-' << date.day;
            previous = e.dayNumber();
        }
    }
}

// Month 13 marks a day of year past the year's end.
TEST(Calendar, DateOfDayOfYearWalksTheMonthTable) {
    struct Case {
        std::int16_t year, dayOfYear, month, day;
    };
    for (const Case& c : {Case{2012, 60, 2, 29}, {2013, 60, 3, 1}, {2013, 366, 13, 1}, {2012, 367, 13, 1}, {2012, 1, 1, 1}}) {
        const orvanta::engine::Date date = orvanta::engine::dateOfDayOfYear(c.year, c.dayOfYear);
        EXPECT_EQ(date.month * 100 + date.day, c.month * 100 + c.day) << c.year << ' ' << c.dayOfYear;
    }
}

// wrapMinutes(5000) was negative below -1440 and lost the morning ezan;
// INT_MIN overflowed.
TEST(Calendar, WrapMinutesTookOnlyOneDayNegative) {
    using orvanta::engine::wrapMinutes;
    const std::pair<std::int32_t, std::int16_t> cases[] = {
        {-5, 1435}, {-1440, 0}, {1439, 1439}, {1500, 60}, {-5000, 760}, {std::numeric_limits<std::int32_t>::min(), 1312}};
    for (const auto& [minutes, wrapped] : cases) EXPECT_EQ(wrapMinutes(minutes), wrapped) << minutes;
}

}  // namespace
