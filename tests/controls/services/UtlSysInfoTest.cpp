// System information: answers from a fixed source, labels, the value texts with
// their divisors, drive types and the platform facts read from Linux.
#include "controls/services/UtlSysInfo.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/FileIcons.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class FixedSource : public TUtlSystemSource {
public:
    String UserName() override { return User; }
    String ComputerName() override { return "irodagep"; }
    String CurrentDirectory() override { return Folder; }
    String TempPath() override { return Folder + "/"; }
    bool RegistryValue(const String& Name, String& Value) override {
        if (!HasRegistry) return false;
        Value = Name == "RegisteredOwner" ? "Dr. Kiss Anna" : "";
        return true;
    }
    TOsVersion OsVersion() override { return Version; }
    Integer ProcessorCount() override { return 4; }
    bool MemoryStatus(TMemoryStatus& Status) override {
        // 6 GiB: more than 32 bits hold.
        Status.TotalPhys = Int64(6) << 30;
        Status.AvailPhys = Int64(2) << 30;
        Status.MemoryLoad = 67;
        Status.TotalVirtual = Int64(8) << 30;
        return true;
    }
    bool KeyToggled(Integer VirtualKey) override { return VirtualKey == 20; }
    Integer ScreenSaverTimeout() override { return 659; }
    bool DiskGeometry(const String&, TDiskGeometry& Geometry) override {
        Geometry = {2048, 4};
        return true;
    }
    std::vector<TMountEntry> Mounts() override { return MountTable; }
    bool DiskSpace(const String& Path, Int64& Free, Int64& Total) override {
        Free = 3000;
        Total = 10000;
        return true;
    }
    std::vector<String> Environment() override { return {"HOME=/home/anna", "LANG=hu_HU.UTF-8"}; }
    double ProcessorMHz() override { return 2400.5; }
    String VersionString(const String& Key) override { return Key == "ProductName" ? "Velmora" : ""; }

    String User = "anna";
    String Folder;
    bool HasRegistry = true;
    TOsVersion Version{6, 1, 27, "6.1.27-amd64", "x86_64", "Debian GNU/Linux 12 (bookworm)"};
    std::vector<TMountEntry> MountTable;
};

class UtlSysInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        Source.Folder = Folder.Path();
        Source.MountTable = {{"/", "ext4"}, {Folder.Path() + "/", "tmpfs"}};
        UtlSetSystemSource(&Source);
    }
    void TearDown() override { UtlSetSystemSource(nullptr); }

    TempFolder Folder{"sysinfo"};
    FixedSource Source;
};

TEST_F(UtlSysInfoTest, NamesAndTheUnknownAnswer) {
    EXPECT_EQ(UtlSIUserName(), "anna");
    EXPECT_EQ(UtlSIComputerName(), "irodagep");
    Source.User = "";
    EXPECT_EQ(UtlSIUserName(), "(Unknown)");
    EXPECT_EQ(UtlSIRegisteredOwner(), "Dr. Kiss Anna");
    EXPECT_EQ(UtlSIRegisteredCompany(), "");
    Source.HasRegistry = false;
    EXPECT_EQ(UtlSIRegisteredOwner(), "(Unknown)");
}

TEST_F(UtlSysInfoTest, VersionNumbers) {
    EXPECT_EQ(UtlSIVersionStr(), "6.1");
    EXPECT_DOUBLE_EQ(UtlSIVersionNr(), 6.1);
    Source.Version.Major = 4;
    Source.Version.Minor = 10;
    EXPECT_DOUBLE_EQ(UtlSIVersionNr(), 4.10);
    Source.Version.Minor = 0;
    EXPECT_DOUBLE_EQ(UtlSIVersionNr(), 4.0);
    EXPECT_EQ(UtlSIBuildNr(), 27u);
    EXPECT_EQ(UtlSIPlatformStr(), "Debian GNU/Linux 12 (bookworm)");
    Source.Version.Name = "";
    EXPECT_EQ(UtlSIPlatformStr(), "(Unknown)");
}

