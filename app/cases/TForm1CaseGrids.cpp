// The cases area's lists: the data sources, the two grids with their context menus,
// and opening a case from them.
#include "app/common/MainWindowShared.h"
#include "app/cases/CaseArea.h"

#include "app/common/ComboFill.h"
#include "app/common/ListGrid.h"
#include "app/common/QueryRun.h"
#include "app/registry/Tiktbe.h"
#include "app/registry/Tiktki.h"
#include "app/cases/Tugyadatlap.h"
#include "app/cases/Tugyalapadatmod.h"
#include "app/cases/Tujugy.h"
#include "app/cases/TForm1CaseParts.h"

#include "grid/TVgDBGrid.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TPopupMenu.h"
#include "sqlite/TSqlite3Query.h"

namespace {

TPopupMenu* MakeCaseMenu(app::MainWindowShared* Form, const String& Number, TMenuItem*& OpenItem,
                         TMenuItem*& BaseDataItem) {
    TPopupMenu* menu = app::MakePopupMenu(Form, "PopupMenu" + Number);
    OpenItem = app::AddPopupItem(Form, menu, "Modositasesemenyek" + Number, "Módosítás/Események");
    BaseDataItem =
        app::AddPopupItem(Form, menu, "Ugyalapadatainakmodositasa" + Number, "Ügy alapadatainak módosítása");
    return menu;
}

} // namespace

namespace app {

void CreateCaseGrids(MainWindowShared& Form) {
    TForm1CaseParts& p = Form.Cases();
    Form.DataSource3 = new TDataSource(&Form);
    Form.DataSource3->SetName("DataSource3");
    Form.DataSource3->SetDataSet(Form.Query4);
    Form.DataSource4 = new TDataSource(&Form);
    Form.DataSource4->SetName("DataSource4");
    Form.DataSource4->SetDataSet(Form.Query5);
    Form.DataSource4->OnDataChange = [&Form](TObject* Sender, TField* Field) {
        app::DataSource4DataChange(Form, Sender, Field);
    };
    // A closed result (a new search the database refused) counts nothing either.
    Form.DataSource4->OnStateChange = [&Form](TObject* Sender) {
        app::DataSource4DataChange(Form, Sender, nullptr);
    };

    p.PopupMenu1 = MakeCaseMenu(&Form, "1", p.Modositasesemenyek1, p.Ugyalapadatainakmodositasa1);
    p.PopupMenu2 = MakeCaseMenu(&Form, "2", p.Modositasesemenyek2, p.Ugyalapadatainakmodositasa2);
    p.Modositasesemenyek1->OnClick = [&Form](TObject* Sender) { app::VgDBGrid11DblClick(Form, Sender); };
    p.Modositasesemenyek2->OnClick = [&Form](TObject* Sender) { app::VgDBGrid10DblClick(Form, Sender); };
    p.Ugyalapadatainakmodositasa1->OnClick = [&Form](TObject* Sender) {
        app::Ugyalapadatainakmodositasa1Click(Form, Sender);
    };
    p.Ugyalapadatainakmodositasa2->OnClick = [&Form](TObject* Sender) {
        app::Ugyalapadatainakmodositasa2Click(Form, Sender);
    };

    p.VgDBGrid11 =
        app::MakeListGrid(&Form, Form.ugylistacontainer, "VgDBGrid11", Form.DataSource3, p.PopupMenu1,
                          {{"ugyszam", "Ügyszám", 70}, {"nev", "Ügy neve", 477}, {"statusz", "Státusz", 65}});
    p.VgDBGrid10 =
        app::MakeListGrid(&Form, Form.ugykerescontainer, "VgDBGrid10", Form.DataSource4, p.PopupMenu2,
                          {{"ugyszam", "Ügyszám", 70}, {"nev", "Ügy neve", 474}, {"statusz", "Státusz", 65}});
    p.VgDBGrid11->OnDblClick = [&Form](TObject* Sender) { app::VgDBGrid11DblClick(Form, Sender); };
    p.VgDBGrid10->OnDblClick = [&Form](TObject* Sender) { app::VgDBGrid10DblClick(Form, Sender); };
}

Integer CurrentCaseId(TSqlite3Query* Query) {
    return app::CurrentKey(*Query);
}

void VgDBGrid11DblClick(MainWindowShared& Form, TObject*) {
    const Integer id = CurrentCaseId(Form.Query4);
    if (id >= 1) ShowCaseSheet(Form, id);
}

void VgDBGrid10DblClick(MainWindowShared& Form, TObject*) {
    const Integer id = CurrentCaseId(Form.Query5);
    if (id >= 1) ShowCaseSheet(Form, id);
}

void ShowCaseSheet(MainWindowShared& Form, Integer CaseId) {
    ugyadatlap->CaseId = CaseId;
    ugyadatlap->ShowModal();
}

void ShowBaseDataDialog(MainWindowShared& Form, TSqlite3Query* Query, Integer Origin) {
    const Integer id = CurrentCaseId(Query);
    if (id < 1) return;
    ugyalapadatmod->ShowCase(id, Origin, Query->RecNo());
}

void Ugyalapadatainakmodositasa1Click(MainWindowShared& Form, TObject*) {
    ShowBaseDataDialog(Form, Form.Query4, Tugyalapadatmod::FromCaseList);
}

void Ugyalapadatainakmodositasa2Click(MainWindowShared& Form, TObject*) {
    ShowBaseDataDialog(Form, Form.Query5, Tugyalapadatmod::FromCaseSearch);
}

void gxExtSpeedButton7Click(MainWindowShared& Form, TObject*) {
    ujugy->ShowModal();
}

void Ujugy1Click(MainWindowShared& Form, TObject* Sender) {
    Ugylista1Click(Form, Sender);
    ujugy->ShowModal();
}

void FillCaseCombos(MainWindowShared& Form) {
    // The entry dialogs are made after the main window.
    app::ShareKeyedNames(*Form.Query100,
                         "SELECT sorszam, nev FROM ugy WHERE status=1 ORDER BY nev COLLATE "
                         "systemnocase",
                         Form.CaseIds(),
                         {Form.ComboBox2, Form.ComboBox4, Form.ComboBox7, Form.ComboBox20,
                          iktbe ? iktbe->ComboBox4 : nullptr, iktki ? iktki->ComboBox4 : nullptr});
}

} // namespace app
