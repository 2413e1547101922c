#pragma once
// The spreadsheet exports of the office's lists: every list exporter writes dates
// as year.month.day with four-digit years and leading zeros, numbers with a decimal
// comma and a no-break space between thousands, "Ft" as currency and the booleans
// as "True"/"False", whatever the desktop's own settings are.
#include "platform/core/Types.h"

#include <initializer_list>

class TComponent;
class TDataSet;
class TSaveDialog;
class TVgEDataFormats;
class TVgExportToXLS;

namespace app {

struct ExportColumn {
    const char* Field;
    const char* Title;
};

// The office's value formats on Formats.
void SetOfficeDataFormats(TVgEDataFormats* Formats);

// A list exporter named Name over Source: columns taken from the dataset with the
// given titles, a title row and a blank row under it, ANSI (Windows) text, column
// and row lines, the wait cursor and a closing message, zeros written.
TVgExportToXLS* MakeListExporter(TComponent* Owner, const String& Name, TDataSet* Source,
                                 std::initializer_list<ExportColumn> Columns);

// A save dialog named Name asking for an "Excel fájl (*.xls)|*.xls".
TSaveDialog* MakeXlsSaveDialog(TComponent* Owner, const String& Name);

// Shown instead of the file dialog when the list to export is not loaded (its last
// reading failed).
inline constexpr const char* ClosedListMessage =
    "A lista nincs betöltve, ezért nem exportálható. Töltse be újra a listát, majd próbálja újra.";

// "Exportálás": asks Dialog for a file name; on OK Exporter writes to it (it shows
// its own messages and keeps its own failures). Cancel writes nothing. A list that is
// not loaded gets ClosedListMessage and no dialog.
void RunExport(TSaveDialog& Dialog, TVgExportToXLS& Exporter);

} // namespace app
