#pragma once
// Report function libraries. A library lists the names it answers (sorted, compared
// without regard to case) and evaluates a call by the position of the name in that list.
// A call's arguments are string Variants holding each argument's source text (empty when
// absent); the result is expression text that the parser splices in and parses again,
// so a text is returned as a quoted literal and a number as its digits.
#include "platform/core/TObject.h"
#include "platform/core/Variant.h"

#include <memory>

class TStringList;

class TrpFunctionLibrary : public TObject {
public:
    TrpFunctionLibrary();
    ~TrpFunctionLibrary() override;
    String ClassName() const override { return "TrpFunctionLibrary"; }

    virtual void DoFunction(Integer FNo, const Variant& p1, const Variant& p2, const Variant& p3,
                            String& Val) = 0;
    // When List holds Name: DoFunction with its position, true. Otherwise false, Val untouched.
    bool OnFunction(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3, String& Val);

    TStringList* List() const { return FList.get(); }

private:
    std::unique_ptr<TStringList> FList;
};

// The libraries' part of the report's function dispatch: Val := "0", then the first
// library of the registry (rpRegisterFunctionLibrary) that lists Name evaluates the call. False when none
// lists it (the report may then ask its own OnUserFunction).
bool rpCallFunctionLibraries(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                             String& Val);
