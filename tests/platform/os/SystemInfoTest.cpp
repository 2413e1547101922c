#include "tests/platform/os/OsTestSupport.h"

#include "platform/os/SystemInfo.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

namespace {

TEST(SystemInfoNames, UserAndComputer) {
    const passwd* entry = ::getpwuid(::geteuid());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(GetUserName(), entry->pw_name);
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    EXPECT_EQ(GetComputerName(), host);
}

TEST(SystemInfoNames, FullNameIsTheCommentUpToItsFirstComma) {
    struct Row {
        const char* comment;
        const char* name;
        const char* why;
    } rows[] = {
        {"Dr. Kovács Anna,,,", "Dr. Kovács Anna", "the usual four fields, the rest empty"},
        {"Őri Ádám,2. szoba,+36 1 234,", "Őri Ádám", "room and phone are not part of the name"},
        {"Kiss Éva", "Kiss Éva", "no comma at all"},
        {"", "", "an account without a comment"},
        {",,,", "", "only the empty fields"},
        {"  Nagy Béla ,", "Nagy Béla", "blanks around the name"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FullNameOfAccountComment(row.comment), row.name) << row.why;
    const passwd* entry = ::getpwuid(::geteuid());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(GetUserFullName(), FullNameOfAccountComment(entry->pw_gecos ? entry->pw_gecos : ""));
}

TEST(SystemInfoFolders, LiveInTheConfigurationFolderAndExist) {
    ostest::TempFolder config;
    ostest::ScopedEnv env("XDG_CONFIG_HOME", config.Path().c_str());
    EXPECT_EQ(GetWindowsDirectory(), config / "velmora");
    EXPECT_EQ(GetSystemDirectory(), config / "velmora/system");
    EXPECT_TRUE(std::filesystem::is_directory(config / "velmora/system"));
}

TEST(SystemInfoFolders, HomeServesWithoutXdgSetting) {
    ostest::TempFolder home;
    ostest::ScopedEnv env("XDG_CONFIG_HOME", nullptr);
    ostest::ScopedEnv homeEnv("HOME", home.Path().c_str());
    EXPECT_EQ(GetWindowsDirectory(), home / ".config/velmora");
}

TEST(SystemInfoFolders, UnusableFolderGivesEmpty) {
    ostest::TempFolder config;
    WriteFileBytes(config / "velmora", "a file where the folder should be");
    ostest::ScopedEnv env("XDG_CONFIG_HOME", config.Path().c_str());
    EXPECT_EQ(GetWindowsDirectory(), "");
    EXPECT_EQ(GetSystemDirectory(), "");
}

TEST(SystemInfoFigures, MemoryIsConsistent) {
    TMemoryStatus status;
    ASSERT_TRUE(GlobalMemoryStatus(status));
    EXPECT_GT(status.TotalPhys, 0);
    EXPECT_LE(status.AvailPhys, status.TotalPhys);
    EXPECT_LE(status.MemoryLoad, 100u);
    EXPECT_EQ(status.TotalVirtual, status.TotalPhys + status.TotalPageFile);
    EXPECT_LE(status.AvailPageFile, status.TotalPageFile);
}

TEST(SystemInfoFigures, ProcessorsAndDisk) {
    EXPECT_GE(GetProcessorCount(), 1);
    ostest::TempFolder dir;
    Int64 freeToCaller = -1;
    Int64 total = -1;
    Int64 totalFree = -1;
    ASSERT_TRUE(GetDiskFreeSpaceEx(dir.Path() + "\\", freeToCaller, total, totalFree));
    EXPECT_GT(total, 0);
    EXPECT_LE(freeToCaller, totalFree);
    EXPECT_LE(totalFree, total);
    EXPECT_FALSE(GetDiskFreeSpaceEx(dir / "missing", freeToCaller, total, totalFree));
    EXPECT_FALSE(GetDiskFreeSpaceEx("", freeToCaller, total, totalFree));
}

TEST(SystemInfoFigures, SectorsTimesBytesIsTheFileSystemsUnit) {
    ostest::TempFolder dir;
    // A disk-backed folder and a memory file system (which has no sectors of its own).
    for (const std::string& path : {dir.Path(), std::string("/dev/shm"), std::string("/proc")}) {
        struct statvfs fs {};
        struct stat st {};
        if (::statvfs(path.c_str(), &fs) != 0 || ::stat(path.c_str(), &st) != 0) continue;
        TDiskGeometry g;
        ASSERT_TRUE(GetDiskGeometry(path, g)) << path;
        EXPECT_EQ(Int64(g.BytesPerSector) * g.SectorsPerCluster, Int64(fs.f_frsize)) << path;
        if (major(st.st_dev) == 0) {
            EXPECT_EQ(g.SectorsPerCluster, 1u) << path;
        }
    }
    TDiskGeometry g;
    EXPECT_FALSE(GetDiskGeometry(dir / "missing", g));
}

} // namespace
