// Linux facts behind the system information: language identifiers, the mount
// table lookup, the processor clock and the running system's answers.
#include "platform/os/SystemFacts.h"
#include "platform/core/FileUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemFacts, LanguageIdentifiers) {
    EXPECT_EQ(LanguageIdOf("hu_HU.UTF-8"), 0x040E);
    EXPECT_EQ(LanguageIdOf("en_GB.UTF-8"), 0x0809);
    EXPECT_EQ(LanguageIdOf("en_US"), 0x0409);
    EXPECT_EQ(LanguageIdOf("C"), 0);
}

TEST(SystemFacts, MountOfTakesTheLongestRoot) {
    const std::vector<TMountEntry> mounts = {{"/", "ext4"}, {"/home/", "xfs"}, {"/home/anna/net/", "nfs"}};
    EXPECT_EQ(MountOf(mounts, "/home/anna/net/doc.pdf").Type, "nfs");
    EXPECT_EQ(MountOf(mounts, "/home/anna").Type, "xfs");
    EXPECT_EQ(MountOf(mounts, "/homes").Type, "ext4");
}

TEST(SystemFacts, ProcessorClockFromCpuInfo) {
    EXPECT_DOUBLE_EQ(ProcessorMHzOf("processor\t: 0\ncpu MHz\t\t: 2893.204\n"), 2893.204);
    EXPECT_DOUBLE_EQ(ProcessorMHzOf("processor\t: 0\n"), 0);
}

TEST(SystemFacts, RunningSystemAnswers) {
    EXPECT_GT(GetOsVersion().Major, 0u);
    EXPECT_EQ(GetTempPath().back(), '/');
    EXPECT_FALSE(GetMounts().empty());
}

} // namespace
