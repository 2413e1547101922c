#include "grid/TVgDBGridStyle.h"

#include "grid/TVgDBGrid.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace {

struct StylePair {
    TColor Odd;
    TColor Even;
};

// Indexed by TVgGridStyle; the first two are not fixed pairs.
constexpr StylePair StyleColors[] = {
    {clWindow, clWindow}, {clWindow, clWindow}, {cl3DLight, clWindow}, {0xFFFBF0, clWindow},
    {0xCFDFDF, 0xA0BFBF}, {0xB8CCD8, 0x688CA0}, {0xA8B090, 0x788058},  {0xD8A8B0, 0xB05058},
    {0xA8D8EB, 0x48A8C8}, {0xB8C088, 0x889048}, {0xB8B0D0, 0x7060A0},  {0xA8C8A0, 0x689858},
    {0xA0E0E0, 0x40BCC0}, {0xACE3E3, 0xC5EAEB}, {0xDCD7EA, 0xE3E0ED},  {0xFFF4D9, 0xFFDFBF},
    {0xC6E6F2, 0x9BD0E1}, {0xE7CBD0, 0xECD5D7}, {0xDFE9EE, 0xBCCDD6},  {0xD7DACB, 0xC2C7AD},
    {0xDFEEEE, 0xCDE4E4}, {0xD3E3CE, 0xBAD1B1}, {0xE6FFFF, 0xDCE9D8},  {0xE4E4E4, 0xF5F5F5},
};

} // namespace

// ---- TVgGradientDraw -------------------------------------------------------

void TVgGradientDraw::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TVgGradientDraw*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FDirection = src->FDirection;
    FStartColor = src->FStartColor;
    FEndColor = src->FEndColor;
    Changed();
}

void TVgGradientDraw::SetDirection(TVgGradientDirection Value) {
    if (Value == FDirection) return;
    FDirection = Value;
    Changed();
}

void TVgGradientDraw::SetStartColor(TColor Value) {
    if (Value == FStartColor) return;
    FStartColor = Value;
    Changed();
}

void TVgGradientDraw::SetEndColor(TColor Value) {
    if (Value == FEndColor) return;
    FEndColor = Value;
    Changed();
}

void TVgGradientDraw::Draw(TCanvas* Canvas, const TRect& Rect) const {
    VgDrawGradient(Canvas, Rect, FStartColor, FEndColor, FDirection, 255);
}

void TVgGradientDraw::Changed() {
    if (FGrid) FGrid->Invalidate();
}

// ---- TVgDBGridStyle --------------------------------------------------------

TVgDBGridStyle::TVgDBGridStyle(TVgDBGrid* AGrid) : FGrid(AGrid), FBackground(std::make_unique<TBitmap>()) {
    for (auto& g : FGradients)
        g = std::make_unique<TVgGradientDraw>(AGrid);
}

TVgDBGridStyle::~TVgDBGridStyle() = default;

void TVgDBGridStyle::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TVgDBGridStyle*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FStyle = src->FStyle;
    FOddColor = src->FOddColor;
    FEvenColor = src->FEvenColor;
    FFilterColor = src->FFilterColor;
    FBackground->Assign(src->FBackground.get());
    for (int i = 0; i < 5; ++i)
        FGradients[i]->Assign(src->FGradients[i].get());
    Repaint();
}

void TVgDBGridStyle::SetStyle(TVgGridStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    if (Value == gsNormal) {
        TColor c = FGrid ? FGrid->Color() : clWindow;
        FOddColor = c;
        FEvenColor = c;
    } else if (Value != gsCustom) {
        FOddColor = StyleColors[Value].Odd;
        FEvenColor = StyleColors[Value].Even;
    }
    Repaint();
}

void TVgDBGridStyle::SetOddColor(TColor Value) {
    if (Value == FOddColor) return;
    FOddColor = Value;
    FStyle = gsCustom;
    Repaint();
}

void TVgDBGridStyle::SetEvenColor(TColor Value) {
    if (Value == FEvenColor) return;
    FEvenColor = Value;
    FStyle = gsCustom;
    Repaint();
}

void TVgDBGridStyle::SetBackground(TBitmap* Value) {
    FBackground->Assign(Value);
    Repaint();
}

void TVgDBGridStyle::Repaint() {
    if (FGrid) FGrid->Invalidate();
}
