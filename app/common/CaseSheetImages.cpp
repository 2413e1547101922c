#include "app/common/CaseSheetImages.h"

#include "controls/buttons/ButtonLooks.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"

namespace app {

namespace {

constexpr TColor Transparent = 0xFF00FF; // magenta: never part of the pictures
constexpr TColor Label = 0xF7F5F3;       // paper white
constexpr TColor Shutter = 0xC8C0B8;     // light steel
constexpr TColor Tick = 0x2E8B3C;        // calm green

void Box(TCanvas* c, TColor Pen, TColor Fill) {
    c->Pen()->SetColor(Pen);
    c->Pen()->SetWidth(1);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Fill);
}

// A floppy disk: dark body with a cut corner, metal shutter on top, paper label below.
void Diskette(TCanvas* c, int x) {
    Box(c, looks::HouseBlue, looks::HouseBlue);
    c->Polygon({{x + 1, 1}, {x + 12, 1}, {x + 14, 3}, {x + 14, 14}, {x + 1, 14}});
    Box(c, Shutter, Shutter);
    c->Rectangle(x + 4, 2, x + 11, 6);
    Box(c, looks::HouseBlue, looks::HouseBlue);
    c->Rectangle(x + 8, 3, x + 10, 5);
    Box(c, Label, Label);
    c->Rectangle(x + 3, 8, x + 13, 14);
    c->Pen()->SetColor(Shutter);
    c->MoveTo(x + 5, 10);
    c->LineTo(x + 11, 10);
    c->MoveTo(x + 5, 12);
    c->LineTo(x + 11, 12);
}

// A white check box with a green tick.
void TickedBox(TCanvas* c, int x) {
    Box(c, looks::HouseBlue, clWhite);
    c->Rectangle(x + 2, 2, x + 14, 14);
    c->Pen()->SetColor(Tick);
    c->Pen()->SetWidth(2);
    c->MoveTo(x + 4, 8);
    c->LineTo(x + 7, 11);
    c->LineTo(x + 12, 4);
}

} // namespace

void AddCaseSheetImages(TImageList* List) {
    List->SetWidth(16);
    List->SetHeight(16);
    TBitmap strip(32, 16);
    TCanvas* c = strip.Canvas();
    c->Brush()->SetColor(Transparent);
    c->FillRect(TRect(0, 0, 32, 16));
    Diskette(c, 0);
    TickedBox(c, 16);
    List->AddMasked(&strip, Transparent);
}

} // namespace app
