// SPDX-License-Identifier: GPL-3.0-or-later
// The minute scheduler: at each minute it brings the engine's day in line
// with the clock and the zone, fires the minute's ezans, salâs, reminders
// and warnings, gives the religious-day notice, arms the wake-up and writes
// the time left to the next prayer time.
//
// Time scales: every minute here is local clock time (minutes after local
// midnight, 0..1439), the clock offset (zone + summer time) included. A day
// begins at local midnight; the sahur salâ before an early İmsak therefore
// wraps to the evening before, within the same calendar day's list.
//
// Everything the scheduler does to the world goes through SchedulerEffects;
// what it reads of the world (clock, zone) comes through SchedulerClock.
// Effects never wait for the user (a window they open stays open on its
// own), so each pass runs to its end: every event of its minute, the
// wake-up and the tip.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/engine.h"
#include "settings/settings.h"
#include "shell/clock_time.h"
#include "shell/command.h"

namespace orvanta::shell {

// What the scheduler reads of the world.
class SchedulerClock {
public:
    virtual ~SchedulerClock() = default;
    // The local date and time now.
    virtual ClockTime localTime() = 0;
    // The system's zone now.
    virtual platform::SystemZone systemZone() = 0;
};

enum class WakeResult { Armed, NotSupported, Failed };

// What a pass announces, in the order it happens. The text a notice
// carries lives as long as the call that announces it.
namespace event {
struct Sound { std::string_view file; };     // a salâ, or the sound before a time ends
struct Ezan { int slot; };                   // the ezan of a slot (0 = SABAH)
struct Warning { std::string_view text; };
struct Reminder { engine::VakitType prayer; };  // the prayer whose time ends soon
// Tomorrow's religious day: a warning box in message mode 2, else a
// warning balloon (shown in mode 1 only).
struct ReligiousDayNotice { std::string_view text; std::string_view title; };
struct Tip { std::string_view text; };
// A menu entry the scheduler greys while it uses it, or gives back.
struct MenuEntryEnabled { Command command; bool enabled; };
struct TimeCheckDue {};                      // the hourly silent check of the clock
struct WallpaperDue {};                      // the wallpaper's next picture
// A pass that changed something: the panel and a chart on screen follow.
struct ViewsDue {};
}  // namespace event
using SchedulerEvent = std::variant<event::Sound, event::Ezan, event::Warning, event::Reminder,
                                    event::ReligiousDayNotice, event::Tip, event::MenuEntryEnabled,
                                    event::TimeCheckDue, event::WallpaperDue, event::ViewsDue>;
// One visitor of a SchedulerEvent made of one handler for each kind.
template <class... Handlers>
struct EventHandlers : Handlers... {
    using Handlers::operator()...;
};

// What the scheduler does to the world: it announces events, and it sets
// the wake-up, which answers whether it could.
class SchedulerEffects {
public:
    virtual ~SchedulerEffects() = default;
    virtual void announce(const SchedulerEvent& event) = 0;
    // Wakes the computer at a local instant; nothing cancels the wake-up
    // (a cancel is never refused: it answers Armed).
    virtual WakeResult setWake(std::optional<LocalTicks> when) = 0;
};

// The date of the last religious-day notice ("dd/mm/yyyy"), kept between
// runs so that a day's notice is given once.
class NoticeMemory {
public:
    virtual ~NoticeMemory() = default;
    virtual std::string lastNoticeDate() = 0;
    virtual void rememberNoticeDate(const std::string& date) = 0;
};

// "İletiler": how events show (the choice is kept in the settings).
inline constexpr int kMessageModeNone = settings::kMessageModeNone;
inline constexpr int kMessageModeBalloon = settings::kMessageModeBalloon;
inline constexpr int kMessageModeBox = settings::kMessageModeBox;

// The wallpaper's refresh schedule, in UTC minutes (day number × 1440 +
// minute of day − clock offset). A period of 0 means no wallpaper mode.
struct WallpaperSchedule {
    std::int32_t periodMinutes = 0;  // 60 for the moon, 5 for the earth modes
    std::int64_t dueUtcMinute = 0;
};

// What each time of the day leads to, by VakitType.
struct VakitRoles {
    engine::VakitType nextMainTime;  // the time the tip counts to
    std::optional<engine::VakitType> endingPrayer;  // the prayer whose time ends here
    int salaMaskPosition;  // character of salaTimes, -1 none
};
const VakitRoles& vakitRoles(engine::VakitType type);

// The two counters a change elsewhere raises, so that the next one-second
// tick recomputes the day or refreshes every view.
struct SchedulerTriggers {
    std::int32_t tickCountdown = 0;  // ticks before the next pass; 0 = at the next tick
    std::int32_t pendingUpdate = 0;  // 2 = recompute today's times
};

class Scheduler {
public:
    Scheduler(engine::Engine& engine, const settings::Settings& settings, SchedulerClock& clock,
              SchedulerEffects& effects, NoticeMemory& memory);

    // The one-second tick: counts tickCountdown down, or runs a pass at 0.
    void onTick();
    // One pass of the scheduler.
    void runPass();
    // The clock or the zone changed: a pass at the next tick.
    void onTimeChange();
    // The display changed or the machine resumed: refresh everything and
    // redraw the wallpaper at the next tick.
    void onResume();
    // The calculation settings changed: today's times are computed again
    // at the next tick.
    void onCalculationChanged();
    // The options changed: a pass at the next tick.
    void onOptionsChanged() { triggers.tickCountdown = 0; }
    // A wallpaper mode was switched on (a period in minutes) or off (0):
    // the first picture comes at once.
    void startWallpaper(int periodMinutes);

    // ---- state other parts read or set ----
    ClockTime clockTime;
    bool realTimeClock = true;               // clockTime follows the PC clock
    SchedulerTriggers triggers;
    engine::VakitTimes todayTimes{};         // today's times by VakitType (Sabah unused)
    std::int32_t earliestEventMinute = 1440; // first timed sound event of the day
    std::int32_t nextEventMinute = 1440;     // next timed sound event still to come
    WallpaperSchedule wallpaper;

private:
    struct Pass;

    void alignZone();
    void readClock();
    void alignMinute();
    void alignDate();
    void refreshWallpaper();
    void correctClockHourly();
    void fireEvents(Pass& pass);
    void firePerTimeEvents(Pass& pass);
    void armWakeTimer(const Pass& pass);
    void writeTip(const Pass& pass);

    engine::Engine& engine_;
    const settings::Settings& settings_;
    SchedulerClock& clock_;
    SchedulerEffects& effects_;
    NoticeMemory& memory_;
};

// Texts of the scheduler.
std::string midnightWarning(std::int32_t reminderMinutes);
std::string kerahetWarning(std::int32_t reminderMinutes);
std::string ikindiWarning(std::int32_t reminderMinutes);
std::string religiousDayNotice(std::string_view dayName);
inline constexpr std::string_view kReligiousDayTitle = "Dini Günler Uyarısı";
std::string tipText(engine::VakitType type, std::int32_t minutesLeft);
// The tip and the strip until a place is chosen.
inline constexpr std::string_view kNoPlaceTip = "Yer seçilmedi";

}  // namespace orvanta::shell
