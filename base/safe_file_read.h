#pragma once
// Opening a file the user named for reading, so that nothing the path points
// at can hang the program or steer it: only a regular file is read, the open
// never blocks (a FIFO, a device), and a link in a shared sticky folder is
// followed only when the kernel's protected_symlinks rule would follow it.

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/expected.h"

namespace zentra {

enum class FileOpenStatus {
    Opened,   // a regular file, open for reading
    Missing,  // nothing there (or a link to nothing): the caller starts afresh
    Refused,  // anything else: problem says why, naming the path
};

// A descriptor that closes itself.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    void reset();

private:
    int fd_ = -1;
};

struct OpenedFile {
    FileOpenStatus status = FileOpenStatus::Missing;
    FileDescriptor fd;    // set when Opened (blocking reads again)
    std::string problem;  // set when Refused
};
// The null device, when allowed, opens as an empty file: "--prp /dev/null"
// is the way to start with the built-in units alone.
OpenedFile openRegularFile(const std::filesystem::path& path, bool nullDeviceReadsEmpty = false);

struct FileText {
    FileOpenStatus status = FileOpenStatus::Missing;
    std::string text;     // the whole content when Opened
    std::string problem;  // set when Refused, also for a read error
};
FileText readRegularFile(const std::filesystem::path& path);

// Fails when the link at path, or any link it leads to, may not be followed:
// in a world-writable sticky folder only a link owned by the user or by the
// folder's owner is followed. Checked by this program whatever the kernel's
// own setting is. Anything but a link passes.
Expected<void> checkLinks(const std::filesystem::path& path);

// The path as messages show it: in double quotes, control characters and
// bytes that are not UTF-8 written \xHH.
std::string quotedPath(const std::filesystem::path& path);
// "PATH": the system's description of error.
std::string fileFailure(const std::filesystem::path& path, int error);

}  // namespace zentra
