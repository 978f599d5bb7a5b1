#include "platform/system_facts.h"

#include <sys/utsname.h>

#include <filesystem>
#include <system_error>

#include "dialogs/system_info_text.h"

namespace zentra {

double versionFromRelease(const std::string& release) {
    const KernelVersion version = parseKernelRelease(release);
    return version.major + version.minor * 0.01;
}

double kernelVersion() {
    struct utsname names {};
    if (uname(&names) != 0) return 0.0;
    return versionFromRelease(names.release);
}

std::vector<std::string> dataDirectories() {
    std::vector<std::string> dirs;
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) dirs.push_back((exe.parent_path().parent_path() / "share" / "zentra").string());
    dirs.emplace_back(ZENTRA_DATA_DIR);
    dirs.emplace_back(ZENTRA_SOURCE_RESOURCES);
    return dirs;
}

}  // namespace zentra
