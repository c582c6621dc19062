// SPDX-License-Identifier: GPL-3.0-or-later
// The place database: a text file with one place a line,
//   name;country;zone offset in hours;latitude;longitude[;IANA zone;region[;population][;other names]]
// with "," or "." as the decimal separator. Line N is place N (no header);
// the first 81 lines are the provinces of Türkiye in plate order. The
// fields after the fifth are read only when the sixth is a zone name, so a
// list of five fields (or one with anything else after them) still reads as
// it always has; the population is a field of digits alone, the other names
// are separated by "|".
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace orvanta::settings {

// Characters a place or country name keeps in the settings.
inline constexpr std::size_t kPlaceNameCharacters = kNameBuffer - 1;

struct PlaceRecord {
    std::string placeName;    // whole, as the list spells it
    std::string countryName;  // whole
    std::int32_t timeZoneMinutes = 0;  // minutes east of UTC (standard time)
    std::int32_t latitude = 0;         // hundredths of a degree, north positive
    std::int32_t longitude = 0;        // hundredths of a degree, east positive
    // Whether the line gave a number for the zone, the latitude and the
    // longitude: an empty or wordy field is no 0°.
    bool numbersGiven = true;
    std::string ianaZone;     // "Europe/Istanbul"; empty when the line gives none
    std::string regionName;   // province, state or region; may be empty
    std::int32_t population = 0;          // people; 0 when unknown
    std::vector<std::string> otherNames;  // Turkish, local or older names
};

// Converts one line of the database. Every "," becomes "." (names too); a
// run of ";" is one separator and a leading ";" is skipped; missing names
// are empty and missing numbers 0. Names are kept whole.
PlaceRecord parsePlaceLine(std::string_view line);

// Whether text has the form of an IANA zone name ("Europe/Istanbul",
// "America/Argentina/Buenos_Aires", "UTC"): whether it exists is for the
// zone database to say.
bool looksLikeIanaZone(std::string_view text);

// Hours or degrees scaled as the place list always has: the decimal value
// times `factor` (600 for hours to tenths of minutes, 1000 for degrees to
// thousandths), times 0.1, in x87 extended precision, truncated toward zero.
// Neither factor is exact, so 41.01 gives 4100 and -3.5 gives -210.
std::int32_t scaledPlaceValue(double value, int factor);

// The leading decimal number of text: blanks skipped, one optional sign,
// then the longest decimal number (digits, point, exponent) or "inf" or
// "nan"; anything after it is ignored. No number gives 0; a number beyond
// the range of double gives an infinity of its sign (0 when it is too
// small), as the C library's strtod does. Unlike strtod it takes no
// hexadecimal and does not depend on the locale.
double leadingDecimal(std::string_view text);

// A place a program can use: a name or a number given, all three numbers
// given (numbersGiven), every number finite and within latitude ±90°, longitude ±180° and zone UTC-12..UTC+14.
bool isUsablePlace(const PlaceRecord& record);

enum class PlaceRowStatus {
    Loaded,
    NoRows,  // the file is missing, unreadable or empty
    Bad,     // the row is blank or not a usable place
};
struct PlaceRowResult {
    PlaceRowStatus status = PlaceRowStatus::NoRows;
    std::int32_t row = 0;  // the row read (the last when the file is shorter)
    std::string ianaZone;  // the row's zone when Loaded; empty when it names none
};

// The place fields of the settings from a record: names, offset,
// coordinates and zone.
void takePlace(const PlaceRecord& record, Settings& settings);

// Copies line settings.placeRow of the file into the place fields of
// settings (names cut to the settings' 15 characters): the last line when
// the file is shorter. Nothing changes unless the row is Loaded. Lines are
// counted in pieces of 254 characters so that existing place lists keep
// their numbering: a line of more than 254 characters (its line feed
// counted) is read as several lines.
PlaceRowResult loadPlaceRow(const std::filesystem::path& file, Settings& settings);

// ---- finding a place by name ----
struct PlaceEntry {
    std::int32_t row = 0;  // the row loadPlaceRow reads it from
    PlaceRecord place;
    std::vector<std::string> nameKeys;  // the name, then the other names, as searchKey gives them
    std::string areaKey;                // region and country as searchKey gives them
};
// Every usable place of the file with its row number (unusable rows are
// left out; their numbers are skipped, not reused). Empty when the file
// cannot be read.
std::vector<PlaceEntry> readPlaceList(const std::filesystem::path& file);
// Text folded for searching: lower case, the Turkish letters and the
// accented Latin ones as their plain letter ("İ", "I", "ı" -> "i",
// "ş" -> "s"), so that a search typed on any keyboard finds the place.
std::string searchKey(std::string_view utf8Text);
// The places the query finds (folded alike), best first: a name (its own or
// another) that is the query, then one that starts with it, one with a word
// that starts with it, one that contains it, then a region or country that
// contains it, then places holding every word of a query of several words
// somewhere ("alexandria virginia"). Of equally good places the more
// populous comes first (London, England before London, Kentucky), then the
// earlier row; an empty query finds all in row order.
std::vector<const PlaceEntry*> findPlaces(const std::vector<PlaceEntry>& places, std::string_view query);
// The other name of the place the query finds when its own name does not
// ("Köln" for Cologne searched as "koln"); null otherwise.
const std::string* otherNameFound(const PlaceEntry& entry, std::string_view query);

}  // namespace orvanta::settings
