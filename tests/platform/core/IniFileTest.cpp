#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TIniFile.h"
#include "platform/core/TStringList.h"

#include "tests/platform/core/StringsLines.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    TempFolder FDir;
    std::string FName = FDir.File("velmora.ini");
};

} // namespace

TEST_F(IniFileTest, HungarianTextRoundTripsThroughCodePage1250) {
    {
        TIniFile ini(FName);
        ini.WriteString("Iroda", "Cím", "Győr, Árpád út 12.");
        ini.WriteString("Iroda", "Név", "Dr. Kovács Ödön");
    }
    EXPECT_EQ(
        "[Iroda]\r\nC\xEDm=Gy\xF5r, \xC1rp\xE1\x64 \xFAt 12.\r\nN\xE9v=Dr. Kov\xE1\x63s \xD6\x64\xF6n\r\n",
        ReadFileBytes(FName));
    TIniFile ini(FName);
    EXPECT_EQ("Győr, Árpád út 12.", ini.ReadString("IRODA", "cím", "x"));
    EXPECT_EQ("Dr. Kovács Ödön", ini.ReadString("iroda", "NÉV", "x"));
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesDefault) {
    TIniFile ini(FName);
    EXPECT_EQ("def", ini.ReadString("A", "b", "def"));
    ini.WriteString("A", "b", "");
    EXPECT_EQ("", ini.ReadString("A", "b", "def")); // present but empty
    EXPECT_EQ("def", ini.ReadString("A", "c", "def"));
    EXPECT_EQ("def", ini.ReadString("B", "b", "def"));
}

TEST_F(IniFileTest, PlainLinesWithoutQuotingAndBlanksTrimmed) {
    WriteFileBytes(FName,
                   "; comment=not a key\r\n[ Main ]\r\n  key  =  \"quoted\"  \r\nnoequals\r\nx=a=b\r\n");
    TIniFile ini(FName);
    EXPECT_EQ("\"quoted\"", ini.ReadString("main", "KEY", ""));
    EXPECT_EQ("a=b", ini.ReadString("Main", "x", ""));
    TStringList keys;
    ini.ReadSection("MAIN", &keys);
    EXPECT_EQ((V{"key", "x"}), Lines(keys));
    ini.ReadSectionValues("Main", &keys);
    EXPECT_EQ((V{"key=\"quoted\"", "x=a=b"}), Lines(keys));
}

TEST_F(IniFileTest, WriteKeepsLayoutAndPutsNewKeysAtTheSectionEnd) {
    WriteFileBytes(FName, "; settings\r\n[A]\r\none=1\r\n\r\n[B]\r\ntwo=2\r\n");
    TIniFile ini(FName);
    ini.WriteString("a", "ONE", "uno");
    ini.WriteString("A", "three", "3");
    ini.WriteString("C", "four", "4");
    EXPECT_EQ("; settings\r\n[A]\r\nONE=uno\r\nthree=3\r\n\r\n[B]\r\ntwo=2\r\n\r\n[C]\r\nfour=4\r\n",
              ReadFileBytes(FName));
}

TEST_F(IniFileTest, SectionsEraseDeleteAndExistence) {
    TIniFile ini(FName);
    ini.WriteString("One", "a", "1");
    ini.WriteString("Two", "b", "2");
    ini.WriteString("Two", "c", "3");
    TStringList names;
    ini.ReadSections(&names);
    EXPECT_EQ((V{"One", "Two"}), Lines(names));
    EXPECT_TRUE(ini.SectionExists("two"));
    EXPECT_TRUE(ini.ValueExists("TWO", "C"));
    ini.DeleteKey("Two", "B");
    EXPECT_FALSE(ini.ValueExists("Two", "b"));
    EXPECT_TRUE(ini.ValueExists("Two", "c"));
    ini.EraseSection("ONE");
    EXPECT_FALSE(ini.SectionExists("One"));
    ini.ReadSections(&names);
    EXPECT_EQ((V{"Two"}), Lines(names));
    ini.EraseSection("Nincs"); // erasing what is not there is no error
    ini.DeleteKey("Nincs", "x");
}

