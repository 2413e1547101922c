#pragma once
// The frame that follows the pointer while a window is dragged: a ring of
// Thickness pixels drawn above every window around a screen rectangle. Only
// the ring is drawn and takes no input; what lies inside stays visible.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

#include <memory>

class QWidget;

namespace ui {

class TDragFrame {
public:
    explicit TDragFrame(Integer Thickness = 4);
    ~TDragFrame();
    TDragFrame(const TDragFrame&) = delete;
    TDragFrame& operator=(const TDragFrame&) = delete;

    // Shows the frame around Bounds (screen coordinates), or moves it there.
    void Show(const TRect& Bounds);
    void Hide();
    bool Showing() const { return FShowing; }
    TRect Bounds() const { return FBounds; }
    // Whether the screen point lies on the ring (false while hidden).
    bool Covers(TPoint ScreenPoint) const;

private:
    Integer FThickness;
    bool FShowing = false;
    TRect FBounds;
    std::unique_ptr<QWidget> FWidget;
};

} // namespace ui
