#include "controls/drawing/UtlBitmaps.h"
#include "controls/drawing/UtlFrames.h"
#include "controls/text/UtlGlyphText.h"
#include "controls/drawing/UtlGradient.h"
#include "controls/text/UtlText.h"

#include "tests/controls/PngWriter.h"
#include "controls/services/TUtlApplication.h"
#include "platform/core/ScopeExit.h"
#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

void Label(TCanvas* c, Integer x, Integer y, const String& text) {
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(clBlack);
    c->Font()->SetStyle({});
    c->Font()->SetSize(8);
    c->TextOut(x, y, text);
    c->Brush()->SetStyle(bsSolid);
}

void Captions(TCanvas* c, Integer top) {
    const TUtlThreeDStyle styles[] = {tdNone,         tdSunken, tdRaised,  tdSunkenShadow, tdRaisedShadow,
                                      tdPColorSunken, tdShadow, tdOutline, tdExtrude,      tdExtrudeEnh};
    const char* names[] = {"tdNone",         "tdSunken", "tdRaised",  "tdSunkenShadow", "tdRaisedShadow",
                           "tdPColorSunken", "tdShadow", "tdOutline", "tdExtrude",      "tdExtrudeEnh"};
    for (Integer i = 0; i < 10; ++i) {
        const Integer x = 10 + (i % 5) * 150, y = top + (i / 5) * 46;
        TUtlFxCaption caption;
        caption.SetStyle(styles[i]);
        caption.SetShadowDepth(styles[i] >= tdExtrude ? 4 : 2);
        caption.SetShadowColor(styles[i] == tdExtrudeEnh ? clNavy : clBtnShadow);
        caption.SetLightColor(styles[i] == tdExtrudeEnh ? RGB(160, 180, 255) : clBtnHighlight);
        c->Font()->SetName("Arial");
        c->Font()->SetSize(14);
        c->Font()->SetStyle({fsBold});
        c->Font()->SetColor(styles[i] == tdNone ? clBlack : RGB(40, 60, 140));
        c->Pen()->SetColor(clNavy);
        c->Brush()->SetColor(clBtnFace);
        TRect r(x, y, x + 140, y + 28);
        UtlDrawTextExt(c, "Velmora", &caption, r, DT_LEFT | DT_SINGLELINE, TUtlDrawTextStyles{dtEnabled},
                       nullptr);
        Label(c, x, y + 28, names[i]);
    }
    TUtlFxCaption disabled;
    disabled.SetDisabledStyle(ds3d);
    c->Font()->SetSize(14);
    c->Font()->SetStyle({fsBold});
    UtlDrawTextExt(c, "Letiltva", &disabled, TRect(10, top + 92, 160, top + 120), DT_LEFT | DT_SINGLELINE,
                   TUtlDrawTextStyles{}, nullptr);
    Label(c, 10, top + 120, "disabled, ds3d");
    TUtlFxCaption turned;
    turned.SetAngle(20);
    turned.SetStyle(tdShadow);
    turned.SetShadowDepth(2);
    c->Font()->SetSize(14);
    c->Font()->SetStyle({fsBold});
    c->Font()->SetColor(clMaroon);
    TRect box(0, 0, 200, 0);
    UtlDrawTextCalcExt(c, "Forgatott", &turned, box, nullptr, false, true, 0, 0);
    UtlDrawTextExt(c, "Forgatott", &turned, Bounds(170, top + 78, box.Width(), box.Height()), 0,
                   TUtlDrawTextStyles{dtEnabled}, nullptr);
    Label(c, 280, top + 100, "rotated 20, shadow");
}

void Frames(TCanvas* c, Integer top) {
    const char* names[] = {"lsSingle",       "lsLowered",      "lsRaised",       "lsRaisedspb",
                           "lsLoweredspb",   "lsRaisedExt",    "lsLoweredExt",   "lsFrameInset",
                           "lsFrameOffset",  "lsWindowBorder", "lsSingleRaised", "lsSingleLowered",
                           "lsDoubleRaised", "lsDoubleLowered"};
    for (Integer i = 0; i < 14; ++i) {
        const Integer x = 10 + (i % 7) * 107, y = top + (i / 7) * 52;
        TRect r(x, y, x + 90, y + 34);
        UtlDrawStdFrame(c, r, TUtlBorderStyle(i + 1), BF_RECT);
        Label(c, x, y + 36, names[i]);
    }
    using B = TUtlBevelStyle;
    const B bevels[] = {B::bvLowered, B::bvRaised, B::bvFrameLowered, B::bvFrameRaised, B::bvNormal};
    const char* bevelNames[] = {"bvLowered 3", "bvRaised 3", "bvFrameLowered", "bvFrameRaised", "bvNormal 2"};
    for (Integer i = 0; i < 5; ++i) {
        const Integer x = 10 + i * 107, y = top + 108;
        TRect r(x, y, x + 90, y + 34);
        UtlDrawFrame3D(c, r, bevels[i], clBtnShadow, clBtnHighlight, i == 4 ? 2 : i >= 2 ? 1 : 3);
        Label(c, x, y + 36, bevelNames[i]);
    }
    TRect shadow(545, top + 108, 650, top + 142);
    UtlDrawFrameShadow(c, shadow, clBlack, clGray, clBtnFace, 4, 1, false, BF_RECT);
    c->Brush()->SetColor(clInfoBk);
    c->FillRect(shadow);
    Label(c, 545, top + 144, "frame shadow");
    UtlDrawTriangle(c, 670, top + 115, 5, clBlack, true, true);
    UtlDrawTriangle(c, 690, top + 115, 5, clBlack, false, true);
    UtlDrawTriangle(c, 710, top + 115, 5, clBlack, true, false);
    Label(c, 670, top + 144, "triangles");
}

