// The settings store: section naming, INI and registry targets, typed values,
// numbered lists, colour lists and objects through their published properties.
#include "controls/services/TUtlApplication.h"
#include "controls/services/TUtlIniCtrl.h"
#include "platform/core/ScopeExit.h"
#include "platform/ui/TApplication.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TIniFile.h"
#include "platform/core/TRegistry.h"
#include "platform/core/TStringList.h"
#include "platform/core/TypInfo.h"
#include "platform/graphics/TFont.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// An object whose float is written after a string, to see that a refused float leaves both out.
class TZoomSetting : public TPersistent {
public:
    TZoomSetting() {
        static const bool registered = [] {
            RegisterClass<TZoomSetting>(
                "TZoomSetting", "",
                {StrProp<TZoomSetting>("Caption", &TZoomSetting::Caption, &TZoomSetting::SetCaption),
                 FloatProp<TZoomSetting>("Zoom", &TZoomSetting::Zoom, &TZoomSetting::SetZoom)});
            return true;
        }();
        (void)registered;
    }
    String ClassName() const override { return "TZoomSetting"; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value) { FCaption = Value; }
    double Zoom() const { return FZoom; }
    void SetZoom(double Value) { FZoom = Value; }

private:
    String FCaption;
    double FZoom = 0;
};

class UtlIniCtrlTest : public ::testing::Test {
protected:
    UtlIniCtrlTest() {
        Ini.SetTarget(itIniFile);
        Ini.SetIniPrefix(ppFixed);
        Ini.SetIniFile(Folder.File("settings"));
        Reg.SetRegPath("Software\\T");
    }

    String RegistryValue(const String& Key, const String& Name) {
        TRegistry reg(KEY_READ);
        reg.SetRootKey(HKEY_CURRENT_USER);
        return reg.OpenKeyReadOnly(Key) && reg.ValueExists(Name) ? reg.ReadString(Name) : String("<none>");
    }

    TempFolder Folder{"inictrl"};
    ScopedEnv Config{"XDG_CONFIG_HOME", Folder.Path()};
    TUtlIniCtrl Ini{nullptr};
    TUtlIniCtrl Reg{nullptr};
};

TEST_F(UtlIniCtrlTest, SectionNames) {
    EXPECT_EQ(Ini.GetSectionName(""), "Common");
    EXPECT_EQ(Ini.GetSectionName("S"), "S");
    EXPECT_EQ(Ini.GetSectionName(""), "S");
    Ini.SetCommon(false);
    Ini.SetUser("U");
    EXPECT_EQ(Ini.GetSectionName("S"), "S.U");
    // The registry keeps values of "#ROOT" in the key itself.
    EXPECT_EQ(Reg.GetSectionName("#ROOT"), "");
    EXPECT_EQ(Reg.GetSectionName(""), "Common");
    EXPECT_EQ(Ini.GetIniName(), Folder.File("settings.INI"));
}

TEST_F(UtlIniCtrlTest, RegistryTargetWritesUnderThePath) {
    EXPECT_EQ(Reg.EffectiveTarget(), itRegistry);
    Reg.WriteString("S", "Name", "érték");
    EXPECT_EQ(RegistryValue("Software\\T\\S", "Name"), "érték");
    Reg.WriteString("#ROOT", "Top", "1");
    EXPECT_EQ(RegistryValue("Software\\T", "Top"), "1");
    EXPECT_EQ(Reg.ReadString("S", "Name", "x"), "érték");
    // Reading a missing key gives the default and creates nothing.
    Reg.SetRegPath("Software\\Missing");
    EXPECT_EQ(Reg.ReadInteger("S", "N", 42), 42);
    TRegistry check(KEY_READ);
    check.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_FALSE(check.KeyExists("Software\\Missing"));
}

