#pragma once
// The band view: a horizontal (for cross bands vertical) strip of a template
// page that becomes a band when the report is built. The band type lives in
// the low seven bits of FrameTyp; FormatStr names a data band's data source or
// holds a group header's condition.
#include "report/common/detail/rpBandTypes.h"
#include "report/views/TrpView.h"

#include <memory>

// Band flags.
enum : Word {
    bfStretched = 1,
    bfStartNewPage = 2,
    bfPrintIfDetailEmpty = 4,
    bfAllowSplit = 8,
    bfPrintOnFirstPage = 16,
    bfPrintOnLastPage = 32,
    bfReprintOnNewPage = 64
};

// Display name of a band type ("Report title" … "None"); empty outside 0..21.
String rpBandName(Integer BandType);

class TrpBandView : public TrpView {
public:
    TrpBandView();
    String ClassName() const override { return "TrpBandView"; }

    // Design mode only: the strip (DesignStrip) filled with the 8 × 8 checkerboard,
    // framed in clBtnFace, titled with its band name in 8-point Arial inside it or,
    // with ShowBandTitles, on its title tab. Printing draws nothing.
    void Draw(TCanvas* ACanvas) override;
    // The base region, with ShowBandTitles and the title tab.
    std::unique_ptr<TRegion> GetClipRgn(TrpRgnType RgnType) override;
    // The base items, then check items for the flags 2 to 64; each changes
    // the selected bands.
    void DefinePopupMenu(TPopupMenu* Popup) override;

    // The type is FrameTyp and 127; setting it stores Value and 127.
    TrpBandType GetBandType() const;
    void SetBandType(TrpBandType Value);

    // What a designer draws: the band across the whole width of the template
    // page of CurReport that holds it (a cross band: down its whole height),
    // from 0; its own rectangle when no such page or no paper size is known.
    TRect DesignStrip() const;
    // The 100 × 18 tab above the strip (18 × 100 left of a cross band's).
    TRect TitleTab() const;

    // Draws the band's title in a tab above it (to the left of a cross band).
    static bool ShowBandTitles;
};
