// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli place: one line of the place database as the program reads it,
// or the places a name finds.
#include <fmt/format.h>

#include <filesystem>
#include <ostream>
#include <vector>

#include "platform/linux/program_environment.h"
#include "settings/place_database.h"
#include "settings/program_folder.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

// The database the program would read: its program folder first, then the
// installed data folder, then the source tree's resources (a build that is
// not installed).
std::filesystem::path defaultDatabase() {
    const std::vector<std::filesystem::path> folders{settings::programFolder(platform::currentFolderEnvironment()),
                                                     ORVANTA_DATA_DIR,
                                                     ORVANTA_SOURCE_RESOURCES_DIR};
    const std::string fileName = settings::companionPath({}, "csv").filename().string();
    const auto found = settings::findCompanionFile(folders, fileName);
    if (!found) throw UsageError("--csv: no " + fileName + " found in the program or data folders");
    return *found;
}

std::filesystem::path chosenDatabase(const Options& options) {
    const std::filesystem::path database = options.has("csv") ? std::filesystem::path(options.text("csv"))
                                                               : defaultDatabase();
    std::error_code error;
    if (!std::filesystem::is_regular_file(database, error)) {
        throw UsageError("--csv: cannot read " + echoed(database.string()));
    }
    return database;
}

// One line per place found, best first:
// row;name;region;country;zone;latitude;longitude (degrees).
int printPlacesFound(const std::string& query, const std::filesystem::path& database, std::ostream& out) {
    const std::vector<settings::PlaceEntry> places = settings::readPlaceList(database);
    if (places.empty()) {
        throw CommandFailure("orvanta-cli place: no place can be read from " + echoed(database.string()) + "\n");
    }
    const std::vector<const settings::PlaceEntry*> found = settings::findPlaces(places, query);
    if (found.empty()) {
        throw CommandFailure("orvanta-cli place: no place matches " + echoed(query) +
                             "; give the place by hand with --lat, --lon and --offset (times, hijri, sky)\n");
    }
    constexpr double kHundredthsPerDegree = 100.0;
    for (const settings::PlaceEntry* entry : found) {
        const settings::PlaceRecord& place = entry->place;
        out << fmt::format("{};{};{};{};{};{:.2f};{:.2f}\n", entry->row, place.placeName,
                           place.regionName.empty() ? "-" : place.regionName, place.countryName,
                           place.ianaZone.empty() ? "-" : place.ianaZone, place.latitude / kHundredthsPerDegree,
                           place.longitude / kHundredthsPerDegree);
    }
    return kExitOk;
}

}  // namespace

int runPlace(std::span<const std::string> args, std::ostream& out) {
    const Options options(args, {"row", "find", "csv"});
    if (options.has("find") == options.has("row")) throw UsageError("place takes one of --row N and --find TEXT");
    if (options.has("find")) return printPlacesFound(options.text("find"), chosenDatabase(options), out);
    settings::Settings place;
    place.placeRow = options.integer("row", 1, settings::kLastPlaceRow);
    const std::filesystem::path database = chosenDatabase(options);
    const settings::PlaceRowResult result = settings::loadPlaceRow(database, place);
    if (result.status == settings::PlaceRowStatus::NoRows) {
        throw CommandFailure("orvanta-cli place: no place can be read from " + echoed(database.string()) + "\n");
    }
    if (result.status == settings::PlaceRowStatus::Bad) {
        throw CommandFailure("orvanta-cli place: row " + std::to_string(result.row) + " of " +
                             echoed(database.string()) + " is not a usable place\n");
    }
    out << place.placeName << ';' << place.countryName << ';' << place.timeZoneMinutes << ';' << place.latitude
        << ';' << place.longitude << '\n';
    return kExitOk;
}

}  // namespace orvanta::cli
