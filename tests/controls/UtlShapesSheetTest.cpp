#include "controls/TUtlApplication.h"
#include "controls/TUtlShape.h"
#include "controls/UtlShapes.h"

#include "PixelSheet.h"
#include "PngWriter.h"
#include "platform/core/ScopeExit.h"

#include <gtest/gtest.h>

// The eleven shapes with a shadow and a raised edge, then with a tracing
// shadow, a sunken edge and a hatch, then with teeth, for a look.
TEST(UtlShapesSheetTest, WritesTheShapesToAPicture) {
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
    const std::string path = std::string(CONTROLS_RENDER_DIR) + "/controls-shapes-sheet.png";
    ASSERT_TRUE(pngtest::SavePng(*sheetBmp, path));
    EXPECT_EQ(sheet::At(*sheetBmp, 10 + 68 + 30, 10 + 35), fills[1]); // the rectangle's face
}
