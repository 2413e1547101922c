// The deposits area and its dialogs as a user meets them: the list and the search with
// their footer totals, the settings tables, a new deposit, payouts on the sheet, the
// base data, and the lists exported and read back by an independent reader.
#include "app/common/SqlRoutines.h"
#include "app/deposits/DepositArea.h"
#include "app/deposits/DepositSaves.h"
#include "app/common/MainWindowShared.h"
#include "tests/app/MainWindowMenu.h"
#include "app/deposits/Tletet_adatlap.h"
#include "app/deposits/Tletetalapadat.h"
#include "app/deposits/Tujletet.h"
#include "app/deposits/TForm1DepositParts.h"
#include "export/TVgExportToXLS.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TCanvas.h"
#include "platform/data/TField.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TTimer.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PythonTools.h"
#include "tests/app/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace apptest {
namespace {

class DepositArea : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Account = AddAccount("Ügyvédi letét");
        Other = AddAccount("Másik számla");
        Project = AddProject("Építkezés");
    }
    ui::DialogAnswer AnswerDialog(const ui::DialogRequest& r) override {
        Requests.push_back(r);
        return ui::DialogAnswer{1, Folder() + "/" + SaveName};
    }
    app::MainWindowShared& Create() {
        CreateMainWindow();
        AddForm(letet_adatlap);
        AddForm(ujletet);
        AddForm(letetalapadat);
        app::MainWindow().OnShow(nullptr);
        return app::MainWindow();
    }
    static String Key(Integer id) { return std::to_string(id); }
    // The deposit sheet of Id, shown modeless as from the list.
    Tletet_adatlap& ShowSheet(Integer Id) {
        Create();
        letet_adatlap->DepositId = Id;
        letet_adatlap->Show();
        return *letet_adatlap;
    }
    // The window shown on the settings page, its accounts grid on Other's row at Column.
    TVgDBGrid* AccountsGridAt(app::MainWindowShared& f, Integer Column) {
        f.Show();
        app::OpenDepositSettings(f);
        TVgDBGrid* grid = f.Deposits().letetbeallitas_DBGrid1;
        EXPECT_TRUE(f.Deposits().letetbeallitas_Table1->Locate("nev", Variant(String("Másik számla")), {}));
        grid->SetSelectedIndex(Column);
        return grid;
    }
    static String Footer(TVgDBGrid* Grid) {
        return Grid->GetColumns()->GetColumn(4)->FooterValue().AsString();
    }
    static std::vector<String> Payers(TSqlite3Query* Query) {
        std::vector<String> payers;
        for (Query->First(); !Query->Eof(); Query->Next())
            payers.push_back(Query->FieldByName("letevo")->AsString());
        Query->First();
        return payers;
    }
    // Chooses the item Text in Combo as the user would.
    static void Choose(TComboBox* Combo, const String& Text) {
        Combo->SetItemIndex(Combo->Items()->IndexOf(Text));
    }

    Integer Account = 0;
    Integer Other = 0;
    Integer Project = 0;
    String SaveName = "letetek.xls";
    std::vector<ui::DialogRequest> Requests;
};

TEST_F(DepositArea, ListRebuildsOnEveryOptionWithTheGrandTotal) {
    AddDeposit(Account, "Zoltán", "2024-01-03", 1000000);
    const Integer closed = AddDeposit(Other, "Ádám", "2024-01-02", 2500);
    Exec("UPDATE letet SET status=0 WHERE sorszam=" + Key(closed));
    app::MainWindowShared& f = Create();
    MenuItem("Letetlista1").Click();
    EXPECT_EQ(f.letetlista->Parent()->Controls(f.letetlista->Parent()->ControlCount() - 1), f.letetlista);
    EXPECT_EQ(Payers(f.letetlista_Query1), std::vector<String>{"Zoltán"});
    // The footer totals every deposit, closed ones too.
    EXPECT_EQ(Footer(f.Deposits().letetlista_VgDBGrid1), "1 002 500 Ft");
    EXPECT_EQ(f.Deposits().letetlista_VgDBGrid1->GetColumns()->GetColumn(3)->FooterText(), "Összesen:");
    f.Deposits().letetlista_CheckBox1->SetChecked(false);
    EXPECT_EQ(Payers(f.letetlista_Query1), (std::vector<String>{"Ádám", "Zoltán"}));
    f.Deposits().letetlista_Rendezes[3]->SetChecked(true); // by account
    EXPECT_EQ(Payers(f.letetlista_Query1), (std::vector<String>{"Ádám", "Zoltán"}));
    f.Deposits().letetlista_Rendezes[0]->SetChecked(true); // by payer
    EXPECT_EQ(Payers(f.letetlista_Query1), (std::vector<String>{"Ádám", "Zoltán"}));
    // An empty list shows a zero total, not the last one.
    f.Deposits().letetlista_CheckBox1->SetChecked(true);
    Exec("UPDATE letet SET status=0");
    app::ReloadDepositList(f);
    EXPECT_TRUE(f.letetlista_Query1->IsEmpty());
    EXPECT_EQ(Footer(f.Deposits().letetlista_VgDBGrid1), "0 Ft");
}

