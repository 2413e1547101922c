#include "controls/buttons/TUtlButtonControl.h"
#include "controls/bases/TUtlCustomScrollBox.h"
#include "controls/bases/TUtlFormShape.h"

#include "tests/controls/PixelSheet.h"
#include "tests/controls/PngWriter.h"
#include "controls/shapes/GxWindowImage.h"
#include "platform/core/TFiler.h"
#include "platform/graphics/RasterOps.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomAction.h"
#include "platform/ui/TCustomForm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using sheet::At;

struct Radios {
    TForm form{nullptr};
    TUtlCustomPanel left{&form};
    TUtlCustomPanel right{&form};
    TUtlRadioButton a{&form}, b{&form}, c{&form}, d{&form};
    Integer clicks = 0;
    Radios() {
        form.SetBounds(0, 0, 300, 200);
        left.SetParent(&form);
        right.SetParent(&form);
        right.SetLeft(150);
        for (TUtlRadioButton* r : {&a, &b})
            r->SetParent(&left);
        for (TUtlRadioButton* r : {&c, &d})
            r->SetParent(&right);
        b.SetTop(20);
        d.SetTop(20);
        for (TUtlRadioButton* r : {&a, &b, &c, &d})
            r->OnClick = [this](TObject*) { ++clicks; };
    }
};

} // namespace

TEST(UtlControlBasesTest, CheckingUnchecksOnlyTheSiblings) {
    Radios r;
    r.a.SetChecked(true);
    r.c.SetChecked(true);
    EXPECT_EQ(r.clicks, 2);
    r.b.SetChecked(true);
    EXPECT_FALSE(r.a.Checked());
    EXPECT_TRUE(r.b.Checked());
    EXPECT_TRUE(r.c.Checked()); // under another parent
    EXPECT_EQ(r.clicks, 3);
    r.b.SetChecked(true); // already checked: no click
    EXPECT_EQ(r.clicks, 3);
}

TEST(UtlControlBasesTest, FocusChecksUnlessReadOnly) {
    Radios r;
    r.a.DoEnter();
    EXPECT_TRUE(r.a.Checked());
    r.b.SetReadOnly(true);
    r.b.DoEnter();
    EXPECT_FALSE(r.b.Checked());
    EXPECT_TRUE(r.a.Checked());
}

TEST(UtlControlBasesTest, AfterEnterAndExitRunOnceTheFocusChangeIsOver) {
    Radios r;
    std::vector<String> heard;
    auto note = [&](const char* What) { return [&heard, What](TObject*) { heard.push_back(What); }; };
    r.a.OnEnter = note("enter");
    r.a.OnExit = note("exit");
    r.a.OnAfterEnter = note("after enter");
    r.a.OnAfterExit = note("after exit");
    r.a.DoEnter();
    r.a.DoExit();
    EXPECT_EQ(heard, (std::vector<String>{"enter", "exit"}));
    Application->ProcessMessages();
    EXPECT_EQ(heard, (std::vector<String>{"enter", "exit", "after enter", "after exit"}));
    // A control destroyed before its turn hears nothing.
    auto* gone = new TUtlRadioButton(&r.form);
    gone->SetParent(&r.left);
    gone->OnAfterEnter = note("gone");
    gone->DoEnter();
    delete gone;
    Application->ProcessMessages();
    EXPECT_EQ(heard.size(), 4u);
}

TEST(UtlControlBasesTest, APressThatCannotTakeTheFocusIsIgnored) {
    Radios r;
    r.left.SetEnabled(false);
    r.a.MouseDown(mbLeft, {}, 3, 3);
    r.a.MouseUp(mbLeft, {}, 3, 3);
    EXPECT_FALSE(r.a.Checked());
    EXPECT_EQ(r.clicks, 0);
}

