// An office's database as years of use and other tools left it: '' as well as NULL
// for "no date", dates that do not exist or are no dates at all, and texts longer than the
// dialogs' fields. A save writes back what the user did not change exactly as it was stored.
#include "app/cases/TForm1CaseParts.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/StrUtils.h"
#include "app/clients/TForm1ClientParts.h"
#include "app/identification/Tjubmod.h"
#include "app/partners/Tpartnermod.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/data/TField.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMenuItem.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/app/CaseFormsFixture.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

// Code page 1250 text with apostrophes, 2,355 characters: more than the 2,000 the
// description field declares.
String LongDescription() {
    String text;
    while (Length(text) < 2355)
        text += "Árvíztűrő tükörfúrógép, Ő'Brien „idézet” ";
    return Copy(text, 1, 2355);
}

class OfficeData : public CaseForms {
protected:
    void SetUp() override {
        CaseForms::SetUp();
        CreateForms();
    }
    // Every row of Table, each column as text ("NULL" for NULL), to compare before and after.
    String Table(const String& Table) {
        String text;
        for (const Row& row : Rows("SELECT * FROM " + Table + " ORDER BY sorszam")) {
            for (const auto& value : row)
                text += (value ? "'" + *value + "'" : String("NULL")) + "|";
            text += "\n";
        }
        return text;
    }
};

TEST_F(OfficeData, DescriptionLongerThanItsFieldIsKeptBySaving) {
    const String description = LongDescription();
    const Integer id = AddCase("Hagyaték 'Kovács'", "2009-03-05", description);
    const String before = Table("ugy");
    MenuItem("Ugylista1").Click();
    app::MainWindow().Cases().Ugyalapadatainakmodositasa1->Click();
    // The data layer hands the first 2,000 characters: the box shows them read-only, says why,
    // and the save keeps the stored text.
    EXPECT_TRUE(ugyalapadatmod->Edit2->Text() == Copy(description, 1, 2000));
    EXPECT_TRUE(ugyalapadatmod->Edit2->ReadOnly());
    EXPECT_FALSE(ugyalapadatmod->Edit1->ReadOnly());
    EXPECT_EQ(ugyalapadatmod->Label6->Caption(),
              "A tárolt szöveg hosszabb a mezőnél: itt nem módosítható, változatlan marad.");
    ugyalapadatmod->BitBtn1->Click();
    EXPECT_TRUE(Table("ugy") == before);
    EXPECT_EQ(Length(Text("SELECT leiras FROM ugy WHERE sorszam=" + Key(id))), 2355);

    // A changed name is saved; the description still is not cut.
    app::MainWindow().Cases().Ugyalapadatainakmodositasa1->Click();
    ugyalapadatmod->Edit1->SetText("Hagyaték 'Kovács Ödön'");
    ugyalapadatmod->BitBtn1->Click();
    EXPECT_EQ(Text("SELECT nev FROM ugy"), "Hagyaték 'Kovács Ödön'");
    EXPECT_TRUE(Text("SELECT leiras FROM ugy") == description);
}

// A birth date no calendar has, or no date at all: the picker shows unchecked with a note,
// and a save that changes other boxes keeps the stored text, in every editor of a person.
TEST_F(OfficeData, UnreadableBirthDateIsKeptByEveryPersonEditor) {
    const Integer reg = AddPerson("Kovács 'Ödön'", String("1965-02-30"));
    const Integer caseId = AddCase("Hagyaték", "2009-03-05");
    const Integer copy = AddCasePerson(caseId, "Kovács 'Ödön'", reg);
    Exec("UPDATE ugy_ugyfel_tsz SET szuletesi_ido='tavaly'");
    Exec("UPDATE ugyfel_termeszetes_szemely SET allampolgarsag=NULL");

    // The clients panel, only the address changed.
    MenuItem("Termeszetesszemelyek1").Click();
    EXPECT_EQ(app::MainWindow().Query1->FieldByName("szuletesi_ido")->DisplayText(), "1965-02-30");
    EXPECT_FALSE(app::MainWindow().Clients().DateTimePicker1->Checked());
    EXPECT_EQ(app::MainWindow().Clients().DateTimePicker1->Hint(),
              "A tárolt „1965-02-30” nem dátum; változatlan marad, amíg a dátumot nem módosítja.");
    app::MainWindow().Clients().Edit4->SetText("Fő utca 1.");
    app::MainWindow().Clients().gxExtSpeedButton37->Click();
    // A column another tool left NULL stays NULL.
    EXPECT_EQ(Rows("SELECT lakcim, szuletesi_ido, allampolgarsag FROM ugyfel_termeszetes_szemely"),
              (std::vector<Row>{{"Fő utca 1.", "1965-02-30", std::nullopt}}));

    // The case copy's editor, only the name changed.
    ugyfelszemelymod->RowId = copy;
    ugyfelszemelymod->Mode = 2;
    ugyfelszemelymod->Show();
    EXPECT_FALSE(ugyfelszemelymod->Boxes.BirthDate->Checked());
    ugyfelszemelymod->Boxes.Name->SetText("Kovács Ödön");
    ugyfelszemelymod->BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT nev, szuletesi_ido FROM ugy_ugyfel_tsz"),
              (std::vector<Row>{{"Kovács Ödön", "tavaly"}}));

    // Attached from the register, which "Átír" overwrites: both rows keep the stored text.
    OpenSheet(caseId);
    Tugyujszemelyform& d = *ugyujszemelyform;
    d.CaseId = caseId;
    d.Show();
    d.ComboBox1->SetItemIndex(0);
    EXPECT_EQ(d.ComboBox1->Text(), "Kovács 'Ödön' (1965-02-30)");
    d.Button1->Click();
    EXPECT_FALSE(d.DateTimePicker1->Checked());
    d.RadioButton1->SetChecked(true);
    d.rogzito->Click();
    EXPECT_EQ(Rows("SELECT szuletesi_ido FROM ugy_ugyfel_tsz ORDER BY sorszam"),
              (std::vector<Row>{{"tavaly"}, {"1965-02-30"}}));
    EXPECT_EQ(Text("SELECT szuletesi_ido FROM ugyfel_termeszetes_szemely"), "1965-02-30");
    ugyadatlap->Close();
}

