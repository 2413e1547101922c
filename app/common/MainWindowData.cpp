#include "app/common/MainWindowData.h"

#include "app/common/MainWindowShared.h"

namespace app {

TSqlite3DB* OfficeDatabase() {
    return Form1 ? MainWindow().Sqlite3DB1 : nullptr;
}

const OfficeSettings& Settings(const MainWindowShared& Form) {
    return Form.Settings();
}

const String& UserName(const MainWindowShared& Form) {
    return Form.UserName();
}

const String& ProductName(const MainWindowShared& Form) {
    return Form.ProductName();
}

const std::vector<Integer>& CaseIds(MainWindowShared& Form) {
    return Form.CaseIds();
}

TSqlite3Query& CaseList(const MainWindowShared& Form) {
    return *Form.Query4;
}

TSqlite3Query& CaseSearch(const MainWindowShared& Form) {
    return *Form.Query5;
}

TSqlite3Query& PersonList(const MainWindowShared& Form) {
    return *Form.Query1;
}

TSqlite3Query& OrganisationList(const MainWindowShared& Form) {
    return *Form.Query3;
}

} // namespace app
