#pragma once
// The cases area's commands and handlers over the main window: the case list and its
// options, the search, the export, and opening a case or its base data from the lists.
// Only the area's files, the window's menus and their tests include this.
#include "platform/core/Types.h"

class TField;
class TObject;
class TSqlite3Query;
class TWinControl;
namespace app {

class MainWindowShared;

// Rebuilds the case list's statement from its options and reopens Query4.
void BuildCaseList(MainWindowShared& Form);
// A list option clicked: rebuilds the list unless "Alaphelyzet" is setting the boxes.
void CaseListOptionClick(MainWindowShared& Form, TObject* Sender);
// The list page entered: reopens the list (builds it the first time).
void ugylistacontainerEnter(MainWindowShared& Form, TObject* Sender);
void gxExtSpeedButton6Click(MainWindowShared& Form, TObject* Sender);  // "Keresés": the search page
void gxExtSpeedButton8Click(MainWindowShared& Form, TObject* Sender);  // search "Lekérdezés"
void gxExtSpeedButton9Click(MainWindowShared& Form, TObject* Sender);  // search "Alaphelyzet"
void gxExtSpeedButton10Click(MainWindowShared& Form, TObject* Sender); // search "Exportálás"
void gxExtSpeedButton7Click(MainWindowShared& Form, TObject* Sender);  // "Új ügy"
// The search's counter "<row>/<rows>" (0/0 when closed).
void DataSource4DataChange(MainWindowShared& Form, TObject* Sender, TField* Field);
// The case sheet of the list's / the search's current case.
void VgDBGrid11DblClick(MainWindowShared& Form, TObject* Sender);
void VgDBGrid10DblClick(MainWindowShared& Form, TObject* Sender);
// The base-data dialog of the list's / the search's current case.
void Ugyalapadatainakmodositasa1Click(MainWindowShared& Form, TObject* Sender);
void Ugyalapadatainakmodositasa2Click(MainWindowShared& Form, TObject* Sender);
// Shows the case sheet modally for the case with key CaseId (at least 1).
void ShowCaseSheet(MainWindowShared& Form, Integer CaseId);
// The base-data dialog for the current case of Query, with its origin code.
void ShowBaseDataDialog(MainWindowShared& Form, TSqlite3Query* Query, Integer Origin);
// The current row's case key; 0 when the dataset is closed or empty.
Integer CurrentCaseId(TSqlite3Query* Query);

// The area's navigation buttons, list and search pages, grids and export on the window's
// cases area, each page filled by its own builder; the handlers go on last.
void CreateCasesArea(MainWindowShared& Form);
void CreateCaseListPage(MainWindowShared& Form);
void CreateCaseSearchPage(MainWindowShared& Form);
void CreateCaseGrids(MainWindowShared& Form);
void CreateCaseExport(MainWindowShared& Form, TWinControl* TitleStrip);
// Menu and start-page commands: the list rebuilt in front, the search page in front, and
// the list in front with the new-case dialog over it.
void Ugylista1Click(MainWindowShared& Form, TObject* Sender);
void Ugykereses1Click(MainWindowShared& Form, TObject* Sender);
void Ujugy1Click(MainWindowShared& Form, TObject* Sender);
// Refills CaseIds and the case combo boxes of the areas and of the registry's entry
// dialogs (those made by then) from the active cases.
void FillCaseCombos(MainWindowShared& Form);

} // namespace app
