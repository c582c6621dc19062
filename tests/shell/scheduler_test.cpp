// SPDX-License-Identifier: GPL-3.0-or-later
// The minute scheduler run on a simulated clock: the worked day, the
// options one by one, the wake-up, the tip, summer time, a frozen clock
// and a year of days.
#include "shell/scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fmt/format.h>
#include <map>
#include <set>

#include "settings/settings_file.h"
#include "shell/event_log.h"
#include "shell/notice_memory.h"
#include "shell/simulated_clock.h"
#include "tests/support/temp_folder.h"

namespace orvanta::shell {
namespace {

using engine::VakitType;

constexpr std::int64_t kDay = 86400;

// İstanbul at UTC+2 (the worked day's place and zone); every option at its
// default unless a test changes it before start().
class SchedulerRun : public ::testing::Test {
protected:
    SchedulerRun() : clock(clockTimeAt(2014, 1, 1), platform::SystemZone{120, false, {}}), log([this] { return clock.minuteOfDay(); }) {
        settings.latitude = 4101;
        settings.longitude = 2897;
        settings.timeZoneMinutes = 120;
    }

    void start(const ClockTime& when) {
        clock.set(when);
        log.ikindiAtAsrSani = settings.ikindiAtAsrSani;
        scheduler = std::make_unique<Scheduler>(engine, settings, clock, log, memory);
        settings::applyCalculationParameters(settings, engine);
        scheduler->onCalculationChanged();
    }

    std::vector<std::string> runDay(const ClockTime& day) {
        start(day);
        runSeconds(*scheduler, clock, kDay);
        return log.eventLines();
    }

    // The effects of one kind, as "HH:MM detail".
    std::vector<std::string> logged(std::string_view kind) const {
        std::vector<std::string> found;
        for (const LoggedEffect& e : log.effects()) {
            if (e.kind != kind) continue;
            found.push_back(fmt::format("{:02}:{:02} {}", e.minute / 60, e.minute % 60, e.detail));
        }
        return found;
    }
    std::string lastAt(std::string_view kind, int hour, int minute) const {
        std::string found;
        for (const LoggedEffect& e : log.effects()) {
            if (e.kind == kind && e.minute == hour * 60 + minute) found = e.detail;
        }
        return found;
    }

