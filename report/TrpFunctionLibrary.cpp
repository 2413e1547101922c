#include "report/TrpFunctionLibrary.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TStringList.h"

std::vector<std::unique_ptr<TrpFunctionLibrary>> rpFunctions;

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

void rpRegisterFunctionLibrary(std::unique_ptr<TrpFunctionLibrary> Library) {
    if (rpFunctionsCount() >= rpMaxFunctionLibraries) throw Exception("Too many function libraries");
    rpFunctions.push_back(std::move(Library));
}

void rpFreeFunctionLibraries() {
    rpFunctions.clear();
}

bool rpCallFunctionLibraries(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                             String& Val) {
    Val = "0";
    for (const auto& library : rpFunctions)
        if (library->OnFunction(Name, p1, p2, p3, Val)) return true;
    return false;
}
