// SPDX-License-Identifier: GPL-3.0-or-later
// The timetables' walk through the days of a month, each day with its own
// clock offset (settings::clockOffsetFor). Shared by the text reports and
// the printable imsakiye, which also share the words that say where the
// offset and the summer time come from.
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine.h"
#include "settings/settings.h"

namespace orvanta::reports {

// Where the summer time of a timetable comes from: "Sistem" (the system's
// zone), the place's zone by name (settings::knownPlaceZone), or the fixed
// choice "Var" / "Yok".
std::string summerTimeRule(const settings::Settings& settings);

// The offset without summer time on the first day of the month.
inline std::int32_t standardOffsetMinutes(const settings::Settings& settings, const platform::SystemZone& zone,
                                          int year, int month) {
    return settings::clockOffsetFor(settings, {year, month, 1}, zone).standardMinutes;
}

// A month's walk through its days, each with its own clock offset.
class MonthWalk {
public:
    MonthWalk(engine::Engine& engine, const settings::Settings& settings, const platform::SystemZone& zone, int year,
              int month)
        : engine_(engine), settings_(settings), zone_(zone), year_(year), month_(month) {}

    // Sets the engine to the current day with its clock offset.
    void enterDay() {
        engine_.setDate(static_cast<std::int16_t>(day_), static_cast<std::int16_t>(month_),
                        static_cast<std::int16_t>(year_));
        const std::int32_t offset = settings::clockOffsetFor(settings_, {year_, month_, day_}, zone_).minutes();
        engine_.setPlace(static_cast<std::int16_t>(settings_.latitude), static_cast<std::int16_t>(settings_.longitude),
                         static_cast<std::int16_t>(offset));
    }
    // Steps to the next day; false when that begins another month.
    bool nextDay() {
        const auto year = static_cast<std::int16_t>(year_);
        const engine::Date next = engine::dateOfDayOfYear(
            year, static_cast<std::int16_t>(engine::dayOfYear(engine::dateOf(engine_.state())) + 1));
        day_ = next.day;
        month_ = next.month;
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
    const platform::SystemZone& zone_;
    int year_;
    int day_ = 1;
    int month_;
};

}  // namespace orvanta::reports
