// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as a whole: read once when the program starts, into
// the one Settings record; after that each change is written back key by
// key (every write keeps the keys it does not name, other programs' and
// unknown ones included).
#pragma once

#include <initializer_list>

#include "settings/ini_file.h"
#include "settings/settings.h"

namespace orvanta::settings {

// Every group of the file: place and calculation, options, the ezan files,
// the tray menu's choices, the tally counters, the last notice and the time
// servers, each value held to its range.
void readSettings(const IniDocument& document, Settings& settings);

// The groups a file lacks: without the place and calculation group it is
// a first run; without the options their window opens at start.
struct MissingGroups {
    bool calculation = false;
    bool options = false;
};
MissingGroups missingGroups(const IniDocument& document);

// "Time Servers": MaxHost (default 99, held to 0..1000) entries Host0 ..,
// HostTimeout (default 2000 ms, held to 0..32767). A file without the
// section gives the public NTP pool over SNTP (ntp:0.tr.pool.ntp.org ..
// ntp:3.tr.pool.ntp.org, ntp:pool.ntp.org), so a fresh install can check
// its clock.
TimeServerEntries readTimeServerEntries(const IniDocument& document);

// Writes single values of the tray menu's choices and the program's memory
// (ezanSoundOn, wakeOn, messageMode, wallpaperMode, quietUntil,
// lastNoticeDate) in one replacement of the file.
SaveResult saveChoices(IniFile& file, const Settings& settings, std::initializer_list<bool Settings::*> flags);
SaveResult saveChoice(IniFile& file, const Settings& settings, std::int32_t Settings::*number);
SaveResult saveChoice(IniFile& file, const Settings& settings, std::string Settings::*text);

// Writes counter 1..5's three keys in one replacement of the file; the
// name is cut to kTallyNameCharacters.
SaveResult saveTally(IniFile& file, const Settings& settings, int counter);

}  // namespace orvanta::settings