TEST(UtlControlBasesTest, AutoSizeFollowsTheCaption) {
    Radios r;
    r.a.SetCaption("Ok");
    r.a.SetBool(0, true);
    const Integer narrow = r.a.Width();
    r.a.SetCaption("Sokkal hosszabb felirat");
    EXPECT_GT(r.a.Width(), narrow);
    EXPECT_GT(r.a.Height(), 12);
    // Read from a form text, which holds no size: the size follows once it is loaded.
    auto* read = new TUtlRadioButton(&r.form);
    read->SetName("Read");
    TextToComponent("object Read: TUtlRadioButton\n  Caption = 'Sokkal hosszabb felirat'\n"
                    "  AutoSize = True\nend\n",
                    read);
    EXPECT_EQ(read->BoundsRect(), TRect(0, 0, r.a.Width(), r.a.Height()));
    r.a.Font3D()->SetStyle(tdRaisedShadow);
    r.a.Font3D()->SetShadowDepth(4);
    EXPECT_GT(r.a.Height(), 16);
}

TEST(UtlControlBasesTest, RadioButtonFollowsItsActionsCheckedWithoutAClick) {
    Radios r;
    r.form.SetName("Form1");
    auto* action = new TAction(&r.form);
    action->SetName("Action1");
    Integer runs = 0;
    action->OnExecute = [&](TObject*) { ++runs; };
    r.a.SetName("A");
    r.a.SetAction(action);
    EXPECT_NE(dynamic_cast<TUtlButtonActionLink*>(r.a.ActionLink()), nullptr);
    action->SetChecked(true);
    EXPECT_TRUE(r.a.Checked());
    EXPECT_EQ(r.clicks, 0);
    EXPECT_EQ(runs, 0);
    // Supplied by the action: not written; read back, the action supplies it again.
    const String text = ComponentToText(&r.a);
    EXPECT_EQ(text.find("Checked"), String::npos) << text;
    r.c.SetName("C");
    TextToComponent(text, &r.c);
    EXPECT_TRUE(r.c.Checked());
    // Unchecked by its sibling, A no longer shows the action's value; C does.
    r.b.SetChecked(true);
    action->SetChecked(false);
    EXPECT_FALSE(r.c.Checked());
    EXPECT_TRUE(r.b.Checked());
    r.a.SetChecked(true);
    EXPECT_NE(ComponentToText(&r.a).find("  Checked = True\n"), String::npos);
}

TEST(UtlControlBasesTest, StandardGlyphSheetAndIndexes) {
    TUtlRadioButton radio(nullptr);
    EXPECT_EQ(radio.GlyphSheet()->Width(), 4 * 13);
    EXPECT_EQ(radio.FrameWidth(), 13);
    radio.SetGlyphSize(16);
    EXPECT_EQ(radio.GlyphSheet()->Width(), 64);
    radio.SetIndex(0, -1);
    EXPECT_EQ(radio.ImageIndex(), 0);
    radio.SetIndex(0, 3);
    EXPECT_EQ(radio.ImageIndex(), 3);
    EXPECT_TRUE(radio.IMLEmpty());
    {
        TUtlBitmapList list(nullptr);
        auto strip = sheet::Make(40, 10, clRed);
        list.Items(list.Add())->SetBitmap(strip.get());
        radio.SetIndex(0, 0);
        radio.SetImageList(&list);
        EXPECT_FALSE(radio.IMLEmpty());
        EXPECT_EQ(radio.FrameWidth(), 10);
    }
    EXPECT_EQ(radio.ImageList(), nullptr); // the destroyed list is forgotten
    EXPECT_TRUE(radio.IMLEmpty());
}

