// The client identification area: the queries filtered by client name, case, date
// range and success; the grid marks queries with an answer file with an image and shows
// the answer as text, opens the answer file on double-click, changes a query through its
// context menu, and exports the list.
#include "app/common/AreaLayout.h"
#include "app/common/StoredDate.h"
#include "app/common/CaseHistory.h"
#include "app/common/CaseSheetImages.h"
#include "app/common/FormControls.h"
#include "app/identification/JubStatements.h"
#include "app/identification/TForm1JubParts.h"
#include "app/common/ListGrid.h"
#include "app/common/OfficeExport.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowShared.h"
#include "app/identification/JubArea.h"
#include "app/identification/Tjubmod.h"
#include "app/cases/Tugyadatlap.h"

#include "controls/buttons/TgxExtSpeedButton.h"
#include "export/TVgExportToXLS.h"
#include "export/VgEColumns.h"
#include "export/VgEDataFormats.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/DateTime.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "sqlite/TSqlite3Query.h"

namespace {

constexpr TColor FixedColor = 15398130;
constexpr Integer FileColumn = 5;

bool Succeeded(TField* Jubok) {
    return SameText(Jubok->AsString(), "true");
}

// Dates in the user's short format; the success flag reads "OK" or "False", in the grid
// and in the exported file.
void SetJubTexts(TSqlite3Query& Query) {
    app::ShowStoredDates(Query, {"datum", "orzesi_hatarido"});
    Query.FieldByName("jubok")->OnGetText = [](TField* Sender, String& Text, bool) {
        Text = Succeeded(Sender) ? "OK" : "False";
    };
}

} // namespace

