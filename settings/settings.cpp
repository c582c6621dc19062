// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "settings/key_table.h"
#include "settings/keys.h"

#include <fmt/format.h>

namespace orvanta::settings {

namespace {

using Section = std::string_view;
using KeyEntry = key_table::KeyEntry<Settings>;
using IntegerKey = key_table::IntegerKey<Settings>;
using NumericFlagKey = key_table::NumericFlagKey<Settings>;
using WordFlagKey = key_table::WordFlagKey<Settings>;
using TextKey = key_table::TextKey<Settings>;

// "Salâ Vakitler": one 0 or 1 for each of the six times.
bool isSalaTimesPattern(std::string_view text) {
    return text.size() == 6 && text.find_first_not_of("01") == std::string_view::npos;
}

// The place keys, in the order they are read and written.
const std::array<KeyEntry, 10> kPlaceKeys{
    IntegerKey{keys::kLatitude, &Settings::latitude, 0, -kLatitudeLimit, kLatitudeLimit},
    IntegerKey{keys::kLongitude, &Settings::longitude, 0, -kLongitudeLimit, kLongitudeLimit},
    IntegerKey{keys::kTimeZone, &Settings::timeZoneMinutes, 0, kWestmostZoneMinutes, kEastmostZoneMinutes},
    NumericFlagKey{keys::kUseSystemTimeZone, &Settings::useSystemTimeZone},
    NumericFlagKey{keys::kDaylightSaving, &Settings::daylightSaving},
    NumericFlagKey{keys::kUseSystemDaylightSaving, &Settings::useSystemDaylightSaving},
    NumericFlagKey{keys::kUsePlaceList, &Settings::usePlaceList},
    IntegerKey{keys::kPlaceRow, &Settings::placeRow, 34, 1, kLastPlaceRow},
    TextKey{keys::kPlaceName, &Settings::placeName, "???", kNameBuffer},
    TextKey{keys::kCountryName, &Settings::countryName, "???", kNameBuffer},
};

// Ranges of the relay: a port number of one byte, an hour of lead or
// on-time.
constexpr std::int32_t kLastRelayPort = 255;
constexpr std::int32_t kRelayLimitSeconds = 3600;

// The options before the autostart flag, and after it.
const std::array<KeyEntry, 12> kOptionKeysBeforeAutostart{
    IntegerKey{keys::kSabahEzan, &Settings::sabahEzanMinutes, 60, kLeastLeadMinutes, kShortLeadMinutes},
    WordFlagKey{keys::kSabahEzanAtImsak, &Settings::sabahEzanAtImsak},
    IntegerKey{keys::kCumaSalaMinutes, &Settings::cumaSalaMinutes, 60, kLeastLeadMinutes, kLongLeadMinutes},
    WordFlagKey{keys::kCumaSala, &Settings::cumaSala},
    IntegerKey{keys::kSahurSalaMinutes, &Settings::sahurSalaMinutes, 90, kLeastLeadMinutes, kLongLeadMinutes},
    WordFlagKey{keys::kSahurSala, &Settings::sahurSala},
    IntegerKey{keys::kReminderMinutes, &Settings::reminderMinutes, 20, kLeastLeadMinutes, kShortLeadMinutes},
    WordFlagKey{keys::kReminderOn, &Settings::reminderOn},
    WordFlagKey{keys::kSalaBeforeEnd, &Settings::salaBeforeEnd},
    WordFlagKey{keys::kIkindiAtAsrSani, &Settings::ikindiAtAsrSani},
    WordFlagKey{keys::kRemainingToAnyTime, &Settings::remainingToAnyTime},
    WordFlagKey{keys::kAutoCorrectClock, &Settings::autoCorrectClock},
};
const std::array<KeyEntry, 6> kOptionKeysAfterAutostart{
    IntegerKey{keys::kRelayComPort, &Settings::relayComPort, 0, 0, kLastRelayPort},
    IntegerKey{keys::kRelayLead, &Settings::relayLeadSeconds, 3, 0, kRelayLimitSeconds},
    IntegerKey{keys::kRelayOn, &Settings::relayOnSeconds, 400, 0, kRelayLimitSeconds},
    TextKey{keys::kSalaTimes, &Settings::salaTimes, "111111", kSalaTimesBuffer, &isSalaTimesPattern},
    TextKey{keys::kReminderFile, &Settings::reminderFile, "sala.wav", kPathBuffer},
    TextKey{keys::kReminderText, &Settings::reminderText, "VALLAHİ  KILDIM..!", kReminderTextBuffer},
};

void loadKeys(const IniDocument& document, Section section, std::span<const KeyEntry> entries, Settings& settings) {
    key_table::loadKeys<Settings>(document, section, entries, settings);
}
void storeKeys(IniDocument& document, Section section, std::span<const KeyEntry> entries, const Settings& settings) {
    key_table::storeKeys<Settings>(document, section, entries, settings);
}

// The calculation values outside the key table, held within the engine's
// 16-bit inputs.
void keepCalculationWithinLimits(Settings& settings) {
    settings.calcMode = std::clamp(settings.calcMode, 0, 5);
    for (std::int32_t& minutes : settings.temkin) {
        minutes = std::clamp(minutes, -kTemkinLimitMinutes, kTemkinLimitMinutes);
    }
}

// "Röle COM-port" may name a device instead of a number (a USB serial
// adapter has no port number); the number then reads as 0.
void readRelayDevicePath(const IniDocument& document, Settings& settings) {
    std::string port = document.readString(keys::kOptionsSection, keys::kRelayComPort, "", kPathBuffer);
    settings.relayDevicePath = port.starts_with('/') ? std::move(port) : std::string();
}

float angleFromHundredths(std::int32_t hundredths) {
    return static_cast<float>(std::clamp(hundredths, -kAngleLimitHundredths, kAngleLimitHundredths) / 100.0);
}

}  // namespace

std::int32_t angleHundredths(float degrees) {
    return static_cast<std::int32_t>(std::lround(static_cast<double>(degrees) * 100.0));
}

void readCalculationParameters(const IniDocument& document, Settings& settings) {
    const Section section = keys::kCalculationSection;
    loadKeys(document, section, kPlaceKeys, settings);
    for (int k = 0; k < engine::kComputedVakits; ++k) {
        const auto index = static_cast<std::size_t>(k);
        settings.temkin[index] = document.readInt(section, keys::temkinKey(k), engine::defaultTemkin[index]);
    }
    settings.imsakAngle = angleFromHundredths(document.readInt(section, keys::kImsakAngle, -1800));
    settings.yatsiAngle = angleFromHundredths(document.readInt(section, keys::kYatsiAngle, -1700));
    settings.calcMode = document.readInt(section, keys::kCalcMode, 4);
    settings.diyanetMethod = key_table::readWordFlag(document, section, keys::kDiyanetMethod, /*defaultOn=*/false);
    settings.timeZoneName = document.readString(section, keys::kZoneName, "", kPathBuffer);
    settings.placeChosen = document.sectionHasKeys(section);
    keepCalculationWithinLimits(settings);
}

SaveResult saveCalculationParameters(IniFile& file, const Settings& settings, engine::Engine& engine) {
    SaveResult result = file.update([&](IniDocument& document) {
        const Section section = keys::kCalculationSection;
        storeKeys(document, section, kPlaceKeys, settings);
        for (int k = 0; k < engine::kComputedVakits; ++k) {
            document.set(section, keys::temkinKey(k), std::to_string(settings.temkin[static_cast<std::size_t>(k)]));
        }
        document.set(section, keys::kImsakAngle, std::to_string(angleHundredths(settings.imsakAngle)));
        document.set(section, keys::kYatsiAngle, std::to_string(angleHundredths(settings.yatsiAngle)));
        document.set(section, keys::kCalcMode, std::to_string(settings.calcMode));
        document.set(section, keys::kDiyanetMethod, settings.diyanetMethod ? keys::kYes : keys::kNo);
        // A file that never had a zone keeps its lines as they were.
        if (!settings.timeZoneName.empty() || document.value(section, keys::kZoneName)) {
            document.set(section, keys::kZoneName, settings.timeZoneName);
        }
    });
    applyCalculationParameters(settings, engine);
    return result;
}

void copyCalculationMethod(const Settings& from, Settings& to) {
    to.temkin = from.temkin;
    to.imsakAngle = from.imsakAngle;
    to.yatsiAngle = from.yatsiAngle;
    to.calcMode = from.calcMode;
    to.diyanetMethod = from.diyanetMethod;
}

void copyCalculationGroup(const Settings& from, Settings& to) {
    key_table::copyKeys<Settings>(kPlaceKeys, from, to);
    copyCalculationMethod(from, to);
    to.timeZoneName = from.timeZoneName;
    to.placeChosen = from.placeChosen;
}

void copyOptionsGroup(const Settings& from, Settings& to) {
    if (from.ikindiAtAsrSani != to.ikindiAtAsrSani) {
        std::swap(to.ezanFiles[static_cast<std::size_t>(kIkindiSlot)], to.otherIkindiEzanFile);
    }
    key_table::copyKeys<Settings>(kOptionKeysBeforeAutostart, from, to);
    key_table::copyKeys<Settings>(kOptionKeysAfterAutostart, from, to);
    to.relayDevicePath = from.relayDevicePath;
    to.autostart = from.autostart;
}

void applyCalculationParameters(const Settings& settings, engine::Engine& engine) {
    std::array<std::int16_t, engine::kComputedVakits> temkin{};
    std::transform(settings.temkin.begin(), settings.temkin.end(), temkin.begin(),
                   [](std::int32_t minutes) { return static_cast<std::int16_t>(minutes); });
    engine.setTemkin(temkin);
    engine.setAnglesAndMode(static_cast<std::int16_t>(angleHundredths(settings.imsakAngle)),
                            static_cast<std::int16_t>(angleHundredths(settings.yatsiAngle)),
                            static_cast<std::int16_t>(settings.calcMode));
    engine.parameters.diyanetMethod = settings.diyanetMethod;
}

void readOptions(const IniDocument& document, Settings& settings) {
    loadKeys(document, keys::kOptionsSection, kOptionKeysBeforeAutostart, settings);
    loadKeys(document, keys::kOptionsSection, kOptionKeysAfterAutostart, settings);
    readRelayDevicePath(document, settings);
    settings.pauseMediaPlayers =
        key_table::readWordFlag(document, keys::kOptionsSection, keys::kPauseMedia, /*defaultOn=*/true);
}

SaveResult saveOptions(IniFile& file, const Settings& settings, platform::AutostartSetting& autostart) {
    SaveResult result = file.update([&](IniDocument& document) {
        storeKeys(document, keys::kOptionsSection, kOptionKeysBeforeAutostart, settings);
        storeKeys(document, keys::kOptionsSection, kOptionKeysAfterAutostart, settings);
        if (!settings.relayDevicePath.empty()) {
            document.set(keys::kOptionsSection, keys::kRelayComPort, settings.relayDevicePath);
        }
    });
    if (!autostart.setEnabled(settings.autostart)) {
        SaveResult autostartFailure;
        autostartFailure.ok = false;
        autostartFailure.message = "Oturumla başlatma ayarı değiştirilemedi.";
        autostartFailure.detail = "autostart entry could not be changed";
        result &= autostartFailure;
    }
    return result;
}

void applyDiyanetPreset(Settings& settings) {
    settings.temkin = {0, -6, 10, 0, 3, 4, 4, 0, 6, 0};
    settings.imsakAngle = -18.0f;
    settings.yatsiAngle = -17.0f;
    settings.calcMode = 4;
    settings.diyanetMethod = true;
}

bool hasRelay(const Settings& settings) { return settings.relayComPort != 0 || !settings.relayDevicePath.empty(); }

engine::VakitType ezanSlotType(int slot, bool ikindiAtAsrSani) {
    using engine::VakitType;
    constexpr std::array<VakitType, kEzanSlotCount> kSlotTypes{VakitType::Sabah, VakitType::Ogle,
                                                               VakitType::Ikindi, VakitType::Aksam,
                                                               VakitType::Yatsi};
    if (slot == kIkindiSlot && ikindiAtAsrSani) return VakitType::AsriSani;
    return kSlotTypes[static_cast<std::size_t>(slot)];
}

std::string_view ezanSlotName(int slot, bool ikindiAtAsrSani) {
    return engine::vakitNames[static_cast<std::size_t>(ezanSlotType(slot, ikindiAtAsrSani))];
}

void readEzanFiles(const IniDocument& document, Settings& settings) {
    auto fileOf = [&](std::string_view slotName) {
        return document.readString(keys::kOptionsSection, slotName, "ezan.wav", kPathBuffer);
    };
    for (int slot = 0; slot < kEzanSlotCount; ++slot) {
        settings.ezanFiles[static_cast<std::size_t>(slot)] = fileOf(ezanSlotName(slot, settings.ikindiAtAsrSani));
    }
    settings.otherIkindiEzanFile = fileOf(ezanSlotName(kIkindiSlot, !settings.ikindiAtAsrSani));
}

SaveResult saveEzanFile(IniFile& file, Settings& settings, int slot, std::string_view path) {
    settings.ezanFiles[static_cast<std::size_t>(slot)] = std::string(path);
    return file.writeString(keys::kOptionsSection, ezanSlotName(slot, settings.ikindiAtAsrSani), path);
}

bool followsSystemZone(const Settings& settings) {
    return settings.useSystemTimeZone || settings.useSystemDaylightSaving;
}

std::optional<std::string_view> knownPlaceZone(const Settings& settings) {
    if (!timezone::isKnownZone(settings.timeZoneName)) return std::nullopt;
    return settings.timeZoneName;
}

std::string zoneNote(const Settings& settings, const platform::SystemZone& system) {
    if (settings.timeZoneName.empty() || settings.useSystemTimeZone) return {};
    const std::optional<std::string_view> zone = knownPlaceZone(settings);
    if (!zone) {
        return fmt::format("Saat dilimi \"{}\" tanınmıyor: sabit saat farkı ve yaz saati kullanılıyor.",
                           settings.timeZoneName);
    }
    if (system.ianaName.empty() || system.ianaName == *zone) return {};
    return fmt::format("Yerin saat dilimi {}, bilgisayarınki {}: vakitler yerin saatiyle.", *zone, system.ianaName);
}

ClockOffset clockOffsetFor(const Settings& settings, timezone::LocalDate date, const platform::SystemZone& system) {
    auto fixed = [](std::int32_t standardMinutes, bool summer) {
        const std::int32_t summerMinutes = summer ? kSummerTimeMinutes : 0;
        return timezone::ZoneOffset{standardMinutes + summerMinutes, summerMinutes};
    };
    const std::string_view systemName = followsSystemZone(settings) ? std::string_view(system.ianaName) : std::string_view();
    const timezone::ZoneOffset systemOn = timezone::offsetOnLocalDate(systemName, date)
                                              .value_or(fixed(system.standardOffsetMinutes, system.daylightInForce));
    const std::optional<std::string_view> placeZone = knownPlaceZone(settings);
    const timezone::ZoneOffset placeOn = (placeZone ? timezone::offsetOnLocalDate(*placeZone, date) : std::nullopt)
                                             .value_or(fixed(settings.timeZoneMinutes, settings.daylightSaving));
    return ClockOffset{(settings.useSystemTimeZone ? systemOn : placeOn).standardMinutes(),
                       (settings.useSystemDaylightSaving ? systemOn : placeOn).summerMinutes};
}

}  // namespace orvanta::settings
