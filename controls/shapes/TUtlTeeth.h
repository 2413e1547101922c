#pragma once
// A toothed edge: how many teeth, on which side, their step and depth, and
// whether the step follows from the count.
#include "controls/common/TUtlObject.h"
#include "controls/shapes/UtlGraphTypes.h"

class TUtlTeeth : public TUtlObject {
public:
    String ClassName() const override { return "TUtlTeeth"; }

    TUtlTeethCount Count() const { return FCount; }
    // Held inside 0 .. 50.
    void SetCount(TUtlTeethCount Value);
    TUtlDirection Direction() const { return FDirection; }
    void SetDirection(TUtlDirection Value);
    // Index 0 Offset, 1 SetPerCount.
    void SetBoolean(Integer Index, bool Value);
    bool Offset() const { return FOffset; }
    bool SetPerCount() const { return FSetPerCount; }
    // Index 0 Width, 1 Height.
    void SetInteger(Integer Index, Integer Value);
    Integer Width() const { return FWidth; }
    Integer Height() const { return FHeight; }

    void Assign(TPersistent* Source) override;

private:
    TUtlTeethCount FCount = 10;
    TUtlDirection FDirection = tdRight;
    bool FOffset = true;
    bool FSetPerCount = true;
    Integer FWidth = 10;
    Integer FHeight = 0;
};
