#include "app/main/MainWindowData.h"

#include "app/main/TForm1.h"

namespace app {

TSqlite3DB* OfficeDatabase() {
    return Form1 ? Form1->Sqlite3DB1 : nullptr;
}

const OfficeSettings& Settings(const TForm1& Form) {
    return Form.Settings();
}

const String& UserName(const TForm1& Form) {
    return Form.UserName();
}

const String& ProductName(const TForm1& Form) {
    return Form.ProductName();
}

const std::vector<Integer>& CaseIds(TForm1& Form) {
    return Form.CaseIds();
}

void FillCaseCombos(TForm1& Form) {
    Form.FillCaseCombos();
}

TSqlite3Query& CaseList(const TForm1& Form) {
    return *Form.Query4;
}

TSqlite3Query& CaseSearch(const TForm1& Form) {
    return *Form.Query5;
}

TSqlite3Query& PersonList(const TForm1& Form) {
    return *Form.Query1;
}

TSqlite3Query& OrganisationList(const TForm1& Form) {
    return *Form.Query3;
}

} // namespace app
