#include "grid/VgGridLayout.h"

#include "tests/grid/GridFixture.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TIniFile.h"
#include "platform/core/TRegIniFile.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TMenuItem.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

using namespace gridtest;

namespace {

TEST(LayoutText, QuotesOnlyTextsWithCommasOrQuotes) {
    struct Row {
        const char* In;
        const char* Out;
    } rows[] = {
        {"Ügy neve", "Ügy neve"},           // nothing to protect
        {"", ""},                           // empty stays empty
        {"Név, cím", "\"Név, cím\""},       // a comma needs the quotes
        {"a \"b\" c", "\"a \"\"b\"\" c\""}, // inner quotes are doubled
        {"\"", "\"\"\"\""},                 // a lone quote
    };
    for (const Row& r : rows)
        EXPECT_EQ(vg::QuoteLayoutText(r.In), r.Out) << r.In;
}

TEST(LayoutText, ItemsReadBackAsWritten) {
    for (const char* text : {"Név, cím", "a \"b\" c", "\"", "x,\"y\",z", "plain"}) {
        String rest = vg::QuoteLayoutText(text) + ",next";
        EXPECT_EQ(vg::ReadLayoutItem(rest), text);
        EXPECT_EQ(rest, "next");
    }
}

TEST(LayoutText, ItemsOfOldValues) {
    struct Row {
        const char* Value;
        const char* Item;
        const char* Rest;
    } rows[] = {
        {"", "", ""},                        // an empty rest gives an empty item
        {"nev,120", "nev", "120"},           // up to the comma, comma removed
        {"last", "last", ""},                // no comma: the whole rest
        {"\"a,b\",R", "a,b", "R"},           // quoted item with a comma
        {"say \"hi\",1", "say \"hi\"", "1"}, // quotes inside an unquoted item stay
        {"\"open,1", "open,1", ""},          // an unclosed quote runs to the end
        {",x", "", "x"},                     // empty first item
    };
    for (const Row& r : rows) {
        String rest = r.Value;
        EXPECT_EQ(vg::ReadLayoutItem(rest), r.Item) << r.Value;
        EXPECT_EQ(rest, r.Rest) << r.Value;
    }
}

class LayoutStorageTest : public GridFixture {
protected:
    void SetUp() override {
        Build(3, 400, 200);
        Grid->GetColumns()->Clear();
        TVgDBColumn* nev = Grid->GetColumns()->Add();
        nev->SetFieldName("nev");
        nev->SetWidth(120);
        nev->Title()->SetCaption("Ügy neve");
        nev->SetReadOnly(true);
        TVgDBColumn* statusz = Grid->GetColumns()->Add();
        statusz->SetFieldName("statusz");
        statusz->Title()->SetCaption("Státusz");
        statusz->SetVisible(false);
    }
    TVgDBColumn* Column(Integer i) { return Grid->GetColumns()->GetColumn(i); }
    String Reg(const String& Name) {
        TRegIniFile reg("Software\\VgGrid");
        return reg.ReadString("VgDBGrid", Name, "<none>");
    }

