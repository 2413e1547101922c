#include "controls/shapes/TUtlAlphaObject.h"
#include "controls/shapes/TUtlFillObject.h"
#include "controls/shapes/TUtlGradient.h"

#include "tests/controls/PixelSheet.h"
#include "platform/core/TComponent.h"
#include "platform/core/TFiler.h"
#include "platform/core/TypInfo.h"

#include <gtest/gtest.h>

namespace {

using sheet::At;
using sheet::Green;

// A component publishing a gradient, for the form-resource round trip.
class GradientHolder : public TComponent {
public:
    explicit GradientHolder(TComponent* AOwner) : TComponent(AOwner) {
        static const bool registered = [] {
            TPropInfo gradient;
            gradient.Name = "Gradient";
            gradient.Kind = tkClass;
            gradient.GetObject = [](TObject* o) -> TPersistent* {
                return &static_cast<GradientHolder*>(o)->Gradient;
            };
            RegisterClass<GradientHolder>("GradientHolder", "", {gradient});
            return true;
        }();
        (void)registered;
    }
    String ClassName() const override { return "GradientHolder"; }
    TUtlGradient Gradient;
};

} // namespace

TEST(FillObjectsTest, GradientColourListsInBothModes) {
    TUtlGradient g;
    EXPECT_EQ(g.Colors().size(), 16u);
    EXPECT_EQ(g.Colors().front(), clBlue);
    EXPECT_EQ(g.Colors().back(), clBlack);
    EXPECT_EQ(g.GetSetStr(), "vertical, Col: 16, 2 col mode");
    g.SetColors({clRed, clLime, clBlue});
    g.SetTwoColors(false);
    // 16 div 3 = 5 for the first segment, 4 more for the second.
    ASSERT_EQ(g.Colors().size(), 9u);
    EXPECT_EQ(g.Colors()[4], clLime);
    EXPECT_EQ(g.Colors()[8], clBlue);
    EXPECT_EQ(g.GetSetStr(), "vertical, Col: 16, mult. col mode");
    g.SetColors({clRed});
    g.Change();
    EXPECT_TRUE(g.Colors().empty()); // one stop is no gradient
    g.SetColorCount(1);
    EXPECT_EQ(g.ColorCount(), 2);
}

TEST(FillObjectsTest, GradientPaletteFollowsTheSetting) {
    TUtlGradient g;
    EXPECT_EQ(g.GetPalette(), nullptr);
    g.SetPaletteRealize(true);
    ASSERT_NE(g.GetPalette(), nullptr);
    EXPECT_EQ(g.GetPalette()->Entries.size(), 16u);
    auto b = sheet::Make(4, 8);
    g.PaintGradient(b->Canvas(), TRect(0, 0, 4, 8));
    EXPECT_EQ(At(*b, 0, 0), clBlue);
    g.SetRealPalette(b->Canvas());
    EXPECT_EQ(b->Canvas()->Palette(), g.GetPalette());
    b->Canvas()->SetPalette(nullptr);
    TUtlGradient copy;
    Integer changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&g);
    EXPECT_EQ(changes, 1);
    EXPECT_NE(copy.GetPalette(), nullptr);
}

TEST(FillObjectsTest, GradientStopsTravelThroughTheFormText) {
    GradientHolder from(nullptr);
    from.Gradient.SetColors({clRed, clYellow, 0x80000005});
    const String text = ComponentToText(&from);
    EXPECT_NE(text.find("Gradient.ColorList"), String::npos);
    GradientHolder to(nullptr);
    TextToComponent(text, &to);
    EXPECT_EQ(to.Gradient.ColorList(), from.Gradient.ColorList());
    GradientHolder none(nullptr);
    EXPECT_EQ(ComponentToText(&none).find("ColorList"), String::npos);
}

