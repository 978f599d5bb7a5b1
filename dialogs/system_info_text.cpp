#include "dialogs/system_info_text.h"

namespace zentra {

std::string cpuTypeText(int processorType) {
    switch (processorType) {
        case 386:
            return "80386";
        case 486:
            return "80486";
        case 586:
            return "Pentium";
        case 4000:
            return "Mips R4000";
        case 21064:
            return "Alpha 21064";
        default:
            return "Unknown";
    }
}

int processorTypeOf(std::string_view architecture) {
    if (architecture == "i386") return 386;
    if (architecture == "i486") return 486;
    if (architecture == "i586" || architecture == "i686" || architecture == "x86_64") return 586;
    if (architecture.starts_with("mips")) return 4000;
    if (architecture.starts_with("alpha")) return 21064;
    return 0;
}

std::string platformVersionText(std::uint32_t packedVersion) {
    const unsigned major = packedVersion & 0xFFu;
    const unsigned minor = (packedVersion >> 8) & 0xFFu;
    const unsigned high = packedVersion >> 16;
    const std::string version = std::to_string(major) + "." + std::to_string(minor);
    if ((packedVersion & 0x80000000u) == 0)
        return "Windows NT " + version + " (Build:" + std::to_string(high) + ")";
    if (major >= 4) return "Windows95 " + version;
    return "Win32s " + version + " (Build:" + std::to_string(high & 0x7FFFu) + ")";
}

KernelVersion parseKernelRelease(std::string_view release) {
    KernelVersion version;
    std::size_t i = 0;
    while (i < release.size() && release[i] >= '0' && release[i] <= '9')
        version.major = version.major * 10 + static_cast<unsigned>(release[i++] - '0');
    if (i < release.size() && release[i] == '.') {
        ++i;
        while (i < release.size() && release[i] >= '0' && release[i] <= '9')
            version.minor = version.minor * 10 + static_cast<unsigned>(release[i++] - '0');
    }
    return version;
}

std::string linuxVersionText(std::string_view kernelName, std::string_view release,
                             std::string_view distribution) {
    const auto [major, minor] = parseKernelRelease(release);
    std::string text = std::string(kernelName.empty() ? "Linux" : kernelName) + " " +
                       std::to_string(major) + "." + std::to_string(minor) +
                       "\n(Build:" + std::string(release) + ")";
    if (!distribution.empty()) text += "\n" + std::string(distribution);
    return text;
}

std::string kilobytesFreeText(std::uint64_t bytes) {
    return std::to_string(bytes / 1024) + " KB Free";
}

}  // namespace zentra
