// Fuzz target of the report script compiler and interpreter: any script must compile
// into instructions or error lines, and a compiled script must run to its end or raise
// an exception of the platform's hierarchy (the step limit ends endless loops, the text
// limit texts that keep doubling), without a crash or a sanitizer report. Scripts run
// on a memo of a page, with object lookup.
#include "platform/core/Exceptions.h"
#include "platform/core/TStringList.h"
#include "platform/ui/DialogHook.h"
#include "report/build/detail/TInterpretator.h"
#include "report/build/TrpBand.h"
#include "report/views/TrpMemoView.h"
#include "report/script/detail/TrpParser.h"
#include "report/script/TrpVariables.h"
#include "report/engine/rpEngine.h"
#include "report/common/detail/rpGlobals.h"

#include <cstddef>
#include <cstdint>

namespace {

struct Page : report::ScriptHost {
    TrpView* FindObject(const String& Name) override { return Name == "Memo1" ? &Memo : nullptr; }
    Integer FreeSpace() override { return 100; }
    TrpMemoView Memo;
};

Page* page = nullptr;
TrpBand* band = nullptr;

void Setup() {
    rpInitEngine();
    ui::SetDialogHook([](const ui::DialogRequest& r) { return ui::DialogAnswer{1, r.Value}; });
    page = new Page();
    band = new TrpBand();
    rpScriptHost = page;
    // Endless loops and doubling texts are expected here: stop them early to keep the fuzzer fast.
    rpInterpretator->SetMaxSteps(10000);
    rpInterpretator->Parser()->SetMaxTextLength(1 << 20);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = (Setup(), true);
    (void)ready;
    TStringList script, errors;
    script.SetText(String(reinterpret_cast<const char*>(data), size));
    rpInterpretator->PrepareScript(&script, &script, &errors);
    if (errors.Count() == 0) {
        CurView = &page->Memo;
        CurBand = band;
        try {
            rpInterpretator->DoScript(&script);
        } catch (const Exception&) {
        }
        CurView = nullptr;
        CurBand = nullptr;
    }
    rpVariables->Clear();
    return 0;
}
