// The report engine's speed button (gray waiting glyph, embossed disabled
// glyph, flat frames, held-down pattern) and the toolbar parts.
#include "report/common/detail/TrpControls.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using graphics::PixelBuffer;

constexpr TColor Face = 0xC0C0C0;
constexpr TColor Pink = 0xFF00FF; // the transparent colour of the test glyphs

TEST(TrpGlyphLooks, InactiveGlyphGraysOnlyThePicture) {
    struct Row {
        TColor In, Out;
        const char* Why;
    } rows[] = {
        {Pink, Face, "the transparent colour becomes the button face"},
        {Face, Face, "a pixel of the face colour stays as it is"},
        {RGB(255, 0, 0), RGB(76, 76, 76), "red weighs 77/256"},
        {RGB(0, 255, 0), RGB(149, 149, 149), "green weighs 150/256"},
        {RGB(0, 0, 255), RGB(28, 28, 28), "blue weighs 29/256"},
        {clWhite, clWhite, "the weights add up to 256"},
        {clBlack, clBlack, "black stays black"},
    };
    for (const Row& r : rows) {
        PixelBuffer in(1, 1, r.In);
        EXPECT_EQ(report::InactiveGlyph(in, Pink, Face).At(0, 0), r.Out) << r.Why;
    }
}

class TrpButtons : public ::testing::Test {
protected:
    TrpButtons() { Form.SetBounds(0, 0, 300, 200); }

    template <class T> T* Make(TWinControl* Parent, Integer W = 22, Integer H = 22) {
        auto* c = new T(&Form);
        c->SetParent(Parent);
        c->SetBounds(c->Left(), c->Top(), W, H);
        return c;
    }
    // An 8 by 8 glyph: pure red inside a frame of the transparent colour.
    static void RedGlyph(TrpSpeedButton* b) {
        TBitmap g(8, 8, pf24bit);
        for (Integer y = 0; y < 8; ++y)
            for (Integer x = 0; x < 8; ++x)
                g.Canvas()->SetPixels(x, y, x > 0 && x < 7 && y > 0 && y < 7 ? RGB(255, 0, 0) : Pink);
        b->SetGlyph(&g);
    }
    static TColor Paint(TControl* c, Integer X, Integer Y, TBitmap* Out = nullptr) {
        TBitmap local;
        TBitmap* bmp = Out ? Out : &local;
        bmp->SetSize(c->Width(), c->Height());
        static_cast<TGraphicControl*>(c)->PaintTo(bmp->Canvas());
        return bmp->Canvas()->Pixels(X, Y);
    }

    TForm Form{nullptr};
};

TEST_F(TrpButtons, FlatButtonShowsAGrayGlyphUntilTheMouseEnters) {
    auto* b = Make<TrpSpeedButton>(&Form);
    b->SetFlat(true);
    RedGlyph(b);
    // The glyph is centred: its middle is the button's middle.
    EXPECT_EQ(Paint(b, 11, 11), RGB(76, 76, 76));
    EXPECT_TRUE(b->PaintedInactive());
    ui::SimulateMouseEnter(b);
    TBitmap bmp;
    EXPECT_EQ(Paint(b, 11, 11, &bmp), RGB(255, 0, 0));
    EXPECT_FALSE(b->PaintedInactive());
    // The raised frame: light top-left, dark bottom-right.
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bmp.Canvas()->Pixels(21, 5), ColorToRGB(clBtnShadow));
    ui::SimulateMouseLeave(b);
    EXPECT_EQ(Paint(b, 11, 11, &bmp), RGB(76, 76, 76));
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 5), ColorToRGB(clBtnFace)); // no frame without the mouse
}

