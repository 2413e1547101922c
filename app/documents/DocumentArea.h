#pragma once
// The documents area's commands over the main window: its filtered list, the list's
// grid handlers and its export. Only the area's files, the window and the dialogs that
// refresh the list include this.
#include "platform/core/Types.h"

class TForm1;
class TObject;
struct TRect;

namespace app {

// "Lekérdezés": the entries with a file that pass the filter.
void RunDocumentList(TForm1& Form);
// Reruns the list's last statement (nothing before the first run).
void ReopenDocumentList(TForm1& Form);
// The date pickers to today and unchecked (on show, and part of "Alaphelyzet").
void ResetDocumentDates(TForm1& Form);
// "Alaphelyzet": pickers to today and unchecked, flags off, "Készült", no case.
void ResetDocumentFilter(TForm1& Form);
void ExportDocumentList(TForm1& Form);
// Opens the file of the current row when the file column is selected, else the
// document dialog; nothing on an empty list.
void VgDBGrid12DblClick(TForm1& Form, TObject* Sender);
void VgDBGrid12DrawColumnCell(TForm1& Form, TObject* Sender, const TRect& Rect, Integer DataCol);

} // namespace app
