// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader on any bytes: decoding (UTF-8 or Windows-1254),
// parsing, the whole file read into the record with its ranges, and the text
// written back parsing to the same values.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/ini_file.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "common/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvanta::settings;
    const std::string text = orvanta::common::decodeTextFile(std::string_view(reinterpret_cast<const char*>(data), size));
    const IniDocument document = IniDocument::parse(text);
    Settings settings;
    readSettings(document, settings);
    if (settings.latitude < -kLatitudeLimit || settings.latitude > kLatitudeLimit) __builtin_trap();
    if (settings.timeZoneMinutes < kWestmostZoneMinutes || settings.timeZoneMinutes > kEastmostZoneMinutes) {
        __builtin_trap();
    }
    if (settings.reminderMinutes < 10 || settings.reminderMinutes > 60) __builtin_trap();
    if (settings.messageMode < kMessageModeNone || settings.messageMode > kMessageModeBox) __builtin_trap();
    // What is written reads back the same.
    const IniDocument again = IniDocument::parse(document.text());
    if (again.text() != document.text()) __builtin_trap();
    return 0;
}
