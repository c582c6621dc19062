// SPDX-License-Identifier: GPL-3.0-or-later
// The user's settings: one record, its defaults, and the two groups that
// the settings dialogs edit and save (place and calculation; options). The
// record owns every value of the settings file: the tray menu's choices,
// the tally counters, the program's memory and the time servers too
// (settings_file.h reads them all at once).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "platform/autostart.h"
#include "platform/system_zone.h"
#include "timezone/zone_offsets.h"
#include "settings/ini_file.h"

namespace orvanta::settings {

// Sizes of the settings' text fields, terminating zero included; a text
// keeps at most size - 1 characters, so existing settings files read the same.
inline constexpr std::size_t kNameBuffer = 16;
inline constexpr std::size_t kPathBuffer = 255;
inline constexpr std::size_t kSalaTimesBuffer = 7;
inline constexpr std::size_t kReminderTextBuffer = 33;

inline constexpr int kEzanSlotCount = 5;
// The slot that rings at İkindi, or at Asr-ı Sani while ikindiAtAsrSani is on.
inline constexpr int kIkindiSlot = 2;

// "İletiler": how events show.
inline constexpr std::int32_t kMessageModeNone = 0;
inline constexpr std::int32_t kMessageModeBalloon = 1;  // notifications
inline constexpr std::int32_t kMessageModeBox = 2;      // the event windows

// The tally counters ("Çetele"): a name, a value and an increment each.
inline constexpr int kTallyCount = 5;
// A counter's name keeps this many characters (it is a menu caption).
inline constexpr std::size_t kTallyNameCharacters = 32;
struct Tally {
    std::string name;            // "Çetele-N" by default
    std::int32_t value = 0;
    std::int32_t increment = 1;  // negative counts down
    bool operator==(const Tally&) const = default;
};

// The servers the clock is checked against ("Time Servers"; the program
// only reads them). Without the section: the public NTP pool.
struct TimeServerEntries {
    std::int32_t hostTimeoutMs = 2000;  // the wait for each answer, 0..32767 ms
    std::int32_t maxHost = 99;          // Host0 .. Host{maxHost-1} are read, at most 1000
    std::vector<std::string> hosts;     // "HostN" at index N, as written; empty ones included
    bool operator==(const TimeServerEntries&) const = default;
};

// Limits of hand-entered values: the place database's last row, and half a
// day of temkin either way (more would move a time out of its day).
inline constexpr std::int32_t kLastPlaceRow = 30000;
inline constexpr std::int32_t kTemkinLimitMinutes = 720;
// Latitude ±90° and longitude ±180°, in hundredths of a degree; the Imsak
// and Yatsı angles stay within the same ±90°.
inline constexpr std::int32_t kLatitudeLimit = 9000;
inline constexpr std::int32_t kLongitudeLimit = 18000;
inline constexpr std::int32_t kAngleLimitHundredths = 9000;
// The world's zones run from UTC-12 (Baker Island) to UTC+14 (Kiritimati);
// Samoa and Tonga keep UTC+13 all year. A clock's offset adds an hour of
// summer time to its zone's (New Zealand's clock is UTC+13 in January).
inline constexpr std::int32_t kWestmostZoneMinutes = -720;
inline constexpr std::int32_t kEastmostZoneMinutes = 840;
inline constexpr std::int32_t kSummerTimeMinutes = 60;
inline constexpr std::int32_t kEastmostClockOffsetMinutes = kEastmostZoneMinutes + kSummerTimeMinutes;

// Ranges of the options dialog's minute fields (its help balloons name
// them): the morning ezan and the reminder 10..60 minutes ahead, the two
// salâs 10..120.
inline constexpr std::int32_t kLeastLeadMinutes = 10;
inline constexpr std::int32_t kShortLeadMinutes = 60;
inline constexpr std::int32_t kLongLeadMinutes = 120;

struct Settings {
    // ---- place and zone ----
    std::int32_t latitude = 0;         // hundredths of a degree, north positive, -9000..9000
    std::int32_t longitude = 0;        // hundredths of a degree, east positive, -18000..18000
    std::int32_t timeZoneMinutes = 0;  // minutes east of UTC, -720..840
    bool useSystemTimeZone = false;    // take the offset from the system zone
    bool daylightSaving = false;       // summer time (one hour ahead) in force
    bool useSystemDaylightSaving = false;  // summer time as the system says
    bool usePlaceList = false;         // the place comes from the place database
    std::int32_t placeRow = 34;        // 1-based line of the place database
    std::string placeName = "???";     // at most 15 characters
    std::string countryName = "???";   // at most 15 characters
    // The place's IANA zone ("Europe/Berlin"), set when the place is taken
    // from the list: each date's offset, summer time included, then comes
    // from the zone's rules. Empty: timeZoneMinutes and daylightSaving.
    std::string timeZoneName;
    // False when the settings file read holds no place group (a first run
    // not finished): nothing is then counted and no ezan rings.
    bool placeChosen = true;

