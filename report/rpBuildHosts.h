#pragma once
// What the expression side asks of a build in progress: the aggregate bands,
// the objects and free space of the current page for scripts, and the
// counters behind the special variables. Installed by the build driver for
// the length of one build.
#include "report/FunctionHost.h"
#include "report/TInterpretator.h"
#include "report/ValueLookup.h"

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

} // namespace report
