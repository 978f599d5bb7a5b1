#include "base/safe_file_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>
#include <utility>

#include "base/message_texts.h"
#include "base/safe_file_read.h"

namespace zentra {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryInfix = ".saving-";
constexpr std::size_t kTemporaryLetters = 12;
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kMaxSetAsideNames = 99;

fs::path folderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// The temporary file of a save: locked while it is written, so that no other
// save takes it for a leftover; removed unless it was renamed.
class OpenFile {
public:
    OpenFile(int fd, fs::path temporary) : fd_(fd), temporary_(std::move(temporary)) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!temporary_.empty()) ::unlink(temporary_.c_str());
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int fd() const { return fd_; }
    // Closes, reporting a late write error (some file systems report them
    // here); the lock stays, on a duplicate, until the rename is done.
    bool close() {
        lock_ = FileDescriptor(::dup(fd_));
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }
    void renamed() { temporary_.clear(); }

private:
    int fd_;
    fs::path temporary_;
    FileDescriptor lock_;
};

int openExclusive(const fs::path& path) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// A name nobody can guess beside the target; it does not end in ".prp", so no
// start-up search or file dialog filter takes a leftover of a killed save.
fs::path temporaryName(const fs::path& target, std::random_device& random) {
    std::string suffix(kTemporaryInfix);
    for (std::size_t i = 0; i < kTemporaryLetters; ++i)
        suffix += kLetters[random() % kLetters.size()];
    fs::path name = target;
    name += suffix + "~";
    return name;
}

