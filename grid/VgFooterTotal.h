#pragma once
// One footer total of the data grid, apart from the widget: fed one record
// at a time, it keeps the running value and the record counter.
//   ftSum, ftAverage: numeric values are added; every record counts.
//   ftCount: every record adds 1.
//   ftMin, ftMax: seeded by the first non-null value (a minimum over positive
//   values is not stuck at 0); nulls are passed over.
// Sum, count and average start at the integer 0; the average divides by the
// counter at the end when it is above 0.
#include "grid/TVgDBColumn.h"
#include "platform/core/Variant.h"

namespace vg {

class FooterTotal {
public:
    explicit FooterTotal(TVgFooterType Type);
    // Whether a footer of this type is computed (all but ftCustom).
    static bool Computed(TVgFooterType Type) { return Type != ftCustom; }
    // One record's value; Numeric tells whether its field is a numeric one.
    void Add(const Variant& Value, bool Numeric);
    Variant Result() const;
    Integer Counter() const { return FCounter; }

private:
    TVgFooterType FType;
    Variant FValue;
    Integer FCounter = 0;
};

} // namespace vg
