// SPDX-License-Identifier: GPL-3.0-or-later
// file_access.h on POSIX systems (Linux: O_TMPFILE and linkat where the
// file system has them).
#include "common/file_access.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>
#include <thread>
#include <fmt/format.h>

namespace orvanta::common {

namespace {

namespace fs = std::filesystem;

// As many links as the kernel itself follows in one path.
constexpr int kMostLinksFollowed = 40;
constexpr int kTemporaryNameAttempts = 16;
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryTagDigits = 16;
constexpr std::chrono::milliseconds kLockPollInterval{10};
constexpr mode_t kPermissionBits = 07777;
// Created files get these permissions less the user's umask.
constexpr mode_t kNewFilePermissions = 0666;

constexpr std::string_view kNotRegularFile = kNotRegularFileReason;

std::string systemReason(int error) { return error != 0 ? std::strerror(error) : "unknown error"; }

// Runs a system call again when a signal interrupted it.
template <typename Call>
auto uninterrupted(Call call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result == -1 && errno == EINTR);
    return result;
}

void closeDescriptor(int& descriptor) {
    if (descriptor >= 0) ::close(descriptor);
    descriptor = -1;
}

// A missing folder on the way is a missing file, as std::filesystem has it.
bool isMissing(int error) { return error == ENOENT || error == ENOTDIR; }

// What a path finally names after its symbolic links.
struct LinkEnd {
    fs::path path;
    bool exists = false;
    struct stat status {};
    int error = 0;  // a failure other than "nothing there"
};

LinkEnd followLinks(fs::path path) {
    for (int hop = 0; hop <= kMostLinksFollowed; ++hop) {
        LinkEnd end;
        end.path = path;
        if (::lstat(path.c_str(), &end.status) != 0) {
            end.error = isMissing(errno) ? 0 : errno;
            return end;
        }
        if (!S_ISLNK(end.status.st_mode)) {
            end.exists = true;
            return end;
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return LinkEnd{path, false, {}, error.value()};
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return LinkEnd{path, false, {}, ELOOP};
}

fs::path folderOf(const fs::path& file) {
    const fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

std::string temporaryName(const fs::path& target) {
    thread_local std::mt19937_64 random{std::random_device{}()};
    return fmt::format("{}.{:0{}x}{}", target.filename().string(), random(), kTemporaryTagDigits, kTemporarySuffix);
}

// "<base>.<16 hex digits>.tmp": a temporary of a replacement of base.
bool isTemporaryOf(std::string_view name, std::string_view base) {
    if (name.size() != base.size() + 1 + kTemporaryTagDigits + kTemporarySuffix.size()) return false;
    if (!name.starts_with(base) || name[base.size()] != '.' || !name.ends_with(kTemporarySuffix)) return false;
    const std::string_view tag = name.substr(base.size() + 1, kTemporaryTagDigits);
    return tag.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// A writer holds the lock of its named temporary until the rename; one
// that can be locked belongs to a writer that was killed.
void removeTemporaryIfAbandoned(const fs::path& temporary) {
    int descriptor = uninterrupted(
        [&] { return ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY); });
    if (descriptor < 0) return;
    struct stat opened {};
    struct stat named {};
    const bool abandoned = ::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) &&
                           ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::lstat(temporary.c_str(), &named) == 0 &&
                           sameFile(opened, named);
    if (abandoned) ::unlink(temporary.c_str());
    closeDescriptor(descriptor);
}

void removeTemporariesOfGoneWriters(const fs::path& target) {
    const std::string base = target.filename().string();
    std::error_code error;
    for (fs::directory_iterator entry(folderOf(target), error); !error && entry != fs::directory_iterator();
         entry.increment(error)) {
        if (isTemporaryOf(entry->path().filename().string(), base)) removeTemporaryIfAbandoned(entry->path());
    }
}

void syncFolder(const fs::path& folder) {
    int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    closeDescriptor(descriptor);
}

}  // namespace

// ---- reading ----

InputFile::InputFile(const fs::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        status_ = isMissing(errno) ? ReadStatus::Missing : ReadStatus::Failed;
        reason_ = systemReason(errno);
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        status_ = ReadStatus::NotRegularFile;
        reason_ = kNotRegularFile;
        return;
    }
    // Without blocking: a FIFO put in the file's place since the look above
    // cannot hold the open.
    int descriptor = uninterrupted([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK); });
    if (descriptor < 0) {
        status_ = isMissing(errno) ? ReadStatus::Missing : ReadStatus::Failed;
        reason_ = systemReason(errno);
        return;
    }
    struct stat opened {};
    if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        closeDescriptor(descriptor);
        status_ = ReadStatus::NotRegularFile;
        reason_ = kNotRegularFile;
        return;
    }
    descriptor_ = descriptor;
    status_ = ReadStatus::Ok;
    sizeBytes_ = static_cast<std::uintmax_t>(opened.st_size);
}