// A register client copied into a case with "Másol": a text longer than its box goes whole
// into the case's copy, and into a new register row, whatever the register choice.
TEST_F(OfficeData, AttachedClientTakesAnOverLongTextWholeIntoItsCopy) {
    String text;
    while (Length(text) < 300)
        text += "Ő'Brien „Árvíztűrő” ";
    text = Copy(text, 1, 300);
    const struct {
        app::AttachDialog* Dialog;
        const char* Register; // the register table and the text column filled past its size
        const char* Copies;   // the case's copies
        const char* Column;
        TRadioButton* (*Choice)(app::AttachDialog&);
    } rows[] = {
        {ugyujszemelyform, "ugyfel_termeszetes_szemely", "ugy_ugyfel_tsz", "lakcim",
         [](app::AttachDialog& d) { return d.RadioButton3; }}, // "Nem módosít"
        {ugyujszemelyform, "ugyfel_termeszetes_szemely", "ugy_ugyfel_tsz", "allampolgarsag",
         [](app::AttachDialog& d) { return d.RadioButton2; }}, // "Újként rögzít"
        {ugyujszervezetform, "ugyfel_szervezet", "ugy_ugyfel_szerv", "nev",
         [](app::AttachDialog& d) { return d.RadioButton1; }}, // "Átír"
        {ugyujszervezetform, "ugyfel_szervezet", "ugy_ugyfel_szerv", "szekhely_cime",
         [](app::AttachDialog& d) { return d.RadioButton2; }},
    };
    for (const auto& row : rows) {
        const String table = row.Register;
        const Integer reg =
            table == "ugyfel_szervezet" ? AddOrganisation("Alfa Kft.") : AddPerson("Kovács Éva");
        Exec("UPDATE " + table + " SET aktiv=0 WHERE sorszam<>" + Key(reg));
        Exec("UPDATE " + table + " SET " + row.Column + "='" + SqlQuote(text) +
             "' WHERE sorszam=" + Key(reg));
        const Integer caseId = AddCase("Hagyaték", "2009-03-05");
        OpenSheet(caseId);
        app::AttachDialog& d = *row.Dialog;
        d.CaseId = caseId;
        d.Show();
        d.ComboBox1->SetItemIndex(0);
        d.Button1->Click();
        row.Choice(d)->SetChecked(true);
        d.rogzito->Click();
        const String column = row.Column;
        EXPECT_TRUE(Text("SELECT " + column + " FROM " + row.Copies + " WHERE ugy=" + Key(caseId)) == text)
            << row.Copies << "." << column;
        EXPECT_EQ(Number("SELECT count(*) FROM " + table + " WHERE " + column + "='" + SqlQuote(text) + "'"),
                  row.Choice(d) == d.RadioButton2 ? 2 : 1)
            << table << "." << column;
        ugyadatlap->Close();
    }
}

