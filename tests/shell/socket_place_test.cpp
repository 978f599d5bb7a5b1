#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "shell/socket_place.h"

namespace zentra::testing {
namespace {

constexpr uid_t kMe = 1000;
constexpr uid_t kNobody = 65534;

TEST(SocketPlace, OnlyTheUsersOwnPrivateDirectoryAndSocketAreTrusted) {
    struct Row {
        const char* what;
        PathFacts facts;
        bool privateDirectory;
        SocketStep step;
    };
    const Row rows[] = {
        {"nothing", {}, false, SocketStep::Listen},
        {"own directory 0700", {true, S_IFDIR | 0700, kMe}, true, SocketStep::Replace},
        {"own directory 0755", {true, S_IFDIR | 0755, kMe}, false, SocketStep::Replace},
        {"own directory 0710", {true, S_IFDIR | 0710, kMe}, false, SocketStep::Replace},
        {"another's directory 0700", {true, S_IFDIR | 0700, kNobody}, false, SocketStep::Replace},
        {"own link", {true, S_IFLNK | 0777, kMe}, false, SocketStep::Replace},
        {"own file", {true, S_IFREG | 0700, kMe}, false, SocketStep::Replace},
        {"own socket", {true, S_IFSOCK | 0700, kMe}, false, SocketStep::Ask},
        {"another's socket", {true, S_IFSOCK | 0777, kNobody}, false, SocketStep::Replace},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(isPrivateDirectory(row.facts, kMe), row.privateDirectory) << row.what;
        EXPECT_EQ(socketStep(row.facts, kMe), row.step) << row.what;
    }
}

// Real directories: the runtime directory is taken only when private, else
// one of Zentra's own under the cache directory, else none.
TEST(SocketPlace, ASharedForeignOrLinkedDirectoryIsPassedOver) {
    const bool root = ::geteuid() == 0;
    auto mode = [](const QString& path, mode_t m) {
        ::mkdir(QFile::encodeName(path).constData(), 0700);
        ::chmod(QFile::encodeName(path).constData(), m);
    };
    auto nobodys = [&](const QString& path) {
        mode(path, 0700);
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), kNobody, kNobody), 0);
    };
    struct Row {
        const char* what;
        bool needsRoot;
        std::function<void(const QString& runtime, const QString& cache)> setUp;
        const char* chosen;  // "runtime", "own" (under the cache), or "" for none
    };
    const Row rows[] = {
        {"private runtime", false, [&](auto& r, auto&) { mode(r, 0700); }, "runtime"},
        {"runtime open to others", false, [&](auto& r, auto&) { mode(r, 0755); }, "own"},
        {"runtime of another user", true, [&](auto& r, auto&) { nobodys(r); }, "own"},
        {"runtime a link to a private one", false,
         [&](auto& r, auto& c) {
             mode(c + "-target", 0700);
             QFile::link(c + "-target", r);
         },
         "own"},
        {"no runtime, own one open to others", false,
         [&](auto&, auto& c) {
             QDir().mkpath(c);
             mode(c + "/zentra-instance", 0755);
         },
         ""},
        {"no runtime, own one made by another user", true,
         [&](auto&, auto& c) {
             QDir().mkpath(c);
             nobodys(c + "/zentra-instance");
         },
         ""},
    };
    for (const Row& row : rows) {
        if (row.needsRoot && !root) continue;
        QTemporaryDir base;
        const QString runtime = base.filePath("runtime"), cache = base.filePath("cache");
        row.setUp(runtime, cache);
        const QString expected = QString::fromLatin1(row.chosen) == "runtime" ? runtime
                                 : QString::fromLatin1(row.chosen) == "own"
                                     ? cache + "/zentra-instance"
                                     : QString();
        EXPECT_EQ(privateSocketDirectory(runtime, cache), expected) << row.what;
    }
    if (!root) GTEST_SKIP() << "the rows that give a directory to another user need root";
}

}  // namespace
}  // namespace zentra::testing
