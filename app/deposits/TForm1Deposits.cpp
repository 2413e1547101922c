// The deposits area: the deposit list with its sort options, the search with its
// filter strip, and the settings page where accounts and projects are added.
#include "app/common/AreaLayout.h"
#include "app/common/ComboFill.h"
#include "app/deposits/DepositCombos.h"
#include "app/deposits/DepositStatements.h"
#include "app/common/FieldValues.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "app/main/TForm1.h"
#include "app/deposits/TForm1DepositParts.h"

#include "controls/TgxExtSpeedButton.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TSplitter.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"

using app::MakeLabel;
using app::MakeToolButton;

namespace {

constexpr const char* SortCaptions[5] = {"Letevő", "Jogosult", "Dátum", "Számla", "Projekt"};
constexpr Integer SortLefts[5] = {0, 64, 134, 194, 258};

// The five sort radios in a borderless group of their own, "Dátum" checked.
void MakeSortRadios(TForm1* Form, TWinControl* Parent, const String& Prefix, Integer Left, Integer Top,
                    TRadioButton* (&Radios)[5]) {
    TPanel* group = app::MakePanel(Form, Parent, Prefix + "Rendezes", alNone);
    group->SetParentColor(true);
    group->SetBounds(Left, Top, 330, 20);
    for (int i = 0; i < 5; ++i) {
        Radios[i] = app::MakeRadioButton(Form, group, Prefix + "RadioButton" + IntToStr(i + 1),
                                         SortCaptions[i], SortLefts[i], 2, 66);
        Radios[i]->SetChecked(i == 2);
    }
}

app::DepositSort CheckedSort(TRadioButton* const (&Radios)[5]) {
    for (int i = 0; i < 5; ++i)
        if (Radios[i]->Checked()) return static_cast<app::DepositSort>(i);
    return app::DepositSort::Date;
}

TPanel* MakeStrip(TForm1* Form, TPanel* Page, const String& Name, Integer Height) {
    TPanel* strip = app::MakePanel(Form, Page, Name, alTop);
    strip->SetHeight(Height);
    strip->SetTop(app::PageTitleHeight);
    return strip;
}

// The footer of a deposit grid's "Összeg" column: the total when the result has rows,
// "0 Ft" when it is empty (never a total left over from an earlier result).
void SetAmountFooter(TVgDBGrid* Grid, TSqlite3Query* Result, TSqlite3Query* Total) {
    Int64 amount = 0;
    if (!Result->IsEmpty()) {
        app::Reopen(*Total);
        amount = Total->FieldByName("osszeg")->AsLargeInt();
    }
    Grid->GetColumns()->GetColumn(4)->SetFooterValue(FormatForint(amount));
}

// Opens a deposit list on Sql (reopens it on its statement when Sql is empty), its
// balances shown in forints before the grid reads them.
void OpenDeposits(TSqlite3Query& Query, const String& Sql = String()) {
    Query.DisableControls();
    const core::ScopeExit showAgain([&Query] { Query.EnableControls(); });
    if (Sql.empty())
        app::Reopen(Query);
    else
        app::OpenStatement(Query, Sql);
    app::ShowAsForint(Query.FieldByName("letetosszeg"));
}

} // namespace

void TForm1::CreateDepositsArea() {
    FDeposits.Make();
    TForm1DepositParts& p = Deposits();
    letetlista_Query1 = app::MakeStatementQuery(this, "letetlista_Query1", Sqlite3DB1);
    letetlista_Query2 = app::MakeStatementQuery(this, "letetlista_Query2", Sqlite3DB1);
    letetlista_Query2->SQL()->Add(app::DepositGrandTotalSql());
    letetszuresQuery1 = app::MakeStatementQuery(this, "letetszuresQuery1", Sqlite3DB1);
    letetszuresQuery2 = app::MakeStatementQuery(this, "letetszuresQuery2", Sqlite3DB1);
    p.letetbeallitas_Query1 = app::MakeStatementQuery(this, "letetbeallitas_Query1", Sqlite3DB1);

    auto* nav = static_cast<TPanel*>(FindComponent("letetnav"));
    const auto navButton = [&](const char* name, const String& caption, auto handler) {
        TgxExtSpeedButton* b = app::AddNavButton(this, nav, name, caption);
        b->OnClick = [this, handler](TObject*) { (this->*handler)(); };
        return b;
    };
    navButton("gxExtSpeedButton11", "Letét lista", &TForm1::ReloadDepositListPage);
    navButton("gxExtSpeedButton12", "Keresés", &TForm1::ShowDepositSearchPage);
    navButton("gxExtSpeedButton13", "Beállítások", &TForm1::OpenDepositSettings);
    navButton("gxExtSpeedButton14", "Új letét", &TForm1::ShowNewDeposit);

    CreateDepositListPages();
    CreateDepositSettingsPage();
    CreateDepositGrids();
    CreateDepositExports();

    // Handlers go on last: setting the start values must not run any statement.
    p.letetlista_CheckBox1->OnClick = [this](TObject*) { ReloadDepositList(); };
    for (TRadioButton* radio : p.letetlista_Rendezes)
        radio->OnClick = [this](TObject*) { ReloadDepositList(); };
}

