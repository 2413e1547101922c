#include "app/reports/ReportHost.h"

#include "app/reports/ReportTemplates.h"
#include "app/common/MainWindowData.h"
#include "app/common/OfficeSettings.h"

#include "report/build/TrpDataset.h"
#include "report/build/TrpReport.h"
#include "report/common/rpNameLookup.h"

#include "platform/data/TDataSet.h"

namespace app {

TrpDBDataSet* MakeReportDataSet(TComponent* Owner, const String& Name, TDataSet* DataSet,
                                bool OpenDataSource) {
    auto* result = new TrpDBDataSet(Owner);
    result->SetName(Name);
    result->SetDataSet(DataSet);
    result->OpenDataSource = OpenDataSource;
    return result;
}

TrpReport* MakeHostReport(TComponent* Owner, const String& Name, const String& Title, TrpDBDataSet* Dataset,
                          PreviewHelp Help) {
    auto* report = new TrpReport(Owner);
    report->SetName(Name);
    report->Title = Title;
    report->PreviewButtons = {pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbExit};
    if (Help == PreviewHelp::With) report->PreviewButtons.Include(pbHelp);
    report->SetDataset(Dataset);
    LoadReportTemplate(*report, Owner->Name() + "_" + Name);
    return report;
}

void SupplyReportVariable(const String& ParName, Variant& ParValue,
                          std::initializer_list<const char*> Names) {
    bool asked = false;
    for (const char* name : Names)
        asked = asked || ParName == name;
    if (!asked || !Form1) return;
    if (ParName == "REGUSER")
        ParValue = Variant(app::UserName(app::MainWindow()));
    else if (ParName == "PNAME")
        ParValue = Variant(app::ProductName(app::MainWindow()));
    else if (ParName == "REGCIM")
        ParValue = Variant(app::Settings(app::MainWindow()).OfficeAddress);
}

void BindReportDataSet(TrpDBDataSet& Target, const String& Path) {
    Target.SetDataSet(dynamic_cast<TDataSet*>(rpFindComponent(nullptr, Path)));
}

} // namespace app
