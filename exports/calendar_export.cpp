// SPDX-License-Identifier: GPL-3.0-or-later
#include "exports/calendar_export.h"

#include <libical/ical.h>

#include <memory>

#include <fmt/format.h>

namespace orvanta::exports {

namespace {

using engine::VakitType;

constexpr std::int32_t kSecondsPerMinute = 60;
constexpr const char* kProductId = "-//Orvanta//Namaz Vakitleri//TR";
constexpr std::string_view kCsvLineEnd = "\r\n";

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype dateOf(const CalendarDay& day) {
    icaltimetype date = icaltime_null_date();
    date.year = day.year;
    date.month = day.month;
    date.day = day.day;
    return date;
}

CalendarDay calendarDayOf(const icaltimetype& date) { return CalendarDay{date.year, date.month, date.day}; }

icaltimetype timeOfDay(const CalendarDay& day, std::int32_t minutes) {
    icaltimetype time = icaltime_null_time();
    time.year = day.year;
    time.month = day.month;
    time.day = day.day;
    time.hour = minutes / 60;
    time.minute = minutes % 60;
    return time;
}

icaltimezone* builtinZone(const std::string& zoneName) {
    icaltimezone* zone = icaltimezone_get_builtin_timezone(zoneName.c_str());
    if (zone == nullptr) throw UnknownZone("bilinmeyen saat dilimi: " + zoneName);
    return zone;
}

std::string hijriDateText(const engine::HijriDate& hijri) {
    return fmt::format("{} {} {}", hijri.day, engine::hijriMonthName(hijri.month), hijri.year);
}

std::string uid(const CalendarDay& day, std::string_view what, const IcsChoice& choice) {
    return fmt::format("{:04}{:02}{:02}-{}-{}-{}@orvanta", day.year, day.month, day.day, what,
                       choice.latitudeHundredths, choice.longitudeHundredths);
}

// The instant of a time of a day: in the zone as its wall-clock time, or in
// UTC with the day's clock offset taken off.
icaltimetype eventStart(const ExportDay& day, std::uint16_t minutes, icaltimezone* zone) {
    icaltimetype start = timeOfDay(day.date, minutes);
    if (zone != nullptr) return icaltime_set_timezone(&start, zone);
    icaltime_adjust(&start, 0, 0, -day.clockOffsetMinutes, 0);
    return icaltime_set_timezone(&start, icaltimezone_get_utc_timezone());
}

// The zone's rules from the first exported day on (its whole history would
// be a hundred lines that no reader needs), named by the plain IANA name, as
// calendar applications expect, instead of libical's prefixed one.
icalcomponent* vtimezone(icaltimezone* zone, const std::string& zoneName, const CalendarDay& first) {
    icalcomponent* rules = icalcomponent_new_clone(icaltimezone_get_component(zone));
    icaltimetype from = timeOfDay(first, 0);
    icaltime_adjust(&from, -1, 0, 0, 0);
    icaltimezone_truncate_vtimezone(rules, icaltime_set_timezone(&from, icaltimezone_get_utc_timezone()),
                                    icaltime_null_time(), 0);
    icalproperty_set_tzid(icalcomponent_get_first_property(rules, ICAL_TZID_PROPERTY), zoneName.c_str());
    return rules;
}

icalproperty* startProperty(const icaltimetype& start, const IcsChoice& choice) {
    icalproperty* property = icalproperty_new_dtstart(start);
    if (choice.zoneName) icalproperty_add_parameter(property, icalparameter_new_tzid(choice.zoneName->c_str()));
    return property;
}

icalcomponent* alarm(std::int32_t minutesBefore, std::string_view title) {
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(-minutesBefore * kSecondsPerMinute);
    const std::string description = fmt::format("{} vaktine {} dk. kaldı", title, minutesBefore);
    return icalcomponent_vanew(ICAL_VALARM_COMPONENT, icalproperty_new_action(ICAL_ACTION_DISPLAY),
                               icalproperty_new_trigger(trigger), icalproperty_new_description(description.c_str()),
                               nullptr);
}

icalcomponent* timeEvent(const ExportDay& day, VakitType type, const IcsChoice& choice, icaltimezone* zone,
                         const icaltimetype& stamp) {
    const std::string_view title = engine::vakitTitles[static_cast<std::size_t>(type)];
    const std::string summary(title);
    const std::uint16_t minutes = day.times[static_cast<std::size_t>(type) - 1];
    icalcomponent* event = icalcomponent_vanew(
        ICAL_VEVENT_COMPONENT,
        icalproperty_new_uid(uid(day.date, engine::vakitKeys[static_cast<std::size_t>(type)], choice).c_str()),
        icalproperty_new_dtstamp(stamp), startProperty(eventStart(day, minutes, zone), choice),
        icalproperty_new_summary(summary.c_str()), icalproperty_new_location(choice.placeName.c_str()),
        icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT), nullptr);
    if (choice.alarmMinutes) icalcomponent_add_component(event, alarm(*choice.alarmMinutes, title));
    return event;
}

icalcomponent* religiousDayEvent(const ExportDay& day, const IcsChoice& choice, const icaltimetype& stamp) {
    icaltimetype next = dateOf(day.date);
    icaltime_adjust(&next, 1, 0, 0, 0);
    return icalcomponent_vanew(ICAL_VEVENT_COMPONENT, icalproperty_new_uid(uid(day.date, "dini-gun", choice).c_str()),
                               icalproperty_new_dtstamp(stamp), icalproperty_new_dtstart(dateOf(day.date)),
                               icalproperty_new_dtend(next), icalproperty_new_summary(day.religiousDay.c_str()),
                               icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT), nullptr);
}

