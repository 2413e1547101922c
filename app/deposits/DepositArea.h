#pragma once
// The deposits area's commands over the main window: its pages, list, search,
// settings and dialogs. Only the area's files, the window's menus and the dialogs that
// refresh the area's lists include this.
#include "platform/core/Types.h"

class TForm1;
class TSqlite3Query;

namespace app {

// Rebuilds the deposit list from its options and reopens it with its footer total.
void ReloadDepositList(TForm1& Form);
// The side button and menu entry "Letét lista": the page to front, the list rebuilt.
void ReloadDepositListPage(TForm1& Form);
void ShowDepositSearchPage(TForm1& Form);
// Reruns the list's current statement with its total (a list never built stays closed).
void ReopenDepositList(TForm1& Form);
// "Lekérdezés": runs the search from the page's boxes, with its footer total.
void RunDepositSearch(TForm1& Form);
// "Alaphelyzet": no account or project chosen, name boxes emptied; nothing reruns.
void ResetDepositSearch(TForm1& Form);
// Reopens the search and its total after a dialog changed a deposit.
void ReopenDepositSearch(TForm1& Form);
// "Rögzít" of the settings page: a new account / project when its name is given.
void AddDepositAccount(TForm1& Form);
void AddDepositProject(TForm1& Form);
void OpenDepositSettings(TForm1& Form);
// Empties the settings page's two "Megj:" memos (on show).
void ClearDepositSettingsNotes(TForm1& Form);
// "Exportálás" of the list and of the search pages.
void ExportDepositList(TForm1& Form);
void ExportDepositSearch(TForm1& Form);
// The deposit sheet / base-data dialog for the current row of Query (origin 1 list,
// 2 search); nothing when there is no row.
void ShowDepositSheet(TForm1& Form, TSqlite3Query* Query, Integer Origin, bool Modal);
void ShowDepositBaseData(TForm1& Form, TSqlite3Query* Query, Integer Origin);
void ShowNewDeposit(TForm1& Form);
// Refills the search's account and project combos (part of FillFilterCombos).
void FillDepositFilterCombos(TForm1& Form);

} // namespace app
