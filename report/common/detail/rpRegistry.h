#pragma once
// The engine's process-wide registries (add-in object classes, export filters,
// function libraries, tools). Registries hold 32 entries each, keep
// registration order and are never emptied.
#include "platform/core/Types.h"

#include <functional>
#include <memory>

class TBitmap;
class TObject;
class TrpView;

constexpr Integer rpMaxRegistryEntries = 32;

// Creates a view of an add-in class (the class reference of the registry).
using TrpViewFactory = std::function<TrpView*()>;
// Creates an object of a registered class (filters, function libraries).
using TrpObjectFactory = std::function<TObject*()>;

struct TrpAddInObjectInfo {
    String ClassName;
    TrpViewFactory ClassRef;
    // The editor form and toolbar bitmap serve a designer, which this system lacks.
    String EditorForm;
    TBitmap* ButtonBmp = nullptr;
    String ButtonHint;
};

struct TrpExportFilterInfo {
    String ClassName;
    TrpObjectFactory ClassRef;
    String FilterDesc; // shown in save dialogs
    String FilterExt;  // such as "*.rtf"
};

struct TrpFunctionInfo {
    std::unique_ptr<TObject> FunctionLibrary;
};

struct TrpToolsInfo {
    String Caption;
    TBitmap* ButtonBmp = nullptr;
    std::function<void(TObject* Sender)> OnClick;
};

extern TrpAddInObjectInfo rpAddIns[rpMaxRegistryEntries];
extern Integer rpAddInsCount;
extern TrpExportFilterInfo rpFilters[rpMaxRegistryEntries];
extern Integer rpFiltersCount;
extern TrpFunctionInfo rpFunctions[rpMaxRegistryEntries];
extern Integer rpFunctionsCount;
extern TrpToolsInfo rpTools[rpMaxRegistryEntries];
extern Integer rpToolsCount;

// Each appends one entry. A registry that already holds 32 entries refuses the
// 33rd with EListError "Report registry full: <ClassName or caption>".
void rpRegisterObject(const String& AClassName, TrpViewFactory ClassRef, TBitmap* ButtonBmp,
                      const String& ButtonHint, const String& EditorForm);
void rpRegisterExportFilter(const String& AClassName, TrpObjectFactory ClassRef, const String& FilterDesc,
                            const String& FilterExt);
// Creates one instance of the library and keeps it for the life of the process.
void rpRegisterFunctionLibrary(TrpObjectFactory ClassRef);
void rpRegisterTool(const String& MenuCaption, TBitmap* ButtonBmp, std::function<void(TObject*)> OnClick);
