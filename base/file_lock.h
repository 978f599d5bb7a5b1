#pragma once
// Serialises the runs (the window, zentra-cli) that read, merge and write one
// file: an flock on "FILE.lock" beside it. The lock file is made when missing
// and never removed, since another run may be holding or waiting on it; the
// kernel releases the lock of a run that ends, however it ends, so a killed
// run leaves nothing to break.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace zentra {

// How long a lock held by a live run is waited for before it is reported.
inline constexpr std::chrono::milliseconds kFileLockPatience{5000};

// The lock held; released when it goes.
class FileLock {
public:
    FileLock() = default;
    explicit FileLock(int fd) : fd_(fd) {}
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when no lock could be had: nothing to lock in a folder the user
    // cannot write, which no run can replace files in either.
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

struct FileLockResult {
    FileLock lock;
    // Set when another run held it for all of patience: why, naming the file.
    std::optional<std::string> busy;
};

// Takes the lock of path. Where "FILE.lock" cannot be made (the folder is not
// writable), the file itself is locked: it can only be rewritten in place there.
FileLockResult lockFile(const std::filesystem::path& path,
                        std::chrono::milliseconds patience = kFileLockPatience);

}  // namespace zentra
