// The documents area: the history entries that carry a file, filtered by case, date
// range and retention flags; the grid marks files and set flags with images, opens a
// file or the document dialog on double-click, and exports the list.
#include "app/common/AreaLayout.h"
#include "app/common/StoredDate.h"
#include "app/documents/DocumentStatements.h"
#include "app/common/CaseHistory.h"
#include "app/common/CaseSheetImages.h"
#include "app/common/FormControls.h"
#include "app/common/ListGrid.h"
#include "app/common/OfficeExport.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowShared.h"
#include "app/documents/DocumentArea.h"
#include "app/documents/Tdokulap.h"
#include "app/documents/Tdokusetform.h"
#include "app/cases/Tugyadatlap.h"
#include "app/documents/TForm1DocumentParts.h"

#include "controls/services/TUtlStarter.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "export/TVgExportToXLS.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/DateTime.h"
#include "platform/core/FileUtils.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TStrings.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TSaveDialog.h"
#include "sqlite/TSqlite3Query.h"

using app::MakeLabel;

namespace {

constexpr Integer FileColumn = 3;
constexpr Integer KeepColumn = 6;
constexpr Integer ArchiveColumn = 7;
constexpr Integer FirstHiddenColumn = 8;

// Dates in the user's short format; the flags show only as images (their text is empty).
void SetDocumentTexts(TSqlite3Query& Query) {
    app::ShowStoredDates(Query, {"datum", "orzesi_hatarido"});
    for (const char* name : {"orzendo", "archivalando"})
        Query.FieldByName(name)->OnGetText = [](TField*, String& Text, bool) { Text.clear(); };
}

} // namespace

