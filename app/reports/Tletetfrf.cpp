#include "app/reports/Tletetfrf.h"

#include "app/reports/ReportHost.h"

#include "report/build/TrpDataset.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpRichView.h"

Tletetfrf* letetfrf = nullptr;

namespace {

struct Binding {
    TrpDBDataSet* Tletetfrf::*Target;
    const char* Path;
};

const Binding Bindings[] = {{&Tletetfrf::rpDBDataSet1, "letet_adatlap.Query1"},
                            {&Tletetfrf::rpDBDataSet2, "letet_adatlap.Query2"},
                            {&Tletetfrf::rpDBDataSet3, "Form1.letetlista_Query1"},
                            {&Tletetfrf::rpDBDataSet4, "Form1.letetlista_Query2"},
                            {&Tletetfrf::rpDBDataSet5, "Form1.partnerQuery1"},
                            {&Tletetfrf::rpDBDataSet6, "Form1.partnerQuery2"},
                            {&Tletetfrf::rpDBDataSet7, "Form1.letetszuresQuery1"},
                            {&Tletetfrf::rpDBDataSet8, "Form1.letetszuresQuery2"},
                            {&Tletetfrf::rpDBDataSet9, "Form1.dokulistquery"},
                            {&Tletetfrf::rpDBDataSet13, "Form1.jubQuery"},
                            {&Tletetfrf::rpDBDataSet14, "ujjub.Query2"},
                            {&Tletetfrf::rpDBDataSet15, "jubmod.Query2"}};

} // namespace

Tletetfrf::Tletetfrf(TComponent* AOwner) : TForm(AOwner) {
    SetName("letetfrf");
    SetCaption("letetfrf");
    rpDBDataSet1 = app::MakeReportDataSet(this, "rpDBDataSet1", nullptr, false);
    rpDBDataSet2 = app::MakeReportDataSet(this, "rpDBDataSet2", nullptr, false);
    rpDBDataSet3 = app::MakeReportDataSet(this, "rpDBDataSet3", nullptr);
    rpDBDataSet4 = app::MakeReportDataSet(this, "rpDBDataSet4", nullptr);
    rpDBDataSet5 = app::MakeReportDataSet(this, "rpDBDataSet5", nullptr);
    rpDBDataSet6 = app::MakeReportDataSet(this, "rpDBDataSet6", nullptr, false);
    rpDBDataSet7 = app::MakeReportDataSet(this, "rpDBDataSet7", nullptr);
    rpDBDataSet8 = app::MakeReportDataSet(this, "rpDBDataSet8", nullptr);
    rpDBDataSet9 = app::MakeReportDataSet(this, "rpDBDataSet9", nullptr);
    rpDBDataSet13 = app::MakeReportDataSet(this, "rpDBDataSet13", nullptr, false);
    rpDBDataSet14 = app::MakeReportDataSet(this, "rpDBDataSet14", nullptr);
    rpDBDataSet15 = app::MakeReportDataSet(this, "rpDBDataSet15", nullptr);

    rpReport1 = app::MakeHostReport(this, "rpReport1", "Letét adatlap", rpDBDataSet1);
    // A printed deposit sheet shows the ledger as the database holds it: its prepared
    // pages are never to be edited before they are printed or saved.
    rpReport1->ModifyPrepared = false;
    rpReport2 = app::MakeHostReport(this, "rpReport2", "Letét lista", rpDBDataSet3);
    rpReport6 = app::MakeHostReport(this, "rpReport6", "Letét szűrt lista", rpDBDataSet7);
    rpReport3 = app::MakeHostReport(this, "rpReport3", "Partner lista", rpDBDataSet5);
    rpReport4 = app::MakeHostReport(this, "rpReport4", "Partner lista", rpDBDataSet6);
    // The document list's preview can print and save too: it is what its print command is for.
    const auto help = app::PreviewHelp::With;
    rpReport10 = app::MakeHostReport(this, "rpReport10", "Dokumentum lista", rpDBDataSet9, help);
    rpReport13 = app::MakeHostReport(this, "rpReport13", "JÜB lista", rpDBDataSet13, help);
    rpReport14 = app::MakeHostReport(this, "rpReport14", "JÜB adatlap", rpDBDataSet14, help);
    rpReport15 = app::MakeHostReport(this, "rpReport15", "JÜB adatlap", rpDBDataSet15, help);
    rpRichObject1 = new TrpRichObject(this);
    rpRichObject1->SetName("rpRichObject1");
    rpReport1->OnGetValue = [this](const String& n, Variant& v) { rpReport1GetValue(n, v); };
    for (TrpReport* report : {rpReport2, rpReport6})
        report->OnGetValue = [this](const String& n, Variant& v) { rpReport2GetValue(n, v); };
    for (TrpReport* report : {rpReport3, rpReport4})
        report->OnGetValue = [this](const String& n, Variant& v) { rpReport3GetValue(n, v); };
    rpReport10->OnGetValue = [this](const String& n, Variant& v) { rpReport10GetValue(n, v); };
    rpReport13->OnGetValue = [this](const String& n, Variant& v) { rpReport13GetValue(n, v); };
    rpReport14->OnGetValue = [this](const String& n, Variant& v) { rpReport14GetValue(n, v); };
    rpReport15->OnGetValue = [this](const String& n, Variant& v) { rpReport15GetValue(n, v); };
}

Tletetfrf::~Tletetfrf() {
    if (letetfrf == this) letetfrf = nullptr;
}

void Tletetfrf::BindDataSets() {
    for (const Binding& b : Bindings)
        app::BindReportDataSet(*(this->*b.Target), b.Path);
}

void Tletetfrf::Print(TrpReport* Report) {
    BindDataSets();
    Report->ShowReport();
}

void Tletetfrf::rpReport1GetValue(const String& ParName, Variant& ParValue) {
    app::SupplyReportVariable(ParName, ParValue, {"REGUSER"});
}

void Tletetfrf::rpReport2GetValue(const String& ParName, Variant& ParValue) {
    app::SupplyReportVariable(ParName, ParValue, {"REGUSER"});
}

void Tletetfrf::rpReport3GetValue(const String& ParName, Variant& ParValue) {
    app::SupplyReportVariable(ParName, ParValue, {"REGUSER"});
}

void Tletetfrf::rpReport10GetValue(const String& ParName, Variant& ParValue) {
    app::SupplyReportVariable(ParName, ParValue, {"REGUSER", "PNAME"});
}

void Tletetfrf::rpReport13GetValue(const String& ParName, Variant& ParValue) {
    app::SupplyReportVariable(ParName, ParValue, {"REGUSER", "PNAME"});
}

void Tletetfrf::rpReport14GetValue(const String& ParName, Variant& ParValue) {
    app::SupplyReportVariable(ParName, ParValue, {"REGUSER", "PNAME", "REGCIM"});
}

void Tletetfrf::rpReport15GetValue(const String& ParName, Variant& ParValue) {
    app::SupplyReportVariable(ParName, ParValue, {"REGUSER", "PNAME", "REGCIM"});
}
