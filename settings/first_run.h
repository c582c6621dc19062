// SPDX-License-Identifier: GPL-3.0-or-later
// The first run's choices: the place guessed from the computer's zone, the
// places a search finds (best first), and the settings the welcome leaves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/place_database.h"
#include "settings/settings.h"

namespace orvanta::settings {

// The search the welcome starts with: the city of the computer's zone
// ("Europe/Berlin" gives "Berlin"); empty without a zone.
std::string placeGuess(std::string_view systemZoneName);

// The places the query finds, best first as findPlaces orders them, except
// that a place named exactly so in preferredZone (the computer's) comes
// before its namesakes elsewhere.
std::vector<const PlaceEntry*> rankedPlaces(const std::vector<PlaceEntry>& places, std::string_view query,
                                            std::string_view preferredZone);

enum class CalculationChoice {
    Diyanet,  // the Presidency of Religious Affairs' values and method (as "Diyanet Değerleri")
    Own,      // Orvanta's own defaults (the dialog's "Varsayılan Değerler")
};

struct WelcomeChoice {
    PlaceEntry place;
    CalculationChoice calculation = CalculationChoice::Diyanet;
    bool autostart = true;
};

// The settings a finished welcome leaves: the place from the list with its
// zone, the calculation values of the choice, the autostart flag.
void applyWelcomeChoice(const WelcomeChoice& choice, Settings& settings);

}  // namespace orvanta::settings
