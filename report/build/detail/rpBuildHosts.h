#pragma once
// What the expression side asks of a build in progress: the aggregate bands,
// the objects and free space of the current page for scripts, and the
// counters behind the special variables. Installed by the build driver for
// the length of one build.
#include "report/script/detail/FunctionHost.h"
#include "report/build/detail/TInterpretator.h"
#include "report/script/detail/TrpParser.h"
#include "report/build/detail/ValueLookup.h"
#include "report/common/detail/rpGlobals.h"

#include <functional>

class TrpBand;

namespace report {

// The footer whose aggregates DoAggregate is accumulating; none otherwise.
extern TrpBand* AccumulatingBand;

class BuildHosts : public FunctionHost, public ScriptHost, public SpecialValues {
public:
    AggregateBand* AggregationBand() override;
    AggregateBand* CurrentBand() override;
    Integer CurrentColumn() const override;
    bool MultiColumn() const override;

    TrpView* FindObject(const String& Name) override;
    Integer FreeSpace() override;

    Variant SpecialValue(SpecialVariable Index) override;
};

// The hooks of one pass over Report (each report of a composite has its own),
// set for its length: Report current, the hosts above, the lookup behind the
// parser's names and functions and the memos' value hook, the page counter's
// progress and the progress window's message pump. Every way out puts back the
// hooks that were there before and leaves Report current with no page or band.
// The state of the whole build (mode, master report, page counter) is BuildRun's.
class BuildScope {
public:
    explicit BuildScope(TrpReport* Report);
    ~BuildScope();
    BuildScope(const BuildScope&) = delete;
    BuildScope& operator=(const BuildScope&) = delete;

    ValueLookup& Lookup() { return FLookup; }

private:
    TrpReport* FReport;
    ValueLookup FLookup;
    BuildHosts FHosts;
    FunctionHost* FSavedFunctionHost;
    ScriptHost* FSavedScriptHost;
    TrpGetValueHook FSavedGetValue;
    std::function<void(Integer n)> FSavedProgress;
    std::function<void()> FSavedMessages;
    TGetPValueEvent FSavedParserValue;
    TFunctionEvent FSavedParserFunction;
};

} // namespace report
