#include "grid/VgFooterTotal.h"

namespace vg {

FooterTotal::FooterTotal(TVgFooterType Type) : FType(Type) {
    if (Type == ftSum || Type == ftCount || Type == ftAverage) FValue = Variant(0);
}

void FooterTotal::Add(const Variant& Value, bool Numeric) {
    switch (FType) {
    case ftSum:
    case ftAverage:
        if (Numeric && !Value.IsNull() && !Value.IsEmpty())
            FValue = Variant(FValue.AsFloat() + Value.AsFloat());
        ++FCounter;
        break;
    case ftCount:
        FValue = Variant(FValue.AsInteger() + 1);
        ++FCounter;
        break;
    case ftMin:
    case ftMax:
        ++FCounter;
        if (Value.IsNull() || Value.IsEmpty()) break;
        if (FValue.IsEmpty() || (FType == ftMin ? FValue > Value : FValue < Value)) FValue = Value;
        break;
    case ftCustom:
        break;
    }
}

Variant FooterTotal::Result() const {
    if (FType == ftAverage && FCounter > 0) return Variant(FValue.AsFloat() / FCounter);
    return FValue;
}

} // namespace vg
