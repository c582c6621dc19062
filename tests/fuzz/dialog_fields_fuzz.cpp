// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation dialog's check on any field texts (one line a field):
// whatever passes, no value outside its range reaches the settings.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/dialog_fields.h"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvanta::settings;
    std::vector<std::string> lines;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        lines.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    std::size_t next = 0;
    const FieldReader read = [&](Field) { return next < lines.size() ? lines[next++] : std::string(); };
    Settings settings;
    ViewMoment moment{2014, 1, 1, 12, 0};
    storeCalculationFields(read, settings, "", false, moment);

    require(settings.calcMode >= 0 && settings.calcMode <= 5);
    for (std::int32_t minutes : settings.temkin) require(std::abs(minutes) <= 120);
    require(std::abs(settings.latitude) <= kLatitudeLimit && std::abs(settings.longitude) <= kLongitudeLimit);
    require(settings.timeZoneMinutes >= kWestmostZoneMinutes && settings.timeZoneMinutes <= kEastmostZoneMinutes);
    require(settings.imsakAngle >= -20.0f && settings.imsakAngle <= -15.0f);
    require(settings.yatsiAngle >= -20.0f && settings.yatsiAngle <= -10.0f);
    require(moment.year >= kFirstViewYear && moment.year <= kLastViewYear && moment.month >= 1 && moment.month <= 12 &&
            moment.day >= 1 && moment.day <= 31 && moment.hour >= 0 && moment.hour <= 23 && moment.minute >= 0 &&
            moment.minute <= 59);
    return 0;
}
