#pragma once
// What the standard report functions need of the report being built: the band state
// the aggregates read and write. The band engine provides it; tests use fakes.
#include "platform/core/Types.h"

class TStringList;

namespace report {

// A band as the aggregate functions see it.
class AggregateBand {
public:
    virtual ~AggregateBand() = default;
    virtual Integer BandType() const = 0; // a TrpBandType
    virtual bool BandVisible() const = 0;
    // The object name of the band's view.
    virtual String BandName() const = 0;
    // Accumulators, one line each: key, "=", a one-character mark and a number.
    virtual TStringList* AggregateValues() = 0;
    // Rows accumulated so far.
    virtual Integer AggregateCount() const = 0;
};

class FunctionHost {
public:
    virtual ~FunctionHost() = default;
    // The band whose objects are being evaluated: the band being printed, or the footer
    // being accumulated. None outside a build.
    virtual AggregateBand* AggregationBand() = 0;
    virtual AggregateBand* CurrentBand() = 0;
    // Column number of the current page, and whether the page prints several columns.
    virtual Integer CurrentColumn() const = 0;
    virtual bool MultiColumn() const = 0;
};

} // namespace report
