// Offices share one database file: while a dialog stands open on a row, another workstation
// may store a value of that row. A save writes only what the user changed in this showing,
// so the other workstation's value survives the save, in every dialog that changes a row.
#include "app/clients/TForm1ClientParts.h"
#include "app/deposits/Tletetalapadat.h"
#include "app/documents/Tdokulap.h"
#include "app/identification/Tjubmod.h"
#include "app/partners/Tpartnermod.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TRadioButton.h"
#include "tests/app/CaseFormsFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace apptest {
namespace {

class ChangedValues : public CaseForms {
protected:
    void SetUp() override {
        CaseForms::SetUp();
        CreateForms();
        partnermod = new Tpartnermod(nullptr);
        letetalapadat = new Tletetalapadat(nullptr);
        dokulap = new Tdokulap(nullptr);
        jubmod = new Tjubmod(nullptr);
    }
    void TearDown() override {
        delete jubmod;
        delete dokulap;
        delete letetalapadat;
        delete partnermod;
        CaseForms::TearDown();
    }

public:
    // "Másol" of register row Key in an attach dialog, then "Átír".
    void Attach(app::AttachDialog& Dialog, Integer Key) {
        Dialog.CaseId = AddCase("Hagyaték", "2009-03-05");
        OpenSheet(Dialog.CaseId);
        Dialog.Show();
        const auto& ids = Dialog.RegisterIds();
        Dialog.ComboBox1->SetItemIndex(
            static_cast<Integer>(std::find(ids.begin(), ids.end(), Key) - ids.begin()));
        Dialog.Button1->Click();
        Dialog.RadioButton1->SetChecked(true);
    }
    using OfficeDbFixture::AddAccount;
    using OfficeDbFixture::AddCase;
    using OfficeDbFixture::AddCasePerson;
    using OfficeDbFixture::AddDeposit;
    using OfficeDbFixture::AddHistoryEntry;
    using OfficeDbFixture::AddIdentification;
    using OfficeDbFixture::AddOrganisation;
    using OfficeDbFixture::AddPerson;
    using OfficeDbFixture::Exec;
    using OfficeDbFixture::LastKey;
};

struct SharedRow {
    const char* Dialog;
    const char* Table;
    Integer (*Make)(ChangedValues&);       // the row, answering its key
    void (*Open)(ChangedValues&, Integer); // shows the dialog on the row
    const char* Other;                     // the column the other workstation sets meanwhile,
    const char* OtherValue;                // and its value as a statement writes it
    void (*Save)();                        // the user's edit in the dialog, then its save
    const char* Changed;                   // the column the edit goes to, and its value
    const char* ChangedValue;
};

TEST_F(ChangedValues, SaveKeepsWhatAnotherWorkstationStoredMeanwhile) {
    const SharedRow rows[] = {
        // The partner dialog wrote its whole row.
        {"partner", "partner",
         [](ChangedValues& t) {
             t.Exec("INSERT INTO partner (nev, email) VALUES ('Balogh Bt. 4', 'regi@balogh.hu')");
             return t.LastKey("partner");
         },
         [](ChangedValues&, Integer Key) {
             partnermod->PartnerId = Key;
             partnermod->Show();
         },
         "tel2", "'06-1-555-5555'",
         [] {
             partnermod->Edit10->SetText("uj@balogh.hu");
             partnermod->BitBtn1->Click();
         },
         "email", "uj@balogh.hu"},
        // The clients area's panels wrote every box.
        {"person panel", "ugyfel_termeszetes_szemely",
         [](ChangedValues& t) { return t.AddPerson("Kovács Éva"); },
         [](ChangedValues&, Integer) { MenuItem("Termeszetesszemelyek1").Click(); }, "lakcim", "'Fő utca 1.'",
         [] {
             app::MainWindow().Clients().Edit1->SetText("Kovács Éva Mária");
             app::MainWindow().Clients().gxExtSpeedButton37->Click();
         },
         "nev", "Kovács Éva Mária"},
        {"organisation panel", "ugyfel_szervezet",
         [](ChangedValues& t) { return t.AddOrganisation("Alfa Kft."); },
         [](ChangedValues&, Integer) { MenuItem("Szervezetek1").Click(); }, "kepviselo", "'Kiss Ödön'",
         [] {
             app::MainWindow().Clients().Edit11->SetText("Alfa");
             app::MainWindow().Clients().gxExtSpeedButton35->Click();
         },
         "roviditett_nev", "Alfa"},
        // The case copy's editor, and the register rows that "Átír" overwrote.
        {"case copy editor", "ugy_ugyfel_tsz",
         [](ChangedValues& t) { return t.AddCasePerson(t.AddCase("Hagyaték", "2009-03-05"), "Kovács Éva"); },
         [](ChangedValues&, Integer Key) {
             ugyfelszemelymod->RowId = Key;
             ugyfelszemelymod->Mode = 2;
             ugyfelszemelymod->Show();
         },
         "anyja_neve", "'Tóth Mária'",
         [] {
             ugyfelszemelymod->Boxes.Name->SetText("Kovács Ödön");
             ugyfelszemelymod->BitBtn1->Click();
         },
         "nev", "Kovács Ödön"},
        {"person attach", "ugyfel_termeszetes_szemely",
         [](ChangedValues& t) { return t.AddPerson("Nagy Ilona"); },
         [](ChangedValues& t, Integer Key) { t.Attach(*ugyujszemelyform, Key); }, "szuletesi_ido",
         "'1961-02-03'",
         [] {
             ugyujszemelyform->Edit4->SetText("Anya 'Ilona'");
             ugyujszemelyform->rogzito->Click();
             ugyadatlap->Close();
         },
         "anyja_neve", "Anya 'Ilona'"},
        {"organisation attach", "ugyfel_szervezet",
         [](ChangedValues& t) { return t.AddOrganisation("Béta Kft."); },
         [](ChangedValues& t, Integer Key) { t.Attach(*ugyujszervezetform, Key); }, "fotevekenyseg", "'jog'",
         [] {
             ugyujszervezetform->Edit2->SetText("Béta");
             ugyujszervezetform->rogzito->Click();
             ugyadatlap->Close();
         },
         "roviditett_nev", "Béta"},
        // The base data of a case and of a deposit.
        {"case base data", "ugy", [](ChangedValues& t) { return t.AddCase("Hagyaték", "2009-03-05"); },
         [](ChangedValues&, Integer Key) { ugyalapadatmod->ShowCase(Key, 0, 0); }, "leiras", "'Új leírás'",
         [] {
             ugyalapadatmod->Edit1->SetText("Hagyaték Kovács");
             ugyalapadatmod->BitBtn1->Click();
         },
         "nev", "Hagyaték Kovács"},
        {"deposit base data", "letet",
         [](ChangedValues& t) {
             return t.AddDeposit(t.AddAccount("Letéti számla"), "Kiss", "2024-01-01", 100);
         },
         [](ChangedValues&, Integer Key) {
             letetalapadat->DepositId = Key;
             letetalapadat->Show();
         },
         "betet", "'2024-02-02'",
         [] {
             letetalapadat->Edit1->SetText("Kiss Anna");
             letetalapadat->BitBtn1->Click();
         },
         "letevo", "Kiss Anna"},
        // The document dialog's flags and the identification query's editor.
        {"document", "ugyitem",
         [](ChangedValues& t) {
             return t.AddHistoryEntry(t.AddCase("Hagyaték", "2009-03-05"), "2009-03-06", "/d/a.pdf", "Irat");
         },
         [](ChangedValues&, Integer Key) {
             dokulap->ItemId = Key;
             dokulap->Show();
         },
         "orzendo", "1",
         [] {
             dokulap->CheckBox2->SetChecked(true);
             dokulap->BitBtn1->Click();
         },
         "archivalando", "1"},
        {"identification editor", "jub",
         [](ChangedValues& t) {
             return t.AddIdentification(t.AddPerson("Kovács Éva"), t.AddCase("Hagyaték", "2009-03-05"),
                                        "2009-03-05", "K_1_2009/1");
         },
         [](ChangedValues&, Integer Key) {
             jubmod->JubId = Key;
             jubmod->Show();
         },
         "jubok", "'true'",
         [] {
             jubmod->Edit1->SetText("/valasz/k.pdf");
             jubmod->BitBtn1->Click();
             jubmod->Close();
         },
         "valaszfile", "/valasz/k.pdf"},
    };
    for (const SharedRow& row : rows) {
        SCOPED_TRACE(row.Dialog);
        const Integer key = row.Make(*this);
        const auto stored = [&](const char* Column) {
            return Value(String("SELECT ") + Column + " FROM " + row.Table + " WHERE sorszam=" + Key(key));
        };
        row.Open(*this, key);
        // The other workstation: a connection of its own on the same file.
        Exec(String("UPDATE ") + row.Table + " SET " + row.Other + "=" + row.OtherValue +
             " WHERE sorszam=" + Key(key));
        const auto other = stored(row.Other);
        row.Save();
        EXPECT_EQ(stored(row.Changed), String(row.ChangedValue));
        EXPECT_EQ(stored(row.Other), other);
    }
}

} // namespace
} // namespace apptest
