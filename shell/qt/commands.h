// SPDX-License-Identifier: GPL-3.0-or-later
// Command ids of the tray menu (resources/menu.tsv).
#pragma once

namespace orvanta::shell::command {

inline constexpr int kVakitPanel = 1027;
inline constexpr int kMonthlyTimetable = 1028;
inline constexpr int kYearlyTimetable = 1029;
inline constexpr int kReligiousDays = 1030;
inline constexpr int kFirstChart = 1031;  // 1031..1038, "Grafikler"
inline constexpr int kLastChart = 1038;
inline constexpr int kCalculationParameters = 1039;
inline constexpr int kInternetTime = 1040;
inline constexpr int kEzanSound = 1041;
inline constexpr int kMessageNone = 1042;  // 1042 + message mode
inline constexpr int kWallpaperMoon = 1045;
inline constexpr int kWallpaperEarth = 1046;
inline constexpr int kWallpaperGlobe = 1047;
inline constexpr int kChooseEzanFirst = 1052;  // 1052 + slot
inline constexpr int kOptions = 1057;
inline constexpr int kManual = 1059;
inline constexpr int kArticle = 1060;
inline constexpr int kAbout = 1061;
inline constexpr int kTallyFirst = 1062;  // 1061 + counter 1..5
inline constexpr int kMp3Converter = 1067;
inline constexpr int kExit = 1068;
inline constexpr int kListenEzanFirst = 1069;  // 1069 + slot
inline constexpr int kWake = 1147;
inline constexpr int kQuietFirst = 1150;  // "Sessiz": 1150 + QuietSpan
inline constexpr int kQuietLast = 1153;
inline constexpr int kQuietOff = 1154;    // "Sessiz › Kapat"
inline constexpr int kMonthlyImsakiyePdf = 1155;  // 1155..1157: month, year, Ramadan (ImsakiyeKind order)
inline constexpr int kRamadanImsakiyePdf = 1157;
inline constexpr int kCalendarExport = 1158;

}  // namespace orvanta::shell::command
