#include "report/build/detail/rpScripting.h"

#include "platform/core/TMemoryStream.h"
#include "report/build/detail/TInterpretator.h"
#include "report/script/detail/TrpFunctionLibrary.h"
#include "report/views/TrpLineView.h"
#include "report/script/detail/TrpParser.h"
#include "report/script/detail/TrpStdFunctionLibrary.h"
#include "report/engine/rpEngine.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/detail/rpRegistry.h"

#include <gtest/gtest.h>

namespace {

Integer StandardLibraries() {
    Integer n = 0;
    for (Integer k = 0; k < rpFunctionsCount; ++k)
        n += dynamic_cast<TrpStdFunctionLibrary*>(rpFunctions[k].FunctionLibrary.get()) != nullptr;
    return n;
}

TEST(ScriptingStartup, EngineStartCreatesParserInterpreterAndOneStandardLibrary) {
    rpInitEngine();
    ASSERT_NE(rpParser, nullptr);
    EXPECT_NE(dynamic_cast<TInterpretator*>(rpInterpretator), nullptr);
    rpDoneEngine();
    EXPECT_EQ(rpParser, nullptr);
    EXPECT_EQ(rpInterpretator, nullptr);
    rpInitEngine(); // a restart registers no second library
    EXPECT_EQ(StandardLibraries(), 1);
    String val;
    EXPECT_TRUE(rpCallFunctionLibraries("LOWERCASE", "'ABC'", "", "", val));
}

TEST(ScriptingStartup, AViewsCompiledScriptRunsBeforeItPrints) {
    rpInitEngine();
    rpInitScripting(); // the hook may have been replaced by another test
    rpDoneScripting();
    rpInitScripting();
    TrpLineView line;
    line.Script.Add("Visible := False");
    TStringList errors;
    rpInterpretator->PrepareScript(&line.Script, &line.Script, &errors);
    ASSERT_EQ(errors.Count(), 0);
    TMemoryStream out;
    line.Print(&out);
    EXPECT_FALSE(line.Visible);
    EXPECT_EQ(out.Size(), 0); // hidden by its own script: nothing written
    CurView = nullptr;
}

} // namespace
