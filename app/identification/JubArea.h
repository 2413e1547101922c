#pragma once
// The client identification area's commands over the main window: its filtered list
// of queries, the list's grid handlers, its export and the edit dialog. Only the
// area's files, the window and the dialogs that refresh the list include this.
#include "platform/core/Types.h"

class TForm1;
class TObject;
struct TRect;

namespace app {

// "Lekérdezés": the queries that pass the filter strip.
void RunJubList(TForm1& Form);
// Reruns the list's last statement on the same row (nothing before the first run).
void ReopenJubList(TForm1& Form);
// "Alaphelyzet": name emptied, no case, pickers today and unchecked, "Mind"; no query.
void ResetJubFilter(TForm1& Form);
// Exports an open list that holds queries.
void ExportJubList(TForm1& Form);
// "Módosít": the edit dialog for the current query; nothing without one.
void EditJub(TForm1& Form);
void VgDBGrid16DrawColumnCell(TForm1& Form, TObject* Sender, const TRect& Rect, Integer DataCol);
// On the answer file's cell: opens the file, or says it is missing.
void VgDBGrid16DblClick(TForm1& Form, TObject* Sender);

} // namespace app