InputFile::~InputFile() { closeDescriptor(descriptor_); }

std::optional<std::size_t> InputFile::read(std::span<char> buffer) {
    if (descriptor_ < 0) return std::nullopt;
    const ssize_t got = uninterrupted([&] { return ::read(descriptor_, buffer.data(), buffer.size()); });
    if (got < 0) {
        reason_ = systemReason(errno);
        return std::nullopt;
    }
    return static_cast<std::size_t>(got);
}

bool InputFile::seek(std::uintmax_t offsetBytes) {
    const auto offset = static_cast<off_t>(offsetBytes);
    return descriptor_ >= 0 && ::lseek(descriptor_, offset, SEEK_SET) == offset;
}

FileContents readRegularFile(const fs::path& path) {
    constexpr std::size_t kBlockBytes = 1 << 16;
    InputFile in(path);
    FileContents contents;
    contents.status = in.status();
    contents.reason = in.reason();
    if (in.status() != ReadStatus::Ok) return contents;
    contents.bytes.reserve(static_cast<std::size_t>(in.sizeBytes()));
    std::string block(kBlockBytes, '\0');
    while (true) {
        const std::optional<std::size_t> got = in.read(block);
        if (!got) return FileContents{ReadStatus::Failed, {}, in.reason()};
        if (*got == 0) return contents;
        contents.bytes.append(block.data(), *got);
    }
}

// ---- replacing ----

FileReplacement::FileReplacement(const fs::path& path) {
    const LinkEnd end = followLinks(path);
    target_ = end.path;
    if (end.error != 0) {
        failure_ = systemReason(end.error);
        return;
    }
    if (end.exists && !S_ISREG(end.status.st_mode)) {
        failure_ = kNotRegularFile;
        return;
    }
    // A file its owner made read-only is not replaced behind their back.
    if (end.exists && (end.status.st_mode & S_IWUSR) == 0) {
        failure_ = "the file is read-only";
        return;
    }
    existed_ = end.exists;
    oldPermissions_ = end.status.st_mode & kPermissionBits;
    removeTemporariesOfGoneWriters(target_);

    const fs::path folder = folderOf(target_);
#ifdef O_TMPFILE
    descriptor_ = uninterrupted(
        [&] { return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFilePermissions); });
    if (descriptor_ >= 0) {
        // Locked before it gets a name, so that no other save's cleaning
        // takes it for an abandoned one between its naming and its rename.
        uninterrupted([&] { return ::flock(descriptor_, LOCK_EX); });
        return;
    }
#endif
    // A named temporary, created exclusively under a name of its own, and
    // locked: a name that a cleaner of another save took for an abandoned
    // one (its link count is 0 then) is given up for another.
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const fs::path temporary = folder / temporaryName(target_);
        int descriptor = uninterrupted([&] {
            return ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, kNewFilePermissions);
        });
        if (descriptor < 0 && errno == EEXIST) continue;
        if (descriptor < 0) {
            failure_ = systemReason(errno);  // the folder's problem: missing, not writable, full
            return;
        }
        uninterrupted([&] { return ::flock(descriptor, LOCK_EX); });
        struct stat opened {};
        if (::fstat(descriptor, &opened) == 0 && opened.st_nlink > 0) {
            descriptor_ = descriptor;
            namedTemporary_ = temporary;
            return;
        }
        closeDescriptor(descriptor);
    }
    failure_ = "cannot create a file in its folder: no free name";
}

