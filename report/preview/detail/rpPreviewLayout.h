#pragma once
// Where the preview puts the prepared pages: the zoom of the fitted modes,
// how many pages stand side by side, each page's rectangle in the page box
// before scrolling, and the scroll ranges. A pure function of the page sizes
// and the box, so the window only applies what it answers.
#include "platform/graphics/TRect.h"

#include <vector>

enum TrpScaleMode { mdNone, mdPageWidth, mdOnePage, mdTwoPages };

namespace report {

// Every gap between pages and around them, in screen pixels.
constexpr Integer PreviewGap = 10;

struct PreviewLayout {
    double ZoomFactor = 1.0;
    Integer Columns = 1;
    std::vector<TRect> Pages;
    // The scroll bars' Max; a bar with 0 is disabled.
    Integer HorzRange = 0;
    Integer VertRange = 0;
};

// Lays out pages of the given sizes (screen pixels at 100%) in a box of
// BoxWidth by BoxHeight. The fitted modes take their zoom from the page
// CurrentPage (0-based); a page of no width or height, or a box too small to
// give a positive zoom, leaves ZoomFactor as it is.
PreviewLayout LayOutPreview(const std::vector<TSize>& PageSizes, Integer CurrentPage, Integer BoxWidth,
                            Integer BoxHeight, TrpScaleMode Mode, double ZoomFactor);

// Where a page that does not use its margins is drawn inside its rectangle Page
// on screen: the printable area, its Offset and Size (page pixels at 100%) at Zoom.
TRect PrintableArea(const TRect& Page, TPoint Offset, TSize Size, double Zoom);

// The zoom button's caption: the percentage rounded, then "%".
String ZoomCaption(double ZoomFactor);

// Whether a page at Rect (scrolled) meets a box of BoxHeight: pages below the
// box or above it are not drawn and give their objects back.
bool PageOnScreen(const TRect& Rect, Integer BoxHeight);

// The page (0-based) whose rectangle spans the line 11 pixels below the
// vertical scroll position; -1 when none does (a gap between rows).
Integer PageAtScroll(const std::vector<TRect>& Pages, Integer Position);

} // namespace report
