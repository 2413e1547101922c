#include "controls/shapes/TUtlBitmapEffectObject.h"

#include "controls/shapes/UtlPixels.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TBitmap.h"

#include <algorithm>

TUtlBitmapEffectObject::TUtlBitmapEffectObject() : FAlpha(std::make_unique<TUtlAlphaObject>()) {
    FAlpha->OnChange = [this](TObject*) { Change(); };
}

TUtlBitmapEffectObject::~TUtlBitmapEffectObject() {
    FAlpha->OnChange = nullptr;
}

bool TUtlBitmapEffectObject::GetBool(Integer Index) const {
    switch (Index) {
    case 0:
        return FFlipVertical;
    case 1:
        return FFlipHorizontal;
    case 2:
        return FGrayScale;
    case 3:
        return FInvert;
    case 4:
        return Buffered();
    default:
        return FMonochrome;
    }
}

void TUtlBitmapEffectObject::SetBool(Integer Index, bool Value) {
    if (GetBool(Index) == Value) return;
    switch (Index) {
    case 0:
        FFlipVertical = Value;
        break;
    case 1:
        FFlipHorizontal = Value;
        break;
    case 2:
        FGrayScale = Value;
        break;
    case 3:
        FInvert = Value;
        break;
    case 4:
        if (Value)
            FBuffer = std::make_unique<TBitmap>();
        else
            FBuffer.reset();
        break;
    default:
        FMonochrome = Value;
        break;
    }
    Change();
}

void TUtlBitmapEffectObject::SetBrightness(TUtlBrightness Value) {
    SetAndChange(FBrightness, std::clamp<TUtlBrightness>(Value, -255, 255));
}

bool TUtlBitmapEffectObject::Enabled() const {
    return FFlipVertical || FFlipHorizontal || FGrayScale || FInvert || FAlpha->Enabled() || FBrightness != 0;
}

void TUtlBitmapEffectObject::Change() {
    FBufferValid = false;
    TUtlObject::Change();
}

void TUtlBitmapEffectObject::Chain(TBitmap* Bitmap, const TRect& Area, bool Full) {
    const TPoint at = Area.TopLeft();
    if (FFlipVertical) UtlBMPFlipVertical(Bitmap, Area, Bitmap, at);
    if (FFlipHorizontal) UtlBMPFlipHorizonzal(Bitmap, Area, Bitmap, at);
    if (FGrayScale) UtlBMPGrayScale(Bitmap, Area, Bitmap, at);
    if (FInvert) UtlBMPInvert(Bitmap, Area, Bitmap, at);
    if (Full && FMonochrome) {
        Bitmap->SetPixelFormat(pf1bit);
        Bitmap->SetPixelFormat(pf24bit);
    }
    if (FBrightness != 0) UtlBMPBrightness(Bitmap, Area, Bitmap, at, FBrightness);
    if (Full) FAlpha->AlphaBlend(Bitmap);
}

void TUtlBitmapEffectObject::Draw(TBitmap* Bitmap) {
    if (!Bitmap || Bitmap->Empty()) return;
    if (FBuffer && FBufferValid) {
        Bitmap->Canvas()->Draw(0, 0, FBuffer.get());
        return;
    }
    Bitmap->SetPixelFormat(pf24bit);
    Chain(Bitmap, TRect(0, 0, Bitmap->Width(), Bitmap->Height()), true);
    if (FBuffer) {
        FBuffer->Assign(Bitmap);
        FBufferValid = true;
    }
}

void TUtlBitmapEffectObject::DrawCopy(TBitmap* Source, TBitmap* Target) {
    if (!Source || !Target) return;
    Target->Assign(Source);
    Draw(Target);
}

void TUtlBitmapEffectObject::DrawCopyFromRect(TBitmap* Source, const TRect& Rect, TBitmap* Target) {
    if (!Source || !Target || IsRectEmpty(Rect)) return;
    Target->SetPixelFormat(pf24bit);
    Target->SetSize(Rect.Width(), Rect.Height());
    BitBlt(Target->Canvas(), 0, 0, Rect.Width(), Rect.Height(), Source->Canvas(), Rect.Left, Rect.Top,
           SRCCOPY);
    Draw(Target);
}

