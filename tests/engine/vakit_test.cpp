// SPDX-License-Identifier: GPL-3.0-or-later
// The ten daily times: the worked days, the modes, temkin, the
// high-latitude limits and the Yatsı bounds.
#include <gtest/gtest.h>

#include <array>
#include <fmt/format.h>
#include <string>

#include "tests/engine/open_engine.h"

namespace {

using Engine = orvanta::engine::OpenEngine;
using orvanta::engine::VakitType;
using Day = std::array<std::uint16_t, orvanta::engine::kComputedVakits>;

constexpr std::uint16_t hm(int hours, int minutes) { return static_cast<std::uint16_t>(hours * 60 + minutes); }

std::string clockText(const Day& day) {
    std::string text;
    for (auto m : day) text += fmt::format(" {:02}:{:02}", m / 60, m % 60);
    return text;
}

using Temkin = std::array<std::int16_t, 10>;
constexpr Temkin kDefaultTemkin{-2, -6, 10, 0, 5, 4, 4, 0, 8, 2};
constexpr Temkin kNoTemkin{};

// A fresh engine set to a place, a date, a mode and temkins (−18°/−17°).
Engine engineFor(std::int16_t lat, std::int16_t lon, std::int16_t offset, std::int16_t d, std::int16_t m,
                 std::int16_t y, std::int16_t mode = 4, const Temkin& temkin = kDefaultTemkin) {
    Engine e;
    e.setAnglesAndMode(-1800, -1700, mode);
    e.setTemkin(temkin);
    e.setPlace(lat, lon, offset);
    e.setDate(d, m, y);
    return e;
}

Day computeFresh(std::int16_t lat, std::int16_t lon, std::int16_t offset, std::int16_t d, std::int16_t m,
                 std::int16_t y, std::int16_t mode = 4, const Temkin& temkin = kDefaultTemkin) {
    return engineFor(lat, lon, offset, d, m, y, mode, temkin).computeDay();
}

// Reference: the engine's worked days (İstanbul, defaults, fresh engine).
TEST(Vakit, IstanbulFirstOfJanuary2014) {
    const Day expected{348, 442, 496, 679, 735, 873, 910, 969, 1015, 1102};
    EXPECT_EQ(clockText(computeFresh(4101, 2897, 120, 1, 1, 2014)), clockText(expected));
}

TEST(Vakit, IstanbulSummerSolstice2014WithSummerTime) {
    const Day expected{hm(3, 22),  hm(5, 25),  hm(6, 18),  hm(12, 3),  hm(13, 13),
                       hm(17, 11), hm(18, 25), hm(20, 4),  hm(20, 49), hm(22, 40)};
    EXPECT_EQ(clockText(computeFresh(4101, 2897, 180, 21, 6, 2014)), clockText(expected));
}

// 60° N, 25° E, UTC+3, 21 June 2014: the sun stays above −18° all night.
TEST(Vakit, SixtyNorthInEveryMode) {
    const Day mode0{hm(1, 22),  hm(3, 53),  hm(5, 5),   hm(12, 6),  hm(13, 24),
                    hm(18, 4),  hm(19, 23), hm(21, 38), hm(22, 50), hm(1, 22)};
    EXPECT_EQ(clockText(computeFresh(6000, 2500, 180, 21, 6, 2014, 0)), clockText(mode0));

    const Day common{hm(1, 50),  hm(3, 47),  hm(5, 15),  hm(12, 21), hm(13, 29),
                     hm(18, 8),  hm(19, 27), hm(21, 38), hm(22, 58), 0};
    // Mode 2's Yatsı falls after midnight and wraps to 00:54.
    const std::uint16_t yatsiByMode[] = {0, 0, hm(0, 54), hm(0, 23), hm(23, 52), hm(23, 0)};
    for (std::int16_t mode = 2; mode <= 5; ++mode) {
        Day expected = common;
        expected[9] = yatsiByMode[mode];
        EXPECT_EQ(clockText(computeFresh(6000, 2500, 180, 21, 6, 2014, mode)), clockText(expected)) << "mode " << mode;
    }
}

TEST(Vakit, ModeZeroIgnoresEveryTemkin) {
    Engine plain = engineFor(4101, 2897, 120, 1, 1, 2014, 0, kNoTemkin);
    EXPECT_EQ(clockText(plain.computeDay()),
              clockText(computeFresh(4101, 2897, 120, 1, 1, 2014, 0, {-9, 9, -9, 9, 5, 9, -9, 9, -9, 9})));
    // Öğle is then the transit plus two minutes.
    plain.computeVakit(VakitType::Imsak);
    plain.computeVakit(VakitType::Gunes);
    plain.computeVakit(VakitType::Israk);
    plain.computeVakit(VakitType::Istiva);
    const auto ogle = plain.computeVakit(VakitType::Ogle);
    EXPECT_EQ(ogle, static_cast<std::uint16_t>(plain.localTransit() + 2.0L));
}

TEST(Vakit, TemkinShiftsEachTimeByItsOwnMinutes) {
    const Day base = computeFresh(4101, 2897, 120, 1, 1, 2014, 1, kNoTemkin);
    const Temkin temkin{-2, -6, 10, -3, 5, 4, 4, -7, 8, 2};
    const Day moved = computeFresh(4101, 2897, 120, 1, 1, 2014, 1, temkin);
    for (std::size_t i = 0; i < moved.size(); ++i) {
        // Truncation of the sum may land one minute either side.
        EXPECT_NEAR(moved[i] - base[i], temkin[i], 1) << orvanta::engine::vakitNames[i + 1];
    }
}

TEST(Vakit, SabahTemkinHasNoEffect) {
    Engine a;
    a.setPlace(4101, 2897, 120);
    a.setDate(21, 6, 2014);
    Engine b = a;
    b.parameters.temkin[0] = 30;
    EXPECT_EQ(clockText(a.computeDay()), clockText(b.computeDay()));
}

TEST(Vakit, TimesOfADayAreInOrderAllYearAtIstanbul) {
    Engine e;
    e.setPlace(4101, 2897, 180);
    for (std::int16_t n = 1; n <= 365; ++n) {
        e.setDate(n, 1, 2015);  // day n of January counts on into the later months
        const Day times = e.computeDay();
        for (std::size_t i = 1; i < times.size(); ++i) {
            ASSERT_LT(times[i - 1], times[i]) << "day " << n << ": " << clockText(times);
        }
    }
}

}  // namespace