void TForm1::CreateDepositListPages() {
    TForm1DepositParts& p = Deposits();
    TPanel* list = MakeStrip(this, letetlista, "letetlistaszuro", 30);
    p.letetlista_CheckBox1 =
        app::MakeCheckBox(this, list, "letetlista_CheckBox1", "Csak aktív:", 12, 7, 84, true);
    MakeLabel(this, list, "letetlistaLabel1", "Rendezés:", 108, 8);
    MakeSortRadios(this, list, "letetlista_", 168, 5, p.letetlista_Rendezes);

    TPanel* search = MakeStrip(this, letetkereses, "letetkeresszuro", 90);
    MakeLabel(this, search, "letetkeresLabel1", "Letéti számla:", 12, 11);
    p.ComboBox5 = new TComboBox(this);
    p.ComboBox5->SetName("ComboBox5");
    p.ComboBox5->SetParent(search);
    p.ComboBox5->SetBounds(92, 8, 180, 21);
    p.ComboBox5->SetStyle(csDropDownList);
    MakeLabel(this, search, "letetkeresLabel2", "Projekt:", 290, 11);
    p.ComboBox6 = new TComboBox(this);
    p.ComboBox6->SetName("ComboBox6");
    p.ComboBox6->SetParent(search);
    p.ComboBox6->SetBounds(340, 8, 180, 21);
    p.ComboBox6->SetStyle(csDropDownList);
    MakeLabel(this, search, "letetkeresLabel3", "Letevő:", 12, 39);
    p.letetkeres_Edit1 = app::MakeEdit(this, search, "letetkeres_Edit1", 92, 36, 180);
    MakeLabel(this, search, "letetkeresLabel4", "Jogosult:", 290, 39);
    p.letetkeres_Edit2 = app::MakeEdit(this, search, "letetkeres_Edit2", 340, 36, 180);
    p.letetkeres_CheckBox1 =
        app::MakeCheckBox(this, search, "letetkeres_CheckBox1", "Csak aktív:", 12, 66, 84, true);
    MakeLabel(this, search, "letetkeresLabel5", "Rendezés:", 108, 67);
    MakeSortRadios(this, search, "letetkeres_", 168, 64, p.letetkeres_Rendezes);
    TgxExtSpeedButton* run =
        MakeToolButton(this, search, "gxExtSpeedButton15", "Lekérdezés", 530, 6, 84, "Keresés indítása");
    run->OnClick = [this](TObject*) { RunDepositSearch(); };
    TgxExtSpeedButton* reset = MakeToolButton(this, search, "gxExtSpeedButton16", "Alaphelyzet", 530, 34, 84);
    reset->OnClick = [this](TObject*) { ResetDepositSearch(); };
}

void TForm1::CreateDepositSettingsPage() {
    TForm1DepositParts& p = Deposits();
    // Accounts above, projects below, the splitter halfway down the page.
    TPanel* accounts = app::MakePanel(this, letetbeallitas, "letetbeallitasPanel1", alTop);
    accounts->SetTop(app::PageTitleHeight);
    accounts->SetHeight(260);
    auto* splitter = new TSplitter(this);
    splitter->SetName("letetbeallitasSplitter1");
    splitter->SetParent(letetbeallitas);
    splitter->SetAlign(alTop);
    splitter->SetTop(accounts->Top() + accounts->Height());
    TPanel* projects = app::MakePanel(this, letetbeallitas, "letetbeallitasPanel2", alClient);

    TPanel* a = app::MakeTitleStrip(this, accounts, "letetbeallitasSzamlak", "Letéti számlák:", 74, 12);
    MakeLabel(this, a, "letetbeallitasLabel1", "Név:", 128, 8);
    p.Edit24 = app::MakeEdit(this, a, "Edit24", 160, 5, 150);
    MakeLabel(this, a, "letetbeallitasLabel2", "Számlaszám:", 320, 8);
    p.Edit25 = app::MakeEdit(this, a, "Edit25", 390, 5, 130);
    MakeLabel(this, a, "letetbeallitasLabel3", "Megj:", 128, 34);
    p.letetbeallitas_Memo1 = app::MakeMemo(this, a, "letetbeallitas_Memo1", 160, 31, 360, 36);
    TgxExtSpeedButton* addAccount =
        MakeToolButton(this, a, "gxExtSpeedButton17", "Rögzít", 530, 5, 70, "Új letéti számla");
    addAccount->OnClick = [this](TObject*) { AddDepositAccount(); };

    TPanel* proj = app::MakeTitleStrip(this, projects, "letetbeallitasProjektek", "Projektek:", 74, 12);
    MakeLabel(this, proj, "letetbeallitasLabel4", "Név:", 128, 8);
    p.Edit26 = app::MakeEdit(this, proj, "Edit26", 160, 5, 150);
    MakeLabel(this, proj, "letetbeallitasLabel5", "Megj:", 128, 34);
    p.letetbeallitas_Memo2 = app::MakeMemo(this, proj, "letetbeallitas_Memo2", 160, 31, 360, 36);
    TgxExtSpeedButton* addProject =
        MakeToolButton(this, proj, "gxExtSpeedButton18", "Rögzít", 530, 5, 70, "Új projekt");
    addProject->OnClick = [this](TObject*) { AddDepositProject(); };

    letetbeallitas->OnResize = [this, accounts](TObject*) {
        accounts->SetHeight((letetbeallitas->Height() - 40) / 2);
    };
}