TEST_F(DepositArea, SearchUsesTheFilterCombosAndKeepsResultsOnReset) {
    const Integer d = AddDeposit(Account, "O'Brien Kft.", "2024-02-01", 1000);
    Exec("UPDATE letet SET project=" + Key(Project) + " WHERE sorszam=" + Key(d));
    AddDeposit(Other, "Nagy Béla", "2024-02-02", 2000);
    app::MainWindowShared& f = Create();
    // Every account and project, by name, keys behind the items.
    EXPECT_EQ(f.Deposits().ComboBox5->Items()->Text(), "Másik számla\r\nÜgyvédi letét\r\n");
    EXPECT_EQ(f.Deposits().AccountIds, (std::vector<Integer>{Other, Account}));
    EXPECT_EQ(f.Deposits().ComboBox6->Items()->Text(), "Építkezés\r\n");
    EXPECT_EQ(f.Deposits().ComboBox5->ItemIndex(), -1);

    MenuItem("Letetkereses1").Click();
    app::RunDepositSearch(f);
    EXPECT_EQ(Payers(f.letetszuresQuery1), (std::vector<String>{"O'Brien Kft.", "Nagy Béla"}));
    EXPECT_EQ(Footer(f.Deposits().letetszuresVgDBGrid), "3 000 Ft");
    Choose(f.Deposits().ComboBox5, "Másik számla");
    app::RunDepositSearch(f);
    EXPECT_EQ(Payers(f.letetszuresQuery1), std::vector<String>{"Nagy Béla"});
    EXPECT_EQ(Footer(f.Deposits().letetszuresVgDBGrid), "2 000 Ft");
    app::ResetDepositSearch(f);
    Choose(f.Deposits().ComboBox6, "Építkezés");
    f.Deposits().letetkeres_Edit1->SetText("o'brien");
    app::RunDepositSearch(f);
    EXPECT_EQ(Payers(f.letetszuresQuery1), std::vector<String>{"O'Brien Kft."});
    EXPECT_EQ(Footer(f.Deposits().letetszuresVgDBGrid), "1 000 Ft");

    // "Alaphelyzet" empties the boxes and leaves the result as it was.
    app::ResetDepositSearch(f);
    EXPECT_EQ(f.Deposits().ComboBox6->ItemIndex(), -1);
    EXPECT_EQ(f.Deposits().letetkeres_Edit1->Text(), "");
    EXPECT_EQ(Payers(f.letetszuresQuery1), std::vector<String>{"O'Brien Kft."});

    f.Deposits().letetkeres_Edit2->SetText("nincs ilyen");
    app::RunDepositSearch(f);
    EXPECT_TRUE(f.letetszuresQuery1->IsEmpty());
    EXPECT_EQ(Footer(f.Deposits().letetszuresVgDBGrid), "0 Ft");
}

// A balance stored as text counts in both totals as the list shows it: a number in
// text as that number, any other text as 0; one such row must not stop the total.
TEST_F(DepositArea, TotalsCountTextBalancesAsTheListShowsThem) {
    AddDeposit(Account, "Egész", "2024-02-01", 1000);
    Exec("UPDATE letet SET egyenleg='sok pénz' WHERE sorszam=" +
         Key(AddDeposit(Account, "Szó", "2024-02-02", 7)));
    Exec("UPDATE letet SET egyenleg='250' WHERE sorszam=" + Key(AddDeposit(Other, "Szám", "2024-02-03", 9)));
    app::MainWindowShared& f = Create();
    app::ReloadDepositList(f);
    app::RunDepositSearch(f);
    for (TSqlite3Query* list : {f.letetlista_Query1, f.letetszuresQuery1}) {
        std::vector<String> shown;
        for (list->First(); !list->Eof(); list->Next())
            shown.push_back(list->FieldByName("letetosszeg")->DisplayText());
        EXPECT_EQ(shown, (std::vector<String>{"1 000 Ft", "0 Ft", "250 Ft"})) << list->Name();
    }
    EXPECT_EQ(Footer(f.Deposits().letetlista_VgDBGrid1), "1 250 Ft");
    EXPECT_EQ(Footer(f.Deposits().letetszuresVgDBGrid), "1 250 Ft");
}

TEST_F(DepositArea, SettingsTablesPostTheActiveFlagAsOneAndZero) {
    app::MainWindowShared& f = Create();
    MenuItem("Letetbeallitasok1").Click();
    ASSERT_TRUE(f.Deposits().letetbeallitas_Table1->Active());
    ASSERT_TRUE(f.Deposits().letetbeallitas_Table2->Active());
    ASSERT_TRUE(f.Deposits().letetbeallitas_Table1->Locate("nev", Variant(String("Másik számla")), {}));
    f.Deposits().letetbeallitas_Table1->Edit();
    f.Deposits().letetbeallitas_Table1->FieldByName("statusz")->SetAsBoolean(false);
    f.Deposits().letetbeallitas_Table1->FieldByName("szamlaszam")->SetAsString("11773016-1");
    f.Deposits().letetbeallitas_Table1->Post();
    EXPECT_EQ(Rows("SELECT statusz, szamlaszam FROM letetiszamla WHERE sorszam=" + Key(Other)),
              (std::vector<Row>{{String("0"), String("11773016-1")}}));
    f.Deposits().letetbeallitas_Table2->Edit();
    f.Deposits().letetbeallitas_Table2->FieldByName("statusz")->SetAsBoolean(false);
    f.Deposits().letetbeallitas_Table2->Post();
    f.Deposits().letetbeallitas_Table2->Edit();
    f.Deposits().letetbeallitas_Table2->FieldByName("statusz")->SetAsBoolean(true);
    f.Deposits().letetbeallitas_Table2->Post();
    EXPECT_EQ(Text("SELECT statusz FROM project"), "1");
}