TEST_F(TrpButtons, ColourGlyphWhenGrayingIsOffOrTheButtonIsNotFlat) {
    auto* flat = Make<TrpSpeedButton>(&Form);
    flat->SetFlat(true);
    flat->SetGrayedInactive(false);
    RedGlyph(flat);
    EXPECT_EQ(Paint(flat, 11, 11), RGB(255, 0, 0));
    auto* raised = Make<TrpSpeedButton>(&Form);
    RedGlyph(raised);
    EXPECT_EQ(Paint(raised, 11, 11), RGB(255, 0, 0));
    EXPECT_FALSE(raised->PaintedInactive());
}

// Disabled itself or on a disabled panel: the embossed glyph, and no frame with the pointer over it.
TEST_F(TrpButtons, DisabledButtonEmbossesItsOnlyGlyph) {
    auto* panel = Make<TPanel>(&Form, 100, 100);
    for (TWinControl* parent : {static_cast<TWinControl*>(&Form), static_cast<TWinControl*>(panel)}) {
        SCOPED_TRACE(parent == panel ? "on a disabled panel" : "disabled itself");
        auto* b = Make<TrpSpeedButton>(parent);
        b->SetFlat(true);
        RedGlyph(b);
        (parent == panel ? static_cast<TControl*>(panel) : b)->SetEnabled(false);
        TBitmap bmp;
        Paint(b, 0, 0, &bmp);
        EXPECT_FALSE(b->PaintedInactive());
        EXPECT_EQ(b->State(), bsDisabled);
        // The glyph's picture is at 8..13; shadow inside, highlight one lower right.
        EXPECT_EQ(bmp.Canvas()->Pixels(10, 10), ColorToRGB(clBtnShadow));
        EXPECT_EQ(bmp.Canvas()->Pixels(14, 14), ColorToRGB(clBtnHighlight));
        ui::SimulateMouseEnter(b);
        EXPECT_EQ(Paint(b, 0, 5), ColorToRGB(clBtnFace)); // no hover frame
    }
}

TEST_F(TrpButtons, HeldDownFlatButtonShowsThePatternAndASunkenFrame) {
    auto* b = Make<TrpSpeedButton>(&Form);
    b->SetFlat(true);
    b->SetGroupIndex(1);
    b->SetDown(true);
    TBitmap bmp;
    Paint(b, 0, 0, &bmp);
    EXPECT_EQ(b->State(), bsExclusive);
    // White where x and y have the same parity, face elsewhere; frame sunken.
    EXPECT_EQ(bmp.Canvas()->Pixels(4, 6), clWhite);
    EXPECT_EQ(bmp.Canvas()->Pixels(5, 6), ColorToRGB(clBtnFace));
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 5), ColorToRGB(clBtnShadow));
}

TEST_F(TrpButtons, MarginTakesMinusOneAndUpOnly) {
    auto* b = Make<TrpSpeedButton>(&Form);
    EXPECT_EQ(b->Margin(), -1);
    b->SetMargin(3);
    EXPECT_EQ(b->Margin(), 3);
    b->SetMargin(-2);
    EXPECT_EQ(b->Margin(), 3);
    b->SetMargin(-1);
    EXPECT_EQ(b->Margin(), -1);
}

TEST_F(TrpButtons, EnterAndLeaveEventsOnlyForAFlatEnabledButton) {
    auto* b = Make<TrpSpeedButton>(&Form);
    int events = 0;
    b->OnMouseEnter = [&](TObject*) { ++events; };
    b->OnMouseLeave = [&](TObject*) { ++events; };
    ui::SimulateMouseEnter(b);
    ui::SimulateMouseLeave(b);
    EXPECT_EQ(events, 0);
    b->SetFlat(true);
    b->SetEnabled(false);
    ui::SimulateMouseEnter(b);
    EXPECT_EQ(events, 0);
    b->SetEnabled(true);
    ui::SimulateMouseEnter(b);
    EXPECT_TRUE(b->MouseInControl());
    ui::SimulateMouseLeave(b);
    EXPECT_EQ(events, 2);
    EXPECT_FALSE(b->MouseInControl());
}