// A flat button draws whole frames: from the standard sheet of four the same
// glyph as a raised one; from an image list's sheet of eight the flat half,
// and the other half under the mouse.
TEST(UtlControlBasesTest, AFlatRadioButtonDrawsWholeGlyphFrames) {
    TUtlRadioButton radio(nullptr);
    radio.SetBounds(0, 0, 40, 17);
    const auto picture = [&radio](const sheet::Palette& Colours) {
        auto b = sheet::Make(40, 17);
        radio.PaintTo(b->Canvas());
        return sheet::Letters(*b, Colours);
    };
    const sheet::Palette frame = {{'F', clBtnFace},      {'S', clBtnShadow}, {'D', cl3DDkShadow},
                                  {'H', clBtnHighlight}, {'L', cl3DLight},   {'W', clWindow},
                                  {'K', clWindowText}};
    for (bool checked : {false, true}) {
        SCOPED_TRACE(checked ? "checked" : "unchecked");
        radio.SetChecked(checked);
        radio.SetFlat(false);
        const auto raised = picture(frame);
        radio.SetFlat(true);
        EXPECT_EQ(picture(frame), raised);
    }
    // Eight frames of eight pixels, each its own colour.
    const sheet::Palette eight = {{'0', clRed},     {'1', clLime}, {'2', clBlue},   {'3', clYellow},
                                  {'4', clFuchsia}, {'5', clAqua}, {'6', clMaroon}, {'7', clNavy}};
    std::string row;
    for (char c = '0'; c <= '7'; ++c)
        row += std::string(8, c);
    TUtlBitmapList list(nullptr);
    list.Items(list.Add())->SetBitmap(sheet::FromLetters(std::vector<std::string>(8, row), eight).get());
    radio.SetImageList(&list);
    const auto framesShown = [&] {
        std::string shown;
        for (const std::string& line : picture(eight))
            for (char c : line)
                if (c != '?' && shown.find(c) == std::string::npos) shown += c;
        return shown;
    };
    EXPECT_EQ(framesShown(), "6"); // checked, flat
    radio.MouseEnter();
    EXPECT_EQ(framesShown(), "2");
}

TEST(UtlControlBasesTest, TransparentPanelsWithoutABackgroundFillThemselves) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    TUtlCustomPanel panel(&form);
    panel.SetParent(&form);
    panel.SetTransparent(true);
    panel.SetColor(clTeal);
    EXPECT_FALSE(panel.BackBitmapCheck());
    EXPECT_FALSE(panel.CheckOptimized());
    auto b = sheet::Make(100, 40);
    panel.PaintTo(b->Canvas());
    EXPECT_EQ(At(*b, 50, 20), clTeal);
}

namespace {

// A borderless 200 × 120 form whose shape supplies the background, a
// see-through panel on it and a see-through panel inside that one, whose
// (0, 0) lies at form (50, 30).
struct SeeThroughChain {
    TForm form{nullptr};
    TUtlFormShape shape{&form};
    TUtlCustomPanel outer{&form}, inner{&form};
    TBitmap whole{200, 120, pf24bit};
    SeeThroughChain() {
        form.SetBorderStyle(bsNone);
        form.SetBounds(0, 0, 200, 120);
        shape.Region()->SetShape(rsRect);
        shape.Region()->Border()->SetStyle(rbNone);
        outer.SetParent(&form);
        outer.SetBounds(20, 10, 150, 100);
        outer.SetTransparent(true);
        inner.SetParent(&outer);
        inner.SetBounds(30, 20, 80, 50);
        inner.SetTransparent(true);
    }
    // The form's own picture, which also fills the shape's background buffer.
    void PaintBackground() { GetWindowImage(&form, true, false, whole.Canvas()); }
    std::unique_ptr<TBitmap> PaintInner() {
        auto b = sheet::Make(80, 50);
        inner.PaintTo(b->Canvas());
        return b;
    }
};

} // namespace

TEST(UtlControlBasesTest, ADeepTransparentChildPaintsItsPartOfTheBackground) {
    SeeThroughChain c;
    c.shape.FillObject()->SetStyle(sfGradient);
    c.shape.FillObject()->Gradient()->SetStyle(gstHorizontal);
    c.shape.FillObject()->Gradient()->SetColorCount(200);
    c.shape.FillObject()->Gradient()->SetColor(clBlack);
    c.shape.FillObject()->Gradient()->SetEndColor(clWhite);
    c.PaintBackground();
    EXPECT_TRUE(c.inner.CheckOptimized());
    const auto b = c.PaintInner();
    // Inner (0, 0) lies at form (50, 30): the gradient's colour there.
    EXPECT_EQ(At(*b, 0, 0), At(c.whole, 50, 30));
    EXPECT_EQ(At(*b, 79, 0), At(c.whole, 129, 30));
    EXPECT_NE(At(*b, 0, 0), At(*b, 79, 0));
}

