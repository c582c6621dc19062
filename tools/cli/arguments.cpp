// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fmt/format.h>

#include "engine/engine.h"
#include "platform/linux/system_zone.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "timezone/zone_offsets.h"
#include "common/text_encoding.h"

namespace orvanta::cli {

namespace {

// The engine's leap rule and day numbers hold for these years only.
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2099;

std::string quoted(std::string_view name) { return "--" + std::string(name); }

}  // namespace

namespace {

// The length of the valid UTF-8 character at the start of text, or 0 when
// it does not start with one: the shortest prefix that is valid UTF-8.
std::size_t characterBytes(std::string_view text) {
    constexpr std::size_t kLongestCharacterBytes = 4;
    for (std::size_t bytes = 1; bytes <= kLongestCharacterBytes && bytes <= text.size(); ++bytes) {
        if (common::isValidUtf8(text.substr(0, bytes))) return bytes;
    }
    return 0;
}

// One character as an echo shows it: controls (C0, DEL and C1, which a
// terminal may act on) and bytes that are no UTF-8 as escapes.
std::string shownCharacter(std::string_view character) {
    const auto first = static_cast<unsigned char>(character.front());
    if (character.size() == 1 && first == '\n') return "\\n";
    if (character.size() == 1 && (first < 0x20 || first == 0x7F || first >= 0x80)) return fmt::format("\\x{:02X}", first);
    constexpr unsigned char kC1Lead = 0xC2;
    constexpr unsigned char kLastC1Byte = 0x9F;
    if (character.size() == 2 && first == kC1Lead && static_cast<unsigned char>(character[1]) <= kLastC1Byte) {
        return fmt::format("\\u{:04X}", static_cast<unsigned char>(character[1]));
    }
    return std::string(character);
}

}  // namespace

std::string echoed(std::string_view value) {
    // Enough to recognise a value; a megabyte of it helps nobody.
    constexpr std::size_t kShownBytes = 60;
    std::string shown = "'";
    std::size_t at = 0;
    while (at < value.size()) {
        const std::size_t bytes = std::max<std::size_t>(characterBytes(value.substr(at)), 1);
        // Cut before a character that would cross the limit, never inside one.
        if (at + bytes > kShownBytes) break;
        shown += shownCharacter(value.substr(at, bytes));
        at += bytes;
    }
    shown += at < value.size() ? "'..." : "'";
    return shown;
}

namespace {

[[noreturn]] void fail(std::string_view name, const std::string& what) {
    throw UsageError(quoted(name) + ": " + what);
}

// from_chars takes no leading plus sign; a person may well type one.
std::string_view withoutPlusSign(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    return text;
}

std::optional<double> parseDouble(std::string_view text) {
    text = withoutPlusSign(text);
    double value = 0.0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc{} || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    text = withoutPlusSign(text);
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end) return std::nullopt;
    return value;
}

std::string rangeText(double min, double max) {
    return fmt::format("{}..{}", min, max);
}

// Two decimal digits at text[pos], or -1.
int twoDigits(std::string_view text, std::size_t pos) {
    auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -100; };
    const int value = digit(pos) * 10 + digit(pos + 1);
    return value < 0 ? -1 : value;
}

}  // namespace

std::time_t localNoon(const CivilDate& date) {
    std::tm noon{};
    noon.tm_year = date.year - 1900;
    noon.tm_mon = date.month - 1;
    noon.tm_mday = date.day;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    return std::mktime(&noon);
}

Options::Options(std::span<const std::string> args, std::vector<std::string_view> known) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0 || arg.size() == 2) throw UsageError("unexpected argument " + echoed(arg));
        const std::string name = arg.substr(2);
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            throw UsageError("unknown option " + echoed(arg));
        }
        if (i + 1 >= args.size()) fail(name, "missing value");
        if (values_.count(name) != 0) fail(name, "given more than once");
        values_.emplace(name, args[++i]);
    }
}

bool Options::has(std::string_view name) const { return values_.find(name) != values_.end(); }

const std::string& Options::text(std::string_view name) const {
    auto it = values_.find(name);
    if (it == values_.end()) fail(name, "missing option");
    return it->second;
}

