#include "shell/platform/system_facts.h"

#include <sys/utsname.h>

#include <filesystem>
#include <system_error>

namespace zentra {

double versionFromRelease(const std::string& release) {
    unsigned major = 0, minor = 0;
    std::size_t i = 0;
    while (i < release.size() && release[i] >= '0' && release[i] <= '9')
        major = major * 10 + static_cast<unsigned>(release[i++] - '0');
    if (i < release.size() && release[i] == '.') {
        ++i;
        while (i < release.size() && release[i] >= '0' && release[i] <= '9')
            minor = minor * 10 + static_cast<unsigned>(release[i++] - '0');
    }
    return major + minor * 0.01;
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
