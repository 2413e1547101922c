#pragma once
// Everything a shape needs: its kind, the fill brush, the edge, the shadow,
// the corner percentage of rounded rectangles and whether it keeps square.
#include "controls/shapes/TUtlBevel.h"
#include "controls/shapes/TUtlShadow.h"
#include "platform/graphics/TBrush.h"

#include <memory>

class TUtlShape : public TUtlObject {
public:
    TUtlShape();
    ~TUtlShape() override;
    String ClassName() const override { return "TUtlShape"; }

    TUtlSimpleBevel* Bevel() const { return FBevel.get(); }
    void SetBevel(TUtlSimpleBevel* Value) { FBevel->Assign(Value); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
    TUtlPercent RoundPercent() const { return FRoundPercent; }
    // Held inside 0 .. 100.
    void SetRoundPercent(TUtlPercent Value);
    TUtlShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(TUtlShadow* Value) { FShadow->Assign(Value); }
    TUtlShapeType Shape() const { return FShape; }
    void SetShape(TUtlShapeType Value);
    bool Square() const { return FSquare; }
    void SetSquare(bool Value);

private:
    std::unique_ptr<TUtlSimpleBevel> FBevel;
    std::unique_ptr<TBrush> FBrush;
    TUtlPercent FRoundPercent = 33;
    std::unique_ptr<TUtlShadow> FShadow;
    TUtlShapeType FShape = stRectangle;
    bool FSquare = false;
};
