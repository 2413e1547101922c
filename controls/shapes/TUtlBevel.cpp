#include "controls/shapes/TUtlBevel.h"

#include "controls/common/UtlCanvasGuard.h"
#include "platform/graphics/DrawEdge.h"

#include <algorithm>

namespace {

using B = TUtlBevelStyle;

bool FrameStyle(B s) {
    return s == B::bvFrameLowered || s == B::bvFrameRaised;
}

Cardinal EdgeKind(TUtlEdgeStyle s) {
    static const Cardinal kinds[] = {BDR_RAISEDINNER, BDR_RAISEDOUTER, BDR_SUNKENINNER, BDR_SUNKENOUTER,
                                     EDGE_BUMP,       EDGE_ETCHED,     EDGE_RAISED,     EDGE_SUNKEN};
    return kinds[s];
}

} // namespace

TUtlBevel::TUtlBevel() {
    FBevelExtent = FClientExtent = GetBevelExtend();
}

void TUtlBevel::SetStyleInner(TUtlBevelStyle Value) {
    if (Value == FStyleInner) return;
    // Both are the shadow or neither is.
    if (Value == B::bvShadow)
        FStyleOuter = B::bvShadow;
    else if (FStyleInner == B::bvShadow)
        FStyleOuter = B::bvNone;
    FStyleInner = Value;
    Change();
}

void TUtlBevel::SetStyleOuter(TUtlBevelStyle Value) {
    if (Value == FStyleOuter) return;
    if (Value == B::bvShadow)
        FStyleInner = B::bvShadow;
    else if (FStyleOuter == B::bvShadow)
        FStyleInner = B::bvNone;
    FStyleOuter = Value;
    Change();
}

void TUtlBevel::SetWidthInner(TUtlBevelWidth Value) {
    SetAndChange(FWidthInner, std::min<TUtlBevelWidth>(Value, 50));
}

void TUtlBevel::SetWidthOuter(TUtlBevelWidth Value) {
    SetAndChange(FWidthOuter, std::min<TUtlBevelWidth>(Value, 50));
}

void TUtlBevel::SetBorderInnerWidth(TUtlBorderWidth Value) {
    SetAndChange(FBorderInnerWidth, Value);
}

void TUtlBevel::SetBorderWidth(TUtlBorderWidth Value) {
    SetAndChange(FBorderWidth, Value);
}

void TUtlBevel::SetBorderSides(TUtlFrameSides Value) {
    SetAndChange(FBorderSides, Value);
}

void TUtlBevel::SetEdgeStyle(TUtlEdgeStyle Value) {
    SetAndChange(FEdgeStyle, Value);
}

void TUtlBevel::SetMode(TUtlBevelMode Value) {
    if (Value == FMode) return;
    if (FSystemEdge && (FMode == bmWindows || Value == bmWindows)) FRecreate = true;
    FMode = Value;
    Change();
}

void TUtlBevel::SetStandardStyle(TUtlBorderStyle Value) {
    SetAndChange(FStandardStyle, Value);
}

TColor TUtlBevel::GetColor(Integer Index) const {
    return Index == 0 ? FBorderColor : Index == 1 ? FLightColor : FShadowColor;
}

void TUtlBevel::SetColor(Integer Index, TColor Value) {
    SetAndChange(Index == 0 ? FBorderColor : Index == 1 ? FLightColor : FShadowColor, Value);
}

void TUtlBevel::SetSystemEdge(bool Value) {
    SetAndChange(FSystemEdge, Value);
}

Integer TUtlBevel::GetBevelExtend() const {
    switch (FMode) {
    case bmCustom: {
        if (ShadowStyles()) return FWidthInner + FBorderInnerWidth;
        Integer w = FBorderWidth + FBorderInnerWidth;
        if (FStyleInner == B::bvNone && FStyleOuter == B::bvNone) return w;
        if (FStyleOuter != B::bvNone) w += FWidthOuter + (FrameStyle(FStyleOuter) ? 1 : 0);
        if (FStyleInner != B::bvNone) w += FWidthInner + (FrameStyle(FStyleInner) ? 1 : 0);
        return w;
    }
    case bmStandard:
        return UtlDrawStdFrameExt(FStandardStyle) + FBorderInnerWidth;
    case bmEdge:
        return (FBorderSides.Empty() ? 0 : 2) + FBorderInnerWidth;
    case bmWindows:
        return FSystemEdge ? 0 : FBorderInnerWidth + 2;
    }
    return 0;
}

void TUtlBevel::Change() {
    FBevelExtent = GetBevelExtend();
    FClientExtent =
        FMode == bmCustom && ShadowStyles() ? FWidthInner + FWidthOuter + FBorderInnerWidth : FBevelExtent;
    TUtlObject::Change();
}

