// Where the preview puts its pages (zoom of the fitted modes, columns,
// centring, scroll ranges), which page the scroll position shows, and what
// each key does.
#include "report/preview/detail/rpPreviewKeys.h"
#include "report/preview/detail/rpPreviewLayout.h"

#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using report::LayOutPreview;

TEST(PreviewLayout, PagesNarrowerThanTheBoxStandSideBySideTenPixelsApart) {
    const auto l = LayOutPreview({{400, 500}, {400, 500}, {400, 500}}, 0, 1300, 700, mdNone, 1.0);
    EXPECT_EQ(l.Columns, 3);
    ASSERT_EQ(l.Pages.size(), 3u);
    EXPECT_EQ(l.Pages[0], TRect(10, 10, 410, 510));
    EXPECT_EQ(l.Pages[1], TRect(420, 10, 820, 510));
    EXPECT_EQ(l.Pages[2], TRect(830, 10, 1230, 510));
    EXPECT_EQ(l.HorzRange, 0); // everything fits
    EXPECT_EQ(l.VertRange, 0);
}

TEST(PreviewLayout, ARowEndsWhereTheNextPageWouldPassTheEdge) {
    // 10 + 400 + 10 + 400 + 10 = 830 fits in 850, a third page does not.
    const auto l = LayOutPreview({{400, 500}, {400, 500}, {400, 500}, {400, 500}}, 0, 850, 700, mdNone, 1.0);
    EXPECT_EQ(l.Columns, 2);
    EXPECT_EQ(l.Pages[2], TRect(10, 520, 410, 1020));
    EXPECT_EQ(l.VertRange, 1030 - 700);
}

TEST(PreviewLayout, OnePageModeCentresASinglePageAndFitsItsHeight) {
    const auto l = LayOutPreview({{400, 500}}, 0, 1001, 520, mdOnePage, 2.0);
    EXPECT_DOUBLE_EQ(l.ZoomFactor, 1.0); // (520 - 20) / 500
    EXPECT_EQ(l.Columns, 1);
    EXPECT_EQ(l.Pages[0], TRect(300, 10, 700, 510)); // (1001 - 400) / 2 toward zero
    EXPECT_EQ(l.VertRange, 0);
}

TEST(PreviewLayout, TwoPagesModeSharesARowWhateverTheWidths) {
    // Zoom from the current page: (850 - 30) / (2 * 400) = 1.025.
    const auto l = LayOutPreview({{400, 500}, {800, 500}}, 0, 850, 600, mdTwoPages, 1.0);
    EXPECT_DOUBLE_EQ(l.ZoomFactor, 1.025);
    EXPECT_EQ(l.Columns, 2);
    EXPECT_EQ(l.Pages[0], TRect(10, 10, 420, 522)); // 512.5 rounds to even
    EXPECT_EQ(l.Pages[1], TRect(430, 10, 1250, 522));
    EXPECT_EQ(l.HorzRange, 1250 - 850 + 10);
    EXPECT_EQ(l.VertRange, 0);
}

TEST(PreviewLayout, PageWidthModeTakesTheCurrentPagesWidth) {
    const auto l = LayOutPreview({{200, 100}, {400, 500}}, 1, 420, 300, mdPageWidth, 1.0);
    EXPECT_DOUBLE_EQ(l.ZoomFactor, 1.0); // (420 - 20) / 400
    EXPECT_EQ(l.Columns, 1);
    EXPECT_EQ(l.Pages[0], TRect(110, 10, 310, 110)); // centred
    EXPECT_EQ(l.Pages[1], TRect(10, 120, 410, 620));
    EXPECT_EQ(l.VertRange, 620 - 300 + 10);
}

TEST(PreviewLayout, AZeroSizePageOrATinyBoxKeepsTheZoom) {
    for (TrpScaleMode mode : {mdPageWidth, mdOnePage, mdTwoPages}) {
        const auto l = LayOutPreview({{0, 0}}, 0, 800, 600, mode, 0.5);
        EXPECT_DOUBLE_EQ(l.ZoomFactor, 0.5) << mode;
        // Centred when alone in its column; two pages stand at the left.
        EXPECT_EQ(l.Pages[0], mode == mdTwoPages ? TRect(10, 10, 10, 10) : TRect(400, 10, 400, 10));
    }
    const auto tiny = LayOutPreview({{400, 500}}, 0, 15, 12, mdPageWidth, 0.75);
    EXPECT_DOUBLE_EQ(tiny.ZoomFactor, 0.75);
    EXPECT_TRUE(LayOutPreview({}, 0, 800, 600, mdOnePage, 1.0).Pages.empty());
}

