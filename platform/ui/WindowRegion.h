#pragma once
// Window regions: a control shows and takes mouse input only inside its
// region (the widget's mask). A top-level window with a region has no frame
// of the window manager's: it paints only inside the region.
#include "platform/graphics/TRegion.h"

class TControl;

namespace ui {

// Gives Control the region (in its own coordinates; a copy is kept) or, with
// null, takes it away. Redraw repaints at once. False without a control.
bool SetWindowRgn(TControl* Control, const TRegion* Rgn, bool Redraw);
// A copy of Control's region; nullptr when it has none.
std::unique_ptr<TRegion> GetWindowRgn(const TControl* Control);
// Moves a top-level window by the window system while the left button is held,
// as dragging its caption would.
void StartSystemMove(TControl* Control);

} // namespace ui
