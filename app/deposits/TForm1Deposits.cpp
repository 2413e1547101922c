// The deposits area: the deposit list with its sort options, the search with its
// filter strip, and the settings page where accounts and projects are added.
#include "app/common/AreaLayout.h"
#include "app/common/CloseAsStored.h"
#include "app/common/ComboFill.h"
#include "app/deposits/DepositCombos.h"
#include "app/deposits/DepositStatements.h"
#include "app/common/FieldValues.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "app/deposits/DepositArea.h"
#include "app/common/MainWindowShared.h"
#include "app/deposits/TForm1DepositParts.h"

#include "controls/buttons/TgxExtSpeedButton.h"
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
void MakeSortRadios(app::MainWindowShared* Form, TWinControl* Parent, const String& Prefix, Integer Left,
                    Integer Top, TRadioButton* (&Radios)[5]) {
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

TPanel* MakeStrip(app::MainWindowShared* Form, TPanel* Page, const String& Name, Integer Height) {
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

// However a deposit list is read (rebuilt, read again, or opened by a print or export of
// a list never built), its balances show in forints and its footer holds its total.
void ShowTotalOnOpen(TSqlite3Query* Query, TVgDBGrid* Grid, TSqlite3Query* Total) {
    Query->AfterOpen = [Query, Grid, Total](TDataSet*) {
        app::ShowAsForint(Query->FieldByName("letetosszeg"));
        SetAmountFooter(Grid, Query, Total);
    };
    Query->AfterRefresh = Query->AfterOpen;
}

// Opens a deposit list on Sql (reopens it on its statement when Sql is empty); the grid
// reads it once its balances show in forints.
void OpenDeposits(TSqlite3Query& Query, const String& Sql = String()) {
    Query.DisableControls();
    const core::ScopeExit showAgain([&Query] { Query.EnableControls(); });
    if (Sql.empty())
        app::Reopen(Query);
    else
        app::OpenStatement(Query, Sql);
}

} // namespace

namespace app {

void CreateDepositsArea(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    Form.letetlista_Query1 = app::MakeListQuery(&Form, "letetlista_Query1", Form.Sqlite3DB1);
    Form.letetlista_Query2 = app::MakeStatementQuery(&Form, "letetlista_Query2", Form.Sqlite3DB1);
    Form.letetlista_Query2->SQL()->Add(app::DepositGrandTotalSql());
    Form.letetszuresQuery1 = app::MakeListQuery(&Form, "letetszuresQuery1", Form.Sqlite3DB1);
    Form.letetszuresQuery2 = app::MakeStatementQuery(&Form, "letetszuresQuery2", Form.Sqlite3DB1);
    // Until their first build both lists hold the active deposits with movements.
    for (TSqlite3Query* list : {Form.letetlista_Query1, Form.letetszuresQuery1})
        list->SQL()->Add(app::DepositInitialListSql());
    p.letetbeallitas_Query1 = app::MakeStatementQuery(&Form, "letetbeallitas_Query1", Form.Sqlite3DB1);

    auto* nav = static_cast<TPanel*>(Form.FindComponent("letetnav"));
    const auto navButton = [&](const char* name, const String& caption, auto handler) {
        TgxExtSpeedButton* b = app::AddNavButton(&Form, nav, name, caption);
        b->OnClick = [&Form, handler](TObject*) { handler(Form); };
        return b;
    };
    navButton("gxExtSpeedButton11", "Letét lista", &app::ReloadDepositListPage);
    navButton("gxExtSpeedButton12", "Keresés", &app::ShowDepositSearchPage);
    navButton("gxExtSpeedButton13", "Beállítások", &app::OpenDepositSettings);
    navButton("gxExtSpeedButton14", "Új letét", &app::ShowNewDeposit);
    // Not offered, as its menu entry: hidden and without a command. It comes last, so the
    // column has no gap where it stands.
    app::AddNavButton(&Form, nav, "gxExtSpeedButton21", "Időgép")->SetVisible(false);

    CreateDepositListPages(Form);
    CreateDepositSettingsPage(Form);
    CreateDepositGrids(Form);
    CreateDepositExports(Form);
    ShowTotalOnOpen(Form.letetlista_Query1, p.letetlista_VgDBGrid1, Form.letetlista_Query2);
    ShowTotalOnOpen(Form.letetszuresQuery1, p.letetszuresVgDBGrid, Form.letetszuresQuery2);

    // Handlers go on last: setting the start values must not run any statement.
    p.letetlista_CheckBox1->OnClick = [&Form](TObject*) { app::ReloadDepositList(Form); };
    for (TRadioButton* radio : p.letetlista_Rendezes)
        radio->OnClick = [&Form](TObject*) { app::ReloadDepositList(Form); };
}

void CreateDepositListPages(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    TPanel* list = MakeStrip(&Form, Form.letetlista, "letetlistaszuro", 30);
    p.letetlista_CheckBox1 =
        app::MakeCheckBox(&Form, list, "letetlista_CheckBox1", "Csak aktív:", 12, 7, 84, true);
    MakeLabel(&Form, list, "letetlistaLabel1", "Rendezés:", 108, 8);
    MakeSortRadios(&Form, list, "letetlista_", 168, 5, p.letetlista_Rendezes);

    TPanel* search = MakeStrip(&Form, Form.letetkereses, "letetkeresszuro", 90);
    MakeLabel(&Form, search, "letetkeresLabel1", "Letéti számla:", 12, 11);
    p.ComboBox5 = app::MakeChoiceCombo(&Form, search, "ComboBox5", 92, 8, 180);
    MakeLabel(&Form, search, "letetkeresLabel2", "Projekt:", 290, 11);
    p.ComboBox6 = app::MakeChoiceCombo(&Form, search, "ComboBox6", 340, 8, 180);
    MakeLabel(&Form, search, "letetkeresLabel3", "Letevő:", 12, 39);
    p.letetkeres_Edit1 = app::MakeEdit(&Form, search, "letetkeres_Edit1", 92, 36, 180);
    MakeLabel(&Form, search, "letetkeresLabel4", "Jogosult:", 290, 39);
    p.letetkeres_Edit2 = app::MakeEdit(&Form, search, "letetkeres_Edit2", 340, 36, 180);
    p.letetkeres_CheckBox1 =
        app::MakeCheckBox(&Form, search, "letetkeres_CheckBox1", "Csak aktív:", 12, 66, 84, true);
    MakeLabel(&Form, search, "letetkeresLabel5", "Rendezés:", 108, 67);
    MakeSortRadios(&Form, search, "letetkeres_", 168, 64, p.letetkeres_Rendezes);
    TgxExtSpeedButton* run =
        MakeToolButton(&Form, search, "gxExtSpeedButton15", "Lekérdezés", 530, 6, 84, "Keresés indítása");
    run->OnClick = [&Form](TObject*) { app::RunDepositSearch(Form); };
    TgxExtSpeedButton* reset =
        MakeToolButton(&Form, search, "gxExtSpeedButton16", "Alaphelyzet", 530, 34, 84);
    reset->OnClick = [&Form](TObject*) { app::ResetDepositSearch(Form); };
}

void CreateDepositSettingsPage(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    // Accounts above, projects below, the splitter halfway down the page.
    TPanel* accounts = app::MakePanel(&Form, Form.letetbeallitas, "letetbeallitasPanel1", alTop);
    accounts->SetTop(app::PageTitleHeight);
    accounts->SetHeight(260);
    auto* splitter = new TSplitter(&Form);
    splitter->SetName("letetbeallitasSplitter1");
    splitter->SetParent(Form.letetbeallitas);
    splitter->SetAlign(alTop);
    splitter->SetTop(accounts->Top() + accounts->Height());
    TPanel* projects = app::MakePanel(&Form, Form.letetbeallitas, "letetbeallitasPanel2", alClient);

    TPanel* a = app::MakeTitleStrip(&Form, accounts, "letetbeallitasSzamlak", "Letéti számlák:", 74, 12);
    MakeLabel(&Form, a, "letetbeallitasLabel1", "Név:", 128, 8);
    p.Edit24 = app::MakeEdit(&Form, a, "Edit24", 160, 5, 150);
    MakeLabel(&Form, a, "letetbeallitasLabel2", "Számlaszám:", 320, 8);
    p.Edit25 = app::MakeEdit(&Form, a, "Edit25", 390, 5, 130);
    MakeLabel(&Form, a, "letetbeallitasLabel3", "Megj:", 128, 34);
    p.letetbeallitas_Memo1 = app::MakeMemo(&Form, a, "letetbeallitas_Memo1", 160, 31, 360, 36);
    TgxExtSpeedButton* addAccount =
        MakeToolButton(&Form, a, "gxExtSpeedButton17", "Rögzít", 530, 5, 70, "Új letéti számla");
    addAccount->OnClick = [&Form](TObject*) { app::AddDepositAccount(Form); };

    TPanel* proj = app::MakeTitleStrip(&Form, projects, "letetbeallitasProjektek", "Projektek:", 74, 12);
    MakeLabel(&Form, proj, "letetbeallitasLabel4", "Név:", 128, 8);
    p.Edit26 = app::MakeEdit(&Form, proj, "Edit26", 160, 5, 150);
    MakeLabel(&Form, proj, "letetbeallitasLabel5", "Megj:", 128, 34);
    p.letetbeallitas_Memo2 = app::MakeMemo(&Form, proj, "letetbeallitas_Memo2", 160, 31, 360, 36);
    TgxExtSpeedButton* addProject =
        MakeToolButton(&Form, proj, "gxExtSpeedButton18", "Rögzít", 530, 5, 70, "Új projekt");
    addProject->OnClick = [&Form](TObject*) { app::AddDepositProject(Form); };

    Form.letetbeallitas->OnResize = [&Form, accounts](TObject*) {
        accounts->SetHeight((Form.letetbeallitas->Height() - 40) / 2);
    };
}

void ReloadDepositList(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    p.ListBuilt = true;
    OpenDeposits(*Form.letetlista_Query1,
                 app::DepositListSql(p.letetlista_CheckBox1->Checked(), CheckedSort(p.letetlista_Rendezes)));
}

void ReloadDepositListPage(MainWindowShared& Form) {
    app::BringAreaToFront(Form.letetcontainer, Form.letetlista);
    ReloadDepositList(Form);
}

void Ujletet1Click(MainWindowShared& Form, TObject*) {
    app::BringAreaToFront(Form.letetcontainer, Form.letetlista);
    ShowNewDeposit(Form);
}

void ShowDepositSearchPage(MainWindowShared& Form) {
    app::BringAreaToFront(Form.letetcontainer, Form.letetkereses);
}

void ReopenDepositList(MainWindowShared& Form) {
    // Reruns whatever the list holds. A list never built is built from the page's options:
    // the menu's new deposit puts the page in front before it ever was, and the deposit
    // saved there shows in it with the others.
    if (!Form.Deposits().ListBuilt) {
        ReloadDepositList(Form);
        return;
    }
    OpenDeposits(*Form.letetlista_Query1);
}

void RunDepositSearch(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    app::DepositSearch s;
    s.AccountId = app::ChosenKey(p.ComboBox5, p.AccountIds);
    s.ProjectId = app::ChosenKey(p.ComboBox6, p.ProjectIds);
    s.Payer = p.letetkeres_Edit1->Text();
    s.Beneficiary = p.letetkeres_Edit2->Text();
    s.ActiveOnly = p.letetkeres_CheckBox1->Checked();
    s.Sort = CheckedSort(p.letetkeres_Rendezes);
    Form.letetszuresQuery2->Close();
    Form.letetszuresQuery2->SQL()->Clear();
    Form.letetszuresQuery2->SQL()->Add(app::DepositSearchTotalSql(s));
    OpenDeposits(*Form.letetszuresQuery1, app::DepositSearchSql(s));
}

void ReopenDepositSearch(MainWindowShared& Form) {
    // Before the first search there is nothing to reread.
    if (Form.letetszuresQuery1->Active()) OpenDeposits(*Form.letetszuresQuery1);
}

void ResetDepositSearch(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    p.ComboBox5->SetItemIndex(-1);
    p.ComboBox6->SetItemIndex(-1);
    p.letetkeres_Edit1->SetText("");
    p.letetkeres_Edit2->SetText("");
}

void OpenDepositSettings(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    app::BringAreaToFront(Form.letetcontainer, Form.letetbeallitas);
    app::Reopen(*p.letetbeallitas_Table1);
    app::Reopen(*p.letetbeallitas_Table2);
}

void AddDepositAccount(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    if (p.Edit24->Text().empty()) return;
    app::ExecInsert(*p.letetbeallitas_Query1, app::AccountInsertSql(p.Edit24->Text(), p.Edit25->Text(),
                                                                    p.letetbeallitas_Memo1->Text()));
    // Stored: emptied before the table is read again, so a failed read leaves nothing that
    // would store the account twice.
    p.Edit24->SetText("");
    p.Edit25->SetText("");
    p.letetbeallitas_Memo1->Clear();
    app::ReadAgainAsStored([&p] { app::Reopen(*p.letetbeallitas_Table1); });
}

void AddDepositProject(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    if (p.Edit26->Text().empty()) return;
    app::ExecInsert(*p.letetbeallitas_Query1,
                    app::ProjectInsertSql(p.Edit26->Text(), p.letetbeallitas_Memo2->Text()));
    p.Edit26->SetText("");
    p.letetbeallitas_Memo2->Clear();
    app::ReadAgainAsStored([&p] { app::Reopen(*p.letetbeallitas_Table2); });
}

void ClearDepositSettingsNotes(MainWindowShared& Form) {
    Form.Deposits().letetbeallitas_Memo1->Clear();
    Form.Deposits().letetbeallitas_Memo2->Clear();
}

void FillDepositFilterCombos(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    app::ShareKeyedNames(*Form.Query100,
                         "SELECT sorszam, nev FROM letetiszamla ORDER BY nev COLLATE systemnocase",
                         p.AccountIds, {p.ComboBox5});
    app::ShareKeyedNames(*Form.Query100, "SELECT sorszam, nev FROM project ORDER BY nev COLLATE systemnocase",
                         p.ProjectIds, {p.ComboBox6});
}

} // namespace app
