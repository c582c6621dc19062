// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <array>

#include "settings/key_table.h"
#include "settings/keys.h"
#include "common/text_encoding.h"

namespace orvanta::settings {

namespace {

using ChoiceKey = key_table::KeyEntry<Settings>;
using ServerKey = key_table::KeyEntry<TimeServerEntries>;

// "dd/mm/yyyy" and a terminating zero: the size of the stored date.
constexpr std::size_t kDateBuffer = 11;
// A tally's name is read as long as a menu caption may be.
constexpr std::size_t kMenuCaptionBuffer = 255;

// The tray menu's choices and the program's memory ("Seçenekler"). The
// ezan sound is on unless the file says "Hayır"; the wake-up only when it
// says "Evet".
const std::array<ChoiceKey, 6> kChoiceKeys{
    key_table::WordFlagKey<Settings>{keys::kEzanSala, &Settings::ezanSoundOn, /*defaultOn=*/true},
    key_table::WordFlagKey<Settings>{keys::kWake, &Settings::wakeOn},
    key_table::IntegerKey<Settings>{keys::kMessageMode, &Settings::messageMode, kMessageModeBox, kMessageModeNone,
                                    kMessageModeBox},
    key_table::TextKey<Settings>{keys::kWallpaper, &Settings::wallpaperMode, "", kPathBuffer},
    key_table::TextKey<Settings>{keys::kQuietUntil, &Settings::quietUntil, "", kPathBuffer},
    key_table::TextKey<Settings>{keys::kLastReligiousDay, &Settings::lastNoticeDate, "", kDateBuffer},
};

// The wait for one server: at most about half a minute (a signed 16-bit
// count of milliseconds), past which a server is as good as silent.
constexpr std::int32_t kLongestHostTimeoutMs = 32767;
constexpr std::int32_t kMostHosts = 1000;
const std::array<ServerKey, 2> kServerKeys{
    key_table::IntegerKey<TimeServerEntries>{keys::kHostTimeout, &TimeServerEntries::hostTimeoutMs, 2000, 0,
                                             kLongestHostTimeoutMs},
    key_table::IntegerKey<TimeServerEntries>{keys::kMaxHost, &TimeServerEntries::maxHost, 99, 0, kMostHosts},
};
// Asked when the file has no "Time Servers" section of its own: the public
// NTP pool's servers, Türkiye's first (the pool answers from elsewhere when
// a country has too few), over SNTP.
const std::array<std::string_view, 5> kDefaultServerEntries{"ntp:0.tr.pool.ntp.org", "ntp:1.tr.pool.ntp.org",
                                                            "ntp:2.tr.pool.ntp.org", "ntp:3.tr.pool.ntp.org",
                                                            "ntp:pool.ntp.org"};

void readTallies(const IniDocument& document, Settings& settings) {
    const std::string_view section = keys::kOptionsSection;
    for (int counter = 1; counter <= kTallyCount; ++counter) {
        Tally& tally = settings.tallies[static_cast<std::size_t>(counter - 1)];
        const Tally defaults = Settings{}.tallies[static_cast<std::size_t>(counter - 1)];
        tally.name = document.readString(section, keys::tallyNameKey(counter), defaults.name, kMenuCaptionBuffer);
        tally.value = document.readInt(section, keys::tallyValueKey(counter), defaults.value);
        tally.increment = document.readInt(section, keys::tallyIncrementKey(counter), defaults.increment);
    }
}

template <class Field>
SaveResult saveChoiceFields(IniFile& file, const Settings& settings, std::initializer_list<Field Settings::*> fields) {
    return file.update([&](IniDocument& document) {
        for (Field Settings::*field : fields) {
            const ChoiceKey* entry = key_table::findKey<Settings>(kChoiceKeys, field);
            if (entry != nullptr) key_table::storeKey(document, keys::kOptionsSection, *entry, settings);
        }
    });
}

}  // namespace

MissingGroups missingGroups(const IniDocument& document) {
    return {!document.sectionHasKeys(keys::kCalculationSection), !document.sectionHasKeys(keys::kOptionsSection)};
}

TimeServerEntries readTimeServerEntries(const IniDocument& document) {
    const std::string_view section = keys::kTimeServersSection;
    TimeServerEntries entries;
    if (!document.sectionHasKeys(section)) {
        entries.hosts.assign(kDefaultServerEntries.begin(), kDefaultServerEntries.end());
        entries.maxHost = static_cast<std::int32_t>(entries.hosts.size());
        return entries;
    }
    key_table::loadKeys<TimeServerEntries>(document, section, kServerKeys, entries);
    for (int index = 0; index < entries.maxHost; ++index) {
        entries.hosts.push_back(document.readString(section, keys::hostKey(index), "", kPathBuffer));
    }
    return entries;
}

void readSettings(const IniDocument& document, Settings& settings) {
    readCalculationParameters(document, settings);
    readOptions(document, settings);
    readEzanFiles(document, settings);
    key_table::loadKeys<Settings>(document, keys::kOptionsSection, kChoiceKeys, settings);
    readTallies(document, settings);
    settings.timeServers = readTimeServerEntries(document);
}

SaveResult saveChoices(IniFile& file, const Settings& settings, std::initializer_list<bool Settings::*> flags) {
    return saveChoiceFields(file, settings, flags);
}

SaveResult saveChoice(IniFile& file, const Settings& settings, std::int32_t Settings::*number) {
    return saveChoiceFields(file, settings, {number});
}

SaveResult saveChoice(IniFile& file, const Settings& settings, std::string Settings::*text) {
    return saveChoiceFields(file, settings, {text});
}

SaveResult saveTally(IniFile& file, const Settings& settings, int counter) {
    const Tally& tally = settings.tallies[static_cast<std::size_t>(counter - 1)];
    return file.update([&](IniDocument& document) {
        document.set(keys::kOptionsSection, keys::tallyNameKey(counter), common::utf8Prefix(tally.name, kTallyNameCharacters));
        document.set(keys::kOptionsSection, keys::tallyValueKey(counter), std::to_string(tally.value));
        document.set(keys::kOptionsSection, keys::tallyIncrementKey(counter), std::to_string(tally.increment));
    });
}

}  // namespace orvanta::settings