bool isTemporaryOf(std::string_view name, std::string_view target) {
    const std::size_t stem = target.size() + kTemporaryInfix.size();
    if (name.size() != stem + kTemporaryLetters + 1 || name.substr(0, target.size()) != target ||
        name.substr(target.size(), kTemporaryInfix.size()) != kTemporaryInfix || name.back() != '~')
        return false;
    const std::string_view letters = name.substr(stem, kTemporaryLetters);
    return std::all_of(letters.begin(), letters.end(),
                       [](char c) { return kLetters.find(c) != std::string_view::npos; });
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Temporary files of this target that killed saves left: the user's own, and
// not locked by a save still running.
void removeLeftovers(const fs::path& target) {
    const fs::path folder = folderOf(target);
    const std::string name = target.filename().string();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryOf(entry->d_name, name)) continue;
        const fs::path leftover = folder / entry->d_name;
        FileDescriptor fd(
            ::open(leftover.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat st {};
        struct stat now {};
        if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid() || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        if (::lstat(leftover.c_str(), &now) == 0 && sameFile(st, now)) ::unlink(leftover.c_str());
    }
    ::closedir(dir);
}

bool writeAllAt(int fd, std::string_view text, off_t offset) {
    while (!text.empty()) {
        const ssize_t n = ::pwrite(fd, text.data(), text.size(), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return true;
}

bool readAll(int fd, std::string& out) {
    char buffer[1 << 16];
    off_t offset = 0;
    while (true) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        out.append(buffer, static_cast<std::size_t>(n));
        offset += n;
    }
}

bool syncFile(int fd) {
    int rc;
    do rc = ::fsync(fd);
    while (rc < 0 && errno == EINTR);
    return rc == 0;
}

// Root may write any file, so only a file without any write bit counts as
// protected for root; everyone else asks the kernel, which knows ACLs too.
bool mayWrite(const fs::path& target, const struct stat& st) {
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;
    return ::geteuid() != 0 || (st.st_mode & 0222) != 0;
}

// Mode, owner and group of the file being replaced; a group that cannot be
// kept gets no group permissions, so no other group gains access.
void copyOwnership(int fd, const struct stat& st) {
    mode_t mode = st.st_mode & 07777;
    if (::fchown(fd, st.st_uid, st.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
        mode &= ~static_cast<mode_t>(070);
    }
    ::fchmod(fd, mode);
}

// A new file gets the mode any new file of the user gets. The process is
// single-threaded while it saves, so reading the mask by setting it is safe.
void applyCreationMode(int fd) {
    const mode_t mask = ::umask(077);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

// The file a link leads to, as the kernel resolves it when opening: a path
// without links to the same file, or why the link is not written through.
Expected<void> resolveLink(const fs::path& path, fs::path& target, struct stat& st) {
    if (auto links = checkLinks(path); !links) return links;
    FileDescriptor fd(::open(path.c_str(), O_PATH | O_CLOEXEC));
    if (!fd) {
        if (errno == ENOENT) return failure(quotedPath(path) + std::string(kBrokenLinkText));
        return failure(fileFailure(path, errno));
    }
    if (::fstat(fd.get(), &st) != 0) return failure(fileFailure(path, errno));
    char resolved[PATH_MAX];
    const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
    const ssize_t length = ::readlink(self.c_str(), resolved, sizeof resolved);
    if (length < 0) return failure(fileFailure(path, errno));
    target = std::string(resolved, static_cast<std::size_t>(length));
    struct stat now {};
    if (::lstat(target.c_str(), &now) != 0 || !sameFile(st, now))
        return failure(quotedPath(path) + std::string(kChangedWhileOpenText));
    return {};
}

// The folder refuses new files but the file may be written: rewrite it, never
// leaving less than the old content. Its new size is reserved first; the old
// content is held in memory and written back on any failure.
Expected<void> overwriteInPlace(const fs::path& path, const fs::path& target, const struct stat& st,
                                std::string_view text, const FileSaveHooks& hooks) {
    FileDescriptor fd;
    do fd = FileDescriptor(::open(target.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    while (!fd && errno == EINTR);
    if (!fd) return failure(fileFailure(path, errno));
    struct stat now {};
    if (::fstat(fd.get(), &now) != 0 || !sameFile(now, st) || !S_ISREG(now.st_mode))
        return failure(quotedPath(path) + " changed while it was being saved");
    std::string old;
    if (!readAll(fd.get(), old)) return failure(fileFailure(path, errno));
    if (text.size() > old.size()) {
        const int error = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(text.size()));
        if (error != 0) {
            // A partial reservation may have lengthened the file; the old bytes are
            // untouched, so a failed cut only leaves zeros after them.
            [[maybe_unused]] const int cut = ::ftruncate(fd.get(), static_cast<off_t>(old.size()));
            return failure(fileFailure(path, error));
        }
    }
    const auto writeAt = [&](std::string_view bytes) {
        return hooks.writeAt ? hooks.writeAt(fd.get(), bytes, 0) : writeAllAt(fd.get(), bytes, 0);
    };
    if (writeAt(text) && ::ftruncate(fd.get(), static_cast<off_t>(text.size())) == 0 &&
        syncFile(fd.get()))
        return {};
    const int error = errno;
    const bool restored = writeAt(old) &&
                          ::ftruncate(fd.get(), static_cast<off_t>(old.size())) == 0 &&
                          syncFile(fd.get());
    return failure(fileFailure(path, error) +
                   (restored ? "" : "; its old content could not be put back in full"));
}

// Creates the locked temporary file beside target, or gives -1 with errno set.
int createTemporary(const fs::path& target, const TemporaryFileOpener& create,
                    fs::path& temporary) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName(target, random);
        const int fd = create(temporary);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return -1;
        }
        // Locked at once; a save that finds it unlocked and removes it first
        // makes this one try another name.
        struct stat mine {};
        struct stat there {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &mine) == 0 &&
            ::lstat(temporary.c_str(), &there) == 0 && sameFile(mine, there))
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

Expected<void> checkFolderExists(const fs::path& path) {
    struct stat st {};
    if (::stat(folderOf(path).c_str(), &st) != 0) {
        if (errno == ENOENT) return failure(quotedPath(path) + std::string(kMissingFolderText));
        return failure(fileFailure(folderOf(path), errno));
    }
    if (!S_ISDIR(st.st_mode)) return failure(fileFailure(folderOf(path), ENOTDIR));
    return {};
}

Expected<void> writeFileContent(const fs::path& path, std::string_view text,
                                const FileSaveHooks& hooks) {
    fs::path target = path;
    struct stat st {};
    const bool exists = ::lstat(path.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return failure(fileFailure(path, errno));
    if (exists && S_ISLNK(st.st_mode)) {
        if (auto resolved = resolveLink(path, target, st); !resolved) return resolved;
    }
    if (exists && !S_ISREG(st.st_mode))
        return failure(quotedPath(path) + std::string(kNotRegularFileText));
    if (exists && !mayWrite(target, st)) return failure(quotedPath(path) + " is write-protected");

    removeLeftovers(target);
    fs::path temporary;
    const int fd = createTemporary(
        target, hooks.openTemporary ? hooks.openTemporary : openExclusive, temporary);
    if (fd < 0) {
        const int error = errno;
        if (exists && (error == EACCES || error == EPERM || error == EROFS))
            return overwriteInPlace(path, target, st, text, hooks);
        if (error == ENOENT) return failure(quotedPath(path) + std::string(kMissingFolderText));
        return failure(fileFailure(path, error));
    }
    OpenFile file(fd, temporary);
    if (exists) {
        copyOwnership(fd, st);
    } else {
        applyCreationMode(fd);
    }
    const bool written = hooks.writeAt ? hooks.writeAt(fd, text, 0) : writeAllAt(fd, text, 0);
    if (!written || !syncFile(fd) || !file.close()) return failure(fileFailure(path, errno));
    if (::rename(temporary.c_str(), target.c_str()) != 0) return failure(fileFailure(path, errno));
    file.renamed();
    // Make the rename itself durable; a failure here loses nothing already written.
    const int dirFd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        syncFile(dirFd);
        ::close(dirFd);
    }
    return {};
}

SetAside setAsideDamaged(const fs::path& path) {
    SetAside result;
    for (int n = 1; n <= kMaxSetAsideNames; ++n) {
        fs::path aside = path;
        aside += n == 1 ? std::string(".damaged") : ".damaged." + std::to_string(n);
        int rc = ::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE);
        if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system without the flag: a second name, then the first one goes.
            rc = ::link(path.c_str(), aside.c_str());
            if (rc == 0) ::unlink(path.c_str());
        }
        if (rc == 0) {
            result.aside = aside;
            return result;
        }
        if (errno != EEXIST) {
            result.problem = fileFailure(path, errno);
            return result;
        }
    }
    result.problem = fileFailure(path, EEXIST);
    return result;
}

}  // namespace zentra
