// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text_encoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

#include "common/file_access.h"

namespace orvanta::common {

namespace {

// Code points of Windows-1254 bytes 0x80..0x9F (Microsoft's published
// table for code page 1254); undefined bytes keep their own value.
constexpr std::array<char16_t, 32> kHighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,  // 98..9F
};

// Bytes 0xA0..0xFF are ISO 8859-1 but for the six Turkish letters.
char32_t windows1254CodePoint(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte < 0xA0) return kHighControlRange[byte - 0x80];
    switch (byte) {
        case 0xD0: return 0x011E;  // Ğ
        case 0xDD: return 0x0130;  // İ
        case 0xDE: return 0x015E;  // Ş
        case 0xF0: return 0x011F;  // ğ
        case 0xFD: return 0x0131;  // ı
        case 0xFE: return 0x015F;  // ş
        default: return byte;
    }
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the UTF-8 sequence that starts with lead, 0 when lead cannot
// start one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = sequenceLength(lead);
        if (length == 0 || i + length > bytes.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if (!isContinuation(static_cast<unsigned char>(bytes[i + k]))) return false;
        }
        if (length > 2) {
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            const bool overlong = (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
            const bool surrogate = lead == 0xED && second >= 0xA0;
            const bool beyondUnicode = lead == 0xF4 && second >= 0x90;
            if (overlong || surrogate || beyondUnicode) return false;
        }
        i += length;
    }
    return true;
}

std::string windows1254ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char byte : bytes) appendUtf8(out, windows1254CodePoint(static_cast<unsigned char>(byte)));
    return out;
}

std::string decodeTextFile(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    if (isValidUtf8(bytes)) return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t feed = bytes.find('\n', start);
        const std::size_t end = feed == std::string_view::npos ? bytes.size() : feed + 1;
        const std::string_view line = bytes.substr(start, end - start);
        if (isValidUtf8(line)) {
            text += line;
        } else {
            text += windows1254ToUtf8(line);
        }
        start = end;
    }
    return text;
}

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) count += isContinuation(static_cast<unsigned char>(byte)) ? 0 : 1;
    return count;
}

std::string_view utf8Prefix(std::string_view text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuation(static_cast<unsigned char>(text[i]))) continue;
        if (characters == maxCharacters) return text.substr(0, i);
        ++characters;
    }
    return text;
}

std::optional<std::string> readTextFile(const std::filesystem::path& file) {
    const FileContents contents = readRegularFile(file);
    if (contents.status != ReadStatus::Ok) return std::nullopt;
    return decodeTextFile(contents.bytes);
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace orvanta::common
