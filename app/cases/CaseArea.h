#pragma once
// The cases area's commands and handlers over the main window: the case list and its
// options, the search, the export, and opening a case or its base data from the lists.
// Only the area's files, the window's menus and their tests include this.
#include "platform/core/Types.h"

class TField;
class TForm1;
class TObject;
class TSqlite3Query;

namespace app {

// Rebuilds the case list's statement from its options and reopens Query4.
void BuildCaseList(TForm1& Form);
// A list option clicked: rebuilds the list unless "Alaphelyzet" is setting the boxes.
void CaseListOptionClick(TForm1& Form, TObject* Sender);
// The list page entered: reopens the list (builds it the first time).
void ugylistacontainerEnter(TForm1& Form, TObject* Sender);
void gxExtSpeedButton6Click(TForm1& Form, TObject* Sender);  // "Keresés": the search page
void gxExtSpeedButton8Click(TForm1& Form, TObject* Sender);  // search "Lekérdezés"
void gxExtSpeedButton9Click(TForm1& Form, TObject* Sender);  // search "Alaphelyzet"
void gxExtSpeedButton10Click(TForm1& Form, TObject* Sender); // search "Exportálás"
void gxExtSpeedButton7Click(TForm1& Form, TObject* Sender);  // "Új ügy"
// The search's counter "<row>/<rows>" (0/0 when closed).
void DataSource4DataChange(TForm1& Form, TObject* Sender, TField* Field);
// The case sheet of the list's / the search's current case.
void VgDBGrid11DblClick(TForm1& Form, TObject* Sender);
void VgDBGrid10DblClick(TForm1& Form, TObject* Sender);
// The base-data dialog of the list's / the search's current case.
void Ugyalapadatainakmodositasa1Click(TForm1& Form, TObject* Sender);
void Ugyalapadatainakmodositasa2Click(TForm1& Form, TObject* Sender);
// Shows the case sheet modally for the case with key CaseId (at least 1).
void ShowCaseSheet(TForm1& Form, Integer CaseId);
// The base-data dialog for the current case of Query, with its origin code.
void ShowBaseDataDialog(TForm1& Form, TSqlite3Query* Query, Integer Origin);
// The current row's case key; 0 when the dataset is closed or empty.
Integer CurrentCaseId(TSqlite3Query* Query);

} // namespace app
