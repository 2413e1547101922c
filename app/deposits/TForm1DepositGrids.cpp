// The deposits area's grids: the list and the search with their context menus and
// footer totals, the settings page's editable account and project tables, and opening
// the deposit dialogs from them.
#include "app/common/CloseAsStored.h"
#include "app/common/ListGrid.h"
#include "app/common/FormControls.h"
#include "app/common/RowReferences.h"
#include "app/common/QueryRun.h"
#include "app/deposits/DepositArea.h"
#include "app/common/MainWindowShared.h"
#include "app/deposits/Tletet_adatlap.h"
#include "app/deposits/Tletetalapadat.h"
#include "app/deposits/Tujletet.h"
#include "app/deposits/TForm1DepositParts.h"

#include "grid/TVgDBGrid.h"
#include "platform/core/NumberFormat.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TPopupMenu.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"

namespace {

using app::GridColumn;

TVgDBGrid* MakeGrid(app::MainWindowShared* Form, TWinControl* Parent, const String& Name, TDataSource* Source,
                    std::initializer_list<GridColumn> Columns) {
    TVgDBGrid* grid = app::MakeAreaGrid(Form, Parent, Name, Columns);
    grid->SetDataSource(Source);
    return grid;
}

// A deposit list: whole rows selected, read-only, "Összesen:" and the total in the footer.
TVgDBGrid* MakeDepositGrid(app::MainWindowShared* Form, TPanel* Page, const String& Name, TDataSource* Source,
                           const Integer (&Widths)[7]) {
    TVgDBGrid* grid = MakeGrid(Form, Page, Name, Source,
                               {{"letevo", "Letevő", Widths[0]},
                                {"kedvezmenyezett", "Jogosult", Widths[1]},
                                {"betet", "Dátum", Widths[2]},
                                {"sznev", "Számla", Widths[3]},
                                {"letetosszeg", "Összeg", Widths[4]},
                                {"pnev", "Projekt", Widths[5]},
                                {"megjegyzes", "Megjegyzés", Widths[6]}});
    grid->SetOptions({dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect,
                      dgConfirmDelete, dgCancelOnExit});
    grid->SetExOptions({eoCellHint, eoDisableDelete, eoDisableInsert, eoENTERlikeTAB, eoKeepSelection,
                        eoLayout, eoShowFooter, eoBLOBEditor, eoTitleWordWrap});
    grid->SetReadOnly(true);
    grid->SetFooterHeight(30);
    grid->GetColumns()->GetColumn(3)->SetFooterText("Összesen:");
    grid->GetColumns()->GetColumn(4)->SetFooterValue(String("0"));
    return grid;
}

// An editable settings table: the active flag as a check box.
TVgDBGrid* MakeSettingsGrid(app::MainWindowShared* Form, TWinControl* Parent, const String& Name,
                            TDataSource* Source, std::initializer_list<GridColumn> Columns, bool FixedRows) {
    TVgDBGrid* grid = MakeGrid(Form, Parent, Name, Source, Columns);
    grid->SetOptions({dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                      dgConfirmDelete, dgCancelOnExit});
    TExOptions options{eoBooleanAsCheckBox, eoCellHint,      eoENTERlikeTAB,   eoKeepSelection,
                       eoBLOBEditor,        eoTitleWordWrap, eoFilterAutoApply};
    if (FixedRows) options += TExOptions{eoDisableDelete, eoDisableInsert};
    grid->SetExOptions(options);
    return grid;
}

TSqlite3Table* MakeTable(app::MainWindowShared* Form, const String& Name, const String& Table) {
    TSqlite3Table* table = app::MakeSettingsTable(Form, Name, Form->Sqlite3DB1, Table);
    // Every posted edit is written at once.
    table->SetAutoCommit(true);
    // A row added in the grid starts active, as one added through the page's own form does.
    table->OnNewRecord = [](TDataSet* Rows) { Rows->FieldByName("statusz")->SetAsBoolean(true); };
    // The row goes in one transaction with the count of the deposits that refer to it; the
    // table's own delete that follows finds it gone and takes it off the grid.
    table->BeforeDelete = [Form, Table](TDataSet* Rows) {
        const Integer key = static_cast<Integer>(Rows->FieldByName("sorszam")->AsInteger());
        app::DeleteUnlessReferred(*Form->Deposits().letetbeallitas_Query1, Table, key,
                                  "DELETE FROM " + Table + " WHERE sorszam=" + IntToStr(key));
    };
    // The table's own delete runs once the row is deleted: when it fails (another program
    // holds the database) the row is gone all the same, and a second delete only takes it off
    // the grid.
    table->OnDeleteError = [](TDataSet*, EDatabaseError& Error, TDataAction&) {
        app::ReadAgainAsStored([&Error] { throw Error; }, app::DeletedListNotReadAgainMessage);
    };
    return table;
}

TPopupMenu* MakeDepositMenu(app::MainWindowShared* Form, const String& Name, std::function<void()> Sheet,
                            std::function<void()> BaseData) {
    auto* menu = new TPopupMenu(Form);
    menu->SetName(Name);
    const auto add = [&](const String& caption, std::function<void()> action) {
        auto* item = new TMenuItem(Form);
        item->SetName(Name + "Item" + IntToStr(menu->Items()->Count() + 1));
        item->SetCaption(caption);
        item->OnClick = [action](TObject*) { action(); };
        menu->Items()->Add(item);
    };
    add("Adatlap", std::move(Sheet));
    add("Alapadatok módosítása", std::move(BaseData));
    return menu;
}

} // namespace

