#pragma once
// The documents area's commands over the main window: its filtered list, the list's
// grid handlers and its export. Only the area's files, the window and the dialogs that
// refresh the list include this.
#include "platform/core/Types.h"

class TObject;
struct TRect;

namespace app {

class MainWindowShared;

// "Lekérdezés": the entries with a file that pass the filter.
void RunDocumentList(MainWindowShared& Form);
// Reruns the list's last statement (nothing before the first run).
void ReopenDocumentList(MainWindowShared& Form);
// The date pickers to today and unchecked (on show, and part of "Alaphelyzet").
void ResetDocumentDates(MainWindowShared& Form);
// "Alaphelyzet": pickers to today and unchecked, flags off, "Készült", no case.
void ResetDocumentFilter(MainWindowShared& Form);
void ExportDocumentList(MainWindowShared& Form);
// Opens the file of the current row when the file column is selected, else the
// document dialog; nothing on an empty list.
void VgDBGrid12DblClick(MainWindowShared& Form, TObject* Sender);
void VgDBGrid12DrawColumnCell(MainWindowShared& Form, TObject* Sender, const TRect& Rect, Integer DataCol);

// The area's filter strip and list on the window's documents area.
void CreateDocumentsArea(MainWindowShared& Form);
// Menu commands: the area in front; the documents' settings dialog.
void Dokumentumkezeles2Click(MainWindowShared& Form, TObject* Sender);
void Dokumentumbeallitas1Click(MainWindowShared& Form, TObject* Sender);

} // namespace app
