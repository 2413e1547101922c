#include "platform/ui/TGraphicControl.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/ControlCanvas.h"

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
    SetClickOnMouseUp(true);
    SetBounds(0, 0, 65, 17);
}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() const {
    return FCanvas ? FCanvas : ui::MeasureCanvas(FMeasure, Font());
}

void TGraphicControl::PaintControl(TCanvas* ACanvas) {
    PaintTo(ACanvas);
}

void TGraphicControl::PaintTo(TCanvas* ACanvas) {
    ui::PaintOn(FCanvas, ACanvas, Font(), Color(), [this] { Paint(); });
}
