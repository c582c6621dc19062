// The timetables' walk through the days of a month, keeping the summer-time
// state as the timetables reckon it (see reports.h). Shared by the text
// reports and the printable imsakiye.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "settings/settings.h"

namespace orvanta::reports {

inline constexpr std::int16_t kSunday = 7;
inline constexpr int kSwitchAfterDay = 24;  // the switching Sunday is the last, after the 24th
inline constexpr int kSummerShiftMinutes = 60;

bool europeanSummerTime(int month, bool reachedSunday, bool southern);

// The zone's offset without summer time: the system's or the settings'.
inline std::int32_t baseOffsetMinutes(const settings::Settings& settings, const settings::SystemZone& zone) {
    return settings.useSystemTimeZone ? zone.standardOffsetMinutes : settings.timeZoneMinutes;
}

// A month's walk through its days, keeping the summer-time state as the
// timetables reckon it.
class MonthWalk {
public:
    MonthWalk(engine::Engine& engine, const settings::Settings& settings, std::int32_t baseOffsetMinutes, int year,
              int month)
        : engine_(engine), settings_(settings), base_(baseOffsetMinutes), year_(year), month_(month) {
        summer_ = settings.useSystemDaylightSaving ? europeanSummerTime(month, false, settings.latitude < 0)
                                                    : settings.daylightSaving;
    }

    // Sets the engine to the current day with its clock offset.
    void enterDay() {
        engine_.setDate(static_cast<std::int16_t>(day_), static_cast<std::int16_t>(month_),
                        static_cast<std::int16_t>(year_));
        const bool switchingSunday = (month_ == 3 || month_ == 10) && day_ > kSwitchAfterDay &&
                                     engine_.weekday() == kSunday;
        if (settings_.useSystemDaylightSaving && switchingSunday) {
            summer_ = europeanSummerTime(month_, true, settings_.latitude < 0);
        }
        const std::int32_t offset = base_ + (summer_ ? kSummerShiftMinutes : 0);
        engine_.setPlace(static_cast<std::int16_t>(settings_.latitude), static_cast<std::int16_t>(settings_.longitude),
                         static_cast<std::int16_t>(offset));
    }
    // Steps to the next day; false when that begins another month.
    bool nextDay() {
        std::int16_t day = 0;
        std::int16_t month = 0;
        engine_.monthAndDayOf(static_cast<std::int16_t>(engine_.dayOfYear() + 1), day, month);
        day_ = day;
        month_ = month;
        return day_ != 1;
    }
    // Calls visit() for each day of the month, the engine set to it; leaves
    // the walk on the next month.
    template <typename Visit>
    void forEachDay(Visit visit) {
        do {
            enterDay();
            visit();
        } while (nextDay());
    }
    int day() const { return day_; }
    int month() const { return month_; }

private:
    engine::Engine& engine_;
    const settings::Settings& settings_;
    std::int32_t base_;
    int year_;
    int day_ = 1;
    int month_;
    bool summer_ = false;
};

}  // namespace orvanta::reports
