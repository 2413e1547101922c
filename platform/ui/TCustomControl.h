#pragma once
// A focusable container that paints itself (panels, grids, custom buttons).
// Paint draws on Canvas, valid inside Paint; outside it Canvas measures text.
#include "platform/ui/TWinControl.h"

#include <memory>

class TBitmap;

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    String ClassName() const override { return "TCustomControl"; }

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
