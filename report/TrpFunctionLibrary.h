#pragma once
// Report function libraries. A library lists the names it answers (sorted, compared
// without regard to case) and evaluates a call by the position of the name in that list.
// A call's arguments are string Variants holding each argument's source text (empty when
// absent); the result is expression text that the parser splices in and parses again,
// so a text is returned as a quoted literal and a number as its digits.
#include "platform/core/Types.h"
#include "platform/core/Variant.h"

#include <memory>
#include <vector>

class TStringList;

class TrpFunctionLibrary {
public:
    TrpFunctionLibrary();
    virtual ~TrpFunctionLibrary();
    TrpFunctionLibrary(const TrpFunctionLibrary&) = delete;
    TrpFunctionLibrary& operator=(const TrpFunctionLibrary&) = delete;

    virtual void DoFunction(Integer FNo, const Variant& p1, const Variant& p2, const Variant& p3,
                            String& Val) = 0;
    // When List holds Name: DoFunction with its position, true. Otherwise false, Val untouched.
    bool OnFunction(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3, String& Val);

    TStringList* List() const { return FList.get(); }

private:
    std::unique_ptr<TStringList> FList;
};

// The registered libraries, consulted in registration order; they live until
// rpFreeFunctionLibraries (engine shut-down).
inline constexpr Integer rpMaxFunctionLibraries = 32;
extern std::vector<std::unique_ptr<TrpFunctionLibrary>> rpFunctions;
inline Integer rpFunctionsCount() {
    return static_cast<Integer>(rpFunctions.size());
}

// Appends a library; raises Exception "Too many function libraries" when 32 are registered
// (the library is then freed).
void rpRegisterFunctionLibrary(std::unique_ptr<TrpFunctionLibrary> Library);
template <class T> void rpRegisterFunctionLibrary() {
    rpRegisterFunctionLibrary(std::make_unique<T>());
}
void rpFreeFunctionLibraries();

// The libraries' part of the report's function dispatch: Val := "0", then the first
// library that lists Name evaluates the call. False when none lists it (the report may
// then ask its own OnUserFunction).
bool rpCallFunctionLibraries(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                             String& Val);
