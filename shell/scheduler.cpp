// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/scheduler.h"

#include <cstdio>
#include <fmt/printf.h>

#include "settings/keys.h"
#include "shell/upcoming_time.h"

namespace orvanta::shell {

namespace {

using engine::VakitType;

constexpr std::int32_t kMinutesPerDay = 1440;
// Minutes from Istiva (true noon) to midnight, half a day.
constexpr std::int32_t kHalfDayMinutes = 720;
constexpr std::int16_t kFriday = 5;  // engine weekday: 1 = Monday .. 7 = Sunday
constexpr int kPendingNothing = 0;
constexpr int kPendingMinute = 1;
constexpr int kPendingRecompute = 2;
constexpr int kPendingResume = 3;
constexpr int kMorningEzanSlot = 0;
// 200 × 2^32 ticks of 100 ns: the wake-up for tomorrow's first
// event is today's clock time of that event plus this, 23 h 51 min 39.35 s,
// a little less than a day.
constexpr LocalTicks kNextDayWakeTicks = LocalTicks{200} << 32;

constexpr std::string_view kSalaFile = "sala.wav";

std::string withMinutes(const char* format, std::int32_t minutes) { return fmt::sprintf(format, minutes); }

std::int32_t timeOf(const engine::VakitTimes& times, VakitType type) {
    return times[static_cast<std::size_t>(type)];
}

}  // namespace

// One pass's own view: its minute, its day's times and the event bounds it
// gathers.
struct Scheduler::Pass {
    std::int32_t nowMinute = 0;
    engine::VakitTimes times{};
    std::int16_t weekday = 0;
    std::int32_t earliestEventMinute = kMinutesPerDay;
    std::int32_t nextEventMinute = kMinutesPerDay;

    std::int32_t minutesUntil(VakitType type) const { return engine::wrapMinutes(timeOf(times, type) - nowMinute); }

