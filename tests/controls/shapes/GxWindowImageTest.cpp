#include "controls/shapes/GxWindowImage.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

#include <gtest/gtest.h>

namespace {

TColor At(TBitmap& b, Integer x, Integer y) {
    return b.Canvas()->Pixels(x, y) & 0xFFFFFF;
}

// A yellow panel holding a red panel and, before it, a blue label under part of it.
struct Scene {
    TForm form{nullptr};
    TPanel back{&form};
    TLabel label{&form};
    TPanel front{&form};
    Scene() {
        form.SetBounds(0, 0, 200, 150);
        back.SetParent(&form);
        back.SetBounds(0, 0, 120, 80);
        back.SetBevelOuter(bvNone);
        back.SetColor(clYellow);
        label.SetParent(&back);
        label.SetBounds(10, 10, 30, 20);
        label.SetTransparent(false);
        label.SetColor(clBlue);
        front.SetParent(&back);
        front.SetBounds(20, 15, 50, 40);
        front.SetBevelOuter(bvNone);
        front.SetColor(clRed);
    }
};

} // namespace

TEST(GxWindowImageTest, ControlAndItsChildrenInOrder) {
    Scene s;
    TBitmap picture(120, 80, pf24bit);
    GetWindowImage(&s.back, true, true, picture.Canvas());
    EXPECT_EQ(At(picture, 100, 70), clYellow);
    EXPECT_EQ(At(picture, 12, 12), clBlue);
    EXPECT_EQ(At(picture, 30, 30), clRed); // the panel after the label covers it
    // Without DrawSelf only the children appear.
    TBitmap children(120, 80, pf24bit);
    GetWindowImageFrom(&s.back, 0, 0, false, true, children.Canvas());
    EXPECT_EQ(At(children, 100, 70), clWhite);
    EXPECT_EQ(At(children, 30, 30), clRed);
}

TEST(GxWindowImageTest, ParentImageIsTheBackgroundBehindTheControl) {
    Scene s;
    TBitmap behind(50, 40, pf24bit);
    GetParentImageRect(&s.front, s.front.BoundsRect(), behind.Canvas());
    // The front panel's top-left is (0, 0): the label shows where it lies beneath.
    EXPECT_EQ(At(behind, 5, 5), clBlue); // label pixel (25, 20)
    EXPECT_EQ(At(behind, 30, 30), clYellow);
    // Only the asked part is painted.
    TBitmap part(50, 40, pf24bit);
    GetParentImageRect(&s.front, TRect(40, 35, 200, 200), part.Canvas());
    EXPECT_EQ(At(part, 5, 5), clWhite);
    EXPECT_EQ(At(part, 30, 30), clYellow);
    // No parent: nothing.
    TPanel lone(nullptr);
    lone.SetBounds(0, 0, 10, 10);
    TBitmap none(10, 10, pf24bit);
    GetParentImageRect(&lone, TRect(0, 0, 10, 10), none.Canvas());
    EXPECT_EQ(At(none, 5, 5), clWhite);
}
