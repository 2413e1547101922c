#include "controls/shapes/TUtlFillObject.h"

#include "controls/drawing/UtlBitmaps.h"
#include "controls/common/UtlCanvasGuard.h"
#include "controls/services/UtlSysInfo.h"
#include "controls/text/UtlText.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRegion.h"

TUtlFillObject::TUtlFillObject() : TUtlShapeFill(sfNone), FBrush(std::make_unique<TBrush>()) {
    FBrush->OnChange = [this](TObject*) { Change(); };
}

TUtlFillObject::~TUtlFillObject() {
    FBrush->OnChange = nullptr;
}

bool TUtlFillObject::PlacementShows() const {
    return (Style() == sfBitmap || Style() == sfBitmapList) && TileMode() == tmNone;
}

void TUtlFillObject::SetAlignment(TUtlAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    if (PlacementShows()) Change();
}

void TUtlFillObject::SetOffsetX(Integer Value) {
    if (Value == FOffsetX) return;
    FOffsetX = Value;
    if (PlacementShows()) Change();
}

void TUtlFillObject::SetOffsetY(Integer Value) {
    if (Value == FOffsetY) return;
    FOffsetY = Value;
    if (PlacementShows()) Change();
}

void TUtlFillObject::SetOptions(TUtlFillOptions Value) {
    SetAndChange(FOptions, Value);
}

bool TUtlFillObject::FillCanvas(TCanvas* Canvas, const TRect& Rect, TColor Color) {
    if (!Canvas) return false;
    utl::CanvasGuard guard(Canvas);
    auto background = [&] {
        if (!FOptions.Contains(foFillInner)) return;
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(Color);
        Canvas->FillRect(Rect);
    };
    switch (Style()) {
    case sfNone:
        return false;
    case sfBrushBitmap: {
        if (Bitmap()->Empty()) {
            Canvas->FillRect(Rect);
            return true;
        }
        // The whole bitmap is the pattern on the protected family, its top-left 8 × 8 elsewhere.
        TBitmap eight(8, 8, pf24bit);
        TBitmap* pattern = Bitmap();
        if (UtlSIPlatformID() != 2) {
            BitBlt(eight.Canvas(), 0, 0, 8, 8, Bitmap()->Canvas(), 0, 0, SRCCOPY);
            pattern = &eight;
        }
        Canvas->Brush()->SetBitmap(pattern);
        Canvas->FillRect(Rect);
        Canvas->Brush()->SetBitmap(nullptr);
        return true;
    }
    case sfBrush:
        Canvas->Brush()->Assign(FBrush.get());
        Canvas->Pen()->SetColor(Color);
        // The gaps of a hatch show Color.
        if (FBrush->Style() != bsSolid) {
            Canvas->SetBkColor(ColorToRGB(Color));
            Canvas->SetBkMode(OPAQUE);
        }
        Canvas->FillRect(Rect);
        return true;
    case sfBitmap:
    case sfBitmapList: {
        TBitmap* bitmap = GetBitmap();
        if (bitmap->Empty()) {
            background();
            return false;
        }
        const Word mode = FOptions.Contains(foQuickDraw) ? 0 : ugfPalette;
        switch (TileMode()) {
        case tmNone: {
            background();
            TRect at = UtlAlignRect(FAlignment, TRect(0, 0, bitmap->Width(), bitmap->Height()), Rect);
            OffsetRect(at, FOffsetX, FOffsetY);
            UtlBmpDraw(Canvas, at, bitmap, mode, clNone);
            break;
        }
        case tmCenter:
            background();
            UtlBmpDraw(Canvas, Rect, bitmap, mode | ubdCenter, clNone);
            break;
        case tmStretch:
            UtlBmpDraw(Canvas, Rect, bitmap, mode | ubdStretch, clNone);
            break;
        case tmTile:
            UtlBmpDraw(Canvas, Rect, bitmap, mode | ubdTile, clNone);
            break;
        }
        return true;
    }
    case sfGradient: {
        const Word flags = Word((FOptions.Contains(foGrUseBitmap) ? ugfBitmap : 0) |
                                (Gradient()->PaletteRealize() ? ugfPalette : 0));
        UtlGradientPaintExt(Canvas, Rect, Gradient()->Style(), &Gradient()->Colors(),
                            Gradient()->GetPalette(), flags, 0);
        return true;
    }
    }
    return false;
}

bool TUtlFillObject::ClipFill(TCanvas* Canvas, const TRect& Rect, TColor Color, Cardinal Offset) {
    if (!Canvas) return false;
    if (Style() == sfGradient && FOptions.Contains(foGrUseBitmap)) return FillCanvas(Canvas, Rect, Color);
    utl::CanvasGuard guard(Canvas);
    TRect clip = Rect;
    if (Offset != 0)
        OffsetRect(clip, Integer(std::int16_t(Offset & 0xFFFF)), Integer(std::int16_t(Offset >> 16)));
    const TRegion region(clip);
    Canvas->SetClipRegion(&region);
    return FillCanvas(Canvas, Rect, Color);
}

bool TUtlFillObject::GetTransparent() const {
    switch (Style()) {
    case sfNone:
        return true;
    case sfBrush:
        return FBrush->Style() != bsSolid && !FOptions.Contains(foFillInner);
    case sfBitmap:
    case sfBitmapList:
        return (TileMode() == tmNone || TileMode() == tmCenter) && !FOptions.Contains(foFillInner);
    default:
        return false;
    }
}

void TUtlFillObject::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlFillObject*>(Source);
    if (!from) {
        TUtlShapeFill::Assign(Source);
        return;
    }
    BeginUpdate();
    FBrush->Assign(from->FBrush.get());
    FOptions = from->FOptions;
    TUtlShapeFill::Assign(Source); // ends the bracket with one change
}
