#pragma once
// The report's script interpreter: gives scripts the properties of report objects
// ("Left", "Visible", "FontSize" ... of the running object, or "Memo1.Visible" of an
// object of the current page), the engine's global variables, colour names ("clRed"),
// True and False, FREESPACE, and the procedures NEWPAGE and NEWCOLUMN. Every other name goes to the report's
// value look-up and function dispatcher (rpParser's hooks).
//
// Writing a name that is no property stores it in rpVariables, where the application and
// later reports see it. Writing a property of an object that is not there does nothing.
// Conversion errors of a written value propagate.
#include "report/script/detail/TrpInterpretator.h"

class TrpBand;
class TrpView;

namespace report {

// What object scripts need of the band engine while a report is built.
class ScriptHost {
public:
    virtual ~ScriptHost() = default;
    // The object of the current page with that name (ignoring case), or none.
    virtual TrpView* FindObject(const String& Name) = 0;
    // Height still free on the current page for bands.
    virtual Integer FreeSpace() = 0;
};

} // namespace report

class TInterpretator : public TrpInterpretator {
public:
    String ClassName() const override { return "TInterpretator"; }

    void GetValue(const String& Name, Variant& Value) override;
    void SetValue(const String& Name, const Variant& Value) override;
    void DoFunction(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                    String& Val) override;

    // The band engine's side (rpScriptHost when none is set).
    void SetHost(report::ScriptHost* Value) { FHost = Value; }

private:
    report::ScriptHost* Host() const;
    // The object a name refers to and the property part of the name.
    TrpView* Split(const String& Name, String& Property) const;

    report::ScriptHost* FHost = nullptr;
};

extern report::ScriptHost* rpScriptHost;

// The run-time band a band view stands for on the current page, or none.
TrpBand* rpBandOfView(TrpView* View);