TEST_F(UtlIniCtrlTest, DefaultPathIsTheApplicationsKey) {
    UtlInitialization();
    const String title = Application->Title();
    core::ScopeExit restore([&] {
        Application->SetTitle(title);
        UtlFinalization();
    });
    Application->SetTitle("T");
    TUtlIniCtrl store(nullptr);
    EXPECT_EQ(store.GetRegPath(), "Software\\T\\");
    store.WriteString("S", "Name", "x");
    EXPECT_EQ(RegistryValue("Software\\T\\S", "Name"), "x");
}

TEST_F(UtlIniCtrlTest, TypedValuesRoundTrip) {
    for (TUtlIniCtrl* store : {&Ini, &Reg}) {
        store->WriteInteger("V", "Int", -7);
        store->WriteBool("V", "Bool", true);
        store->WriteFloat("V", "Float", 2.25);
        store->WriteDate("V", "Date", EncodeDate(2024, 2, 29));
        // A time keeps only its time of day, in the local time form.
        store->WriteTime("V", "Time", EncodeDate(2024, 2, 29) + EncodeTime(9, 5, 7, 0));
        store->WriteDateTime("V", "Stamp", EncodeDate(2024, 2, 29) + EncodeTime(9, 5, 7, 0));
        store->WriteColor("V", "Color", clRed);
        store->WritePoint("V", "Point", TPoint(3, -4));
        store->WriteRect("V", "Rect", TRect(1, 2, 3, 4));
        EXPECT_EQ(store->ReadInteger("V", "Int", 0), -7);
        EXPECT_TRUE(store->ReadBool("V", "Bool", false));
        EXPECT_DOUBLE_EQ(store->ReadFloat("V", "Float", 0), 2.25);
        EXPECT_DOUBLE_EQ(store->ReadDate("V", "Date", 0), EncodeDate(2024, 2, 29));
        EXPECT_EQ(store->ReadString("V", "Time", ""), "9:05:07");
        EXPECT_NEAR(store->ReadTime("V", "Time", 0), EncodeTime(9, 5, 7, 0), 1e-9);
        EXPECT_NEAR(store->ReadDateTime("V", "Stamp", 0), EncodeDate(2024, 2, 29) + EncodeTime(9, 5, 7, 0),
                    1e-9);
        EXPECT_EQ(store->ReadColor("V", "Color", clBlack), clRed);
        EXPECT_EQ(store->ReadPoint("V", "Point", TPoint()), TPoint(3, -4));
        EXPECT_EQ(store->ReadRect("V", "Rect", TRect()), TRect(1, 2, 3, 4));
        EXPECT_DOUBLE_EQ(store->ReadFloat("V", "Absent", 1.5), 1.5);
        // Floats come back whole, stored and as the default alike.
        store->WriteFloat("V", "Third", 1.0 / 3.0);
        EXPECT_EQ(store->ReadFloat("V", "Third", 0), 1.0 / 3.0);
        EXPECT_EQ(store->ReadFloat("V", "Absent", 0.1 + 0.2), 0.1 + 0.2);
    }
    Ini.WriteString("V", "Bad", "nem szám");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Ini.ReadFloat("V", "Bad", 0); }),
              "'nem szám' is not a valid floating point value");
}

// "INF" and "NAN" would be stored, but no reader takes them back: they are refused, and the
// value stored before stays, in the file, in the registry and among an object's properties.
TEST_F(UtlIniCtrlTest, FloatsThatNoReaderTakesBackAreRefused) {
    const struct {
        double value;
        const char* text;
    } rows[] = {{std::numeric_limits<double>::infinity(), "INF"},
                {-std::numeric_limits<double>::infinity(), "-INF"},
                {std::numeric_limits<double>::quiet_NaN(), "NAN"}};
    Ini.WriteFloat("V", "Zoom", 1.5);
    Reg.WriteFloat("V", "Zoom", 1.5);
    const std::string file = ReadFileBytes(Ini.GetIniName());
    for (const auto& row : rows) {
        const String refused =
            "'" + String(row.text) + "' cannot be stored: a stored float must be a finite number";
        for (TUtlIniCtrl* store : {&Ini, &Reg}) {
            EXPECT_EQ(ErrorOf<EIniFileException>([&] { store->WriteFloat("V", "Zoom", row.value); }),
                      refused);
            EXPECT_EQ(store->ReadFloat("V", "Zoom", 0), 1.5) << row.text;
        }
        TZoomSetting setting;
        setting.SetCaption("Nagyítás");
        setting.SetZoom(row.value);
        EXPECT_EQ(ErrorOf<EIniFileException>([&] { Ini.WriteObject("O", &setting); }), refused);
        EXPECT_EQ(ReadFileBytes(Ini.GetIniName()), file) << row.text; // the caption before it is left out too
    }
}