// Text typed into a settings grid's cell is stored when Enter on the last column moves on to
// a new row, whether the editor was opened with F2 or by the first key typed.
TEST_F(DepositArea, TextTypedInTheSettingsGridIsStoredWhenEnterMovesOn) {
    app::MainWindowShared& f = Create();
    TSqlite3Table* accounts = f.Deposits().letetbeallitas_Table1;
    struct Case {
        Word OpeningKey;
        const char* OpeningText;
        const char* Stored;
    };
    for (const Case& c : {Case{VK_F2, "", "éj"},    // F2 opens the editor on the empty remark
                          Case{'A', "A", "Aéj"}}) { // the first key typed opens it with itself
        if (accounts->Active()) accounts->Cancel();
        Exec("UPDATE letetiszamla SET megjegyzes='' WHERE sorszam=" + Key(Other));
        if (accounts->Active()) accounts->Refresh();
        TVgDBGrid* grid = AccountsGridAt(f, 3); // megjegyzes, the last column
        ui::SimulateKey(grid, c.OpeningKey, {}, c.OpeningText);
        ASSERT_TRUE(grid->EditorMode()) << c.Stored;
        for (const char* ch : {"é", "j"})
            ui::SimulateKey(grid->InplaceEditor(), 'E', {}, ch);
        ui::SimulateKey(grid->InplaceEditor(), VK_RETURN);
        EXPECT_EQ(Text("SELECT megjegyzes FROM letetiszamla WHERE sorszam=" + Key(Other)), c.Stored);
    }
    f.Hide();
}

// A row added in a settings grid starts active, as the page's own "Rögzít" stores it.
TEST_F(DepositArea, ARowAddedInTheSettingsGridStartsActive) {
    app::MainWindowShared& f = Create();
    for (TSqlite3Table* table : {f.Deposits().letetbeallitas_Table1, f.Deposits().letetbeallitas_Table2}) {
        if (!table->Active()) table->Open();
        table->Append();
        table->FieldByName("nev")->SetAsString("Új sor");
        table->Post();
        EXPECT_EQ(Text("SELECT statusz FROM " + table->TableName() + " WHERE nev='Új sor'"), "1");
    }
    f.Hide();
}

// The cell's editor takes no more characters than its field holds, so what it shows is what
// is stored, never a text cut after the user saw it whole.
TEST_F(DepositArea, SettingsGridTakesNoMoreThanTheFieldHolds) {
    app::MainWindowShared& f = Create();
    TVgDBGrid* grid = AccountsGridAt(f, 2); // szamlaszam, 36 characters
    ui::SimulateKey(grid, VK_F2);
    for (int i = 0; i < 40; ++i)
        ui::SimulateKey(grid->InplaceEditor(), 'O', {}, i % 2 ? "ő" : "1");
    const String typed = grid->InplaceEditor()->Text();
    ui::SimulateKey(grid->InplaceEditor(), VK_RETURN);
    EXPECT_EQ(Length(typed), 36);
    EXPECT_EQ(Text("SELECT szamlaszam FROM letetiszamla WHERE sorszam=" + Key(Other)), typed);
    f.Hide();
}

// An edit still pending in a settings grid when the program closes is stored; one the
// database refuses keeps the window open with its message.
TEST_F(DepositArea, AnEditPendingInTheSettingsGridIsStoredWhenTheProgramCloses) {
    app::MainWindowShared& f = Create();
    TSqlite3Table* accounts = f.Deposits().letetbeallitas_Table1;
    TVgDBGrid* grid = AccountsGridAt(f, 2); // szamlaszam
    ui::SimulateKey(grid, '7', {}, "7");
    ui::SimulateKey(grid->InplaceEditor(), '7', {}, "7");
    EXPECT_TRUE(f.CloseQuery());
    EXPECT_EQ(Text("SELECT szamlaszam FROM letetiszamla WHERE sorszam=" + Key(Other)), "77");

    accounts->Edit();
    accounts->FieldByName("megjegyzes")->SetAsString("Ж számla");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { f.CloseQuery(); }),
              "A(z) „Ж” karakter nem tárolható az adatbázisban.");
    EXPECT_EQ(accounts->State(), dsEdit); // still there to be corrected
    accounts->Cancel();
    f.Hide();
}

TEST_F(DepositArea, AccountsAndProjectsNeedAName) {
    app::MainWindowShared& f = Create();
    app::OpenDepositSettings(f);
    f.Deposits().Edit25->SetText("1234");
    f.Deposits().letetbeallitas_Memo1->SetText("megjegyzés");
    app::AddDepositAccount(f);
    EXPECT_EQ(Number("SELECT count(*) FROM letetiszamla"), 2);
    EXPECT_EQ(f.Deposits().Edit25->Text(), "1234");
    f.Deposits().Edit24->SetText("Harmadik' számla");
    app::AddDepositAccount(f);
    EXPECT_EQ(Text("SELECT szamlaszam FROM letetiszamla WHERE nev='Harmadik'' számla'"), "1234");
    EXPECT_EQ(f.Deposits().letetbeallitas_Table1->RecordCount(), 3);
    EXPECT_EQ(f.Deposits().Edit24->Text() + f.Deposits().Edit25->Text() +
                  f.Deposits().letetbeallitas_Memo1->Text(),
              "");
    f.Deposits().Edit26->SetText("Új projekt");
    app::AddDepositProject(f);
    EXPECT_EQ(f.Deposits().letetbeallitas_Table2->RecordCount(), 2);
    EXPECT_EQ(f.Deposits().Edit26->Text(), "");
}

