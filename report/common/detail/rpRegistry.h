#pragma once
// The engine's process-wide registries (add-in object classes, export filters,
// function libraries, tools), the factory that creates views by type code or
// class name, and the default data set of the current band. Registries hold
// 32 entries each, keep registration order and are never emptied.
#include "platform/core/Types.h"

#include <functional>
#include <memory>

class TBitmap;
class TDataSet;
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

// Codes 0 to 4 create a memo, picture, band, sub-report or line view; code 10
// the first registered add-in whose class name equals AClassName exactly (its
// Typ becomes 10). Codes 5 to 9 and above 10 create nothing. A created view
// gets ID = ObjectCounter, which then advances. Raises EClassNotFound
// "Не найден класс " + AClassName for an add-in name nobody registered.
TrpView* rpCreateObject(Byte Typ, const String& AClassName);

// Each appends one entry. A registry that already holds 32 entries refuses the
// 33rd with EListError "Report registry full: <ClassName or caption>".
void rpRegisterObject(const String& AClassName, TrpViewFactory ClassRef, TBitmap* ButtonBmp,
                      const String& ButtonHint, const String& EditorForm);
void rpRegisterExportFilter(const String& AClassName, TrpObjectFactory ClassRef, const String& FilterDesc,
                            const String& FilterExt);
// Creates one instance of the library and keeps it for the life of the process.
void rpRegisterFunctionLibrary(TrpObjectFactory ClassRef);
void rpRegisterTool(const String& MenuCaption, TBitmap* ButtonBmp, std::function<void(TObject*)> OnClick);

// The platform data set behind the current band, for field names given without
// a data set: summary, master data and footer, group header and footer use the
// page's master data band; detail data and footer the detail data band;
// sub-detail data and footer the sub-detail data band; cross data and footer
// the cross data band. Null for other band types, without a current band, or
// when that band's data source is not a TrpDBDataSet.
TDataSet* GetDefaultDataSet();