TEST_F(UtlIniCtrlTest, FontsReadOnlyWhenStored) {
    TFont font;
    font.SetName("Courier New");
    EXPECT_FALSE(Ini.ReadFont("F", "Font", &font));
    EXPECT_EQ(font.Name(), "Courier New");
    font.SetStyle(TFontStyles{fsItalic});
    Ini.WriteFont("F", "Font", &font);
    TFont back;
    EXPECT_TRUE(Ini.ReadFont("F", "Font", &back));
    EXPECT_EQ(back.Name(), "Courier New");
    EXPECT_EQ(back.Style(), TFontStyles{fsItalic});
}

TEST_F(UtlIniCtrlTest, NumberedListsKeepEmptyLinesAndStopAtMaxCount) {
    TStringList lines;
    for (int i = 0; i < 20; ++i)
        lines.Add(i == 1 ? String() : "sor " + std::to_string(i));
    Ini.WriteString("L", "Stale", "gone");
    Ini.WriteStringsExt("L", "Item", &lines, 16);
    TStringList keys;
    Ini.ReadSection("L", &keys);
    EXPECT_EQ(keys.Count(), 16); // the section was erased first
    TStringList back;
    Ini.ReadStrings("L", "Item", &back);
    ASSERT_EQ(back.Count(), 16);
    EXPECT_EQ(back[1], ""); // an empty line does not end the list
    EXPECT_EQ(back[15], "sor 15");
    Ini.DeleteKey("L", "Item3");
    Ini.ReadStrings("L", "Item", &back);
    EXPECT_EQ(back.Count(), 3); // the first absent entry ends it
}

// A line the file refuses, anywhere in the list, is found before the old list goes.
TEST_F(UtlIniCtrlTest, RefusedListWriteKeepsTheOldList) {
    TStringList lines;
    lines.SetCommaText("one,two,three");
    Ini.WriteStrings("L", "Item", &lines);
    const std::string before = ReadFileBytes(Ini.GetIniName());
    lines.SetCommaText("uno,dos,tres");
    lines.SetStrings(1, "dos\nmore");
    EXPECT_EQ(ErrorOf<EIniFileException>([&] { Ini.WriteStrings("L", "Item", &lines); }),
              "Line breaks cannot be stored in " + Ini.GetIniName());
    EXPECT_EQ(ReadFileBytes(Ini.GetIniName()), before);
}

// The registry's root key also holds the other sections and root values: a list written
// there replaces only the old list, and erasing the root leaves the sections.
TEST_F(UtlIniCtrlTest, TheRootKeepsTheOtherSections) {
    Reg.WriteString("S", "Name", "x");
    Reg.WriteString("#ROOT", "Top", "1");
    TStringList lines;
    lines.SetCommaText("a,b,c");
    Reg.WriteStrings("#ROOT", "File", &lines);
    lines.Delete(2);
    Reg.WriteStrings("#ROOT", "File", &lines);
    TStringList back;
    Reg.ReadStrings("#ROOT", "File", &back);
    EXPECT_EQ(back.Count(), 2);
    EXPECT_EQ(RegistryValue("Software\\T", "Top"), "1");
    EXPECT_EQ(RegistryValue("Software\\T\\S", "Name"), "x");
    Reg.EraseSection("#ROOT");
    EXPECT_EQ(RegistryValue("Software\\T", "File0"), "<none>");
    EXPECT_EQ(RegistryValue("Software\\T", "Top"), "<none>");
    EXPECT_EQ(RegistryValue("Software\\T\\S", "Name"), "x");
}

