#include "report/common/detail/rpRegistry.h"

#include "platform/core/Exceptions.h"
#include "report/build/TrpBand.h"
#include "report/build/TrpDataset.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpPage.h"
#include "report/views/TrpPictureView.h"
#include "report/views/detail/TrpReportDesigner.h"
#include "report/views/TrpSubReportView.h"

TrpAddInObjectInfo rpAddIns[rpMaxRegistryEntries];
Integer rpAddInsCount = 0;
TrpExportFilterInfo rpFilters[rpMaxRegistryEntries];
Integer rpFiltersCount = 0;
TrpFunctionInfo rpFunctions[rpMaxRegistryEntries];
Integer rpFunctionsCount = 0;
TrpToolsInfo rpTools[rpMaxRegistryEntries];
Integer rpToolsCount = 0;

namespace {

void CheckRoom(Integer Count, const String& What) {
    if (Count >= rpMaxRegistryEntries) throw EListError("Report registry full: " + What);
}

TrpView* CreateByType(Byte Typ, const String& AClassName) {
    switch (Typ) {
    case gtMemo:
        return new TrpMemoView();
    case gtPicture:
        return new TrpPictureView();
    case gtBand:
        return new TrpBandView();
    case gtSubReport:
        return new TrpSubReportView();
    case gtLine:
        return new TrpLineView();
    case gtAddIn:
        for (Integer i = 0; i < rpAddInsCount; ++i)
            if (rpAddIns[i].ClassName == AClassName) {
                TrpView* view = rpAddIns[i].ClassRef();
                view->Typ = gtAddIn;
                return view;
            }
        throw EClassNotFound("Не найден класс " + AClassName);
    default:
        return nullptr;
    }
}

// The data band whose data source serves the bands of type Typ.
TrpBandType DataBandOf(TrpBandType Typ) {
    switch (Typ) {
    case btReportSummary:
    case btMasterData:
    case btMasterFooter:
    case btGroupHeader:
    case btGroupFooter:
        return btMasterData;
    case btDetailData:
    case btDetailFooter:
        return btDetailData;
    case btSubDetailData:
    case btSubDetailFooter:
        return btSubDetailData;
    case btCrossData:
    case btCrossFooter:
        return btCrossData;
    default:
        return btNone;
    }
}

} // namespace

TrpView* rpCreateObject(Byte Typ, const String& AClassName) {
    TrpView* view = CreateByType(Typ, AClassName);
    if (view) view->ID = ObjectCounter++;
    return view;
}

void rpRegisterObject(const String& AClassName, TrpViewFactory ClassRef, TBitmap* ButtonBmp,
                      const String& ButtonHint, const String& EditorForm) {
    CheckRoom(rpAddInsCount, AClassName);
    rpAddIns[rpAddInsCount] = {AClassName, std::move(ClassRef), EditorForm, ButtonBmp, ButtonHint};
    if (rpDesigner) rpDesigner->RegisterObject(ButtonBmp, ButtonHint, rpAddInsCount + 10);
    ++rpAddInsCount;
}

void rpRegisterExportFilter(const String& AClassName, TrpObjectFactory ClassRef, const String& FilterDesc,
                            const String& FilterExt) {
    CheckRoom(rpFiltersCount, AClassName);
    rpFilters[rpFiltersCount++] = {AClassName, std::move(ClassRef), FilterDesc, FilterExt};
}

void rpRegisterFunctionLibrary(TrpObjectFactory ClassRef) {
    std::unique_ptr<TObject> library(ClassRef());
    CheckRoom(rpFunctionsCount, library->ClassName());
    rpFunctions[rpFunctionsCount++].FunctionLibrary = std::move(library);
}

void rpRegisterTool(const String& MenuCaption, TBitmap* ButtonBmp, std::function<void(TObject*)> OnClick) {
    CheckRoom(rpToolsCount, MenuCaption);
    rpTools[rpToolsCount] = {MenuCaption, ButtonBmp, OnClick};
    if (rpDesigner) rpDesigner->RegisterTool(MenuCaption, ButtonBmp, OnClick);
    ++rpToolsCount;
}

TDataSet* GetDefaultDataSet() {
    if (!CurBand || !CurBand->Parent) return nullptr;
    const TrpBandType dataBand = DataBandOf(CurBand->Typ);
    if (dataBand == btNone) return nullptr;
    TrpBand* band = CurBand->Parent->Bands[dataBand];
    if (!band) return nullptr;
    auto* ds = dynamic_cast<TrpDBDataSet*>(band->DataSet);
    return ds ? ds->GetDataSet() : nullptr;
}