    // ---- calculation ----
    // Minutes added to İmsak, Güneş, İşrak, İstiva, Öğle, İkindi, Asr-ı Sani,
    // İsfirar, Akşam, Yatsı.
    std::array<std::int32_t, engine::kComputedVakits> temkin = engine::defaultTemkin;
    float imsakAngle = -18.0f;  // sun's altitude at İmsak, degrees
    float yatsiAngle = -17.0f;  // sun's altitude at Yatsı, degrees
    std::int32_t calcMode = 4;  // 0..5
    // The Diyanet choice: Diyanet's method and Hijri calendar (see
    // engine::CalculationParameters::diyanetMethod).
    bool diyanetMethod = false;

    // ---- options ----
    std::int32_t sabahEzanMinutes = 60;  // morning ezan this long before Güneş
    bool sabahEzanAtImsak = false;
    std::int32_t cumaSalaMinutes = 60;   // Friday salâ this long before Öğle
    bool cumaSala = false;
    std::int32_t sahurSalaMinutes = 90;  // sahur salâ this long before İmsak
    bool sahurSala = false;
    std::int32_t reminderMinutes = 20;   // reminder this long before a time ends
    bool reminderOn = false;
    bool salaBeforeEnd = false;
    bool ikindiAtAsrSani = false;
    bool remainingToAnyTime = false;
    bool autoCorrectClock = false;
    std::int32_t relayComPort = 0;       // serial port number of the relay, 0 none
    std::string relayDevicePath;         // or the relay's device, when the key names one ("/dev/ttyUSB0")
    std::int32_t relayLeadSeconds = 3;   // relay on this long before the sound
    std::int32_t relayOnSeconds = 400;   // relay released this long after the sound starts
    std::string salaTimes = "111111";    // "1" = salâ before İmsak, Güneş, Öğle, İkindi, Akşam, Yatsı
    std::string reminderFile = "sala.wav";
    std::string reminderText = "VALLAHİ  KILDIM..!";
    bool autostart = false;
    bool pauseMediaPlayers = true;       // media players pause while an ezan or salâ sounds

    // Ezan file of each slot (SABAH, ÖĞLE, İKİNDİ or ASR-I SANİ, AKŞAM, YATSI).
    std::array<std::string, kEzanSlotCount> ezanFiles{"ezan.wav", "ezan.wav", "ezan.wav", "ezan.wav", "ezan.wav"};
    // The file kept under the İkindi slot's other name (ASR-I SANİ while the
    // slot rings at İkindi): it comes back when ikindiAtAsrSani changes.
    std::string otherIkindiEzanFile = "ezan.wav";

    // ---- the tray menu's choices ----
    bool ezanSoundOn = true;   // "Ezan / Salâ"
    bool wakeOn = false;       // "Bilgisayarı Uyandır"
    std::int32_t messageMode = kMessageModeBox;
    std::string wallpaperMode;  // "Yok", "Ay", "Yeryüzü", "Yerküre"; empty: none
    std::string quietUntil;     // quiet hours' end, "yyyy-mm-dd hh:mm"; empty: none
    std::array<Tally, kTallyCount> tallies{Tally{"Çetele-1"}, Tally{"Çetele-2"}, Tally{"Çetele-3"},
                                           Tally{"Çetele-4"}, Tally{"Çetele-5"}};

