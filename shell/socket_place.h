#pragma once
// Where the single-instance socket may live. Only a directory that the user
// alone owns and enters (mode 0700) will do, judged with lstat so that a link
// never counts; a socket in it that is not the user's own is never connected
// to. Without such a place the calculator runs without the check.

#include <sys/types.h>

#include <QString>

namespace zentra {

// What lstat says of one path; exists is false when lstat failed.
struct PathFacts {
    bool exists = false;
    mode_t mode = 0;  // type and permission bits
    uid_t owner = 0;
};
PathFacts inspectPath(const QString& path);

// A real directory (not a link) owned by user, with permissions 0700.
bool isPrivateDirectory(const PathFacts& directory, uid_t user);

// What a start does with the socket path inside a private directory.
enum class SocketStep {
    Listen,   // nothing there: no calculator is running; take the name
    Ask,      // the user's own socket: a calculator may be listening on it
    Replace,  // anything else: never connect to it; listening replaces it
};
SocketStep socketStep(const PathFacts& socket, uid_t user);

// runtimeDir when it is private, else "zentra-instance" under cacheDir
// (created with mode 0700 when missing) when that is; empty when neither is.
QString privateSocketDirectory(const QString& runtimeDir, const QString& cacheDir);

}  // namespace zentra
