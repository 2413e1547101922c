#include "report/script/detail/TrpFunctionLibrary.h"

#include "platform/core/TStringList.h"
#include "report/common/detail/rpRegistry.h"

TrpFunctionLibrary::TrpFunctionLibrary() : FList(std::make_unique<TStringList>()) {
    FList->SetCaseSensitive(false);
    FList->SetSorted(true);
}

TrpFunctionLibrary::~TrpFunctionLibrary() = default;

bool TrpFunctionLibrary::OnFunction(const String& Name, const Variant& p1, const Variant& p2,
                                    const Variant& p3, String& Val) {
    Integer index = 0;
    if (!FList->Find(Name, index)) return false;
    DoFunction(index, p1, p2, p3, Val);
    return true;
}

bool rpCallFunctionLibraries(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                             String& Val) {
    Val = "0";
    for (Integer k = 0; k < rpFunctionsCount; ++k) {
        auto* library = dynamic_cast<TrpFunctionLibrary*>(rpFunctions[k].FunctionLibrary.get());
        if (library && library->OnFunction(Name, p1, p2, p3, Val)) return true;
    }
    return false;
}
