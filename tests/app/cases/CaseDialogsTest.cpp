// The case dialogs from the main window and the case sheet: a new case, a case's base
// data, and persons and organisations attached from the register or typed in.
#include "app/cases/AttachDialog.h"
#include "app/cases/TForm1CaseParts.h"
#include "app/common/SqlRoutines.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/core/DateTime.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/app/CaseFormsFixture.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

class CaseDialogs : public CaseForms {
protected:
    void SetUp() override {
        CaseForms::SetUp();
        CreateForms();
    }

    // Closes the case sheet as soon as it is active, so its modal loop ends.
    void CloseSheetWhenShown() {
        ugyadatlap->OnActivate = [](TObject* Sender) {
            ugyadatlap->FormActivate(Sender);
            ugyadatlap->Close();
        };
    }
    // Closes the new-case dialog as soon as it shows, remembering that it did.
    void CloseNewCaseWhenShown() {
        ujugy->OnShow = [this](TObject* Sender) {
            ujugy->FormShow(Sender);
            NewCaseShown = true;
            ujugy->Close();
        };
    }
    bool NewCaseShown = false;
};

TEST_F(CaseDialogs, NewCaseNeedsAName) {
    ujugy->Show();
    ujugy->Memo2->SetText("Csak leírás");
    ujugy->BitBtn1->Click();
    EXPECT_EQ(Number("SELECT count(*) FROM ugy"), 0);
    EXPECT_TRUE(ujugy->Visible());
    EXPECT_EQ(ujugy->Caption(), "Ügy, új rögzítése");
}

TEST_F(CaseDialogs, NewCaseIsStoredActiveAndJoinsTheListAndCombos) {
    MenuItem("Ugylista1").Click();
    ujugy->CheckBox1->SetChecked(false);
    ujugy->Show();
    EXPECT_EQ(ujugy->DateTimePicker1->Date(), Date());
    ujugy->DateTimePicker1->SetDate(EncodeDate(2009, 3, 5));
    ujugy->Memo1->SetText("O'Brien hagyatéka");
    ujugy->Memo2->SetText("Végrendelet: 'kézzel írt'\r\nárvíztűrő");
    ujugy->BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT status, nev, leiras, datum, ev, szam FROM ugy"),
              (std::vector<Row>{{"1", "O'Brien hagyatéka", "Végrendelet: 'kézzel írt'\r\nárvíztűrő",
                                 "2009-03-05", "2009", "1"}}));
    EXPECT_FALSE(ujugy->Visible());
    EXPECT_EQ(app::MainWindow().Query4->RecordCount(), 1);
    EXPECT_EQ(app::MainWindow().CaseIds(), (std::vector<Integer>{1}));

    // The next showing starts empty.
    ujugy->Show();
    EXPECT_EQ(ujugy->Memo1->Text(), "");
    EXPECT_EQ(ujugy->Memo2->Text(), "");
}

TEST_F(CaseDialogs, NewCaseOpensItsSheetWhenAsked) {
    AddCase("Korábbi", "2009-01-01");
    CloseSheetWhenShown();
    EXPECT_TRUE(ujugy->CheckBox1->Checked());
    ujugy->Show();
    ujugy->Memo1->SetText("Friss ügy");
    ujugy->BitBtn1->Click();
    EXPECT_EQ(ugyadatlap->CaseId, 2);
    EXPECT_EQ(ugyadatlap->Query1->FieldByName("nev")->AsString(), "Friss ügy");
    EXPECT_FALSE(ujugy->Visible());
    // The case list had never been built: it stays closed rather than failing.
    EXPECT_FALSE(app::MainWindow().Query4->Active());
    EXPECT_TRUE(Shown.empty());
}

TEST_F(CaseDialogs, MainWindowOpensTheNewCaseDialog) {
    CloseNewCaseWhenShown();
    // The navigation button opens it where the user is.
    MenuItem("Ugykereses1").Click();
    app::MainWindow().Cases().gxExtSpeedButton7->Click();
    EXPECT_TRUE(NewCaseShown);
    EXPECT_FALSE(app::MainWindow().Query4->Active());
    // The menu entry shows the case list first.
    NewCaseShown = false;
    MenuItem("Ujugy1").Click();
    EXPECT_TRUE(NewCaseShown);
    EXPECT_TRUE(app::MainWindow().Query4->Active());
    EXPECT_EQ(app::MainWindow().ugycontainer->Parent()->Controls(
                  app::MainWindow().ugycontainer->Parent()->ControlCount() - 1),
              app::MainWindow().ugycontainer);
    EXPECT_EQ(MenuItem("Ujugy1").Caption(), "Új ügy");
    EXPECT_EQ(app::MainWindow().Cases().gxExtSpeedButton7->Caption(), "Új ügy");
}

