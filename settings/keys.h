// SPDX-License-Identifier: GPL-3.0-or-later
// Sections and keys of the settings file. Every part of the program that
// reads or writes the file spells them from here.
#pragma once

#include <string>
#include <string_view>

namespace orvanta::settings::keys {

// Sections.
inline constexpr std::string_view kCalculationSection = "Hesap Paramatreleri";
inline constexpr std::string_view kOptionsSection = "Seçenekler";
inline constexpr std::string_view kTimeServersSection = "Time Servers";

// Place and zone ("Hesap Paramatreleri").
inline constexpr std::string_view kLatitude = "Enlem";
inline constexpr std::string_view kLongitude = "Boylam";
inline constexpr std::string_view kTimeZone = "Saat Farkı";
// The two system-zone keys keep the names existing settings files carry.
inline constexpr std::string_view kUseSystemTimeZone = "Windows Saat Dilimi";
inline constexpr std::string_view kDaylightSaving = "Yaz Saati";
inline constexpr std::string_view kUseSystemDaylightSaving = "Windows Yaz Saati";
inline constexpr std::string_view kUsePlaceList = "Liste Kullan";
inline constexpr std::string_view kPlaceRow = "Şehir No.";
inline constexpr std::string_view kPlaceName = "Şehir Adı";
inline constexpr std::string_view kCountryName = "Ülke Adı";
inline constexpr std::string_view kZoneName = "Saat Dilimi";  // IANA name, "Europe/Berlin"
inline constexpr std::string_view kImsakAngle = "İmsak Açısı";
inline constexpr std::string_view kYatsiAngle = "Yatsı Açısı";
inline constexpr std::string_view kCalcMode = "Hesap Modu";
// "Evet": the Diyanet choice (Diyanet's method beyond 45° and its world
// Hijri calendar); missing in files written before it, read as "Hayır".
inline constexpr std::string_view kDiyanetMethod = "Diyanet Yöntemi";
// "<name> temkini": the temkin of a time is stored under the name of the
// time before it (the Yatsı temkin under "AKŞAM temkini").
std::string temkinKey(int temkinIndex);

// Options ("Seçenekler").
inline constexpr std::string_view kSabahEzan = "Sabah Ezanı";
inline constexpr std::string_view kSabahEzanAtImsak = "Sabah Ezanı İmsakta";
inline constexpr std::string_view kCumaSalaMinutes = "Cuma Salâ Süresi";
inline constexpr std::string_view kCumaSala = "Cuma Salâsı";
inline constexpr std::string_view kSahurSalaMinutes = "Sahur Salâ Süresi";
inline constexpr std::string_view kSahurSala = "Sahur Salâsı";
inline constexpr std::string_view kReminderMinutes = "Hatırlatma Süresi";
inline constexpr std::string_view kReminderOn = "Hatırlat";
inline constexpr std::string_view kSalaBeforeEnd = "Salâ Oku";
inline constexpr std::string_view kIkindiAtAsrSani = "İkindi Ezanı Asr-ı Sani'de";
inline constexpr std::string_view kRemainingToAnyTime = "Tüm Vakitler için Kalan Süre";
inline constexpr std::string_view kAutoCorrectClock = "Saati Otomatik Düzelt";
inline constexpr std::string_view kRelayComPort = "Röle COM-port";
inline constexpr std::string_view kRelayLead = "Röle Avansı";
inline constexpr std::string_view kRelayOn = "Röle Aktif";
inline constexpr std::string_view kSalaTimes = "Salâ Vakitler";
inline constexpr std::string_view kReminderFile = "Hatırlatıcı Dosyası";
inline constexpr std::string_view kReminderText = "Hatırlatıcı Metni";

// Keys of single features ("Seçenekler").
inline constexpr std::string_view kEzanSala = "Ezan/Salâ";          // tray toggle, "Evet"/"Hayır"
inline constexpr std::string_view kWake = "Uyandır";                // tray toggle, "Evet"/"Hayır"
inline constexpr std::string_view kMessageMode = "iletiler";        // 0 none, 1 balloon, 2 box
inline constexpr std::string_view kWallpaper = "Duvar";             // "Yok", "Ay", "Yeryüzü", "Yerküre"
inline constexpr std::string_view kLastReligiousDay = "Son Dini Gün";  // "dd/mm/yyyy"
inline constexpr std::string_view kPauseMedia = "Medyayı Duraklat";  // "Hayır" turns it off
inline constexpr std::string_view kQuietUntil = "Sessiz";  // quiet hours' end, "yyyy-mm-dd hh:mm"; absent: none
// Tally counter i = 1..5.
std::string tallyNameKey(int counter);
std::string tallyValueKey(int counter);
std::string tallyIncrementKey(int counter);

// Time servers ("Time Servers"); the program only reads them.
inline constexpr std::string_view kMaxHost = "MaxHost";
inline constexpr std::string_view kHostTimeout = "HostTimeout";
std::string hostKey(int index);

// Option flags are these words; a flag is on only when its value is
// exactly kYes.
inline constexpr std::string_view kYes = "Evet";
inline constexpr std::string_view kNo = "Hayır";

}  // namespace orvanta::settings::keys
