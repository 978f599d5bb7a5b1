#include "base/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "base/message_texts.h"
#include "base/safe_file_read.h"

namespace zentra {
namespace {

// Never through a link, never blocking on a FIFO, and only a regular file:
// whatever else is planted under the name locks nothing.
int openForLocking(const std::filesystem::path& path, int flags) {
    int fd;
    do fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The lock file, made if missing; one made by another user is locked through
// a descriptor open for reading, which flock accepts.
int openLockFile(const std::filesystem::path& path) {
    std::filesystem::path side = path;
    side += ".lock";
    int fd = openForLocking(side, O_RDWR | O_CREAT);
    if (fd < 0) fd = openForLocking(side, O_RDONLY);
    if (fd < 0) fd = openForLocking(path, O_RDONLY);
    return fd;
}

}  // namespace

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileLockResult lockFile(const std::filesystem::path& path, std::chrono::milliseconds patience) {
    FileLockResult result;
    const int fd = openLockFile(path);
    if (fd < 0) return result;
    FileLock candidate(fd);
    // Tried again and again rather than waited on, so that the wait has an end.
    // The pauses are counted, not the clock: a machine woken from sleep has
    // waited for nobody.
    constexpr auto kPause = std::chrono::milliseconds(2);
    std::chrono::milliseconds waited{0};
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return result;  // no locks here (some NFS)
        if (waited >= patience) {
            result.busy = quotedPath(path) + std::string(kFileInUseText);
            return result;
        }
        std::this_thread::sleep_for(kPause);
        waited += kPause;
    }
    result.lock = std::move(candidate);
    return result;
}

}  // namespace zentra