TEST_F(CaseDialogs, BaseDataFromTheCaseListAndBack) {
    AddCase("Első", "2009-01-01");
    AddCase("Második", "2009-02-01", "Régi leírás");
    AddCase("Harmadik", "2010-01-01");
    MenuItem("Ugylista1").Click();
    app::MainWindow().Query4->SetRecNo(2);
    app::MainWindow().Cases().Ugyalapadatainakmodositasa1->Click();
    Tugyalapadatmod& d = *ugyalapadatmod;
    EXPECT_TRUE(d.Visible());
    EXPECT_FALSE(d.Modal());
    EXPECT_EQ(d.CaseId, 2);
    EXPECT_EQ(d.Origin, 101);
    EXPECT_EQ(d.RecNo, 2);
    EXPECT_EQ(d.Label1->Caption(), "2009");
    EXPECT_EQ(d.Label2->Caption(), "2");
    EXPECT_EQ(d.Edit1->Text(), "Második");
    EXPECT_EQ(d.Edit2->Text(), "Régi leírás");
    EXPECT_TRUE(d.CheckBox1->Checked());

    d.Edit1->SetText("Második, O'Hara");
    d.Edit2->SetText("Új leírás 'idézettel'");
    d.CheckBox1->SetChecked(false);
    d.BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT nev, leiras, status FROM ugy WHERE sorszam=2"),
              (std::vector<Row>{{"Második, O'Hara", "Új leírás 'idézettel'", "0"}}));
    EXPECT_FALSE(d.Visible());
    // The list is refreshed (the closed case leaves the active list) and keeps its place.
    EXPECT_EQ(app::MainWindow().Query4->RecordCount(), 2);
    EXPECT_EQ(app::MainWindow().Query4->RecNo(), 2);
    EXPECT_EQ(app::MainWindow().CaseIds(), (std::vector<Integer>{1, 3}));

    // From the search list: a closed case shows unchecked, and may get an empty name.
    app::MainWindow().Cases().gxExtSpeedButton8->Click();
    app::MainWindow().Cases().CheckBox2->SetChecked(false);
    app::MainWindow().Cases().gxExtSpeedButton8->Click();
    app::MainWindow().Query5->SetRecNo(2);
    app::MainWindow().Cases().Ugyalapadatainakmodositasa2->Click();
    EXPECT_EQ(d.Origin, 102);
    EXPECT_FALSE(d.CheckBox1->Checked());
    d.Edit1->SetText("");
    d.CheckBox1->SetChecked(true);
    d.BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT nev, status FROM ugy WHERE sorszam=2"), (std::vector<Row>{{"", "1"}}));
    EXPECT_EQ(app::MainWindow().Query5->RecNo(), 2);
}

// "Aktív" changed with nothing else closes the case with its end date, or opens it again
// without one; the list and the case boxes follow.
TEST_F(CaseDialogs, BaseDataClosesAndReopensByAktivAlone) {
    AddCase("Első", "2009-01-01", "Leírás");
    MenuItem("Ugylista1").Click();
    Tugyalapadatmod& d = *ugyalapadatmod;
    app::MainWindow().Cases().Ugyalapadatainakmodositasa1->Click();
    d.CheckBox1->SetChecked(false);
    d.BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT nev, leiras, status, befejezve FROM ugy"),
              (std::vector<Row>{{"Első", "Leírás", "0", Today()}}));
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(app::MainWindow().Query4->RecordCount(), 0);
    EXPECT_TRUE(app::MainWindow().CaseIds().empty());

    d.ShowCase(1, 0, 0);
    d.CheckBox1->SetChecked(true);
    d.BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT status, befejezve FROM ugy"), (std::vector<Row>{{"1", std::nullopt}}));
    EXPECT_EQ(app::MainWindow().CaseIds(), (std::vector<Integer>{1}));
}

