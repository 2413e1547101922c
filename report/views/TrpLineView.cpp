#include "report/views/TrpLineView.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/graphics/TRegion.h"

TrpLineView::TrpLineView() {
    Typ = gtLine;
    BaseName = "Line";
    FrameTyp = FrameLeft;
}

void TrpLineView::Draw(TCanvas* ACanvas) {
    BeginDraw(ACanvas);
    // Drawing collapses the object to its line; the stored geometry stays.
    const Integer savedWidth = Width, savedHeight = Height;
    const Word savedFrameTyp = FrameTyp;
    if (Vertical()) {
        Width = 0;
        FrameTyp = FrameLeft;
    } else {
        Height = 0;
        FrameTyp = FrameTop;
    }
    core::ScopeExit restore([&] {
        Width = savedWidth;
        Height = savedHeight;
        FrameTyp = savedFrameTyp;
    });
    CalcGaps();
    ShowFrame();
    RestoreCoord();
}

std::unique_ptr<TRegion> TrpLineView::GetClipRgn(TrpRgnType RgnType) {
    const Integer across =
        static_cast<Integer>(FrameStyle == fsDouble ? Round(FrameWidth * 1.5) : Round(FrameWidth / 2.0));
    TRect r(Left, Top, Left + Width + 1, Top + Height + 1);
    if (Vertical()) {
        r.Left -= across;
        r.Right += across;
    } else {
        r.Top -= across;
        r.Bottom += across;
    }
    if (RgnType == rtExtended) r = TRect(r.Left - 10, r.Top - 10, r.Right + 10, r.Bottom + 10);
    return std::make_unique<TRegion>(r);
}
