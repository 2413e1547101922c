#include "report/views/detail/rpIndentRuler.h"

#include "platform/core/NumberFormat.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"

#include <algorithm>
#include <cstdlib>

namespace report {

namespace {

constexpr Integer TwipsPerPixel = 15; // 1440 twips an inch at 96 pixels an inch
constexpr double PixelsPerCm = 96 / 2.54;
constexpr Integer Reach = 5; // how near the pointer must come to take a marker

// A triangle of a marker: apex at (X, Apex), base at BaseY.
void DrawMarker(TCanvas* C, Integer X, Integer Apex, Integer BaseY) {
    C->Pen()->SetColor(clBlack);
    C->Brush()->SetColor(clBtnFace);
    C->Brush()->SetStyle(bsSolid);
    C->Polygon({TPoint(X, Apex), TPoint(X - 4, BaseY), TPoint(X + 4, BaseY)});
}

} // namespace

IndentRuler::IndentRuler(TComponent* AOwner) : TCustomControl(AOwner) {
    SetTabStop(false);
    SetBounds(0, 0, 400, 24);
}

void IndentRuler::SetIndents(Integer First, Integer Left, Integer Right) {
    if (First == FFirst && Left == FLeft && Right == FRight) return;
    FFirst = First;
    FLeft = Left;
    FRight = Right;
    Invalidate();
}

void IndentRuler::SetTextArea(Integer Offset, Integer Width) {
    FOffset = Offset;
    FTextWidth = std::max<Integer>(Width, 0);
    Invalidate();
}

Integer IndentRuler::FirstX() const {
    return FOffset + (FLeft + FFirst) / TwipsPerPixel;
}

Integer IndentRuler::LeftX() const {
    return FOffset + FLeft / TwipsPerPixel;
}

Integer IndentRuler::RightX() const {
    return FOffset + FTextWidth - FRight / TwipsPerPixel;
}

void IndentRuler::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(ClientRect());
    const TRect scale(FOffset, 5, FOffset + FTextWidth, 19);
    c->Brush()->SetColor(clWindow);
    c->FillRect(scale);
    c->Pen()->SetColor(clGrayText);
    c->Font()->SetName("MS Sans Serif");
    c->Font()->SetHeight(-9);
    c->Font()->SetColor(clGrayText);
    c->Brush()->SetStyle(bsClear);
    // A tick every half centimetre, the number at every whole one.
    for (Integer half = 1;; ++half) {
        const Integer x = FOffset + static_cast<Integer>(half * PixelsPerCm / 2 + 0.5);
        if (x >= scale.Right) break;
        if (half % 2 == 0) {
            // The last number would stand under the right-indent marker.
            if (x + 8 >= scale.Right) break;
            const String n = IntToStr(half / 2);
            c->TextOut(x - c->TextWidth(n) / 2, 6, n);
        } else {
            c->MoveTo(x, 10);
            c->LineTo(x, 14);
        }
    }
    DrawMarker(c, FirstX(), 11, 4);
    DrawMarker(c, LeftX(), 13, 20);
    DrawMarker(c, RightX(), 13, 20);
}

void IndentRuler::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    // The first-line marker hangs from the top, the others stand on the bottom.
    const bool top = Y < Height() / 2;
    if (top && std::abs(X - FirstX()) <= Reach)
        FDragging = Marker::First;
    else if (!top && std::abs(X - LeftX()) <= Reach)
        FDragging = Marker::Left;
    else if (!top && std::abs(X - RightX()) <= Reach)
        FDragging = Marker::Right;
}

void IndentRuler::MouseMove(TShiftState Shift, Integer X, Integer Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (FDragging != Marker::None) MoveTo(X);
}

void IndentRuler::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FDragging == Marker::None) return;
    MoveTo(X);
    FDragging = Marker::None;
    if (OnChange) OnChange(this);
}

void IndentRuler::MoveTo(Integer X) {
    const Integer width = FTextWidth * TwipsPerPixel;
    // Whole pixels: a marker stands where the pointer left it.
    const Integer at = std::clamp(X - FOffset, 0, FTextWidth) * TwipsPerPixel;
    // The text keeps at least a centimetre between its left and right edges.
    const Integer room = static_cast<Integer>(PixelsPerCm) * TwipsPerPixel;
    switch (FDragging) {
    case Marker::First:
        FFirst = std::min(at, width - FRight - room) - FLeft;
        break;
    case Marker::Left:
        FLeft = std::clamp(at, 0, std::max(0, width - FRight - room));
        FFirst = std::max(FFirst, -FLeft);
        break;
    case Marker::Right:
        FRight = std::clamp(width - at, 0, std::max(0, width - std::max(FLeft, FLeft + FFirst) - room));
        break;
    case Marker::None:
        return;
    }
    Invalidate();
}

} // namespace report