TEST(FillObjectsTest, ShapeFillQueries) {
    TUtlShapeFill fill;
    EXPECT_FALSE(fill.GetEmpty());
    EXPECT_FALSE(fill.GetMustRedraw());
    EXPECT_EQ(fill.GetSetStr(), "{Brush}");
    fill.SetStyle(sfBitmap);
    EXPECT_TRUE(fill.GetEmpty());
    fill.Bitmap()->SetSize(2, 2);
    EXPECT_FALSE(fill.GetEmpty());
    EXPECT_FALSE(fill.GetMustRedraw()); // tiled
    fill.SetTileMode(tmCenter);
    EXPECT_TRUE(fill.GetMustRedraw());
    fill.SetStyle(sfBitmapList);
    EXPECT_TRUE(fill.GetEmpty()); // the list bitmap is empty
    EXPECT_EQ(fill.GetBitmap(), fill.ListBitmap());
    fill.SetStyle(sfNone);
    EXPECT_EQ(fill.GetSetStr(), "{Disabled}");
    EXPECT_TRUE(fill.GetMustRedraw());
}

TEST(FillObjectsTest, EmptyBitmapFillsOnlyTheBackground) {
    TUtlFillObject fill;
    EXPECT_EQ(fill.Style(), sfNone);
    auto b = sheet::Make(10, 10);
    EXPECT_FALSE(fill.FillCanvas(b->Canvas(), TRect(0, 0, 10, 10), clRed));
    EXPECT_EQ(At(*b, 5, 5), Green); // sfNone paints nothing
    fill.SetStyle(sfBitmap);
    EXPECT_FALSE(fill.FillCanvas(b->Canvas(), TRect(0, 0, 10, 10), clRed));
    EXPECT_EQ(At(*b, 5, 5), clRed);
}

TEST(FillObjectsTest, BitmapPlacements) {
    TUtlFillObject fill;
    fill.SetStyle(sfBitmap);
    fill.SetTileMode(tmNone);
    fill.Bitmap()->SetSize(4, 4);
    fill.Bitmap()->Canvas()->Brush()->SetColor(clBlue);
    fill.Bitmap()->Canvas()->FillRect(TRect(0, 0, 4, 4));
    Integer changes = 0;
    fill.OnChange = [&](TObject*) { ++changes; };
    fill.SetAlignment(agBottomRight);
    fill.SetOffsetX(-1);
    EXPECT_EQ(changes, 2);
    auto b = sheet::Make(12, 10);
    EXPECT_TRUE(fill.FillCanvas(b->Canvas(), TRect(0, 0, 12, 10), clRed));
    EXPECT_EQ(At(*b, 10, 9), clBlue); // bottom right, one to the left
    EXPECT_EQ(At(*b, 11, 9), clRed);
    EXPECT_EQ(At(*b, 0, 0), clRed);
    fill.SetTileMode(tmTile);
    fill.SetAlignment(agTopLeft); // tiled: placement changes are not reported
    EXPECT_EQ(changes, 3);
    auto t = sheet::Make(12, 10);
    fill.FillCanvas(t->Canvas(), TRect(0, 0, 12, 10), clRed);
    EXPECT_EQ(At(*t, 11, 9), clBlue);
    EXPECT_FALSE(fill.GetTransparent());
    fill.SetTileMode(tmCenter);
    fill.SetOptions(TUtlFillOptions{});
    EXPECT_TRUE(fill.GetTransparent());
    auto c = sheet::Make(12, 10);
    fill.FillCanvas(c->Canvas(), TRect(0, 0, 12, 10), clRed);
    EXPECT_EQ(At(*c, 0, 0), Green); // no background without foFillInner
    EXPECT_EQ(At(*c, 5, 4), clBlue);
}

