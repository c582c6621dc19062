// SPDX-License-Identifier: GPL-3.0-or-later
// A place-database line on any bytes: a usable place always lies within the
// ranges the engine takes, and a zone read from it has the form of a zone
// name (never a path that leaves the zone database).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/place_database.h"
#include "common/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvanta::settings;
    const std::string line = orvanta::common::decodeTextFile(std::string_view(reinterpret_cast<const char*>(data), size));
    const PlaceRecord record = parsePlaceLine(line);
    if (!record.ianaZone.empty() &&
        (!looksLikeIanaZone(record.ianaZone) || record.ianaZone.find("..") != std::string::npos)) {
        __builtin_trap();
    }
    if (isUsablePlace(record) && (std::abs(record.latitude) > kLatitudeLimit || std::abs(record.longitude) > kLongitudeLimit)) {
        __builtin_trap();
    }
    return 0;
}
