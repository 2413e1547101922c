#include "platform/ui/TCustomControl.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/ControlCanvas.h"

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {
    SetClickOnMouseUp(true);
    // The background is erased with Color before Paint: controls paint only what differs.
    SetOpaque(true);
    SetBounds(0, 0, 185, 41);
}

TCustomControl::~TCustomControl() = default;

TCanvas* TCustomControl::Canvas() const {
    return FCanvas ? FCanvas : ui::MeasureCanvas(FMeasure, Font());
}

void TCustomControl::PaintControl(TCanvas* ACanvas) {
    PaintTo(ACanvas);
}

void TCustomControl::PaintTo(TCanvas* ACanvas) {
    ui::PaintOn(FCanvas, ACanvas, Font(), Color(), [this] { Paint(); });
}
