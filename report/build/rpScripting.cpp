#include "report/build/detail/rpScripting.h"

#include "platform/core/TStringList.h"
#include "report/build/detail/TInterpretator.h"
#include "report/script/detail/TrpParser.h"
#include "report/script/detail/TrpStdFunctionLibrary.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/detail/rpRegistry.h"

namespace {
bool libraryRegistered = false;
} // namespace

void rpInitScripting() {
    if (rpParser) return;
    rpParser = new TrpParser();
    rpInterpretator = new TInterpretator();
    // Scripts arrive compiled: the band engine compiles each object's script in place.
    rpDoScript = [](TrpView*, TStringList* Script) {
        if (rpInterpretator && Script->Count() > 0) rpInterpretator->DoScript(Script);
    };
    // The registry lives for the process, so the library is added once.
    if (!libraryRegistered) {
        rpRegisterFunctionLibrary([] { return new TrpStdFunctionLibrary(); });
        libraryRegistered = true;
    }
}

void rpDoneScripting() {
    if (!rpParser) return;
    rpDoScript = nullptr;
    delete rpInterpretator;
    rpInterpretator = nullptr;
    delete rpParser;
    rpParser = nullptr;
}
