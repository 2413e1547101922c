#include "platform/core/Exceptions.h"
#include "platform/graphics/FontFaces.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

struct ChangeCounter {
    int Count = 0;
    TObject* Sender = nullptr;
    TNotifyEvent Handler() {
        return [this](TObject* s) {
            ++Count;
            Sender = s;
        };
    }
};

} // namespace

TEST(FontTest, DefaultsAreTheClassicDialogFont) {
    TFont f;
    EXPECT_EQ(f.Name(), "MS Sans Serif");
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Size(), 8);
    EXPECT_EQ(f.Color(), clWindowText);
    EXPECT_EQ(f.Charset(), DEFAULT_CHARSET);
    EXPECT_TRUE(f.Style().Empty());
}

TEST(FontTest, SizeAndHeightFollowEachOther) {
    TFont f;
    f.SetSize(10);
    EXPECT_EQ(f.Height(), -13); // -round(10 × 96 / 72)
    f.SetHeight(-16);
    EXPECT_EQ(f.Size(), 12);
    f.SetPixelsPerInch(120);
    EXPECT_EQ(f.Height(), -16);
    EXPECT_EQ(f.Size(), 10); // -MulDiv(-16, 72, 120) = 9.6 → 10
}

TEST(FontTest, SizesAtTheEdgeOfTheIntegerRangeSaturate) {
    TFont f;
    f.SetSize(-1610612736); // × 96 / 72 is the lowest integer, which has no negative
    EXPECT_EQ(f.Height(), 2147483647);
    f.SetHeight(-2147483647 - 1);
    EXPECT_EQ(f.Size(), 1610612736);
    f.SetPixelsPerInch(72);
    EXPECT_EQ(f.Size(), 2147483647);
}

TEST(FontTest, ChangeFiresOncePerRealChange) {
    TFont f;
    ChangeCounter c;
    f.OnChange = c.Handler();
    f.SetName("Arial");
    f.SetName("Arial");
    f.SetSize(8); // already 8 points
    f.SetStyle({fsBold, fsItalic});
    f.SetStyle({fsItalic, fsBold});
    f.SetColor(clRed);
    f.SetName(""); // ignored
    EXPECT_EQ(c.Count, 3);
    EXPECT_EQ(c.Sender, &f);
    EXPECT_TRUE(f.Style().Contains(fsBold));
    EXPECT_FALSE(f.Style().Contains(fsUnderline));
}

TEST(FontTest, AssignCopiesEverythingAndSignalsOnce) {
    TFont a, b;
    a.SetName("Courier New");
    a.SetHeight(-20);
    a.SetStyle({fsUnderline});
    a.SetColor(clBlue);
    a.SetCharset(EASTEUROPE_CHARSET);
    a.SetOrientation(900);
    ChangeCounter c;
    b.OnChange = c.Handler();
    b.Assign(&a);
    EXPECT_EQ(c.Count, 1);
    EXPECT_EQ(b.Name(), "Courier New");
    EXPECT_EQ(b.Height(), -20);
    EXPECT_TRUE(b.Style() == TFontStyles({fsUnderline}));
    EXPECT_EQ(b.Color(), clBlue);
    EXPECT_EQ(b.Charset(), EASTEUROPE_CHARSET);
    EXPECT_EQ(b.Orientation(), 900);
}

TEST(FontTest, AssignToAFontOfAnotherResolutionKeepsThePointSize) {
    TFont screen, printer;
    screen.SetSize(10); // 13 pixels at 96 per inch
    screen.SetName("Arial");
    printer.SetPixelsPerInch(600);
    printer.Assign(&screen);
    EXPECT_EQ(printer.PixelsPerInch(), 600);
    EXPECT_EQ(printer.Size(), 10);
    EXPECT_EQ(printer.Height(), -83);
    EXPECT_EQ(printer.Name(), "Arial");
    // Back on the screen: the screen's pixels again.
    TFont again;
    again.Assign(&printer);
    EXPECT_EQ(again.Height(), -13);
}

TEST(FontTest, AssignFromAnotherKindRaises) {
    TFont f;
    TPen p;
    EXPECT_EQ(ErrorOf<EConvertError>([&] { f.Assign(&p); }), "Cannot assign a TPen to a TFont");
}

TEST(FontFacesTest, WindowsFacesMapToInstalledMetricCompatibleFaces) {
    EXPECT_EQ(graphics::ResolveFontFace("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(graphics::ResolveFontFace("Arial"), "Liberation Sans");
    EXPECT_EQ(graphics::ResolveFontFace("times new roman"), "Liberation Serif");
    EXPECT_EQ(graphics::ResolveFontFace("Courier New"), "Liberation Mono");
    EXPECT_EQ(graphics::ResolveFontFace("Small Fonts"), "Liberation Sans");
    EXPECT_EQ(graphics::ResolveFontFace("DejaVu Sans"), "DejaVu Sans");
}

TEST(PenTest, DefaultsZeroWidthAndChanges) {
    TPen p;
    EXPECT_EQ(p.Color(), clBlack);
    EXPECT_EQ(p.Width(), 1);
    EXPECT_EQ(p.Style(), psSolid);
    EXPECT_EQ(p.Mode(), pmCopy);
    ChangeCounter c;
    p.OnChange = c.Handler();
    p.SetWidth(-5); // ignored
    EXPECT_EQ(p.Width(), 1);
    p.SetWidth(0); // kept: callers read it back to count parallel lines
    EXPECT_EQ(p.Width(), 0);
    p.SetWidth(3);
    p.SetMode(pmXor);
    p.SetMode(pmXor);
    EXPECT_EQ(p.Width(), 3);
    EXPECT_EQ(c.Count, 3);
}

TEST(BrushTest, ClearAndColourInteract) {
    TBrush b;
    EXPECT_EQ(b.Color(), clWhite);
    EXPECT_EQ(b.Style(), bsSolid);
    b.SetColor(clRed);
    b.SetStyle(bsClear);
    EXPECT_EQ(b.Color(), clWhite); // a clear brush reads back white
    b.SetColor(clBlue);
    EXPECT_EQ(b.Style(), bsSolid); // a colour makes it solid again
    b.SetStyle(bsCross);
    b.SetColor(clGreen);
    EXPECT_EQ(b.Style(), bsCross); // hatches keep their style
}

TEST(BrushTest, AssignCopiesTheBitmapReference) {
    TBrush a, b;
    auto* fake = reinterpret_cast<TBitmap*>(&a); // only the pointer is copied
    a.SetBitmap(fake);
    a.SetColor(clAqua);
    b.Assign(&a);
    EXPECT_EQ(b.Bitmap(), fake);
    EXPECT_EQ(b.Color(), clAqua);
}
