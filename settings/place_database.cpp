// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/place_database.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "common/text_encoding.h"

namespace orvanta::settings {

namespace {

// Characters one piece of a place-list line holds: rows are counted in
// 254-character pieces so that existing place lists keep their numbering.
constexpr std::size_t kLineBufferCharacters = 254;

// The fields of a line, in order.
constexpr std::size_t kNameField = 0;
constexpr std::size_t kCountryField = 1;
constexpr std::size_t kOffsetField = 2;
constexpr std::size_t kLatitudeField = 3;
constexpr std::size_t kLongitudeField = 4;
constexpr std::size_t kZoneField = 5;
constexpr std::size_t kRegionField = 6;
constexpr std::size_t kPopulationField = 7;  // when it is digits alone; else the other names are there
// The tz database's longest names are about 30 characters.
constexpr std::size_t kLongestZoneName = 64;

// Factors of the place list's scaling: hours to tenths of minutes, degrees
// to thousandths; the final step multiplies by 0.1.
constexpr int kHoursFactor = 600;
constexpr int kDegreesFactor = 1000;

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find(';', start);
        if (end == std::string_view::npos) end = line.size();
        if (end > start) parts.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The piece of text one read of a 255-byte line buffer returns from
// position: up to and including a line feed, or 254 characters, whichever
// comes first. The line feed is looked for only as far as 254 characters
// can reach, so a file without line feeds is read in linear time.
std::string_view linePieceAt(std::string_view text, std::size_t position) {
    constexpr std::size_t kLongestUtf8CharacterBytes = 4;
    const std::string_view reach = text.substr(position, kLineBufferCharacters * kLongestUtf8CharacterBytes);
    const std::size_t feed = reach.find('\n');
    const std::size_t lineEnd = feed == std::string_view::npos ? reach.size() : feed + 1;
    return common::utf8Prefix(reach.substr(0, lineEnd), kLineBufferCharacters);
}

// The n-th piece, and n, or the last piece and its number when there are
// fewer.
std::pair<std::optional<std::string_view>, std::int32_t> lineAtRow(std::string_view text, std::int32_t row) {
    std::optional<std::string_view> piece;
    std::size_t position = 0;
    std::int32_t read = 0;
    for (; read < row && position < text.size(); ++read) {
        piece = linePieceAt(text, position);
        position += piece->size();
    }
    return {piece, read};
}


std::string_view withoutLineEnd(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

// The leading decimal number of text as leadingDecimal reads it, or
// nothing when the text does not begin with one.
std::optional<double> leadingNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\n\v\f\r");
    if (first == std::string_view::npos) return std::nullopt;
    text.remove_prefix(first);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large, or too small: a negative exponent.
        const std::string_view number = text.substr(0, static_cast<std::size_t>(end - text.data()));
        const std::size_t exponent = number.find_first_of("eE");
        const bool tiny = exponent != std::string_view::npos && exponent + 1 < number.size() && number[exponent + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc{}) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace

double leadingDecimal(std::string_view text) { return leadingNumber(text).value_or(0.0); }

bool isUsablePlace(const PlaceRecord& record) {
    const auto hasText = [](const std::string& name) { return name.find_first_not_of(" \t\r") != std::string::npos; };
    const bool named = hasText(record.placeName) || hasText(record.countryName);
    const bool numbered = record.timeZoneMinutes != 0 || record.latitude != 0 || record.longitude != 0;
    return (named || numbered) && record.numbersGiven && std::abs(record.latitude) <= kLatitudeLimit &&
           std::abs(record.longitude) <= kLongitudeLimit && record.timeZoneMinutes >= kWestmostZoneMinutes &&
           record.timeZoneMinutes <= kEastmostZoneMinutes;
}

std::int32_t scaledPlaceValue(double value, int factor) {
    // 0.1L: the 64-bit-significand value nearest to one tenth.
    const long double scaled = static_cast<long double>(value) * static_cast<long double>(factor) * 0.1L;
    // A number no place can have is held at the 32-bit range, not wrapped.
    constexpr long double kLimit = 2147483647.0L;
    if (!(scaled > -kLimit)) return -static_cast<std::int32_t>(kLimit);
    if (!(scaled < kLimit)) return static_cast<std::int32_t>(kLimit);
    return static_cast<std::int32_t>(scaled);
}

namespace {

bool isDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

std::vector<std::string> barSeparatedNames(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const std::size_t bar = std::min(text.find('|'), text.size());
        if (bar > 0) names.emplace_back(text.substr(0, bar));
        text.remove_prefix(std::min(bar + 1, text.size()));
    }
    return names;
}

// Zone, region, the population when the field is digits alone, and the
// other names after them.
template <typename FieldAt>
void readFieldsAfterTheFifth(const FieldAt& field, PlaceRecord& record) {
    record.ianaZone = std::string(field(kZoneField));
    record.regionName = std::string(field(kRegionField));
    std::size_t otherNamesField = kPopulationField;
    if (const std::string_view population = field(kPopulationField); isDigits(population)) {
        std::from_chars(population.data(), population.data() + population.size(), record.population);
        ++otherNamesField;
    }
    record.otherNames = barSeparatedNames(field(otherNamesField));
}

}  // namespace

bool looksLikeIanaZone(std::string_view text) {
    if (text == "UTC") return true;
    const auto isZoneCharacter = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '-' || c == '+';
    };
    // Area/Location[/Sub-location], each part starting with a letter.
    std::size_t parts = 0;
    for (std::size_t start = 0; start <= text.size(); ++parts) {
        const std::size_t end = std::min(text.find('/', start), text.size());
        const std::string_view part = text.substr(start, end - start);
        if (part.empty() || std::isalpha(static_cast<unsigned char>(part.front())) == 0 ||
            !std::all_of(part.begin(), part.end(), isZoneCharacter)) {
            return false;
        }
        start = end + 1;
    }
    return parts >= 2 && text.size() <= kLongestZoneName;
}

PlaceRecord parsePlaceLine(std::string_view line) {
    std::string text(withoutLineEnd(line));
    std::replace(text.begin(), text.end(), ',', '.');
    const std::vector<std::string_view> parts = fields(text);
    auto field = [&](std::size_t index) { return index < parts.size() ? parts[index] : std::string_view{}; };

    PlaceRecord record;
    record.placeName = std::string(field(kNameField));
    record.countryName = std::string(field(kCountryField));
    record.timeZoneMinutes = scaledPlaceValue(leadingDecimal(field(kOffsetField)), kHoursFactor);
    record.latitude = scaledPlaceValue(leadingDecimal(field(kLatitudeField)), kDegreesFactor);
    record.longitude = scaledPlaceValue(leadingDecimal(field(kLongitudeField)), kDegreesFactor);
    record.numbersGiven = leadingNumber(field(kOffsetField)) && leadingNumber(field(kLatitudeField)) &&
                          leadingNumber(field(kLongitudeField));
    // What follows the fifth field is read only in the layout that names a
    // zone there; anything else after it stays ignored, as it always was.
    if (looksLikeIanaZone(field(kZoneField))) readFieldsAfterTheFifth(field, record);
    return record;
}

void takePlace(const PlaceRecord& record, Settings& settings) {
    settings.placeName = std::string(common::utf8Prefix(record.placeName, kPlaceNameCharacters));
    settings.countryName = std::string(common::utf8Prefix(record.countryName, kPlaceNameCharacters));
    settings.timeZoneMinutes = record.timeZoneMinutes;
    settings.latitude = record.latitude;
    settings.longitude = record.longitude;
    settings.timeZoneName = record.ianaZone;
}

PlaceRowResult loadPlaceRow(const std::filesystem::path& file, Settings& settings) {
    const std::optional<std::string> text = common::readTextFile(file);
    if (!text) return {};
    const auto [line, row] = lineAtRow(*text, std::max(settings.placeRow, 1));
    if (!line) return {};
    const PlaceRecord record = parsePlaceLine(*line);
    if (!isUsablePlace(record)) return {PlaceRowStatus::Bad, row, {}};
    takePlace(record, settings);
    return {PlaceRowStatus::Loaded, row, record.ianaZone};
}

std::vector<PlaceEntry> readPlaceList(const std::filesystem::path& file) {
    std::vector<PlaceEntry> places;
    const std::optional<std::string> text = common::readTextFile(file);
    if (!text) return places;
    places.reserve(static_cast<std::size_t>(std::count(text->begin(), text->end(), '\n')) + 1);
    std::int32_t row = 0;
    for (std::size_t position = 0; position < text->size();) {
        const std::string_view piece = linePieceAt(*text, position);
        position += piece.size();
        ++row;
        PlaceRecord record = parsePlaceLine(piece);
        if (!isUsablePlace(record)) continue;
        PlaceEntry entry{row, std::move(record), {}, {}};
        entry.nameKeys.push_back(searchKey(entry.place.placeName));
        for (const std::string& other : entry.place.otherNames) entry.nameKeys.push_back(searchKey(other));
        entry.areaKey = searchKey(entry.place.regionName + " " + entry.place.countryName);
        places.push_back(std::move(entry));
    }
    return places;
}

std::string searchKey(std::string_view utf8Text) {
    // Turkish and the other Latin letters of the place names, as their
    // plain lower-case letter: "İstanbul", "ISTANBUL" and "istanbul" meet.
    static const std::pair<std::string_view, char> kFolds[] = {
        {"İ", 'i'}, {"ı", 'i'}, {"Ç", 'c'}, {"ç", 'c'}, {"Ğ", 'g'}, {"ğ", 'g'}, {"Ö", 'o'}, {"ö", 'o'},
        {"Ş", 's'}, {"ş", 's'}, {"Ü", 'u'}, {"ü", 'u'}, {"Â", 'a'}, {"â", 'a'}, {"Î", 'i'}, {"î", 'i'},
        {"Û", 'u'}, {"û", 'u'}, {"é", 'e'}, {"è", 'e'}, {"ê", 'e'}, {"É", 'e'}, {"á", 'a'}, {"à", 'a'},
        {"å", 'a'}, {"Å", 'a'}, {"ó", 'o'}, {"ô", 'o'}, {"ø", 'o'}, {"Ø", 'o'}, {"ñ", 'n'}, {"ã", 'a'},
        {"í", 'i'}, {"ú", 'u'}, {"ë", 'e'}, {"ä", 'a'}, {"Ä", 'a'}, {"ï", 'i'}, {"ō", 'o'},
        {"ū", 'u'}, {"ā", 'a'}, {"ă", 'a'}, {"ș", 's'}, {"ț", 't'}, {"ł", 'l'}, {"Ł", 'l'},
        {"ś", 's'}, {"ź", 'z'}, {"ż", 'z'}, {"č", 'c'}, {"Č", 'c'}, {"š", 's'}, {"Š", 's'}, {"ž", 'z'},
        {"Ž", 'z'}, {"ř", 'r'}, {"ć", 'c'}, {"đ", 'd'}, {"ý", 'y'}, {"ě", 'e'}, {"ń", 'n'}, {"ő", 'o'},
        {"ű", 'u'}};
    std::string key;
    key.reserve(utf8Text.size());
    for (std::size_t i = 0; i < utf8Text.size();) {
        const auto byte = static_cast<unsigned char>(utf8Text[i]);
        if (byte < 0x80) {
            key += static_cast<char>(std::tolower(byte));
            ++i;
            continue;
        }
        bool folded = false;
        for (const auto& [letter, plain] : kFolds) {
            if (utf8Text.substr(i).starts_with(letter)) {
                key += plain;
                i += letter.size();
                folded = true;
                break;
            }
        }
        if (!folded) key += utf8Text[i++];
    }
    return key;
}

namespace {

// How well a place answers a query; lower is better.
enum class MatchQuality { NameIs, NameStarts, NameWordStarts, NameHas, AreaHas, AllWords, None };

bool startsWordAt(const std::string& key, const std::string& wanted) {
    for (std::size_t at = key.find(wanted); at != std::string::npos; at = key.find(wanted, at + 1)) {
        if (at == 0 || std::isalnum(static_cast<unsigned char>(key[at - 1])) == 0) return true;
    }
    return false;
}

MatchQuality nameMatch(const std::string& key, const std::string& wanted) {
    if (key == wanted) return MatchQuality::NameIs;
    if (key.starts_with(wanted)) return MatchQuality::NameStarts;
    if (startsWordAt(key, wanted)) return MatchQuality::NameWordStarts;
    if (key.find(wanted) != std::string::npos) return MatchQuality::NameHas;
    return MatchQuality::None;
}

std::vector<std::string> wordsOf(const std::string& key) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < key.size()) {
        const std::size_t end = std::min(key.find(' ', start), key.size());
        if (end > start) words.push_back(key.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

bool holdsEveryWord(const PlaceEntry& place, const std::vector<std::string>& words) {
    return std::all_of(words.begin(), words.end(), [&](const std::string& word) {
        return place.areaKey.find(word) != std::string::npos ||
               std::any_of(place.nameKeys.begin(), place.nameKeys.end(),
                           [&](const std::string& key) { return key.find(word) != std::string::npos; });
    });
}

MatchQuality matchQuality(const PlaceEntry& place, const std::string& wanted, const std::vector<std::string>& words) {
    MatchQuality best = MatchQuality::None;
    for (const std::string& key : place.nameKeys) best = std::min(best, nameMatch(key, wanted));
    if (best != MatchQuality::None) return best;
    if (place.areaKey.find(wanted) != std::string::npos) return MatchQuality::AreaHas;
    if (words.size() > 1 && holdsEveryWord(place, words)) return MatchQuality::AllWords;
    return MatchQuality::None;
}

}  // namespace

std::vector<const PlaceEntry*> findPlaces(const std::vector<PlaceEntry>& places, std::string_view query) {
    const std::string wanted = searchKey(query);
    const std::vector<std::string> words = wordsOf(wanted);
    std::vector<std::pair<MatchQuality, const PlaceEntry*>> ranked;
    for (const PlaceEntry& place : places) {
        const MatchQuality quality = words.empty() ? MatchQuality::NameIs : matchQuality(place, wanted, words);
        if (quality != MatchQuality::None) ranked.emplace_back(quality, &place);
    }
    if (!words.empty()) {
        std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
            if (a.first != b.first) return a.first < b.first;
            return a.second->place.population > b.second->place.population;
        });
    }
    std::vector<const PlaceEntry*> found;
    found.reserve(ranked.size());
    for (const auto& [quality, place] : ranked) found.push_back(place);
    return found;
}

const std::string* otherNameFound(const PlaceEntry& entry, std::string_view query) {
    const std::string wanted = searchKey(query);
    if (wanted.empty() || entry.nameKeys.empty() || entry.nameKeys.front().find(wanted) != std::string::npos) {
        return nullptr;
    }
    for (std::size_t i = 1; i < entry.nameKeys.size(); ++i) {
        if (entry.nameKeys[i].find(wanted) != std::string::npos) return &entry.place.otherNames[i - 1];
    }
    return nullptr;
}

}  // namespace orvanta::settings
