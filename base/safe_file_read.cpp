#include "base/safe_file_read.h"

#include <fcntl.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <system_error>

#include "base/message_texts.h"
#include "base/printable_text.h"

namespace zentra {
namespace {

namespace fs = std::filesystem;

// The kernel gives up on longer chains of links too.
constexpr int kMaxLinkHops = 40;

OpenedFile refused(std::string problem) {
    OpenedFile file;
    file.status = FileOpenStatus::Refused;
    file.problem = std::move(problem);
    return file;
}

OpenedFile missingOr(const fs::path& path, int error) {
    if (error == ENOENT) return OpenedFile{};
    return refused(fileFailure(path, error));
}

bool isNullDevice(const struct stat& st) {
    return S_ISCHR(st.st_mode) && major(st.st_rdev) == 1 && minor(st.st_rdev) == 3;
}

fs::path folderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

}  // namespace

void FileDescriptor::reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::string quotedPath(const fs::path& path) {
    return "\"" + printableText(path.string()) + "\"";
}

std::string fileFailure(const fs::path& path, int error) {
    return quotedPath(path) + ": " + std::generic_category().message(error);
}

Expected<void> checkLinks(const fs::path& path) {
    fs::path current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat link {};
        if (::lstat(current.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return {};
        const fs::path folder = folderOf(current);
        struct stat dir {};
        if (::stat(folder.c_str(), &dir) != 0) return failure(fileFailure(folder, errno));
        const bool shared = (dir.st_mode & S_ISVTX) != 0 && (dir.st_mode & S_IWOTH) != 0;
        if (shared && link.st_uid != ::geteuid() && link.st_uid != dir.st_uid)
            return failure(quotedPath(current) + std::string(kForeignLinkText));
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
        if (length < 0) return failure(fileFailure(current, errno));
        const fs::path next(std::string(target, static_cast<std::size_t>(length)));
        current = next.is_absolute() ? next : folder / next;
    }
    return {};  // opening reports the loop
}

OpenedFile openRegularFile(const fs::path& path, bool nullDeviceReadsEmpty) {
    // Looked at before opening, so that no device or FIFO is ever opened.
    struct stat before {};
    if (::lstat(path.c_str(), &before) != 0) return missingOr(path, errno);
    const bool link = S_ISLNK(before.st_mode);
    if (link) {
        if (const auto links = checkLinks(path); !links) return refused(links.error());
        if (::stat(path.c_str(), &before) != 0) return missingOr(path, errno);
    }
    const bool nullDevice = nullDeviceReadsEmpty && isNullDevice(before);
    if (!S_ISREG(before.st_mode) && !nullDevice)
        return refused(quotedPath(path) + std::string(kNotRegularFileText));
    int fd;
    do {
        fd = ::open(path.c_str(),
                    O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (link ? 0 : O_NOFOLLOW));
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (errno == ELOOP && !link)
            return refused(quotedPath(path) + std::string(kChangedWhileOpenText));
        return missingOr(path, errno);
    }
    OpenedFile file;
    file.fd = FileDescriptor(fd);
    struct stat now {};
    if (::fstat(fd, &now) != 0) return refused(fileFailure(path, errno));
    if (!S_ISREG(now.st_mode) && !(nullDevice && isNullDevice(now)))
        return refused(quotedPath(path) + std::string(kNotRegularFileText));
    if (now.st_dev != before.st_dev || now.st_ino != before.st_ino)
        return refused(quotedPath(path) + std::string(kChangedWhileOpenText));
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    file.status = FileOpenStatus::Opened;
    return file;
}

FileText readRegularFile(const fs::path& path) {
    OpenedFile file = openRegularFile(path);
    FileText read{file.status, {}, std::move(file.problem)};
    if (file.status != FileOpenStatus::Opened) return read;
    char buffer[1 << 16];
    while (true) {
        const ssize_t n = ::read(file.fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            read.status = FileOpenStatus::Refused;
            read.problem = fileFailure(path, errno);
            read.text.clear();
            return read;
        }
        if (n == 0) return read;
        read.text.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace zentra