double Options::number(std::string_view name, double min, double max) const {
    const std::string& raw = text(name);
    const auto value = parseDouble(raw);
    if (!value) fail(name, echoed(raw) + " is not a number");
    if (*value < min || *value > max) fail(name, echoed(raw) + " is outside " + rangeText(min, max));
    return *value;
}

std::int32_t Options::integer(std::string_view name, std::int32_t min, std::int32_t max) const {
    const std::string& raw = text(name);
    const auto value = parseInteger(raw);
    if (!value) fail(name, echoed(raw) + " is not a whole number");
    if (*value < min || *value > max) fail(name, echoed(raw) + " is outside " + rangeText(min, max));
    return *value;
}

std::int16_t Options::hundredths(std::string_view name, double limitDegrees) const {
    return static_cast<std::int16_t>(std::lround(number(name, -limitDegrees, limitDegrees) * 100.0));
}

std::pair<std::int16_t, std::int16_t> Options::timeOfDay(std::string_view name) const {
    const std::string& raw = text(name);
    const auto digit = [&](std::size_t at) { return std::isdigit(static_cast<unsigned char>(raw[at])) != 0; };
    const bool shaped = raw.size() == 5 && raw[2] == ':' && digit(0) && digit(1) && digit(3) && digit(4);
    const int hour = shaped ? (raw[0] - '0') * 10 + (raw[1] - '0') : -1;
    const int minute = shaped ? (raw[3] - '0') * 10 + (raw[4] - '0') : -1;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        throw UsageError("--" + std::string(name) + ": " + echoed(raw) + " is not a time of day of the form HH:MM");
    }
    return {static_cast<std::int16_t>(hour), static_cast<std::int16_t>(minute)};
}

CivilDate Options::date(std::string_view name) const {
    const std::string& raw = text(name);
    const bool shaped = raw.size() == 10 && raw[4] == '-' && raw[7] == '-';
    const auto year = shaped ? parseInteger(std::string_view(raw).substr(0, 4)) : std::nullopt;
    const int month = shaped ? twoDigits(raw, 5) : -1;
    const int day = shaped ? twoDigits(raw, 8) : -1;
    if (!year || month < 0 || day < 0) fail(name, echoed(raw) + " is not a date of the form YYYY-MM-DD");
    if (*year < kFirstYear || *year > kLastYear) fail(name, echoed(raw) + " is outside 1901..2099");
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(*year, month)) {
        fail(name, echoed(raw) + " is not a date that exists");
    }
    return CivilDate{*year, month, day};
}

std::vector<std::int32_t> Options::integerList(std::string_view name, std::size_t count, std::int32_t min,
                                               std::int32_t max) const {
    const std::string& raw = text(name);
    std::vector<std::int32_t> values;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = raw.find(',', start);
        const auto item = parseInteger(std::string_view(raw).substr(start, comma - start));
        if (!item || *item < min || *item > max) break;
        values.push_back(*item);
        if (comma == std::string::npos) {
            if (values.size() == count) return values;
            break;
        }
        start = comma + 1;
    }
    fail(name, echoed(raw) + " is not " + std::to_string(count) + " whole numbers in " + rangeText(min, max) +
                   " separated by commas");
}

std::optional<settings::IniDocument> iniDocument(const Options& options) {
    if (!options.has("ini")) return std::nullopt;
    const std::filesystem::path path = options.text("ini");
    std::error_code error;
    // A file that cannot be read is an error, never a file of defaults.
    auto document = std::filesystem::is_regular_file(path, error) ? settings::IniFile(path).tryRead() : std::nullopt;
    if (!document) fail("ini", "cannot read " + echoed(path.string()));
    return document;
}

std::optional<settings::Settings> iniSettings(const Options& options) {
    const auto document = iniDocument(options);
    if (!document) return std::nullopt;
    settings::Settings loaded;
    settings::readSettings(*document, loaded);
    return loaded;
}