    TempFolder Config{"velmora-layout"};
    ScopedEnv Env{"XDG_CONFIG_HOME", Config.Path()};
};

TEST_F(LayoutStorageTest, SavesTheColumnsAsTheirValues) {
    SaveGridToRegistry(Grid.get(), "Software\\VgGrid", "VgDBGrid");
    TRegIniFile reg("Software\\VgGrid");
    EXPECT_EQ(reg.ReadInteger("VgDBGrid", "Count", 0), 2);
    EXPECT_EQ(Reg("0"), "nev,120,Ügy neve,R");
    EXPECT_EQ(Reg("1"), "statusz,-1,Státusz,");
    EXPECT_EQ(Reg("0_Sort"), "0,,-1,0,,0,0");
    EXPECT_EQ(Reg("0_Footer"), "<none>"); // no footer template, no value
}

TEST_F(LayoutStorageTest, RegistryRoundTripRestoresTheSameColumns) {
    Column(0)->Title()->SetCaption("Név, \"cím\"");
    Column(0)->Title()->SetAlignment(taCenter);
    TFont titleFont;
    titleFont.SetStyle(TFontStyles{fsBold, fsItalic});
    Column(0)->Title()->SetFont(&titleFont);
    Column(0)->SetColor(TColor(0x00CCDDEE));
    Column(0)->SetAlignment(taRightJustify);
    TFont dataFont;
    dataFont.SetSize(12);
    Column(0)->SetFont(&dataFont);
    Column(0)->SetSortType(stDescending);
    Column(0)->SetSortCaption("1,2");
    Column(0)->SetBandIndex(2);
    Column(0)->SetFooterType(ftSum);
    Column(0)->SetFooterValue(Variant(12.5));
    Column(0)->SetFooterText("Összesen: %, Ft");
    Column(0)->SetTag(7);
    Column(1)->SetInplaceEditor(ieCheckbox);
    SaveGridToRegistry(Grid.get(), "Software\\VgGrid", "VgDBGrid");

    Grid->GetColumns()->Clear();
    Grid->GetColumns()->Add()->SetFieldName("other");
    LoadGridFromRegistry(Grid.get(), "Software\\VgGrid", "VgDBGrid");

    ASSERT_EQ(Grid->GetColumns()->Count(), 2);
    TVgDBColumn* c = Column(0);
    EXPECT_EQ(c->FieldName(), "nev");
    EXPECT_EQ(c->Width(), 120);
    EXPECT_TRUE(c->ReadOnly());
    EXPECT_EQ(c->Title()->Caption(), "Név, \"cím\"");
    EXPECT_EQ(c->Title()->Alignment(), taCenter);
    EXPECT_EQ(c->Title()->Font()->Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(c->Color(), TColor(0x00CCDDEE));
    EXPECT_EQ(c->Alignment(), taRightJustify);
    EXPECT_EQ(c->Font()->Size(), 12);
    EXPECT_EQ(c->SortType(), stDescending);
    EXPECT_EQ(c->SortCaption(), "1,2");
    EXPECT_EQ(c->BandIndex(), 2);
    EXPECT_EQ(c->FooterType(), ftSum);
    // The footer value comes back as its text, not as a number.
    EXPECT_EQ(c->FooterValue().Type(), varString);
    EXPECT_EQ(VarToStr(c->FooterValue()), VarToStr(Variant(12.5)));
    EXPECT_EQ(c->FooterText(), "Összesen: %, Ft");
    EXPECT_EQ(c->Tag(), 7);
    EXPECT_EQ(Column(1)->FieldName(), "statusz");
    EXPECT_FALSE(Column(1)->Visible());
    EXPECT_FALSE(Column(1)->ReadOnly());
    EXPECT_EQ(Column(1)->InplaceEditor(), ieCheckbox);
}

TEST_F(LayoutStorageTest, IniRoundTripKeepsNoFooterTemplate) {
    String file = Config.File("grid.ini");
    Column(0)->Title()->SetCaption("a,b");
    Column(0)->SetFooterText("% db");
    SaveGridToIni(Grid.get(), file, "Lista");
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("Lista", "0", ""), "nev,120,\"a,b\",R");
    EXPECT_EQ(ini.ReadString("Lista", "0_Footer", "<none>"), "<none>");

    Grid->GetColumns()->Clear();
    LoadGridFromIni(Grid.get(), file, "Lista");
    ASSERT_EQ(Grid->GetColumns()->Count(), 2);
    EXPECT_EQ(Column(0)->Title()->Caption(), "a,b");
    EXPECT_EQ(Column(0)->Width(), 120);
    EXPECT_EQ(Column(0)->FooterText(), "");
    EXPECT_FALSE(Column(1)->Visible());
}

TEST_F(LayoutStorageTest, EmptyValuesAndBadItemsFallBack) {
    String file = Config.File("old.ini");
    {
        TIniFile ini(file);
        ini.WriteString("G", "Count", "3");
        ini.WriteString("G", "0", "id,abc,Szám");
        ini.WriteString("G", "2", "nev,80,\"Név, teljes\"");
        ini.WriteString("G", "2_Title", " , x, 255, , 1, , 2");
        ini.WriteString("G", "2_Sort", "1,\"\",zz");
    }
    LoadGridFromIni(Grid.get(), file, "G");
    // Value 1 is empty: two columns.
    ASSERT_EQ(Grid->GetColumns()->Count(), 2);
    EXPECT_EQ(Column(0)->Width(), 64); // "abc" is no width
    EXPECT_EQ(Column(1)->Title()->Caption(), "Név, teljes");
    EXPECT_EQ(Column(1)->Title()->Font()->Color(), TColor(255));
    EXPECT_EQ(Column(1)->Title()->Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(Column(1)->Title()->Alignment(), taCenter);
    EXPECT_EQ(Column(1)->SortType(), stAscending);
    EXPECT_EQ(Column(1)->BandIndex(), 0); // "zz" reads as 0
}

// Sizes a stored layout may not carry: each is refused whole with a Hungarian
// message, before a column changes.
TEST_F(LayoutStorageTest, OversizedLayoutsAreRefusedAndChangeNothing) {
    struct Row {
        Integer Count;
        const char* Value0;
        const char* Message;
    } rows[] = {
        {1025, "id,10,Szám", "1025 oszlopot ír, legfeljebb 1024 lehet"}, // one column too many
        {2147483647, "id,10,Szám", "2147483647 oszlopot ír, legfeljebb 1024 lehet"},
        {2, "id,2147483647,Szám", "a(z) 1. oszlop szélessége 2147483647, legfeljebb 32767 lehet"},
    };
    for (const Row& r : rows) {
        {
            TRegIniFile reg("Software\\VgGrid");
            reg.WriteInteger("Rossz", "Count", r.Count);
            reg.WriteString("Rossz", "0", r.Value0);
        }
        EXPECT_EQ(ErrorOf<EReadError>([&] { LoadGridFromRegistry(Grid.get(), "Software\\VgGrid", "Rossz"); }),
                  String("A mentett oszlopelrendezés nem tölthető be: ") + r.Message + ".");
        ASSERT_EQ(Grid->GetColumns()->Count(), 2);
        EXPECT_EQ(Column(0)->Width(), 120);
    }
    // The widest a layout may hold still loads.
    {
        TRegIniFile reg("Software\\VgGrid");
        reg.WriteInteger("Rossz", "Count", 1024);
        reg.WriteString("Rossz", "0", "id,32767,Szám");
    }
    LoadGridFromRegistry(Grid.get(), "Software\\VgGrid", "Rossz");
    ASSERT_EQ(Grid->GetColumns()->Count(), 1);
    EXPECT_EQ(Column(0)->Width(), 32767);
}

TEST_F(LayoutStorageTest, AMissingSectionLeavesTheColumns) {
    LoadGridFromRegistry(Grid.get(), "Software\\VgGrid", "Nincs");
    ASSERT_EQ(Grid->GetColumns()->Count(), 2);
    EXPECT_EQ(Column(0)->FieldName(), "nev");
}

TEST_F(LayoutStorageTest, PopupLayoutItemsFollowTheOption) {
    Grid->UpdatePopupItems();
    EXPECT_FALSE(Grid->StandardPopupItem(21)->Visible());
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoLayout});
    Grid->UpdatePopupItems();
    for (Integer i : {20, 21, 22})
        EXPECT_TRUE(Grid->StandardPopupItem(i)->Visible() && Grid->StandardPopupItem(i)->Enabled()) << i;
    Grid->StandardPopupItem(21)->Click();
    EXPECT_EQ(Reg("0"), "nev,120,Ügy neve,R");
    Column(0)->SetWidth(30);
    Grid->StandardPopupItem(22)->Click();
    EXPECT_EQ(Column(0)->Width(), 120);
}

TEST_F(LayoutStorageTest, AutoSaveOnDestructionAndAutoLoadWhenLoaded) {
    Grid->SetRegistrySection("Auto");
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoAutoSave});
    Grid.reset();
    TRegIniFile reg("Software\\VgGrid");
    EXPECT_EQ(reg.ReadString("Auto", "0", ""), "nev,120,Ügy neve,R");

    Grid = std::make_unique<TProbeGrid>(nullptr);
    Grid->SetComponentState(TComponentState{csLoading});
    Grid->SetRegistrySection("Auto");
    Grid->SetExOptions(TExOptions{eoAutoLoad});
    Grid->SetOptions(Grid->Options() + TDBGridOptions{dgAlwaysShowEditor});
    // Held back while loading, put back by Loaded.
    EXPECT_FALSE(Grid->Options().Contains(dgAlwaysShowEditor));
    Grid->Loaded();
    EXPECT_TRUE(Grid->Options().Contains(dgAlwaysShowEditor));
    ASSERT_EQ(Grid->GetColumns()->Count(), 2);
    EXPECT_EQ(Column(0)->Title()->Caption(), "Ügy neve");
}

} // namespace