void Faces(TCanvas* c, Integer top, TBitmap* glyph) {
    using S = TUtlButtonState;
    const TUtlUserButtonStyle styles[] = {ubsWin31, ubsWin40,     ubsQuellon,   ubsQuellonFlat,
                                          ubsFlat,  ubsNavigator, ubsIntegrated};
    const char* names[] = {"ubsWin31", "ubsWin40",     "ubsQuellon",   "ubsQuellonFlat",
                           "ubsFlat",  "ubsNavigator", "ubsIntegrated"};
    const S states[] = {S::bsUp, S::bsMouseOver, S::bsDown, S::bsOptionSet};
    const char* stateNames[] = {"up", "mouse over", "down", "option set"};
    for (Integer row = 0; row < 4; ++row)
        Label(c, 10, top + 22 + row * 32, stateNames[row]);
    for (Integer col = 0; col < 7; ++col) {
        const Integer x = 80 + col * 98;
        Label(c, x, top, names[col]);
        for (Integer row = 0; row < 4; ++row) {
            const Integer y = top + 16 + row * 32;
            TRect r(x, y, x + 90, y + 28);
            const Word flags = Word((col == 1 ? ubfNewLook : 0) | (col == 0 && row == 0 ? ubfDefault : 0));
            UtlDrawBtnFace(c, true, r, styles[col], states[row], flags, clBtnFace);
            TUtlButtonLayout layout;
            layout.SetArrow(col == 3);
            c->Font()->SetName("MS Sans Serif");
            c->Font()->SetSize(8);
            c->Font()->SetStyle({});
            c->Font()->SetColor(clBtnText);
            UtlDrawTextAndGlyph(c, "Mentés", nullptr, r, glyph, nullptr, &layout, false, true, true,
                                TUtlDrawTextStyles{dtEnabled}, 1);
        }
    }
}

void Gradients(TCanvas* c, Integer top) {
    const char* names[] = {"gstHorizontal",      "gstVertical",        "gstSquare",     "gstElliptic",
                           "gstTopLeft",         "gstTopRight",        "gstBottomLeft", "gstBottomRight",
                           "gstTopLeftDiagonal", "gstTopRightDiagonal"};
    for (Integer i = 0; i < 10; ++i) {
        const Integer x = 10 + (i % 5) * 150, y = top + (i / 5) * 62;
        UtlGradientPaint(c, TRect(x, y, x + 140, y + 44), RGB(20, 50, 130), RGB(220, 230, 250), 32,
                         TUtlGradientStyle(i), 0, 0);
        Label(c, x, y + 46, names[i]);
    }
    UtlSuperGradientPaint(c, TRect(10, top + 126, 740, top + 146), {clRed, clYellow, clLime, clAqua, clBlue},
                          64, gstHorizontal, 0, 0);
}

} // namespace

// Caption effects, frames, button faces and gradients on one sheet, for a look.
TEST(UtlDrawingSheetTest, WritesTheSheetToAPicture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the pictures";
    UtlInitialization(); // the dithered face of a set option
    core::ScopeExit done([] { UtlFinalization(); });
    TBitmap sheet(770, 700, pf24bit);
    TCanvas* c = sheet.Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
    TBitmap glyph(16, 16, pf24bit);
    glyph.Canvas()->Brush()->SetColor(clOlive);
    glyph.Canvas()->FillRect(TRect(0, 0, 16, 16));
    glyph.Canvas()->Brush()->SetColor(RGB(30, 60, 150));
    glyph.Canvas()->FillRect(TRect(2, 2, 14, 14));
    glyph.Canvas()->Brush()->SetColor(clWhite);
    glyph.Canvas()->FillRect(TRect(5, 3, 11, 7));
    glyph.SetTransparentColor(clOlive);
    Captions(c, 10);
    Frames(c, 160);
    Faces(c, 370, &glyph);
    Gradients(c, 520);
    const std::string path = std::string(folder) + "/controls-drawing-sheet.png";
    ASSERT_TRUE(pngtest::SavePng(sheet, path));
    EXPECT_EQ(c->Pixels(12, 524) & 0xFFFFFF, RGB(20, 50, 130));
}