// The dialog stays open beside the list: asked for another case, it shows that case and stores
// to it; asked again for the case it shows, it keeps what was typed.
TEST_F(CaseDialogs, BaseDataOpenedAgainShowsTheCaseAskedFor) {
    AddCase("Első", "2009-01-01", "Első leírás");
    AddCase("Második", "2009-02-01", "Második leírás");
    MenuItem("Ugylista1").Click();
    Tugyalapadatmod& d = *ugyalapadatmod;
    app::MainWindow().Cases().Ugyalapadatainakmodositasa1->Click();
    d.Edit1->SetText("Első, félbehagyva");
    app::MainWindow().Cases().Ugyalapadatainakmodositasa1->Click();
    EXPECT_EQ(d.Edit1->Text(), "Első, félbehagyva");
    app::MainWindow().Query4->SetRecNo(2);
    app::MainWindow().Cases().Ugyalapadatainakmodositasa1->Click();
    EXPECT_EQ(d.Label2->Caption(), "2");
    EXPECT_EQ(d.Edit1->Text(), "Második");
    d.Edit1->SetText("Második, javítva");
    d.BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT nev, leiras FROM ugy ORDER BY sorszam"),
              (std::vector<Row>{{"Első", "Első leírás"}, {"Második, javítva", "Második leírás"}}));
}

// The case sheet closes the case while the dialog stays open on it: saving the name, with
// "Aktív" untouched, leaves the case closed with its end date.
TEST_F(CaseDialogs, BaseDataKeepsAStatusTheSheetChangedMeanwhile) {
    const Integer id = AddCase("Első", "2009-01-01");
    MenuItem("Ugylista1").Click();
    app::MainWindow().Cases().Ugyalapadatainakmodositasa1->Click();
    Tugyadatlap& s = OpenSheet(id);
    s.CheckBox1->SetChecked(true); // "Ügy lezárása:"
    s.gxExtSpeedButton8->Click();
    s.Close();
    const String closedOn = Text("SELECT befejezve FROM ugy");
    ASSERT_FALSE(closedOn.empty());
    ugyalapadatmod->Edit1->SetText("Első, javítva");
    ugyalapadatmod->BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT nev, status, befejezve FROM ugy"),
              (std::vector<Row>{{"Első, javítva", "0", closedOn}}));
}

TEST_F(CaseDialogs, BaseDataNeedsARow) {
    app::MainWindow().Cases().Edit23->SetText("nincs ilyen");
    app::MainWindow().Cases().gxExtSpeedButton8->Click();
    app::MainWindow().Cases().Ugyalapadatainakmodositasa2->Click();
    app::MainWindow().Cases().Ugyalapadatainakmodositasa1->Click();
    EXPECT_FALSE(ugyalapadatmod->Visible());
}

class AttachDialogs : public CaseDialogs {
protected:
    void SetUp() override {
        CaseDialogs::SetUp();
        CaseId = AddCase("Hagyaték", "2009-03-05");
        OpenSheet(CaseId);
    }
    Integer CaseId = 0;
};

TEST_F(AttachDialogs, PersonTypedInJoinsTheCaseAndTheRegister) {
    Tugyujszemelyform& d = *ugyujszemelyform;
    d.CaseId = CaseId;
    d.Show();
    EXPECT_EQ(d.Caption(), "Ügy, természetes személy hozzáadása");
    EXPECT_TRUE(d.RadioButton2->Checked());
    for (TRadioButton* r : {d.RadioButton1, d.RadioButton2, d.RadioButton3})
        EXPECT_FALSE(r->Enabled());
    EXPECT_FALSE(d.DateTimePicker1->Checked());
    EXPECT_EQ(d.DateTimePicker1->Date(), EncodeDate(1970, 1, 1));
    d.Edit1->SetText("O'Brien Éva");
    d.Edit8->SetText("Győr, Szőlő u. 1.");
    d.rogzito->Click();
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(
        Rows("SELECT ugy, nev, lakcim, szuletesi_ido, jubok, ugyfel_tsz FROM ugy_ugyfel_tsz"),
        (std::vector<Row>{{Key(CaseId), "O'Brien Éva", "Győr, Szőlő u. 1.", std::nullopt, "false", "1"}}));
    EXPECT_EQ(Rows("SELECT nev, szuletesi_ido FROM ugyfel_termeszetes_szemely"),
              (std::vector<Row>{{"O'Brien Éva", std::nullopt}}));
    // The sheet's clients list shows the new copy.
    EXPECT_EQ(ugyadatlap->Query3->RecordCount(), 1);
    EXPECT_EQ(d.LastSaved().CopyId, 1);
}

