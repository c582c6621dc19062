// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/dialog_fields.h"

#include <array>
#include <cctype>
#include <cmath>
#include <fmt/format.h>

#include "engine/engine.h"
#include "settings/ini_file.h"
#include "settings/place_database.h"
#include "common/text_encoding.h"

namespace orvanta::settings {

namespace {

// The temkin fields' ranges, İmsak .. Yatsı: a time that may only come
// earlier (İmsak, Güneş, İstiva, İsfirar) takes 0..-30 minutes, the others
// 0..+30. In mode 5 Yatsı follows Akşam by its temkin, 60..120 minutes.
struct Range {
    std::int32_t minimum;
    std::int32_t maximum;
};
constexpr Range kEarlier{-30, 0};
constexpr Range kLater{0, 30};
constexpr std::array<Range, engine::kComputedVakits> kTemkinRanges{kEarlier, kEarlier, kLater, kEarlier, kLater,
                                                                   kLater,   kLater,   kEarlier, kLater, kLater};
constexpr Range kYatsiAfterAksam{60, 120};
constexpr std::int32_t kYatsiFollowsAksamMode = 5;
constexpr Range kModes{0, 5};
// The sun's altitude at İmsak and at Yatsı, degrees.
constexpr double kImsakAngleHighest = -15.0;
constexpr double kYatsiAngleHighest = -10.0;
constexpr double kAngleLowest = -20.0;
// Decimal scale factors of the place list: degrees to thousandths, hours
// to tenths of a minute (then × 0.1 and truncated).
constexpr int kDegreesFactor = 1000;
constexpr int kHoursFactor = 600;
// Larger than any accepted degree or hour value; keeps the scaling finite.
constexpr double kDecimalFieldLimit = 1e6;

bool inRange(std::int32_t value, Range range) { return value >= range.minimum && value <= range.maximum; }

std::optional<std::int32_t> integerIn(const FieldReader& read, Field field, FieldSign sign, Range range) {
    const std::int32_t value = dialogInteger(read(field), sign);
    if (!inRange(value, range)) return std::nullopt;
    return value;
}

// A decimal field ("." the decimal point) scaled as the place list is.
std::optional<std::int32_t> scaledIn(const FieldReader& read, Field field, int factor, Range range) {
    const double value = leadingDecimal(read(field));
    if (!(std::fabs(value) <= kDecimalFieldLimit)) return std::nullopt;  // also NaN
    const std::int32_t scaled = scaledPlaceValue(value, factor);
    if (!inRange(scaled, range)) return std::nullopt;
    return scaled;
}

std::optional<float> angleIn(const FieldReader& read, Field field, double highest) {
    const double value = leadingDecimal(read(field));
    if (!(value >= kAngleLowest && value <= highest)) return std::nullopt;
    return static_cast<float>(value);
}

// The numbers of "%d<separator>%d..." read as sscanf reads them: each may
// follow blanks and carry a sign, each separator follows its number at
// once, text after the last number is ignored. Nothing unless all `count`
// numbers are there.
template <std::size_t count>
std::optional<std::array<int, count>> separatedNumbers(std::string_view text, char separator) {
    std::array<int, count> numbers{};
    std::size_t at = 0;
    for (std::size_t index = 0; index < count; ++index) {
        if (index > 0) {
            if (at >= text.size() || text[at] != separator) return std::nullopt;
            ++at;
        }
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
        const std::size_t start = at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
        if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at]))) return std::nullopt;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
        numbers[index] = dialogInteger(text.substr(start, at - start), FieldSign::Signed);
    }
    return numbers;
}

int daysInYear(int year) { return engine::isLeapYear(year) ? 366 : 365; }

}  // namespace

std::int32_t dialogInteger(std::string_view text, FieldSign sign) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (sign == FieldSign::Unsigned && first != std::string_view::npos && text[first] == '-') return 0;
    return parseProfileInt(text);
}

bool stepViewDate(ViewMoment& moment, int direction) {
    int dayOfYear = engine::dayOfYear({static_cast<std::int16_t>(moment.year), static_cast<std::int16_t>(moment.month),
                                       static_cast<std::int16_t>(moment.day)});
    int year = moment.year;
    if (direction > 0) {
        if (++dayOfYear > daysInYear(year)) {
            if (year >= kLastViewYear) return false;
            ++year;
            dayOfYear = 1;
        }
    } else if (dayOfYear == 1) {
        if (year <= kFirstViewYear) return false;
        --year;
        dayOfYear = daysInYear(year);
    } else {
        --dayOfYear;
    }
    const engine::Date date = engine::dateOfDayOfYear(static_cast<std::int16_t>(year), static_cast<std::int16_t>(dayOfYear));
    moment.year = year;
    moment.month = date.month;
    moment.day = date.day;
    return true;
}