namespace app {

void CreateDocumentsArea(MainWindowShared& Form) {
    TForm1DocumentParts& p = Form.Documents();
    Form.dokulistquery = app::MakeListQuery(&Form, "dokulistquery", Form.Sqlite3DB1);
    Form.dokulistquery->SetTypeLess(true); // every field text, dates as stored: '' is no date
    p.DataSource5 = new TDataSource(&Form);
    p.DataSource5->SetName("DataSource5");
    p.DataSource5->SetDataSet(Form.dokulistquery);

    auto* page = static_cast<TPanel*>(Form.FindComponent("dokupage"));
    TPanel* strip = app::MakePanel(&Form, page, "dokuszuro", alTop);
    strip->SetTop(app::PageTitleHeight);
    strip->SetHeight(64);
    MakeLabel(&Form, strip, "Label60", "Ügy:", 12, 11);
    Form.ComboBox7 = app::MakeChoiceCombo(&Form, strip, "ComboBox7", 48, 8, 250);
    MakeLabel(&Form, strip, "Label61", "Dátum:", 312, 11);
    p.DateTimePicker2 = app::MakeDatePicker(&Form, strip, "DateTimePicker2", 354, 8, 110);
    p.DateTimePicker3 = app::MakeDatePicker(&Form, strip, "DateTimePicker3", 470, 8, 110);
    for (TDateTimePicker* picker : {p.DateTimePicker2, p.DateTimePicker3}) {
        picker->SetShowCheckbox(true);
        picker->SetChecked(false);
    }
    TPanel* target = app::MakePanel(&Form, strip, "dokudatumtipus", alNone);
    target->SetParentColor(true);
    target->SetBounds(8, 36, 220, 20);
    p.RadioButton34 = app::MakeRadioButton(&Form, target, "RadioButton34", "Készült", 4, 2, 70);
    p.RadioButton35 = app::MakeRadioButton(&Form, target, "RadioButton35", "Őrzési határidő", 80, 2, 120);
    p.RadioButton34->SetChecked(true);
    p.CheckBox19 = app::MakeCheckBox(&Form, strip, "CheckBox19", "Őrzendő:", 230, 38, 76);
    p.CheckBox20 = app::MakeCheckBox(&Form, strip, "CheckBox20", "Archiválandó:", 312, 38, 96);
    app::MakeToolButton(&Form, strip, "gxExtSpeedButton51", "Lekérdezés", 440, 34, 84, "Keresés indítása")
        ->OnClick = [&Form](TObject*) { app::RunDocumentList(Form); };
    app::MakeToolButton(&Form, strip, "gxExtSpeedButton50", "Alaphelyzet", 530, 34, 84)->OnClick =
        [&Form](TObject*) { app::ResetDocumentFilter(Form); };
    auto* title = static_cast<TWinControl*>(Form.FindComponent("dokupageTitle"));
    TgxExtSpeedButton* exportButton =
        app::MakeToolButton(&Form, title, "gxExtSpeedButton48", "Exportálás", title->Width() - 104, 3, 84);
    exportButton->SetAnchors(TAnchors{akTop, akRight});
    exportButton->OnClick = [&Form](TObject*) { app::ExportDocumentList(Form); };

    p.VgDBGrid12 = app::MakeAreaGrid(&Form, page, "VgDBGrid12",
                                     {{"ugynev", "Ügy", 286},
                                      {"ugyszam", "Ügyszám", 83},
                                      {"dokszam", "Dok#", 33},
                                      {"ufile", "Fájl", 30},
                                      {"datum", "Dátum", 0},
                                      {"orzesi_hatarido", "Őrzési határidő", 77},
                                      {"orzendo", "Őrzendő", 27},
                                      {"archivalando", "Archiválandó", 25},
                                      {"checksum_type", "Hash", 0},
                                      {"checksum_value", "Hash érték", 0},
                                      {"bekerulesi_datum", nullptr, 0},
                                      {"orzendotext", nullptr, 0},
                                      {"archivalandotext", nullptr, 0}});
    // The hash, the date of entry and the flags as words are columns too, hidden.
    for (Integer i = FirstHiddenColumn; i < p.VgDBGrid12->GetColumns()->Count(); ++i)
        p.VgDBGrid12->GetColumns()->GetColumn(i)->SetVisible(false);
    p.VgDBGrid12->SetOptions({dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                              dgConfirmDelete, dgCancelOnExit});
    p.VgDBGrid12->SetExOptions({eoBooleanAsCheckBox, eoCellHint, eoDisableDelete, eoDisableInsert,
                                eoENTERlikeTAB, eoFixedLikeColumn, eoKeepSelection, eoBLOBEditor,
                                eoTitleWordWrap, eoFilterAutoApply});
    p.VgDBGrid12->SetReadOnly(true);
    p.VgDBGrid12->SetScrollBars(ssHorizontal);
    p.VgDBGrid12->SetDataSource(p.DataSource5);
    p.VgDBGrid12->OnDrawColumnCell = [&Form](TObject* Sender, const TRect& Rect, Integer DataCol, TColumn*,
                                             TGridDrawState) {
        app::VgDBGrid12DrawColumnCell(Form, Sender, Rect, DataCol);
    };
    p.VgDBGrid12->OnDblClick = [&Form](TObject* Sender) { app::VgDBGrid12DblClick(Form, Sender); };

    p.dokulistToXLS = app::MakeListExporter(&Form, "dokulistToXLS", Form.dokulistquery,
                                            {{"ugynev", "Ügy"},
                                             {"ugyszam", "Ügyszám"},
                                             {"dokszam", "Dokumentum"},
                                             {"ufile", "Fájl"},
                                             {"datum", "Dátum"},
                                             {"orzesi_hatarido", "Őrzési határidő"},
                                             {"orzendotext", "Őrzendő"},
                                             {"archivalandotext", "Archiválandó"}});
    p.dokulistToXLS->SetKeyGenerator("VgExport 4.77");
}

void RunDocumentList(MainWindowShared& Form) {
    TForm1DocumentParts& p = Form.Documents();
    app::DocumentFilter f;
    const Integer index = Form.ComboBox7->ItemIndex();
    if (index >= 0 && index < static_cast<Integer>(Form.CaseIds().size())) f.CaseId = Form.CaseIds()[index];
    if (p.DateTimePicker2->Checked()) f.From = p.DateTimePicker2->Date();
    if (p.DateTimePicker3->Checked()) f.To = p.DateTimePicker3->Date();
    f.ByDeadline = !p.RadioButton34->Checked();
    f.KeepOnly = p.CheckBox19->Checked();
    f.ArchiveOnly = p.CheckBox20->Checked();
    Form.dokulistquery->DisableControls();
    const core::ScopeExit showAgain([&Form] { Form.dokulistquery->EnableControls(); });
    app::OpenStatement(*Form.dokulistquery, app::DocumentListSql(f));
    SetDocumentTexts(*Form.dokulistquery);
}

void ReopenDocumentList(MainWindowShared& Form) {
    if (Form.dokulistquery->SQL()->Count() == 0) return;
    Form.dokulistquery->DisableControls();
    const core::ScopeExit showAgain([&Form] { Form.dokulistquery->EnableControls(); });
    app::Reopen(*Form.dokulistquery);
    SetDocumentTexts(*Form.dokulistquery);
}

void ResetDocumentDates(MainWindowShared& Form) {
    TForm1DocumentParts& p = Form.Documents();
    for (TDateTimePicker* picker : {p.DateTimePicker2, p.DateTimePicker3}) {
        picker->SetDate(Date());
        picker->SetChecked(false);
    }
}

void ResetDocumentFilter(MainWindowShared& Form) {
    TForm1DocumentParts& p = Form.Documents();
    ResetDocumentDates(Form);
    p.CheckBox19->SetChecked(false);
    p.CheckBox20->SetChecked(false);
    p.RadioButton34->SetChecked(true);
    Form.ComboBox7->SetItemIndex(-1);
}

void ExportDocumentList(MainWindowShared& Form) {
    app::RunExport(*Form.SaveDialog1, *Form.Documents().dokulistToXLS);
}

void VgDBGrid12DrawColumnCell(MainWindowShared& Form, TObject*, const TRect& Rect, Integer DataCol) {
    if (!ugyadatlap) return;
    TImageList* images = ugyadatlap->ImageList1;
    TCanvas* canvas = Form.Documents().VgDBGrid12->Canvas();
    if (DataCol == FileColumn) {
        canvas->FillRect(Rect);
        images->Draw(canvas, Rect.Left, Rect.Top, app::FileImage, true);
        return;
    }
    const char* flag = DataCol == KeepColumn      ? "orzendo"
                       : DataCol == ArchiveColumn ? "archivalando"
                                                  : nullptr;
    if (flag && Form.dokulistquery->FieldByName(flag)->AsString() == "1")
        images->Draw(canvas, Rect.Left, Rect.Top, app::TickImage, true);
}

void VgDBGrid12DblClick(MainWindowShared& Form, TObject*) {
    if (!Form.dokulistquery->Active() || Form.dokulistquery->IsEmpty()) return;
    TField* selected = Form.Documents().VgDBGrid12->SelectedField();
    if (selected && selected->FieldName() == "ufile") {
        app::OpenListedFile(*ugyadatlap->UtlStarter1, Form.dokulistquery->FieldByName("ufile")->AsString());
        return;
    }
    dokulap->ItemId = static_cast<Integer>(Form.dokulistquery->FieldByName("sorszam")->AsInteger());
    dokulap->ShowModal();
}

void Dokumentumkezeles2Click(MainWindowShared& Form, TObject*) {
    Form.dokupanel->BringToFront();
}

void Dokumentumbeallitas1Click(MainWindowShared& Form, TObject*) {
    dokusetform->ShowModal();
}

} // namespace app