FileReplacement::~FileReplacement() { discard(); }

void FileReplacement::discard() {
    if (!namedTemporary_.empty()) ::unlink(namedTemporary_.c_str());
    namedTemporary_.clear();
    closeDescriptor(descriptor_);
}

bool FileReplacement::write(std::string_view bytes) {
    while (started() && !bytes.empty()) {
        const ssize_t written = uninterrupted([&] { return ::write(descriptor_, bytes.data(), bytes.size()); });
        if (written <= 0) {
            failure_ = systemReason(written < 0 ? errno : ENOSPC);
            discard();
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return started();
}

std::optional<std::string> FileReplacement::commit() {
    auto failed = [this](std::string reason) {
        discard();
        failure_ = reason;
        return std::optional<std::string>(std::move(reason));
    };
    if (!started()) return failure_;
    // The data is on the disk before the rename makes it the file.
    if (::fsync(descriptor_) != 0) return failed("cannot write the file: " + systemReason(errno));
    if (existed_ && ::fchmod(descriptor_, oldPermissions_) != 0) {
        return failed("cannot give the new file the old one's permissions: " + systemReason(errno));
    }
    const fs::path folder = folderOf(target_);
    for (int attempt = 0; namedTemporary_.empty() && attempt < kTemporaryNameAttempts; ++attempt) {
        const fs::path temporary = folder / temporaryName(target_);
        const std::string self = fmt::format("/proc/self/fd/{}", descriptor_);
        // Through /proc (any user may), else by the descriptor itself.
        const bool linked =
            ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            (errno == ENOENT && ::linkat(descriptor_, "", AT_FDCWD, temporary.c_str(), AT_EMPTY_PATH) == 0);
        if (linked) {
            namedTemporary_ = temporary;
        } else if (errno != EEXIST) {
            return failed("cannot name the new file: " + systemReason(errno));
        }
    }
    if (namedTemporary_.empty()) return failed("cannot name the new file: no free name");
    if (::rename(namedTemporary_.c_str(), target_.c_str()) != 0) {
        return failed("cannot replace the file: " + systemReason(errno));
    }
    namedTemporary_.clear();
    syncFolder(folder);
    closeDescriptor(descriptor_);
    return std::nullopt;
}

std::optional<std::string> replaceFileContents(const fs::path& path, std::string_view text) {
    FileReplacement replacement(path);
    if (!replacement.write(text)) return replacement.failure();
    return replacement.commit();
}

// ---- locking ----

std::optional<FileLock> FileLock::acquire(const fs::path& lockFile, std::chrono::milliseconds wait,
                                          LockFailure& failure) {
    // Read-only is enough for flock, and lets a lock file of another user do.
    int descriptor = uninterrupted([&] {
        return ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY,
                      kNewFilePermissions);
    });
    if (descriptor < 0) {
        failure = {false, "cannot open the lock file: " + systemReason(errno)};
        return std::nullopt;
    }
    struct stat opened {};
    if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        closeDescriptor(descriptor);
        failure = {false, "the lock file is " + std::string(kNotRegularFile)};
        return std::nullopt;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        // A file system without locks has no other saver to wait for.
        if (errno == ENOLCK || errno == EOPNOTSUPP) break;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            failure = {false, "cannot lock the lock file: " + systemReason(errno)};
            closeDescriptor(descriptor);
            return std::nullopt;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            failure = {true, "the lock is held by another program"};
            closeDescriptor(descriptor);
            return std::nullopt;
        }
        std::this_thread::sleep_for(kLockPollInterval);
    }
    return FileLock(descriptor);
}

FileLock::FileLock(FileLock&& other) noexcept : descriptor_(other.descriptor_) { other.descriptor_ = -1; }

FileLock::~FileLock() { closeDescriptor(descriptor_); }

}  // namespace orvanta::common
