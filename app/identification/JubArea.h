#pragma once
// The client identification area's commands over the main window: its filtered list
// of queries, the list's grid handlers, its export and the edit dialog. Only the
// area's files, the window and the dialogs that refresh the list include this.
#include "platform/core/Types.h"

class TObject;
struct TRect;

namespace app {

class MainWindowShared;

// "Lekérdezés": the queries that pass the filter strip.
void RunJubList(MainWindowShared& Form);
// Reruns the list's last statement on the same row (nothing before the first run).
void ReopenJubList(MainWindowShared& Form);
// "Alaphelyzet": name emptied, no case, pickers today and unchecked, "Mind"; no query.
void ResetJubFilter(MainWindowShared& Form);
// Exports an open list that holds queries.
void ExportJubList(MainWindowShared& Form);
// "Módosít": the edit dialog for the current query; nothing without one.
void EditJub(MainWindowShared& Form);
void VgDBGrid16DrawColumnCell(MainWindowShared& Form, TObject* Sender, const TRect& Rect, Integer DataCol);
// On the answer file's cell: opens the file, or says it is missing.
void VgDBGrid16DblClick(MainWindowShared& Form, TObject* Sender);

// The area's filter strip, list and settings page on the window's client
// identification area.
void CreateJubArea(MainWindowShared& Form);
// Menu and start-page command: the list page in front.
void JUB1Click(MainWindowShared& Form, TObject* Sender);

} // namespace app
