// Caption metrics and the caption's free drawing area: the classic figures,
// those of a frame the window manager publishes, and the strip per style.
#include "controls/services/UtlNCArea.h"
#include "controls/services/UtlSysInfo.h"
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

TEST(UtlNCAreaTest, MetricsAndTheStripFollowAPublishedFrameAndAreClassicOtherwise) {
    // A grip at the bottom is no part of the caption: the top beyond a side is.
    const TUtlNCMetrics framed = UtlNCMetricsOf({1, 1, 20, 5});
    EXPECT_EQ(framed.CaptionHeight, 19);
    EXPECT_EQ(framed.ButtonWidth, 18);
    EXPECT_EQ(framed.SizingBorderY, 1);
    EXPECT_EQ(UtlNCMetricsOf({0, 0, 0, 0}).ButtonWidth, 0); // borderless: no buttons either
    FramedSource source;
    UtlSetSystemSource(&source);
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(UtlNCMetrics(&form), UtlNCMetricsOf(source.Frame));
    TRect strip, free;
    Integer flags = ncFullWidth;
    EXPECT_FALSE(UtlNCCalcDrawingArea(&form, strip, free, flags)); // not shown
    form.Show();
    ASSERT_TRUE(UtlNCCalcDrawingArea(&form, strip, free, flags));
    // The client width with the published sides in place of the classic frame.
    EXPECT_EQ(strip, TRect(3, 3, form.ClientRect().Width() + 3, 27));
    source.Published = false;
    EXPECT_EQ(UtlNCMetrics(&form), UtlNCClassicMetrics());
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
        Integer flagsIn;
        TRect strip, free;
        Integer flagsOut;
    } rows[] = {
        // icon left; close and the minimise-maximise pair right
        {bsSizeable, all, 0, {4, 4, 196, 24}, {22, 4, 140, 24}, ncSysMenuIcon},
        // full width keeps the whole strip
        {bsSizeable, all, ncFullWidth, {4, 4, 196, 24}, {4, 4, 196, 24}, ncFullWidth | ncSysMenuIcon},
        // a dialog: no icon; close and help
        {bsDialog, {biSystemMenu, biHelp}, ncLeftMargin, {3, 3, 197, 23}, {5, 3, 159, 23}, ncLeftMargin},
        // tool window: small caption and button; the output bit is recomputed
        {bsToolWindow, {biSystemMenu}, ncToolWindow, {3, 3, 197, 17}, {3, 3, 183, 17}, ncToolWindow},
    };
    for (const Row& row : rows) {
        TRect strip, free;
        Integer flags = row.flagsIn;
        utl::NCCalcDrawingArea(m, {TSize(200, 150), row.style, row.icons, false}, strip, free, flags);
        EXPECT_EQ(strip, row.strip) << row.style;
        EXPECT_EQ(free, row.free) << row.style;
        EXPECT_EQ(flags, row.flagsOut) << row.style;
    }
}

} // namespace
