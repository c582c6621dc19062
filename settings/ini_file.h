// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: a Windows-style INI file read and written key by key.
//
// Reading is forgiving, as INI readers are: an absent
// file, section or key gives the caller's default; section and key names
// compare without regard to ASCII letter case; an integer is a signed
// decimal prefix of the value (a value that is not a number reads 0); a
// string read keeps at most bufferSize - 1 characters.
//
// Writing differs in two ways on purpose: every write replaces the whole
// file in one step (a new file is written beside it and renamed over it), so
// a crash or a full disk never leaves a cut or empty settings file; and a
// failed write is reported to the caller.
//
// Files are read line by line: a line that is valid UTF-8 is UTF-8, any
// other line Windows-1254 (settings files kept in the Turkish code page, or
// one line an editor added in it), so every key keeps its name; they are
// written as UTF-8 with line feeds. Only a regular file is read: a FIFO, a
// device or a folder at the path is "cannot be read". Saves of one file take
// turns: each holds the lock file "<file>.lock" beside it from its read to
// its write, so no save is built on contents another save is replacing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_access.h"

namespace orvanta::settings {

// The text of an INI file held in memory, line by line.
class IniDocument {
public:
    IniDocument() = default;
    // Parses UTF-8 text; "\r\n" and "\n" both end a line.
    static IniDocument parse(std::string_view utf8Text);

    // The key's value with blanks around it and one pair of enclosing
    // quotes removed, or nothing when the section or key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::int32_t readInt(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // At most bufferSize - 1 characters of the value, or of defaultValue
    // when the key is absent.
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue,
                           std::size_t bufferSize) const;
    // Whether the section exists and holds at least one key.
    bool sectionHasKeys(std::string_view section) const;

    // Replaces the key's line, or appends the key at the end of its section,
    // creating the section at the end of the text when it is missing. Line
    // breaks in the value become blanks: a value never adds lines.
    void set(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;

private:
    struct Location {
        std::size_t sectionLine;  // the "[section]" line
        std::size_t endLine;      // one past the section's last line
    };
    std::optional<Location> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const Location& where, std::string_view key) const;

    std::vector<std::string> lines_;
};

// Parses a signed decimal integer prefix as GetPrivateProfileInt does:
// blanks, an optional sign, digits; anything else ends it; no digits gives 0.
std::int32_t parseProfileInt(std::string_view text);

// The outcome of a write. On failure `message` is the Turkish text to show
// the user and `detail` the system's reason (for logs).
struct SaveResult {
    bool ok = true;
    std::string message;
    std::string detail;

    explicit operator bool() const { return ok; }
    // Keeps the first failure of several writes.
    SaveResult& operator&=(const SaveResult& other);
};

// An INI file on disk.
class IniFile {
public:
    explicit IniFile(std::filesystem::path path);
    const std::filesystem::path& path() const { return path_; }

    // The file's current contents; empty when it is missing or unreadable.
    IniDocument read() const;
    // The contents; empty when the file is missing, nothing when it is
    // there but cannot be read (no permission, not a regular file, an I/O
    // error).
    std::optional<IniDocument> tryRead() const;

    std::int32_t readInt(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue,
                           std::size_t bufferSize) const;
    bool sectionHasKeys(std::string_view section) const;

    SaveResult writeString(std::string_view section, std::string_view key, std::string_view value);
    SaveResult writeInt(std::string_view section, std::string_view key, std::int32_t value);
    // Reads the file, lets edit change it, and replaces the file with the
    // result in one step: every key of one save lands, or none does. A file
    // that cannot be read is not replaced; the save fails. Saves of other
    // programs are waited for a few seconds at most; one still running
    // then fails this save with a message saying so.
    SaveResult update(const std::function<void(IniDocument&)>& edit);

private:
    SaveResult replaceContents(const std::string& text) const;

    std::filesystem::path path_;
};

}  // namespace orvanta::settings
