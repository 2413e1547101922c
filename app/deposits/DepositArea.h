#pragma once
// The deposits area's commands over the main window: its pages, list, search,
// settings and dialogs. Only the area's files, the window's menus and the dialogs that
// refresh the area's lists include this.
#include "platform/core/Types.h"

class TObject;
class TSqlite3Query;

namespace app {

class MainWindowShared;

// Rebuilds the deposit list from its options and reopens it with its footer total.
void ReloadDepositList(MainWindowShared& Form);
// The side button and menu entry "Letét lista": the page to front, the list rebuilt.
void ReloadDepositListPage(MainWindowShared& Form);
void ShowDepositSearchPage(MainWindowShared& Form);
// Reruns the list's current statement with its total; a list never built is built from the
// page's options.
void ReopenDepositList(MainWindowShared& Form);
// "Lekérdezés": runs the search from the page's boxes, with its footer total.
void RunDepositSearch(MainWindowShared& Form);
// "Alaphelyzet": no account or project chosen, name boxes emptied; nothing reruns.
void ResetDepositSearch(MainWindowShared& Form);
// Reopens the search and its total after a dialog changed a deposit.
void ReopenDepositSearch(MainWindowShared& Form);
// "Rögzít" of the settings page: a new account / project when its name is given; its boxes
// are emptied before its table is read again, a failure of which raises
// ListNotReadAgainMessage (CloseAsStored.h).
void AddDepositAccount(MainWindowShared& Form);
void AddDepositProject(MainWindowShared& Form);
void OpenDepositSettings(MainWindowShared& Form);
// Empties the settings page's two "Megj:" memos (on show).
void ClearDepositSettingsNotes(MainWindowShared& Form);
// "Exportálás" of the list and of the search pages.
void ExportDepositList(MainWindowShared& Form);
void ExportDepositSearch(MainWindowShared& Form);
// The deposit sheet / base-data dialog for the current row of Query (origin 1 list,
// 2 search); nothing when there is no row. A sheet already open turns to that deposit and
// comes to the front, modal or not.
void ShowDepositSheet(MainWindowShared& Form, TSqlite3Query* Query, Integer Origin, bool Modal);
void ShowDepositBaseData(MainWindowShared& Form, TSqlite3Query* Query, Integer Origin);
void ShowNewDeposit(MainWindowShared& Form);
// Menu command "Új letét": the list page in front with the new-deposit dialog over it.
void Ujletet1Click(MainWindowShared& Form, TObject* Sender);
// Refills the search's account and project combos (part of FillFilterCombos).
void FillDepositFilterCombos(MainWindowShared& Form);

// The area's list, search and settings pages with their grids and exports on the
// window's deposits area.
void CreateDepositsArea(MainWindowShared& Form);
void CreateDepositListPages(MainWindowShared& Form);
void CreateDepositSettingsPage(MainWindowShared& Form);
void CreateDepositGrids(MainWindowShared& Form);
void CreateDepositExports(MainWindowShared& Form);

} // namespace app
