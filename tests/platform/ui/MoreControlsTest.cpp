// Memo, radio group, speed buttons, splitter, pages, list box, scroll box,
// status bar, image, group box and bevel.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TPicture.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TBevel.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPageControl.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioGroup.h"
#include "platform/ui/TScrollBox.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/TSplitter.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TTabSheet.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

template <class T> T* Place(TWinControl* parent, TRect bounds) {
    auto* c = new T(parent);
    c->SetBoundsRect(bounds);
    c->SetParent(parent);
    return c;
}

class More : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 500, 400);
    }
    void TearDown() override { Form->Hide(); }
    std::unique_ptr<TForm> Form;
};

// --- memo ---

TEST_F(More, MemoLinesAndTextWithCrLf) {
    auto* memo = Place<TMemo>(Form.get(), Bounds(0, 0, 200, 100));
    memo->Lines()->Add("Első sor");
    memo->Lines()->Add("Második");
    EXPECT_EQ(memo->Text(), "Első sor\r\nMásodik");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    memo->SetText("a\r\nb\r\n");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Strings(1), "b");
    memo->Lines()->Delete(0);
    EXPECT_EQ(memo->Text(), "b");
    memo->Clear();
    EXPECT_EQ(memo->Lines()->Count(), 0);
    EXPECT_EQ(ErrorOf<EStringListError>([&] { memo->Lines()->Strings(0); }), "List index out of bounds (0)");
}

TEST_F(More, MemoTakesEnterButNotTab) {
    auto* memo = Place<TMemo>(Form.get(), Bounds(0, 0, 200, 100));
    auto* next = Place<TMemo>(Form.get(), Bounds(0, 120, 200, 100));
    Form->Show();
    memo->SetFocus();
    ui::SimulateKey(memo, 'A', {}, "a");
    ui::SimulateKey(memo, VK_RETURN, {}, "\r");
    ui::SimulateKey(memo, 'B', {}, "b");
    EXPECT_EQ(memo->Text(), "a\r\nb");
    ui::SimulateKey(memo, VK_TAB);
    EXPECT_TRUE(next->Focused());
}

TEST_F(More, MemoMaxLengthStopsTyping) {
    auto* memo = Place<TMemo>(Form.get(), Bounds(0, 0, 200, 100));
    memo->SetMaxLength(2);
    Form->Show();
    memo->SetFocus();
    for (const char* ch : {"x", "y", "z"})
        ui::SimulateKey(memo, 0, {}, ch);
    EXPECT_EQ(memo->Text(), "xy");
    ui::SimulateKey(memo, VK_RETURN, {}, "\r"); // a line break is a character too
    EXPECT_EQ(memo->Text(), "xy");
    // Ctrl+A still selects all in a full memo, so typing replaces the text.
    ui::SimulateKey(memo, 'A', {ssCtrl}, "\x01");
    ui::SimulateKey(memo, 0, {}, "z");
    EXPECT_EQ(memo->Text(), "z");
}

// The limit counts the text as it is stored, however the text arrives: a line break is the two
// characters of CR LF, a paste is cut to fit, and a text stored past the limit never grows.
TEST_F(More, MemoMaxLengthCountsTheStoredTextForKeysAndPastes) {
    struct Key {
        Word Code;
        TShiftState Shift;
        const char* Text;
    };
    const Key end{VK_END, {ssCtrl}, ""}, all{'A', {ssCtrl}, "\x01"}, copy{'C', {ssCtrl}, "\x03"},
        paste{'V', {ssCtrl}, "\x16"};
    const struct {
        const char* Why;
        const char* Given;
        Integer MaxLength;
        std::vector<Key> Keys;
        const char* Left;
    } cases[] = {
        {"a stored CR LF counts two", "ab\r\ncd", 6, {end, {'X', {}, "x"}}, "ab\r\ncd"},
        {"a typed Enter counts two", "abcdefghi", 10, {end, {VK_RETURN, {}, "\r"}}, "abcdefghi"},
        {"a paste is cut to the room left", "ab\r\ncd", 10, {all, copy, end, paste}, "ab\r\ncdab\r\n"},
        {"a text past the limit takes no paste", "abcdefghijkl", 10, {all, copy, end, paste}, "abcdefghijkl"},
        {"a paste over a selection may be as long", "abcdefghijkl", 10, {all, copy, paste}, "abcdefghijkl"},
    };
    auto* memo = Place<TMemo>(Form.get(), Bounds(0, 0, 200, 100));
    Form->Show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        memo->SetMaxLength(c.MaxLength);
        memo->SetText(c.Given);
        for (const Key& k : c.Keys)
            ui::SimulateKey(memo, k.Code, k.Shift, k.Text);
        EXPECT_EQ(memo->Text(), c.Left);
    }
}

