#include "report/common/detail/rpRegistry.h"

#include "platform/core/Exceptions.h"
#include "report/common/detail/TrpReportDesigner.h"
#include "report/common/detail/rpGlobals.h"

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

} // namespace

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