TEST_F(IniFileTest, TypedValues) {
    TIniFile ini(FName);
    ini.WriteInteger("T", "int", -42);
    ini.WriteBool("T", "yes", true);
    ini.WriteBool("T", "no", false);
    ini.WriteString("T", "hex", "0x1F");
    ini.WriteString("T", "dollar", "$10");
    ini.WriteString("T", "junk", "12abc");
    EXPECT_EQ("-42", ini.ReadString("T", "int", ""));
    EXPECT_EQ(-42, ini.ReadInteger("T", "int", 0));
    EXPECT_EQ(31, ini.ReadInteger("T", "hex", 0));
    EXPECT_EQ(16, ini.ReadInteger("T", "dollar", 0));
    EXPECT_EQ(7, ini.ReadInteger("T", "junk", 7));
    EXPECT_EQ(7, ini.ReadInteger("T", "missing", 7));
    EXPECT_EQ("1", ini.ReadString("T", "yes", ""));
    EXPECT_TRUE(ini.ReadBool("T", "yes", false));
    EXPECT_FALSE(ini.ReadBool("T", "no", true));
    EXPECT_TRUE(ini.ReadBool("T", "missing", true));
}

TEST_F(IniFileTest, DatesAndFloatsUseTheProcessFormats) {
    TIniFile ini(FName);
    const TDateTime leapDay = EncodeDate(2024, 2, 29);
    ini.WriteDate("T", "date", leapDay);
    ini.WriteFloat("T", "float", 1234.5);
    EXPECT_EQ("2024.02.29.", ini.ReadString("T", "date", ""));
    EXPECT_EQ("1234,5", ini.ReadString("T", "float", ""));
    EXPECT_EQ(leapDay, ini.ReadDate("T", "date", 0));
    EXPECT_EQ(1234.5, ini.ReadFloat("T", "float", 0));
    ini.WriteString("T", "bad", "nem dátum");
    EXPECT_EQ(5.0, ini.ReadDate("T", "bad", 5.0)); // unreadable text gives the default
    EXPECT_EQ(2.5, ini.ReadFloat("T", "bad", 2.5));
}

TEST_F(IniFileTest, WindowsPathsAreAccepted) {
    TIniFile ini(FDir.Path() + "\\win.ini");
    ini.WriteString("S", "k", "v");
    EXPECT_TRUE(std::filesystem::exists(FDir.File("win.ini")));
    EXPECT_EQ("v", TIniFile(FDir.File("win.ini")).ReadString("S", "k", ""));
}

TEST_F(IniFileTest, FailedWriteRaisesAndLeavesFileAlone) {
    const std::string name = FDir.File("missing-folder/x.ini");
    TIniFile ini(name);
    try {
        ini.WriteString("S", "k", "v");
        FAIL();
    } catch (const EIniFileException& e) {
        EXPECT_EQ("Unable to write to " + name, e.Message());
    }
}

TEST_F(IniFileTest, EntriesThatWouldBreakTheFileAreRefused) {
    TIniFile ini(FName);
    ini.WriteString("S", "k", "old");
    const std::string before = ReadFileBytes(FName);
    struct Case {
        const char* section;
        const char* ident;
        const char* value;
        std::string message;
    } cases[] = {
        {"S", "k", "a\r\n[Evil]\r\nx=1", "Line breaks cannot be stored in " + FName},
        {"S\n", "k", "v", "Line breaks cannot be stored in " + FName},
        {"S", "k\r", "v", "Line breaks cannot be stored in " + FName},
        {"S", "a=b", "v", "A key name cannot contain \"=\" in " + FName},
        // Names that reading would cut at "]", take for a comment or section, or trim.
        {"T]x", "k", "v", "A section name cannot contain \"]\" in " + FName},
        {"S", ";k", "v", "A key name cannot start with \";\" or \"[\" in " + FName},
        {"S", "[k", "v", "A key name cannot start with \";\" or \"[\" in " + FName},
        {"S", " sp", "v", "A section or key name cannot start or end with a blank in " + FName},
        {"S", "sp\t", "v", "A section or key name cannot start or end with a blank in " + FName},
        {" S", "k", "v", "A section or key name cannot start or end with a blank in " + FName},
        // Kept as "??", a name outside the code page is never found again.
        {"日本", "k", "v", "A section or key name cannot hold characters outside code page 1250 in " + FName},
        {"S", "ő中", "v", "A section or key name cannot hold characters outside code page 1250 in " + FName},
    };
    for (const auto& c : cases) {
        try {
            ini.WriteString(c.section, c.ident, c.value);
            FAIL() << c.message;
        } catch (const EIniFileException& e) {
            EXPECT_EQ(c.message, e.Message());
        }
    }
    EXPECT_EQ(before, ReadFileBytes(FName));
    EXPECT_EQ("old", TIniFile(FName).ReadString("S", "k", ""));
    ini.WriteString("S", "k", "日本"); // a value still stores its question marks
    EXPECT_EQ("??", ini.ReadString("S", "k", ""));
}

TEST_F(IniFileTest, WriteLeavesNoTemporaryFilesBehind) {
    TIniFile ini(FName);
    for (int i = 0; i < 3; ++i)
        ini.WriteInteger("S", "n", i);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(FDir.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(1, files);
}