// A showing starts at the register combo; Tab then goes down the rows, stops once at the
// choice and ends with the buttons.
TEST_F(AttachDialogs, TabFollowsTheReadingOrder) {
    Tugyujszemelyform& d = *ugyujszemelyform;
    d.Show();
    d.RadioButton1->SetEnabled(true);
    d.RadioButton2->SetEnabled(true);
    String order;
    for (TWinControl* c = d.ActiveControl(); order.size() < 150; c = d.FindNextControl(c, true, true, false))
        order += c->Name() + " ";
    EXPECT_EQ(order.substr(0, order.find(" ComboBox1")),
              "ComboBox1 Button1 Edit1 Edit2 Edit3 DateTimePicker1 Edit4 Edit5 Edit6 Edit7 Edit8 Edit9 "
              "RadioButton2 rogzito kilepo");
    d.Hide();
}

TEST_F(AttachDialogs, PersonCopiedFromTheRegister) {
    const Integer dated = AddPerson("Kovács János", String("1960-05-06"));
    Exec("UPDATE ugyfel_termeszetes_szemely SET jubok='true', anyja_neve='Tóth Mária'");
    const Integer undated = AddPerson("Baráth Ödön");
    const Integer retired = AddPerson("Aktív nem");
    Exec("UPDATE ugyfel_termeszetes_szemely SET aktiv=0 WHERE sorszam=" + Key(retired));
    Tugyujszemelyform& d = *ugyujszemelyform;
    d.CaseId = CaseId;
    d.Show();
    EXPECT_EQ(d.ComboBox1->Items()->Count(), 2);
    EXPECT_EQ(d.ComboBox1->Items()->Strings(0), "Baráth Ödön ()");
    EXPECT_EQ(d.ComboBox1->Items()->Strings(1), "Kovács János (1960.05.06.)");
    EXPECT_EQ(d.RegisterIds(), (std::vector<Integer>{undated, dated}));

    // "Másol" without a chosen item does nothing.
    d.Button1->Click();
    EXPECT_EQ(d.SelectedRegisterId(), -1);
    EXPECT_FALSE(d.RadioButton3->Enabled());

    d.ComboBox1->SetItemIndex(1);
    d.Button1->Click();
    EXPECT_EQ(d.SelectedRegisterId(), dated);
    EXPECT_EQ(d.Edit1->Text(), "Kovács János");
    EXPECT_EQ(d.Edit4->Text(), "Tóth Mária");
    EXPECT_TRUE(d.DateTimePicker1->Checked());
    EXPECT_EQ(d.DateTimePicker1->Date(), EncodeDate(1960, 5, 6));
    EXPECT_TRUE(d.Identified());
    EXPECT_TRUE(d.RadioButton3->Checked());
    for (TRadioButton* r : {d.RadioButton1, d.RadioButton2, d.RadioButton3})
        EXPECT_TRUE(r->Enabled());

    // A person without a birth date does not keep the date shown before.
    d.ComboBox1->SetItemIndex(0);
    d.Button1->Click();
    EXPECT_EQ(d.Edit1->Text(), "Baráth Ödön");
    EXPECT_FALSE(d.DateTimePicker1->Checked());
    EXPECT_FALSE(d.Identified());

    d.ComboBox1->SetItemIndex(1);
    d.Button1->Click();
    d.rogzito->Click();
    EXPECT_EQ(Rows("SELECT nev, szuletesi_ido, jubok, ugyfel_tsz FROM ugy_ugyfel_tsz"),
              (std::vector<Row>{{"Kovács János", "1960-05-06", "true", Key(dated)}}));
    EXPECT_EQ(Number("SELECT count(*) FROM ugyfel_termeszetes_szemely"), 3);

    // A new showing forgets the copied person: a typed one is not identified.
    d.Show();
    EXPECT_FALSE(d.Identified());
    EXPECT_EQ(d.Edit1->Text(), "");
    d.Edit1->SetText("Új Személy");
    d.rogzito->Click();
    EXPECT_EQ(Text("SELECT jubok FROM ugy_ugyfel_tsz WHERE nev='Új Személy'"), "false");
}

