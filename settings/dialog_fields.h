// SPDX-License-Identifier: GPL-3.0-or-later
// What the two settings dialogs ("Hesap Parametreleri" and "Seçenekler")
// read from their fields, check and store, and how they show the values.
// Kept apart from the widgets, so that the rules are tested on their own and
// the dialogs only move text in and out.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace orvanta::settings {

// The fields the two settings dialogs check, by name.
enum class Field {
    // ---- "Hesap Parametreleri" ----
    CalcMode,
    TemkinImsak,
    TemkinGunes,
    TemkinIsrak,
    TemkinIstiva,
    TemkinOgle,
    TemkinIkindi,
    TemkinAsriSani,
    TemkinIsfirar,
    TemkinAksam,
    TemkinYatsi,
    PlaceRow,
    PlaceName,
    CountryName,
    Latitude,
    Longitude,
    TimeZone,
    ImsakAngle,
    YatsiAngle,
    ViewDate,
    ViewTime,
    // ---- "Seçenekler" ----
    SabahMinutes,
    ReminderMinutes,
    CumaSalaMinutes,
    SahurSalaMinutes,
};
// The ten temkins, İmsak .. Yatsı (the order of Settings::temkin).
inline constexpr std::array kTemkinFields{Field::TemkinImsak,   Field::TemkinGunes,    Field::TemkinIsrak,
                                          Field::TemkinIstiva,  Field::TemkinOgle,     Field::TemkinIkindi,
                                          Field::TemkinAsriSani, Field::TemkinIsfirar, Field::TemkinAksam,
                                          Field::TemkinYatsi};

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

// Reads the text of a field. The dialog gives the field the keyboard
// focus first, so that the field that fails keeps it.
using FieldReader = std::function<std::string(Field field)>;

// The check of "Kaydet" and "Uygula" in "Hesap Parametreleri": the mode,
// the ten temkins, the row; with the place list on the row's place (a blank
// or unusable row fails the row field; a missing list keeps the place),
// else names, latitude, longitude and zone; the two angles; with
// realTimeClock off the date and the time. Each field that passes is stored
// at once; the first that fails ends the check (the earlier ones stay
// stored) and it is returned. Nothing when every field passed.
std::optional<Field> storeCalculationFields(const FieldReader& read, Settings& settings,
                                          const std::filesystem::path& placeFile, bool realTimeClock,
                                          ViewMoment& moment);

// The check of "Kaydet" in "Seçenekler": the four minute fields in order
// (checked also while greyed), stored as they pass; the first that
// fails, or nothing.
std::optional<Field> storeOptionMinutes(const FieldReader& read, Settings& settings);

// The salâ sound is needed: a Friday or sahur salâ, or the salâ before a
// time ends while the reminder file is "sala.wav" (in any letter case).
bool salaFileNeeded(const Settings& settings);
inline constexpr char kSalaFileName[] = "sala.wav";

}  // namespace orvanta::settings