TEST(UtlControlBasesTest, APanelsBackgroundEffectReachesItsSeeThroughChildren) {
    SeeThroughChain c;
    c.shape.FillObject()->SetStyle(sfBrush);
    c.shape.FillObject()->Brush()->SetColor(RGB(200, 100, 40));
    c.PaintBackground();
    c.outer.BackFX()->SetBool(3, true); // invert
    EXPECT_EQ(At(c.whole, 50, 30), RGB(200, 100, 40));
    EXPECT_EQ(At(*c.PaintInner(), 10, 10), RGB(55, 155, 215));
    ASSERT_NE(c.outer.BackBitmap(), nullptr);
    EXPECT_EQ(At(*c.outer.BackBitmap(), 50, 30), RGB(55, 155, 215));
    c.outer.BackFX()->SetBool(3, false);
    EXPECT_EQ(At(*c.PaintInner(), 10, 10), RGB(200, 100, 40));
}

// The background bitmap's palette reaches a control through two panels.
TEST(UtlControlBasesTest, TheBackgroundBitmapsPaletteReachesTheChildren) {
    SeeThroughChain c;
    EXPECT_EQ(c.inner.BackBitmapPalette(), nullptr); // the form supplies no bitmap
    c.shape.Region()->SetShape(rsBitmap);
    TBitmap* mask = c.shape.Region()->Mask()->MaskBitmap();
    mask->SetPixelFormat(pf8bit);
    mask->SetPalette({clRed, clLime});
    PALETTEENTRY lime;
    ASSERT_EQ(GetPaletteEntries(c.inner.BackBitmapPalette(), 1, 1, &lime), 1u);
    EXPECT_EQ(RGB(lime.peRed, lime.peGreen, lime.peBlue), clLime);
    mask->SetPixelFormat(pf24bit); // true colour: no palette
    EXPECT_EQ(c.inner.BackBitmapPalette(), nullptr);
}

// A form with a gradient background, a see-through panel and an opaque one,
// each with radio buttons, for a look.
TEST(UtlControlBasesTest, WritesTheControlsToAPicture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the pictures";
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 420, 170);
    TUtlFormShape shape(&form);
    shape.Region()->SetShape(rsRoundRect);
    shape.Region()->Border()->SetStyle(rbRaised);
    shape.FillObject()->SetStyle(sfGradient);
    shape.FillObject()->Gradient()->SetColorCount(64);
    shape.FillObject()->Gradient()->SetColor(RGB(225, 235, 250));
    shape.FillObject()->Gradient()->SetEndColor(RGB(120, 150, 205));
    TUtlCustomPanel glass(&form), plain(&form);
    glass.SetParent(&form);
    glass.SetBounds(15, 15, 190, 140);
    glass.SetTransparent(true);
    plain.SetParent(&form);
    plain.SetBounds(215, 15, 190, 140);
    const char* captions[] = {"Aktív ügyek", "Lezárt ügyek", "Minden ügy"};
    std::vector<std::unique_ptr<TUtlRadioButton>> radios;
    for (Integer p = 0; p < 2; ++p)
        for (Integer i = 0; i < 3; ++i) {
            auto r = std::make_unique<TUtlRadioButton>(&form);
            r->SetParent(p == 0 ? &glass : &plain);
            r->SetBounds(12, 14 + i * 26, 160, 20);
            r->SetCaption(captions[i]);
            if (p == 0) {
                r->SetTransparent(true);
                r->Font3D()->SetStyle(tdRaised);
            }
            if (i == 2) r->SetEnabled(false);
            radios.push_back(std::move(r));
        }
    radios[0]->SetChecked(true);
    radios[4]->SetChecked(true);
    radios[5]->Font3D()->SetDisabledStyle(ds3d);
    TBitmap picture(420, 170, pf24bit);
    GetWindowImage(&form, true, true, picture.Canvas());
    const std::string path = std::string(folder) + "/controls-bases.png";
    ASSERT_TRUE(pngtest::SavePng(picture, path));
    EXPECT_EQ(At(picture, 300, 150), ColorToRGB(clBtnFace)); // the opaque panel
}

