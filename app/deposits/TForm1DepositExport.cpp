// The deposit list's and the deposit search's "Exportálás": a file name from the save
// dialog, then the page's rows written to that spreadsheet file.
#include "app/common/AreaLayout.h"
#include "app/common/OfficeExport.h"
#include "app/deposits/DepositArea.h"
#include "app/common/MainWindowShared.h"
#include "app/deposits/TForm1DepositParts.h"

#include "controls/buttons/TgxExtSpeedButton.h"
#include "export/TVgExportToXLS.h"
#include "export/VgEColumns.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSaveDialog.h"
#include "sqlite/TSqlite3Query.h"

namespace {

TVgExportToXLS* MakeDepositExporter(app::MainWindowShared* Form, const String& Name, TSqlite3Query* Source) {
    TVgExportToXLS* exporter = app::MakeListExporter(Form, Name, Source,
                                                     {{"letevo", "Letevő"},
                                                      {"kedvezmenyezett", "Jogosult"},
                                                      {"betet", "Dátum"},
                                                      {"sznev", "Számla"},
                                                      {"letetosszeg", "Egyenleg"},
                                                      {"pnev", "Projekt"},
                                                      {"megjegyzes", "Megjegyzés"}});
    exporter->SetOptions(exporter->Options() + TVgOptions{soExportBands});
    return exporter;
}

void AddExportButton(app::MainWindowShared* Form, TPanel* Page, const String& Name,
                     std::function<void()> Action) {
    auto* strip = static_cast<TWinControl*>(Form->FindComponent(Page->Name() + "Title"));
    TgxExtSpeedButton* button =
        app::MakeToolButton(Form, strip, Name, "Exportálás", strip->Width() - 104, 3, 84);
    button->SetAnchors(TAnchors{akTop, akRight});
    button->OnClick = [Action](TObject*) { Action(); };
}

} // namespace

namespace app {

void CreateDepositExports(MainWindowShared& Form) {
    TForm1DepositParts& p = Form.Deposits();
    // The list exports dates as dates and balances as whole numbers, zeros blank; the
    // search exports balances as currency.
    p.letetlista_ToXLS1 = MakeDepositExporter(&Form, "letetlista_ToXLS1", Form.letetlista_Query1);
    p.letetlista_ToXLS1->SetOptions(p.letetlista_ToXLS1->Options() + TVgOptions{soExportBlankValues});
    p.letetlista_ToXLS1->SetBlankIfZero(true);
    // The list's files keep the layout of those the office already keeps: a band row of blank
    // cells (a band named after each column, none placed over a column), then the titles,
    // the blank row and the deposits.
    for (Integer i = 0; i < p.letetlista_ToXLS1->Columns()->Count(); ++i)
        p.letetlista_ToXLS1->Bands()->Add()->SetCaption(
            p.letetlista_ToXLS1->Columns()->Items(i)->Title()->Caption());
    p.letetlista_ToXLS1->Columns()->Items(2)->SetDataType(ctDate);
    p.letetlista_ToXLS1->Columns()->Items(4)->SetDataType(ctInteger);

    p.letetkeresToXLS = MakeDepositExporter(&Form, "letetkeresToXLS", Form.letetszuresQuery1);
    p.letetkeresToXLS->Columns()->Items(4)->SetDataType(ctCurrency);

    AddExportButton(&Form, Form.letetlista, "gxExtSpeedButton19", [&Form] { app::ExportDepositList(Form); });
    AddExportButton(&Form, Form.letetkereses, "gxExtSpeedButton20",
                    [&Form] { app::ExportDepositSearch(Form); });
}

void ExportDepositList(MainWindowShared& Form) {
    // A list never opened writes what it holds from the start, as its print does.
    if (!Form.letetlista_Query1->Active()) Form.letetlista_Query1->Open();
    app::RunExport(*Form.SaveDialog1, *Form.Deposits().letetlista_ToXLS1);
}

void ExportDepositSearch(MainWindowShared& Form) {
    // Before the first search there is nothing to write.
    if (Form.letetszuresQuery1->Active()) app::RunExport(*Form.SaveDialog1, *Form.Deposits().letetkeresToXLS);
}

} // namespace app
