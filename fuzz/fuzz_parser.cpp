// Fuzz target of the report expression parser: any text must evaluate or end in an
// exception of the platform's hierarchy, without a crash, a hang or a sanitizer report.
// Variables answer with numbers, texts, dates and Null by their first letter; functions
// go to the standard library or answer with texts that are parsed again.
#include "platform/core/Exceptions.h"
#include "platform/ui/DialogHook.h"
#include "report/script/detail/TrpFunctionLibrary.h"
#include "report/script/detail/TrpParser.h"
#include "report/engine/rpEngine.h"

#include <cstddef>
#include <cstdint>

namespace {

void Setup() {
    rpInitEngine();
    ui::SetDialogHook([](const ui::DialogRequest& r) { return ui::DialogAnswer{1, r.Value}; });
    rpParser->OnGetValue = [](const String& name, Variant& v) {
        switch (name.empty() ? ' ' : name[0]) {
        case 'A':
            v = Variant(3);
            break;
        case 'B':
            v = Variant(2.5);
            break;
        case 'C':
            v = Variant("it's");
            break;
        case 'D':
            v = Variant::FromDateTime(37653.5);
            break;
        case 'N':
            v = Null;
            break;
        case 'T':
            v = Variant(true);
            break;
        default:
            break;
        }
    };
    rpParser->OnFunction = [](const String& name, const Variant& p1, const Variant& p2, const Variant& p3,
                              String& val) {
        if (rpCallFunctionLibraries(name, p1, p2, p3, val)) return;
        if (name == "ECHO")
            val = p1.AsString(); // its argument's source, parsed again
        else if (name == "RAW")
            val = "'" + p1.AsString() + "'";
        else if (name == "SELF")
            val = "SELF(" + p1.AsString() + ")";
    };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = (Setup(), true);
    (void)ready;
    const String text(reinterpret_cast<const char*>(data), size);
    try {
        rpParser->Calc(text);
    } catch (const Exception&) {
    }
    try {
        rpParser->CalcOPZ(text); // postfix text straight from the input
    } catch (const Exception&) {
    }
    for (Integer i = 1; i <= static_cast<Integer>(text.size()); ++i) {
        Integer start = i, j = 0;
        GetBrackedVariable(text, start, j);
    }
    return 0;
}
