// SPDX-License-Identifier: GPL-3.0-or-later
// The Hijri date from the moon and the religious days.
#include <gtest/gtest.h>

#include <string>

#include "tests/engine/open_engine.h"

namespace {

using Engine = orvanta::engine::OpenEngine;
using orvanta::engine::hijriMonthName;

struct HijriCase {
    std::int16_t day, month, year;
    int hijriDay;
    const char* hijriMonth;
    int hijriYear;
    const char* religious;
};

// Reference: the engine's worked dates (İstanbul, UTC+2). On 8 December
// 1999 at 0h UT the moon was still within 8° of the sun.
TEST(Hijri, WorkedDates) {
    const HijriCase cases[] = {
        {8, 12, 1999, 30, "Şaban", 1420, ""},
        {9, 12, 1999, 1, "Ramazan", 1420, "Ramazan'ın ilk günü"},
        {5, 11, 2013, 1, "Muharrem", 1435, "Hicri Yılbaşı"},
        {1, 1, 2014, 29, "Safer", 1435, ""},
        {28, 6, 2014, 1, "Ramazan", 1435, "Ramazan'ın ilk günü"},
        {3, 10, 2014, 9, "Zilhicce", 1435, "Arefe"},
        {4, 10, 2014, 10, "Zilhicce", 1435, "Kurban Bayramı 1. gün"},
    };
    for (const auto& c : cases) {
        Engine e;
        e.setPlace(4101, 2897, 120);
        e.setDate(c.day, c.month, c.year);
        SCOPED_TRACE(testing::Message() << c.day << '.' << c.month << '.' << c.year);
        EXPECT_EQ(e.religiousDay(), c.religious);
        EXPECT_EQ(e.computeHijri(), c.hijriDay);
        EXPECT_EQ(hijriMonthName(e.hijriMonth()), c.hijriMonth);
        EXPECT_EQ(e.hijriYear(), c.hijriYear);
        EXPECT_EQ(e.context.day, c.day);  // the search restores the day
    }
}

// Walking day by day, the Hijri date advances by one day, or starts a new
// month after day 29 or 30, the month and year following in order.
TEST(Hijri, ConsecutiveDaysFormAConsistentCalendar) {
    Engine e;
    e.setPlace(4101, 2897, 180);
    int previousDay = 0, previousMonth = 0, previousYear = 0;
    for (std::int16_t year = 1998; year <= 2030; ++year) {
        for (std::int16_t n = 1; n <= (year % 4 == 0 ? 366 : 365); ++n) {
            e.setDate(n, 1, year);  // day n of January counts on into the later months
            const int d = e.computeHijri();
            const int m = e.hijriMonth();
            const int y = e.hijriYear();
            ASSERT_GE(d, 1);
            ASSERT_LE(d, 30);
            if (previousDay != 0) {
                const bool sameMonth = d == previousDay + 1 && m == previousMonth && y == previousYear;
                const bool nextMonth = d == 1 && previousDay >= 29 &&
                                       ((m == previousMonth + 1 && y == previousYear) ||
                                        (m == 1 && previousMonth == 12 && y == previousYear + 1));
                ASSERT_TRUE(sameMonth || nextMonth) << year << " day " << n << ": " << previousDay << '/'
                                                    << previousMonth << '/' << previousYear << " -> " << d << '/' << m
                                                    << '/' << y;
            }
            previousDay = d;
            previousMonth = m;
            previousYear = y;
        }
    }
}

// Finds the first date from 2000 on whose Hijri day, month and weekday
// match, and returns its religious day.
std::string religiousDayOfFirst(int hijriDay, int hijriMonth, int weekday) {
    Engine e;
    e.setPlace(4101, 2897, 180);
    for (std::int16_t year = 2000; year <= 2090; ++year) {
        for (std::int16_t n = 1; n <= 365; ++n) {
            e.setDate(n, 1, year);
            if (e.weekday() != weekday) continue;
            const std::string_view name = e.religiousDay();
            if (e.computeHijri() == hijriDay && e.hijriMonth() == hijriMonth) return std::string(name);
        }
    }
    return "not found";
}

TEST(Hijri, RuleOrderWithinTheMonth) {
    // A Thursday that is Recep 1 begins Regaib, not the three months.
    EXPECT_EQ(religiousDayOfFirst(1, 7, 4), "Regaib Gecesi");
    EXPECT_EQ(religiousDayOfFirst(1, 7, 1), "Üç Ayların Başlangıcı");
    // A Saturday that is Ramazan 26 is the Şarani Kadir night.
    EXPECT_EQ(religiousDayOfFirst(26, 9, 6), "Kadir Gecesi (Şarani)");
    EXPECT_EQ(religiousDayOfFirst(26, 9, 3), "Kadir Gecesi (R.27)");
    EXPECT_EQ(religiousDayOfFirst(30, 6, 4), "Regaib Gecesi");
    EXPECT_EQ(religiousDayOfFirst(4, 10, 2), "");
    EXPECT_EQ(religiousDayOfFirst(3, 10, 2), "Ramazan Bayramı 3. gün");
    EXPECT_EQ(religiousDayOfFirst(13, 12, 5), "Kurban Bayramı 4. gün");
    EXPECT_EQ(religiousDayOfFirst(14, 8, 7), "Berat Gecesi");
}

TEST(Hijri, CacheSurvivesTheTimeOfDayButNotTheDate) {
    Engine e;
    e.setPlace(4101, 2897, 120);
    e.setDate(3, 10, 2014);
    EXPECT_EQ(e.hijriMonth(), 12);
    e.context.moonValid = 1;
    e.computeHijri();
    EXPECT_EQ(e.context.moonValid, 0);  // the search leaves other moon values
    e.context.hijriMonthValue = 77;
    e.setTimeOfDay(23, 59);
    EXPECT_EQ(e.hijriMonth(), 77);
    e.setDate(3, 10, 2014);
    EXPECT_EQ(e.hijriMonth(), 12);
    EXPECT_EQ(e.hijriYear(), 1435);
}

}  // namespace
