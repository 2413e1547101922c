#include "controls/buttons/TgxExtSpeedButton.h"

#include "controls/buttons/ButtonLooks.h"
#include "tests/controls/PngWriter.h"
#include "tests/support/TempFolder.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>

namespace {

enum class State { Normal, Hover, Pressed, Disabled };

// A small document picture on a lime background (the transparent colour).
void MakeGlyph(TBitmap& glyph) {
    glyph.SetSize(16, 16);
    TCanvas* c = glyph.Canvas();
    c->Brush()->SetColor(clLime);
    c->FillRect(Rect(0, 0, 16, 16));
    c->Brush()->SetColor(clWhite);
    c->FillRect(Rect(3, 1, 13, 15));
    c->Brush()->SetColor(looks::HouseBlue);
    c->FrameRect(Rect(3, 1, 13, 15));
    for (Integer y = 4; y <= 11; y += 3)
        c->FillRect(Rect(5, y, 11, y + 1));
}

void Paint(TCanvas* target, Integer x, Integer y, const String& caption, bool dark, State state,
           TBitmap* glyph) {
    const Integer w = 104, h = 24;
    TgxExtSpeedButton button(nullptr);
    button.SetBounds(0, 0, w, h);
    button.SetCaption(caption);
    if (dark)
        looks::ApplyDarkLook(&button);
    else
        looks::ApplyLightLook(&button);
    if (glyph) button.SetGlyph(glyph);
    if (state == State::Hover || state == State::Pressed) button.MouseEnter();
    if (state == State::Pressed) button.MouseDown(mbLeft, {}, 4, 4);
    if (state == State::Disabled) button.SetEnabled(false);
    TBitmap picture(w, h, pf24bit);
    button.PaintTo(picture.Canvas());
    BitBlt(target, x, y, w, h, picture.Canvas(), 0, 0, SRCCOPY);
}

} // namespace

// The application's toolbar looks side by side: light and dark, each in its
// normal, hover, pressed and disabled state.
TEST(ToolbarRenderTest, WritesBothLooksToAPicture) {
    const Integer cols = 4, rows = 4, cell = 112, line = 30;
    TBitmap bar(8 + cols * cell, 8 + rows * line, pf24bit);
    bar.Canvas()->Brush()->SetColor(clBtnFace);
    bar.Canvas()->FillRect(Rect(0, 0, bar.Width(), bar.Height()));
    TBitmap glyph;
    MakeGlyph(glyph);
    const char* captions[] = {"Lekérdezés", "Új ügy", "Nyomtatás", "Kilépés"};
    const State states[] = {State::Normal, State::Hover, State::Pressed, State::Disabled};
    for (Integer row = 0; row < rows; ++row) {
        const bool dark = row >= 2;
        for (Integer col = 0; col < cols; ++col)
            Paint(bar.Canvas(), 8 + col * cell, 8 + row * line, captions[col], dark, states[col],
                  row % 2 == 1 ? &glyph : nullptr);
    }
    TempFolder folder("toolbar");
    ASSERT_TRUE(pngtest::SavePng(bar, folder.File("controls-toolbar.png")));
    // Frame colours of the two looks where the buttons begin.
    EXPECT_EQ(bar.Canvas()->Pixels(8, 8 + 12) & 0xFFFFFF, looks::HouseBlue);
    EXPECT_EQ(bar.Canvas()->Pixels(8, 8 + 2 * line + 12) & 0xFFFFFF, clNavy);
}
