#include "dialogs/system_info_text.h"

#include <gtest/gtest.h>

namespace zentra {
namespace {

TEST(SystemInfoText, ProcessorTypesMapToTheirNamesAndTheRestIsUnknown) {
    EXPECT_EQ(cpuTypeText(386), "80386");
    EXPECT_EQ(cpuTypeText(486), "80486");
    EXPECT_EQ(cpuTypeText(586), "Pentium");
    EXPECT_EQ(cpuTypeText(4000), "Mips R4000");
    EXPECT_EQ(cpuTypeText(21064), "Alpha 21064");
    EXPECT_EQ(cpuTypeText(601), "Unknown");
    EXPECT_EQ(cpuTypeText(0), "Unknown");
}

TEST(SystemInfoText, ArchitecturesGiveTheirProcessorType) {
    EXPECT_EQ(processorTypeOf("x86_64"), 586);
    EXPECT_EQ(processorTypeOf("i386"), 386);
    EXPECT_EQ(processorTypeOf("mips64"), 4000);
    EXPECT_EQ(processorTypeOf("arm64"), 0);
}

TEST(SystemInfoText, PackedVersionsByTheirPlatformFlag) {
    // 3.51 build 1057, flag clear.
    EXPECT_EQ(platformVersionText(3u | (51u << 8) | (1057u << 16)), "Windows NT 3.51 (Build:1057)");
    EXPECT_EQ(platformVersionText(4u | (0u << 8) | 0x80000000u | (950u << 16)), "Windows95 4.0");
    EXPECT_EQ(platformVersionText(3u | (11u << 8) | 0x80000000u | (42u << 16)),
              "Win32s 3.11 (Build:42)");
}

TEST(SystemInfoText, LinuxLineCarriesKernelAndDistribution) {
    EXPECT_EQ(linuxVersionText("Linux", "6.1.0-18-amd64", "Debian GNU/Linux 12 (bookworm)"),
              "Linux 6.1\n(Build:6.1.0-18-amd64)\nDebian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(linuxVersionText("", "5.15", ""), "Linux 5.15\n(Build:5.15)");
}

TEST(SystemInfoText, KilobytesRoundDownAndDoNotWrapAbove4GB) {
    EXPECT_EQ(kilobytesFreeText(2047), "1 KB Free");
    EXPECT_EQ(kilobytesFreeText(0), "0 KB Free");
    EXPECT_EQ(kilobytesFreeText(8ull * 1024 * 1024 * 1024), "8388608 KB Free");
}

}  // namespace
}  // namespace zentra
