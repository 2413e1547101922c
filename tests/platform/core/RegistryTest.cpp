#include "platform/core/Exceptions.h"
#include "platform/core/TRegIniFile.h"
#include "platform/core/TRegistry.h"
#include "platform/core/TRegistryIniFile.h"
#include "platform/core/TStringList.h"

#include "tests/platform/core/StringsLines.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <fcntl.h>
#include <vector>

namespace {

// Points the registry at a fresh folder for the test and back afterwards.
class RegistryTest : public ::testing::Test {
protected:
    TempFolder FDir;
    ScopedEnv FConfig{"XDG_CONFIG_HOME", FDir.Path()};
};

} // namespace

TEST_F(RegistryTest, ValuesPersistInTheConfigurationFolder) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Velmora\\Preview", true));
        reg.WriteString("Caption", "Előnézet \"1\"\r\nsor");
        reg.WriteInteger("Left", -12);
        reg.WriteBool("Maximized", true);
        const unsigned char blob[] = {0, 1, 0xFE, 0xFF};
        reg.WriteBinaryData("Bars", blob, sizeof blob);
    }
    EXPECT_TRUE(std::filesystem::exists(FDir.File("velmora/registry/HKEY_CURRENT_USER.reg")));
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("software\\VELMORA\\preview", false));
    EXPECT_EQ("software\\VELMORA\\preview", reg.CurrentPath()); // as asked for
    EXPECT_EQ("Előnézet \"1\"\r\nsor", reg.ReadString("caption"));
    EXPECT_EQ(-12, reg.ReadInteger("Left"));
    EXPECT_TRUE(reg.ReadBool("Maximized"));
    unsigned char buf[8] = {};
    EXPECT_EQ(4, reg.ReadBinaryData("Bars", buf, sizeof buf));
    EXPECT_EQ(0xFE, buf[2]);
    EXPECT_EQ(rdBinary, reg.GetDataType("Bars"));
    EXPECT_EQ(4, reg.GetDataSize("Bars"));
    EXPECT_EQ(-1, reg.GetDataSize("none"));
}

TEST_F(RegistryTest, OpenKeyWithoutCreateFailsForMissingKeys) {
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("Software\\Nincs", false));
    EXPECT_FALSE(reg.HasCurrentKey());
    EXPECT_FALSE(reg.KeyExists("Software\\Nincs"));
    EXPECT_FALSE(std::filesystem::exists(FDir.File("velmora/registry/HKEY_CURRENT_USER.reg")));
}

TEST_F(RegistryTest, RelativeAndAbsoluteKeys) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software", true));
    ASSERT_TRUE(reg.OpenKey("Velmora", true)); // below the open key
    EXPECT_EQ("Software\\Velmora", reg.CurrentPath());
    ASSERT_TRUE(reg.OpenKey("\\Other", true)); // from the root
    EXPECT_EQ("Other", reg.CurrentPath());
    EXPECT_TRUE(reg.KeyExists("\\Software\\Velmora"));
    reg.CloseKey();
    EXPECT_TRUE(reg.KeyExists("Software\\Velmora"));
}

TEST_F(RegistryTest, RootKeysAreSeparate) {
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey("Software\\Shared", true));
    reg.WriteString("x", "machine");
    reg.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_FALSE(reg.HasCurrentKey()); // changing the root closes the key
    EXPECT_FALSE(reg.KeyExists("Software\\Shared"));
    reg.SetRootKey(0x12345);
    EXPECT_FALSE(reg.OpenKey("Software", true));
}

TEST_F(RegistryTest, KeyAndValueNamesAndDeletion) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("App", true));
    reg.CreateKey("Zeta\\Deep");
    reg.CreateKey("alfa");
    reg.WriteString("b", "1");
    reg.WriteString("a", "2");
    TStringList names;
    reg.GetKeyNames(&names);
    EXPECT_EQ((V{"alfa", "Zeta"}), Lines(names));
    EXPECT_TRUE(reg.HasSubKeys());
    reg.GetValueNames(&names);
    EXPECT_EQ((V{"b", "a"}), Lines(names)); // in the order written
    EXPECT_TRUE(reg.DeleteValue("B"));
    EXPECT_FALSE(reg.DeleteValue("B"));
    EXPECT_FALSE(reg.ValueExists("b"));
    EXPECT_TRUE(reg.DeleteKey("Zeta")); // with everything below it
    EXPECT_FALSE(reg.KeyExists("Zeta\\Deep"));
    EXPECT_FALSE(reg.DeleteKey("Zeta"));
    reg.GetKeyNames(&names);
    EXPECT_EQ((V{"alfa"}), Lines(names));
}

