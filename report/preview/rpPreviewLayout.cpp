#include "report/preview/detail/rpPreviewLayout.h"

#include "platform/core/NumberFormat.h"
#include "report/views/detail/rpCoordinates.h"

#include <algorithm>

namespace report {

namespace {

// A file's paper may be far larger than any real one, and a fitted zoom far above
// 100%: sizes and positions saturate at the page coordinate limit, so such pages
// end up beyond reach instead of overflowing on top of the others.
Integer Scaled(Integer v, double zoom) {
    return RoundCoordinate(v * zoom);
}

Integer Sum(Integer a, Integer b) {
    return ClampCoordinate(Int64{a} + b);
}

double FittedZoom(TSize page, Integer BoxWidth, Integer BoxHeight, TrpScaleMode Mode, double ZoomFactor) {
    double zoom = ZoomFactor;
    switch (Mode) {
    case mdPageWidth:
        if (page.cx > 0) zoom = double(BoxWidth - 2 * PreviewGap) / page.cx;
        break;
    case mdOnePage:
        if (page.cy > 0) zoom = double(BoxHeight - 2 * PreviewGap) / page.cy;
        break;
    case mdTwoPages:
        if (page.cx > 0) zoom = double(BoxWidth - 3 * PreviewGap) / (2.0 * page.cx);
        break;
    case mdNone:
        break;
    }
    return zoom > 0 ? zoom : ZoomFactor;
}

Integer ColumnsFor(const std::vector<TSize>& sizes, Integer BoxWidth, double zoom) {
    Integer x = PreviewGap, n = 0, best = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const Integer next = Sum(Scaled(sizes[i].cx, zoom), x + PreviewGap);
        if (next <= BoxWidth) {
            x = next;
            ++n;
            if (i + 1 == sizes.size()) best = std::max(best, n);
        } else {
            // The page that did not fit starts no run of its own.
            best = std::max(best, n);
            n = 0;
            x = PreviewGap;
        }
    }
    return std::max(best, 1);
}

} // namespace

PreviewLayout LayOutPreview(const std::vector<TSize>& PageSizes, Integer CurrentPage, Integer BoxWidth,
                            Integer BoxHeight, TrpScaleMode Mode, double ZoomFactor) {
    PreviewLayout out;
    out.ZoomFactor = ZoomFactor;
    if (PageSizes.empty()) return out;
    const std::size_t current =
        std::clamp<std::size_t>(std::size_t(std::max(CurrentPage, 0)), 0, PageSizes.size() - 1);
    out.ZoomFactor = FittedZoom(PageSizes[current], BoxWidth, BoxHeight, Mode, ZoomFactor);
    const double zoom = out.ZoomFactor;
    out.Columns = Mode == mdOnePage ? 1 : Mode == mdTwoPages ? 2 : ColumnsFor(PageSizes, BoxWidth, zoom);

    Integer y = PreviewGap, right = 0, bottom = 0;
    out.Pages.reserve(PageSizes.size());
    for (std::size_t first = 0; first < PageSizes.size(); first += std::size_t(out.Columns)) {
        Integer x = PreviewGap, rowHeight = 0;
        const std::size_t end = std::min(PageSizes.size(), first + std::size_t(out.Columns));
        for (std::size_t i = first; i < end; ++i) {
            const Integer w = Scaled(PageSizes[i].cx, zoom), h = Scaled(PageSizes[i].cy, zoom);
            TRect r(x, y, Sum(x, w), Sum(y, h));
            if (out.Columns == 1 && BoxWidth > w) {
                const Integer left = (BoxWidth - w) / 2;
                r = TRect(left, y, left + w, Sum(y, h));
            }
            out.Pages.push_back(r);
            x = Sum(x, w + PreviewGap);
            rowHeight = std::max(rowHeight, h);
            right = std::max(right, r.Right);
            bottom = std::max(bottom, r.Bottom);
        }
        y = Sum(y, rowHeight + PreviewGap);
    }
    auto range = [](Integer extent) { return extent < 0 ? 0 : extent + PreviewGap; };
    out.HorzRange = range(right - BoxWidth);
    out.VertRange = range(bottom - BoxHeight);
    return out;
}

TRect PrintableArea(const TRect& Page, TPoint Offset, TSize Size, double Zoom) {
    const Integer left = Sum(Page.Left, Scaled(Offset.X, Zoom)), top = Sum(Page.Top, Scaled(Offset.Y, Zoom));
    return TRect(left, top, Sum(left, Scaled(Size.cx, Zoom)), Sum(top, Scaled(Size.cy, Zoom)));
}

String ZoomCaption(double ZoomFactor) {
    return std::to_string(Round(ZoomFactor * 100)) + "%";
}

bool PageOnScreen(const TRect& Rect, Integer BoxHeight) {
    return Rect.Top <= BoxHeight && Rect.Bottom >= 0;
}

Integer PageAtScroll(const std::vector<TRect>& Pages, Integer Position) {
    const Integer line = Position + 11;
    for (std::size_t i = 0; i < Pages.size(); ++i)
        if (Pages[i].Top < line && Pages[i].Bottom > line) return Integer(i);
    return -1;
}

} // namespace report
