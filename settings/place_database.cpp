#include "settings/place_database.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "settings/text_encoding.h"

namespace orvanta::settings {

namespace {

// Characters one piece of a place-list line holds: rows are counted in
// 254-character pieces so that existing place lists keep their numbering.
constexpr std::size_t kLineBufferCharacters = 254;

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
    return utf8Prefix(reach.substr(0, lineEnd), kLineBufferCharacters);
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

PlaceRecord parsePlaceLine(std::string_view line) {
    std::string text(withoutLineEnd(line));
    std::replace(text.begin(), text.end(), ',', '.');
    const std::vector<std::string_view> parts = fields(text);
    auto field = [&](std::size_t index) { return index < parts.size() ? parts[index] : std::string_view{}; };

    PlaceRecord record;
    record.placeName = std::string(utf8Prefix(field(0), kPlaceNameCharacters));
    record.countryName = std::string(utf8Prefix(field(1), kPlaceNameCharacters));
    record.timeZoneMinutes = scaledPlaceValue(leadingDecimal(field(2)), kHoursFactor);
    record.latitude = scaledPlaceValue(leadingDecimal(field(3)), kDegreesFactor);
    record.longitude = scaledPlaceValue(leadingDecimal(field(4)), kDegreesFactor);
    record.numbersGiven = leadingNumber(field(2)) && leadingNumber(field(3)) && leadingNumber(field(4));
    return record;
}

PlaceRowResult loadPlaceRow(const std::filesystem::path& file, Settings& settings) {
    const std::optional<std::string> text = readTextFile(file);
    if (!text) return {};
    const auto [line, row] = lineAtRow(*text, std::max(settings.placeRow, 1));
    if (!line) return {};
    PlaceRecord record = parsePlaceLine(*line);
    if (!isUsablePlace(record)) return {PlaceRowStatus::Bad, row};
    settings.placeName = std::move(record.placeName);
    settings.countryName = std::move(record.countryName);
    settings.timeZoneMinutes = record.timeZoneMinutes;
    settings.latitude = record.latitude;
    settings.longitude = record.longitude;
    return {PlaceRowStatus::Loaded, row};
}

std::vector<PlaceEntry> readPlaceList(const std::filesystem::path& file) {
    std::vector<PlaceEntry> places;
    const std::optional<std::string> text = readTextFile(file);
    if (!text) return places;
    std::int32_t row = 0;
    for (std::size_t position = 0; position < text->size();) {
        const std::string_view piece = linePieceAt(*text, position);
        position += piece.size();
        ++row;
        PlaceRecord record = parsePlaceLine(piece);
        if (!isUsablePlace(record)) continue;
        std::string key = searchKey(record.placeName + " " + record.countryName);
        places.push_back(PlaceEntry{row, std::move(record), std::move(key)});
    }
    return places;
}

std::string searchKey(std::string_view utf8Text) {
    // Turkish and the other Latin letters of the place names, as their
    // plain lower-case letter: "İstanbul", "ISTANBUL" and "istanbul" meet.
    static const std::pair<std::string_view, char> kFolds[] = {
        {"İ", 'i'}, {"ı", 'i'}, {"Ç", 'c'}, {"ç", 'c'}, {"Ğ", 'g'}, {"ğ", 'g'}, {"Ö", 'o'}, {"ö", 'o'},
        {"Ş", 's'}, {"ş", 's'}, {"Ü", 'u'}, {"ü", 'u'}, {"Â", 'a'}, {"â", 'a'}, {"Î", 'i'}, {"î", 'i'},
        {"Û", 'u'}, {"û", 'u'}, {"é", 'e'}, {"è", 'e'}, {"á", 'a'}, {"à", 'a'}, {"ó", 'o'}, {"ñ", 'n'},
        {"ã", 'a'}, {"í", 'i'}, {"ú", 'u'}, {"ë", 'e'}, {"ä", 'a'}};
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

std::vector<const PlaceEntry*> findPlaces(const std::vector<PlaceEntry>& places, std::string_view query) {
    const std::string wanted = searchKey(query);
    std::vector<const PlaceEntry*> found;
    for (const PlaceEntry& place : places) {
        if (place.searchKey.find(wanted) != std::string::npos) found.push_back(&place);
    }
    return found;
}

}  // namespace orvanta::settings