TEST_F(RegistryTest, ReadErrorsNameTheValue) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("App", true));
    reg.WriteString("text", "12");
    reg.WriteInteger("number", 12);
    EXPECT_EQ("", reg.ReadString("missing"));
    EXPECT_EQ("Failed to get data for 'missing'",
              ErrorOf<ERegistryException>([&] { reg.ReadInteger("missing"); }));
    EXPECT_EQ("Invalid data type for 'text'", ErrorOf<ERegistryException>([&] { reg.ReadInteger("text"); }));
    EXPECT_EQ("Invalid data type for 'number'",
              ErrorOf<ERegistryException>([&] { reg.ReadString("number"); }));
    char small[1];
    const char data[] = "abc";
    reg.WriteBinaryData("blob", data, 3);
    EXPECT_EQ("Invalid data type for 'blob'",
              ErrorOf<ERegistryException>([&] { reg.ReadBinaryData("blob", small, 1); }));
    EXPECT_EQ(0, reg.ReadBinaryData("missing", small, 1));
}

TEST_F(RegistryTest, WritesWithoutWritableKeyRaise) {
    TRegistry reg;
    EXPECT_EQ("Failed to set data for 'x'", ErrorOf<ERegistryException>([&] { reg.WriteString("x", "1"); }));
    ASSERT_TRUE(reg.CreateKey("App"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("App"));
    EXPECT_EQ("Failed to set data for 'x'", ErrorOf<ERegistryException>([&] { reg.WriteInteger("x", 1); }));
    TRegistry readOnly(KEY_READ);
    ASSERT_TRUE(readOnly.OpenKey("App", false));
    EXPECT_EQ("Failed to set data for 'y'",
              ErrorOf<ERegistryException>([&] { readOnly.WriteBool("y", true); }));
    EXPECT_FALSE(readOnly.ValueExists("y"));
}

TEST_F(RegistryTest, UnwritableFolderRaises) {
    // A file where the folder should be: nothing can be stored.
    std::ofstream(FDir.File("velmora")) << "x";
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("App", true));
    EXPECT_EQ("Failed to create key App", ErrorOf<ERegistryException>([&] { reg.CreateKey("App"); }));
}

TEST_F(RegistryTest, RegIniFileUsesSectionsAsSubKeys) {
    TRegIniFile ini("Software\\Velmora");
    ini.WriteString("Preview", "Caption", "Előnézet");
    ini.WriteInteger("Preview", "Left", 10);
    ini.WriteBool("Preview", "Docked", false);
    ini.WriteString("", "Root", "r");
    EXPECT_EQ("Software\\Velmora", ini.CurrentPath()); // the open key stays
    EXPECT_EQ("Előnézet", ini.ReadString("PREVIEW", "caption", "d"));
    EXPECT_EQ(10, ini.ReadInteger("Preview", "Left", 0));
    EXPECT_EQ(rdString, [&] {
        TRegistry reg;
        reg.OpenKey("Software\\Velmora\\Preview", false);
        return reg.GetDataType("Left"); // integers are stored as text
    }());
    EXPECT_FALSE(ini.ReadBool("Preview", "Docked", true));
    EXPECT_EQ("r", ini.ReadString("", "Root", ""));
    EXPECT_EQ("d", ini.ReadString("Nincs", "x", "d"));
    EXPECT_FALSE(ini.KeyExists("Nincs")); // reading creates nothing
    TStringList list;
    ini.ReadSections(&list);
    EXPECT_EQ((V{"Preview"}), Lines(list));
    ini.ReadSectionValues("Preview", &list);
    EXPECT_EQ((V{"Caption=Előnézet", "Left=10", "Docked=0"}), Lines(list));
    ini.DeleteKey("Preview", "Left");
    EXPECT_EQ(5, ini.ReadInteger("Preview", "Left", 5));
    ini.EraseSection("Preview");
    ini.ReadSection("Preview", &list);
    EXPECT_EQ(0, list.Count());
}

TEST_F(RegistryTest, RegIniFileReadsIntegerValues) {
    {
        TRegistry reg;
        reg.OpenKey("Software\\Velmora\\S", true);
        reg.WriteInteger("n", 77);
        reg.WriteString("bad", "x");
    }
    TRegIniFile ini("Software\\Velmora");
    EXPECT_EQ(77, ini.ReadInteger("S", "n", 0));
    EXPECT_EQ(3, ini.ReadInteger("S", "bad", 3));
}

