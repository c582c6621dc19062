// SPDX-License-Identifier: GPL-3.0-or-later
// The key tables of the settings file: each row ties a value of a record
// to its key, its default and the range a hand-edited value is held to.
// A group is read, written and copied row by row, so its keys are listed
// once.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/ini_file.h"
#include "settings/keys.h"

namespace orvanta::settings::key_table {

// The longest text a flag word is read from.
inline constexpr std::size_t kFlagWordBuffer = 255;

// Integer with its default and the range a hand-edited value is held to:
// the range its dialog accepts, or the range the engine's inputs hold.
template <class Record>
struct IntegerKey {
    std::string_view key;
    std::int32_t Record::*field;
    std::int32_t defaultValue;
    std::int32_t minimum;
    std::int32_t maximum;
};
// Flag stored as an integer: nonzero is on; written as 0 or 1.
template <class Record>
struct NumericFlagKey {
    std::string_view key;
    bool Record::*field;
};
// Flag stored as a word, written "Evet" or "Hayır". A flag off by default
// is on only when the word is exactly "Evet"; one on by default is off
// only when it is exactly "Hayır".
template <class Record>
struct WordFlagKey {
    std::string_view key;
    bool Record::*field;
    bool defaultOn = false;
};
// Text kept to bufferSize - 1 characters; a text the check refuses reads as
// the default.
template <class Record>
struct TextKey {
    std::string_view key;
    std::string Record::*field;
    std::string_view defaultValue;
    std::size_t bufferSize;
    bool (*acceptable)(std::string_view) = nullptr;
};
template <class Record>
using KeyEntry = std::variant<IntegerKey<Record>, NumericFlagKey<Record>, WordFlagKey<Record>, TextKey<Record>>;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

inline bool readWordFlag(const IniDocument& document, std::string_view section, std::string_view key, bool defaultOn) {
    const std::string word = document.readString(section, key, "", kFlagWordBuffer);
    return defaultOn ? word != keys::kNo : word == keys::kYes;
}

template <class Record>
void loadKeys(const IniDocument& document, std::string_view section, std::span<const KeyEntry<Record>> entries,
              Record& record) {
    for (const KeyEntry<Record>& entry : entries) {
        std::visit(Overloaded{
                       [&](const IntegerKey<Record>& k) {
                           record.*k.field =
                               std::clamp(document.readInt(section, k.key, k.defaultValue), k.minimum, k.maximum);
                       },
                       [&](const NumericFlagKey<Record>& k) {
                           record.*k.field = document.readInt(section, k.key, 0) != 0;
                       },
                       [&](const WordFlagKey<Record>& k) {
                           record.*k.field = readWordFlag(document, section, k.key, k.defaultOn);
                       },
                       [&](const TextKey<Record>& k) {
                           std::string text = document.readString(section, k.key, k.defaultValue, k.bufferSize);
                           const bool refused = k.acceptable != nullptr && !k.acceptable(text);
                           record.*k.field = refused ? std::string(k.defaultValue) : std::move(text);
                       },
                   },
                   entry);
    }
}

template <class Record>
void storeKey(IniDocument& document, std::string_view section, const KeyEntry<Record>& entry, const Record& record) {
    std::visit(Overloaded{
                   [&](const IntegerKey<Record>& k) { document.set(section, k.key, std::to_string(record.*k.field)); },
                   [&](const NumericFlagKey<Record>& k) { document.set(section, k.key, record.*k.field ? "1" : "0"); },
                   [&](const WordFlagKey<Record>& k) {
                       document.set(section, k.key, record.*k.field ? keys::kYes : keys::kNo);
                   },
                   [&](const TextKey<Record>& k) { document.set(section, k.key, record.*k.field); },
               },
               entry);
}

template <class Record>
void storeKeys(IniDocument& document, std::string_view section, std::span<const KeyEntry<Record>> entries,
               const Record& record) {
    for (const KeyEntry<Record>& entry : entries) storeKey(document, section, entry, record);
}

// The values of the rows, from one record to another.
template <class Record>
void copyKeys(std::span<const KeyEntry<Record>> entries, const Record& from, Record& to) {
    for (const KeyEntry<Record>& entry : entries) {
        std::visit([&](const auto& k) { to.*k.field = from.*k.field; }, entry);
    }
}

// The row of a table whose field is `field`, or nullptr.
template <class Record, class Field>
const KeyEntry<Record>* findKey(std::span<const KeyEntry<Record>> entries, Field Record::*field) {
    for (const KeyEntry<Record>& entry : entries) {
        const bool found = std::visit(
            [&](const auto& k) {
                if constexpr (std::is_same_v<decltype(k.field), Field Record::*>) return k.field == field;
                return false;
            },
            entry);
        if (found) return &entry;
    }
    return nullptr;
}

}  // namespace orvanta::settings::key_table
