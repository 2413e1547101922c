#include "controls/buttons/GxColors.h"
#include "controls/buttons/TgxExtSpeedButton.h"

#include "controls/buttons/ButtonLooks.h"
#include "platform/core/ScopeExit.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TPanel.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr Integer W = 90, H = 22;

// A light or dark button 90 × 22 rendered on a bitmap.
class SpeedButtonTest : public ::testing::Test {
protected:
    TColor Pixel(Integer x, Integer y) { return bitmap.Canvas()->Pixels(x, y) & 0xFFFFFF; }
    void Render() {
        bitmap.Canvas()->Brush()->SetColor(clFuchsia);
        bitmap.Canvas()->FillRect(Rect(0, 0, W, H));
        button.PaintTo(bitmap.Canvas());
    }
    void SetUp() override {
        button.SetBounds(0, 0, W, H);
        button.SetCaption("Ügyek");
    }
    TgxExtSpeedButton button{nullptr};
    TBitmap bitmap{W, H, pf24bit};
};

} // namespace

TEST_F(SpeedButtonTest, ConstructorLooksFollowTheButtonFace) {
    TgxExtSpeedButton b(nullptr);
    // The classic face RGB(212, 208, 200).
    EXPECT_EQ(b.Style()->Color(), RGB(242, 238, 230));
    EXPECT_EQ(b.StyleActive()->Color(), RGB(252, 248, 240));
    EXPECT_EQ(b.StylePushed()->Color(), RGB(232, 228, 220));
    EXPECT_EQ(b.Style()->HighlightColor(), RGB(255, 255, 255));
    EXPECT_EQ(b.Style()->ShadowColor(), RGB(182, 178, 170));
    EXPECT_EQ(b.Style()->Bevel()->Inner(), bvRaised);
    EXPECT_EQ(b.StylePushed()->Bevel()->Inner(), bvLowered);
    EXPECT_EQ(b.Color(), b.Style()->Color());
    b.SetActiveColor(clRed);
    EXPECT_EQ(b.StyleActive()->Color(), clRed);
    EXPECT_TRUE(b.Frame());
    EXPECT_EQ(b.ModalResult(), mrNone);
    EXPECT_EQ(b.Spacing(), 4);
}

TEST_F(SpeedButtonTest, ColourAndFontSetThroughTheBaseReachTheStyles) {
    // Code holding the button as a plain control (a form setting every
    // control's colour or font) still sets the style the button paints with.
    TControl* asControl = &button;
    asControl->SetColor(clYellow);
    EXPECT_EQ(button.Style()->Color(), clYellow);
    EXPECT_EQ(asControl->Color(), clYellow);
    TFont font;
    font.SetName("Arial");
    font.SetSize(12);
    asControl->SetFont(&font);
    EXPECT_EQ(button.Style()->Font()->Size(), 12);
    EXPECT_EQ(button.Font()->Size(), 12);

    TgxSpeedButton* asPlain = &button;
    asPlain->SetActiveColor(clLime);
    EXPECT_EQ(button.StyleActive()->Color(), clLime);
    EXPECT_EQ(asPlain->ActiveColor(), clLime);
}

TEST_F(SpeedButtonTest, NormalLookFillsAndFrames) {
    looks::ApplyLightLook(&button);
    Render();
    EXPECT_EQ(Pixel(0, H / 2), looks::HouseBlue); // frame
    EXPECT_EQ(Pixel(W - 1, 0), looks::HouseBlue);
    EXPECT_EQ(Pixel(1, H / 2), ColorToRGB(clBtnHighlight));  // raised bevel, left
    EXPECT_EQ(Pixel(W - 2, H / 2), ColorToRGB(clBtnShadow)); // right
    EXPECT_EQ(Pixel(3, 3), looks::LightButtonColor);         // fill
    EXPECT_EQ(Pixel(W - 3, H - 3), looks::LightButtonColor);
}

TEST_F(SpeedButtonTest, HoverLookIsTheConvergentGradient) {
    looks::ApplyLightLook(&button);
    button.MouseEnter();
    Render();
    const Integer inner = H - 4;                                 // rows 2 .. H - 3
    EXPECT_EQ(Pixel(3, 2), looks::LightButtonColor);             // first row: from-colour
    EXPECT_EQ(Pixel(3, 2 + inner / 2), clWhite);                 // middle: to-colour
    EXPECT_EQ(Pixel(3, 2 + inner - 1), looks::LightButtonColor); // last row: from-colour again
    EXPECT_EQ(Pixel(0, 5), looks::HouseBlue);
}

