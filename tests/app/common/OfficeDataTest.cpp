// A real office's database as the older program and other tools left it: '' as well as NULL
// for "no date", dates that do not exist or are no dates at all, and texts longer than the
// dialogs' fields. A save writes back what the user did not change exactly as it was stored.
#include "app/cases/TForm1CaseParts.h"
#include "platform/core/StrUtils.h"
#include "app/clients/TForm1ClientParts.h"
#include "controls/TgxExtSpeedButton.h"
#include "platform/data/TField.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
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
    Form1->Ugylista1->Click();
    Form1->Cases().Ugyalapadatainakmodositasa1->Click();
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
    Form1->Cases().Ugyalapadatainakmodositasa1->Click();
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
    Form1->Termeszetesszemelyek1->Click();
    EXPECT_EQ(Form1->Query1->FieldByName("szuletesi_ido")->DisplayText(), "1965-02-30");
    EXPECT_FALSE(Form1->Clients().DateTimePicker1->Checked());
    EXPECT_EQ(Form1->Clients().DateTimePicker1->Hint(),
              "A tárolt „1965-02-30” nem dátum; változatlan marad, amíg a dátumot nem módosítja.");
    Form1->Clients().Edit4->SetText("Fő utca 1.");
    Form1->Clients().gxExtSpeedButton37->Click();
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

// The older program's '' for "no date": shown empty, never written back as a date; the
// person's picker stays unchecked and a save of the other boxes keeps ''.
TEST_F(OfficeData, EmptyDateTextIsNoDateAndStaysAsStored) {
    const Integer reg = AddPerson("Szabó Éva", String(""));
    Form1->Termeszetesszemelyek1->Click();
    EXPECT_EQ(Form1->Query1->FieldByName("szuletesi_ido")->DisplayText(), "");
    EXPECT_FALSE(Form1->Clients().DateTimePicker1->Checked());
    Form1->Clients().Edit1->SetText("Szabó Éva 'Évi'");
    Form1->Clients().gxExtSpeedButton37->Click();
    EXPECT_EQ(Rows("SELECT nev, szuletesi_ido FROM ugyfel_termeszetes_szemely WHERE sorszam=" + Key(reg)),
              (std::vector<Row>{{"Szabó Éva 'Évi'", ""}}));
}

} // namespace
} // namespace apptest