TRect TUtlBevel::ClientRect(const TRect& Rect) const {
    TRect r = Rect;
    if (FMode == bmCustom && ShadowStyles()) {
        // The shadow lies on the right and bottom.
        r.Left += FWidthInner + FBorderInnerWidth;
        r.Top += FWidthInner + FBorderInnerWidth;
        r.Right -= FWidthInner + FWidthOuter + FBorderInnerWidth;
        r.Bottom -= FWidthInner + FWidthOuter + FBorderInnerWidth;
        return r;
    }
    InflateRect(r, -FBevelExtent, -FBevelExtent);
    return r;
}

void TUtlBevel::Band(TCanvas* Canvas, TRect& R, Integer Width, bool Transparent) const {
    if (Transparent) {
        InflateRect(R, -Width, -Width);
        return;
    }
    Canvas->Brush()->SetColor(FBorderColor);
    for (Integer i = 0; i < Width; ++i) {
        Canvas->FrameRect(R);
        InflateRect(R, -1, -1);
    }
}

TRect TUtlBevel::PaintBevel(TCanvas* Canvas, const TRect& Rect, bool Transparent) {
    if (FBevelExtent == 0 || !Canvas) return Rect;
    utl::CanvasGuard guard(Canvas);
    TRect r = Rect;
    switch (FMode) {
    case bmCustom:
        if (ShadowStyles()) {
            UtlDrawFrameShadow(Canvas, r, FLightColor, FShadowColor, FBorderColor, FWidthOuter, FWidthInner,
                               Transparent, 0);
        } else {
            UtlDrawFrame3D(Canvas, r, FStyleOuter, FLightColor, FShadowColor, FWidthOuter);
            Band(Canvas, r, FBorderWidth, Transparent);
            UtlDrawFrame3D(Canvas, r, FStyleInner, FLightColor, FShadowColor, FWidthInner);
        }
        break;
    case bmStandard:
        UtlDrawStdFrame(Canvas, r, FStandardStyle, 0);
        break;
    case bmEdge:
        if (!FBorderSides.Empty()) {
            Cardinal sides = 0;
            if (FBorderSides.Contains(fsLeft)) sides |= BF_LEFT;
            if (FBorderSides.Contains(fsTop)) sides |= BF_TOP;
            if (FBorderSides.Contains(fsRight)) sides |= BF_RIGHT;
            if (FBorderSides.Contains(fsBottom)) sides |= BF_BOTTOM;
            DrawEdge(Canvas, r, EdgeKind(FEdgeStyle), sides);
            InflateRect(r, -2, -2);
        }
        break;
    case bmWindows:
        UtlDrawStdFrame(Canvas, r, lsLoweredExt, 0);
        break;
    }
    Band(Canvas, r, FBorderInnerWidth, Transparent);
    return r;
}

bool TUtlBevel::GetRecreateWnd() {
    const bool recreate = FRecreate || (FMode == bmWindows && FSystemEdge);
    FRecreate = false;
    return recreate;
}

void TUtlBevel::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlBevel*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    FStyleInner = from->FStyleInner;
    FStyleOuter = from->FStyleOuter;
    FWidthInner = from->FWidthInner;
    FWidthOuter = from->FWidthOuter;
    FBorderColor = from->FBorderColor;
    FBorderInnerWidth = from->FBorderInnerWidth;
    FBorderWidth = from->FBorderWidth;
    FBorderSides = from->FBorderSides;
    FEdgeStyle = from->FEdgeStyle;
    FLightColor = from->FLightColor;
    SetMode(from->FMode);
    FShadowColor = from->FShadowColor;
    FStandardStyle = from->FStandardStyle;
    FSystemEdge = from->FSystemEdge;
    EndUpdate(true);
}

String TUtlBevel::GetSetStr() const {
    static const char* const names[] = {"Custom style", "Standard style", "Etged style", "Windows style"};
    return String("{") + names[FMode] + "}";
}

void TUtlSimpleBevel::SetWidth(TUtlBevelWidth Value) {
    SetAndChange(FWidth, std::min<TUtlBevelWidth>(Value, 50));
}

void TUtlSimpleBevel::SetStyle(TUtlSimpleBevelStyle Value) {
    SetAndChange(FStyle, Value);
}

void TUtlSimpleBevel::SetColor(TColor Value) {
    SetAndChange(FColor, Value);
}

void TUtlSimpleBevel::SetLightColor(TColor Value) {
    SetAndChange(FLightColor, Value);
}

void TUtlSimpleBevel::SetShadowColor(TColor Value) {
    SetAndChange(FShadowColor, Value);
}

void TUtlSimpleBevel::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlSimpleBevel*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    FWidth = from->FWidth;
    FStyle = from->FStyle;
    FColor = from->FColor;
    FLightColor = from->FLightColor;
    FShadowColor = from->FShadowColor;
    EndUpdate(true);
}

String TUtlSimpleBevel::GetSetStr() const {
    static const char* const names[] = {"Normal", "Inset", "Offset"};
    return String("{") + names[FStyle] + "}";
}