// A file's paper at the integer limit is 767 million pixels at 100%. Shown at
// 200%, or fitted to a tiny page before it (a zoom of 764), every page and its
// printable area stay whole and in order: they saturate instead of overflowing.
TEST(PreviewLayout, PagesAtTheIntegerLimitSaturate) {
    const TSize huge(767360030, 767360030);
    const struct {
        const char* Why;
        std::vector<TSize> Sizes;
        TrpScaleMode Mode;
        double Zoom;
    } rows[] = {
        {"three at 200%", {huge, huge, huge}, mdNone, 2.0},
        {"fitted to a tiny page", {{1, 1}, huge, huge}, mdPageWidth, 1.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        const auto l = LayOutPreview(row.Sizes, 0, 784, 600, row.Mode, row.Zoom);
        for (std::size_t i = 0; i < l.Pages.size(); ++i) {
            const TSize printable(std::max(row.Sizes[i].cx - 36, 0), std::max(row.Sizes[i].cy - 36, 0));
            const TRect area = report::PrintableArea(l.Pages[i], TPoint(18, 18), printable, l.ZoomFactor);
            EXPECT_LE(l.Pages[i].Top, l.Pages[i].Bottom) << i;
            EXPECT_LE(area.Left, area.Right) << i;
            if (i > 0) {
                EXPECT_LE(l.Pages[i - 1].Bottom, l.Pages[i].Top) << i;
            }
        }
        EXPECT_GT(l.VertRange, 0);
    }
}

TEST(PreviewLayout, ZoomCaptionRoundsTiesToEven) {
    EXPECT_EQ(report::ZoomCaption(0.75), "75%");
    EXPECT_EQ(report::ZoomCaption(0.125), "12%");
    EXPECT_EQ(report::ZoomCaption(0.135), "14%");
}

TEST(PreviewLayout, PagesAreDrawnAnywhereInATallBox) {
    EXPECT_TRUE(report::PageOnScreen(TRect(10, 2500, 400, 3000), 3000)); // far below 2000
    EXPECT_TRUE(report::PageOnScreen(TRect(10, 3000, 400, 3400), 3000));
    EXPECT_FALSE(report::PageOnScreen(TRect(10, 3001, 400, 3400), 3000));
    EXPECT_TRUE(report::PageOnScreen(TRect(10, -500, 400, 0), 3000));
    EXPECT_FALSE(report::PageOnScreen(TRect(10, -500, 400, -1), 3000));
}

TEST(PreviewLayout, ThePageShownIsTheOneUnderTheLineBelowTheScrollPosition) {
    const std::vector<TRect> pages{TRect(10, 10, 410, 510), TRect(10, 520, 410, 1020)};
    EXPECT_EQ(report::PageAtScroll(pages, 0), 0);
    EXPECT_EQ(report::PageAtScroll(pages, 505), -1); // the line falls in the gap
    EXPECT_EQ(report::PageAtScroll(pages, 510), 1);
    EXPECT_EQ(report::PageAtScroll(pages, 1009), -1);
}

TEST(PreviewKeys, KeyTable) {
    using C = report::PreviewCommand;
    const TShiftState none, ctrl{ssCtrl};
    report::PreviewKeyState plain, full;
    full.CanPrint = full.HasSearchText = true;
    struct Row {
        Word Key;
        TShiftState Shift;
        const report::PreviewKeyState& State;
        C Command;
        bool Consumed;
        const char* Why;
    } rows[] = {
        {VK_UP, none, plain, C::LineUp, true, "arrows scroll"},
        {VK_RIGHT, ctrl, plain, C::LineRight, true, "arrows scroll with Ctrl too"},
        {VK_PRIOR, none, plain, C::ScreenUp, true, "Page Up scrolls a screen"},
        {VK_NEXT, ctrl, plain, C::NextPage, true, "Ctrl+Page Down goes to the next page"},
        {VK_SPACE, none, plain, C::ZoomMenu, true, "space opens the zoom menu"},
        {VK_ESCAPE, none, plain, C::Exit, true, "Escape closes"},
        {VK_HOME, none, plain, C::None, false, "Home alone reaches the focused control"},
        {VK_END, none, plain, C::None, false, "End alone reaches the focused control"},
        {VK_HOME, ctrl, plain, C::Top, true, "Ctrl+Home goes to the top"},
        {VK_END, ctrl, plain, C::LastPage, true, "Ctrl+End goes to the last page"},
        {'O', ctrl, plain, C::Open, true, "Ctrl+O opens"},
        {Word(0x100 | 'S'), ctrl, plain, C::Save, true, "letters match on the low byte"},
        {'P', ctrl, plain, C::None, true, "Ctrl+P without a printer is swallowed"},
        {'P', ctrl, full, C::Print, true, "Ctrl+P prints"},
        {'F', ctrl, plain, C::Find, true, "Ctrl+F finds"},
        {'E', ctrl, plain, C::None, true, "Ctrl+E without a designer is swallowed"},
        {'Q', ctrl, plain, C::None, true, "any other Ctrl key is swallowed"},
        {VK_F3, none, plain, C::None, true, "F3 without a search text"},
        {VK_F3, none, full, C::FindNext, true, "F3 finds the next"},
        {VK_DELETE, none, plain, C::None, false, "Delete passes without a designer"},
        {VK_INSERT, none, plain, C::None, false, "Insert passes without a designer"},
        {'A', none, plain, C::None, false, "plain letters pass"},
    };
    for (const Row& r : rows) {
        const auto a = report::PreviewKey(r.Key, r.Shift, r.State);
        EXPECT_EQ(a.Command, r.Command) << r.Why;
        EXPECT_EQ(a.Consumed, r.Consumed) << r.Why;
    }
    report::PreviewKeyState editing;
    editing.CanEdit = true;
    EXPECT_EQ(report::PreviewKey(VK_DELETE, none, editing).Command, C::DeletePage);
    EXPECT_EQ(report::PreviewKey('E', ctrl, editing).Command, C::Edit);
}

} // namespace