// Code page 1250 has no place for these: stored, they would read back as "?u?ez ?????".
TEST_F(DepositArea, TypedTextOutsideTheCodePageIsRefusedAndKept) {
    app::MainWindowShared& f = Create();
    app::OpenDepositSettings(f);
    f.Deposits().Edit24->SetText("Ñuñez Жанна");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { app::AddDepositAccount(f); }),
              "A(z) „Ñ”, „ñ”, „Ж”, „а”, „н” karakterek nem tárolhatók az adatbázisban.");
    EXPECT_EQ(f.Deposits().Edit24->Text(), "Ñuñez Жанна"); // still there to be corrected
    EXPECT_EQ(Number("SELECT count(*) FROM letetiszamla"), 2);

    // An edit in the settings grid.
    ASSERT_TRUE(f.Deposits().letetbeallitas_Table1->Locate("nev", Variant(String("Másik számla")), {}));
    f.Deposits().letetbeallitas_Table1->Edit();
    f.Deposits().letetbeallitas_Table1->FieldByName("megjegyzes")->SetAsString("Ж számla");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { f.Deposits().letetbeallitas_Table1->Post(); }),
              "A(z) „Ж” karakter nem tárolható az adatbázisban.");
    f.Deposits().letetbeallitas_Table1->Cancel();
    EXPECT_EQ(Text("SELECT megjegyzes FROM letetiszamla WHERE sorszam=" + Key(Other)), "");
}

// The lists join deposits to their account and project: deleting one would hide its deposits
// while the totals still count them.
TEST_F(DepositArea, AnAccountOrProjectInUseIsKept) {
    AddDeposit(Account, "Kis Éva", "2009-01-05", 1000);
    AddDeposit(Account, "Nagy Ödön", "2009-01-06", 2000);
    Exec("UPDATE letet SET project=" + Key(Project));
    app::MainWindowShared& f = Create();
    app::OpenDepositSettings(f);
    TSqlite3Table* accounts = f.Deposits().letetbeallitas_Table1;
    ASSERT_TRUE(accounts->Locate("nev", Variant(String("Ügyvédi letét")), {}));
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { accounts->Delete(); }),
              "A bejegyzés nem törölhető, mert 2 másik bejegyzés hivatkozik rá (2 letét).");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { f.Deposits().letetbeallitas_Table2->Delete(); }),
              "A bejegyzés nem törölhető, mert 2 másik bejegyzés hivatkozik rá (2 letét).");
    EXPECT_EQ(Number("SELECT count(*) FROM letetiszamla") + Number("SELECT count(*) FROM project"), 3);
    EXPECT_EQ(accounts->RecordCount(), 2);

    ASSERT_TRUE(accounts->Locate("nev", Variant(String("Másik számla")), {}));
    accounts->Delete(); // unused: deleted as before
    EXPECT_EQ(Rows("SELECT nev FROM letetiszamla"), (std::vector<Row>{{String("Ügyvédi letét")}}));
}

TEST_F(DepositArea, NewDepositStoresItsOpeningMovementAndRefreshesTheList) {
    Exec("UPDATE letetiszamla SET statusz=0 WHERE sorszam=" + Key(Other));
    app::MainWindowShared& f = Create();
    MenuItem("Letetlista1").Click();
    Tujletet& d = *ujletet;
    d.Show();
    // Only active accounts are offered.
    EXPECT_EQ(d.ComboBox1->Items()->Text(), "Ügyvédi letét\r\n");
    d.Edit1->SetText("Kovács O'Hara");
    d.Edit3->SetText("1000000");
    d.BitBtn1->Click(); // no account chosen: nothing happens
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(Number("SELECT count(*) FROM letet"), 0);
    Choose(d.ComboBox1, "Ügyvédi letét");
    d.DateTimePicker1->SetDate(EncodeDate(2024, 3, 1));
    d.Memo1->SetText("Adásvétel'");
    // Letters typed are refused; pasted letters are dropped by the box.
    String key = "a";
    d.Edit3->OnKeyPress(d.Edit3, key);
    EXPECT_EQ(key, "");
    d.BitBtn1->Click();
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(Rows("SELECT letevo, project, egyenleg, betet, megjegyzes FROM letet"),
              (std::vector<Row>{{String("Kovács O'Hara"), std::nullopt, String("1000000"),
                                 String("2024-03-01"), String("Adásvétel'")}}));
    EXPECT_EQ(Payers(f.letetlista_Query1), std::vector<String>{"Kovács O'Hara"});
    EXPECT_EQ(f.letetlista_Query1->FieldByName("pnev")->AsString(), "");
    EXPECT_EQ(Footer(f.Deposits().letetlista_VgDBGrid1), "1 000 000 Ft");
}

