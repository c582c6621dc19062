// SPDX-License-Identifier: GPL-3.0-or-later
// What the two settings dialogs ("Hesap Parametreleri" and "Seçenekler")
// read from their fields, check and store, and how they show the values.
// Kept apart from the widgets, so that the rules are tested on their own and
// the dialogs only move text in and out.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace orvanta::settings {

// Control ids of the two dialogs (the controlId of each widget).
namespace control {
inline constexpr int kSave = 1;    // "Kaydet"
inline constexpr int kCancel = 2;  // "İptal"
// ---- "Hesap Parametreleri" ----
inline constexpr int kFirstTemkin = 1074;  // 1074..1083, İmsak .. Yatsı
inline constexpr int kDefaultTemkins = 1084;
inline constexpr int kOpenPlaceList = 1085;
inline constexpr int kUsePlaceList = 1086;
inline constexpr int kPlaceRow = 1087;
inline constexpr int kPlaceName = 1088;
inline constexpr int kCountryName = 1089;
inline constexpr int kLatitude = 1090;
inline constexpr int kLongitude = 1091;
inline constexpr int kTimeZone = 1092;
inline constexpr int kDaylightSaving = 1093;
inline constexpr int kImsakAngle = 1094;
inline constexpr int kYatsiAngle = 1095;
inline constexpr int kCalcMode = 1096;
inline constexpr int kDefaultAngles = 1097;
inline constexpr int kApply = 1098;
inline constexpr int kDiyanetValues = 1148;  // beside the defaults
inline constexpr int kViewDate = 1112;
inline constexpr int kViewTime = 1113;
inline constexpr int kSystemTimeZone = 1114;
inline constexpr int kSystemDaylightSaving = 1115;
inline constexpr int kRealTimeClock = 1116;
// ---- "Seçenekler" ----
inline constexpr int kSabahFromGunes = 1099;
inline constexpr int kSabahMinutes = 1100;
inline constexpr int kSabahAtImsak = 1101;
inline constexpr int kReminderMinutes = 1105;
inline constexpr int kReminderOn = 1106;
inline constexpr int kCumaSalaMinutes = 1107;
inline constexpr int kSahurSalaMinutes = 1108;
inline constexpr int kSalaBeforeEnd = 1109;
inline constexpr int kCumaSala = 1110;
inline constexpr int kSahurSala = 1111;
inline constexpr int kRemainingToAnyTime = 1048;
inline constexpr int kAutoCorrectClock = 1049;
inline constexpr int kIkindiAtAsrSani = 1051;
inline constexpr int kAutostart = 1058;
}  // namespace control

// An integer field read leniently, as a typed number: blanks skipped,
// a sign (signed fields only), then the leading digits, so "41,5" reads 41;
// a text that does not start with a number reads 0, and so does a minus
// sign in an unsigned field. Past the 32-bit range it holds at the limit,
// which no field accepts.
enum class FieldSign { Signed, Unsigned };
std::int32_t dialogInteger(std::string_view text, FieldSign sign);

// The local date and time the views are computed for while "Gerçek Zaman"
// is off.
struct ViewMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};
inline constexpr int kFirstViewYear = 1901;
inline constexpr int kLastViewYear = 2099;

// The date one day later (direction > 0) or earlier, by day of the year
// with the leap rule "divisible by 4" (exact for 1901..2099). False, and
// nothing changes, past 31 December 2099 or before 1 January 1901.
bool stepViewDate(ViewMoment& moment, int direction);

// The fields' texts: hundredths of a degree as degrees ("%5.2f": " 5.00",
// "41.01"), zone minutes as hours ("%5.2f": " 3.00"), an angle ("%4.1f":
// "-18.0"), the date "dd/mm/yyyy" and the time "hh:mm".
std::string degreesText(std::int32_t hundredths);
std::string zoneHoursText(std::int32_t minutes);
std::string angleText(float degrees);
std::string viewDateText(const ViewMoment& moment);
std::string viewTimeText(const ViewMoment& moment);

// Reads the text of field `controlId`. The dialog gives the field the
// keyboard focus first, so that the field that fails keeps it.
using FieldReader = std::function<std::string(int controlId)>;

// The check of "Kaydet" and "Uygula" in "Hesap Parametreleri": the mode,
// the ten temkins, the row; with the place list on the row's place (a blank
// or unusable row fails the row field; a missing list keeps the place),
// else names, latitude, longitude and zone; the two angles; with
// realTimeClock off the date and the time. Each field that passes is stored
// at once; the first that fails ends the check (the earlier ones stay
// stored) and its id is returned. Nothing when every field passed.
std::optional<int> storeCalculationFields(const FieldReader& read, Settings& settings,
                                          const std::filesystem::path& placeFile, bool realTimeClock,
                                          ViewMoment& moment);

// The check of "Kaydet" in "Seçenekler": the four minute fields in order
// (checked also while greyed), stored as they pass; the id of the first
// that fails, or nothing.
std::optional<int> storeOptionMinutes(const FieldReader& read, Settings& settings);

// The salâ sound is needed: a Friday or sahur salâ, or the salâ before a
// time ends while the reminder file is "sala.wav" (in any letter case).
bool salaFileNeeded(const Settings& settings);
inline constexpr char kSalaFileName[] = "sala.wav";

}  // namespace orvanta::settings
