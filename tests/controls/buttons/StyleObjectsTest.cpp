#include "controls/buttons/GxColors.h"
#include "controls/buttons/TIllumination.h"
#include "controls/buttons/TgxBevel.h"
#include "controls/buttons/TgxLabelColors.h"
#include "controls/buttons/TgxListBoxItemStyle.h"
#include "controls/buttons/Tgx3DColors.h"
#include "controls/common/TPublicWinControl.h"
#include "platform/ui/TPanel.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

TEST(StyleObjectsTest, BevelNotifiesOnlyOnChange) {
    TgxBevel bevel;
    int changes = 0;
    bevel.OnChange = [&](TObject*) { ++changes; };
    bevel.SetInner(bvNone);
    EXPECT_EQ(changes, 0);
    bevel.SetInner(bvRaised);
    bevel.SetBold(true);
    EXPECT_EQ(changes, 2);
}

TEST(StyleObjectsTest, BevelBorderCounts) {
    TgxBevel bevel;
    bevel.SetInner(bvRaised);
    bevel.SetOuter(bvRaised);
    bevel.SetSides(TgxSides{fsdLeft});
    EXPECT_EQ(bevel.BordersWidth(), 2);
    EXPECT_EQ(bevel.BordersHeight(), 0);
    bevel.SetOuter(bvNone);
    EXPECT_EQ(bevel.BordersWidth(), 1);
    bevel.SetSides(gxAllSides);
    bevel.SetBold(true);
    EXPECT_EQ(bevel.BordersHeight(), 2);
}

TEST(StyleObjectsTest, GroupBoxColoursAlwaysNotify) {
    TgxGrBoxColors colors;
    int changes = 0;
    colors.OnChange = [&](TObject*) { ++changes; };
    colors.SetCaption(colors.Caption());
    EXPECT_EQ(changes, 1);
    colors.SetText(colors.Text());
    EXPECT_EQ(changes, 1);
}

TEST(StyleObjectsTest, IlluminationDepthIsNeverNegative) {
    TIllumination light;
    light.SetShadowDepth(-5);
    EXPECT_EQ(light.ShadowDepth(), 0);
}

TEST(StyleObjectsTest, ItemStyleLinksBevelAndGradientButNotFontOrTextGradient) {
    TgxSpeedButtonStyle style;
    int changes = 0;
    style.SetOnChanged([&](TObject*) { ++changes; });
    style.Bevel()->SetOuter(bvLowered);
    style.Gradient()->SetActive(true);
    style.Font()->SetColor(clRed);
    style.TextGradient()->SetActive(true);
    EXPECT_EQ(changes, 2);
    TFont font;
    font.SetColor(clRed);
    style.SetFont(&font); // a whole font: always notifies
    style.SetTextStyle(style.TextStyle());
    EXPECT_EQ(changes, 4);
    style.SetColor(RGB(100, 100, 100));
    EXPECT_EQ(style.HighlightColor(), RGB(160, 160, 160));
    EXPECT_EQ(style.ShadowColor(), RGB(40, 40, 40));
}

TEST(StyleObjectsTest, LabelColoursFromABaseColour) {
    TgxLabelColors colors;
    int changes = 0;
    colors.OnChange = [&](TObject*) { ++changes; };
    colors.SetAutoShadow(true);
    changes = 0;
    CalcShadowAndHighlightColors(RGB(100, 100, 100), &colors);
    EXPECT_EQ(colors.Shadow(), RGB(40, 40, 40));
    EXPECT_EQ(colors.Highlight(), clBtnHighlight); // AutoHighlight off
    EXPECT_EQ(changes, 0);
}

TEST(ThreeDColorsTest, SchemeFromABaseColour) {
    Tgx3DLocalColors scheme(nullptr);
    scheme.CreateAuto3DColors(clBtnFace);
    const TColor face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(scheme.Shadow(), DecColor(face, 60));
    EXPECT_EQ(scheme.Highlight(), IncColor(face, 60));
    EXPECT_EQ(scheme.DkShadow(), cl3DDkShadow);
}

TEST(ThreeDColorsTest, GlobalAndLocal) {
    EXPECT_EQ(gx3DShadowColor(), GetSysColor(COLOR_BTNSHADOW));
    {
        Tgx3DColors global(nullptr);
        EXPECT_EQ(gxGlobalData.Colors3D, &global);
        global.SetShadow(clRed);
        EXPECT_EQ(gx3DShadowColor(), clRed);
        Tgx3DLocalColors local(nullptr);
        local.MakeGlobal();
        EXPECT_EQ(gxGlobalData.Colors3D, &local);
        local.MakeLocal();
        EXPECT_EQ(gxGlobalData.Colors3D, &global);
    }
    EXPECT_EQ(gxGlobalData.Colors3D, nullptr);
}

TEST(ThreeDColorsTest, MakeLocalNeverRestoresADestroyedScheme) {
    Tgx3DLocalColors c(nullptr);
    auto* a = new Tgx3DLocalColors(nullptr);
    a->MakeGlobal();
    c.MakeGlobal(); // c saved a
    delete a;
    c.MakeLocal(); // a is gone: the system colours, never a's freed address
    EXPECT_EQ(gxGlobalData.Colors3D, nullptr);
    EXPECT_EQ(gx3DShadowColor(), ColorToRGB(GetSysColor(COLOR_BTNSHADOW)));
}

TEST(ThreeDColorsTest, FreeingAnyLocalSchemeResetsTheLibrary) {
    Tgx3DColors global(nullptr);
    { Tgx3DLocalColors never(nullptr); }
    EXPECT_EQ(gxGlobalData.Colors3D, nullptr);
}

TEST(ThreeDColorsTest, SecondSchemeOnTheSameOwnerIsRefused) {
    TComponent form(nullptr);
    new Tgx3DColors(&form);
    EXPECT_EQ(ErrorOf<Exception>([&] { new Tgx3DLocalColors(&form); }),
              "Cannot create more than one instance of Tgx3DLocalColors component");
    EXPECT_EQ(form.ComponentCount(), 1); // the refused one left no trace
}

TEST(LibraryTypesTest, PublicWinControlPaintsItsFaceForTheLibrary) {
    TPanel host(nullptr);
    host.SetBounds(0, 0, 100, 100);
    TPublicWinControl control(nullptr);
    control.SetParent(&host);
    control.SetBounds(0, 0, 20, 10);
    TPanel inner(nullptr);
    inner.SetParent(&control);
    inner.SetBevelOuter(bvNone);
    inner.SetBounds(10, 0, 10, 10);
    inner.SetColor(clRed);
    TBitmap picture(30, 20, pf24bit);
    picture.Canvas()->Brush()->SetColor(clWhite);
    picture.Canvas()->FillRect(Rect(0, 0, 30, 20));
    control.PaintWindow(picture.Canvas());
    EXPECT_EQ(picture.Canvas()->Pixels(15, 5) & 0xFFFFFF, clRed);    // the child, where it sits
    EXPECT_NE(picture.Canvas()->Pixels(5, 5) & 0xFFFFFF, clWhite);   // the control's own face
    EXPECT_EQ(picture.Canvas()->Pixels(25, 15) & 0xFFFFFF, clWhite); // nothing past the control
    // Recreating the window keeps what the control shows.
    control.RecreateWnd();
    EXPECT_EQ(inner.Color(), clRed);
    EXPECT_EQ(TShowFont(nullptr).ClassName(), "TShowFont");
}