TEST_F(More, ReadOnlyMemoMovesTheCaretButKeepsTheText) {
    auto* memo = Place<TMemo>(Form.get(), Bounds(0, 0, 200, 100));
    memo->SetText("ab\r\ncd");
    memo->SetReadOnly(true);
    Form->Show();
    memo->SetFocus();
    ui::SimulateKey(memo, VK_DOWN);
    ui::SimulateKey(memo, VK_RIGHT);
    ui::SimulateKey(memo, 'X', {}, "x");
    EXPECT_EQ(memo->Text(), "ab\r\ncd");
    memo->SetReadOnly(false);
    ui::SimulateKey(memo, 'X', {}, "x"); // lands where the arrows left the caret
    EXPECT_EQ(memo->Text(), "ab\r\ncxd");
}

// --- radio group ---

TEST_F(More, RadioGroupIndexClampsAndClicks) {
    auto* group = Place<TRadioGroup>(Form.get(), Bounds(0, 0, 200, 100));
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    for (const char* s : {"Növekvő", "Csökkenő"})
        group->Items()->Add(s);
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetItemIndex(1);
    group->SetItemIndex(1);
    group->SetItemIndex(7); // past the end: the last, no change
    EXPECT_EQ(group->ItemIndex(), 1);
    group->SetItemIndex(-5);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(clicks, 2);
    group->SetItemIndex(0);
    group->Items()->Delete(1);
    EXPECT_EQ(group->ItemIndex(), 0);
    group->Items()->Clear();
    EXPECT_EQ(group->ItemIndex(), -1);
}

// --- speed buttons ---

TEST_F(More, SpeedButtonClickFollowsTheReleaseInside) {
    auto* b = Place<TSpeedButton>(Form.get(), Bounds(10, 10, 80, 24));
    std::string log;
    b->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) { log += "up,"; };
    b->OnClick = [&](TObject*) { log += "click,"; };
    ui::SimulateClick(b, 5, 5);
    EXPECT_EQ(log, "up,click,");
    log.clear();
    ui::SimulateClick(b, 200, 5);
    EXPECT_EQ(log, "up,");
    EXPECT_EQ(b->State(), bsUp);
}

TEST_F(More, GroupedSpeedButtonsStayDownOneAtATime) {
    auto* a = Place<TSpeedButton>(Form.get(), Bounds(0, 0, 23, 22));
    auto* b = Place<TSpeedButton>(Form.get(), Bounds(30, 0, 23, 22));
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    ui::SimulateClick(a, 5, 5);
    EXPECT_TRUE(a->Down());
    ui::SimulateClick(b, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    ui::SimulateClick(b, 5, 5); // without AllowAllUp it stays down
    EXPECT_TRUE(b->Down());
    b->SetAllowAllUp(true);
    ui::SimulateClick(b, 5, 5);
    EXPECT_FALSE(b->Down());
}

TEST_F(More, UngroupedSpeedButtonNeverStaysDown) {
    auto* a = Place<TSpeedButton>(Form.get(), Bounds(0, 0, 23, 22));
    a->SetDown(true);
    EXPECT_FALSE(a->Down());
}

TEST_F(More, DisabledSpeedButtonPaintsDisabled) {
    auto* a = Place<TSpeedButton>(Form.get(), Bounds(0, 0, 60, 22));
    a->SetCaption("Lekérdezés");
    a->SetEnabled(false);
    TBitmap bmp;
    bmp.SetSize(60, 22);
    a->PaintTo(bmp.Canvas());
    EXPECT_EQ(a->State(), bsDisabled);
    // The classic raised face: a white top-left edge.
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), RGB(255, 255, 255));
}

TEST_F(More, FlatSpeedButtonShowsItsEdgeOnlyUnderTheMouse) {
    auto* a = Place<TSpeedButton>(Form.get(), Bounds(0, 0, 30, 22));
    a->SetFlat(true);
    a->SetTransparent(false);
    TBitmap bmp;
    bmp.SetSize(30, 22);
    a->PaintTo(bmp.Canvas());
    const TColor plain = bmp.Canvas()->Pixels(0, 0);
    ui::SimulateMouseEnter(a);
    EXPECT_TRUE(a->MouseInControl());
    a->PaintTo(bmp.Canvas());
    EXPECT_NE(bmp.Canvas()->Pixels(0, 0), plain);
    ui::SimulateMouseLeave(a);
    EXPECT_FALSE(a->MouseInControl());
}

