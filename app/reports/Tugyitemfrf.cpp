#include "app/reports/Tugyitemfrf.h"

#include "app/common/StoredDate.h"
#include "app/common/CaseSheetStatements.h"
#include "app/common/QueryRun.h"
#include "app/reports/ReportHost.h"
#include "app/common/MainWindowData.h"

#include "platform/data/TField.h"
#include "platform/ui/TOpenDialog.h"
#include "report/files/TrpRTFExportFilter.h"
#include "report/build/TrpReport.h"
#include "report/script/TrpVariables.h"
#include "sqlite/TSqlite3Query.h"

Tugyitemfrf* ugyitemfrf = nullptr;

namespace {} // namespace

Tugyitemfrf::Tugyitemfrf(TComponent* AOwner) : TForm(AOwner) {
    SetName("ugyitemfrf");
    SetCaption("ugyitemfrf");
    TSqlite3DB* db = app::OfficeDatabase();
    Query1 = app::MakeListQuery(this, "Query1", db);
    Query2 = app::MakeListQuery(this, "Query2", db);
    Query3 = app::MakeListQuery(this, "Query3", db);
    Query4 = app::MakeListQuery(this, "Query4", db);
    // Header, history and persons as text, their dates as stored: '' prints empty, not 1900.
    for (TSqlite3Query* query : {Query1, Query2, Query3})
        query->SetTypeLess(true);
    rpDBDataSet1 = app::MakeReportDataSet(this, "rpDBDataSet1", Query1);
    rpDBDataSet2 = app::MakeReportDataSet(this, "rpDBDataSet2", Query2);
    rpDBDataSet3 = app::MakeReportDataSet(this, "rpDBDataSet3", Query3);
    rpDBDataSet4 = app::MakeReportDataSet(this, "rpDBDataSet4", Query4);
    rpDBDataSet5 =
        app::MakeReportDataSet(this, "rpDBDataSet5", Form1 ? &app::CaseSearch(app::MainWindow()) : nullptr);
    rpReport1 = app::MakeHostReport(this, "rpReport1", "Ügy adatlap", rpDBDataSet1);
    rpReport4 = app::MakeHostReport(this, "rpReport4", "Ügy adatlap nyomtatása", rpDBDataSet5);
    rpRTFExport1 = new TrpRTFExport(this);
    rpRTFExport1->SetName("rpRTFExport1");
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");
    OpenDialog1->SetDefaultExt("rtf");
    OpenDialog1->SetFilter("Rich Text|*.rtf");
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
    app::ShowStoredDates(*Query1, {"datum", "befejezve"});
    app::ShowStoredDates(*Query2, {"datum"});
    app::ShowStoredDates(*Query3, {"szuletesi_ido"});
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