namespace app {

void CreateJubArea(MainWindowShared& Form) {
    TForm1JubParts& p = Form.Jub();
    Form.jubQuery = app::MakeListQuery(&Form, "jubQuery", Form.Sqlite3DB1);
    Form.jubQuery->SetTypeLess(true); // dates as stored: '' is no date, not 1900-01-01
    p.DataSource6 = new TDataSource(&Form);
    p.DataSource6->SetName("DataSource6");
    p.DataSource6->SetDataSet(Form.jubQuery);

    TPanel* strip = app::MakePanel(&Form, Form.jublista, "jubszuro", alTop);
    strip->SetTop(app::PageTitleHeight);
    strip->SetHeight(64);
    app::MakeLabel(&Form, strip, "Label140", "Név:", 12, 11);
    p.Edit40 = app::MakeEdit(&Form, strip, "Edit40", 48, 8, 170);
    p.Edit40->SetHint("Az ügyfél nevének bármely része");
    p.Edit40->SetShowHint(true);
    app::MakeLabel(&Form, strip, "Label141", "Ügy:", 232, 11);
    Form.ComboBox20 = app::MakeChoiceCombo(&Form, strip, "ComboBox20", 264, 8, 250);
    Form.ComboBox20->SetDropDownCount(16);
    app::MakeLabel(&Form, strip, "Label142", "Dátum:", 12, 39);
    p.DateTimePicker9 = app::MakeDatePicker(&Form, strip, "DateTimePicker9", 58, 36, 110);
    app::MakeLabel(&Form, strip, "Label143", "_", 172, 37);
    p.DateTimePicker10 = app::MakeDatePicker(&Form, strip, "DateTimePicker10", 182, 36, 110);
    for (TDateTimePicker* picker : {p.DateTimePicker9, p.DateTimePicker10})
        picker->SetShowCheckbox(true);
    TPanel* answer = app::MakePanel(&Form, strip, "jubvalasz", alNone);
    answer->SetParentColor(true);
    answer->SetBounds(300, 36, 220, 21);
    p.RadioButton45 = app::MakeRadioButton(&Form, answer, "RadioButton45", "Mind", 4, 2, 50);
    p.RadioButton46 = app::MakeRadioButton(&Form, answer, "RadioButton46", "Ellenőrzött", 56, 2, 80);
    p.RadioButton47 = app::MakeRadioButton(&Form, answer, "RadioButton47", "Ellenőrizetlen", 138, 2, 82);
    p.gxExtSpeedButton82 =
        app::MakeToolButton(&Form, strip, "gxExtSpeedButton82", "Lekérdezés", 530, 6, 96, "A lista szűrése");
    p.gxExtSpeedButton82->OnClick = [&Form](TObject*) { app::RunJubList(Form); };
    p.gxExtSpeedButton81 = app::MakeToolButton(&Form, strip, "gxExtSpeedButton81", "Alaphelyzet", 530, 34, 96,
                                               "A szűrési szempontok alaphelyzetbe állítása");
    p.gxExtSpeedButton81->OnClick = [&Form](TObject*) { app::ResetJubFilter(Form); };
    auto* title = static_cast<TWinControl*>(Form.FindComponent("jublistaTitle"));
    p.gxExtSpeedButton79 = app::MakeToolButton(&Form, title, "gxExtSpeedButton79", "Exportálás",
                                               title->Width() - 104, 3, 84, "A lista mentése Excel fájlba");
    p.gxExtSpeedButton79->SetAnchors(TAnchors{akTop, akRight});
    p.gxExtSpeedButton79->OnClick = [&Form](TObject*) { app::ExportJubList(Form); };

    p.jubPopup = app::MakePopupMenu(&Form, "jubPopup");
    app::AddPopupItem(&Form, p.jubPopup, "jubModosit", "Módosít")->OnClick = [&Form](TObject*) {
        app::EditJub(Form);
    };
    p.VgDBGrid16 = app::MakeListGrid(&Form, Form.jublista, "VgDBGrid16", p.DataSource6, p.jubPopup,
                                     {{"ugyfelnev", "Ügyfél", 181},
                                      {"datum", "Dátum", 0},
                                      {"ugyszam", "Ügyszám", 67},
                                      {"ugynev", "Ügy", 95},
                                      {"adatigenyles_szama", "Adatigénylés száma", 142},
                                      {"valaszfile", "Fájl", 30},
                                      {"jubok", "Válasz", 0},
                                      {"orzesi_hatarido", "Őrzési határidő", 80},
                                      {"szigszam", "Szig. szám", 100},
                                      {"szemszam", "Szem. azon.", 100}});
    // Cells, not rows, are selected: the double-click acts on the answer file's cell.
    p.VgDBGrid16->SetOptions(p.VgDBGrid16->Options() - TDBGridOptions{dgRowSelect});
    p.VgDBGrid16->SetExOptions(p.VgDBGrid16->ExOptions() +
                               TExOptions{eoBooleanAsCheckBox, eoDisableDelete, eoDisableInsert});
    p.VgDBGrid16->SetFixedColor(FixedColor);
    p.VgDBGrid16->OnDrawColumnCell = [&Form](TObject* Sender, const TRect& Rect, Integer DataCol, TColumn*,
                                             TGridDrawState) {
        app::VgDBGrid16DrawColumnCell(Form, Sender, Rect, DataCol);
    };
    p.VgDBGrid16->OnDblClick = [&Form](TObject* Sender) { app::VgDBGrid16DblClick(Form, Sender); };

    p.letetkeresesSaveDialog = app::MakeXlsSaveDialog(&Form, "letetkeresesSaveDialog");
    p.JUBToXLS = app::MakeListExporter(&Form, "JUBToXLS", Form.jubQuery,
                                       {{"ugyfelnev", "Ügyfél"},
                                        {"datum", "Dátum"},
                                        {"ugyszam", "Ügyszám"},
                                        {"ugynev", "Ügy"},
                                        {"adatigenyles_szama", "Adatigénylés száma"},
                                        {"jubok", "Jüb eredmény"},
                                        {"orzesi_hatarido", "Őrzési határidő"},
                                        {"szigszam", "Szig. szám"},
                                        {"szemszam", "Szem. azonosítószam"}});
    p.JUBToXLS->SetAddTitle(false);
    p.JUBToXLS->SetOptions({soFieldMask, soShowMessage, soBlankRowAfterCaptions, soWaitCursor,
                            soDisableControls, soColLines, soRowLines, soExportBands});
    p.JUBToXLS->SetKeyGenerator("VgExport 4.77");
    p.JUBToXLS->DataFormats()->SetCustomDateTimeFormat("YYYY.MM.DD.");
    p.JUBToXLS->DataFormats()->SetBooleanTrue("OK");
    p.JUBToXLS->DataFormats()->SetBooleanFalse("False");
    for (Integer dateColumn : {1, 6})
        p.JUBToXLS->Columns()->Items(dateColumn)->SetDataType(ctDate);

    Form.jublista->BringToFront();
}

void RunJubList(MainWindowShared& Form) {
    TForm1JubParts& p = Form.Jub();
    app::JubFilter f;
    f.Name = p.Edit40->Text();
    const Integer index = Form.ComboBox20->ItemIndex();
    if (index >= 0 && index < static_cast<Integer>(Form.CaseIds().size())) f.CaseId = Form.CaseIds()[index];
    if (p.DateTimePicker9->Checked()) f.From = p.DateTimePicker9->Date();
    if (p.DateTimePicker10->Checked()) f.To = p.DateTimePicker10->Date();
    f.Answer = p.RadioButton46->Checked()   ? app::JubAnswer::Checked
               : p.RadioButton47->Checked() ? app::JubAnswer::Unchecked
                                            : app::JubAnswer::All;
    Form.jubQuery->DisableControls();
    const core::ScopeExit showAgain([&Form] { Form.jubQuery->EnableControls(); });
    app::OpenStatement(*Form.jubQuery, app::JubListSql(f));
    SetJubTexts(*Form.jubQuery);
}

void ReopenJubList(MainWindowShared& Form) {
    const Integer recNo = Form.jubQuery->Active() ? Form.jubQuery->RecNo() : 0;
    Form.jubQuery->DisableControls();
    const core::ScopeExit showAgain([&Form] { Form.jubQuery->EnableControls(); });
    app::ReopenIfSet(*Form.jubQuery, recNo);
    if (Form.jubQuery->Active()) SetJubTexts(*Form.jubQuery);
}

void ResetJubFilter(MainWindowShared& Form) {
    TForm1JubParts& p = Form.Jub();
    p.Edit40->Clear();
    Form.ComboBox20->SetItemIndex(-1);
    for (TDateTimePicker* picker : {p.DateTimePicker9, p.DateTimePicker10}) {
        picker->SetDate(Date());
        picker->SetChecked(false);
    }
    p.RadioButton45->SetChecked(true);
}

void ExportJubList(MainWindowShared& Form) {
    if (!Form.jubQuery->Active() || Form.jubQuery->RecordCount() < 1) return;
    app::RunExport(*Form.Jub().letetkeresesSaveDialog, *Form.Jub().JUBToXLS);
}

void EditJub(MainWindowShared& Form) {
    const Integer id = app::CurrentKey(*Form.jubQuery);
    if (id < 1) return;
    jubmod->JubId = id;
    jubmod->ShowModal();
}

void VgDBGrid16DrawColumnCell(MainWindowShared& Form, TObject*, const TRect& Rect, Integer DataCol) {
    if (!ugyadatlap) return;
    TCanvas* canvas = Form.Jub().VgDBGrid16->Canvas();
    TImageList* images = ugyadatlap->ImageList1;
    // The diskette stands for the path, which the narrow cell has no room for; every other
    // cell keeps the grid's own drawing.
    if (DataCol != FileColumn || Form.jubQuery->FieldByName("valaszfile")->AsString().empty()) return;
    canvas->FillRect(Rect);
    images->Draw(canvas, Rect.Left, Rect.Top, app::FileImage, true);
}

void VgDBGrid16DblClick(MainWindowShared& Form, TObject*) {
    if (!Form.jubQuery->Active() || Form.jubQuery->IsEmpty() || !ugyadatlap) return;
    TField* selected = Form.Jub().VgDBGrid16->SelectedField();
    if (!selected || selected->FieldName() != "valaszfile") return;
    const String path = Form.jubQuery->FieldByName("valaszfile")->AsString();
    if (!path.empty()) app::OpenListedFile(*ugyadatlap->UtlStarter1, path);
}

void JUB1Click(MainWindowShared& Form, TObject*) {
    BringAreaToFront(Form.jubcontainer, Form.jublista);
}

} // namespace app