std::string degreesText(std::int32_t hundredths) { return fmt::format("{:5.2f}", hundredths * 0.01); }
std::string zoneHoursText(std::int32_t minutes) { return fmt::format("{:5.2f}", minutes / 60.0); }
std::string angleText(float degrees) { return fmt::format("{:4.1f}", degrees); }
std::string viewDateText(const ViewMoment& m) { return fmt::format("{:02}/{:02}/{:04}", m.day, m.month, m.year); }
std::string viewTimeText(const ViewMoment& m) { return fmt::format("{:02}:{:02}", m.hour, m.minute); }

std::optional<Field> storeCalculationFields(const FieldReader& read, Settings& settings,
                                          const std::filesystem::path& placeFile, bool realTimeClock,
                                          ViewMoment& moment) {
    if (const auto mode = integerIn(read, Field::CalcMode, FieldSign::Signed, kModes)) {
        settings.calcMode = *mode;
    } else {
        return Field::CalcMode;
    }
    for (std::size_t index = 0; index < kTemkinRanges.size(); ++index) {
        const Field field = kTemkinFields[index];
        const bool yatsiAfterAksam = index == kTemkinRanges.size() - 1 && settings.calcMode == kYatsiFollowsAksamMode;
        const auto minutes =
            integerIn(read, field, FieldSign::Signed, yatsiAfterAksam ? kYatsiAfterAksam : kTemkinRanges[index]);
        if (!minutes) return field;
        settings.temkin[index] = *minutes;
    }
    if (const auto row = integerIn(read, Field::PlaceRow, FieldSign::Unsigned, {1, kLastPlaceRow})) {
        settings.placeRow = *row;
    } else {
        return Field::PlaceRow;
    }
    if (settings.usePlaceList) {
        if (loadPlaceRow(placeFile, settings).status == PlaceRowStatus::Bad) return Field::PlaceRow;
    } else {
        // A place entered by hand keeps the fixed offset and summer time.
        settings.timeZoneName.clear();
        settings.placeName = std::string(common::utf8Prefix(read(Field::PlaceName), kNameBuffer - 1));
        settings.countryName = std::string(common::utf8Prefix(read(Field::CountryName), kNameBuffer - 1));
        const auto latitude = scaledIn(read, Field::Latitude, kDegreesFactor, {-kLatitudeLimit, kLatitudeLimit});
        if (!latitude) return Field::Latitude;
        settings.latitude = *latitude;
        const auto longitude =
            scaledIn(read, Field::Longitude, kDegreesFactor, {-kLongitudeLimit, kLongitudeLimit});
        if (!longitude) return Field::Longitude;
        settings.longitude = *longitude;
        const auto zone = scaledIn(read, Field::TimeZone, kHoursFactor, {kWestmostZoneMinutes, kEastmostZoneMinutes});
        if (!zone) return Field::TimeZone;
        settings.timeZoneMinutes = *zone;
    }
    if (const auto angle = angleIn(read, Field::ImsakAngle, kImsakAngleHighest)) {
        settings.imsakAngle = *angle;
    } else {
        return Field::ImsakAngle;
    }
    if (const auto angle = angleIn(read, Field::YatsiAngle, kYatsiAngleHighest)) {
        settings.yatsiAngle = *angle;
    } else {
        return Field::YatsiAngle;
    }
    if (realTimeClock) return std::nullopt;
    // The day is not checked against its month: 31/02 is counted on into March.
    const auto date = separatedNumbers<3>(read(Field::ViewDate), '/');
    if (!date || !inRange((*date)[0], {1, 31}) || !inRange((*date)[1], {1, 12}) ||
        !inRange((*date)[2], {kFirstViewYear, kLastViewYear})) {
        return Field::ViewDate;
    }
    const auto time = separatedNumbers<2>(read(Field::ViewTime), ':');
    if (!time || !inRange((*time)[0], {0, 23}) || !inRange((*time)[1], {0, 59})) return Field::ViewTime;
    moment = ViewMoment{(*date)[2], (*date)[1], (*date)[0], (*time)[0], (*time)[1]};
    return std::nullopt;
}

std::optional<Field> storeOptionMinutes(const FieldReader& read, Settings& settings) {
    struct MinuteField {
        Field field;
        std::int32_t Settings::*value;
        std::int32_t maximum;
    };
    const std::array<MinuteField, 4> fields{{{Field::SabahMinutes, &Settings::sabahEzanMinutes, kShortLeadMinutes},
                                             {Field::ReminderMinutes, &Settings::reminderMinutes, kShortLeadMinutes},
                                             {Field::CumaSalaMinutes, &Settings::cumaSalaMinutes, kLongLeadMinutes},
                                             {Field::SahurSalaMinutes, &Settings::sahurSalaMinutes, kLongLeadMinutes}}};
    for (const MinuteField& f : fields) {
        const auto minutes = integerIn(read, f.field, FieldSign::Unsigned, {kLeastLeadMinutes, f.maximum});
        if (!minutes) return f.field;
        settings.*f.value = *minutes;
    }
    return std::nullopt;
}

bool salaFileNeeded(const Settings& settings) {
    return settings.cumaSala || settings.sahurSala ||
           (settings.salaBeforeEnd && common::equalIgnoringAsciiCase(settings.reminderFile, kSalaFileName));
}

}  // namespace orvanta::settings
