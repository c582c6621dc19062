// SPDX-License-Identifier: GPL-3.0-or-later
// The program's files as the operating system holds them: reading regular
// files only, replacing a file whole, and the lock that lets one save of a
// file at a time read, change and write it.
//
// This header and its one implementation per operating system
// (file_access_posix.cpp here) are the only part of the core that calls the
// system's file interface below the standard library: the standard library
// can neither open a file without blocking on a FIFO, nor make written data
// durable, nor lock a file. Everything else in the core goes through them.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvanta::common {

// The reason given when a path names something other than a regular file.
inline constexpr std::string_view kNotRegularFileReason = "not a regular file (a folder, FIFO, device or socket)";

enum class ReadStatus {
    Ok,
    Missing,         // nothing at the path (a link to nothing included)
    NotRegularFile,  // a folder, a FIFO, a device or a socket: never opened
    Failed,          // there but unreadable (permission, I/O error)
};

// A regular file open for reading. Anything else at the path is refused
// without being opened, so a FIFO cannot block the program and a device
// (/dev/zero, a tape, a serial line) is neither read nor touched.
class InputFile {
public:
    explicit InputFile(const std::filesystem::path& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    ReadStatus status() const { return status_; }
    // The system's reason when the file is not open.
    const std::string& reason() const { return reason_; }
    std::uintmax_t sizeBytes() const { return sizeBytes_; }

    // Up to buffer.size() bytes from the current position (0 at the end),
    // or nothing on a read error.
    std::optional<std::size_t> read(std::span<char> buffer);
    bool seek(std::uintmax_t offsetBytes);

private:
    int descriptor_ = -1;
    ReadStatus status_ = ReadStatus::Failed;
    std::string reason_;
    std::uintmax_t sizeBytes_ = 0;
};

// A whole regular file's bytes.
struct FileContents {
    ReadStatus status = ReadStatus::Failed;
    std::string bytes;
    std::string reason;
};
FileContents readRegularFile(const std::filesystem::path& path);

// Replacing a file's contents in one step. The new bytes go to a file of
// their own beside the target — unnamed where the file system allows
// (O_TMPFILE), so a killed save leaves nothing behind — and are synced to
// the disk, given the old file's permissions and renamed over it: a crash
// or a full disk leaves the old file or the new one, never a cut or mixed
// one. A named temporary is locked while its writer lives; each
// replacement removes those of writers that are gone.
//
// A symbolic link is written through to its target (a link to a place that
// does not exist yet creates the file there), so the link stays a link.
// Only a regular file is replaced: a folder, a FIFO or a device node at the
// path (/dev/null as root) is refused, as is a file without its owner's
// write permission.
class FileReplacement {
public:
    explicit FileReplacement(const std::filesystem::path& path);
    ~FileReplacement();  // an uncommitted replacement leaves the old file
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Whether the new file could be started; failure() says why not.
    bool started() const { return descriptor_ >= 0; }
    const std::string& failure() const { return failure_; }
    // The file that is replaced (the link's target for a link).
    const std::filesystem::path& target() const { return target_; }

    bool write(std::string_view bytes);
    // Syncs and puts the new file in place; the reason when it could not.
    std::optional<std::string> commit();

private:
    void discard();

    std::filesystem::path target_;
    std::filesystem::path namedTemporary_;  // empty while the file is unnamed
    int descriptor_ = -1;
    bool existed_ = false;
    std::uint32_t oldPermissions_ = 0;
    std::string failure_;
};

// The whole replacement for text held in memory; the reason on failure
// (without the path: callers name it as they show it).
std::optional<std::string> replaceFileContents(const std::filesystem::path& path, std::string_view text);

// An exclusive advisory lock on a lock file (created when missing), held
// while the object lives. Every program that saves the file takes it
// before reading, so no save is built on contents another is replacing.
struct LockFailure {
    bool busy = false;  // held by another program all the time waited
    std::string reason;
};
class FileLock {
public:
    // Waits up to `wait` for the lock; nothing, and why, when it cannot be
    // had (held elsewhere all that time, or the lock file cannot be opened).
    static std::optional<FileLock> acquire(const std::filesystem::path& lockFile, std::chrono::milliseconds wait,
                                           LockFailure& failure);
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&&) = delete;
    FileLock(const FileLock&) = delete;
    ~FileLock();

private:
    explicit FileLock(int descriptor) : descriptor_(descriptor) {}
    int descriptor_ = -1;
};

}  // namespace orvanta::common
