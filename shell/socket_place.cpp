#include "shell/socket_place.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

namespace zentra {

PathFacts inspectPath(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return {true, st.st_mode, st.st_uid};
}

bool isPrivateDirectory(const PathFacts& directory, uid_t user) {
    return directory.exists && S_ISDIR(directory.mode) && directory.owner == user &&
           (directory.mode & 0777) == 0700;
}

SocketStep socketStep(const PathFacts& socket, uid_t user) {
    if (!socket.exists) return SocketStep::Listen;
    return S_ISSOCK(socket.mode) && socket.owner == user ? SocketStep::Ask : SocketStep::Replace;
}

QString privateSocketDirectory(const QString& runtimeDir, const QString& cacheDir) {
    const uid_t user = ::geteuid();
    if (isPrivateDirectory(inspectPath(runtimeDir), user)) return runtimeDir;
    if (cacheDir.isEmpty()) return {};
    const QString own = cacheDir + QStringLiteral("/zentra-instance");
    QDir().mkpath(cacheDir);
    // Fails harmlessly when it exists; then only the check below decides.
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return isPrivateDirectory(inspectPath(own), user) ? own : QString();
}

}  // namespace zentra
