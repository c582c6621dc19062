// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_file.h"

#include <algorithm>
#include <limits>

#include "common/text_encoding.h"

namespace orvanta::settings {

namespace {

constexpr std::string_view kBlanks = " \t";

// Shown when the settings could not be written; the path follows.
constexpr std::string_view kNotSavedMessage = "Ayarlar dosyaya yazılamadı:\n";
constexpr std::string_view kNotSavedHint = "\nDeğişiklikler program kapanana dek geçerli, ancak kaydedilmedi.";
// Shown when another program's save held the file all the time waited.
constexpr std::string_view kBusyMessage = "Ayarlar dosyası şu anda başka bir program tarafından kaydediliyor:\n";
// Long enough for any save of a settings file; short enough that a window
// waiting for it is not taken for a hung one.
constexpr std::chrono::milliseconds kLongestLockWait{3000};
constexpr std::string_view kLockFileSuffix = ".lock";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

// The name of a "[name]" line, or nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    return trimmed(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

bool isComment(std::string_view line) {
    line = trimmed(line);
    return !line.empty() && line.front() == ';';
}

// The key of a "key=value" line, or nothing.
std::optional<std::string_view> keyName(std::string_view line) {
    if (isComment(line)) return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return trimmed(line.substr(0, equals));
}

std::string_view valueText(std::string_view line) {
    std::string_view value = trimmed(line.substr(line.find('=') + 1));
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (quoted) value = value.substr(1, value.size() - 2);
    return value;
}

std::string singleLine(std::string_view value) {
    std::string line(value);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line;
}

SaveResult failure(const std::filesystem::path& path, std::string detail,
                   std::string_view message = kNotSavedMessage) {
    SaveResult result;
    result.ok = false;
    result.message = std::string(message) + path.string() + std::string(kNotSavedHint);
    result.detail = std::move(detail);
    return result;
}

}  // namespace

std::int32_t parseProfileInt(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Accumulated in 64 bits and held at the 32-bit range.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        magnitude = std::min(kLimit, magnitude * 10 + (c - '0'));
    }
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<std::int32_t>(value);
}

SaveResult& SaveResult::operator&=(const SaveResult& other) {
    if (ok && !other.ok) *this = other;
    return *this;
}

IniDocument IniDocument::parse(std::string_view utf8Text) {
    IniDocument document;
    std::size_t start = 0;
    while (start < utf8Text.size()) {
        std::size_t end = utf8Text.find('\n', start);
        if (end == std::string_view::npos) end = utf8Text.size();
        std::string_view line = utf8Text.substr(start, end - start);
        // Carriage returns at a line's end are line-ending noise (CR LF, or
        // CR CR LF from a twice-converted file); keeping any would let every
        // save strip one more and never settle.
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        document.lines_.emplace_back(line);
        start = end + 1;
    }
    return document;
}

std::optional<IniDocument::Location> IniDocument::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (!name || !sameName(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end])) ++end;
        return Location{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const Location& where, std::string_view key) const {
    for (std::size_t i = where.sectionLine + 1; i < where.endLine; ++i) {
        const auto name = keyName(lines_[i]);
        if (name && sameName(*name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
    const auto where = findSection(section);
    if (!where) return std::nullopt;
    const auto line = findKey(*where, key);
    if (!line) return std::nullopt;
    return std::string(valueText(lines_[*line]));
}

std::int32_t IniDocument::readInt(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    const auto text = value(section, key);
    return text ? parseProfileInt(*text) : defaultValue;
}

std::string IniDocument::readString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                    std::size_t bufferSize) const {
    const auto text = value(section, key);
    const std::string_view chosen = text ? std::string_view(*text) : defaultValue;
    return std::string(common::utf8Prefix(chosen, bufferSize == 0 ? 0 : bufferSize - 1));
}

bool IniDocument::sectionHasKeys(std::string_view section) const {
    const auto where = findSection(section);
    if (!where) return false;
    for (std::size_t i = where->sectionLine + 1; i < where->endLine; ++i) {
        if (keyName(lines_[i])) return true;
    }
    return false;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string line = std::string(key) + "=" + singleLine(value);
    const auto where = findSection(section);
    if (!where) {
        if (!lines_.empty() && !trimmed(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(line);
        return;
    }
    if (const auto existing = findKey(*where, key)) {
        lines_[*existing] = line;
        return;
    }
    // After the section's last non-blank line, so that a blank line that
    // separates it from the next section stays where it is.
    std::size_t insertAt = where->endLine;
    while (insertAt > where->sectionLine + 1 && trimmed(lines_[insertAt - 1]).empty()) --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string IniDocument::text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += '\n';
    }
    return text;
}

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

std::optional<IniDocument> IniFile::tryRead() const {
    const common::FileContents contents = common::readRegularFile(path_);
    if (contents.status == common::ReadStatus::Missing) return IniDocument{};
    if (contents.status != common::ReadStatus::Ok) return std::nullopt;
    return IniDocument::parse(common::decodeTextFile(contents.bytes));
}

IniDocument IniFile::read() const { return tryRead().value_or(IniDocument{}); }

std::int32_t IniFile::readInt(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    return read().readInt(section, key, defaultValue);
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                std::size_t bufferSize) const {
    return read().readString(section, key, defaultValue, bufferSize);
}

bool IniFile::sectionHasKeys(std::string_view section) const { return read().sectionHasKeys(section); }

SaveResult IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    return update([&](IniDocument& document) { document.set(section, key, value); });
}

SaveResult IniFile::writeInt(std::string_view section, std::string_view key, std::int32_t value) {
    return writeString(section, key, std::to_string(value));
}

SaveResult IniFile::update(const std::function<void(IniDocument&)>& edit) {
    std::filesystem::path lockFile = path_;
    lockFile += kLockFileSuffix;
    common::LockFailure lockFailure;
    const std::optional<common::FileLock> lock = common::FileLock::acquire(lockFile, kLongestLockWait, lockFailure);
    if (!lock) return failure(path_, lockFailure.reason, lockFailure.busy ? kBusyMessage : kNotSavedMessage);
    // A file that is there but cannot be read is left alone: a save built
    // from nothing would replace the user's other settings with defaults.
    std::optional<IniDocument> document = tryRead();
    if (!document) return failure(path_, "cannot read " + path_.string());
    edit(*document);
    return replaceContents(document->text());
}

SaveResult IniFile::replaceContents(const std::string& text) const {
    const auto error = common::replaceFileContents(path_, text);
    return error ? failure(path_, *error) : SaveResult{};
}

}  // namespace orvanta::settings