// The menu's "Új letét" puts the list page in front before the list was ever built: the new
// deposit then shows in it with the others, not an empty page.
TEST_F(DepositArea, NewDepositFromTheMenuShowsTheListWithIt) {
    AddDeposit(Account, "Régi Ödön", "2024-01-01", 2000);
    app::MainWindowShared& f = Create();
    TTimer timer(nullptr); // acts in the modal dialog once it is up
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject*) {
        if (!ujletet->Visible()) return;
        timer.SetEnabled(false);
        ujletet->Edit1->SetText("Új Éva");
        ujletet->Edit3->SetText("500");
        Choose(ujletet->ComboBox1, "Ügyvédi letét");
        ujletet->BitBtn1->Click();
    };
    timer.SetEnabled(true);
    MenuItem("Ujletet1").Click();
    ASSERT_TRUE(f.letetlista_Query1->Active());
    EXPECT_EQ(Payers(f.letetlista_Query1), (std::vector<String>{"Régi Ödön", "Új Éva"}));
    EXPECT_EQ(Footer(f.Deposits().letetlista_VgDBGrid1), "2 500 Ft");
}

TEST_F(DepositArea, NewDepositRefusesAnAmountOutOfRange) {
    Create();
    Tujletet& d = *ujletet;
    d.Show();
    d.Edit1->SetText("Kiss");
    Choose(d.ComboBox1, "Ügyvédi letét");
    d.Edit3->SetText("0");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { d.BitBtn1Click(nullptr); }),
              "Érvénytelen összeg: \"0\". Egész forintot adjon meg, 1 és 999 999 999 999 "
              "között.");
    EXPECT_EQ(Number("SELECT count(*) FROM letet"), 0);
    EXPECT_TRUE(d.Visible());
}

TEST_F(DepositArea, SheetRecordsPayoutsUntilTheDepositIsClosed) {
    const Integer id = AddDeposit(Account, "Kiss", "2024-01-01", 1000000);
    app::MainWindowShared& f = Create();
    MenuItem("Letetlista1").Click();
    Tletet_adatlap& s = *letet_adatlap;
    s.DepositId = id;
    s.Origin = 1;
    s.Show();
    EXPECT_EQ(s.DBText8->Caption(), "1 000 000 Ft");
    EXPECT_TRUE(s.Panel2->Enabled());
    EXPECT_EQ(s.Label11->Caption(), "1/1");

    // A partial payout without an amount writes nothing and clears the radios.
    s.RadioButton1->SetChecked(true);
    s.BitBtn1->Click();
    EXPECT_FALSE(s.RadioButton1->Checked());
    EXPECT_EQ(Number("SELECT count(*) FROM letetmozgas"), 1);

    s.RadioButton1->SetChecked(true);
    s.Edit1->SetText("250000");
    s.Memo2->SetText("Részlet'");
    s.DateTimePicker1->SetDate(EncodeDate(2024, 2, 1));
    s.BitBtn1->Click();
    EXPECT_EQ(s.DBText8->Caption(), "750 000 Ft");
    EXPECT_EQ(s.Query2->RecordCount(), 2);
    s.Query2->Last();
    EXPECT_EQ(s.Query2->FieldByName("osszeg")->DisplayText(), "-250 000 Ft");
    EXPECT_EQ(s.Query2->FieldByName("megjegyzes")->AsString(), "Részlet'");
    EXPECT_EQ(s.Edit1->Text(), "");

    // A payout larger than the balance leaves it negative; the full payout pays it back.
    s.RadioButton1->SetChecked(true);
    s.Edit1->SetText("800000");
    s.BitBtn1->Click();
    EXPECT_EQ(s.DBText8->Caption(), "-50 000 Ft");
    s.RadioButton2->SetChecked(true);
    s.DateTimePicker1->SetDate(EncodeDate(2024, 3, 5));
    s.BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT egyenleg, status, kifizetes FROM letet"),
              (std::vector<Row>{{String("0"), String("0"), String("2024-03-05")}}));
    EXPECT_EQ(Text("SELECT osszeg FROM letetmozgas ORDER BY sorszam DESC LIMIT 1"), "50000");
    EXPECT_EQ(s.Query1->FieldByName("statusz")->AsString(), "lezárt");
    EXPECT_FALSE(s.Panel2->Enabled());

    // Closing refreshes the list it came from: the deposit is no longer active.
    s.BitBtn2->Click();
    EXPECT_TRUE(f.letetlista_Query1->IsEmpty());
    EXPECT_EQ(Footer(f.Deposits().letetlista_VgDBGrid1), "0 Ft");
}

// A full payout pays out what the deposit holds when it is recorded, also when another program
// added a movement while the sheet stood open: the closed deposit holds nothing.
TEST_F(DepositArea, FullPayoutTakesTheBalanceAsStored) {
    const Integer id = AddDeposit(Account, "Kiss", "2024-01-01", 1000);
    Tletet_adatlap& s = ShowSheet(id);
    ASSERT_EQ(s.DBText8->Caption(), "1 000 Ft");
    Exec("INSERT INTO letetmozgas (letet, datum, osszeg, megjegyzes) VALUES (" + Key(id) +
         ", '2024-02-01', 500, 'máshonnan')");
    s.RadioButton2->SetChecked(true);
    s.BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT egyenleg, status FROM letet"), (std::vector<Row>{{String("0"), String("0")}}));
    EXPECT_EQ(Text("SELECT osszeg FROM letetmozgas ORDER BY sorszam DESC LIMIT 1"), "-1500");
    EXPECT_EQ(s.DBText8->Caption(), "0 Ft");
    s.Close();
}

