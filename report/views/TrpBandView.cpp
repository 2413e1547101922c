#include "report/views/TrpBandView.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpReportLink.h"

bool TrpBandView::ShowBandTitles = false;

namespace {

bool IsCrossBand(TrpBandType t) {
    return t == btCrossHeader || t == btCrossData || t == btCrossFooter;
}

// The 8 × 8 checkerboard that fills bands in a designer.
TBitmap* BandBackground() {
    static TBitmap* bitmap = [] {
        auto* b = new TBitmap(8, 8);
        for (Integer y = 0; y < 8; ++y)
            for (Integer x = 0; x < 8; ++x)
                b->Canvas()->SetPixels(x, y, (x + y) % 2 == 0 ? 0xFFFFFF : 0xC0C0C0);
        return b;
    }();
    return bitmap;
}

} // namespace

String rpBandName(Integer BandType) {
    if (BandType < 0 || BandType >= rpBandTypeCount) return {};
    return rpLoadStr(rpsFirstBandName + BandType);
}

TrpBandView::TrpBandView() {
    Typ = gtBand;
    BaseName = "Band";
    Flags = bfPrintOnFirstPage | bfPrintOnLastPage;
    Format = 0;
}

TrpBandType TrpBandView::GetBandType() const {
    const Integer t = FrameTyp & 127;
    return t < rpBandTypeCount ? TrpBandType(t) : btNone;
}

void TrpBandView::SetBandType(TrpBandType Value) {
    FrameTyp = static_cast<Word>(Value & 127);
}

TRect TrpBandView::DesignStrip() const {
    TRect strip(Left, Top, Left + Width, Top + Height);
    Integer paperWidth = 0, paperHeight = 0;
    if (!rpPaperOf(CurReport, this, paperWidth, paperHeight)) return strip;
    if (IsCrossBand(GetBandType())) {
        if (paperHeight > 0) strip = TRect(Left, 0, Left + Width, paperHeight);
    } else if (paperWidth > 0) {
        strip = TRect(0, Top, paperWidth, Top + Height);
    }
    return strip;
}

TRect TrpBandView::TitleTab() const {
    const TRect strip = DesignStrip();
    return IsCrossBand(GetBandType()) ? TRect(strip.Left - 18, strip.Top, strip.Left, strip.Top + 100)
                                      : TRect(strip.Left, strip.Top - 18, strip.Left + 100, strip.Top);
}

void TrpBandView::Draw(TCanvas* ACanvas) {
    // Band views become bands when a report is built; only a designer draws them.
    if (DocMode != dmDesigning) return;
    BeginDraw(ACanvas);
    FrameWidth = 1;
    CalcGaps();
    const bool cross = IsCrossBand(GetBandType());
    const TRect strip = DesignStrip();
    // Solid: a clear brush left by the band drawn before would fill nothing.
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetBitmap(BandBackground());
    Canvas->FillRect(strip);
    Canvas->Brush()->SetBitmap(nullptr);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(clBtnFace);
    Canvas->Rectangle(strip.Left, strip.Top, strip.Right + 1, strip.Bottom + 1);
    // The title goes where the band itself starts, or on its tab.
    TRect titled = strip;
    if (ShowBandTitles) {
        titled = TitleTab();
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(clBtnFace);
        Canvas->FillRect(titled);
        Canvas->Brush()->SetStyle(bsClear);
        // The shadow on the tab's far side lifts it off the page.
        Canvas->Pen()->SetColor(clBtnShadow);
        if (cross) {
            Canvas->MoveTo(titled.Left, titled.Bottom - 1);
            Canvas->LineTo(titled.Right, titled.Bottom - 1);
        } else {
            Canvas->MoveTo(titled.Right - 1, titled.Top);
            Canvas->LineTo(titled.Right - 1, titled.Bottom);
        }
    }
    SetDesignFont();
    if (cross) {
        Canvas->Font()->SetOrientation(900);
        Canvas->TextOut(titled.Left + 2, titled.Top + 94, rpBandName(GetBandType()));
        Canvas->Font()->SetOrientation(0);
    } else {
        Canvas->TextOut(titled.Left + 4, titled.Top + 2, rpBandName(GetBandType()));
    }
    RestoreCoord();
}

std::unique_ptr<TRegion> TrpBandView::GetClipRgn(TrpRgnType RgnType) {
    std::unique_ptr<TRegion> region = TrpView::GetClipRgn(RgnType);
    if (!ShowBandTitles) return region;
    return std::make_unique<TRegion>(region->United(TRegion(TitleTab())));
}
