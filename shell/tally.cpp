// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/tally.h"

#include <limits>

#include "common/text_encoding.h"
#include "settings/keys.h"

namespace orvanta::shell {

namespace {

namespace keys = settings::keys;

std::string defaultTallyName(int counter) { return "Çetele-" + std::to_string(counter); }

}  // namespace

Tally readTally(const settings::IniDocument& document, int counter) {
    constexpr std::size_t kMenuCaptionBuffer = 255;
    Tally tally;
    tally.name = document.readString(keys::kOptionsSection, keys::tallyNameKey(counter), defaultTallyName(counter),
                                     kMenuCaptionBuffer);
    tally.value = document.readInt(keys::kOptionsSection, keys::tallyValueKey(counter), 0);
    tally.increment = document.readInt(keys::kOptionsSection, keys::tallyIncrementKey(counter), 1);
    return tally;
}

settings::SaveResult saveTally(settings::IniFile& file, int counter, const Tally& tally) {
    return file.update([&](settings::IniDocument& document) {
        document.set(keys::kOptionsSection, keys::tallyNameKey(counter),
                     common::utf8Prefix(tally.name, kTallyNameCharacters));
        document.set(keys::kOptionsSection, keys::tallyValueKey(counter), std::to_string(tally.value));
        document.set(keys::kOptionsSection, keys::tallyIncrementKey(counter), std::to_string(tally.increment));
    });
}

std::optional<std::int32_t> addIncrement(std::int32_t value, std::int32_t increment) {
    const std::int64_t sum = std::int64_t{value} + increment;
    if (sum < std::numeric_limits<std::int32_t>::min() || sum > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(sum);
}

}  // namespace orvanta::shell