// Another workstation paid the deposit out and closed it while its sheet stood open: the
// payment is refused, and the sheet shows the deposit as it is stored now, keeping what was typed.
TEST_F(DepositArea, SheetShowsADepositClosedMeanwhile) {
    const Integer id = AddDeposit(Account, "Kiss", "2024-01-01", 898000);
    Tletet_adatlap& s = ShowSheet(id);
    AddMovement(id, "2024-02-01", -898000);
    Exec("UPDATE letet SET status=0, kifizetes='2024-02-01' WHERE sorszam=" + Key(id));
    s.RadioButton3->SetChecked(true);
    s.Edit1->SetText("50000");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { s.BitBtn1Click(nullptr); }), app::DepositClosedMessage);
    EXPECT_EQ(s.Query1->FieldByName("statusz")->AsString() + " " + s.DBText8->Caption() + " " +
                  s.Label11->Caption(),
              "lezárt 0 Ft 1/2");
    EXPECT_FALSE(s.Panel2->Enabled());
    EXPECT_EQ(s.Edit1->Text(), "50000");
    s.Close();
}

// The header's balance shows whole, sign and all, beside its caption and the payer's name.
TEST_F(DepositArea, SheetHeaderShowsTheWholeBalance) {
    const std::vector<Int64> amounts{500, -98999993000, 2000000005000};
    std::vector<Integer> ids;
    for (const Int64 amount : amounts)
        ids.push_back(AddDeposit(Account, "Kovácsné Szőke-Ábrahám Zsuzsanna", "2024-01-01", amount));
    Create();
    Tletet_adatlap& s = *letet_adatlap;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        s.DepositId = ids[i];
        s.Show();
        const String shown = FormatForint(amounts[i]);
        ASSERT_EQ(s.DBText8->Caption(), shown);
        EXPECT_LE(s.DBText8->Canvas()->TextWidth(shown), s.DBText8->Width()) << shown;
        EXPECT_LE(s.Label9->Left() + s.Label9->Canvas()->TextWidth(s.Label9->Caption()), s.DBText8->Left())
            << shown;
        EXPECT_LE(s.DBText1->Left() + s.DBText1->Width(), s.Label9->Left()) << shown;
        EXPECT_GE(s.DBText1->Width(), 200) << shown; // room for the payer's name
        EXPECT_LE(s.DBText8->Left() + s.DBText8->Width(), s.ClientWidth()) << shown;
        s.Close();
    }
}

TEST_F(DepositArea, BaseDataKeepsAnInactiveAccountAndProject) {
    const Integer id = AddDeposit(Account, "Kiss", "2024-01-01", 5000);
    Exec("UPDATE letet SET project=" + Key(Project) + " WHERE sorszam=" + Key(id));
    Exec("UPDATE letetiszamla SET statusz=0 WHERE sorszam=" + Key(Account));
    Exec("UPDATE project SET statusz=0");
    app::MainWindowShared& f = Create();
    app::RunDepositSearch(f);
    Tletetalapadat& b = *letetalapadat;
    b.DepositId = id;
    b.Origin = Tletetalapadat::FromSearch;
    b.Show();
    EXPECT_EQ(b.Edit1->Text(), "Kiss");
    EXPECT_EQ(b.ComboBox1->Text(), "Ügyvédi letét");
    EXPECT_EQ(b.ComboBox1->ItemIndex(), -1);
    EXPECT_EQ(b.DateTimePicker1->Date(), EncodeDate(2024, 1, 1));
    b.Edit2->SetText("Jogosult D'Arc");
    b.BitBtn1->Click();
    EXPECT_FALSE(b.Visible());
    EXPECT_EQ(Rows("SELECT kedvezmenyezett, letetiszamla, project FROM letet"),
              (std::vector<Row>{{String("Jogosult D'Arc"), Key(Account), Key(Project)}}));
    EXPECT_EQ(f.letetszuresQuery1->FieldByName("kedvezmenyezett")->AsString(), "Jogosult D'Arc");

    b.Show();
    Choose(b.ComboBox1, "Másik számla");
    b.BitBtn1->Click();
    EXPECT_EQ(Number("SELECT letetiszamla FROM letet"), Other);
}

// A deposit date the program cannot read and a remark longer than its field: the lists show
// the date as stored, the base data opens with it unchecked and the remark read-only, and
// saving another box keeps both as stored.
TEST_F(DepositArea, ForeignDateAndLongRemarkAreKept) {
    const Integer id = AddDeposit(Account, "Kiss Ödön", "2024-01-01", 5000);
    // A remark longer than its 1,000-character field, as another tool may have written it.
    const String remark = String(1200, 'x') + "Ő'";
    Exec("UPDATE letet SET betet='tavaly', kifizetes='', megjegyzes='" + SqlQuote(remark) +
         "' WHERE sorszam=" + Key(id));
    app::MainWindowShared& f = Create();
    MenuItem("Letetlista1").Click();
    EXPECT_EQ(f.letetlista_Query1->FieldByName("betet")->AsString(), "tavaly");
    EXPECT_EQ(f.letetlista_Query1->FieldByName("kifizetes")->AsString(), "");
    Tletetalapadat& b = *letetalapadat;
    b.DepositId = id;
    b.Origin = Tletetalapadat::FromList;
    b.Show();
    EXPECT_FALSE(b.DateTimePicker1->Checked());
    EXPECT_EQ(b.Betet.Note()->Caption(), "„tavaly”: nem dátum");
    b.Edit1->SetText("Kiss Ödön 'ifj.'");
    b.BitBtn1->Click();
    EXPECT_TRUE(b.Memo1->ReadOnly());
    EXPECT_EQ(Rows("SELECT letevo, betet, kifizetes, megjegyzes FROM letet"),
              (std::vector<Row>{{String("Kiss Ödön 'ifj.'"), String("tavaly"), String(""), remark}}));

    // A date the user picks replaces it.
    b.Show();
    b.DateTimePicker1->SetDate(EncodeDate(2023, 5, 6));
    b.DateTimePicker1->SetChecked(true);
    b.BitBtn1->Click();
    EXPECT_EQ(Text("SELECT betet FROM letet"), "2023-05-06");
}