settings::Settings withPreset(const Options& options, settings::Settings settings) {
    if (!options.has("preset")) return settings;
    const std::string& preset = options.text("preset");
    if (preset != "diyanet") fail("preset", echoed(preset) + " is not a preset (diyanet)");
    settings::applyDiyanetPreset(settings);
    return settings;
}

engine::Engine engineFor(const settings::Settings& settings) {
    engine::Engine engine;
    settings::applyCalculationParameters(settings, engine);
    return engine;
}

namespace {

std::function<std::int16_t(const CivilDate&)> offsetOptions(const Options& options,
                                                           const std::optional<settings::Settings>& ini,
                                                           const CivilDate& firstDay) {
    if (options.has("offset") && options.has("zone")) fail("zone", "give either --offset or --zone");
    if (options.has("offset")) {
        const auto offset = static_cast<std::int16_t>(
            options.integer("offset", settings::kWestmostZoneMinutes, settings::kEastmostClockOffsetMinutes));
        return [offset](const CivilDate&) { return offset; };
    }
    if (options.has("zone")) {
        const std::string& zone = options.text("zone");
        if (!timezone::isKnownZone(zone)) {
            fail("zone", echoed(zone) + " is not a zone of the time-zone database (AREA/CITY, e.g. Europe/Berlin)");
        }
        return [zone](const CivilDate& date) {
            return static_cast<std::int16_t>(
                timezone::offsetOnLocalDate(zone, {date.year, date.month, date.day})->utcOffsetMinutes);
        };
    }
    if (!ini) fail("offset", "missing option (or give --zone AREA/CITY or --ini FILE)");
    // The system's zone is asked only when the file follows it; its name
    // then gives every day's offset.
    const platform::SystemZone system =
        settings::followsSystemZone(*ini) ? platform::systemZoneAt(localNoon(firstDay)) : platform::SystemZone{};
    return [fileSettings = *ini, system](const CivilDate& date) {
        return static_cast<std::int16_t>(
            settings::clockOffsetFor(fileSettings, {date.year, date.month, date.day}, system).minutes());
    };
}

}  // namespace

PlaceOptions placeOptions(const Options& options, const std::optional<settings::Settings>& ini,
                          const CivilDate& firstDay) {
    auto fromFile = [&](std::string_view name, auto value) {
        if (!ini) fail(name, "missing option (or give --ini FILE)");
        return static_cast<std::int16_t>(value(*ini));
    };
    PlaceOptions place;
    place.latitudeHundredths = options.has("lat") ? options.hundredths("lat", 90.0)
                                                  : fromFile("lat", [](const auto& s) { return s.latitude; });
    place.longitudeHundredths = options.has("lon") ? options.hundredths("lon", 180.0)
                                                   : fromFile("lon", [](const auto& s) { return s.longitude; });
    place.offsetOn = offsetOptions(options, ini, firstDay);
    place.offsetMinutes = place.offsetOn(firstDay);
    return place;
}

DayRange dayRangeOptions(const Options& options, std::string_view firstDayOption) {
    // A hundred years of days at most.
    constexpr std::int32_t kMaxDays = 36600;
    DayRange range;
    range.first = options.date(firstDayOption);
    range.days = options.has("days") ? options.integer("days", 1, kMaxDays) : 1;
    CivilDate last = range.first;
    for (std::int32_t i = 1; i < range.days; ++i) last = nextDay(last);
    if (last.year > kLastYear) throw UsageError("--days: the days run past 2099-12-31");
    return range;
}

int daysInMonth(int year, int month) {
    using engine::monthTable;
    const auto index = static_cast<std::size_t>(month);
    return monthTable[index] - monthTable[index - 1] + ((month == 2 && engine::isLeapYear(year)) ? 1 : 0);
}

CivilDate nextDay(CivilDate date) {
    if (++date.day > daysInMonth(date.year, date.month)) {
        date.day = 1;
        if (++date.month > 12) {
            date.month = 1;
            ++date.year;
        }
    }
    return date;
}

std::string formatDate(const CivilDate& date) { return fmt::format("{:04}-{:02}-{:02}", date.year, date.month, date.day); }

}  // namespace orvanta::cli