// The embossed disabled glyph, on a pink transparent colour and a gray face.
TEST(DisabledGlyphTest, EmbossedAndClippedToTheSlice) {
    constexpr TColor Face = 0xC0C0C0, Pink = 0xFF00FF;
    graphics::PixelBuffer in(3, 3, Pink);
    in.At(0, 0) = RGB(200, 0, 0);
    in.At(2, 1) = RGB(0, 0, 200); // its highlight falls outside the slice
    in.At(1, 2) = Face;           // a face pixel is background, not picture
    const graphics::PixelBuffer out = ui::DisabledGlyph(in, Pink, Face, clWhite, clGray);
    EXPECT_EQ(out.At(0, 0), clGray);
    EXPECT_EQ(out.At(1, 1), clWhite);
    EXPECT_EQ(out.At(2, 1), clGray);
    EXPECT_EQ(out.At(2, 2), Face);
    EXPECT_EQ(out.At(1, 2), Face);
    EXPECT_EQ(out.At(0, 2), Face);
}

TEST(DisabledGlyphTest, ShadowWinsOverTheHighlightOfANeighbour) {
    constexpr TColor Face = 0xC0C0C0, Pink = 0xFF00FF;
    graphics::PixelBuffer in(2, 2, Pink);
    in.At(0, 0) = clBlack;
    in.At(1, 1) = clBlack;
    EXPECT_EQ(ui::DisabledGlyph(in, Pink, Face, clWhite, clGray).At(1, 1), clGray);
}

// --- splitter ---

TEST_F(More, SplitterResizesTheControlItLiesAgainst) {
    auto* left = Place<TPanel>(Form.get(), Bounds(0, 0, 100, 10));
    left->SetAlign(alLeft);
    auto* split = Place<TSplitter>(Form.get(), Bounds(100, 0, 3, 10));
    auto* rest = Place<TPanel>(Form.get(), Bounds(200, 0, 10, 10));
    rest->SetAlign(alClient);
    ASSERT_EQ(split->Left(), 100);
    EXPECT_EQ(split->ResizedControl(), left);
    bool moved = false;
    split->OnMoved = [&](TObject*) { moved = true; };
    Form->Show();
    ui::SimulateClick(split, 1, 5); // a press and release without moving
    EXPECT_EQ(left->Width(), 100);
    EXPECT_TRUE(moved);
    // Drag 50 pixels to the right.
    split->MouseDown(mbLeft, {}, 1, 5);
    split->MouseMove({ssLeft}, 51, 5);
    split->MouseUp(mbLeft, {}, 51, 5);
    EXPECT_EQ(left->Width(), 150);
    EXPECT_EQ(rest->Left(), 153);
    // Far to the left: no narrower than MinSize.
    split->MouseDown(mbLeft, {}, 1, 5);
    split->MouseMove({ssLeft}, -500, 5);
    split->MouseUp(mbLeft, {}, -500, 5);
    EXPECT_EQ(left->Width(), 30);
    // Far to the right: MinSize is left for the rest.
    split->MouseDown(mbLeft, {}, 1, 5);
    split->MouseMove({ssLeft}, 5000, 5);
    split->MouseUp(mbLeft, {}, 5000, 5);
    EXPECT_EQ(rest->Width(), 30);
}

// --- page control ---

TEST_F(More, PagesShowOneSheetAtATime) {
    auto* pages = Place<TPageControl>(Form.get(), Bounds(0, 0, 300, 200));
    auto* first = new TTabSheet(Form.get());
    first->SetCaption("Adatok");
    first->SetPageControl(pages);
    auto* second = new TTabSheet(Form.get());
    second->SetCaption("Események");
    second->SetPageControl(pages);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_TRUE(first->Visible());
    EXPECT_FALSE(second->Visible());
    pages->SetActivePageIndex(1);
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_FALSE(first->Visible());
    EXPECT_EQ(second->PageIndex(), 1);
    // The sheet fills the page area below the tabs.
    EXPECT_GT(second->Top(), 0);
    EXPECT_LT(second->Top() + second->Height(), 200);
    second->SetPageIndex(0);
    EXPECT_EQ(pages->Pages(0), second);
    delete second;
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_EQ(ErrorOf<EListError>([&] { pages->Pages(1); }), "List index out of bounds (1)");
}

