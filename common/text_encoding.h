// SPDX-License-Identifier: GPL-3.0-or-later
// Text encodings of the settings and place files the program reads:
// UTF-8 and Windows-1254 (Turkish).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta::common {

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// Windows-1254 bytes to UTF-8. The seven bytes the code page leaves
// undefined (0x81, 0x8D, 0x8E, 0x8F, 0x90, 0x9D, 0x9E) map to the C1
// control of the same number, so no byte is lost.
std::string windows1254ToUtf8(std::string_view bytes);

// File contents as UTF-8, line by line: a leading byte-order mark is
// dropped; a line that is valid UTF-8 is kept, any other is taken as
// Windows-1254, so one legacy line spoils no other.
std::string decodeTextFile(std::string_view bytes);
// A regular file read whole and decoded as decodeTextFile does; nothing
// when it is missing, not a regular file, or cannot be read.
std::optional<std::string> readTextFile(const std::filesystem::path& file);

// Number of characters (code points) of valid UTF-8 text.
std::size_t utf8Length(std::string_view text);

// The first maxCharacters characters of valid UTF-8 text.
std::string_view utf8Prefix(std::string_view text, std::size_t maxCharacters);

// The two texts are equal when ASCII letters are compared without their
// case ("SALA.WAV" and "sala.wav"); other bytes must match exactly.
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace orvanta::common