TEST_F(SpeedButtonTest, DarkHoverLookBlendsTowardTheHoverColour) {
    looks::ApplyDarkLook(&button);
    button.MouseEnter();
    Render();
    EXPECT_EQ(Pixel(3, 2), looks::HouseBlue);
    EXPECT_EQ(Pixel(3, 2 + (H - 4) / 2), looks::DarkButtonHover);
    EXPECT_EQ(Pixel(W - 1, H - 1), clNavy);
}

TEST_F(SpeedButtonTest, PressedLookIsLoweredAndLight) {
    looks::ApplyDarkLook(&button);
    button.MouseEnter();
    button.MouseDown(mbLeft, {}, 5, 5);
    Render();
    EXPECT_EQ(Pixel(3, 3), looks::PushedButtonColor);
    EXPECT_EQ(Pixel(1, H / 2), ColorToRGB(clBtnShadow));        // lowered: shadow left
    EXPECT_EQ(Pixel(W - 2, H / 2), ColorToRGB(clBtnHighlight)); // highlight right
    button.MouseLeave();                                        // dragged off while pressed: the normal look
    Render();
    EXPECT_EQ(Pixel(3, 3), looks::HouseBlue);
}

// The window layer sends no leave while a mouse button is held: the moves tell.
TEST_F(SpeedButtonTest, PressedAndDraggedOffShowsTheNormalLook) {
    looks::ApplyDarkLook(&button);
    button.MouseEnter();
    button.MouseDown(mbLeft, {}, 5, 5);
    const struct {
        Integer X, Y;
        bool Inside;
    } moves[] = {
        {W, 5, false},        // just past the right edge
        {W - 1, H - 1, true}, // the last pixel is still the button
        {-1, 5, false},       // left of it
        {5, H, false},        // below it
        {5, 5, true},         // back on it
    };
    for (const auto& m : moves) {
        button.MouseMove(TShiftState{ssLeft}, m.X, m.Y);
        EXPECT_EQ(button.MouseIn(), m.Inside) << m.X << "," << m.Y;
        EXPECT_EQ(button.CurrentStyle(), m.Inside ? button.StylePushed() : button.Style())
            << m.X << "," << m.Y;
    }
    button.MouseMove(TShiftState{ssLeft}, W + 20, 5);
    Render();
    EXPECT_EQ(Pixel(3, 3), looks::HouseBlue); // the normal dark fill, not the pushed one
    EXPECT_TRUE(button.Pushed());
    // Not pressed, moves leave the hover state to enter and leave.
    button.MouseUp(mbLeft, {}, W + 20, 5);
    button.MouseEnter();
    button.MouseMove({}, W + 20, 5);
    EXPECT_TRUE(button.MouseIn());
}

TEST_F(SpeedButtonTest, HoverAndPressTracking) {
    EXPECT_FALSE(button.MouseIn());
    button.MouseEnter();
    EXPECT_TRUE(button.MouseIn());
    EXPECT_EQ(button.CurrentStyle(), button.StyleActive());
    button.MouseDown(mbRight, {}, 1, 1); // any mouse button counts
    EXPECT_TRUE(button.Pushed());
    EXPECT_EQ(button.CurrentStyle(), button.StylePushed());
    button.MouseUp(mbRight, {}, 1, 1);
    EXPECT_FALSE(button.Pushed());
    button.MouseLeave();
    EXPECT_FALSE(button.MouseIn());
    EXPECT_EQ(button.CurrentStyle(), button.Style());
}

TEST_F(SpeedButtonTest, DisabledButtonTracksNothing) {
    button.MouseEnter();
    button.SetEnabled(false);
    button.MouseLeave();
    EXPECT_TRUE(button.MouseIn()); // flags stay until an enabled event
    button.MouseDown(mbLeft, {}, 1, 1);
    EXPECT_FALSE(button.Pushed());
}