TEST_F(UtlIniCtrlTest, AlphaCounterNamesAndLimit) {
    Ini.SetMaxEntries(30);
    Ini.SetAlphaCounter(true);
    EXPECT_EQ(Ini.MaxEntries(), 26);
    Ini.SetMaxEntries(30);
    EXPECT_EQ(Ini.MaxEntries(), 26);
    TStringList lines;
    lines.Add("a");
    lines.Add("b");
    Ini.WriteStrings("A", "File", &lines);
    TIniFile file(Ini.GetIniName());
    EXPECT_EQ(file.ReadString("A", "FileA", ""), "a");
    EXPECT_EQ(file.ReadString("A", "FileB", ""), "b");
}

// Past "Z" the counters would be "[", "\", … and then "a", which the store takes for "A": a
// longer list is refused before the old one is erased, rather than cut short.
TEST_F(UtlIniCtrlTest, AlphaCounterRefusesListsPastZ) {
    Ini.SetAlphaCounter(true);
    TStringList lines;
    for (int i = 0; i < 26; ++i)
        lines.Add("sor " + std::to_string(i));
    Ini.WriteStringsExt("A", "Item", &lines, 40); // A to Z
    TStringList back;
    Ini.ReadStringsExt("A", "Item", &back, 40);
    EXPECT_EQ(back.Text(), lines.Text());
    const std::string before = ReadFileBytes(Ini.GetIniName());
    for (int count : {27, 40}) {
        while (lines.Count() < count)
            lines.Add("új sor");
        EXPECT_EQ(ErrorOf<EIniFileException>([&] { Ini.WriteStringsExt("A", "Item", &lines, 40); }),
                  "Too many lines for letter counters (" + std::to_string(count) + " lines, at most 26)");
        EXPECT_EQ(ReadFileBytes(Ini.GetIniName()), before);
    }
    // MaxEntries, at most 26 with letters, still cuts a longer list as it always did.
    Ini.SetMaxEntries(26);
    lines.SetStrings(0, "első");
    Ini.WriteStrings("A", "Item", &lines);
    Ini.ReadStringsExt("A", "Item", &back, 40);
    ASSERT_EQ(back.Count(), 26);
    EXPECT_EQ(back[0], "első");
    EXPECT_EQ(back[25], "sor 25");
}

TEST_F(UtlIniCtrlTest, ColorListsAreNotUserSuffixed) {
    Ini.SetCommon(false);
    Ini.SetUser("U");
    TStringList colors;
    colors.Add("ColorA=FF00FF");
    colors.Add("skipped");
    Ini.WriteColorList("Custom Colors", &colors);
    TStringList back;
    Ini.ReadColorList("Custom Colors", &back);
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back[0], "ColorA=FF00FF");
}

TEST_F(UtlIniCtrlTest, ObjectsThroughTheirPublishedProperties) {
    TUtlIniCtrl settings(nullptr);
    settings.SetIniFile("office");
    settings.SetMaxEntries(20);
    settings.SetTarget(itIniFile);
    Ini.WriteObject("O", &settings);
    TStringList keys;
    Ini.ReadSection("O", &keys);
    // Only what differs from the defaults, in declaration order.
    EXPECT_EQ(keys.CommaText(), "IniFile,MaxEntries,Target");
    TUtlIniCtrl back(nullptr);
    Ini.ReadObject("O", &back);
    EXPECT_EQ(back.IniFile(), "office.INI");
    EXPECT_EQ(back.MaxEntries(), 20);
    EXPECT_EQ(back.Target(), itIniFile);
    EXPECT_EQ(back.EffectiveTarget(), itIniFile);
}

} // namespace
