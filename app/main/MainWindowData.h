#pragma once
// What the dialogs and report-host forms use of the main window, without its class: a
// change to TForm1.h rebuilds none of them. Functions that take a form need one.
#include "app/main/Form1.h"
#include "platform/core/Types.h"

#include <vector>

class TSqlite3DB;
class TSqlite3Query;

namespace app {

struct OfficeSettings;

// The window's database connection; nullptr while there is no main window (a dialog
// built on its own).
TSqlite3DB* OfficeDatabase();
// The office settings read at start (zero or empty until read).
const OfficeSettings& Settings(const TForm1& Form);
// The office user's name (the reports' REGUSER) and the product's name (PNAME).
const String& UserName(const TForm1& Form);
const String& ProductName(const TForm1& Form);
// Keys of the active cases behind the case combo boxes, index = item index.
const std::vector<Integer>& CaseIds(TForm1& Form);
// Refills the case combos and CaseIds from the active cases, then the areas' filter
// combos.
void FillCaseCombos(TForm1& Form);
// The case list (Query4) and the case search (Query5).
TSqlite3Query& CaseList(const TForm1& Form);
TSqlite3Query& CaseSearch(const TForm1& Form);
// The natural persons' list (Query1) and the organisations' list (Query3).
TSqlite3Query& PersonList(const TForm1& Form);
TSqlite3Query& OrganisationList(const TForm1& Form);

} // namespace app