std::string icalText(icalcomponent* component) {
    char* text = icalcomponent_as_ical_string_r(component);
    std::string copy(text);
    icalmemory_free_buffer(text);
    return copy;
}

// A CSV field, quoted when it holds a separator, a quote or a line break.
std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::vector<ExportDay> exportDays(const engine::CalculationParameters& parameters, const settings::Settings& settings,
                                  CalendarDay first,
                                  int days, const OffsetOfDay& offsetOfDay) {
    std::vector<ExportDay> result;
    result.reserve(static_cast<std::size_t>(days));
    icaltimetype date = dateOf(first);
    for (int i = 0; i < days; ++i, icaltime_adjust(&date, 1, 0, 0, 0)) {
        ExportDay day;
        day.date = calendarDayOf(date);
        day.clockOffsetMinutes = offsetOfDay(day.date);
        const engine::Place place{static_cast<std::int16_t>(settings.latitude),
                                  static_cast<std::int16_t>(settings.longitude),
                                  static_cast<std::int16_t>(day.clockOffsetMinutes)};
        const engine::Date civil{static_cast<std::int16_t>(date.year), static_cast<std::int16_t>(date.month),
                                 static_cast<std::int16_t>(date.day)};
        day.times = engine::computeDay(place, civil, parameters).times;
        const engine::HijriDate hijri = engine::hijriDate(place, civil, parameters.diyanetMethod);
        day.hijriDate = hijriDateText(hijri);
        day.religiousDay = std::string(hijri.religiousDays.names[0]);
        result.push_back(std::move(day));
    }
    return result;
}

OffsetOfDay offsetOfDay(const std::optional<std::string>& zoneName, const settings::Settings& settings,
                        std::function<platform::SystemZone(const CalendarDay&)> systemZoneOfDay) {
    if (zoneName) return [name = *zoneName](const CalendarDay& day) { return zoneOffsetMinutesAtNoon(name, day); };
    return [settings, systemZoneOfDay = std::move(systemZoneOfDay)](const CalendarDay& day) {
        return settings::clockOffsetFor(settings, {day.year, day.month, day.day}, systemZoneOfDay(day)).minutes();
    };
}

std::optional<std::string> placeZoneName(const settings::Settings& settings) {
    // A name the program does not reckon by (its times then keep the fixed
    // offset) is no zone of the calendar either.
    const std::optional<std::string_view> zone = settings::knownPlaceZone(settings);
    if (!zone) return std::nullopt;
    std::string name(*zone);
    if (icaltimezone_get_builtin_timezone(name.c_str()) == nullptr) return std::nullopt;
    return name;
}

// The day's offset from the same zone rules every other timetable of the
// program uses, so the calendar's times are those of `times` and the tray.
std::int32_t zoneOffsetMinutesAtNoon(const std::string& zoneName, const CalendarDay& day) {
    const auto offset = timezone::offsetOnLocalDate(zoneName, day);
    if (!offset) throw UnknownZone("bilinmeyen saat dilimi: " + zoneName);
    return offset->utcOffsetMinutes;
}

std::string icsCalendar(const std::vector<ExportDay>& days, const IcsChoice& choice) {
    Component calendar(icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                                           icalproperty_new_prodid(kProductId),
                                           icalproperty_new_calscale("GREGORIAN"), nullptr));
    icaltimezone* zone = choice.zoneName ? builtinZone(*choice.zoneName) : nullptr;
    if (zone != nullptr && !days.empty()) {
        icalcomponent_add_component(calendar.get(), vtimezone(zone, *choice.zoneName, days.front().date));
    }
    const icaltimetype stamp = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    for (const ExportDay& day : days) {
        for (const VakitType type : choice.times) {
            icalcomponent_add_component(calendar.get(), timeEvent(day, type, choice, zone, stamp));
        }
        if (!day.religiousDay.empty()) icalcomponent_add_component(calendar.get(), religiousDayEvent(day, choice, stamp));
    }
    return icalText(calendar.get());
}

std::string csvTable(const std::vector<ExportDay>& days) {
    std::string table = "Tarih,Hicri Tarih";
    for (int t = static_cast<int>(VakitType::Imsak); t <= static_cast<int>(VakitType::Yatsi); ++t) {
        table += ',';
        table += engine::vakitTitles[static_cast<std::size_t>(t)];
    }
    table += ",Dini Gün";
    table += kCsvLineEnd;
    for (const ExportDay& day : days) {
        table += fmt::format("{:04}-{:02}-{:02},{}", day.date.year, day.date.month, day.date.day,
                             csvField(day.hijriDate));
        for (const std::uint16_t minutes : day.times) table += fmt::format(",{:02}:{:02}", minutes / 60, minutes % 60);
        table += ',';
        table += csvField(day.religiousDay);
        table += kCsvLineEnd;
    }
    return table;
}

}  // namespace orvanta::exports