TEST_F(SpeedButtonTest, DisabledCaptionIsEngraved) {
    looks::ApplyLightLook(&button);
    button.SetCaption("MMMMMMMM");
    // Disabled itself, and enabled on a disabled panel.
    TPanel panel(nullptr);
    panel.SetEnabled(false);
    for (TPanel* parent : {static_cast<TPanel*>(nullptr), &panel}) {
        SCOPED_TRACE(parent ? "on a disabled panel" : "disabled");
        button.SetParent(parent);
        button.SetEnabled(parent != nullptr);
        Render();
        // The engraved caption uses only the style's relief colours, never its font colour.
        bool shadow = false;
        for (Integer y = 2; y < H - 2; ++y)
            for (Integer x = 2; x < W - 2; ++x) {
                EXPECT_NE(Pixel(x, y), looks::HouseBlue);
                shadow = shadow || Pixel(x, y) == DecColor(looks::LightButtonColor, 60);
            }
        EXPECT_TRUE(shadow);
    }
    button.SetParent(nullptr);
}

TEST_F(SpeedButtonTest, EnabledIsPassedToTheLinkedControl) {
    TgxSpeedButton other(nullptr);
    button.SetControl(&other);
    button.SetEnabled(false);
    EXPECT_FALSE(other.Enabled());
    button.SetEnabled(true);
    EXPECT_TRUE(other.Enabled());
    button.SetControl(nullptr);
    button.SetEnabled(false);
    EXPECT_TRUE(other.Enabled());
}

TEST_F(SpeedButtonTest, DestroyedLinkedControlIsForgotten) {
    auto linked = std::make_unique<TgxSpeedButton>(nullptr);
    auto label = std::make_unique<TgxSpeedButton>(nullptr);
    button.SetControl(linked.get());
    button.SetCaptionLabel(label.get());
    linked.reset();
    label.reset();
    EXPECT_EQ(button.Control(), nullptr);
    EXPECT_EQ(button.CaptionLabel(), nullptr);
    button.SetEnabled(false); // must not reach the freed control
    EXPECT_FALSE(button.Enabled());
}

TEST_F(SpeedButtonTest, ClickFiresOnClickAndHandsTheModalResultToTheForm) {
    TForm form(nullptr);
    auto* b = new TgxExtSpeedButton(&form);
    b->SetParent(&form);
    b->SetModalResult(mrOk);
    int clicks = 0;
    b->OnClick = [&](TObject* Sender) {
        EXPECT_EQ(Sender, b);
        EXPECT_EQ(form.ModalResult(), mrNone); // the handler runs first
        ++clicks;
    };
    b->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.ModalResult(), mrOk);
}

TEST_F(SpeedButtonTest, ModalResultWithoutAFormOnlyClicks) {
    int clicks = 0;
    button.SetModalResult(mrCancel);
    button.OnClick = [&](TObject*) { ++clicks; };
    button.Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtonTest, DisabledButtonHandsNoModalResult) {
    TForm form(nullptr);
    auto* b = new TgxExtSpeedButton(&form);
    b->SetParent(&form);
    b->SetModalResult(mrOk);
    b->SetEnabled(false);
    b->Click();
    EXPECT_EQ(form.ModalResult(), mrNone);
}

TEST_F(SpeedButtonTest, GlyphIsDrawnWithItsLeftBottomColourTransparent) {
    TBitmap glyph(8, 8, pf24bit);
    glyph.Canvas()->Brush()->SetColor(clLime); // the transparent colour
    glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(2, 2, 6, 6));
    looks::ApplyLightLook(&button);
    button.SetCaption("");
    button.SetGlyph(&glyph);
    Render();
    const Integer gx = (W - 8) / 2 - 1 - 4, gy = (H - 8) / 2 + 1;
    EXPECT_EQ(Pixel(gx + 3, gy + 3), clRed);
    EXPECT_EQ(Pixel(gx, gy), looks::LightButtonColor); // transparent corner shows the fill
}

TEST_F(SpeedButtonTest, StyleChangesRepaintButFontPropertiesDoNot) {
    int changes = 0;
    button.Style()->SetOnChanged([&](TObject*) { ++changes; });
    button.Style()->Bevel()->SetInner(bvLowered);
    button.Style()->Gradient()->SetActive(true);
    button.Style()->Font()->SetColor(clRed); // a sub-property of the font: no notice
    button.Style()->TextGradient()->SetActive(true);
    EXPECT_EQ(changes, 2);
}