TEST_F(AttachDialogs, PersonOverwritesTheRegisterRow) {
    const Integer chosen = AddPerson("Régi Név");
    Tugyujszemelyform& d = *ugyujszemelyform;
    d.CaseId = CaseId;
    d.Show();
    d.ComboBox1->SetItemIndex(0);
    d.Button1->Click();
    d.Edit1->SetText("Új Név");
    d.DateTimePicker1->SetDate(EncodeDate(1975, 12, 31));
    d.DateTimePicker1->SetChecked(true);
    d.RadioButton1->SetChecked(true);
    EXPECT_EQ(d.Choice(), app::RegisterChoice::Overwrite);
    d.rogzito->Click();
    EXPECT_EQ(Rows("SELECT nev, szuletesi_ido FROM ugyfel_termeszetes_szemely"),
              (std::vector<Row>{{"Új Név", "1975-12-31"}}));
    EXPECT_EQ(Number("SELECT ugyfel_tsz FROM ugy_ugyfel_tsz"), chosen);
}

TEST_F(AttachDialogs, PersonCloseResetsTheDialog) {
    AddPerson("Kovács János");
    Tugyujszemelyform& d = *ugyujszemelyform;
    d.CaseId = CaseId;
    d.Show();
    d.ComboBox1->SetItemIndex(0);
    d.Button1->Click();
    d.kilepo->Click();
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(d.Edit1->Text(), "");
    EXPECT_EQ(d.SelectedRegisterId(), -1);
    EXPECT_TRUE(d.RadioButton2->Checked());
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_tsz"), 0);
}

TEST_F(AttachDialogs, OrganisationCopiedTypedAndKept) {
    const Integer chosen = AddOrganisation("Példa Kft.", "01-09-123456");
    Tugyujszervezetform& d = *ugyujszervezetform;
    d.CaseId = CaseId;
    d.Show();
    EXPECT_EQ(d.Caption(), "Ügy, szervezet hozzáadása");
    EXPECT_EQ(d.ComboBox1->Items()->Strings(0), "Példa Kft. (01-09-123456)");
    d.ComboBox1->SetItemIndex(0);
    d.Button1->Click();
    EXPECT_EQ(d.Edit1->Text(), "Példa Kft.");
    EXPECT_EQ(d.Edit5->Text(), "01-09-123456");
    EXPECT_TRUE(d.RadioButton3->Checked());
    d.Edit6->SetText("Kiss Ödön ügyvezető, O'Neil");
    d.rogzito->Click();
    EXPECT_EQ(Rows("SELECT ugy, nev, azonosito_okirat_szama, kepviselo FROM ugy_ugyfel_szerv"),
              (std::vector<Row>{{Key(CaseId), "Példa Kft.", "01-09-123456", "Kiss Ödön ügyvezető, O'Neil"}}));
    EXPECT_EQ(Text("SELECT kepviselo FROM ugyfel_szervezet WHERE sorszam=" + Key(chosen)), "");
    // The sheet lists it with its document number.
    ASSERT_EQ(ugyadatlap->Query3->RecordCount(), 1);
    EXPECT_EQ(ugyadatlap->Query3->FieldByName("azonosito")->AsString(), "01-09-123456");

    // Typed in: also a new register row. "Bezár" stores nothing.
    d.Show();
    EXPECT_EQ(d.Edit1->Text(), "");
    d.Edit1->SetText("Új Bt.");
    d.kilepo->Click();
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_szerv"), 1);
    d.Show();
    d.Edit1->SetText("Új Bt.");
    d.rogzito->Click();
    EXPECT_EQ(Number("SELECT count(*) FROM ugyfel_szervezet WHERE nev='Új Bt.'"), 1);
    EXPECT_EQ(ugyadatlap->Query3->RecordCount(), 2);
}

} // namespace
} // namespace apptest
