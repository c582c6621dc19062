// SPDX-License-Identifier: GPL-3.0-or-later
// The place database: line conversion, row choice and the shipped file.
#include "settings/place_database.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>

#include "common/text_encoding.h"
#include "tests/support/temp_folder.h"

namespace orvanta::settings {
namespace {

using test::TempFolder;

TEST(PlaceLine, IstanbulWithCommaOrDot) {
    for (const char* line : {"İstanbul;Türkiye;2;41,01;28,97\n", "İstanbul;Türkiye;2;41.01;28.97\r\n"}) {
        const PlaceRecord place = parsePlaceLine(line);
        EXPECT_EQ(place.placeName, "İstanbul");
        EXPECT_EQ(place.countryName, "Türkiye");
        EXPECT_EQ(place.timeZoneMinutes, 120);
        EXPECT_EQ(place.latitude, 4100) << "41.01 x 1000 x 0.1 lands just below 4101";
        EXPECT_EQ(place.longitude, 2896);
    }
}

// Reference values: the extended-precision two-step scaling that keeps
// existing place lists' values (x600 or x1000, then x0.1, truncated toward zero).
TEST(PlaceLine, ExtendedPrecisionScaling) {
    struct Case {
        double value;
        int factor;
        std::int32_t expected;
    };
    for (const Case& c : {Case{39.92, 1000, 3992}, Case{32.85, 1000, 3285}, Case{5.75, 600, 345},
                          Case{-9.5, 600, -570}, Case{-3.5, 600, -210}, Case{0.0, 1000, 0}, Case{-33.5, 1000, -3350}}) {
        EXPECT_EQ(scaledPlaceValue(c.value, c.factor), c.expected) << c.value << " x " << c.factor;
    }
    EXPECT_EQ(scaledPlaceValue(1e300, 1000), 2147483647);
}

TEST(PlaceLine, SeparatorsNamesAndMissingFields) {
    const PlaceRecord runs = parsePlaceLine(";;Ankara;;;Türkiye;3;;39,92;32,85;extra");
    EXPECT_EQ(runs.placeName, "Ankara");
    EXPECT_EQ(runs.countryName, "Türkiye");
    EXPECT_EQ(runs.timeZoneMinutes, 180);
    EXPECT_EQ(runs.latitude, 3992);
    EXPECT_EQ(runs.longitude, 3285);

    const PlaceRecord longName = parsePlaceLine("Şşşşşşşşşşşşşşşşşşşş;Ülke, Kıta;x;;");
    EXPECT_EQ(common::utf8Length(longName.placeName), 20u) << "the list keeps names whole; the settings cut them";
    EXPECT_EQ(longName.countryName, "Ülke. Kıta") << "a comma in a name becomes a full stop";
    EXPECT_EQ(longName.timeZoneMinutes, 0);
    EXPECT_EQ(longName.latitude, 0);

    const PlaceRecord blanks = parsePlaceLine("A;B;  +5,5abc; -12,345;7");
    EXPECT_EQ(blanks.timeZoneMinutes, 330);
    EXPECT_EQ(blanks.latitude, -1234);
    EXPECT_EQ(blanks.longitude, 700);
}

// The fields after the fifth: read only when the sixth is a zone name, so
// that lists of five fields, or with anything else after them, read as
// they always have.
TEST(PlaceLine, ZoneRegionAndOtherNamesFollowTheFiveFields) {
    struct Case {
        const char* line;
        const char* zone;
        const char* region;
        std::vector<std::string> others;
        std::int32_t population = 0;
    };
    const Case cases[] = {
        {"Cologne;Almanya;1;50,93;6,95;Europe/Berlin;Nordrhein-Westfalen;Köln\r\n", "Europe/Berlin",
         "Nordrhein-Westfalen", {"Köln"}},
        {"Makkah;Suudi Arabistan;3;21,43;39,82;Asia/Riyadh;Makkah;1385000;Mekke|Mecca||Mekke-i Mükerreme",
         "Asia/Riyadh", "Makkah", {"Mekke", "Mecca", "Mekke-i Mükerreme"}, 1385000},
        {"Medina;Suudi Arabistan;3;24,5;39,58;Asia/Riyadh;Al Madinah;Medine", "Asia/Riyadh", "Al Madinah",
         {"Medine"}},
        {"A;B;3;1;1;Asia/Riyadh;R;12a4", "Asia/Riyadh", "R", {"12a4"}},
        {"Salta;Arjantin;-3;-24,78;-65,42;America/Argentina/Salta;Salta", "America/Argentina/Salta", "Salta", {}},
        {"X;Y;-3;1;1;Etc/GMT+3", "Etc/GMT+3", "", {}},
        {"X;Y;0;1;1;UTC;Dünya", "UTC", "Dünya", {}},
        {"İstanbul;Türkiye;2;41,01;28,97;extra;words", "", "", {}},
        {"X;Y;3;1;1;../../etc/passwd;R", "", "", {}},
        {"X;Y;3;1;1;Europe//Berlin;R", "", "", {}},
        {"X;Y;3;1;1;Europe/Ber lin;R", "", "", {}},
        {"X;Y;3;1;1;Europe;R", "", "", {}},
    };
    for (const Case& c : cases) {
        const PlaceRecord place = parsePlaceLine(c.line);
        EXPECT_EQ(place.ianaZone, c.zone) << c.line;
        EXPECT_EQ(place.regionName, c.region) << c.line;
        EXPECT_EQ(place.otherNames, c.others) << c.line;
        EXPECT_EQ(place.population, c.population) << c.line;
    }
}

TEST(PlaceRow, ChoosesTheLineAndKeepsValuesWithoutAFile) {
    TempFolder folder;
    const auto file = folder.write("orvanta.csv", "Adana;Türkiye;3;37;35,32\nİzmir;Türkiye;3;38,41;27,14\n");
    Settings settings;
    settings.placeRow = 1;
    loadPlaceRow(file, settings);
    EXPECT_EQ(settings.placeName, "Adana");
    settings.placeRow = 500;
    loadPlaceRow(file, settings);
    EXPECT_EQ(settings.placeName, "İzmir") << "a row past the end gives the last line";
    EXPECT_EQ(settings.latitude, 3840) << "38.41 lands below 3841 as 41.01 does";

    EXPECT_EQ(loadPlaceRow(folder / "missing.csv", settings).status, PlaceRowStatus::NoRows);
    EXPECT_EQ(loadPlaceRow(folder.write("empty.csv", ""), settings).status, PlaceRowStatus::NoRows);
    EXPECT_EQ(settings.placeName, "İzmir");
    EXPECT_EQ(settings.longitude, 2714);
    const auto zoned = folder.write("zoned.csv", "Santa Rosa de Copán;Honduras;-6;14,77;-88,78;America/Tegucigalpa;Copán\n");
    settings.placeRow = 1;
    const PlaceRowResult loaded = loadPlaceRow(zoned, settings);
    EXPECT_EQ(loaded.ianaZone, "America/Tegucigalpa");
    EXPECT_EQ(settings.placeName, "Santa Rosa de C") << "the settings keep 15 characters of a name";
}

// Rows with nan, inf, 1e400, an offset of 99999 hours or a latitude of 200°
// were taken as they stood; a blank line gave ";;0;0;0" as a place, and a
// named row with empty or wordy numbers 0°/0°/UTC+0.
TEST(PlaceRow, UnusableRowsWereTakenAsPlaces) {
    TempFolder folder;
    const auto file = folder.write("bad.csv",
                                   "Apia;Samoa;13;-13,83;-171,76\nA;B;nan;1;1\nA;B;3;inf;1\nA;B;3;1;1e400\n"
                                   "A;B;99999;1;1\nA;B;3;200;1\nA;B;-12,5;1;1\nAnkara;Türkiye;;;\n"
                                   "Ankara;Türkiye;üç;39,92;32,85\nAnkara;Türkiye;3;39,92\n   \n"
                                   "Kiritimati;Kiribati;14;1,87;-157,4\n");
    Settings settings;
    settings.placeRow = 1;
    ASSERT_EQ(loadPlaceRow(file, settings).status, PlaceRowStatus::Loaded);
    EXPECT_EQ(settings.timeZoneMinutes, 780);  // UTC+13 all year
    for (std::int32_t row = 2; row <= 11; ++row) {
        settings.placeRow = row;
        const PlaceRowResult result = loadPlaceRow(file, settings);
        EXPECT_EQ(result.status, PlaceRowStatus::Bad) << row;
        EXPECT_EQ(result.row, row);
        EXPECT_EQ(settings.placeName, "Apia") << row;
    }
    settings.placeRow = 12;
    ASSERT_EQ(loadPlaceRow(file, settings).status, PlaceRowStatus::Loaded);
    EXPECT_EQ(settings.timeZoneMinutes, 840);
    // A row past the end of a file ending in a blank line is that line.
    const auto trailing = folder.write("trailing.csv", "Adana;Türkiye;3;37;35,32\n\n");
    settings.placeRow = 40;
    EXPECT_EQ(loadPlaceRow(trailing, settings).row, 2);
    EXPECT_DOUBLE_EQ(leadingDecimal("1e-400"), 0.0);
    EXPECT_EQ(leadingDecimal("-1e400"), -std::numeric_limits<double>::infinity());
}

// A file in UTF-8 with one Windows-1254 line (a row added by hand in an
// older editor) keeps every UTF-8 name.
TEST(PlaceRow, OverlongLineCountsAsSeveralAndEachLineHasItsOwnEncoding) {
    TempFolder folder;
    const std::string overlong = std::string(300, 'x') + ";T;3;39;34";
    const auto file = folder.write("w.csv", overlong + "\nK\xFDr\xFE" "ehir;T\xFCrkiye;3;39,14;34,17\n"
                                                       "İzmir;Türkiye;3;38,41;27,14\n");
    Settings settings;
    for (const auto& [row, name] : {std::pair{3, "Kırşehir"}, {4, "İzmir"}, {2, "xxxxxxxxxxxxxxx"}}) {
        settings.placeRow = row;
        ASSERT_EQ(loadPlaceRow(file, settings).status, PlaceRowStatus::Loaded) << row;
        EXPECT_EQ(settings.placeName, name) << row;
        EXPECT_EQ(settings.countryName, row == 2 ? "T" : "Türkiye") << row;
    }
}

TEST(PlaceFinder, TurkishLettersFoldAndRowsAreThoseLoadPlaceRowReads) {
    EXPECT_EQ(searchKey("İSTANBUL Iğdır ŞANLIURFA Çorum Zürich Kraków"), "istanbul igdir sanliurfa corum zurich krakow");
    TempFolder folder;
    const auto file = folder.write("p.csv", std::string(300, 'x') + "\nA;B;3;200;1\nİzmir;Türkiye;3;38,41;27,14\n");
    const auto list = readPlaceList(file);
    ASSERT_EQ(list.size(), 1u);  // İzmir: neither the bad row nor the long line's pieces, names without numbers
    const auto found = findPlaces(list, "IZMIR");
    ASSERT_EQ(found.size(), 1u);
    Settings settings;
    settings.placeRow = found[0]->row;
    ASSERT_EQ(loadPlaceRow(file, settings).status, PlaceRowStatus::Loaded);
    EXPECT_EQ(settings.placeName, "İzmir");
    EXPECT_EQ(findPlaces(list, "").size(), 1u);
    EXPECT_EQ(found[0]->row, 4);
}

// Best matches first: a name that is the query, one that starts with it,
// one with a word starting with it, one holding it, then region or
// country, then every word of the query somewhere; of equals the more
// populous, then the earlier row.
TEST(PlaceFinder, AnyNameFindsThePlaceBestFirst) {
    TempFolder folder;
    const auto file = folder.write("w.csv",
                                   "Kolonia;Mikronezya;11;6,96;158,21;Pacific/Pohnpei;Pohnpei\n"
                                   "Alexandria;ABD;-5;38,82;-77,1;America/New_York;Virginia;127273\n"
                                   "Cologne;Almanya;1;50,93;6,95;Europe/Berlin;Nordrhein-Westfalen;Köln\n"
                                   "Alexandria;Mısır;2;31,2;29,95;Africa/Cairo;Al Iskandariyah;3988258;İskenderiye\n"
                                   "Bergisch Köln;Almanya;1;50,9;7,1;Europe/Berlin;Köln Land\n"
                                   "Kölnerhof;Almanya;1;50,8;7;Europe/Berlin;Hessen\n"
                                   "Virginia Beach;ABD;-5;36,85;-75,98;America/New_York;Virginia\n");
    const auto list = readPlaceList(file);
    struct Case {
        const char* query;
        std::vector<std::int32_t> rows;
    };
    const Case cases[] = {
        {"koln", {3, 6, 5}},  // Cologne's other name; a name that starts with it; a word of a name
        {"İSKENDERİYE", {4}},
        {"alexandria", {4, 2}},
        {"virginia", {7, 2}},
        {"alexandria virginia", {2}},
        {"almanya", {3, 5, 6}},
        {"Kudüs", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::int32_t> rows;
        for (const PlaceEntry* place : findPlaces(list, c.query)) rows.push_back(place->row);
        EXPECT_EQ(rows, c.rows) << c.query;
    }
    EXPECT_EQ(*otherNameFound(list[2], "KÖL"), "Köln");
    EXPECT_EQ(otherNameFound(list[2], "colo"), nullptr) << "its own name found it";
}

// The digest of rows 1..7298 (their first five fields, each row ending in
// a line feed) of the list as published, with the two rows put right.
constexpr std::uint64_t kPublishedDigest = 13157422437854824740ull;

// FNV-1a over text: a digest that is the same on every platform.
std::uint64_t digestOf(std::string_view text, std::uint64_t digest = 14695981039346656037ull) {
    for (const char c : text) digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return digest;
}

// The database that ships with the program.
TEST(ShippedDatabase, LinesAreWholeAndEveryPlaceHasAZoneAndARegion) {
    std::ifstream in(ORVANTA_PLACE_DATABASE);
    ASSERT_TRUE(in) << ORVANTA_PLACE_DATABASE;
    int row = 0;
    for (std::string line; std::getline(in, line);) {
        ++row;
        ASSERT_TRUE(common::isValidUtf8(line)) << "line " << row;
        ASSERT_LE(common::utf8Length(line), 253u) << "line " << row << ": longer lines are read in pieces";
        ASSERT_EQ(line.find(";;"), std::string::npos) << "line " << row;
        ASSERT_NE(line.front(), ';');
        ASSERT_NE(line.back(), ';');
        const PlaceRecord place = parsePlaceLine(line);
        ASSERT_TRUE(isUsablePlace(place)) << "line " << row;
        ASSERT_FALSE(place.ianaZone.empty()) << "line " << row;
        ASSERT_FALSE(place.regionName.empty()) << "line " << row;
    }
    EXPECT_GT(row, 11000);
}

// A settings file names its place by row: the rows published before the
// districts and towns were added keep their five fields (the digest was
// taken from that list, with the two rows put right since: the comma left
// Washington D.C.'s name, Oymyakon left 0°/0°).
TEST(ShippedDatabase, PublishedRowsKeepTheirPlaces) {
    constexpr int kPublishedRows = 7298;
    std::ifstream in(ORVANTA_PLACE_DATABASE);
    std::uint64_t digest = digestOf("");
    std::string line;
    for (int row = 1; row <= kPublishedRows && std::getline(in, line); ++row) {
        std::size_t fifthEnd = 0;
        for (int field = 0; field < 5 && fifthEnd != std::string::npos; ++field) fifthEnd = line.find(';', fifthEnd + 1);
        digest = digestOf(line.substr(0, fifthEnd) + "\n", digest);
    }
    EXPECT_EQ(digest, kPublishedDigest);

    for (const auto& [plate, name] : {std::pair{34, "İstanbul"}, {6, "Ankara"}, {81, "Düzce"}, {82, ""}}) {
        Settings settings;
        settings.placeRow = plate;
        EXPECT_EQ(loadPlaceRow(ORVANTA_PLACE_DATABASE, settings).ianaZone == "Europe/Istanbul", plate <= 81) << plate;
        EXPECT_EQ(settings.placeName == name, plate <= 81) << plate;
    }
    const auto list = readPlaceList(ORVANTA_PLACE_DATABASE);
    EXPECT_EQ(findPlaces(list, "istanbul").front()->row, 34);
    EXPECT_EQ(findPlaces(list, "igdir").front()->row, 76);
}

}  // namespace
}  // namespace orvanta::settings
