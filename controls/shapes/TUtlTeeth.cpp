#include "controls/shapes/TUtlTeeth.h"

#include <algorithm>

void TUtlTeeth::SetCount(TUtlTeethCount Value) {
    SetAndChange(FCount, std::min<TUtlTeethCount>(Value, 50));
}

void TUtlTeeth::SetDirection(TUtlDirection Value) {
    SetAndChange(FDirection, Value);
}

void TUtlTeeth::SetBoolean(Integer Index, bool Value) {
    SetAndChange(Index == 0 ? FOffset : FSetPerCount, Value);
}

void TUtlTeeth::SetInteger(Integer Index, Integer Value) {
    SetAndChange(Index == 0 ? FWidth : FHeight, Value);
}

void TUtlTeeth::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlTeeth*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    FDirection = from->FDirection;
    FCount = from->FCount;
    FWidth = from->FWidth;
    FHeight = from->FHeight;
    FSetPerCount = from->FSetPerCount;
    FOffset = from->FOffset;
    EndUpdate(true);
}
