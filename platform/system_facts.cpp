#include "platform/system_facts.h"

#include <sys/utsname.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
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

namespace {

// The running program's folder joined with each relative place, without repeats.
std::vector<std::string> placesFromProgram(std::initializer_list<const char*> relatives) {
    std::vector<std::string> dirs;
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return dirs;
    for (const std::filesystem::path relative : relatives) {
        const std::string dir = (exe.parent_path() / relative).lexically_normal().string();
        if (std::find(dirs.begin(), dirs.end(), dir) == dirs.end()) dirs.push_back(dir);
    }
    return dirs;
}

}  // namespace

std::vector<std::string> dataDirectories() {
    // Installed, the programs sit in bin/ beside share/; in the build tree
    // the programs and tests sit one folder below the build's share/zentra.
    return placesFromProgram({ZENTRA_DATA_FROM_PROGRAM, "../share/zentra"});
}

std::vector<std::string> moduleDirectories() {
    // Installed in the library folder's zentra/; built in the build's lib/zentra.
    return placesFromProgram({ZENTRA_MODULES_FROM_PROGRAM, "../lib/zentra"});
}

}  // namespace zentra
