#pragma once
// The background protocol of the UTL controls: a see-through control asks its
// parent chain to paint the part of the background that lies behind it. The
// custom control bases and the form shape take part in it.
#include "platform/graphics/TCanvas.h"

class TBitmap;
class TWinControl;

class TUtlBackgroundProvider {
public:
    virtual ~TUtlBackgroundProvider() = default;
    // Whether this control can supply a background.
    virtual bool BackBitmapCheck() const = 0;
    // The background bitmap of the chain; null when none.
    virtual TBitmap* BackBitmap() const = 0;
    // A point of this control in the background bitmap's coordinates.
    virtual TPoint BackMapPoint(TPoint P) const = 0;
    // Paints the background under R of Canvas, P being R's origin in the
    // background; false when nothing was painted.
    virtual bool BackDrawArea(TCanvas* Canvas, const TRect& R, TPoint P) const = 0;
};

namespace utl {

// The provider a control's parent offers: the parent itself, or for a form
// the form shape it carries; null when there is none.
TUtlBackgroundProvider* BackgroundOf(TWinControl* Parent);
// Copies the area of R's size at P of Background (tiled when it is smaller) to R of Canvas.
bool DrawBackgroundArea(TBitmap* Background, TCanvas* Canvas, const TRect& R, TPoint P);

} // namespace utl
