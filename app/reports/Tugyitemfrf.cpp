#include "app/reports/Tugyitemfrf.h"

#include "app/common/CaseHistory.h"
#include "app/common/CaseSheetStatements.h"
#include "app/common/QueryRun.h"
#include "app/reports/ReportHost.h"
#include "app/main/TForm1.h"

#include "platform/data/TField.h"
#include "report/TrpReport.h"
#include "report/TrpVariables.h"
#include "sqlite/TSqlite3Query.h"

Tugyitemfrf* ugyitemfrf = nullptr;

namespace {

// Dates in the short date format; a text that is no date prints as it is stored.
void ShowDates(TSqlite3Query& Query, std::initializer_list<const char*> Names) {
    for (const char* name : Names)
        if (TField* field = Query.FindField(name))
            field->OnGetText = [](TField* Sender, String& Text, bool) {
                Text = app::HistoryDateText(Sender);
            };
}

} // namespace

Tugyitemfrf::Tugyitemfrf(TComponent* AOwner) : TForm(AOwner) {
    SetName("ugyitemfrf");
    SetCaption("ugyitemfrf");
    TSqlite3DB* db = Form1 ? Form1->Sqlite3DB1 : nullptr;
    Query1 = app::MakeStatementQuery(this, "Query1", db);
    Query2 = app::MakeStatementQuery(this, "Query2", db);
    Query3 = app::MakeStatementQuery(this, "Query3", db);
    Query4 = app::MakeStatementQuery(this, "Query4", db);
    rpDBDataSet1 = app::MakeReportDataSet(this, "rpDBDataSet1", Query1);
    rpDBDataSet2 = app::MakeReportDataSet(this, "rpDBDataSet2", Query2);
    rpDBDataSet3 = app::MakeReportDataSet(this, "rpDBDataSet3", Query3);
    rpDBDataSet4 = app::MakeReportDataSet(this, "rpDBDataSet4", Query4);
    rpDBDataSet5 = app::MakeReportDataSet(this, "rpDBDataSet5", Form1 ? Form1->Query5 : nullptr);
    rpReport1 = app::MakeHostReport(this, "rpReport1", "Ügy adatlap", rpDBDataSet1);
    rpReport4 = app::MakeHostReport(this, "rpReport4", "Ügy adatlap nyomtatása", rpDBDataSet5);
    for (TrpReport* report : {rpReport1, rpReport4})
        report->OnGetValue = [this](const String& ParName, Variant& ParValue) {
            rpReport1GetValue(ParName, ParValue);
        };
}

Tugyitemfrf::~Tugyitemfrf() {
    if (ugyitemfrf == this) ugyitemfrf = nullptr;
}

void Tugyitemfrf::LoadCase(Integer CaseId) {
    // The sheet's own header and history statements, so print and screen agree.
    app::OpenStatement(*Query1, app::CaseHeaderSql(CaseId));
    app::OpenStatement(*Query2, app::CaseHistorySql(CaseId));
    app::OpenStatement(*Query3, app::CasePersonCopiesSql(CaseId));
    app::OpenStatement(*Query4, app::CaseOrganisationCopiesSql(CaseId));
    // Fields are made anew at each opening.
    ShowDates(*Query1, {"datum", "befejezve"});
    ShowDates(*Query2, {"datum"});
    ShowDates(*Query3, {"szuletesi_ido"});
}

void Tugyitemfrf::PrintCaseSheet(Integer CaseId) {
    LoadCase(CaseId);
    if (rpVariables) rpVariables->SetVariable("REGUSER", Variant(String("felhasználó")));
    rpReport1->ShowReport();
}

void Tugyitemfrf::PrintCaseList() {
    rpReport4->ShowReport();
}

void Tugyitemfrf::rpReport1GetValue(const String& ParName, Variant& ParValue) {
    app::SupplyReportVariable(ParName, ParValue, {"REGUSER", "PNAME"});
}
