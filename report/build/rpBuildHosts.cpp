#include "report/build/detail/rpBuildHosts.h"

#include "report/build/TrpBand.h"
#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"
#include "report/script/detail/TrpStdFunctionLibrary.h"
#include "report/build/detail/rpBuild.h"
#include "report/build/rpProgress.h"

namespace report {

BuildState rpBuild;
std::function<void(Integer n)> rpBuildProgress;
std::function<void()> rpProcessMessages;

AggregateBand* BuildHosts::AggregationBand() {
    return AccumulatingBand ? AccumulatingBand : CurBand;
}

AggregateBand* BuildHosts::CurrentBand() {
    return CurBand;
}

Integer BuildHosts::CurrentColumn() const {
    return CurPage ? CurPage->CurColumn : 0;
}

bool BuildHosts::MultiColumn() const {
    return CurPage && CurPage->ColumnCount > 1;
}

TrpView* BuildHosts::FindObject(const String& Name) {
    return CurPage ? CurPage->FindRTObject(Name) : nullptr;
}

Integer BuildHosts::FreeSpace() {
    return CurPage ? CurPage->CurBottomY - CurPage->CurY : 0;
}

Variant BuildHosts::SpecialValue(SpecialVariable Index) {
    // The line counters of a band without a data source are its chain's first band's.
    TrpBand* band = CurBand;
    if (band && !band->DataSet && band->Parent && band->Parent->Initialized)
        band = band->Parent->Bands[band->Typ];
    switch (Index) {
    case svPage:
        return Variant(PageNo + 1);
    case svDate:
        return Variant::FromDateTime(rpBuild.BuildDate);
    case svTime:
        return Variant::FromDateTime(rpBuild.BuildTime);
    case svLine:
        return Variant(band ? band->LocalRecNo : 0);
    case svLineThrough:
        return Variant(band ? band->ThroughRecNo : 0);
    case svColumn:
        return Variant(CurPage ? CurPage->ColPos : 0);
    case svCurrent:
        return Variant(CurPage ? CurPage->CurrentRecNo : 0);
    case svTotalPages:
        return Variant(rpBuild.TotalPages);
    }
    return Variant();
}

BuildScope::BuildScope(TrpReport* Report)
    : FReport(Report), FLookup(Report, rpParser), FSavedFunctionHost(rpFunctionHost),
      FSavedScriptHost(rpScriptHost), FSavedGetValue(rpGetValue), FSavedProgress(rpBuildProgress),
      FSavedMessages(rpProcessMessages) {
    CurReport = Report;
    FLookup.Special = &FHosts;
    rpFunctionHost = &FHosts;
    rpScriptHost = &FHosts;
    if (rpParser) {
        FSavedParserValue = rpParser->OnGetValue;
        FSavedParserFunction = rpParser->OnFunction;
        FLookup.Attach();
    }
    rpGetValue = [this](const String& Expr, String& Value) { FLookup.InternalOnGetValue(Expr, Value); };
    rpBuildProgress = [Report](Integer n) { Report->InternalOnProgress(n); };
    rpProcessMessages = [Report] {
        if (ProgressWindow* w = rpWindowFor(Report)) w->ProcessMessages();
    };
}

BuildScope::~BuildScope() {
    rpFunctionHost = FSavedFunctionHost;
    rpScriptHost = FSavedScriptHost;
    rpGetValue = std::move(FSavedGetValue);
    rpBuildProgress = std::move(FSavedProgress);
    rpProcessMessages = std::move(FSavedMessages);
    if (rpParser) {
        rpParser->OnGetValue = std::move(FSavedParserValue);
        rpParser->OnFunction = std::move(FSavedParserFunction);
    }
    CurPage = nullptr;
    CurBand = nullptr;
    CurReport = FReport;
}

} // namespace report
