// The cases area's lists: the data sources, the two grids with their context menus,
// and opening a case from them.
#include "app/main/TForm1.h"
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

TPopupMenu* MakeCaseMenu(TForm1* Form, const String& Number, TMenuItem*& OpenItem, TMenuItem*& BaseDataItem) {
    TPopupMenu* menu = app::MakePopupMenu(Form, "PopupMenu" + Number);
    OpenItem = app::AddPopupItem(Form, menu, "Modositasesemenyek" + Number, "Módosítás/Események");
    BaseDataItem =
        app::AddPopupItem(Form, menu, "Ugyalapadatainakmodositasa" + Number, "Ügy alapadatainak módosítása");
    return menu;
}

} // namespace

void TForm1::CreateCaseGrids() {
    TForm1CaseParts& p = Cases();
    DataSource3 = new TDataSource(this);
    DataSource3->SetName("DataSource3");
    DataSource3->SetDataSet(Query4);
    DataSource4 = new TDataSource(this);
    DataSource4->SetName("DataSource4");
    DataSource4->SetDataSet(Query5);
    DataSource4->OnDataChange = [this](TObject* Sender, TField* Field) {
        app::DataSource4DataChange(*this, Sender, Field);
    };
    // A closed result (a new search the database refused) counts nothing either.
    DataSource4->OnStateChange = [this](TObject* Sender) {
        app::DataSource4DataChange(*this, Sender, nullptr);
    };

    p.PopupMenu1 = MakeCaseMenu(this, "1", p.Modositasesemenyek1, p.Ugyalapadatainakmodositasa1);
    p.PopupMenu2 = MakeCaseMenu(this, "2", p.Modositasesemenyek2, p.Ugyalapadatainakmodositasa2);
    p.Modositasesemenyek1->OnClick = [this](TObject* Sender) { app::VgDBGrid11DblClick(*this, Sender); };
    p.Modositasesemenyek2->OnClick = [this](TObject* Sender) { app::VgDBGrid10DblClick(*this, Sender); };
    p.Ugyalapadatainakmodositasa1->OnClick = [this](TObject* Sender) {
        app::Ugyalapadatainakmodositasa1Click(*this, Sender);
    };
    p.Ugyalapadatainakmodositasa2->OnClick = [this](TObject* Sender) {
        app::Ugyalapadatainakmodositasa2Click(*this, Sender);
    };

    p.VgDBGrid11 =
        app::MakeListGrid(this, ugylistacontainer, "VgDBGrid11", DataSource3, p.PopupMenu1,
                          {{"ugyszam", "Ügyszám", 70}, {"nev", "Ügy neve", 477}, {"statusz", "Státusz", 65}});
    p.VgDBGrid10 =
        app::MakeListGrid(this, ugykerescontainer, "VgDBGrid10", DataSource4, p.PopupMenu2,
                          {{"ugyszam", "Ügyszám", 70}, {"nev", "Ügy neve", 474}, {"statusz", "Státusz", 65}});
    p.VgDBGrid11->OnDblClick = [this](TObject* Sender) { app::VgDBGrid11DblClick(*this, Sender); };
    p.VgDBGrid10->OnDblClick = [this](TObject* Sender) { app::VgDBGrid10DblClick(*this, Sender); };
}

namespace app {

Integer CurrentCaseId(TSqlite3Query* Query) {
    return app::CurrentKey(*Query);
}

void VgDBGrid11DblClick(TForm1& Form, TObject*) {
    const Integer id = CurrentCaseId(Form.Query4);
    if (id >= 1) ShowCaseSheet(Form, id);
}

void VgDBGrid10DblClick(TForm1& Form, TObject*) {
    const Integer id = CurrentCaseId(Form.Query5);
    if (id >= 1) ShowCaseSheet(Form, id);
}

void ShowCaseSheet(TForm1& Form, Integer CaseId) {
    ugyadatlap->CaseId = CaseId;
    ugyadatlap->ShowModal();
}

void ShowBaseDataDialog(TForm1& Form, TSqlite3Query* Query, Integer Origin) {
    const Integer id = CurrentCaseId(Query);
    if (id < 1) return;
    ugyalapadatmod->CaseId = id;
    ugyalapadatmod->Origin = Origin;
    ugyalapadatmod->RecNo = Query->RecNo();
    ugyalapadatmod->Show();
}

void Ugyalapadatainakmodositasa1Click(TForm1& Form, TObject*) {
    ShowBaseDataDialog(Form, Form.Query4, Tugyalapadatmod::FromCaseList);
}

void Ugyalapadatainakmodositasa2Click(TForm1& Form, TObject*) {
    ShowBaseDataDialog(Form, Form.Query5, Tugyalapadatmod::FromCaseSearch);
}

void gxExtSpeedButton7Click(TForm1& Form, TObject*) {
    ujugy->ShowModal();
}

} // namespace app

void TForm1::Ujugy1Click(TObject* Sender) {
    Ugylista1Click(Sender);
    ujugy->ShowModal();
}

void TForm1::FillCaseCombos() {
    // The entry dialogs are made after the main window.
    app::ShareKeyedNames(*Query100,
                         "SELECT sorszam, nev FROM ugy WHERE status=1 ORDER BY nev COLLATE "
                         "systemnocase",
                         FCaseIds,
                         {ComboBox2, ComboBox4, ComboBox7, ComboBox20, iktbe ? iktbe->ComboBox4 : nullptr,
                          iktki ? iktki->ComboBox4 : nullptr});
}
