// Drawing of the busy picture: classic flat colours, no text.
#include "export/TVgEBusyIndicator.h"

#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TPen.h"

namespace {

constexpr TColor FolderFace = 0x4FC8F0; // manila yellow
constexpr TColor FolderShade = 0x2C94C0;
constexpr TColor FolderEdge = 0x1F6A8A;
constexpr TColor PaperEdge = 0x808080;
constexpr Integer FolderWidth = 40;
constexpr Integer FolderHeight = 28;

} // namespace

void TVgEBusyIndicator::SetPhase(Integer Value) {
    if (Value == FPhase) return;
    FPhase = Value;
    Invalidate();
}

void TVgEBusyIndicator::DrawFolder(Integer Left, Integer Top) {
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(FolderEdge);
    canvas->Brush()->SetColor(FolderShade);
    canvas->Rectangle(Left, Top, Left + 16, Top + 6);
    canvas->Brush()->SetColor(FolderFace);
    canvas->Rectangle(Left, Top + 4, Left + FolderWidth, Top + FolderHeight);
}

void TVgEBusyIndicator::Paint() {
    TCanvas* canvas = Canvas();
    const Integer top = (Height() - FolderHeight) / 2;
    const Integer rightFolder = Width() - FolderWidth - 16;
    DrawFolder(16, top);
    DrawFolder(rightFolder, top);

    // The sheet rises out of the left folder, arcs over and drops into the right one.
    const Integer startX = 16 + FolderWidth / 2 - 8;
    const Integer endX = rightFolder + FolderWidth / 2 - 8;
    const Integer x = startX + (endX - startX) * FPhase / (Steps - 1);
    const Integer half = (Steps - 1) / 2;
    const Integer distance = FPhase <= half ? FPhase : Steps - 1 - FPhase;
    const Integer y = top - 2 - distance * (top > 4 ? (top - 2) / half : 1);
    canvas->Pen()->SetColor(PaperEdge);
    canvas->Brush()->SetColor(clWhite);
    canvas->Rectangle(x, y, x + 16, y + 20);
    canvas->Pen()->SetColor(clSilver);
    for (Integer line = 0; line < 4; ++line) {
        canvas->MoveTo(x + 3, y + 5 + line * 3);
        canvas->LineTo(x + 13, y + 5 + line * 3);
    }
}
