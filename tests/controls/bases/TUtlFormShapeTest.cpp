#include "controls/bases/TUtlFormShape.h"

#include "tests/controls/PixelSheet.h"
#include "controls/shapes/GxWindowImage.h"
#include "platform/graphics/DeviceRegions.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/WindowRegion.h"

#include <gtest/gtest.h>

namespace {

bool In(const TRegion* r, Integer x, Integer y) {
    return r && r->Contains(TPoint(x, y));
}

} // namespace

TEST(TUtlFormShapeTest, RegionInWindowCoordinatesWithTheCaptionBand) {
    TForm form(nullptr);
    form.SetBorderStyle(bsSingle);
    form.SetBounds(0, 0, 300, 200);
    TUtlFormShape shape(&form);
    shape.Region()->SetShape(rsElliptic);
    const Integer fx = GetSystemMetrics(SM_CXDLGFRAME), fy = GetSystemMetrics(SM_CYDLGFRAME),
                  c = GetSystemMetrics(SM_CYCAPTION);
    const TRect client = shape.LastClientRect();
    EXPECT_EQ(client, TRect(-1, -1, 300 - 2 * fx + 1, 200 - 2 * fy - c + 1));
    const TRegion* window = shape.WindowRegion();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(In(window, 2, 2));                  // the caption band
    EXPECT_TRUE(In(window, 150, 100));              // the ellipse's middle
    EXPECT_FALSE(In(window, fx + 2, 200 - fy - 2)); // its lower left corner is cut
    shape.SetShowFormCaption(false);
    EXPECT_FALSE(In(shape.WindowRegion(), 2, 2));
    EXPECT_TRUE(In(shape.WindowRegion(), 150, 100));
    // The window here is the client area: the mask is the region moved under the caption.
    auto mask = ui::GetWindowRgn(&form);
    ASSERT_NE(mask, nullptr);
    EXPECT_TRUE(mask->Contains(TPoint(150 - fx, 100 - fy - c)));
    EXPECT_FALSE(mask->Contains(TPoint(1, 1)));
}

TEST(TUtlFormShapeTest, AMinimisedFormKeepsOnlyItsCaptionBand) {
    TForm form(nullptr);
    form.SetBorderStyle(bsSizeable);
    form.SetBounds(0, 0, 300, 200);
    form.SetWindowState(wsMinimized);
    TUtlFormShape shape(&form);
    shape.ReRegion();
    const Integer band = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(shape.WindowRegion()->Bounds(), TRect(0, 0, 300, band));
}

TEST(TUtlFormShapeTest, ABitmapShapeSizesTheFormToItsPicture) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(10, 20, 300, 200);
    TUtlFormShape shape(&form);
    shape.Region()->Mask()->MaskBitmap()->SetSize(120, 80);
    HRGN round = CreateEllipticRgn(0, 0, 120, 80);
    shape.Region()->Mask()->SetRegionDataSize(Integer(GetRegionData(round, 0, nullptr)));
    shape.Region()->Mask()->GetMem();
    shape.Region()->Mask()->GetRegionData(round);
    DeleteObject(round);
    shape.Region()->SetShape(rsBitmap);
    EXPECT_EQ(form.BoundsRect(), TRect(10, 20, 130, 100));
    EXPECT_TRUE(In(shape.WindowRegion(), 60, 40));
    EXPECT_FALSE(In(shape.WindowRegion(), 1, 1));
}

TEST(TUtlFormShapeTest, PaintsItsFillAndBorderInsideTheRegion) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 160, 100);
    form.SetColor(clYellow);
    TUtlFormShape shape(&form);
    shape.FillObject()->SetStyle(sfGradient);
    shape.FillObject()->Gradient()->SetColor(RGB(30, 60, 140));
    shape.FillObject()->Gradient()->SetEndColor(RGB(200, 220, 250));
    shape.Region()->SetShape(rsRoundRect);
    shape.Region()->Border()->SetStyle(rbSingle);
    TBitmap picture(160, 100, pf24bit);
    GetWindowImage(&form, true, false, picture.Canvas());
    EXPECT_EQ(sheet::At(picture, 80, 0), clBlack);                     // the border along the top
    EXPECT_EQ(sheet::At(picture, 80, 4), RGB(30, 60, 140) & 0xFFFFFF); // the gradient's first band
    // Without a fill the form's colour fills the background.
    shape.FillObject()->SetStyle(sfNone);
    TBitmap plain(160, 100, pf24bit);
    GetWindowImage(&form, true, false, plain.Canvas());
    EXPECT_EQ(sheet::At(plain, 80, 50), clYellow);
}

TEST(TUtlFormShapeTest, AListFillTakesItsPictureFromTheImageList) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 60, 40);
    TUtlFormShape shape(&form);
    shape.Region()->SetShape(rsRect);
    shape.Region()->Border()->SetStyle(rbNone);
    shape.FillObject()->SetStyle(sfBitmapList);
    shape.FillObject()->SetTileMode(tmStretch);
    {
        TUtlBitmapList list(nullptr);
        auto picture = sheet::Make(4, 4, clFuchsia);
        list.Items(list.Add())->SetBitmap(picture.get());
        shape.SetImageList(&list);
        TBitmap window(60, 40, pf24bit);
        GetWindowImage(&form, true, false, window.Canvas());
        EXPECT_EQ(sheet::At(window, 30, 20), clFuchsia);
    }
    EXPECT_EQ(shape.ImageList(), nullptr); // a destroyed list is forgotten
}