// --- list box ---

TEST_F(More, ListBoxOnClickOnlyForTheUser) {
    auto* list = Place<TListBox>(Form.get(), Bounds(0, 0, 150, 100));
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    for (const char* s : {"egy", "kettő", "három"})
        list->Items()->Add(s);
    list->SetItemIndex(1);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 0);
    Form->Show();
    list->SetFocus();
    ui::SimulateKey(list, VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    list->SetItemIndex(9);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(ErrorOf<EListError>([&] { list->Selected(3); }), "List index out of bounds (3)");
}

TEST_F(More, ListBoxMultiSelect) {
    auto* list = Place<TListBox>(Form.get(), Bounds(0, 0, 150, 100));
    list->SetMultiSelect(true);
    for (const char* s : {"a", "b", "c"})
        list->Items()->Add(s);
    list->SetSelected(0, true);
    list->SetSelected(2, true);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_TRUE(list->Selected(2));
    EXPECT_FALSE(list->Selected(1));
}

// --- scroll box, status bar, image, group box, bevel ---

TEST_F(More, ScrollBoxSurfaceCoversItsChildren) {
    auto* box = Place<TScrollBox>(Form.get(), Bounds(0, 0, 200, 100));
    auto* far = Place<TPanel>(box, Bounds(300, 250, 50, 40));
    Form->Show();
    Application->ProcessMessages();
    box->ScrollInView(far);
    const TPoint pos = box->ScrollPos();
    EXPECT_GT(pos.X, 0);
    EXPECT_GT(pos.Y, 0);
}

TEST_F(More, StatusBarLastPanelReachesTheEdge) {
    auto* bar = Place<TStatusBar>(Form.get(), Bounds(0, 0, 300, 19));
    bar->AddPanel()->SetWidth(100);
    bar->AddPanel()->SetWidth(80);
    bar->SetBounds(0, 0, 400, 19);
    EXPECT_EQ(bar->PanelRect(0), Rect(0, 2, 100, 19));
    EXPECT_EQ(bar->PanelRect(1).Left, 102);
    EXPECT_EQ(bar->PanelRect(1).Right, bar->Width());
    EXPECT_EQ(bar->Align(), alBottom);
}

TEST_F(More, ImagePlacesItsPicture) {
    auto* image = Place<TImage>(Form.get(), Bounds(0, 0, 100, 80));
    image->Picture()->Bitmap()->SetSize(20, 10);
    EXPECT_EQ(image->DestRect(), Rect(0, 0, 20, 10));
    image->SetCenter(true);
    EXPECT_EQ(image->DestRect(), Rect(40, 35, 60, 45));
    image->SetStretch(true);
    EXPECT_EQ(image->DestRect(), Rect(0, 0, 100, 80));
    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 20);
    EXPECT_EQ(image->Height(), 10);
}

TEST_F(More, GroupBoxAlignsBelowItsCaption) {
    auto* group = Place<TGroupBox>(Form.get(), Bounds(0, 0, 200, 100));
    group->SetCaption("Rendezés:");
    auto* inner = Place<TPanel>(group, Bounds(0, 0, 10, 10));
    inner->SetAlign(alClient);
    EXPECT_GT(inner->Top(), 10);
    EXPECT_EQ(inner->Left(), 2);
    EXPECT_EQ(inner->Left() + inner->Width(), 198);
}

TEST_F(More, LoweredBevelBoxIsDarkAboveAndLightBelow) {
    auto* bevel = Place<TBevel>(Form.get(), Bounds(0, 0, 20, 10));
    TBitmap bmp;
    bmp.SetSize(20, 10);
    bmp.Canvas()->Brush()->SetColor(clBtnFace);
    bmp.Canvas()->FillRect(Rect(0, 0, 20, 10));
    bevel->PaintTo(bmp.Canvas());
    EXPECT_EQ(bmp.Canvas()->Pixels(5, 0), RGB(128, 128, 128));
    EXPECT_EQ(bmp.Canvas()->Pixels(5, 9), RGB(255, 255, 255));
    bevel->SetStyle(bsRaised);
    bevel->PaintTo(bmp.Canvas());
    EXPECT_EQ(bmp.Canvas()->Pixels(5, 0), RGB(255, 255, 255));
}

} // namespace
