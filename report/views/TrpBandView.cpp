#include "report/views/TrpBandView.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"
#include "report/build/TrpDataset.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/rpUtils.h"

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

void TrpBandView::Draw(TCanvas* ACanvas) {
    // Band views become bands when a report is built; only a designer draws them.
    if (DocMode != dmDesigning) return;
    BeginDraw(ACanvas);
    FrameWidth = 1;
    CalcGaps();
    const TrpBandType type = GetBandType();
    Canvas->Brush()->SetBitmap(BandBackground());
    Canvas->FillRect(TRect(Left, Top, Left + Width, Top + Height));
    Canvas->Brush()->SetBitmap(nullptr);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(clBtnFace);
    Canvas->Rectangle(Left, Top, Left + Width + 1, Top + Height + 1);
    SetDesignFont();
    if (IsCrossBand(type)) {
        Canvas->Font()->SetOrientation(900);
        Canvas->TextOut(Left + 2, Top + 94, rpBandName(type));
        Canvas->Font()->SetOrientation(0);
    } else {
        Canvas->TextOut(Left + 4, Top + 2, rpBandName(type));
    }
    RestoreCoord();
}

std::unique_ptr<TRegion> TrpBandView::GetClipRgn(TrpRgnType RgnType) {
    std::unique_ptr<TRegion> region = TrpView::GetClipRgn(RgnType);
    if (!ShowBandTitles) return region;
    const TRect tab = IsCrossBand(GetBandType()) ? TRect(Left - 18, Top, Left, Top + 100)
                                                 : TRect(Left, Top - 18, Left + 100, Top);
    return std::make_unique<TRegion>(region->United(TRegion(tab)));
}

TrpDataset* rpResolveBandDataSet(TComponent* Owner, const String& FormatStr, bool& Owned) {
    Owned = false;
    TrpDataset* result = nullptr;
    if (!FormatStr.empty() && FormatStr[0] >= '1' && FormatStr[0] <= '9') {
        const Integer count = StrToInt(FormatStr);
        auto* ds = new TrpUserDataset(nullptr);
        ds->RangeEnd = reCount;
        ds->RangeEndCount = count;
        Owned = true;
        result = ds;
    } else {
        // "Form2.rpDataset1" names a source on another form of the program.
        TComponent* found = rpFindComponent(Owner, FormatStr);
        if (found) {
            result = dynamic_cast<TrpDataset*>(found);
            if (!result) throw EInvalidCast("Invalid class typecast");
        }
    }
    if (result) result->Init();
    return result;
}
