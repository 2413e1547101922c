#pragma once
// A control without focus that paints itself (labels, bevels, images, speed
// buttons). Paint draws on Canvas, which is valid inside Paint; outside it
// Canvas measures text with the control's font.
#include "platform/ui/TControl.h"

#include <memory>

class TBitmap;

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    String ClassName() const override { return "TGraphicControl"; }

    TCanvas* Canvas() const;
    // Runs Paint on another canvas (a recording or a bitmap), e.g. in tests.
    void PaintTo(TCanvas* ACanvas);

protected:
    virtual void Paint() {}
    bool SelfPainting() const override { return true; }
    void PaintControl(TCanvas* ACanvas) override;

private:
    TCanvas* FCanvas = nullptr;
    mutable std::unique_ptr<TBitmap> FMeasure;
};
