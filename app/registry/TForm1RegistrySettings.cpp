// The registry's settings page: the registry locations, arrival modes and registry
// partners, each edited in place in its grid, with a counter and "Új" for a new row.
#include "app/common/AreaLayout.h"
#include "app/common/FormControls.h"
#include "app/common/ListGrid.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowShared.h"
#include "app/registry/RegistryArea.h"
#include "app/registry/Tiktataserkmoduj.h"
#include "app/registry/Tiktatasihelyuj.h"
#include "app/registry/Tiktataspartneruj.h"
#include "app/registry/TForm1RegistryParts.h"

#include "grid/TVgDBGrid.h"
#include "platform/core/NumberFormat.h"
#include "platform/data/TDataSource.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3Table.h"

namespace {

struct Section {
    TSqlite3Table* Table;
    TDataSource* Source;
    TVgDBGrid* Grid;
    TLabel* Counter;
    TBitBtn* New;
};

// One look-up table: a heading with its counter and "Új" over an editable grid.
Section MakeSection(app::MainWindowShared* Form, TPanel* Parent, Integer Number, const char* Table,
                    const char* Heading, const char* GridName, const char* CounterName,
                    const char* ButtonName, std::initializer_list<app::GridColumn> Columns) {
    const String n = IntToStr(Number);
    Section s{};
    s.Table = app::MakeSettingsTable(Form, "iktatasbeallitasTable" + n, Form->Sqlite3DB1, Table);
    // Names in the office's alphabet, whatever order they were entered in: a row added
    // with "Új" takes its place among the others when the table is read again.
    s.Table->SetOrderBy("nev COLLATE systemnocase");
    s.Source = new TDataSource(Form);
    s.Source->SetName("iktatasbeallitasDataSource" + n);
    s.Source->SetDataSet(s.Table);

    TPanel* head = app::MakePanel(Form, Parent, "iktatasbeallitasFej" + n, alTop);
    head->SetHeight(32);
    app::MakeLabel(Form, head, "iktatasbeallitasCim" + n, Heading, 8, 9)->Font()->SetStyle({fsBold});
    s.Counter = app::MakeLabel(Form, head, CounterName, "", 130, 9);
    s.Counter->Font()->SetColor(clGray);
    s.New = app::MakeBitBtn(Form, head, ButtonName, "Új", 190, 4, 60);

    s.Grid = app::MakeAreaGrid(Form, Parent, GridName, Columns);
    s.Grid->SetOptions({dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgEditing,
                        dgConfirmDelete, dgCancelOnExit});
    s.Grid->SetExOptions({eoBooleanAsCheckBox, eoDisableDelete, eoDisableInsert, eoENTERlikeTAB,
                          eoKeepSelection, eoBLOBEditor, eoTitleWordWrap, eoFilterAutoApply});
    s.Grid->SetScrollBars(ssHorizontal);
    s.Grid->SetDataSource(s.Source);
    s.Source->OnDataChange = [s](TObject*, TField*) {
        s.Counter->SetCaption(s.Table->Active()
                                  ? IntToStr(s.Table->RecNo()) + "/" + IntToStr(s.Table->RecordCount())
                                  : String());
    };
    return s;
}

} // namespace

