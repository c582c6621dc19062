// SPDX-License-Identifier: GPL-3.0-or-later
// The first run's guess, the order of the places found and the settings
// the welcome leaves.
#include "settings/first_run.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orvanta::settings {
namespace {

std::vector<PlaceEntry> placesOf(const std::string& rows) {
    const std::filesystem::path file = std::filesystem::path(::testing::TempDir()) / "first_run_places.csv";
    std::ofstream(file) << rows;
    return readPlaceList(file);
}

std::vector<std::string> namesOf(const std::vector<const PlaceEntry*>& found) {
    std::vector<std::string> names;
    for (const PlaceEntry* entry : found) names.push_back(entry->place.placeName + "/" + entry->place.countryName);
    return names;
}

TEST(FirstRun, GuessComesFromTheSystemZonesCity) {
    EXPECT_EQ(placeGuess("Europe/Istanbul"), "Istanbul");
    EXPECT_EQ(placeGuess("Europe/Berlin"), "Berlin");
    EXPECT_EQ(placeGuess("America/Los_Angeles"), "Los Angeles");
    EXPECT_EQ(placeGuess(""), "");
}

TEST(FirstRun, ExactNamesFirstThenBeginningsThenThePreferredZone) {
    const auto places = placesOf(
        "Yeni Berlin;ABD;-5;40;-75;America/New_York\n"
        "Berlingen;İsviçre;1;47,6;9,0;Europe/Zurich\n"
        "Berlin;ABD;-5;44,4;-71,2;America/New_York\n"
        "Berlin;Almanya;1;52,52;13,4;Europe/Berlin\n"
        "İstanbul;Türkiye;3;41,1;29;Europe/Istanbul\n");
    EXPECT_EQ(namesOf(rankedPlaces(places, "berlin", "Europe/Berlin")),
              (std::vector<std::string>{"Berlin/Almanya", "Berlin/ABD", "Berlingen/İsviçre", "Yeni Berlin/ABD"}));
    EXPECT_EQ(namesOf(rankedPlaces(places, "Berlin", "")).front(), "Berlin/ABD");  // row order without a zone
    EXPECT_EQ(namesOf(rankedPlaces(places, "Istanbul", "Europe/Istanbul")), (std::vector<std::string>{"İstanbul/Türkiye"}));
    EXPECT_TRUE(rankedPlaces(places, "Köln", "").empty());
}

TEST(FirstRun, ChoiceLeavesAPlaceWithItsZoneTheMethodAndAutostart) {
    const auto places = placesOf("Berlin;Almanya;1;52,52;13,4;Europe/Berlin\n");
    Settings settings;
    settings.placeChosen = false;
    settings.useSystemDaylightSaving = true;
    settings.daylightSaving = true;
    applyWelcomeChoice({places.front(), CalculationChoice::Diyanet, true}, settings);
    Settings diyanet;
    applyDiyanetPreset(diyanet);
    EXPECT_TRUE(settings.placeChosen && settings.usePlaceList && settings.autostart);
    EXPECT_EQ(settings.placeRow, 1);
    EXPECT_EQ(settings.placeName, "Berlin");
    EXPECT_EQ(settings.latitude, 5252);
    EXPECT_EQ(settings.timeZoneName, "Europe/Berlin");
    EXPECT_FALSE(settings.useSystemDaylightSaving || settings.daylightSaving);  // the zone gives summer time
    EXPECT_EQ(settings.temkin, diyanet.temkin);
    EXPECT_TRUE(settings.diyanetMethod);  // beyond 45° the Diyanet rule too

    applyWelcomeChoice({places.front(), CalculationChoice::Own, false}, settings);
    EXPECT_EQ(settings.temkin, Settings{}.temkin);
    EXPECT_FALSE(settings.diyanetMethod);
    EXPECT_FALSE(settings.autostart);
}

}  // namespace
}  // namespace orvanta::settings
