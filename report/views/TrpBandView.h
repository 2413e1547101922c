#pragma once
// The band view: a horizontal (for cross bands vertical) strip of a template
// page that becomes a band when the report is built. The band type lives in
// the low seven bits of FrameTyp; FormatStr names a data band's data source or
// holds a group header's condition.
#include "report/views/TrpView.h"

#include <memory>

class TComponent;
class TrpDataset;

enum TrpBandType {
    btReportTitle,
    btReportSummary,
    btPageHeader,
    btPageFooter,
    btMasterHeader,
    btMasterData,
    btMasterFooter,
    btDetailHeader,
    btDetailData,
    btDetailFooter,
    btSubDetailHeader,
    btSubDetailData,
    btSubDetailFooter,
    btOverlay,
    btColumnHeader,
    btColumnFooter,
    btGroupHeader,
    btGroupFooter,
    btCrossHeader,
    btCrossData,
    btCrossFooter,
    btNone
};
constexpr Integer rpBandTypeCount = 22;

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

    void Draw(TCanvas* ACanvas) override;
    std::unique_ptr<TRegion> GetClipRgn(TrpRgnType RgnType) override;
    // The base items, then check items for the flags 2 to 64; each changes
    // the selected bands.
    void DefinePopupMenu(TPopupMenu* Popup) override;

    // The type is FrameTyp and 127; setting it stores Value and 127.
    TrpBandType GetBandType() const;
    void SetBandType(TrpBandType Value);

    // Draws the band's title in a tab above it (to the left of a cross band).
    static bool ShowBandTitles;
};

// The data source a data band names in FormatStr. Text starting with a digit
// 1 to 9 makes a new user dataset of that many records (Owned is then true
// and the caller frees it); raises EConvertError "'<text>' is not a valid
// integer value" when it is not a whole number. Other text names a component
// of Owner, or as "Form.Component" one of another form (rpFindComponent),
// which must be a TrpDataset (EInvalidCast "Invalid class typecast"
// otherwise) or absent (null). The dataset returned has been initialised.
TrpDataset* rpResolveBandDataSet(TComponent* Owner, const String& FormatStr, bool& Owned);