TEST_F(UtlSysInfoTest, ValueTextsWithDivisors) {
    const TFormatSettingsGuard guard(TFormatSettings::Hungarian());
    struct Row {
        TUtlInfoType kind;
        Integer divisor;
        const char* text;
    } rows[] = {
        {itMemSize, 1024, "6291456"}, // KB of 6 GiB: needs 64 bits
        {itMemSize, 0, "6442450944"}, // divisor 0 counts as 1
        {itMemLoaded32, 1, "67"},
        {itCurrentDiskFree32, 1000, "3"},
        {itCurrentDiskSize32, 1, "10000"},
        {itFreeSysRes, 1, "100"},
        {itProcessorCont32, 1, "4"},
        {itPlatformID32, 1, "2"},
        {itDOSVersion, 1, "Win32"},
        {itCapsLock, 1, "On"},
        {itNumLock, 1, "Off"},
        {itScreenSaverDelay, 1, "10"}, // whole minutes of 659 seconds
        {itProgName, 1, "Velmora"},
        {itProgCompany, 1, ""}, // no such string in the version block
        {itCPUSpeed, 1000, "2,4005"},
        {itVersion, 1, "6.1"},
        {itProcessor32, 1, "x86_64"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GetSystemInfoString(row.kind, row.divisor), row.text) << row.kind;
}

TEST_F(UtlSysInfoTest, LabelsFollowTheKinds) {
    EXPECT_EQ(UtlSIInfoToString(itUser), "Username");
    EXPECT_EQ(UtlSIInfoToString(itScreenSaverDelay), "Screensaver delay");
    EXPECT_EQ(UtlSIInfoToString(itMemSize), "Memory size");
    EXPECT_EQ(UtlSIInfoToString(itProcessorCont32), "Number of processors");
    EXPECT_EQ(UtlSIInfoToString(itProcessor32), "Processor");
    EXPECT_EQ(UtlSIInfoToString(itCPUSpeed), "CPU Speed");
}

TEST_F(UtlSysInfoTest, DrivesByMountTable) {
    EXPECT_EQ(UtlSIDriveInfo(Folder.Path()).DriveType, DRIVE_RAMDISK);
    EXPECT_EQ(UtlSIDriveInfo("/").DriveType, DRIVE_FIXED);
    const TUtlDriveInfo missing = UtlSIDriveInfo(Folder.File("nincs"));
    EXPECT_EQ(missing.DriveType, DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(missing.TotalBytes, 0);
    EXPECT_EQ(UtlSIDriveInfo("/").TotalBytes, 10000);
    EXPECT_EQ(UtlSIDriveInfo("/").BytesPerSector, 2048u); // the file system's, not fixed figures
    EXPECT_EQ(UtlSIDriveInfo("/").SectorsPerCluster, 4u);
    EXPECT_EQ(missing.BytesPerSector, 0u);
    TStringList list;
    list.Add("old");
    UtlSIDriveList(&list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list[0], "/");
}

TEST(UtlSIDriveTypeStr, NamesAndUnknown) {
    EXPECT_EQ(UtlSIDriveTypeStr(0), "(Unknown)");
    EXPECT_EQ(UtlSIDriveTypeStr(1), "no root directory");
    EXPECT_EQ(UtlSIDriveTypeStr(3), "fixed drive");
    EXPECT_EQ(UtlSIDriveTypeStr(6), "ramdisk");
    EXPECT_EQ(UtlSIDriveTypeStr(7), "(Unknown)");
}

TEST_F(UtlSysInfoTest, EnvironmentAndTempFile) {
    TStringList env;
    UtlSIEnvironment(&env);
    EXPECT_EQ(env.Values("LANG"), "hu_HU.UTF-8");
    const String temp = UtlSITempFile();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.rfind(Folder.Path() + "/tmp", 0), 0u);
}

TEST(UtlSISystemIcons, OneListPerSizeWithAnIconForEachKind) {
    TImageList* small = UtlSISystemIconListHandle(true);
    EXPECT_EQ(small, UtlSISystemIconListHandle(true));
    EXPECT_EQ(small->Width(), 16);
    EXPECT_EQ(UtlSISystemIconListHandle(false)->Height(), 32);
    ASSERT_EQ(small->Count(), 7);
    TBitmap folder; // drawn: not every pixel is the background
    small->SetBkColor(clFuchsia);
    ASSERT_TRUE(small->GetBitmap(fiFolder, &folder));
    Integer drawn = 0;
    for (Integer y = 0; y < 16; ++y)
        for (Integer x = 0; x < 16; ++x)
            drawn += (folder.Canvas()->Pixels(x, y) & 0xFFFFFF) != clFuchsia;
    EXPECT_GT(drawn, 16);
}

TEST(UtlGetLocalInfo, AnswersFromTheOfficeSettings) {
    EXPECT_EQ(UtlGetLocalInfo(15), FormatSettings.DecimalSeparator);
    EXPECT_EQ(UtlGetLocalInfo(24), FormatSettings.ShortDateFormat);
    const struct {
        Integer Item;
        String Text;
    } cases[] = {
        {0, "1"},        // calendar type: Gregorian
        {3, "2"},        // fractional digits
        {9, "1"},        // negative numbers with a leading minus
        {10, "1"},       // the 24-hour clock of "H:mm:ss"
        {16, "3;0"},     // digit grouping
        {20, "3;0"},     // currency digit grouping
        {27, "H:mm:ss"}, // long time format
        {23, "Hallo"},   // no positive sign
        {28, "Hallo"},   // past the table
        {-1, "Hallo"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UtlGetLocalInfo(c.Item), c.Text) << c.Item;
    TFormatSettingsGuard guard(TFormatSettings::English());
    EXPECT_EQ(UtlGetLocalInfo(10), "0") << "h:mm:ss AMPM is the 12-hour clock";
}

} // namespace
