// With DefaultStyle the styled speed buttons paint as the platform's speed
// button: the same state on each gives the same picture, pixel for pixel.
#include "controls/buttons/TgxExtSpeedButton.h"

#include "tests/controls/PixelSheet.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TSpeedButton.h"

#include <gtest/gtest.h>

namespace {

constexpr Integer W = 60, H = 22;

struct Look {
    const char* Why;
    bool Flat = false;
    bool Opaque = false;
    bool Enabled = true;
    bool Hot = false;
    bool Pressed = false;
    Integer Group = 0;
    bool Down = false;
    Integer Glyphs = 0; // slices of a 12 × 12 glyph; 0 for none
    TButtonLayout Layout = blGlyphLeft;
    Integer Margin = -1;
    Integer Spacing = 4;
    const char* Caption = "Ok";
};

// Slices of one colour each on an olive ground (the lower-left pixel shows through).
void MakeGlyph(TBitmap& Glyph, Integer Slices) {
    const TColor colours[] = {clRed, clBlue, clPurple, clTeal};
    Glyph.SetSize(12 * Slices, 12);
    Glyph.Canvas()->Brush()->SetColor(clOlive);
    Glyph.Canvas()->FillRect(Rect(0, 0, Glyph.Width(), 12));
    for (Integer i = 0; i < Slices; ++i) {
        Glyph.Canvas()->Brush()->SetColor(colours[i]);
        Glyph.Canvas()->FillRect(Rect(12 * i + 2, 2, 12 * i + 10, 10));
    }
}

std::unique_ptr<TBitmap> Render(TSpeedButton* Button, const Look& L) {
    Button->SetCaption(L.Caption);
    Button->SetFlat(L.Flat);
    Button->SetTransparent(!L.Opaque);
    Button->SetSpacing(L.Spacing);
    Button->SetLayout(L.Layout);
    Button->SetMargin(L.Margin);
    if (L.Glyphs > 0) {
        TBitmap glyph;
        MakeGlyph(glyph, L.Glyphs);
        Button->SetGlyph(&glyph);
        Button->SetNumGlyphs(L.Glyphs);
    }
    Button->SetGroupIndex(L.Group);
    Button->SetDown(L.Down);
    if (L.Hot) ui::SimulateMouseEnter(Button);
    if (L.Pressed) Button->MouseDown(mbLeft, {}, 5, 5);
    Button->SetEnabled(L.Enabled);
    auto picture = sheet::Make(W, H, clAqua);
    Button->PaintTo(picture->Canvas());
    return picture;
}

Integer Differences(TBitmap& A, TBitmap& B) {
    Integer n = 0;
    for (Integer y = 0; y < H; ++y)
        for (Integer x = 0; x < W; ++x)
            n += sheet::At(A, x, y) != sheet::At(B, x, y);
    return n;
}

} // namespace

TEST(DefaultStyleTest, PaintsAsThePlatformSpeedButtonInEveryState) {
    const Look looks[] = {
        {.Why = "normal"},
        {.Why = "flat, the mouse elsewhere", .Flat = true},
        {.Why = "flat under the mouse", .Flat = true, .Hot = true},
        {.Why = "flat and opaque: the control's colour, not the styled fill", .Flat = true, .Opaque = true},
        {.Why = "pressed", .Hot = true, .Pressed = true},
        {.Why = "flat and pressed", .Flat = true, .Hot = true, .Pressed = true},
        {.Why = "disabled", .Enabled = false},
        {.Why = "down in a group", .Group = 1, .Down = true},
        {.Why = "flat, down in a group", .Flat = true, .Group = 1, .Down = true},
        {.Why = "flat, down in a group, under the mouse",
         .Flat = true,
         .Hot = true,
         .Group = 1,
         .Down = true},
        {.Why = "glyph left of the caption", .Glyphs = 1},
        {.Why = "glyph right", .Glyphs = 1, .Layout = blGlyphRight},
        {.Why = "glyph on top", .Glyphs = 1, .Layout = blGlyphTop, .Caption = "x"},
        {.Why = "glyph below", .Glyphs = 1, .Layout = blGlyphBottom, .Caption = "x"},
        {.Why = "margin and spacing", .Glyphs = 1, .Margin = 3, .Spacing = 1},
        {.Why = "spacing -1 spreads glyph and caption evenly", .Glyphs = 1, .Spacing = -1},
        {.Why = "glyph alone", .Glyphs = 1, .Caption = ""},
        {.Why = "disabled glyph made from the only slice", .Enabled = false, .Glyphs = 1},
        {.Why = "disabled slice of its own", .Enabled = false, .Glyphs = 2},
        {.Why = "pressed slice", .Hot = true, .Pressed = true, .Glyphs = 3},
        {.Why = "down slice", .Group = 1, .Down = true, .Glyphs = 4},
    };
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    for (const Look& look : looks) {
        SCOPED_TRACE(look.Why);
        auto* plain = new TgxSpeedButton(&form);
        auto* extended = new TgxExtSpeedButton(&form);
        plain->SetDefaultStyle(true);
        extended->SetDefaultStyle(true);
        std::unique_ptr<TSpeedButton> buttons[] = {std::make_unique<TSpeedButton>(&form),
                                                   std::unique_ptr<TSpeedButton>(plain),
                                                   std::unique_ptr<TSpeedButton>(extended)};
        std::unique_ptr<TBitmap> pictures[3];
        for (Integer i = 0; i < 3; ++i) {
            buttons[i]->SetParent(&form);
            buttons[i]->SetBounds(0, 0, W, H);
            pictures[i] = Render(buttons[i].get(), look);
        }
        EXPECT_EQ(Differences(*pictures[1], *pictures[0]), 0);
        EXPECT_EQ(Differences(*pictures[2], *pictures[0]), 0);
    }
}
