#pragma once
// The caption metrics and the free drawing area of a window's caption, for
// components that paint into it. The window manager draws the caption here:
// where it publishes the frame it puts around a window, the metrics follow
// that frame; otherwise they are the classic figures.
#include "platform/graphics/TRect.h"
#include "platform/ui/UiTypes.h"
#include "platform/ui/WindowSystem.h"

class TCustomForm;

struct TUtlNCMetrics {
    Integer CaptionHeight = 0; // the caption strip
    Integer ButtonWidth = 0;   // a caption button
    Integer ButtonHeight = 0;
    Integer DlgFrameX = 0, DlgFrameY = 0;
    Integer FixedBorderX = 0, FixedBorderY = 0;
    Integer SizingBorderX = 0, SizingBorderY = 0;
    Integer BorderWidth = 0; // fixed + sizing − 1
    Integer SmallCaptionHeight = 0;
    Integer SmallButtonWidth = 0, SmallButtonHeight = 0;
    Integer IconWidth = 0, IconHeight = 0; // the caption's window icon
    bool operator==(const TUtlNCMetrics&) const = default;
};

// The classic figures of the system metrics.
TUtlNCMetrics UtlNCClassicMetrics();
// The figures of a published frame: its left side is the frame's thickness,
// the top beyond it is the caption (one size for every caption), the buttons
// fit inside it.
TUtlNCMetrics UtlNCMetricsOf(const TFrameExtents& Extents);
// Of Form's frame (null: the main form's) when its window manager publishes one.
TUtlNCMetrics UtlNCMetrics(const TCustomForm* Form = nullptr);

// Flags of UtlNCCalcDrawingArea: in, the caption rectangle takes the full
// width (no room left for icon and buttons) and the extra left margin; out,
// a tool window's small caption, the system-menu icon, an iconic window.
constexpr Integer ncFullWidth = 1, ncLeftMargin = 2, ncToolWindow = 4, ncSysMenuIcon = 8, ncIconic = 16;

// The caption strip of a shown form in window coordinates (0, 0 at the outer
// corner of its frame): Rect the strip inside the frame, CaptionRect the part
// free for drawing between the window icon and the caption buttons. Flags
// keeps its input bits and gains the output bits. False, with nothing
// changed, for a form that is not shown.
bool UtlNCCalcDrawingArea(TCustomForm* Window, TRect& Rect, TRect& CaptionRect, Integer& Flags);

namespace utl {

struct NCWindow {
    TSize Size; // the window with its frame
    TFormBorderStyle BorderStyle = bsSizeable;
    TBorderIcons BorderIcons;
    bool Iconic = false;
};
// The computation behind UtlNCCalcDrawingArea, on given metrics.
void NCCalcDrawingArea(const TUtlNCMetrics& Metrics, const NCWindow& Window, TRect& Rect, TRect& CaptionRect,
                       Integer& Flags);

} // namespace utl