TEST(UtlControlBasesTest, ScrollBoxRepaintsEveryDeltaThScrollWhenOptimized) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 120);
    TUtlFormShape shape(&form);
    shape.FillObject()->SetStyle(sfBrush);
    TUtlCustomScrollBox box(&form);
    box.SetParent(&form);
    EXPECT_EQ(box.Bevel()->Mode(), bmWindows);
    EXPECT_FALSE(box.Scrolled(0)); // not transparent: nothing to repaint
    box.SetTransparent(true);
    box.SetDelta(3);
    box.SetDelta(0);
    EXPECT_EQ(box.Delta(), 3);
    std::vector<bool> repainted;
    for (Integer i = 0; i < 6; ++i)
        repainted.push_back(box.Scrolled(0));
    EXPECT_EQ(repainted, (std::vector<bool>{false, false, true, false, false, true}));
    box.SetOptimizedScrolling(false);
    EXPECT_FALSE(box.Scrolled(0));
    EXPECT_TRUE(box.Scrolled(SB_ENDSCROLL));
}

namespace {

// Counts the background notices it hears.
class Listening : public TUtlCustomPanel {
public:
    using TUtlCustomPanel::TUtlCustomPanel;
    void BackgroundChanged() override {
        ++Heard;
        TUtlCustomPanel::BackgroundChanged();
    }
    Integer Heard = 0;
};

} // namespace

TEST(UtlControlBasesTest, BackgroundChangesReachSeeThroughDescendants) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 120);
    TUtlFormShape shape(&form);
    Listening outer(&form), inner(&form), deep(&form);
    outer.SetParent(&form);
    inner.SetParent(&outer);
    deep.SetParent(&inner);
    inner.SetTransparent(true);
    shape.FillObject()->SetStyle(sfBrush); // the form's background changes
    EXPECT_EQ(outer.Heard, 1);
    EXPECT_EQ(inner.Heard, 0); // an opaque panel keeps its children's background
    outer.SetTransparent(true);
    outer.SetBounds(0, 0, 150, 100); // a see-through panel resized
    EXPECT_EQ(inner.Heard, 1);
    EXPECT_EQ(deep.Heard, 1);
}

namespace {

// A parent whose background is horizontal bands, seven pixels each, by the
// background's own row: what lies behind a see-through child is known.
class Backdrop : public TUtlCustomPanel {
public:
    using TUtlCustomPanel::TUtlCustomPanel;
    static TColor Band(Integer Y) { return Y / 7 % 2 ? clNavy : clYellow; }
    bool BackBitmapCheck() const override { return true; }
    TPoint BackMapPoint(TPoint P) const override { return P; }
    bool BackDrawArea(TCanvas* Canvas, const TRect& R, TPoint P) const override {
        for (Integer y = R.Top; y < R.Bottom; ++y) {
            Canvas->Brush()->SetColor(Band(P.Y + y - R.Top));
            Canvas->FillRect(TRect(R.Left, y, R.Right, y + 1));
        }
        return true;
    }
};

} // namespace

namespace {

// The three pixels in each direction from a corner of Picture, as letters: S
// button shadow, D dark shadow, L 3D light, H highlight, K window frame, Y the
// box's yellow.
std::vector<std::string> CornerLetters(TBitmap& Picture, Integer X, Integer Y) {
    auto corner = sheet::Make(3, 3);
    BitBlt(corner->Canvas(), 0, 0, 3, 3, Picture.Canvas(), X, Y, SRCCOPY);
    return sheet::Letters(*corner, {{'S', clBtnShadow},
                                    {'D', cl3DDkShadow},
                                    {'L', cl3DLight},
                                    {'H', clBtnHighlight},
                                    {'K', clWindowFrame},
                                    {'Y', clYellow}});
}

} // namespace

