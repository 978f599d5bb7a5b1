// The file layer under faults: every way a user's file could be lost, hang a
// run or be steered elsewhere, each leaving the file as it was with a message.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <csignal>
#include <functional>

#include "base/safe_file_read.h"
#include "base/safe_file_write.h"
#include "platform/settings_file.h"
#include "support/units_test_support.h"

namespace zentra {
namespace {

namespace fs = std::filesystem;
using testing::CaseName;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

const std::string kOld = "old content\n";
const std::string kNew(8000, 'n');

int refuseTemporary(const fs::path&) {
    errno = EACCES;  // a folder that does not let the user create files
    return -1;
}

// What the table compares: the message of a failed save or lock, or nullopt.
std::optional<std::string> problemOf(const Expected<void>& result) {
    if (result) return std::nullopt;
    return result.error();
}
std::optional<std::string> saveWith(const fs::path& path, const FileSaveHooks& hooks) {
    return problemOf(writeFileContent(path, kNew, hooks));
}
std::optional<std::string> save(const fs::path& path) {
    return problemOf(writeFileContent(path, kNew));
}
std::optional<std::string> read(const fs::path& path) {
    FileText text = readRegularFile(path);
    if (text.status == FileOpenStatus::Refused) return text.problem;
    return std::nullopt;
}

// A link "f" owned by someone else in a world-writable sticky folder.
void plantForeignLink(const fs::path& dir) {
    writeBytes(dir / "victim", kOld);
    fs::create_directory(dir / "shared");
    fs::permissions(dir / "shared", fs::perms(01777));
    fs::create_symlink(dir / "victim", dir / "shared/f");
    ASSERT_EQ(::lchown((dir / "shared/f").c_str(), 4242, 4242), 0);
}

struct FaultCase {
    const char* name;
    const char* file;  // below the test's folder
    std::function<void(const fs::path& dir)> arrange;
    std::function<std::optional<std::string>(const fs::path& file)> act;
    const char* problem;  // part of the message, or "" when the act succeeds
    std::function<void(const fs::path& dir)> check;  // what must hold afterwards
};

void keepsOld(const fs::path& dir) {
    EXPECT_EQ(readBytes(dir / "f"), kOld);
}

const FaultCase kCases[] = {
    {"InPlaceRewriteOnAFullDiskKeepsTheOldFile", "f",
     [](const fs::path& dir) {
         writeBytes(dir / "f", kOld);
         std::signal(SIGXFSZ, SIG_IGN);
         const rlimit small{4096, RLIM_INFINITY};
         ::setrlimit(RLIMIT_FSIZE, &small);
     },
     [](const fs::path& f) {
         auto problem = saveWith(f, TemporaryFileOpener(refuseTemporary));
         const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
         ::setrlimit(RLIMIT_FSIZE, &unlimited);
         return problem;
     },
     "/f\": File too large", keepsOld},
    {"InPlaceWriteFailingAfterTheReservationPutsTheOldContentBack", "f",
     [](const fs::path& dir) { writeBytes(dir / "f", kOld); },
     [](const fs::path& f) {
         FileSaveHooks hooks(TemporaryFileOpener{refuseTemporary});
         int calls = 0;
         hooks.writeAt = [&calls](int fd, std::string_view bytes, off_t offset) {
             if (calls++ > 0) return ::pwrite(fd, bytes.data(), bytes.size(), offset) >= 0;
             (void)!::pwrite(fd, bytes.data(), bytes.size() / 2, offset);  // torn, then full
             errno = ENOSPC;
             return false;
         };
         return saveWith(f, hooks);
     },
     "/f\": No space left on device", keepsOld},
    {"FifoIsNotReadAndDoesNotBlock",
     "f",
     [](const fs::path& dir) { ::mkfifo((dir / "f").c_str(), 0600); },
     read,
     "/f\" is not a regular file",
     {}},
    {"FolderIsNotReplaced", "f", [](const fs::path& dir) { fs::create_directory(dir / "f"); }, save,
     "/f\" is not a regular file",
     [](const fs::path& dir) { EXPECT_TRUE(fs::is_directory(dir / "f")); }},
    {"LinkToADeviceIsNotRead",
     "f",
     [](const fs::path& dir) { fs::create_symlink("/dev/zero", dir / "f"); },
     read,
     "/f\" is not a regular file",
     {}},
    {"ForeignLinkInAStickyFolderIsNotWrittenThrough", "shared/f", plantForeignLink, save,
     "is a link owned by another user",
     [](const fs::path& dir) { EXPECT_EQ(readBytes(dir / "victim"), kOld); }},
    {"ForeignLinkInAStickyFolderIsNotRead",
     "shared/f",
     plantForeignLink,
     read,
     "is a link owned by another user",
     {}},
    {"OwnLinkInAStickyFolderIsWrittenThrough", "shared/f",
     [](const fs::path& dir) {
         plantForeignLink(dir);
         ASSERT_EQ(::lchown((dir / "shared/f").c_str(), ::geteuid(), ::getegid()), 0);
     },
     save, "",
     [](const fs::path& dir) {
         EXPECT_EQ(readBytes(dir / "victim"), kNew);
         EXPECT_TRUE(fs::is_symlink(dir / "shared/f"));
     }},
    {"MissingFolderIsNotCreated",
     "none/f",
     {},
     save,
     "/none/f\": its folder does not exist",
     [](const fs::path& dir) { EXPECT_FALSE(fs::exists(dir / "none")); }},
    {"LeftoversOfKilledSavesGoButNotOneARunningSaveHolds", "f",
     [](const fs::path& dir) {
         writeBytes(dir / "f.saving-Stale0000000~", kOld);
         writeBytes(dir / "f.saving-Running00000~", kOld);
         writeBytes(dir / "g.saving-Other0000000~", kOld);
     },
     [](const fs::path& f) {
         const FileDescriptor running(
             ::open((f.string() + ".saving-Running00000~").c_str(), O_RDONLY | O_CLOEXEC));
         ::flock(running.get(), LOCK_EX);
         return save(f);
     },
     "",
     [](const fs::path& dir) {
         EXPECT_FALSE(fs::exists(dir / "f.saving-Stale0000000~"));
         EXPECT_TRUE(fs::exists(dir / "f.saving-Running00000~"));
         EXPECT_TRUE(fs::exists(dir / "g.saving-Other0000000~"));
         EXPECT_EQ(readBytes(dir / "f"), kNew);
     }},
    {"DamagedStateKeepsEveryReadableLineAndIsSetAside", "f",
     [](const fs::path& dir) { writeBytes(dir / "f", "[Calc]\nA=1\nB=\"x\nC=3\n"); },
     [](const fs::path& f) -> std::optional<std::string> {
         const SettingsFile file = openSettingsFile(QString::fromStdString(f.string()));
         EXPECT_EQ(file.settings->value("Calc/A").toInt(), 1);
         EXPECT_EQ(file.settings->value("Calc/C").toInt(), 3);
         EXPECT_EQ(file.standIn, nullptr);
         return file.notice;
     },
     "was damaged",
     [](const fs::path& dir) {
         EXPECT_EQ(readBytes(dir / "f.damaged"), "[Calc]\nA=1\nB=\"x\nC=3\n");
         EXPECT_EQ(readBytes(dir / "f"), "[Calc]\nA=1\nC=3\n");
     }},
    {"FifoAsStateIsNeitherReadNorWritten",
     "f",
     [](const fs::path& dir) { ::mkfifo((dir / "f").c_str(), 0600); },
     [](const fs::path& f) -> std::optional<std::string> {
         const SettingsFile file = openSettingsFile(QString::fromStdString(f.string()));
         EXPECT_NE(file.standIn, nullptr);
         return file.notice;
     },
     "is not a regular file",
     {}},
    {"LockLeftEmptyByAKilledRunIsBrokenAtOnce", "f",
     [](const fs::path& dir) {
         writeBytes(dir / "f.lock", "");
         const utimbuf past{std::time(nullptr) - 60, std::time(nullptr) - 60};
         ::utime((dir / "f.lock").c_str(), &past);
     },
     [](const fs::path& f) {
         return problemOf(
             clearSettingsLock(QString::fromStdString(f.string()), std::chrono::milliseconds(0)));
     },
     "", [](const fs::path& dir) { EXPECT_FALSE(fs::exists(dir / "f.lock")); }},
    {"LiveLockIsWaitedForBrieflyAndReported", "f",
     [](const fs::path& dir) { writeBytes(dir / "f.lock", "1\nzentra\nhost\n"); },
     [](const fs::path& f) {
         const FileDescriptor holder(::open((f.string() + ".lock").c_str(), O_RDONLY | O_CLOEXEC));
         ::flock(holder.get(), LOCK_EX);
         return problemOf(
             clearSettingsLock(QString::fromStdString(f.string()), std::chrono::milliseconds(100)));
     },
     "is locked by another running program",
     [](const fs::path& dir) { EXPECT_TRUE(fs::exists(dir / "f.lock")); }},
};

class FileFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FileFaultTest, LeavesTheFileWholeAndSaysWhy) {
    const FaultCase& fault = GetParam();
    if (::geteuid() != 0 && std::string_view(fault.name).find("Link") != std::string_view::npos)
        GTEST_SKIP() << "only root can give a link to another user";
    TempDir dir;
    if (fault.arrange) fault.arrange(dir.path());
    const std::optional<std::string> problem = fault.act(dir / fault.file);
    if (*fault.problem) {
        ASSERT_TRUE(problem.has_value());
        EXPECT_NE(problem->find(fault.problem), std::string::npos) << *problem;
        EXPECT_EQ(problem->find(".saving-"), std::string::npos) << "names the target";
    } else {
        EXPECT_FALSE(problem.has_value() && !problem->empty()) << *problem;
    }
    if (fault.check) fault.check(dir.path());
}

INSTANTIATE_TEST_SUITE_P(Files, FileFaultTest, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace zentra
