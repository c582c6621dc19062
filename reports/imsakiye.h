// SPDX-License-Identifier: GPL-3.0-or-later
// The printable imsakiye: the days of a month, a year or a Ramadan with
// their ten times, Hijri dates and religious days, ready to be laid out on
// paper (reports/qt/ prints it). The times are the text timetable's, day
// for day (the same walk through the days and the same summer-time rule).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "settings/settings.h"

namespace orvanta::reports {

enum class ImsakiyeKind { Month, Year, Ramadan };

struct ImsakiyeDay {
    int year = 0;
    int month = 0;
    int day = 0;
    std::int16_t weekday = 0;  // 1 = Monday .. 7 = Sunday
    std::array<std::uint16_t, engine::kComputedVakits> times{};  // İmsak .. Yatsı, minutes after midnight
    std::string hijriDate;     // "17 Cemaziyelahir 1448"
    std::string religiousDay;  // "" on an ordinary day

    bool isFriday() const;
};

// One printed page: a month, or the Ramadan.
struct ImsakiyePage {
    std::string title;  // "Aralık 2026", "Ramazan 1447"
    std::vector<ImsakiyeDay> days;
};

struct Imsakiye {
    std::string place;   // "İstanbul / Türkiye"
    std::string method;  // how the times were computed, in words
    std::string clock;   // the clock offset and the summer-time rule
    std::vector<ImsakiyePage> pages;
};

// The imsakiye of month `month` of `year`, of every month of `year`, or of
// the Ramadan that begins in `year` (1 Ramazan to the first day of the
// Bayram, as the Hijri calendar of the engine finds them). Computes on a
// copy of the engine.
Imsakiye buildImsakiye(engine::Engine engine, const settings::Settings& settings, const platform::SystemZone& zone,
                       ImsakiyeKind kind, int year, int month);

// "Diyanet değerleri" when the settings hold the Diyanet preset's values,
// else the program's own; with the mode, the angles and the temkins.
std::string methodDescription(const settings::Settings& settings);

// File names of the reports: "İmsakiye-İstanbul-2026-12.pdf",
// "İmsakiye-İstanbul-2026.txt" (month 0: the year),
// "Ramazan-İmsakiyesi-İstanbul-2026.pdf", "Dini-Günler-2026.txt". Characters
// a file name cannot hold become "_".
std::string imsakiyeFileName(ImsakiyeKind kind, std::string_view place, int year, int month,
                             std::string_view extension);
std::string religiousDaysFileName(int year, std::string_view extension);

}  // namespace orvanta::reports
