// The indicator column's glyphs, drawn in code: current row, editing,
// inserting, selected, selected and current.
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/TCustomDBGrid.h"

namespace ui {

namespace {

constexpr Integer GlyphWidth = 8;
constexpr Integer GlyphHeight = 11;

void Fill(TCanvas* C, Integer X, Integer Y, Integer L, Integer T, Integer R, Integer B) {
    C->FillRect(Rect(X + L, Y + T, X + R, Y + B));
}

void Arrow(TCanvas* C, Integer X, Integer Y, Integer Left, Integer Size) {
    // A right-pointing triangle, one column of pixels narrower per step.
    Integer mid = Y + GlyphHeight / 2;
    for (Integer i = 0; i < Size; ++i)
        C->FillRect(Rect(X + Left + i, mid - (Size - 1 - i), X + Left + i + 1, mid + (Size - i)));
}

} // namespace

void DrawIndicatorGlyph(TCanvas* C, Integer X, Integer Y, Integer Index) {
    TColor saved = C->Brush()->Color();
    TBrushStyle savedStyle = C->Brush()->Style();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(clBlack);
    switch (Index) {
    case 0:
        Arrow(C, X, Y, 2, 4);
        break;
    case 1: // I-beam
        Fill(C, X, Y, 3, 1, 5, 10);
        Fill(C, X, Y, 1, 1, 7, 2);
        Fill(C, X, Y, 1, 9, 7, 10);
        break;
    case 2: // asterisk
        Fill(C, X, Y, 3, 2, 5, 9);
        Fill(C, X, Y, 0, 4, 8, 6);
        Fill(C, X, Y, 1, 2, 2, 3);
        Fill(C, X, Y, 6, 2, 7, 3);
        Fill(C, X, Y, 1, 7, 2, 8);
        Fill(C, X, Y, 6, 7, 7, 8);
        break;
    case 3:
        Fill(C, X, Y, 2, 4, 6, 7);
        break;
    case 4:
        Arrow(C, X, Y, 0, 4);
        Fill(C, X, Y, 5, 4, 8, 7);
        break;
    default:
        break;
    }
    C->Brush()->SetColor(saved);
    C->Brush()->SetStyle(savedStyle);
}

std::unique_ptr<TImageList> MakeIndicatorImages() {
    auto list = std::make_unique<TImageList>(nullptr);
    list->SetWidth(GlyphWidth);
    list->SetHeight(GlyphHeight);
    for (Integer i = 0; i < 5; ++i) {
        TBitmap bmp(GlyphWidth, GlyphHeight);
        TCanvas* c = bmp.Canvas();
        c->Brush()->SetColor(clWhite);
        c->FillRect(Rect(0, 0, GlyphWidth, GlyphHeight));
        DrawIndicatorGlyph(c, 0, 0, i);
        list->AddMasked(&bmp, clWhite);
    }
    return list;
}

} // namespace ui