namespace app {

void CreateRegistrySettings(MainWindowShared& Form) {
    TForm1RegistryParts& p = Form.Registry();
    p.Panel17 = app::MakePanel(&Form, Form.iktatasbeallitas, "Panel17", alTop);
    p.Panel17->SetTop(app::PageTitleHeight);
    p.Panel17->SetHeight(240);
    p.Panel38 = app::MakePanel(&Form, p.Panel17, "Panel38", alLeft);
    p.Panel38->SetWidth(320);
    p.Panel39 = app::MakePanel(&Form, p.Panel17, "Panel39", alClient);
    TPanel* lower = app::MakePanel(&Form, Form.iktatasbeallitas, "Panel40", alClient);

    const Section places = MakeSection(&Form, p.Panel38, 1, "ikt_mt", "Iktatási helyek:", "VgDBGrid4",
                                       "Label82", "BitBtn11", {{"nev", "név", 235}, {"aktiv", "aktív", 48}});
    const Section modes = MakeSection(&Form, p.Panel39, 2, "ikt_mod", "Érkeztetési módok:", "VgDBGrid5",
                                      "Label83", "BitBtn12", {{"nev", "név", 243}, {"aktiv", "aktív", 48}});
    const Section partners = MakeSection(&Form, lower, 3, "ikt_partner", "Iktatási partnerek:", "VgDBGrid3",
                                         "Label84", "BitBtn10", {{"nev", "név", 298}, {"cim", "cím", 298}});
    Form.iktatasbeallitasTable1 = places.Table, p.iktatasbeallitasDataSource1 = places.Source;
    p.VgDBGrid4 = places.Grid, p.Label82 = places.Counter, p.BitBtn11 = places.New;
    Form.iktatasbeallitasTable2 = modes.Table, p.iktatasbeallitasDataSource2 = modes.Source;
    p.VgDBGrid5 = modes.Grid, p.Label83 = modes.Counter, p.BitBtn12 = modes.New;
    Form.iktatasbeallitasTable3 = partners.Table, p.iktatasbeallitasDataSource3 = partners.Source;
    p.VgDBGrid3 = partners.Grid, p.Label84 = partners.Counter, p.BitBtn10 = partners.New;
    for (TVgDBGrid* grid : {p.VgDBGrid3, p.VgDBGrid5})
        grid->SetExOptions(grid->ExOptions() + TExOptions{eoCellHint});

    p.BitBtn11->OnClick = [](TObject*) {
        iktatasihelyuj->Mode = 1;
        iktatasihelyuj->ShowModal();
    };
    p.BitBtn12->OnClick = [](TObject*) {
        iktataserkmoduj->Mode = 1;
        iktataserkmoduj->ShowModal();
    };
    p.BitBtn10->OnClick = [](TObject*) {
        iktataspartneruj->Mode = 1;
        iktataspartneruj->ShowModal();
    };
    Form.iktatasbeallitas->OnResize = [&Form](TObject* Sender) { app::iktatasbeallitasResize(Form, Sender); };
}

void OpenRegistrySettings(MainWindowShared& Form) {
    for (TSqlite3Table* table :
         {Form.iktatasbeallitasTable1, Form.iktatasbeallitasTable2, Form.iktatasbeallitasTable3})
        if (!table->Active()) table->Open();
}

void Iktatasbeallitasok1Click(MainWindowShared& Form, TObject*) {
    BringAreaToFront(Form.iktatascontainer, Form.iktatasbeallitas);
    app::OpenRegistrySettings(Form);
}

void iktatasbeallitasResize(MainWindowShared& Form, TObject*) {
    TForm1RegistryParts& p = Form.Registry();
    const Integer h = Form.iktatasbeallitas->Height();
    const Integer w = Form.iktatasbeallitas->Width();
    p.Panel17->SetHeight((h - 40) / 2);
    p.Panel38->SetWidth(w / 2);
    p.VgDBGrid4->GetColumns()->GetColumn(0)->SetWidth(p.Panel38->Width() - 84);
    p.VgDBGrid5->GetColumns()->GetColumn(0)->SetWidth(p.Panel39->Width() - 84);
    p.VgDBGrid3->GetColumns()->GetColumn(0)->SetWidth((w - 57) / 2);
    p.VgDBGrid3->GetColumns()->GetColumn(1)->SetWidth((w - 57) / 2);
}

TSqlite3Table& RegistryLocationTable(MainWindowShared& Form) {
    return *Form.iktatasbeallitasTable1;
}

TSqlite3Table& RegistryModeTable(MainWindowShared& Form) {
    return *Form.iktatasbeallitasTable2;
}

TSqlite3Table& RegistryPartnerTable(MainWindowShared& Form) {
    return *Form.iktatasbeallitasTable3;
}
} // namespace app