// The '' offices' existing databases hold for "no date": shown empty, never written back as a date;
// the person's picker stays unchecked and a save of the other boxes keeps ''.
TEST_F(OfficeData, EmptyDateTextIsNoDateAndStaysAsStored) {
    const Integer reg = AddPerson("Szabó Éva", String(""));
    MenuItem("Termeszetesszemelyek1").Click();
    EXPECT_EQ(app::MainWindow().Query1->FieldByName("szuletesi_ido")->DisplayText(), "");
    EXPECT_FALSE(app::MainWindow().Clients().DateTimePicker1->Checked());
    app::MainWindow().Clients().Edit1->SetText("Szabó Éva 'Évi'");
    app::MainWindow().Clients().gxExtSpeedButton37->Click();
    EXPECT_EQ(Rows("SELECT nev, szuletesi_ido FROM ugyfel_termeszetes_szemely WHERE sorszam=" + Key(reg)),
              (std::vector<Row>{{"Szabó Éva 'Évi'", ""}}));
}

// ---- Texts longer than their fields, in every dialog that saves all its boxes ------------

class StoredTexts;

struct OverLongText {
    const char* Dialog;
    const char* Table;
    const char* Column;                  // filled past its declared size by another tool
    Integer Size;                        // characters the column declares
    Integer (*Make)(StoredTexts&);       // the row, answering its key
    void (*Open)(StoredTexts&, Integer); // shows the dialog on the row
    TWinControl* (*Box)();               // Column's box in the open dialog
    void (*ChangeOther)();               // edits another input of the dialog
    const char* Other;                   // the column that edit is saved to, and its value
    const char* OtherValue;
    void (*Save)();
};

void PrintTo(const OverLongText& Row, std::ostream* Out) {
    *Out << Row.Dialog << ", " << Row.Column;
}

class StoredTexts : public OfficeData, public ::testing::WithParamInterface<OverLongText> {
protected:
    void TearDown() override {
        delete jubmod;
        delete partnermod;
        OfficeData::TearDown();
    }
    String Stored(const OverLongText& Row, const String& Column, Integer Id) {
        return Text("SELECT " + Column + " FROM " + Row.Table + " WHERE sorszam=" + Key(Id));
    }

public:
    using CaseForms::Attach;
    using OfficeDbFixture::AddCase;
    using OfficeDbFixture::AddCasePerson;
    using OfficeDbFixture::AddIdentification;
    using OfficeDbFixture::AddOrganisation;
    using OfficeDbFixture::AddPerson;
    using OfficeDbFixture::Exec;
    using OfficeDbFixture::LastKey;
};