    bool isEventNow(std::int32_t minute) {
        const std::int32_t event = engine::wrapMinutes(minute);
        if (event < earliestEventMinute) earliestEventMinute = event;
        if (event > nowMinute && event < nextEventMinute) nextEventMinute = event;
        return event == nowMinute;
    }
};

const VakitRoles& vakitRoles(VakitType type) {
    static const std::array<VakitRoles, engine::kVakitCount> kRoles{{
        {VakitType::Sabah, std::nullopt, -1},                   // Sabah: not a computed time
        {VakitType::Imsak, VakitType::Yatsi, 0},                // İmsak ends Yatsı
        {VakitType::Gunes, VakitType::Sabah, 1},                // Güneş ends the morning prayer
        {VakitType::Ogle, std::nullopt, -1},                    // İşrak
        {VakitType::Ogle, std::nullopt, -1},                    // İstiva
        {VakitType::Ogle, std::nullopt, 2},                     // Öğle: salâ only
        {VakitType::AsriSani, VakitType::Ogle, 3},              // İkindi ends Öğle
        {VakitType::Aksam, VakitType::Ogle, 3},                 // Asr-ı Sani ends Öğle (option)
        {VakitType::Aksam, std::nullopt, -1},                   // İsfirar: kerahet warning
        {VakitType::Aksam, VakitType::Ikindi, 4},               // Akşam ends İkindi
        {VakitType::Yatsi, VakitType::Aksam, 5},                // Yatsı ends Akşam
    }};
    return kRoles[static_cast<std::size_t>(type)];
}

std::string midnightWarning(std::int32_t reminderMinutes) {
    return withMinutes("Geceyarısına %d dk. kaldı...", reminderMinutes);
}
std::string kerahetWarning(std::int32_t reminderMinutes) {
    return withMinutes("Kerahetin girmesine %d dk. kaldı...", reminderMinutes);
}
std::string ikindiWarning(std::int32_t reminderMinutes) {
    return withMinutes("İkindinin girmesine %d dk. kaldı...", reminderMinutes);
}
std::string religiousDayNotice(std::string_view dayName) { return "Yarın  " + std::string(dayName) + " !"; }

std::string tipText(VakitType type, std::int32_t minutesLeft) {
    return fmt::format("{} vaktine kalan süre =  {}:{:02}", engine::vakitNames[static_cast<std::size_t>(type)],
                       minutesLeft / 60, minutesLeft % 60);
}

Scheduler::Scheduler(engine::Engine& engine, const settings::Settings& settings, SchedulerClock& clock,
                     SchedulerEffects& effects, NoticeMemory& memory)
    : engine_(engine), settings_(settings), clock_(clock), effects_(effects), memory_(memory) {}

void Scheduler::onTick() {
    if (triggers.tickCountdown != 0) {
        --triggers.tickCountdown;
        return;
    }
    runPass();
}

void Scheduler::onTimeChange() { triggers.tickCountdown = 0; }

void Scheduler::onCalculationChanged() {
    triggers.pendingUpdate = kPendingRecompute;
    triggers.tickCountdown = 0;
}

void Scheduler::onResume() {
    triggers.pendingUpdate = kPendingResume;
    wallpaper.dueUtcMinute = 0;
    triggers.tickCountdown = 0;
}

void Scheduler::alignZone() {
    const ClockTime today = realTimeClock ? clock_.localTime() : clockTime;
    const timezone::LocalDate date{today.year, today.month, today.day};
    const std::int32_t offset = settings::clockOffsetFor(settings_, date, clock_.systemZone()).minutes();
    if (offset != engine_.state().clockOffset || triggers.pendingUpdate == kPendingRecompute) {
        engine_.setPlace(static_cast<std::int16_t>(settings_.latitude), static_cast<std::int16_t>(settings_.longitude),
                         static_cast<std::int16_t>(offset));
        triggers.pendingUpdate = kPendingRecompute;
    }
}

void Scheduler::readClock() {
    if (realTimeClock) {
        clockTime = clock_.localTime();
        triggers.tickCountdown = 60 - clockTime.second;
    } else {
        triggers.tickCountdown = -1;
    }
}

void Scheduler::alignMinute() {
    const auto now = static_cast<std::int16_t>(clockTime.hour * 60 + clockTime.minute);
    if (engine_.state().timeOfDay == now) return;
    engine_.setTimeOfDay(static_cast<std::int16_t>(clockTime.hour), static_cast<std::int16_t>(clockTime.minute));
    if (triggers.pendingUpdate != kPendingRecompute) triggers.pendingUpdate = kPendingMinute;
}

void Scheduler::alignDate() {
    const auto day = static_cast<std::int16_t>(clockTime.day);
    const auto month = static_cast<std::int16_t>(clockTime.month);
    const auto year = static_cast<std::int16_t>(clockTime.year);
    const engine::DayContext& context = engine_.state();
    if (context.day == day && context.month == month && context.year == year) return;

    // Both names when two religious days fall on one day.
    const engine::Date tomorrowDate{year, month, static_cast<std::int16_t>(day + 1)};
    const std::string tomorrow =
        engine::hijriDate(engine::placeOf(engine_.state()), tomorrowDate, engine_.parameters.diyanetMethod)
            .religiousDays.joined(" ve ");
    if (!tomorrow.empty()) {
        const std::string today = fmt::format("{:02}/{:02}/{:04}", day, month, year);
        if (memory_.lastNoticeDate() != today) {
            const std::string notice = religiousDayNotice(tomorrow);
            memory_.rememberNoticeDate(today);
            effects_.announce(event::ReligiousDayNotice{notice, kReligiousDayTitle});
        }
    }
    engine_.setDate(day, month, year);
    triggers.pendingUpdate = kPendingRecompute;
}

void Scheduler::startWallpaper(int periodMinutes) {
    wallpaper.periodMinutes = periodMinutes;
    wallpaper.dueUtcMinute = 0;
    refreshWallpaper();
}

void Scheduler::refreshWallpaper() {
    if (wallpaper.periodMinutes <= 0) return;
    const std::int64_t utcMinute = std::int64_t{engine_.dayNumber()} * kMinutesPerDay + engine_.state().timeOfDay -
                                   engine_.state().clockOffset;
    const bool due = utcMinute >= wallpaper.dueUtcMinute;
    const bool clockWentBack = utcMinute < wallpaper.dueUtcMinute - wallpaper.periodMinutes;
    if (!due && !clockWentBack) return;
    wallpaper.dueUtcMinute = utcMinute + wallpaper.periodMinutes;
    effects_.announce(event::WallpaperDue{});
}

void Scheduler::correctClockHourly() {
    if (!settings_.autoCorrectClock || clockTime.minute != 0) return;
    effects_.announce(event::MenuEntryEnabled{Command::InternetTime, false});
    effects_.announce(event::TimeCheckDue{});
    effects_.announce(event::MenuEntryEnabled{Command::InternetTime, true});
}

void Scheduler::runPass() {
    Pass pass;

    alignZone();
    readClock();
    alignMinute();
    alignDate();
    if (triggers.pendingUpdate == kPendingNothing) return;
    if (triggers.pendingUpdate == kPendingRecompute) {
        const engine::DayContext& today = engine_.state();
        todayTimes = engine::computeDay(engine::placeOf(today), engine::dateOf(today), engine_.parameters).byType();
    }
    effects_.announce(event::ViewsDue{});
    triggers.pendingUpdate = kPendingNothing;
    refreshWallpaper();
    correctClockHourly();

    // Without a place there is nothing to count to and nothing to ring.
    if (!settings_.placeChosen) {
        effects_.setWake(std::nullopt);
        effects_.announce(event::Tip{kNoPlaceTip});
        return;
    }
    pass.nowMinute = engine_.state().timeOfDay;
    pass.times = todayTimes;
    pass.weekday = engine_.weekday();
    fireEvents(pass);

    earliestEventMinute = pass.earliestEventMinute;
    nextEventMinute = pass.nextEventMinute;
    armWakeTimer(pass);
    writeTip(pass);
}

void Scheduler::fireEvents(Pass& pass) {
    const settings::Settings& s = settings_;
    const std::int32_t reminderMinutes = s.reminderMinutes;

    // 1. Midnight (half a day after true noon) is near.
    if (s.reminderOn &&
        engine::wrapMinutes(timeOf(pass.times, VakitType::Istiva) + kHalfDayMinutes - reminderMinutes) ==
            pass.nowMinute) {
        effects_.announce(event::Warning{midnightWarning(reminderMinutes)});
    }
    // 2. Friday salâ before Öğle.
    if (s.cumaSala && pass.weekday == kFriday &&
        pass.isEventNow(timeOf(pass.times, VakitType::Ogle) - s.cumaSalaMinutes)) {
        effects_.announce(event::Sound{kSalaFile});
    }
    // 3. Sahur salâ before İmsak.
    if (s.sahurSala && pass.isEventNow(timeOf(pass.times, VakitType::Imsak) - s.sahurSalaMinutes)) {
        effects_.announce(event::Sound{kSalaFile});
    }
    // 4. The morning ezan: at İmsak, or a set time before Güneş.
    const std::int32_t morning = s.sabahEzanAtImsak ? timeOf(pass.times, VakitType::Imsak)
                                                    : timeOf(pass.times, VakitType::Gunes) - s.sabahEzanMinutes;
    if (pass.isEventNow(morning)) effects_.announce(event::Ezan{kMorningEzanSlot});
    // 5. The other four ezans at their times.
    for (int slot = 1; slot < settings::kEzanSlotCount; ++slot) {
        if (pass.isEventNow(timeOf(pass.times, settings::ezanSlotType(slot, s.ikindiAtAsrSani)))) {
            effects_.announce(event::Ezan{slot});
        }
    }
    // 6. Before each time: reminders, salâs and warnings.
    if (s.reminderOn || s.salaBeforeEnd) firePerTimeEvents(pass);
}

void Scheduler::firePerTimeEvents(Pass& pass) {
    const settings::Settings& s = settings_;
    const std::int32_t reminderMinutes = s.reminderMinutes;
    for (int t = static_cast<int>(VakitType::Imsak); t <= static_cast<int>(VakitType::Yatsi); ++t) {
        const auto type = static_cast<VakitType>(t);
        // A positive temkin moves the time itself later, so the lead grows
        // with it; a negative one (İmsak, Güneş) leaves the lead at R.
        const std::int32_t temkin = s.temkin[static_cast<std::size_t>(t - 1)];
        const std::int32_t lead = reminderMinutes + (temkin >= 0 ? temkin : 0);
        if (pass.minutesUntil(type) != lead) continue;

        if (type == VakitType::Isfirar) {
            if (s.reminderOn) effects_.announce(event::Warning{kerahetWarning(reminderMinutes)});
            continue;
        }
        if (type == VakitType::Ikindi && s.ikindiAtAsrSani) {
            if (s.reminderOn) effects_.announce(event::Warning{ikindiWarning(reminderMinutes)});
            continue;
        }
        const VakitRoles& roles = vakitRoles(type);
        if (roles.salaMaskPosition < 0) continue;
        if (type == VakitType::AsriSani && !s.ikindiAtAsrSani) continue;
        const auto position = static_cast<std::size_t>(roles.salaMaskPosition);
        if (s.salaBeforeEnd && position < s.salaTimes.size() && s.salaTimes[position] == '1') {
            effects_.announce(event::Sound{s.reminderFile});
        }
        if (s.reminderOn && roles.endingPrayer) effects_.announce(event::Reminder{*roles.endingPrayer});
    }
}

void Scheduler::armWakeTimer(const Pass& pass) {
    if (!(realTimeClock && settings_.wakeOn && settings_.ezanSoundOn)) {
        effects_.setWake(std::nullopt);
        return;
    }
    ClockTime target = clock_.localTime();
    const bool eventLeftToday = pass.nextEventMinute != kMinutesPerDay;
    const std::int32_t minute = eventLeftToday ? pass.nextEventMinute : pass.earliestEventMinute;
    target.hour = static_cast<std::uint16_t>(minute / 60);
    target.minute = static_cast<std::uint16_t>(minute % 60);
    LocalTicks when = toLocalTicks(target);
    if (!eventLeftToday) when += kNextDayWakeTicks;
    if (effects_.setWake(when) == WakeResult::NotSupported) {
        effects_.announce(event::MenuEntryEnabled{Command::Wake, false});
    }
}

void Scheduler::writeTip(const Pass& pass) {
    const UpcomingTime upcoming = upcomingTime(pass.times, pass.nowMinute, settings_);
    effects_.announce(event::Tip{tipText(upcoming.type, upcoming.minutesLeft)});
}

}  // namespace orvanta::shell
