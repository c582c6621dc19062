#include "settings/ini_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <limits>
#include <sstream>
#include <system_error>
#include <fmt/format.h>

#include "settings/text_encoding.h"

namespace orvanta::settings {

namespace {

constexpr std::string_view kBlanks = " \t";

// Shown when the settings could not be written; the path follows.
constexpr std::string_view kNotSavedMessage = "Ayarlar dosyaya yazılamadı:\n";
constexpr std::string_view kNotSavedHint = "\nDeğişiklikler program kapanana dek geçerli, ancak kaydedilmedi.";

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

SaveResult failure(const std::filesystem::path& path, std::string detail) {
    SaveResult result;
    result.ok = false;
    result.message = std::string(kNotSavedMessage) + path.string() + std::string(kNotSavedHint);
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
    return std::string(utf8Prefix(chosen, bufferSize == 0 ? 0 : bufferSize - 1));
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
    std::error_code error;
    const auto status = std::filesystem::status(path_, error);
    if (status.type() == std::filesystem::file_type::not_found) return IniDocument{};
    if (error || std::filesystem::is_directory(status)) return std::nullopt;
    const std::optional<std::string> text = readTextFile(path_);
    if (!text) return std::nullopt;
    return IniDocument::parse(*text);
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
    // A file that is there but cannot be read is left alone: a save built
    // from nothing would replace the user's other settings with defaults.
    std::optional<IniDocument> document = tryRead();
    if (!document) return failure(path_, "cannot read " + path_.string());
    edit(*document);
    return replaceContents(document->text());
}

SaveResult IniFile::replaceContents(const std::string& text) const {
    const auto error = replaceFileContents(path_, text);
    return error ? failure(path_, *error) : SaveResult{};
}

namespace {

namespace fs = std::filesystem;

// The file a save replaces: a symbolic link's target (the link stays a
// link, as a user who keeps the settings in a synchronised folder expects).
fs::path replacedFile(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    const fs::path target = fs::weakly_canonical(path, error);
    return error ? path : target;
}

// A new, empty file beside target, created exclusively under a name of its
// own, so that two programs saving at once never write the same file.
std::pair<std::FILE*, fs::path> createUniqueTemporary(const fs::path& target) {
    constexpr int kAttempts = 16;
    static std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        fs::path temporary = target;
        temporary += fmt::format(".{:016x}.tmp", random());
        errno = 0;
        // "x": fails when the name exists (C11 exclusive mode).
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) return {file, temporary};
        if (errno != EEXIST) break;
    }
    return {nullptr, {}};
}

std::string systemReason() { return errno != 0 ? std::strerror(errno) : "unknown error"; }

// Writes, flushes and syncs: the data is on the disk before the rename
// makes it the file.
bool writeDurably(std::FILE* file, std::string_view text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0 &&
                         ::fsync(::fileno(file)) == 0;
    return std::fclose(file) == 0 && written;
}

}  // namespace

std::optional<std::string> replaceFileContents(const fs::path& path, std::string_view text) {
    const fs::path target = replacedFile(path);
    std::error_code missing;
    const fs::file_status existing = fs::status(target, missing);
    const bool exists = fs::exists(existing);
    // A file its owner made read-only is not replaced behind their back.
    if (exists && (existing.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return target.string() + " is read-only";
    }
    auto [file, temporary] = createUniqueTemporary(target);
    if (file == nullptr) return "cannot create a file beside " + target.string() + ": " + systemReason();
    const bool written = writeDurably(file, text);
    const std::string reason = systemReason();
    std::error_code error;
    if (written && exists) fs::permissions(temporary, existing.permissions(), error);
    if (written && !error) fs::rename(temporary, target, error);
    if (!written || error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return written ? "cannot replace the file: " + error.message() : "cannot write " + temporary.string() + ": " + reason;
    }
    return std::nullopt;
}

}  // namespace orvanta::settings