    // ---- the program's memory and the time servers ----
    std::string lastNoticeDate;  // the last religious-day notice, "dd/mm/yyyy"
    TimeServerEntries timeServers;
};

// The "Diyanet" values: with them the times lie within a minute of the
// timetables the Turkish Presidency of Religious Affairs publishes for about
// 96 % of the values (99 % of those from mid-2019 on), as fitted to several
// hundred published city-days of 47 provinces; the defaults manage about a
// fifth. Mode 4, İmsak -18°, Yatsı -17°, temkins 0 -6 10 0 3 4 4 0 6 0, and
// the Diyanet choice on: beyond 45° Diyanet's European rule, and Diyanet's
// world Hijri calendar everywhere.
void applyDiyanetPreset(Settings& settings);

// An angle as the file and the engine take it: hundredths of a degree,
// rounded to the nearest (-18.56 gives -1856). The angle is kept in single
// precision, so -16.99 is -16.9899997...: truncation would give -1698, and
// every load and save would move the angle by another hundredth.
std::int32_t angleHundredths(float degrees);

// The place and calculation group of a settings file, every value held to
// its valid range. Only reads: the engine is not touched.
void readCalculationParameters(const IniDocument& document, Settings& settings);
// The options group, held to the ranges the options dialog accepts; the
// autostart flag is not in the file and is left as it is.
void readOptions(const IniDocument& document, Settings& settings);

// Writes the place and calculation group in one replacement of the file,
// then applies it (also when the write failed: the values hold for the
// session).
SaveResult saveCalculationParameters(IniFile& file, const Settings& settings, engine::Engine& engine);
// A settings dialog's values taken over, one group at a time: the place
// and calculation group (placeChosen included), or the options group (the
// autostart flag included; the İkindi slot's file follows ikindiAtAsrSani).
// The values of the other group stay as they are.
void copyCalculationGroup(const Settings& from, Settings& to);
// Its method alone: the temkins, the angles, the mode, the Diyanet choice.
void copyCalculationMethod(const Settings& from, Settings& to);
void copyOptionsGroup(const Settings& from, Settings& to);

// Hands temkins, angles and mode to the engine.
void applyCalculationParameters(const Settings& settings, engine::Engine& engine);

// Writes the options group in one replacement of the file and sets the
// autostart entry.
SaveResult saveOptions(IniFile& file, const Settings& settings, platform::AutostartSetting& autostart);

// A relay is configured: a port number or a device path.
bool hasRelay(const Settings& settings);

// The time an ezan slot rings at: SABAH, ÖĞLE, İKİNDİ (ASR-I SANİ while
// ikindiAtAsrSani is on), AKŞAM, YATSI. Its name is also its file's key.
engine::VakitType ezanSlotType(int slot, bool ikindiAtAsrSani);
std::string_view ezanSlotName(int slot, bool ikindiAtAsrSani);
// The five slots' files and the İkindi slot's other one.
void readEzanFiles(const IniDocument& document, Settings& settings);
SaveResult saveEzanFile(IniFile& file, Settings& settings, int slot, std::string_view path);

// The clock's lead on UT on one day: the zone's standard offset and the
// summer time added to it.
struct ClockOffset {
    std::int32_t standardMinutes = 0;
    std::int32_t summerMinutes = 0;
    std::int32_t minutes() const { return standardMinutes + summerMinutes; }
};

// The clock offset the times of a local date are computed for. Each part
// comes, in this order, from the system's zone on that date ("Sistem Saat
// Dilimi" for the standard offset, "Sistem" for summer time), from the
// place's zone (knownPlaceZone), or from the fixed timeZoneMinutes and the
// daylightSaving flag (60 minutes). A system zone without a name gives its
// values of now for every date.
ClockOffset clockOffsetFor(const Settings& settings, timezone::LocalDate date, const platform::SystemZone& system);
// Whether either part of the offset follows the system's zone.
bool followsSystemZone(const Settings& settings);

// The place's zone ("Saat Dilimi", e.g. "Europe/Berlin") when the zone
// database knows it: its rules then give every date's offset and summer
// time. Nothing when the settings name no zone or one the database lacks;
// the fixed "Saat Farkı" and "Yaz Saati" hold then.
std::optional<std::string_view> knownPlaceZone(const Settings& settings);

// One line for the calculation dialog when the place's zone needs a word:
// it differs from the computer's (the times are then the place's clock
// times), or the zone database does not know it; else empty.
std::string zoneNote(const Settings& settings, const platform::SystemZone& system);

}  // namespace orvanta::settings
