#pragma once
// The line view: the framed side of a zero-width or zero-height object, with
// the frame's width, colour and style. A line is vertical when Width <= Height.
#include "report/views/TrpView.h"

class TrpLineView : public TrpView {
public:
    TrpLineView();
    String ClassName() const override { return "TrpLineView"; }

    // Draws the line; the stored rectangle and sides are as before afterwards.
    void Draw(TCanvas* ACanvas) override;
    std::unique_ptr<TRegion> GetClipRgn(TrpRgnType RgnType) override;

    bool Vertical() const { return Width <= Height; }
};
