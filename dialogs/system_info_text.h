#pragma once
// The texts of the "System parameters...." dialog from the facts the platform
// reports, kept apart from the asking so that they can be tested.

#include <cstdint>
#include <string>
#include <string_view>

namespace zentra {

// Processor type codes: 386 "80386", 486 "80486", 586 "Pentium", 4000
// "Mips R4000", 21064 "Alpha 21064", anything else "Unknown".
std::string cpuTypeText(int processorType);

// The processor type code for a machine architecture name as the system gives
// it ("i386", "x86_64", "mips", "alpha", ...); 0 when none applies.
int processorTypeOf(std::string_view architecture);

// The packed platform version: low byte major, next byte minor, high 16 bits
// build and, in the top bit, the platform flag. "Windows NT %u.%u (Build:%u)"
// with the flag clear, "Windows95 %u.%u" with it set and major 4 or more,
// else "Win32s %u.%u (Build:%u)" with the flag taken off the build.
std::string platformVersionText(std::uint32_t packedVersion);

// The operating-system lines on Linux: the kernel's name with major.minor, its
// full release as the build, and the distribution's name when there is one:
// "Linux 6.1\n(Build:6.1.0-18-amd64)\nDebian GNU/Linux 12".
// Major and minor version of a kernel release text ("6.1.0-18-amd64" gives 6, 1).
struct KernelVersion {
    unsigned major = 0;
    unsigned minor = 0;
};
KernelVersion parseKernelRelease(std::string_view release);

std::string linuxVersionText(std::string_view kernelName, std::string_view release,
                             std::string_view distribution);

// "%lu KB Free" of a byte count, in whole kilobytes rounded down. The count is
// 64-bit, so disks and memories beyond 4 GB show their true size.
std::string kilobytesFreeText(std::uint64_t bytes);

}  // namespace zentra