// "Rögzít" of the base data after the space key, which toggles a shown check box, was pressed
// in the date's picker as often as given: a date is never cleared; no date stays as stored
// until the user ticks the box for one. One dialog serves every row, as in the program.
TEST_F(DepositArea, BaseDataNeverClearsADepositDate) {
    const std::tuple<String, int, String> cases[] = {
        {"''", 2, "''"},                                // ticked and unticked again: as stored
        {"'2015-01-01'", 1, "'2015-01-01'"},            // after a showing with the box: none to clear it
        {"NULL", 1, "'" + DateToSqlText(Date()) + "'"}, // ticked: the picker's date
    };
    Create();
    Tletetalapadat& b = *letetalapadat;
    b.DepositId = AddDeposit(Account, "Kiss Ödön", "2024-01-01", 5000);
    for (const auto& [stored, spaces, saved] : cases) {
        Exec("UPDATE letet SET betet=" + stored);
        b.Show();
        for (int i = 0; i < spaces; ++i)
            ui::SimulateKey(b.DateTimePicker1, VK_SPACE, {}, " ");
        b.BitBtn1->Click();
        EXPECT_EQ(Text("SELECT quote(betet) FROM letet"), saved) << stored;
    }
}

// The sheet stays open beside the list: a double click on another deposit shows that one, so
// a payment recorded on the sheet lands on the deposit it shows; the popup's "Adatlap" then
// brings up the open sheet instead of failing.
TEST_F(DepositArea, OpenSheetFollowsTheDepositChosenInTheList) {
    const Integer first = AddDeposit(Account, "Első Ödön", "2024-01-01", 1000);
    const Integer second = AddDeposit(Account, "Második Éva", "2024-01-02", 2000);
    app::MainWindowShared& f = Create();
    MenuItem("Letetlista1").Click();
    TSqlite3Query* list = f.letetlista_Query1;
    Tletet_adatlap& s = *letet_adatlap;
    ASSERT_TRUE(list->Locate("sorszam", Variant(first), {}));
    f.Deposits().letetlista_VgDBGrid1->OnDblClick(nullptr);
    s.Edit1->SetText("5"); // typed for the first deposit, then the user turns to the second
    ASSERT_TRUE(list->Locate("sorszam", Variant(second), {}));
    f.Deposits().letetlista_VgDBGrid1->OnDblClick(nullptr);
    EXPECT_EQ(s.DBText1->Caption(), "Második Éva");
    EXPECT_EQ(s.Edit1->Text(), "");
    s.RadioButton3->SetChecked(true);
    s.Edit1->SetText("300");
    s.BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT letet, osszeg FROM letetmozgas WHERE osszeg=300"),
              (std::vector<Row>{{Key(second), String("300")}}));
    EXPECT_EQ(s.DBText8->Caption(), "2 300 Ft");

    ASSERT_TRUE(list->Locate("sorszam", Variant(first), {}));
    app::ShowDepositSheet(f, list, 1, true);
    EXPECT_EQ(s.DBText1->Caption(), "Első Ödön");
    s.Close();
}

// However the sheet is closed, the list it came from shows the balance recorded on it.
TEST_F(DepositArea, ClosingTheSheetByItsCloseBoxRefreshesTheList) {
    const Integer id = AddDeposit(Account, "Kiss Ödön", "2024-01-01", 1000);
    app::MainWindowShared& f = Create();
    f.Show();
    MenuItem("Letetlista1").Click();
    f.Deposits().letetlista_VgDBGrid1->OnDblClick(nullptr);
    Tletet_adatlap& s = *letet_adatlap;
    ASSERT_TRUE(s.Visible());
    s.RadioButton3->SetChecked(true);
    s.Edit1->SetText("500");
    s.BitBtn1->Click();
    ui::SimulateCloseBox(&s);
    EXPECT_FALSE(s.Visible());
    ASSERT_TRUE(f.letetlista_Query1->Locate("sorszam", Variant(id), {}));
    EXPECT_EQ(f.letetlista_Query1->FieldByName("letetosszeg")->AsLargeInt(), 1500);
    EXPECT_EQ(Footer(f.Deposits().letetlista_VgDBGrid1), "1 500 Ft");
}

TEST_F(DepositArea, GridActionsNeedARow) {
    app::MainWindowShared& f = Create();
    MenuItem("Letetlista1").Click();
    app::ShowDepositSheet(f, f.letetlista_Query1, 1, false);
    app::ShowDepositBaseData(f, f.letetszuresQuery1, 2);
    EXPECT_FALSE(letet_adatlap->Visible());
    EXPECT_FALSE(letetalapadat->Visible());
    f.Deposits().letetlista_VgDBGrid1->OnDblClick(nullptr);
    EXPECT_FALSE(letet_adatlap->Visible());
}