void TForm1::ReloadDepositList() {
    TForm1DepositParts& p = Deposits();
    OpenDeposits(*letetlista_Query1,
                 app::DepositListSql(p.letetlista_CheckBox1->Checked(), CheckedSort(p.letetlista_Rendezes)));
    SetAmountFooter(p.letetlista_VgDBGrid1, letetlista_Query1, letetlista_Query2);
}

void TForm1::ReloadDepositListPage() {
    BringAreaToFront(letetcontainer, letetlista);
    ReloadDepositList();
}

void TForm1::ShowDepositSearchPage() {
    BringAreaToFront(letetcontainer, letetkereses);
}

void TForm1::ReopenDepositList() {
    // Reruns whatever the list holds; a list never built stays closed.
    if (letetlista_Query1->SQL()->Count() == 0) return;
    OpenDeposits(*letetlista_Query1);
    SetAmountFooter(Deposits().letetlista_VgDBGrid1, letetlista_Query1, letetlista_Query2);
}

void TForm1::RunDepositSearch() {
    TForm1DepositParts& p = Deposits();
    app::DepositSearch s;
    s.AccountId = app::ChosenKey(p.ComboBox5, FDepositAccountIds);
    s.ProjectId = app::ChosenKey(p.ComboBox6, FDepositProjectIds);
    s.Payer = p.letetkeres_Edit1->Text();
    s.Beneficiary = p.letetkeres_Edit2->Text();
    s.ActiveOnly = p.letetkeres_CheckBox1->Checked();
    s.Sort = CheckedSort(p.letetkeres_Rendezes);
    letetszuresQuery2->Close();
    letetszuresQuery2->SQL()->Clear();
    letetszuresQuery2->SQL()->Add(app::DepositSearchTotalSql(s));
    OpenDeposits(*letetszuresQuery1, app::DepositSearchSql(s));
    SetAmountFooter(p.letetszuresVgDBGrid, letetszuresQuery1, letetszuresQuery2);
}

void TForm1::ReopenDepositSearch() {
    if (letetszuresQuery1->SQL()->Count() == 0) return;
    OpenDeposits(*letetszuresQuery1);
    SetAmountFooter(Deposits().letetszuresVgDBGrid, letetszuresQuery1, letetszuresQuery2);
}

void TForm1::ResetDepositSearch() {
    TForm1DepositParts& p = Deposits();
    p.ComboBox5->SetItemIndex(-1);
    p.ComboBox6->SetItemIndex(-1);
    p.letetkeres_Edit1->SetText("");
    p.letetkeres_Edit2->SetText("");
}

void TForm1::OpenDepositSettings() {
    TForm1DepositParts& p = Deposits();
    BringAreaToFront(letetcontainer, letetbeallitas);
    app::Reopen(*p.letetbeallitas_Table1);
    app::Reopen(*p.letetbeallitas_Table2);
}

void TForm1::AddDepositAccount() {
    TForm1DepositParts& p = Deposits();
    if (p.Edit24->Text().empty()) return;
    app::ExecStatement(*p.letetbeallitas_Query1, app::AccountInsertSql(p.Edit24->Text(), p.Edit25->Text(),
                                                                       p.letetbeallitas_Memo1->Text()));
    app::Reopen(*p.letetbeallitas_Table1);
    p.Edit24->SetText("");
    p.Edit25->SetText("");
    p.letetbeallitas_Memo1->Clear();
}

void TForm1::AddDepositProject() {
    TForm1DepositParts& p = Deposits();
    if (p.Edit26->Text().empty()) return;
    app::ExecStatement(*p.letetbeallitas_Query1,
                       app::ProjectInsertSql(p.Edit26->Text(), p.letetbeallitas_Memo2->Text()));
    app::Reopen(*p.letetbeallitas_Table2);
    p.Edit26->SetText("");
    p.letetbeallitas_Memo2->Clear();
}

void TForm1::ClearDepositSettingsNotes() {
    Deposits().letetbeallitas_Memo1->Clear();
    Deposits().letetbeallitas_Memo2->Clear();
}

void TForm1::FillDepositFilterCombos() {
    TForm1DepositParts& p = Deposits();
    app::ShareKeyedNames(*Query100, "SELECT sorszam, nev FROM letetiszamla ORDER BY nev COLLATE systemnocase",
                         FDepositAccountIds, {p.ComboBox5});
    app::ShareKeyedNames(*Query100, "SELECT sorszam, nev FROM project ORDER BY nev COLLATE systemnocase",
                         FDepositProjectIds, {p.ComboBox6});
}