TEST_F(SpeedButtonTest, DefaultStyleIgnoresColoursAndFrame) {
    looks::ApplyDarkLook(&button);
    button.SetDefaultStyle(true);
    Render();
    EXPECT_EQ(Pixel(3, 3), ColorToRGB(clBtnFace));
    EXPECT_NE(Pixel(0, H / 2), clNavy);
}

TEST(PlainSpeedButtonTest, FillsWithColourAndHoverColour) {
    TgxSpeedButton b(nullptr);
    b.SetBounds(0, 0, 40, 20);
    b.SetColor(clRed);
    b.SetActiveColor(clYellow);
    b.SetFrameColor(clBlue);
    TBitmap bmp(40, 20, pf24bit);
    b.PaintTo(bmp.Canvas());
    EXPECT_EQ(bmp.Canvas()->Pixels(3, 3), clRed);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 10), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 10), clBlue);
    b.MouseEnter();
    b.PaintTo(bmp.Canvas());
    EXPECT_EQ(bmp.Canvas()->Pixels(3, 3), clYellow);
}

// A disabled panel draws its buttons disabled: the pointer over one gives it no hover look.
TEST(PlainSpeedButtonTest, ButtonOnADisabledPanelTakesNoHover) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetEnabled(false);
    for (TgxSpeedButton* b :
         std::initializer_list<TgxSpeedButton*>{new TgxSpeedButton(&form), new TgxExtSpeedButton(&form)}) {
        SCOPED_TRACE(b->ClassName());
        b->SetParent(panel);
        ui::SimulateMouseEnter(b);
        EXPECT_FALSE(b->MouseIn());
    }
}

TEST(PlainSpeedButtonTest, OnAPaletteScreenColourBecomesTheNearestShowableOne) {
    const graphics::ScreenDepthQuery previous = graphics::SetScreenDepthQuery([] { return 8; });
    const core::ScopeExit restore([&] { graphics::SetScreenDepthQuery(previous); });
    TgxSpeedButton b(nullptr);
    b.SetBounds(0, 0, 40, 20);
    b.SetColor(RGB(200, 100, 50));
    b.SetActiveColor(RGB(200, 100, 50));
    graphics::RecordingCanvasBackend* backend = nullptr;
    const auto window = graphics::MakeRecordingCanvas(backend, TSize(40, 20));
    b.PaintTo(window.get());
    EXPECT_EQ(b.Color(), RGB(128, 128, 0));
    EXPECT_EQ(b.ActiveColor(), RGB(200, 100, 50)); // only the fill colour is replaced
    // The replaced colour stays once the screen shows every colour again.
    graphics::SetScreenDepthQuery([] { return 32; });
    b.PaintTo(window.get());
    EXPECT_EQ(b.Color(), RGB(128, 128, 0));
    b.SetColor(clBtnFace);
    b.PaintTo(window.get());
    EXPECT_EQ(b.Color(), clBtnFace); // true colour: nothing replaced
}

TEST(PlainSpeedButtonTest, FlatButtonDrawsNoBevelUntilPressed) {
    TgxSpeedButton b(nullptr);
    b.SetBounds(0, 0, 40, 20);
    b.SetColor(clRed);
    b.SetFlat(true);
    TBitmap bmp(40, 20, pf24bit);
    b.PaintTo(bmp.Canvas());
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 10), clRed);
    b.MouseEnter();
    b.MouseDown(mbLeft, {}, 2, 2);
    b.PaintTo(bmp.Canvas());
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 10), ColorToRGB(clBtnShadow)); // lowered while pressed
}

TEST(PlainSpeedButtonTest, GroupKeepsOneButtonDown) {
    TForm form(nullptr);
    auto* a = new TgxSpeedButton(&form);
    auto* b = new TgxSpeedButton(&form);
    a->SetParent(&form);
    b->SetParent(&form);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    // The platform button's grouping: a click inside puts it down before OnClick.
    bool downInClick = false;
    a->OnClick = [&](TObject*) { downInClick = a->Down(); };
    ui::SimulateClick(a, 5, 5);
    EXPECT_TRUE(downInClick);
    ui::SimulateClick(b, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    b->SetDown(false); // AllowAllUp off: one stays down
    EXPECT_TRUE(b->Down());
}