// An over-long text shows read-only and a save that changed another box keeps it as stored;
// once the stored text fits, an edit of its box is saved.
TEST_P(StoredTexts, SaveKeepsAnOverLongTextAndSavesAnEditOnceItFits) {
    const OverLongText& row = GetParam();
    const Integer key = row.Make(*this);
    String text;
    while (Length(text) < row.Size + 20)
        text += "Ő'Brien „Árvíztűrő” ";
    text = Copy(text, 1, row.Size + 20);
    Exec(String("UPDATE ") + row.Table + " SET " + row.Column + "='" +
         StringReplace(text, "'", "''", rfReplaceAll) + "' WHERE sorszam=" + Key(key));

    row.Open(*this, key);
    EXPECT_TRUE(row.Box()->Text() == Copy(text, 1, row.Size));
    EXPECT_EQ(row.Box()->Hint(),
              "A tárolt szöveg hosszabb a mezőnél: itt nem módosítható, változatlan marad.");
    row.ChangeOther();
    row.Save();
    EXPECT_TRUE(Stored(row, row.Column, key) == text);
    EXPECT_EQ(Stored(row, row.Other, key), row.OtherValue);

    Exec(String("UPDATE ") + row.Table + " SET " + row.Column + "='rövid' WHERE sorszam=" + Key(key));
    row.Open(*this, key);
    EXPECT_EQ(row.Box()->Hint(), "");
    row.Box()->SetText("Ő'Brien új");
    row.Save();
    EXPECT_EQ(Stored(row, row.Column, key), "Ő'Brien új");
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, StoredTexts,
    ::testing::Values(
        // The clients area's person panel, a 128-character column.
        OverLongText{"person panel", "ugyfel_termeszetes_szemely", "anyja_neve", 128,
                     [](StoredTexts& t) { return t.AddPerson("Kovács Éva"); },
                     [](StoredTexts&, Integer) { MenuItem("Termeszetesszemelyek1").Click(); },
                     []() -> TWinControl* { return app::MainWindow().Clients().Edit5; },
                     [] { app::MainWindow().Clients().Edit4->SetText("Fő utca 1."); }, "lakcim", "Fő utca 1.",
                     [] { app::MainWindow().Clients().gxExtSpeedButton37->Click(); }},
        // The same panel, a 32-character column.
        OverLongText{"person panel", "ugyfel_termeszetes_szemely", "allampolgarsag", 32,
                     [](StoredTexts& t) { return t.AddPerson("Kovács Éva"); },
                     [](StoredTexts&, Integer) { MenuItem("Termeszetesszemelyek1").Click(); },
                     []() -> TWinControl* { return app::MainWindow().Clients().Edit6; },
                     [] { app::MainWindow().Clients().Edit1->SetText("Kovács Éva 'Évi'"); }, "nev",
                     "Kovács Éva 'Évi'", [] { app::MainWindow().Clients().gxExtSpeedButton37->Click(); }},
        // The organisation panel, the 256-character name.
        OverLongText{"organisation panel", "ugyfel_szervezet", "nev", 256,
                     [](StoredTexts& t) { return t.AddOrganisation("Alfa Kft."); },
                     [](StoredTexts&, Integer) { MenuItem("Szervezetek1").Click(); },
                     []() -> TWinControl* { return app::MainWindow().Clients().Edit10; },
                     [] { app::MainWindow().Clients().Edit11->SetText("Alfa"); }, "roviditett_nev", "Alfa",
                     [] { app::MainWindow().Clients().gxExtSpeedButton35->Click(); }},
        // The case copy's editor.
        OverLongText{
            "case copy editor", "ugy_ugyfel_tsz", "szuletesi_hely", 128,
            [](StoredTexts& t) { return t.AddCasePerson(t.AddCase("Hagyaték", "2009-03-05"), "Kovács Éva"); },
            [](StoredTexts&, Integer Key) {
                ugyfelszemelymod->RowId = Key;
                ugyfelszemelymod->Mode = 2;
                ugyfelszemelymod->Show();
            },
            []() -> TWinControl* { return ugyfelszemelymod->Boxes.BirthPlace; },
            [] { ugyfelszemelymod->Boxes.Name->SetText("Kovács Ödön"); }, "nev", "Kovács Ödön",
            [] { ugyfelszemelymod->BitBtn1->Click(); }},
        // A person attached from the register with "Átír", which overwrites the register row.
        OverLongText{"person attach", "ugyfel_termeszetes_szemely", "lakcim", 128,
                     [](StoredTexts& t) { return t.AddPerson("Kovács Éva"); },
                     [](StoredTexts& t, Integer) { t.Attach(*ugyujszemelyform); },
                     []() -> TWinControl* { return ugyujszemelyform->Edit8; },
                     [] { ugyujszemelyform->Edit4->SetText("Anya 'Ilona'"); }, "anyja_neve", "Anya 'Ilona'",
                     [] { ugyujszemelyform->rogzito->Click(); }},
        // An organisation attached with "Átír".
        OverLongText{"organisation attach", "ugyfel_szervezet", "kezbesitesi_megbizott_cime", 128,
                     [](StoredTexts& t) { return t.AddOrganisation("Alfa Kft."); },
                     [](StoredTexts& t, Integer) { t.Attach(*ugyujszervezetform); },
                     []() -> TWinControl* { return ugyujszervezetform->Edit9; },
                     [] { ugyujszervezetform->Edit2->SetText("Alfa"); }, "roviditett_nev", "Alfa",
                     [] { ugyujszervezetform->rogzito->Click(); }},
        // The partner editor, the 2,000-character remark.
        OverLongText{"partner editor", "partner", "megjegyzes", 2000,
                     [](StoredTexts& t) {
                         t.Exec("INSERT INTO partner (nev) VALUES ('Bakos Bt.')");
                         return t.LastKey("partner");
                     },
                     [](StoredTexts&, Integer Key) {
                         if (!partnermod) partnermod = new Tpartnermod(nullptr);
                         partnermod->PartnerId = Key;
                         partnermod->Show();
                     },
                     []() -> TWinControl* { return partnermod->Memo1; },
                     [] { partnermod->Edit4->SetText("06-1-111-1111"); }, "tel1", "06-1-111-1111",
                     [] { partnermod->BitBtn1->Click(); }},
        // The identification query's editor, the 255-character answer file.
        OverLongText{
            "identification editor", "jub", "valaszfile", 255,
            [](StoredTexts& t) {
                return t.AddIdentification(t.AddPerson("Kovács Éva"), t.AddCase("Hagyaték", "2009-03-05"),
                                           "2009-03-05", "K_1_2009/1");
            },
            [](StoredTexts&, Integer Key) {
                if (!jubmod) jubmod = new Tjubmod(nullptr);
                jubmod->JubId = Key;
                jubmod->Close(); // its "Rögzít" leaves closing to the modal loop
                jubmod->Show();
            },
            []() -> TWinControl* { return jubmod->Edit1; }, [] { jubmod->CheckBox1->SetChecked(true); },
            "jubok", "true", [] { jubmod->BitBtn1->Click(); }}));

} // namespace
} // namespace apptest