// The exported lists as an independent reader sees them: per row its number, the cell
// type and value of each cell with a value, then how many blank cells it holds, if any.
std::string ReadBack(const std::string& Folder, const std::string& File) {
    const std::string script = Folder + "/read.py";
    WriteFileBytes(script, R"(import sys, xlrd
sheet = xlrd.open_workbook(sys.argv[1], formatting_info=True).sheet_by_index(0)
for r in range(sheet.nrows):
    cells = [(c.ctype, c.value) for c in sheet.row(r) if c.ctype not in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK)]
    blanks = sum(1 for c in sheet.row(r) if c.ctype == xlrd.XL_CELL_BLANK)
    print(r, cells, *(['blank', blanks] if blanks else []))
)");
    return CommandOutput(SystemPython() + " '" + script + "' '" + Folder + "/" + File + "'");
}

// The list page before its list was ever built (the menu's new deposit closed unsaved):
// the export writes the active deposits with movements and the footer totals all; the
// next refresh builds the list from the page's options.
TEST_F(DepositArea, AListNeverBuiltIsExportedAsItStarts) {
    SKIP_WITHOUT_TOOL(PythonModuleMissing("xlrd"));
    AddDeposit(Account, "Kovács Ödön", "2024-02-01", 1250);
    Exec("UPDATE letet SET status=0 WHERE sorszam=" + Key(AddDeposit(Other, "Lezárt Lili", "2024-01-01", 5)));
    Exec("DELETE FROM letetmozgas WHERE letet=" + Key(AddDeposit(Account, "Mozgás Nélkül", "2024-03-01", 0)));
    app::MainWindowShared& f = Create();
    app::ExportDepositList(f);
    ASSERT_EQ(Requests.size(), 1u);
    ASSERT_EQ(f.Deposits().letetlista_ToXLS1->GetExportResult(), erCompleted);
    const std::string list = ReadBack(Folder(), "letetek.xls");
    EXPECT_NE(list.find("\n3 [(1, 'Kovács Ödön'), (1, '2024.02.01.')"), std::string::npos) << list;
    EXPECT_EQ(list.find("Lezárt"), std::string::npos) << list;
    EXPECT_EQ(list.find("Mozgás"), std::string::npos) << list;
    EXPECT_EQ(Footer(f.Deposits().letetlista_VgDBGrid1), "1 255 Ft");
    app::ReopenDepositList(f);
    EXPECT_EQ(Payers(f.letetlista_Query1), (std::vector<String>{"Kovács Ödön", "Mozgás Nélkül"}));
}

TEST_F(DepositArea, ListsAreExportedAndReadBack) {
    SKIP_WITHOUT_TOOL(PythonModuleMissing("xlrd"));
    const Integer d = AddDeposit(Account, "Kovács Ödön", "2024-02-01", 1250000);
    Exec("UPDATE letet SET project=" + Key(Project) + " WHERE sorszam=" + Key(d));
    const Integer zero = AddDeposit(Other, "Szűcs Ágnes", "2024-03-01", 100);
    AddMovement(zero, "2024-03-02", -100);
    app::MainWindowShared& f = Create();
    MenuItem("Letetlista1").Click();
    app::ExportDepositList(f);
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_EQ(Requests[0].Filter, "Excel fájl (*.xls)|*.xls");
    ASSERT_EQ(f.Deposits().letetlista_ToXLS1->GetExportResult(), erCompleted);
    const std::string list = ReadBack(Folder(), "letetek.xls");
    // A band row of seven blank cells, the titles once, the blank row, then the deposits.
    EXPECT_EQ(list.rfind("0 [] blank 7\n1 [(1, 'Letevő'), (1, 'Jogosult')", 0), 0u) << list;
    EXPECT_EQ(list.find("'Letevő'"), list.rfind("'Letevő'")) << list;
    EXPECT_NE(list.find("\n2 []"), std::string::npos) << list;
    EXPECT_NE(list.find("\n3 [(1, 'Kovács Ödön')"), std::string::npos) << list;
    EXPECT_NE(list.find("'Kovács Ödön'"), std::string::npos) << list;
    EXPECT_NE(list.find("(2, 1250000.0)"), std::string::npos) << list;
    EXPECT_NE(list.find("'Egyenleg'"), std::string::npos) << list;
    EXPECT_NE(list.find("'Építkezés'"), std::string::npos) << list;
    // The list's dates are the database's date texts; a zero balance stays blank there.
    EXPECT_NE(list.find("(1, '2024.02.01.')"), std::string::npos) << list;
    EXPECT_NE(list.find("[(1, 'Szűcs Ágnes'), (1, '2024.03.01.'), (1, 'Másik számla')]"), std::string::npos)
        << list;

    SaveName = "kereses.xls";
    app::RunDepositSearch(f);
    app::ExportDepositSearch(f);
    ASSERT_EQ(f.Deposits().letetkeresToXLS->GetExportResult(), erCompleted);
    const std::string search = ReadBack(Folder(), "kereses.xls");
    // The search has no bands: its titles come first.
    EXPECT_EQ(search.rfind("0 [(1, 'Letevő')", 0), 0u) << search;
    EXPECT_NE(search.find("'Szűcs Ágnes'"), std::string::npos) << search;
    EXPECT_NE(search.find("(2, 0.0)"), std::string::npos) << search;
    EXPECT_NE(search.find("(2, 1250000.0)"), std::string::npos) << search;
}

} // namespace
} // namespace apptest