void TUtlBitmapEffectObject::DrawCopyRect(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point) {
    if (!Source || !Target || IsRectEmpty(Rect)) return;
    const TRect area = Bounds(Point.X, Point.Y, Rect.Width(), Rect.Height());
    if (FBuffer && FBufferValid) {
        BitBlt(Target->Canvas(), area.Left, area.Top, area.Width(), area.Height(), FBuffer->Canvas(), 0, 0,
               SRCCOPY);
        return;
    }
    BitBlt(Target->Canvas(), area.Left, area.Top, area.Width(), area.Height(), Source->Canvas(), Rect.Left,
           Rect.Top, SRCCOPY);
    Target->SetPixelFormat(pf24bit);
    Chain(Target, area, false);
    if (FBuffer) {
        FBuffer->SetPixelFormat(pf24bit);
        FBuffer->SetSize(area.Width(), area.Height());
        BitBlt(FBuffer->Canvas(), 0, 0, area.Width(), area.Height(), Target->Canvas(), area.Left, area.Top,
               SRCCOPY);
        FBufferValid = true;
    }
}

void TUtlBitmapEffectObject::DrawCutRect(TCanvas* Source, const TRect& Rect, TCanvas* Target,
                                         const TRect& TargetRect) {
    if (!Source || !Target || IsRectEmpty(Rect) || IsRectEmpty(TargetRect)) return;
    TBitmap cut(Rect.Width(), Rect.Height(), pf24bit);
    TRect part;
    if (IntersectRect(part, Rect, Source->ClipRect()))
        BitBlt(cut.Canvas(), part.Left - Rect.Left, part.Top - Rect.Top, part.Width(), part.Height(), Source,
               part.Left, part.Top, SRCCOPY);
    Draw(&cut);
    StretchBlt(Target, TargetRect.Left, TargetRect.Top, TargetRect.Width(), TargetRect.Height(), cut.Canvas(),
               0, 0, cut.Width(), cut.Height(), SRCCOPY);
}

void TUtlBitmapEffectObject::DrawCutRect2(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point) {
    if (!Source || !Target || Target->Empty() || IsRectEmpty(Rect)) return;
    if (FBuffer && FBufferValid) {
        Target->Canvas()->Draw(0, 0, FBuffer.get());
        return;
    }
    TRect area;
    if (!IntersectRect(area, Bounds(Point.X, Point.Y, Rect.Width(), Rect.Height()),
                       TRect(0, 0, Target->Width(), Target->Height())))
        return;
    Target->SetPixelFormat(pf24bit);
    BitBlt(Target->Canvas(), area.Left, area.Top, area.Width(), area.Height(), Source->Canvas(),
           Rect.Left + area.Left - Point.X, Rect.Top + area.Top - Point.Y, SRCCOPY);
    Chain(Target, area, false);
    FAlpha->AlphaBlendRect(Target, area);
    if (FBuffer) {
        FBuffer->Assign(Target);
        FBufferValid = true;
    }
}

void TUtlBitmapEffectObject::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlBitmapEffectObject*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    FFlipVertical = from->FFlipVertical;
    FFlipHorizontal = from->FFlipHorizontal;
    FGrayScale = from->FGrayScale;
    FInvert = from->FInvert;
    FBrightness = from->FBrightness;
    SetBool(4, from->Buffered());
    FAlpha->Assign(from->FAlpha.get());
    EndUpdate(true);
}

String TUtlBitmapEffectObject::GetSetStr() const {
    String s;
    auto add = [&s](bool on, const char* name) {
        if (on) s += (s.empty() ? "" : ", ") + String(name);
    };
    add(FAlpha->Enabled(), "alpha");
    add(FFlipVertical, "FV");
    add(FFlipHorizontal, "FH");
    add(FGrayScale, "GS");
    add(FInvert, "INV");
    add(FBrightness != 0, "B");
    return "{" + (s.empty() ? String("Disabled") : s) + "}";
}
