// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/keys.h"

#include "engine/engine.h"

namespace orvanta::settings::keys {

std::string temkinKey(int temkinIndex) {
    return std::string(engine::vakitNames[static_cast<std::size_t>(temkinIndex)]) + " temkini";
}

std::string tallyNameKey(int counter) { return "Çetele-" + std::to_string(counter) + " Adı"; }
std::string tallyValueKey(int counter) { return "Çetele-" + std::to_string(counter) + " Değeri"; }
std::string tallyIncrementKey(int counter) { return "Çetele-" + std::to_string(counter) + " Eklenecek"; }

std::string hostKey(int index) { return "Host" + std::to_string(index); }

}  // namespace orvanta::settings::keys