TEST_F(RegistryTest, RegistryIniFileServesTheIniInterface) {
    TRegistryIniFile store("Software\\Velmora");
    TCustomIniFile& ini = store;
    ini.WriteFloat("Main", "Zoom", 1.25);
    ini.WriteBool("Main", "Grid", true);
    EXPECT_EQ(1.25, ini.ReadFloat("Main", "Zoom", 0));
    EXPECT_TRUE(ini.ReadBool("Main", "Grid", false));
    EXPECT_TRUE(ini.SectionExists("Main"));
    EXPECT_TRUE(ini.ValueExists("Main", "zoom"));
    EXPECT_FALSE(ini.SectionExists("Other"));
}

namespace {

const char* const HiveName = "velmora/registry/HKEY_CURRENT_USER.reg";

// A grid layout as a file with Windows line ends, a comment and lines of
// other programs' making between the values.
const std::string WindowsLayout = "; kézzel írva\r\n"
                                  "[Software\\Velmora\\Grid]\r\n"
                                  "\"Count\"=dword:00000002\r\n"
                                  "\"0\"=\"nev,120,Név,\"\r\n"
                                  "\"1\"=dword:zz\r\n"
                                  "\"2\"=\"a\"b\r\r\n"
                                  "jövőbeli sor\r\n";

} // namespace

TEST_F(RegistryTest, AWindowsFileIsReadWholeAndOpeningWritesNothing) {
    WriteFileBytes(FDir.File(HiveName), WindowsLayout);
    {
        TRegIniFile ini("Software\\Velmora");
        EXPECT_EQ(2, ini.ReadInteger("Grid", "Count", 0));
        EXPECT_EQ("nev,120,Név,", ini.ReadString("Grid", "0", ""));
        TRegistry reg;
        EXPECT_TRUE(reg.OpenKey("Software\\Velmora\\Elsewhere", true));
        EXPECT_TRUE(reg.KeyExists("\\Software\\Velmora\\Elsewhere")); // for this object
        reg.WriteInteger("n", 1);
        reg.WriteInteger("n", 1);
    }
    const std::string afterChange = ReadFileBytes(FDir.File(HiveName));
    // The change is written; every line not understood is still there.
    EXPECT_NE(afterChange.find("\"n\"=dword:00000001"), std::string::npos);
    for (const char* kept : {"; kézzel írva\n", "\"1\"=dword:zz\n", "\"2\"=\"a\"b\n", "jövőbeli sor\n",
                             "\"0\"=\"nev,120,Név,\""})
        EXPECT_NE(afterChange.find(kept), std::string::npos) << kept;
    TRegIniFile ini("Software\\Velmora");
    EXPECT_EQ("nev,120,Név,", ini.ReadString("Grid", "0", ""));
    WriteFileBytes(FDir.File(HiveName), WindowsLayout);
    {
        // Only opened and read, or written with what it holds: left byte for byte.
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Velmora\\Grid", true));
        reg.WriteInteger("Count", 2);
        ASSERT_TRUE(reg.OpenKey("\\Software\\Velmora\\Uj", true));
    }
    EXPECT_EQ(ReadFileBytes(FDir.File(HiveName)), WindowsLayout);
}

// Every value of a key of many is found by its name in any case; a name given
// twice keeps its first place and spelling with the later data; a deletion
// leaves the values after it found and the order as it was.
TEST_F(RegistryTest, ManyValuesAreFoundByNameInTheirOrder) {
    const int count = 3000;
    std::string file = "[App]\n";
    for (int i = 0; i < count; ++i)
        file += "\"Érték" + std::to_string(i) + "\"=\"" + std::to_string(i) + "\"\n";
    file += "\"érték7\"=\"újra\"\n";
    WriteFileBytes(FDir.File(HiveName), file);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("App", false));
    EXPECT_EQ(reg.ReadString("ÉRTÉK7"), "újra");
    ASSERT_TRUE(reg.DeleteValue("érték3"));
    EXPECT_FALSE(reg.ValueExists("Érték3"));
    reg.WriteString("új", "u");
    for (int i = 0; i < count; ++i) {
        if (i == 3 || i == 7) continue;
        ASSERT_EQ(reg.ReadString("ÉRTÉK" + std::to_string(i)), std::to_string(i)) << i;
    }
    TStringList names;
    reg.GetValueNames(&names);
    ASSERT_EQ(names.Count(), count);
    EXPECT_EQ(Lines(names)[6], "Érték7");
    EXPECT_EQ(Lines(names)[count - 2], "Érték" + std::to_string(count - 1));
    EXPECT_EQ(Lines(names)[count - 1], "új");
}