TEST(FillObjectsTest, BrushGradientAndClip) {
    TUtlFillObject fill;
    fill.SetStyle(sfBrush);
    fill.Brush()->SetStyle(bsCross);
    fill.Brush()->SetColor(clNavy);
    auto b = sheet::Make(8, 8);
    EXPECT_TRUE(fill.FillCanvas(b->Canvas(), TRect(0, 0, 8, 8), clYellow));
    Integer navy = 0, yellow = 0, other = 0;
    for (Integer y = 0; y < 8; ++y)
        for (Integer x = 0; x < 8; ++x)
            ++(At(*b, x, y) == clNavy ? navy : At(*b, x, y) == clYellow ? yellow : other);
    EXPECT_GT(navy, 0);
    EXPECT_GT(yellow, 0); // the gaps of the hatch show the colour
    EXPECT_EQ(other, 0);
    EXPECT_EQ(b->Canvas()->Brush()->Style(), bsSolid);

    fill.SetStyle(sfGradient);
    fill.Gradient()->SetColor(clRed);
    fill.Gradient()->SetEndColor(clBlue);
    fill.Gradient()->SetStyle(gstHorizontal);
    auto g = sheet::Make(16, 2);
    fill.FillCanvas(g->Canvas(), TRect(0, 0, 16, 2), clWhite);
    EXPECT_EQ(At(*g, 0, 0), clRed);
    EXPECT_EQ(At(*g, 15, 0), clBlue);

    fill.SetStyle(sfBrush);
    fill.Brush()->SetStyle(bsSolid);
    auto clip = sheet::Make(12, 4);
    fill.ClipFill(clip->Canvas(), TRect(0, 0, 8, 4), clWhite, 2); // clip moved two to the right
    EXPECT_EQ(At(*clip, 1, 1), Green);
    EXPECT_EQ(At(*clip, 2, 1), clNavy);
    EXPECT_EQ(At(*clip, 9, 1), Green);
}

TEST(FillObjectsTest, AssignCopiesTheFillWithOneChange) {
    TUtlFillObject from, to;
    from.SetStyle(sfGradient);
    from.SetOptions(TUtlFillOptions{foQuickDraw});
    from.Brush()->SetColor(clMaroon);
    from.Gradient()->SetStyle(gstElliptic);
    Integer changes = 0;
    to.OnChange = [&](TObject*) { ++changes; };
    to.Assign(&from);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(to.Style(), sfGradient);
    EXPECT_TRUE(to.Options().Contains(foQuickDraw));
    EXPECT_EQ(to.Brush()->Color(), clMaroon);
    EXPECT_EQ(to.Gradient()->Style(), gstElliptic);
}

// The fill hands out the palette of what it paints with; the alpha object
// answers its fill's, the list bitmap fetched from an image list.
TEST(FillObjectsTest, PaletteOfWhatTheFillPaintsWith) {
    TUtlBitmapList list(nullptr);
    list.Items(list.Add())->SetBitmap(sheet::EightBit({clMaroon, clOlive}).get());
    TUtlAlphaObject alpha;
    TUtlFillObject* fill = alpha.FillObject();
    fill->SetBitmap(sheet::EightBit({clNavy, clTeal}).get());
    alpha.SetImageList(&list);
    fill->Gradient()->SetPaletteRealize(true);
    struct Row {
        TUtlFillStyle Style;
        TColor Second, TrueColour; // the palette's entry 1 (clNone: no palette), then with 24-bit bitmaps
    } rows[] = {
        {sfNone, clNone, clNone},
        {sfBrush, clNone, clNone},
        {sfBrushBitmap, clTeal, clNone}, // Bitmap is the brush pattern
        {sfBitmap, clTeal, clNone},
        {sfBitmapList, clOlive, clNone},
        {sfGradient, fill->Gradient()->Colors()[1], fill->Gradient()->Colors()[1]},
    };
    for (bool trueColour : {false, true}) {
        if (trueColour)
            for (TBitmap* b : {fill->Bitmap(), fill->ListBitmap()})
                b->SetPixelFormat(pf24bit);
        for (const Row& r : rows) {
            fill->SetStyle(r.Style);
            EXPECT_EQ(sheet::PaletteEntry(alpha.GetPalette(), 1), trueColour ? r.TrueColour : r.Second)
                << r.Style << " " << trueColour;
        }
    }
}