TEST_F(TrpButtons, DoubleClickCountsOnlyOnADownButton) {
    auto* b = Make<TrpSpeedButton>(&Form);
    int doubles = 0;
    b->OnDblClick = [&](TObject*) { ++doubles; };
    b->DblClick();
    EXPECT_EQ(doubles, 0);
    b->SetGroupIndex(2);
    b->SetDown(true);
    b->DblClick();
    EXPECT_EQ(doubles, 1);
}

TEST_F(TrpButtons, AcceleratorClicksAnEnabledButton) {
    auto* b = Make<TrpSpeedButton>(&Form);
    b->SetCaption("&Nyomtat");
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_FALSE(b->DialogChar('X'));
    EXPECT_TRUE(b->DialogChar('N'));
    EXPECT_EQ(clicks, 1);
    b->SetEnabled(false);
    EXPECT_FALSE(b->DialogChar('N'));
    b->SetEnabled(true);
    b->SetParent(Make<TPanel>(&Form, 100, 100));
    b->Parent()->SetEnabled(false);
    EXPECT_FALSE(b->DialogChar('N'));
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrpButtons, ToolbarPartsLieAlongTheirToolbar) {
    auto* dockLeft = Make<TPanel>(&Form, 30, 200);
    dockLeft->SetAlign(alLeft);
    auto* vertical = Make<TPanel>(dockLeft, 26, 150);
    auto* horizontal = Make<TPanel>(&Form, 200, 26);
    auto* button = Make<TrpTBButton>(vertical);
    auto* gap = Make<TrpTBSeparator>(vertical, 8, 8);
    auto* panel = Make<TrpTBPanel>(vertical, 8, 8);
    EXPECT_EQ(button->Align(), alTop);
    EXPECT_EQ(gap->Align(), alTop);
    EXPECT_EQ(panel->Align(), alTop);
    EXPECT_TRUE(button->Flat());
    button->SetParent(horizontal);
    gap->SetParent(horizontal);
    panel->SetParent(horizontal);
    EXPECT_EQ(button->Align(), alLeft);
    EXPECT_EQ(gap->Align(), alLeft);
    EXPECT_EQ(panel->Align(), alLeft);
}

TEST_F(TrpButtons, SeparatorDrawsItsEtchedLineAcrossItsDirection) {
    auto* gap = new TrpTBSeparator(&Form);
    gap->SetBounds(0, 0, 8, 20);
    TBitmap bmp;
    // Aligned left (a horizontal toolbar): a vertical line at x = 3 and 4.
    Paint(gap, 0, 0, &bmp);
    EXPECT_EQ(bmp.Canvas()->Pixels(3, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(bmp.Canvas()->Pixels(4, 10), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bmp.Canvas()->Pixels(3, 1), ColorToRGB(clBtnFace));
    EXPECT_EQ(bmp.Canvas()->Pixels(3, 18), ColorToRGB(clBtnFace)); // ends at height - 2
    gap->SetAlign(alTop);
    gap->SetBounds(0, 0, 20, 8);
    Paint(gap, 0, 0, &bmp);
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 3), ColorToRGB(clBtnShadow));
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 4), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 3), ColorToRGB(clBtnFace));
}

TEST_F(TrpButtons, SeparatorWithoutAnEdgeAlignmentOrBevelDrawsNoLine) {
    auto* gap = new TrpTBSeparator(&Form);
    gap->SetAlign(alNone);
    gap->SetBounds(0, 0, 8, 20);
    TBitmap bmp;
    for (bool bevel : {true, false}) {
        gap->SetDrawBevel(bevel);
        if (!bevel) gap->SetAlign(alLeft);
        Paint(gap, 0, 0, &bmp);
        for (Integer y = 0; y < 20; ++y)
            for (Integer x = 0; x < 8; ++x)
                ASSERT_EQ(bmp.Canvas()->Pixels(x, y), ColorToRGB(clBtnFace)) << x << "," << y;
    }
}

} // namespace
