// Caption metrics and the caption's free drawing area: the classic figures,
// those of a frame the window manager publishes, and the strip per style.
#include "controls/UtlNCArea.h"
#include "controls/UtlSysInfo.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/TCustomForm.h"

#include <gtest/gtest.h>

namespace {

class FramedSource : public TUtlSystemSource {
public:
    bool FrameExtents(const TCustomForm* Form, TFrameExtents& Extents) override {
        if (!Published) return false;
        Extents = Frame;
        return true;
    }
    bool Published = true;
    TFrameExtents Frame{3, 3, 27, 3};
};

TEST(UtlNCAreaTest, MetricsFollowAPublishedFrameAndAreClassicOtherwise) {
    const TUtlNCMetrics classic = UtlNCClassicMetrics();
    EXPECT_EQ(classic.CaptionHeight, GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(classic.BorderWidth, GetSystemMetrics(SM_CXBORDER) + GetSystemMetrics(SM_CXFRAME) - 1);

    const TUtlNCMetrics framed = UtlNCMetricsOf({3, 3, 27, 3});
    EXPECT_EQ(framed.CaptionHeight, 24); // the top side beyond the frame's thickness
    EXPECT_EQ(framed.SmallCaptionHeight, 24);
    EXPECT_EQ(framed.ButtonWidth, 23);
    EXPECT_EQ(framed.SizingBorderX, 3);
    EXPECT_EQ(framed.DlgFrameY, 3);
    EXPECT_EQ(framed.BorderWidth, 3);
    // A grip at the bottom is no part of the caption.
    EXPECT_EQ(UtlNCMetricsOf({1, 1, 20, 5}).CaptionHeight, 19);
    EXPECT_EQ(UtlNCMetricsOf({1, 1, 20, 5}).SizingBorderY, 1);
    // A frame without a caption (a borderless window) has no buttons either.
    EXPECT_EQ(UtlNCMetricsOf({0, 0, 0, 0}).ButtonWidth, 0);

    FramedSource source;
    UtlSetSystemSource(&source);
    TForm form(nullptr);
    EXPECT_EQ(UtlNCMetrics(&form), framed);
    source.Published = false;
    EXPECT_EQ(UtlNCMetrics(&form), classic);
    UtlSetSystemSource(nullptr);
}

TEST(UtlNCAreaTest, TheFreeStripPerStyleAndFlags) {
    TUtlNCMetrics m; // round figures to read the table by
    m.CaptionHeight = 20;
    m.SmallCaptionHeight = 14;
    m.ButtonWidth = 18;
    m.SmallButtonWidth = 12;
    m.SizingBorderX = m.SizingBorderY = 4;
    m.DlgFrameX = m.DlgFrameY = 3;
    m.IconWidth = 16;
    const TBorderIcons all{biSystemMenu, biMinimize, biMaximize};
    struct Row {
        TFormBorderStyle style;
        TBorderIcons icons;
        bool iconic;
        Integer flagsIn;
        TRect strip, free;
        Integer flagsOut;
        const char* why;
    } rows[] = {
        {bsSizeable,
         all,
         false,
         0,
         {4, 4, 196, 24},
         {22, 4, 140, 24},
         ncSysMenuIcon,
         "icon left; close and the minimise-maximise pair right"},
        {bsSizeable,
         all,
         false,
         ncFullWidth,
         {4, 4, 196, 24},
         {4, 4, 196, 24},
         ncFullWidth | ncSysMenuIcon,
         "full width keeps the whole strip"},
        {bsSizeable,
         all,
         true,
         ncLeftMargin,
         {4, 4, 196, 24},
         {24, 4, 140, 24},
         ncLeftMargin | ncSysMenuIcon | ncIconic,
         "the extra margin; iconic reported"},
        {bsDialog,
         {biSystemMenu, biHelp},
         false,
         0,
         {3, 3, 197, 23},
         {3, 3, 159, 23},
         0,
         "a dialog: no icon, close and help"},
        {bsToolWindow,
         {biSystemMenu},
         false,
         ncToolWindow,
         {3, 3, 197, 17},
         {3, 3, 183, 17},
         ncToolWindow,
         "tool window: small caption and button; the output bit is recomputed"},
        {bsSingle, {}, false, 0, {3, 3, 197, 23}, {3, 3, 197, 23}, 0, "no system menu: nothing to skip"},
        {bsNone, {}, false, 0, {0, 0, 200, 0}, {0, 0, 200, 0}, 0, "no frame, no caption"},
    };
    for (const Row& row : rows) {
        TRect strip, free;
        Integer flags = row.flagsIn;
        utl::NCCalcDrawingArea(m, {TSize(200, 150), row.style, row.icons, row.iconic}, strip, free, flags);
        EXPECT_EQ(strip, row.strip) << row.why;
        EXPECT_EQ(free, row.free) << row.why;
        EXPECT_EQ(flags, row.flagsOut) << row.why;
    }
}

TEST(UtlNCAreaTest, AShownFormIsMeasuredInTheWindowManagersFrame) {
    FramedSource source;
    UtlSetSystemSource(&source);
    TForm form(nullptr);
    form.SetBorderStyle(bsSizeable);
    form.SetBounds(0, 0, 300, 200);
    TRect strip, free;
    Integer flags = ncFullWidth;
    EXPECT_FALSE(UtlNCCalcDrawingArea(&form, strip, free, flags)); // not shown
    form.Show();
    ASSERT_TRUE(UtlNCCalcDrawingArea(&form, strip, free, flags));
    // The client width with the published sides instead of the classic frame.
    const Integer width = form.ClientRect().Width() + 3 + 3;
    EXPECT_EQ(strip, TRect(3, 3, width - 3, 27));
    UtlSetSystemSource(nullptr);
}

} // namespace
