#include "base/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>
#include <utility>

namespace zentra {
namespace {

namespace fs = std::filesystem;

std::string quoted(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

std::string failure(const fs::path& path, int error) {
    return quoted(path) + ": " + std::generic_category().message(error);
}

// Closes the descriptor, and removes the temporary file unless it was renamed.
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
    // Closes, reporting a late write error (some file systems report them here).
    bool close() {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }
    void renamed() { temporary_.clear(); }

private:
    int fd_;
    fs::path temporary_;
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
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix = ".saving-";
    for (int i = 0; i < 12; ++i) suffix += kLetters[random() % kLetters.size()];
    fs::path name = target;
    name += suffix + "~";
    return name;
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
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

std::optional<std::string> overwriteInPlace(const fs::path& target, const struct stat& st,
                                            std::string_view text) {
    int fd;
    do fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) return failure(target, errno);
    OpenFile file(fd, {});
    struct stat now {};
    if (::fstat(fd, &now) != 0 || now.st_dev != st.st_dev || now.st_ino != st.st_ino) {
        return quoted(target) + " changed while it was being saved";
    }
    // Written over the old bytes first and cut afterwards, so a full disk needs
    // no blocks for the part the old file already had.
    if (!writeAll(fd, text) || ::ftruncate(fd, static_cast<off_t>(text.size())) != 0 ||
        !syncFile(fd) || !file.close()) {
        return failure(target, errno);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> replaceFileContent(const fs::path& path, std::string_view text,
                                              const TemporaryFileOpener& openTemporary) {
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(path, ec)) {
        target = fs::canonical(path, ec);
        if (ec) return quoted(path) + " is a link to no file";
    }
    struct stat st {};
    const bool exists = ::lstat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return failure(target, errno);
    if (exists && !S_ISREG(st.st_mode)) return quoted(target) + " is not a regular file";
    if (exists && !mayWrite(target, st)) return quoted(target) + " is write-protected";

    const TemporaryFileOpener create = openTemporary ? openTemporary : openExclusive;
    std::random_device random;
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryName(target, random);
        fd = create(temporary);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int error = errno;
        if (exists && (error == EACCES || error == EPERM))
            return overwriteInPlace(target, st, text);
        return failure(target, error);
    }
    OpenFile file(fd, temporary);
    if (exists) {
        copyOwnership(fd, st);
    } else {
        applyCreationMode(fd);
    }
    if (!writeAll(fd, text) || !syncFile(fd) || !file.close()) return failure(temporary, errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return failure(target, errno);
    file.renamed();
    // Make the rename itself durable; a failure here loses nothing already written.
    const fs::path directory = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        syncFile(dirFd);
        ::close(dirFd);
    }
    return std::nullopt;
}

}  // namespace zentra