namespace app {

void CreateDepositGrids(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    p.letetlista_VgDBGrid1 =
        MakeDepositGrid(&Form, Form.letetlista, "letetlista_VgDBGrid1",
                        app::MakeDataSource(&Form, "letetlista_DataSource1", Form.letetlista_Query1),
                        {144, 123, 71, 104, 88, 86, 154});
    p.letetlista_VgDBGrid1->SetPopupMenu(MakeDepositMenu(
        &Form, "letetlistaPopupMenu1",
        [&Form] { app::ShowDepositSheet(Form, Form.letetlista_Query1, 1, true); },
        [&Form] { app::ShowDepositBaseData(Form, Form.letetlista_Query1, 1); }));
    p.letetlista_VgDBGrid1->OnDblClick = [&Form](TObject*) {
        app::ShowDepositSheet(Form, Form.letetlista_Query1, 1, false);
    };

    p.letetszuresVgDBGrid =
        MakeDepositGrid(&Form, Form.letetkereses, "letetszuresVgDBGrid",
                        app::MakeDataSource(&Form, "letetszuresDataSource1", Form.letetszuresQuery1),
                        {100, 104, 71, 111, 108, 112, 231});
    // The search sets its own total into the footer value, which the grid shows as given.
    p.letetszuresVgDBGrid->SetPopupMenu(MakeDepositMenu(
        &Form, "letetszuresPopupMenu1",
        [&Form] { app::ShowDepositSheet(Form, Form.letetszuresQuery1, 2, true); },
        [&Form] { app::ShowDepositBaseData(Form, Form.letetszuresQuery1, 2); }));
    p.letetszuresVgDBGrid->OnDblClick = [&Form](TObject*) {
        app::ShowDepositSheet(Form, Form.letetszuresQuery1, 2, false);
    };

    p.letetbeallitas_Table1 = MakeTable(&Form, "letetbeallitas_Table1", "letetiszamla");
    p.letetbeallitas_Table2 = MakeTable(&Form, "letetbeallitas_Table2", "project");
    p.letetbeallitas_DBGrid1 =
        MakeSettingsGrid(&Form, static_cast<TWinControl*>(Form.FindComponent("letetbeallitasPanel1")),
                         "letetbeallitas_DBGrid1",
                         app::MakeDataSource(&Form, "letetbeallitas_DataSource1", p.letetbeallitas_Table1),
                         {{"nev", "név", 190},
                          {"statusz", "aktív", 0},
                          {"szamlaszam", "számlaszám", 161},
                          {"megjegyzes", "megjegyzés", 194}},
                         false);
    p.letetbeallitas_DBGrid2 = MakeSettingsGrid(
        &Form, static_cast<TWinControl*>(Form.FindComponent("letetbeallitasPanel2")),
        "letetbeallitas_DBGrid2",
        app::MakeDataSource(&Form, "letetbeallitas_DataSource2", p.letetbeallitas_Table2),
        {{"nev", "név", 226}, {"statusz", "aktív", 36}, {"megjegyzes", "megjegyzés", 314}}, true);
}

} // namespace app

namespace {

Integer CurrentDepositId(TSqlite3Query* Query) {
    if (!Query->Active() || Query->IsEmpty()) return 0;
    return static_cast<Integer>(Query->FieldByName("sorszam")->AsInteger());
}

} // namespace

namespace app {

void ShowDepositSheet(MainWindowShared& Form, TSqlite3Query* Query, Integer Origin, bool Modal) {
    const Integer id = CurrentDepositId(Query);
    if (id < 1) return;
    letet_adatlap->Origin = Origin;
    // The sheet stays open beside the list: asked for another deposit, it shows that one, so
    // what the user records on it lands on the deposit it shows. An open sheet is brought
    // up as it is, also where the popup asks for it modal.
    if (letet_adatlap->Visible()) {
        if (letet_adatlap->DepositId != id) {
            letet_adatlap->DepositId = id;
            letet_adatlap->FormShow(letet_adatlap);
        }
        letet_adatlap->Show();
        return;
    }
    letet_adatlap->DepositId = id;
    if (Modal)
        letet_adatlap->ShowModal();
    else
        letet_adatlap->Show();
}

void ShowDepositBaseData(MainWindowShared& Form, TSqlite3Query* Query, Integer Origin) {
    const Integer id = CurrentDepositId(Query);
    if (id < 1) return;
    letetalapadat->DepositId = id;
    letetalapadat->Origin = Origin;
    letetalapadat->ShowModal();
}

void ShowNewDeposit(MainWindowShared& Form) {
    ujletet->ShowModal();
}

} // namespace app