TEST(UtlScrollBoxTest, TheWindowsFrameIsAClientEdgeWithCtl3DAndALineWithout) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 150);
    TUtlCustomScrollBox box(&form);
    box.SetParent(&form);
    box.SetBounds(0, 0, 60, 40);
    box.SetColor(clYellow);
    TUtlCustomPanel wide(&form); // past both sides: both bars show, and the square between them
    wide.SetParent(&box);
    wide.SetBounds(0, 0, 200, 200);
    wide.SetColor(clYellow);
    form.Show();
    ASSERT_EQ(box.Bevel()->Mode(), bmWindows);
    const struct {
        bool Ctl3D;
        Integer Edge;
        std::vector<std::string> TopLeft, BottomRight; // the bottom-right square ends in the corner's
    } rows[] = {
        {true, 2, {"SSS", "SDD", "SDY"}, {"YLH", "LLH", "HHH"}},
        {false, 1, {"KKK", "KYY", "KYY"}, {"YYK", "YYK", "KKK"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Ctl3D ? "Ctl3D" : "flat");
        box.SetCtl3D(row.Ctl3D);
        Application->ProcessMessages();
        EXPECT_EQ(box.FrameInset(), row.Edge);
        // The scroll-bar corner moves in by the edge.
        EXPECT_EQ(box.ScrollCorner().BottomRight(), TPoint(60 - row.Edge, 40 - row.Edge));
        TBitmap shot;
        ui::Snapshot(&box, &shot);
        EXPECT_EQ(CornerLetters(shot, 0, 0), row.TopLeft);
        EXPECT_EQ(CornerLetters(shot, 57, 37), row.BottomRight);
    }
    // Another mode has no window edge: the bevel alone takes room.
    box.Bevel()->SetMode(bmCustom);
    box.Bevel()->SetBorderWidth(5);
    EXPECT_EQ(box.FrameInset(), 5);
}

TEST(UtlScrollBoxTest, ASeeThroughBoxShowsAndScrollsOverItsParentsBackground) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 250);
    auto* backdrop = new Backdrop(&form);
    backdrop->SetParent(&form);
    backdrop->SetBounds(0, 0, 280, 220);
    auto* box = new TUtlCustomScrollBox(&form);
    box->SetParent(backdrop);
    box->SetBounds(10, 10, 120, 100);
    box->SetColor(clWhite);
    auto* child = new Listening(&form); // far enough down that the box scrolls
    child->SetParent(box);
    child->SetBounds(0, 0, 60, 300);
    child->SetTransparent(true);
    form.Show();
    Application->ProcessMessages();
    const TRect corner = box->ScrollCorner();
    ASSERT_FALSE(IsRectEmpty(corner));
    const TPoint arrow(corner.Left + corner.Width() / 2, corner.Top - 4); // the lower arrow
    const TPoint middle(corner.Left + corner.Width() / 2, corner.Top + corner.Height() / 2);
    TBitmap shot;
    ui::Snapshot(box, &shot);
    EXPECT_EQ(At(shot, middle.X, middle.Y), clWhite); // opaque: the corner has the colour
    ui::SimulateDrag(box, arrow, arrow);
    EXPECT_EQ(child->Heard, 0); // opaque: scrolling moves the picture, nothing to repaint

    box->SetTransparent(true);
    child->Heard = 0;
    box->SetDelta(2);
    ui::SimulateDrag(box, arrow, arrow); // a line, then its end: one repaint
    Application->ProcessMessages();
    EXPECT_EQ(child->Heard, 1);
    ASSERT_GT(box->ScrollPos().Y, 0);
    // The corner and the scrolled child show the backdrop behind where they are now.
    const Integer inset = box->FrameInset();
    ui::Snapshot(box, &shot);
    EXPECT_EQ(At(shot, middle.X, middle.Y), Backdrop::Band(10 + middle.Y));
    for (Integer y = inset; y < inset + 40; ++y)
        EXPECT_EQ(At(shot, inset + 5, y), Backdrop::Band(10 + y)) << y;
    // Without optimized scrolling only a scroll's end repaints; a wheel step ends at once.
    box->SetOptimizedScrolling(false);
    child->Heard = 0;
    ui::SimulateWheel(box, arrow.X, arrow.Y - 20, -120);
    Application->ProcessMessages();
    EXPECT_EQ(child->Heard, 1);
}