TEST_F(RegistryTest, TheFileIsReadAgainOnlyWhenItChanged) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("App", true));
    reg.WriteString("a", "1");
    // Rewritten in place with the same size and time: to the reader it is the same file.
    const std::string path = FDir.File(HiveName);
    struct stat st {};
    ::stat(path.c_str(), &st);
    std::string bytes = ReadFileBytes(path);
    bytes.replace(bytes.find("\"1\""), 3, "\"2\"");
    { std::fstream(path, std::ios::in | std::ios::out | std::ios::binary) << bytes; }
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
    EXPECT_EQ("1", reg.ReadString("a"));
    // Another writer's change is seen.
    TRegistry other;
    ASSERT_TRUE(other.OpenKey("App", false));
    other.WriteString("a", "3");
    EXPECT_EQ("3", reg.ReadString("a"));
}

TEST_F(RegistryTest, TwoProgramsWritingAtOnceKeepEachOthersValues) {
    auto write = [](const String& prefix) {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Velmora\\Ket", true));
        for (int i = 0; i < 60; ++i)
            reg.WriteString(prefix + std::to_string(i), "x");
    };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        write("b");
        ::_exit(0);
    }
    write("a");
    int status = 0;
    ::waitpid(child, &status, 0);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Velmora\\Ket", false));
    TStringList names;
    reg.GetValueNames(&names);
    EXPECT_EQ(names.Count(), 120);
}

TEST_F(RegistryTest, KeyPathsTooDeepOrLongAreRefused) {
    std::string deep;
    for (int i = 0; i < 8000; ++i)
        deep += "k\\";
    WriteFileBytes(FDir.File(HiveName), "[" + deep + "]\n\"x\"=\"1\"\n[Ok]\n\"y\"=\"2\"\n");
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(deep, true));
    EXPECT_FALSE(reg.KeyExists(deep));
    EXPECT_EQ("Failed to create key " + deep, ErrorOf<ERegistryException>([&] { reg.CreateKey(deep); }));
    const std::string longName(256, 'n');
    EXPECT_FALSE(reg.OpenKey(longName, true));
    std::string limit;
    for (int i = 0; i < 512; ++i)
        limit += "k\\";
    EXPECT_TRUE(reg.OpenKey(limit, true));
    // The refused key's lines stay in the file when something else changes.
    ASSERT_TRUE(reg.OpenKey("\\Ok", false));
    EXPECT_EQ("2", reg.ReadString("y"));
    reg.WriteString("y", "3");
    const std::string after = ReadFileBytes(FDir.File(HiveName));
    EXPECT_NE(after.find("[" + deep + "]\n\"x\"=\"1\"\n"), std::string::npos);
}

// A header the store cannot hold ends the key above it: the lines under it
// never become that key's values, and neither a write nor a deletion of that
// key takes them along.
TEST_F(RegistryTest, AHeaderNotUnderstoodEndsTheKeyAboveIt) {
    std::string deep = "Software";
    for (int i = 0; i < 512; ++i)
        deep += "\\k";
    struct Row {
        const char* Why;
        std::string Header;
    };
    const Row rows[] = {
        {"a blank after the bracket", "[Software\\Velmora\\B] "},
        {"513 levels", "[" + deep + "]"},
        {"no closing bracket", "[Software\\Velmora\\B"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Why);
        const std::string foreign = row.Header + "\n\"b\"=\"2\"\n";
        WriteFileBytes(FDir.File(HiveName), "[Software\\Velmora\\A]\n\"a\"=\"1\"\n" + foreign +
                                                "[Software\\Velmora\\C]\n\"c\"=\"3\"\n");
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Velmora\\A", false));
        TStringList names;
        reg.GetValueNames(&names);
        EXPECT_EQ(Lines(names), V{"a"});
        reg.WriteString("a", "9");
        EXPECT_NE(ReadFileBytes(FDir.File(HiveName)).find(foreign), std::string::npos);
        reg.CloseKey();
        ASSERT_TRUE(reg.DeleteKey("Software\\Velmora\\A"));
        const std::string after = ReadFileBytes(FDir.File(HiveName));
        EXPECT_NE(after.find(foreign), std::string::npos) << after;
        EXPECT_EQ(after.find("\"a\"="), std::string::npos) << after;
        ASSERT_TRUE(reg.OpenKey("\\Software\\Velmora\\C", false));
        EXPECT_EQ(reg.ReadString("c"), "3");
    }
}
