// The place database: line conversion, row choice and the shipped file.
#include "settings/place_database.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>

#include "settings/text_encoding.h"
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
    EXPECT_EQ(longName.placeName, "Şşşşşşşşşşşşşşş");
    EXPECT_EQ(utf8Length(longName.placeName), 15u);
    EXPECT_EQ(longName.countryName, "Ülke. Kıta") << "a comma in a name becomes a full stop";
    EXPECT_EQ(longName.timeZoneMinutes, 0);
    EXPECT_EQ(longName.latitude, 0);

    const PlaceRecord blanks = parsePlaceLine("A;B;  +5,5abc; -12,345;7");
    EXPECT_EQ(blanks.timeZoneMinutes, 330);
    EXPECT_EQ(blanks.latitude, -1234);
    EXPECT_EQ(blanks.longitude, 700);
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
    EXPECT_EQ(searchKey("İSTANBUL Iğdır ŞANLIURFA Çorum"), "istanbul igdir sanliurfa corum");
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

// The database that ships with the program.
TEST(ShippedDatabase, LinesAreWholeAndProvincesComeFirst) {
    std::ifstream in(ORVANTA_PLACE_DATABASE);
    ASSERT_TRUE(in) << ORVANTA_PLACE_DATABASE;
    int row = 0;
    for (std::string line; std::getline(in, line);) {
        ++row;
        ASSERT_TRUE(isValidUtf8(line)) << "line " << row;
        ASSERT_LE(utf8Length(line), 253u) << "line " << row;
        ASSERT_EQ(line.find(";;"), std::string::npos) << "line " << row;
        ASSERT_NE(line.front(), ';');
        ASSERT_NE(line.back(), ';');
        ASSERT_EQ(std::count(line.begin(), line.end(), ';'), 4) << "line " << row;
        ASSERT_TRUE(isUsablePlace(parsePlaceLine(line))) << "line " << row;
    }
    EXPECT_GT(row, 7000);

    // The 81 provinces by plate number, then the rest of the world.
    for (const auto& [plate, name] : {std::pair{34, "İstanbul"}, {6, "Ankara"}, {81, "Düzce"}, {82, ""}}) {
        Settings settings;
        settings.placeRow = plate;
        loadPlaceRow(ORVANTA_PLACE_DATABASE, settings);
        EXPECT_EQ(settings.countryName == "Türkiye", plate <= 81) << plate;
        EXPECT_EQ(settings.placeName == name, plate <= 81) << plate;
    }
    const auto list = readPlaceList(ORVANTA_PLACE_DATABASE);
    EXPECT_EQ(list.size(), static_cast<std::size_t>(row));
    EXPECT_EQ(findPlaces(list, "istanbul").front()->row, 34);
    EXPECT_EQ(findPlaces(list, "igdir").front()->row, 76);
}

}  // namespace
}  // namespace orvanta::settings
