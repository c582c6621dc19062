#include "settings/first_run.h"

#include <algorithm>

#include "timezone/zone_offsets.h"

namespace orvanta::settings {

std::string placeGuess(std::string_view systemZoneName) { return timezone::zoneCityName(systemZoneName); }

std::vector<const PlaceEntry*> rankedPlaces(const std::vector<PlaceEntry>& places, std::string_view query,
                                            std::string_view preferredZone) {
    std::vector<const PlaceEntry*> found = findPlaces(places, query);
    const std::string wanted = searchKey(query);
    // 0: the name itself, 1: the name's beginning, 2: elsewhere; half a
    // rank better in the preferred zone.
    auto rank = [&](const PlaceEntry* entry) {
        const std::string name = searchKey(entry->place.placeName);
        const int match = name == wanted ? 0 : name.starts_with(wanted) ? 1 : 2;
        const bool otherZone = preferredZone.empty() || entry->place.ianaZone != preferredZone;
        return match * 2 + (otherZone ? 1 : 0);
    };
    std::stable_sort(found.begin(), found.end(),
                     [&](const PlaceEntry* a, const PlaceEntry* b) { return rank(a) < rank(b); });
    return found;
}

void applyWelcomeChoice(const WelcomeChoice& choice, Settings& settings) {
    settings.usePlaceList = true;
    settings.placeRow = choice.place.row;
    takePlace(choice.place.place, settings);
    settings.useWindowsTimeZone = false;
    settings.useWindowsDaylightSaving = false;
    settings.daylightSaving = false;
    if (choice.calculation == CalculationChoice::Diyanet) {
        applyDiyanetPreset(settings);
    } else {
        const Settings defaults;
        settings.temkin = defaults.temkin;
        settings.imsakAngle = defaults.imsakAngle;
        settings.yatsiAngle = defaults.yatsiAngle;
        settings.calcMode = defaults.calcMode;
    }
    settings.autostart = choice.autostart;
    settings.placeChosen = true;
}

}  // namespace orvanta::settings