    engine::Engine engine;
    settings::Settings settings;
    SimulatedClock clock;
    EventLog log;
    InMemoryNoticeMemory memory;
    std::unique_ptr<Scheduler> scheduler;
};

// The worked day (a Wednesday): İmsak 05:48, Güneş 07:22, İşrak 08:16,
// İstiva 11:19, Öğle 12:15, İkindi 14:33, Asr-ı Sani 15:10, İsfirar 16:09,
// Akşam 16:55, Yatsı 18:22, reminders and end salâs on, R = 20.
TEST_F(SchedulerRun, WorkedDayFiresEveryEventAtItsMinute) {
    settings.reminderOn = true;
    settings.salaBeforeEnd = true;
    const std::vector<std::string> expected{
        "05:28 sala sala.wav", "05:28 reminder YATSI", "06:22 ezan SABAH", "07:02 sala sala.wav",
        "07:02 reminder SABAH", "11:50 sala sala.wav", "12:15 ezan ÖĞLE", "14:09 sala sala.wav",
        "14:09 reminder ÖĞLE", "14:33 ezan İKİNDİ", "15:49 warning Kerahetin girmesine 20 dk. kaldı...",
        "16:27 sala sala.wav", "16:27 reminder İKİNDİ", "16:55 ezan AKŞAM", "18:00 sala sala.wav",
        "18:00 reminder AKŞAM", "18:22 ezan YATSI", "22:59 warning Geceyarısına 20 dk. kaldı..."};
    EXPECT_EQ(runDay(clockTimeAt(2014, 1, 1)), expected);
    EXPECT_EQ(scheduler->todayTimes[static_cast<std::size_t>(VakitType::Imsak)], 5 * 60 + 48);
    EXPECT_EQ(lastAt("tip", 10, 0), "ÖĞLE vaktine kalan süre =  2:15") << "İstiva, nearer, maps to Öğle";
    EXPECT_EQ(lastAt("tip", 12, 15), "ÖĞLE vaktine kalan süre =  0:00");
    EXPECT_EQ(lastAt("tip", 11, 10), "ÖĞLE vaktine kalan süre =  1:05");
    EXPECT_EQ(lastAt("tip", 15, 0), "AKŞAM vaktine kalan süre =  1:55") << "Asr-ı Sani maps to Akşam";
    EXPECT_EQ(lastAt("tip", 14, 40), "AKŞAM vaktine kalan süre =  2:15");
    EXPECT_EQ(lastAt("cancel-wake", 12, 0), "") << "wake-up off: every pass cancels it";
    EXPECT_EQ(logged("cancel-wake").size(), 1440u);
}

TEST_F(SchedulerRun, WakeUpTargetsTodaysNextEventThenTomorrowsFirst) {
    scheduler.reset();
    runDay(clockTimeAt(2014, 1, 1));  // with the flag off first: nothing armed
    EXPECT_TRUE(logged("wake").empty());

    log.clear();
    start(clockTimeAt(2014, 1, 1));
    settings.wakeOn = true;
    runSeconds(*scheduler, clock, kDay);
    // Passes run one second into the minute (a countdown of 60 - second
    // runs on the tick after), and the wake-up keeps the clock's seconds.
    EXPECT_EQ(lastAt("wake", 12, 0), "2014-01-01 12:15:01.000");
    EXPECT_EQ(lastAt("wake", 5, 0), "2014-01-01 06:22:01.000");
    // 06:22 + 200 × 2^32 × 100 ns: the next day 8 min 20.65 s before 06:22.
    EXPECT_EQ(lastAt("wake", 18, 22), "2014-01-02 06:13:40.345");
    EXPECT_EQ(lastAt("wake", 23, 59), "2014-01-02 06:13:40.345");
    EXPECT_EQ(logged("wake").size(), 1440u);

    log.clear();
    log.wakeResult = WakeResult::NotSupported;
    clock.set(clockTimeAt(2014, 1, 1, 9, 0));
    scheduler->onTimeChange();
    scheduler->onTick();
    EXPECT_EQ(lastAt("grey", 9, 0), "Wake");
}

TEST_F(SchedulerRun, FridaySalaOnlyOnFridays) {
    settings.cumaSala = true;
    const auto friday = runDay(clockTimeAt(2014, 1, 3));
    const int ogle = scheduler->todayTimes[static_cast<std::size_t>(VakitType::Ogle)];
    const std::set<std::string> fridayLines(friday.begin(), friday.end());
    const std::string expected = fmt::format("{:02}:{:02} sala sala.wav", (ogle - 60) / 60, (ogle - 60) % 60);
    EXPECT_TRUE(fridayLines.count(expected)) << expected;
    log.clear();
    const auto thursday = runDay(clockTimeAt(2014, 1, 2));
    EXPECT_TRUE(std::none_of(thursday.begin(), thursday.end(),
                             [](const std::string& l) { return l.find("sala") != std::string::npos; }));
}

TEST_F(SchedulerRun, SahurSalaWrapsToTheEveningBefore) {
    settings.sahurSala = true;
    settings.timeZoneMinutes = 120 - 288;  // İmsak moves from 05:48 to 01:00
    runDay(clockTimeAt(2014, 1, 1));
    ASSERT_EQ(scheduler->todayTimes[static_cast<std::size_t>(VakitType::Imsak)], 60);
    EXPECT_EQ(logged("sala"), std::vector<std::string>{"23:30 sala.wav"});
}

TEST_F(SchedulerRun, MorningEzanBeforeGunesOrAtImsak) {
    settings.sabahEzanMinutes = 45;
    runDay(clockTimeAt(2014, 1, 1));
    EXPECT_EQ(logged("ezan").front(), "06:37 SABAH");
    log.clear();
    settings.sabahEzanAtImsak = true;
    runDay(clockTimeAt(2014, 1, 1));
    EXPECT_EQ(logged("ezan").front(), "05:48 SABAH");
}

TEST_F(SchedulerRun, MidnightWarningWrapsPastMidnight) {
    settings.reminderOn = true;
    settings.timeZoneMinutes = 120 + 106;  // İstiva 13:05: midnight 01:05, warned at 00:45
    runDay(clockTimeAt(2014, 1, 1));
    ASSERT_EQ(scheduler->todayTimes[static_cast<std::size_t>(VakitType::Istiva)], 13 * 60 + 5);
    EXPECT_EQ(logged("warning").front(), "00:45 Geceyarısına 20 dk. kaldı...");
}

TEST_F(SchedulerRun, IkindiAtAsrSani) {
    settings.reminderOn = true;
    settings.salaBeforeEnd = true;
    settings.ikindiAtAsrSani = true;
    const auto lines = runDay(clockTimeAt(2014, 1, 1));
    const std::set<std::string> all(lines.begin(), lines.end());
    EXPECT_TRUE(all.count("15:10 ezan ASR-I SANİ"));
    EXPECT_FALSE(all.count("14:33 ezan İKİNDİ"));
    EXPECT_TRUE(all.count("14:09 warning İkindinin girmesine 20 dk. kaldı..."));
    EXPECT_FALSE(all.count("14:09 sala sala.wav")) << "no salâ before İkindi";
    EXPECT_TRUE(all.count("14:46 sala sala.wav"));
    EXPECT_TRUE(all.count("14:46 reminder ÖĞLE")) << "Öğle ends at Asr-ı Sani";
    EXPECT_EQ(lastAt("tip", 14, 0), "ASR-I SANİ vaktine kalan süre =  1:10");
}

TEST_F(SchedulerRun, RemainingToAnyTimeCountsToKerahetToo) {
    settings.remainingToAnyTime = true;
    runDay(clockTimeAt(2014, 1, 1));
    EXPECT_EQ(lastAt("tip", 10, 0), "İSTİVA vaktine kalan süre =  1:19");
    EXPECT_EQ(lastAt("tip", 16, 0), "İSFİRAR vaktine kalan süre =  0:09");
}

TEST_F(SchedulerRun, HourlyClockCheckAndWallpaperRefresh) {
    settings.autoCorrectClock = true;
    start(clockTimeAt(2014, 1, 1, 0, 30));
    scheduler->wallpaper.periodMinutes = 60;
    runSeconds(*scheduler, clock, 3 * 3600);
    EXPECT_EQ(logged("time-check"), (std::vector<std::string>{"01:00 ", "02:00 ", "03:00 "}));
    EXPECT_EQ(logged("grey"), (std::vector<std::string>{"01:00 InternetTime", "02:00 InternetTime", "03:00 InternetTime"}));
    EXPECT_EQ(logged("wallpaper"), (std::vector<std::string>{"00:30 ", "01:30 ", "02:30 "}));
    // The clock set back by two hours: drawn again at once.
    clock.set(clockTimeAt(2014, 1, 1, 1, 40));
    scheduler->onTimeChange();
    scheduler->onTick();
    EXPECT_EQ(logged("wallpaper").back(), "01:40 ");
    // Resume from sleep: drawn again at the next tick, due or not.
    scheduler->onResume();
    runSeconds(*scheduler, clock, 1);
    EXPECT_EQ(logged("wallpaper").size(), 5u);
}

TEST_F(SchedulerRun, SummerTimeSwitchRecomputesInTheSamePass) {
    settings.timeZoneMinutes = 60;
    settings.useSystemDaylightSaving = true;
    start(clockTimeAt(2014, 3, 30, 1, 59, 0));
    clock.setZone({60, false, {}});
    runSeconds(*scheduler, clock, 60);
    const auto winterImsak = scheduler->todayTimes[static_cast<std::size_t>(VakitType::Imsak)];
    EXPECT_EQ(engine.state().clockOffset, 60);
    // 02:00 becomes 03:00: the clock jumps and the zone reports summer time.
    clock.set(clockTimeAt(2014, 3, 30, 3, 0, 0));
    clock.setZone({60, true, {}});
    scheduler->onTimeChange();
    scheduler->onTick();
    EXPECT_EQ(engine.state().clockOffset, 120);
    EXPECT_EQ(engine.state().timeOfDay, 180);
    EXPECT_EQ(scheduler->todayTimes[static_cast<std::size_t>(VakitType::Imsak)], winterImsak + 60);
}

// The place's zone gives the day's offset: İstanbul kept summer time in 2014.
TEST_F(SchedulerRun, PlacesZoneGivesTheDaysOffset) {
    settings.timeZoneName = "Europe/Istanbul";
    start(clockTimeAt(2014, 7, 1, 12, 0));
    scheduler->onTick();
    EXPECT_EQ(engine.state().clockOffset, 180);
}

// Until a place is chosen nothing rings, nothing wakes the computer, and
// the tip says why.
TEST_F(SchedulerRun, WithoutAPlaceNothingRingsAndTheTipSaysSo) {
    settings.placeChosen = false;
    start(clockTimeAt(2014, 1, 1));
    settings.wakeOn = true;
    runSeconds(*scheduler, clock, kDay);
    EXPECT_TRUE(log.eventLines().empty());
    EXPECT_EQ(lastAt("tip", 12, 15), "Yer seçilmedi");
    EXPECT_TRUE(logged("wake").empty());
}

TEST_F(SchedulerRun, FrozenClockRunsOnlyAfterATrigger) {
    start(clockTimeAt(2014, 1, 1, 12, 15));
    scheduler->realTimeClock = false;
    scheduler->clockTime = clockTimeAt(2014, 1, 1, 12, 15);
    scheduler->onTick();
    EXPECT_EQ(logged("ezan"), std::vector<std::string>{"12:15 ÖĞLE"}) << "a typed time on an ezan minute plays it";
    runSeconds(*scheduler, clock, 3600);
    EXPECT_EQ(logged("tip").size(), 1u) << "no pass by itself";
    scheduler->triggers.tickCountdown = 2;  // the user stepped the date
    scheduler->clockTime = clockTimeAt(2014, 1, 2, 12, 0);
    scheduler->onTick();
    scheduler->onTick();
    EXPECT_EQ(logged("tip").size(), 1u);
    scheduler->onTick();
    EXPECT_EQ(logged("tip").size(), 2u) << "the pass runs on the third tick";
    EXPECT_EQ(engine.state().day, 2);
}

TEST_F(SchedulerRun, ReligiousDayNoticeOncePerDay) {
    start(clockTimeAt(2014, 7, 27, 0, 0));
    runSeconds(*scheduler, clock, 2 * kDay);
    EXPECT_EQ(logged("notice"), (std::vector<std::string>{"00:00 Yarın  Ramazan Bayramı 1. gün !",
                                                          "00:00 Yarın  Ramazan Bayramı 2. gün !"}));
    EXPECT_EQ(memory.lastNoticeDate(), "28/07/2014");
    log.clear();
    // A restart on the same day gives no second notice.
    start(clockTimeAt(2014, 7, 28, 9, 0));
    runSeconds(*scheduler, clock, 60);
    EXPECT_TRUE(logged("notice").empty());
}

// A year at İstanbul with every option on: each ezan exactly once a day at
// its computed minute, and no event twice in one minute.
TEST_F(SchedulerRun, YearSoakEveryEzanOnceAtItsMinute) {
    settings.timeZoneMinutes = 180;
    settings.reminderOn = settings.salaBeforeEnd = settings.cumaSala = settings.sahurSala = true;
    settings.remainingToAnyTime = true;
    start(clockTimeAt(2025, 1, 1));
    settings.wakeOn = true;
    engine::Engine reference;
    settings::applyCalculationParameters(settings, reference);
    reference.setPlace(4101, 2897, 180);
    for (int dayIndex = 0; dayIndex < 365; ++dayIndex) {
        log.clear();
        const ClockTime today = clock.localTime();
        runSeconds(*scheduler, clock, kDay);
        clock.advanceSeconds(1);
        reference.setDate(static_cast<std::int16_t>(today.day), static_cast<std::int16_t>(today.month),
                          static_cast<std::int16_t>(today.year));
        const auto times = reference.computeDay();
        std::map<std::string, std::vector<int>> ezans;
        std::set<std::tuple<int, std::string, std::string>> seen;
        for (const LoggedEffect& e : log.effects()) {
            if (e.kind == "ezan") ezans[e.detail].push_back(e.minute);
            if (e.kind == "tip" || e.kind == "wake" || e.kind == "cancel-wake") continue;
            ASSERT_TRUE(seen.insert({e.minute, e.kind, e.detail}).second)
                << formatClockTime(today) << " twice: " << e.minute << " " << e.kind << " " << e.detail;
        }
        auto timeOf = [&](VakitType t) { return int{times[static_cast<std::size_t>(t) - 1]}; };
        const std::map<std::string, std::vector<int>> expected{
            {"SABAH", {timeOf(VakitType::Gunes) - 60}},  {"ÖĞLE", {timeOf(VakitType::Ogle)}},
            {"İKİNDİ", {timeOf(VakitType::Ikindi)}},     {"AKŞAM", {timeOf(VakitType::Aksam)}},
            {"YATSI", {timeOf(VakitType::Yatsi)}}};
        ASSERT_EQ(ezans, expected) << formatClockTime(today);
    }
}

TEST(NoticeMemoryFile, LastNoticeDateLivesInTheSettingsAndItsFile) {
    const test::TempFolder folder;
    settings::IniFile file(folder / "orvanta.ini");
    settings::Settings settings;
    SettingsNoticeMemory memory(settings, file);
    EXPECT_EQ(memory.lastNoticeDate(), "");
    memory.rememberNoticeDate("27/07/2014");
    EXPECT_EQ(file.readString("Seçenekler", "Son Dini Gün", "", 64), "27/07/2014");
    settings::Settings reread;
    settings::readSettings(file.read(), reread);
    EXPECT_EQ(SettingsNoticeMemory(reread, file).lastNoticeDate(), "27/07/2014");
}

// The wake-up test pins the ticks against a real instant; a leap day and
// its weekday go through them here.
TEST(ClockTicks, LeapDayRoundTrip) {
    const ClockTime leap = fromLocalTicks(toLocalTicks(clockTimeAt(2024, 2, 29, 23, 59, 59)));
    EXPECT_EQ(formatClockTime(leap), "2024-02-29 23:59:59.000");
    EXPECT_EQ(leap.dayOfWeek, 4);  // a Thursday
}

}  // namespace
}  // namespace orvanta::shell
