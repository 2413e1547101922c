#include "app/common/OfficeExport.h"

#include "export/TVgExportToXLS.h"
#include "export/VgEColumns.h"
#include "export/VgEDataFormats.h"
#include "platform/data/TDataSet.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TSaveDialog.h"

namespace app {

void SetOfficeDataFormats(TVgEDataFormats* Formats) {
    Formats->SetDateOrder(doYMD);
    Formats->SetDateSeparator(".");
    Formats->SetTimeSeparator(":");
    Formats->SetFourDigitYear(true);
    Formats->SetLeadingZerosInDate(true);
    Formats->SetThousandSeparator("\u00A0"); // the no-break space
    Formats->SetDecimalSeparator(",");
    Formats->SetCurrencyString("Ft");
    Formats->SetBooleanTrue("True");
    Formats->SetBooleanFalse("False");
    Formats->SetUseRegionalSettings(false);
}

TVgExportToXLS* MakeListExporter(TComponent* Owner, const String& Name, TDataSet* Source,
                                 std::initializer_list<ExportColumn> Columns) {
    auto* exporter = new TVgExportToXLS(Owner);
    exporter->SetName(Name);
    exporter->SetColumnSource(csDataSet);
    exporter->SetDataSet(Source);
    exporter->SetAddTitle(true);
    exporter->SetCharacterSet(csANSI_WINDOWS);
    exporter->SetAnimatedStatus(true);
    exporter->SetKeyGenerator("Adatexport");
    exporter->SetBlankIfZero(false);
    exporter->SetOptions(
        {soShowMessage, soBlankRowAfterCaptions, soWaitCursor, soDisableControls, soColLines, soRowLines});
    SetOfficeDataFormats(exporter->DataFormats());
    for (const ExportColumn& c : Columns) {
        TVgEColumn* column = exporter->Columns()->Add();
        column->SetFieldName(c.Field);
        column->Title()->SetCaption(c.Title);
    }
    return exporter;
}

TSaveDialog* MakeXlsSaveDialog(TComponent* Owner, const String& Name) {
    auto* dialog = new TSaveDialog(Owner);
    dialog->SetName(Name);
    dialog->SetFilter("Excel fájl (*.xls)|*.xls");
    return dialog;
}

void RunExport(TSaveDialog& Dialog, TVgExportToXLS& Exporter) {
    if (Exporter.DataSet() && !Exporter.DataSet()->Active()) {
        MessageBox(nullptr, ClosedListMessage, "Figyelmeztetés!", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!Dialog.Execute()) return;
    Exporter.SetFileName(Dialog.FileName());
    Exporter.Execute();
}

} // namespace app
