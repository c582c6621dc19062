// SPDX-License-Identifier: GPL-3.0-or-later
// Quiet hours: where each choice ends, the tip's Turkish dative after the
// spoken time, and the settings file's spelling of the end.
#include "shell/quiet_hours.h"

#include <gtest/gtest.h>

namespace orvanta::shell {
namespace {

TEST(QuietHours, EachChoiceEndsOnAMinuteAndTheMorningIsTheNextEightOClock) {
    const struct {
        ClockTime now;
        QuietSpan span;
        const char* end;
    } cases[] = {
        {clockTimeAt(2014, 1, 1, 12, 14, 50), QuietSpan::OneHour, "2014-01-01 13:14"},
        {clockTimeAt(2014, 1, 1, 23, 30, 0), QuietSpan::TwoHours, "2014-01-02 01:30"},
        {clockTimeAt(2014, 12, 31, 22, 0, 0), QuietSpan::FourHours, "2015-01-01 02:00"},
        {clockTimeAt(2014, 2, 28, 21, 0, 0), QuietSpan::UntilMorning, "2014-03-01 08:00"},
        {clockTimeAt(2014, 1, 1, 2, 0, 0), QuietSpan::UntilMorning, "2014-01-01 08:00"},
        {clockTimeAt(2014, 1, 1, 8, 0, 0), QuietSpan::UntilMorning, "2014-01-02 08:00"},
    };
    for (const auto& c : cases) {
        const ClockTime end = quietEnd(c.now, c.span);
        EXPECT_EQ(formatQuietEnd(end), c.end) << formatClockTime(c.now);
        EXPECT_TRUE(quietHolds(end, c.now));
        EXPECT_FALSE(quietHolds(end, end));
    }
}

TEST(QuietHours, TipSaysTheEndWithTheEndingOfItsLastSpokenWord) {
    const struct {
        int hour, minute;
        const char* line;
    } cases[] = {
        {14, 30, "Sessiz: 14:30'a kadar"},   // otuz
        {13, 14, "Sessiz: 13:14'e kadar"},   // on dört
        {9, 6, "Sessiz: 09:06'ya kadar"},    // altı
        {9, 20, "Sessiz: 09:20'ye kadar"},   // yirmi
        {8, 0, "Sessiz: 08:00'e kadar"},     // sekiz
        {10, 0, "Sessiz: 10:00'a kadar"},    // on
        {0, 0, "Sessiz: 00:00'a kadar"},     // sıfır
        {22, 52, "Sessiz: 22:52'ye kadar"},  // iki
    };
    for (const auto& c : cases) EXPECT_EQ(quietTipLine(clockTimeAt(2014, 1, 1, c.hour, c.minute)), c.line);
}

TEST(QuietHours, SavedEndReadsBackAndAnythingElseIsNoQuiet) {
    const ClockTime end = clockTimeAt(2014, 1, 2, 8, 0);
    EXPECT_EQ(toLocalTicks(*parseQuietEnd(formatQuietEnd(end))), toLocalTicks(end));
    for (const char* bad : {"", "yarın", "2014-01-02 08:00x", "2014-13-02 08:00", "2014-01-02 24:00", "2014-01-02"}) {
        EXPECT_FALSE(parseQuietEnd(bad).has_value()) << bad;
    }
}

}  // namespace
}  // namespace orvanta::shell