// A see-through panel moved over a backdrop shows, as the window shows it,
// the backdrop of its new place on every row, and so does its see-through
// child through the panel's buffered effect.
TEST(UtlControlBasesTest, AMovedSeeThroughPanelShowsTheBackgroundOfItsNewPlace) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 250);
    auto* backdrop = new Backdrop(&form);
    backdrop->SetParent(&form);
    backdrop->SetBounds(0, 0, 280, 220);
    auto* panel = new TUtlCustomPanel(&form);
    panel->SetParent(backdrop);
    panel->SetBounds(10, 20, 100, 40);
    panel->SetTransparent(true);
    panel->BackFX()->SetBool(3, true); // invert
    panel->BackFX()->SetBool(4, true); // buffered
    auto* child = new TUtlCustomPanel(&form);
    child->SetParent(panel);
    child->SetBounds(50, 0, 30, 40);
    child->SetTransparent(true);
    form.Show();
    Application->ProcessMessages();
    const auto inverted = [](TColor c) {
        c = ColorToRGB(c);
        return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
    };
    TBitmap shown;
    for (Integer top : {23, 26, 16, 34}) {
        panel->SetTop(top);
        Application->ProcessMessages();
        ASSERT_TRUE(ui::ShownSnapshot(panel, &shown));
        Integer stale = 0;
        for (Integer y = 0; y < 40; ++y)
            stale += (At(shown, 5, y) != ColorToRGB(Backdrop::Band(top + y))) +
                     (At(shown, 60, y) != inverted(Backdrop::Band(top + y)));
        EXPECT_EQ(stale, 0) << "top " << top;
    }
}

namespace {

// Rows of letters for the frame colours: S button shadow, F button face,
// H button highlight, K window frame, . the sheet behind.
std::vector<std::string> FrameLetters(TBitmap& b) {
    return sheet::Letters(b, {{'S', clBtnShadow},
                              {'F', clBtnFace},
                              {'H', clBtnHighlight},
                              {'K', clWindowFrame},
                              {'.', sheet::Green}});
}

} // namespace

TEST(UtlControlBasesTest, TheRestoredBorderIsSunkenWithCtl3DAndALineWithout) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 80);
    TUtlCustomControl control(&form);
    control.SetParent(&form);
    control.SetBounds(0, 0, 7, 6);
    const std::vector<std::string> sunken{"SSSSSSF", "SSSSSHF", "SS...HF", "SS...HF", "SHHHHHF", "FFFFFFF"};
    auto picture = sheet::Make(7, 6);
    control.RestoreBorderBack(picture->Canvas());
    EXPECT_EQ(FrameLetters(*picture), sunken);
    control.SetCtl3D(false);
    picture = sheet::Make(7, 6);
    control.RestoreBorderBack(picture->Canvas());
    EXPECT_EQ(FrameLetters(*picture),
              (std::vector<std::string>{"KKKKKKK", "K.....K", "K.....K", "K.....K", "K.....K", "KKKKKKK"}));
    // On the control itself: painted over its face when it next paints.
    control.SetCtl3D(true);
    control.SetColor(sheet::Green);
    form.Show();
    control.RestoreBorderFront();
    TBitmap shot;
    ui::Snapshot(&control, &shot);
    EXPECT_EQ(FrameLetters(shot), sunken);
}

TEST(UtlControlBasesTest, Ctl3DComesFromTheParentUntilSet) {
    TForm form(nullptr);
    TUtlCustomPanel panel(&form);
    panel.SetParent(&form);
    TUtlRadioButton radio(&form);
    radio.SetParent(&panel);
    TUtlCustomScrollBox box(&form);
    box.SetParent(&panel);
    form.SetCtl3D(false); // through the panel to its children
    EXPECT_FALSE(radio.Ctl3D());
    EXPECT_EQ(box.FrameInset(), 1); // the box's edge follows
    radio.SetCtl3D(false);          // its own from now on, though the same
    EXPECT_FALSE(radio.ParentCtl3D());
    form.SetCtl3D(true);
    EXPECT_FALSE(radio.Ctl3D());
    EXPECT_EQ(box.FrameInset(), 2);
    radio.SetParentCtl3D(true); // the parent's at once
    EXPECT_TRUE(radio.Ctl3D());
    panel.SetCtl3D(false);
    TUtlRadioButton later(&form);
    later.SetParent(&panel); // a new child takes it when it is placed
    EXPECT_FALSE(later.Ctl3D());
    EXPECT_TRUE(later.ParentCtl3D());
}
