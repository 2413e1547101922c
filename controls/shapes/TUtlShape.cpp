#include "controls/shapes/TUtlShape.h"

#include <algorithm>

TUtlShape::TUtlShape()
    : FBevel(std::make_unique<TUtlSimpleBevel>()), FBrush(std::make_unique<TBrush>()),
      FShadow(std::make_unique<TUtlShadow>()) {
    FBevel->OnChange = [this](TObject*) { Change(); };
    FBrush->OnChange = [this](TObject*) { Change(); };
    FShadow->OnChange = [this](TObject*) { Change(); };
}

TUtlShape::~TUtlShape() {
    FBevel->OnChange = nullptr;
    FBrush->OnChange = nullptr;
    FShadow->OnChange = nullptr;
}

void TUtlShape::SetRoundPercent(TUtlPercent Value) {
    SetAndChange(FRoundPercent, std::min<TUtlPercent>(Value, 100));
}

void TUtlShape::SetShape(TUtlShapeType Value) {
    SetAndChange(FShape, Value);
}

void TUtlShape::SetSquare(bool Value) {
    SetAndChange(FSquare, Value);
}
