#include "controls/shapes/GxWindowImage.h"
#include "controls/services/TUtlApplication.h"
#include "controls/bases/TUtlFormShape.h"
#include "controls/shapes/TUtlShape.h"
#include "controls/shapes/UtlShapes.h"
#include "platform/graphics/DeviceRegions.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/WindowRegion.h"

#include "tests/controls/PixelSheet.h"
#include "tests/controls/PngWriter.h"
#include "platform/core/ScopeExit.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The eleven shapes with a shadow and a raised edge, then with a tracing
// shadow, a sunken edge and a hatch, then with teeth, for a look.
TEST(UtlShapesSheetTest, WritesTheShapesToAPicture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the pictures";
    UtlInitialization(); // the tracing shadow's dither brush
    core::ScopeExit done([] { UtlFinalization(); });
    auto sheetBmp = sheet::Make(760, 330, clBtnFace);
    TCanvas* c = sheetBmp->Canvas();
    const TColor fills[] = {RGB(90, 140, 220), RGB(240, 200, 80), RGB(120, 190, 120), RGB(220, 120, 110)};
    for (Integer row = 0; row < 2; ++row)
        for (Integer i = 0; i <= stStar; ++i) {
            TUtlShape shape;
            shape.Brush()->SetColor(fills[i % 4]);
            shape.Bevel()->SetWidth(2);
            shape.Bevel()->SetStyle(row == 0 ? sbOffset : sbInset);
            shape.Shadow()->SetDepth(5);
            shape.Shadow()->SetStyle(row == 0 ? hssSolid : hssTracing);
            shape.Shadow()->SetColor(row == 0 ? clGray : clBlack);
            if (row == 1 && i % 3 == 0) {
                shape.Brush()->SetStyle(bsDiagCross);
                shape.Brush()->SetColor(clNavy);
            }
            const Integer x = 10 + i * 68, y = 10 + row * 90;
            UtlShapeDraw(Bounds(x, y, 62, 72), c, TUtlShapeType(i), nullptr, nullptr, false, shape.Brush(),
                         33, shape.Bevel(), shape.Shadow(), nullptr, clNone, clWhite);
        }
    const TUtlDirection directions[] = {tdRight, tdDown, tdLeft, tdUp};
    for (Integer i = 0; i < 4; ++i) {
        TUtlShape shape;
        shape.Brush()->SetColor(fills[i]);
        shape.Shadow()->SetDepth(4);
        TUtlTeeth teeth;
        teeth.SetDirection(directions[i]);
        teeth.SetCount(6);
        teeth.SetInteger(i % 2 == 0 ? 0 : 1, 8);
        const Integer x = 10 + i * 185;
        UtlShapeDraw(Bounds(x, 200, 170, 110), c, stRectangle, &teeth, nullptr, false, shape.Brush(), 33,
                     shape.Bevel(), shape.Shadow(), nullptr, clNone, clWhite);
    }
    const std::string path = std::string(folder) + "/controls-shapes-sheet.png";
    ASSERT_TRUE(pngtest::SavePng(*sheetBmp, path));
    EXPECT_EQ(sheet::At(*sheetBmp, 10 + 68 + 30, 10 + 35), fills[1]); // the rectangle's face
}

// Shaped forms as they show on a desktop: the window picture cut by its region.
TEST(UtlShapesSheetTest, WritesShapedFormsToAPicture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the pictures";
    UtlInitialization();
    core::ScopeExit done([] { UtlFinalization(); });
    auto desk = sheet::Make(640, 250, RGB(58, 110, 165));
    struct Look {
        TUtlRegionShape Shape;
        TUtlRegionBorderStyle Border;
        const char* Text;
    };
    const Look looks[] = {{rsRoundNoseRect, rbRaised, "Jegyzet az ügyhöz"},
                          {rsEllipticThinkBubble, rbSingle, "Gondolat"},
                          {rsRoundShield, rbSingleRaised, "Pajzs"}};
    for (Integer i = 0; i < 3; ++i) {
        TForm form(nullptr);
        form.SetBorderStyle(bsNone);
        form.SetBounds(0, 0, 200, 200);
        TLabel label(&form);
        label.SetParent(&form);
        label.SetCaption(looks[i].Text);
        label.SetBounds(50, 90, 130, 16);
        label.SetTransparent(true);
        TUtlFormShape shape(&form);
        shape.FillObject()->SetStyle(sfGradient);
        shape.FillObject()->Gradient()->SetStyle(gstVertical);
        shape.FillObject()->Gradient()->SetColor(RGB(255, 250, 220));
        shape.FillObject()->Gradient()->SetEndColor(RGB(240, 200, 120));
        shape.Region()->SetShape(looks[i].Shape);
        shape.Region()->SetExtPos(epBottomLeft);
        shape.Region()->Border()->SetStyle(looks[i].Border);
        shape.Region()->Border()->SetLightColor(clWhite);
        shape.Region()->Border()->SetShadowColor(RGB(120, 80, 20));
        shape.Region()->Shadow()->SetStyle(hssTracing);
        shape.Region()->Shadow()->SetDepth(6);
        shape.Region()->Shadow()->SetColor(clBlack);
        shape.ReRegion();
        TBitmap picture(200, 200, pf24bit);
        GetWindowImage(&form, true, true, picture.Canvas());
        auto mask = ui::GetWindowRgn(&form);
        ASSERT_NE(mask, nullptr);
        TRegion placed = *mask;
        const Integer x = 20 + i * 210;
        placed.Offset(x, 25);
        SelectClipRgn(desk->Canvas(), &placed);
        desk->Canvas()->Draw(x, 25, &picture);
        SelectClipRgn(desk->Canvas(), nullptr);
    }
    const std::string path = std::string(folder) + "/controls-shaped-forms.png";
    ASSERT_TRUE(pngtest::SavePng(*desk, path));
    EXPECT_EQ(sheet::At(*desk, 2, 2), RGB(58, 110, 165)); // the desktop around them
}
