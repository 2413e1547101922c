#pragma once
// What the dialogs and report-host forms use of the main window, without its class or
// its shared parts' declaration: a change to either rebuilds none of them. Functions
// that take the window need one (app::MainWindow()).
#include "app/common/Form1.h"
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
const OfficeSettings& Settings(const MainWindowShared& Form);
// The office user's name (the reports' REGUSER) and the product's name (PNAME).
const String& UserName(const MainWindowShared& Form);
const String& ProductName(const MainWindowShared& Form);
// Keys of the active cases behind the case combo boxes, index = item index.
const std::vector<Integer>& CaseIds(MainWindowShared& Form);
// The case list (Query4) and the case search (Query5).
TSqlite3Query& CaseList(const MainWindowShared& Form);
TSqlite3Query& CaseSearch(const MainWindowShared& Form);
// The natural persons' list (Query1) and the organisations' list (Query3).
TSqlite3Query& PersonList(const MainWindowShared& Form);
TSqlite3Query& OrganisationList(const MainWindowShared& Form);

} // namespace app
