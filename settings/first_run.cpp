// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/first_run.h"

#include <algorithm>

#include "timezone/zone_offsets.h"

namespace orvanta::settings {

std::string placeGuess(std::string_view systemZoneName) { return timezone::zoneCityName(systemZoneName); }

std::vector<const PlaceEntry*> rankedPlaces(const std::vector<PlaceEntry>& places, std::string_view query,
                                            std::string_view preferredZone) {
    std::vector<const PlaceEntry*> found = findPlaces(places, query);
    if (preferredZone.empty()) return found;
    // Of the places named exactly so, the one in the computer's zone first.
    const std::string wanted = searchKey(query);
    std::stable_partition(found.begin(), found.end(), [&](const PlaceEntry* entry) {
        return entry->place.ianaZone == preferredZone && searchKey(entry->place.placeName) == wanted;
    });
    return found;
}

void applyWelcomeChoice(const WelcomeChoice& choice, Settings& settings) {
    settings.usePlaceList = true;
    settings.placeRow = choice.place.row;
    takePlace(choice.place.place, settings);
    settings.useSystemTimeZone = false;
    settings.useSystemDaylightSaving = false;
    settings.daylightSaving = false;
    if (choice.calculation == CalculationChoice::Diyanet) {
        applyDiyanetPreset(settings);
    } else {
        copyCalculationMethod(Settings{}, settings);
    }
    settings.autostart = choice.autostart;
    settings.placeChosen = true;
}

}  // namespace orvanta::settings
