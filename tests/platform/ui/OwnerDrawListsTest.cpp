// Lists whose owner draws the items and lines dragged within a list: the
// owner-drawn combo box (its face and its drop-down list), a list box's
// automatic drag, and the pictures of menu items.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const TColor Swatches[] = {TColor(0x0000FF), TColor(0x00FF00), TColor(0xFF0000)};

struct Drawn {
    Integer Index;
    TRect Rect;
    TOwnerDrawState State;
};

class OwnerDrawnCombo : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Box = new TComboBox(Form.get());
        Box->SetParent(Form.get());
        Box->SetBounds(10, 10, 120, 22);
        Box->SetStyle(csOwnerDrawFixed);
        Box->SetItemHeight(15);
        for (Integer i = 0; i < 3; ++i)
            Box->Items()->Add("");
        // A swatch inside a 2-pixel margin, as a colour list draws.
        Box->OnDrawItem = [this](TWinControl* Control, Integer Index, const TRect& R, TOwnerDrawState State) {
            EXPECT_EQ(Control, Box);
            Calls.push_back({Index, R, State});
            TCanvas* c = Box->Canvas();
            c->Brush()->SetColor(Swatches[Index]);
            c->FillRect(Rect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2));
        };
    }
    void TearDown() override {
        Box->SetDroppedDown(false);
        Form->Hide();
    }

    std::unique_ptr<TForm> Form;
    TComboBox* Box = nullptr;
    std::vector<Drawn> Calls;
};

TEST_F(OwnerDrawnCombo, TheFaceShowsTheChosenItemAsItsOwnerDrawsIt) {
    Box->SetItemIndex(1);
    TBitmap face;
    ui::Snapshot(Box, &face);
    ASSERT_FALSE(Calls.empty());
    EXPECT_EQ(Calls.back().Index, 1);
    EXPECT_TRUE(Calls.back().State.Contains(odComboBoxEdit));
    const TRect r = Calls.back().Rect;
    EXPECT_EQ(ColorToRGB(face.Canvas()->Pixels((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2)), Swatches[1]);
    // Just inside the item's rectangle: the field's own background, not the swatch.
    EXPECT_EQ(ColorToRGB(face.Canvas()->Pixels(r.Left, r.Top)), ColorToRGB(clWindow));
}

TEST_F(OwnerDrawnCombo, NoChoiceDrawsNoItemOnTheFace) {
    Box->SetItemIndex(-1);
    TBitmap face;
    ui::Snapshot(Box, &face);
    for (const Drawn& d : Calls)
        EXPECT_GE(d.Index, 0); // the owner is never asked for item -1
    EXPECT_TRUE(Calls.empty());
}

TEST_F(OwnerDrawnCombo, TheOpenListDrawsEveryItemItemHeightHigh) {
    Form->Show();
    Box->SetItemIndex(2);
    Calls.clear();
    Box->SetDroppedDown(true);
    ASSERT_TRUE(uitest::WaitFor([&] {
        bool seen[3] = {};
        for (const Drawn& d : Calls)
            if (!d.State.Contains(odComboBoxEdit)) seen[d.Index] = true;
        return seen[0] && seen[1] && seen[2];
    }));
    for (const Drawn& d : Calls) {
        if (d.State.Contains(odComboBoxEdit)) continue;
        EXPECT_EQ(d.Rect.Height(), 15) << "item " << d.Index;
        // Only the current item is drawn selected.
        EXPECT_EQ(d.State.Contains(odSelected), d.Index == 2) << "item " << d.Index;
    }
}

TEST_F(OwnerDrawnCombo, WithoutAnOwnerTheItemsTextIsDrawn) {
    Box->OnDrawItem = nullptr;
    Box->Items()->Put(0, "Piros");
    Box->SetItemIndex(0);
    TBitmap face;
    ui::Snapshot(Box, &face);
    bool dark = false;
    for (Integer x = 4; x < 60 && !dark; ++x)
        for (Integer y = 4; y < 18 && !dark; ++y)
            dark = ColorToRGB(face.Canvas()->Pixels(x, y)) == clBlack;
    EXPECT_TRUE(dark);
}

TEST_F(OwnerDrawnCombo, AnotherStyleDrawsItemsTheUsualWayAgain) {
    Box->SetStyle(csDropDownList);
    Box->SetItemIndex(0);
    TBitmap face;
    ui::Snapshot(Box, &face);
    EXPECT_TRUE(Calls.empty());
}

// Three lines dragged about in a list that takes drops only on lines.
class ListDrag : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 220);
        L = new TListBox(Form.get());
        L->SetParent(Form.get());
        L->SetBounds(10, 10, 200, 150);
        for (const char* s : {"ev", "szam", "nev"})
            L->Items()->Add(s);
        L->SetDragMode(dmAutomatic);
        L->OnDragOver = [this](TObject*, TObject* Source, Integer X, Integer Y, TDragState, bool& Accept) {
            Accept = Source == L && L->ItemAtPos(TPoint(X, Y), true) >= 0;
            ++Overs;
        };
        L->OnDragDrop = [this](TObject*, TObject*, Integer X, Integer Y) {
            Drops.push_back({L->ItemIndex(), L->ItemAtPos(TPoint(X, Y), true)});
        };
        Form->Show();
    }
    void TearDown() override { Form->Hide(); }
    TPoint Middle(Integer Line) const {
        const TRect r = L->ItemRect(Line);
        return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    std::unique_ptr<TForm> Form;
    TListBox* L = nullptr;
    Integer Overs = 0;
    std::vector<std::pair<Integer, Integer>> Drops; // chosen line, line under the drop
};

TEST_F(ListDrag, LinesAndPositionsMatch) {
    EXPECT_EQ(L->ItemAtPos(Middle(0), true), 0);
    EXPECT_EQ(L->ItemAtPos(Middle(2), true), 2);
    EXPECT_LT(L->ItemRect(0).Bottom, L->ItemRect(1).Bottom);
    const TPoint below(Middle(2).X, L->ItemRect(2).Bottom + 20);
    EXPECT_EQ(L->ItemAtPos(below, true), -1);
    EXPECT_EQ(L->ItemAtPos(below, false), 3);
    EXPECT_TRUE(IsRectEmpty(L->ItemRect(3)));
}

TEST_F(ListDrag, ADropOnALineKeepsThePressedLineChosen) {
    ui::SimulateDrag(L, Middle(0), Middle(2));
    ASSERT_EQ(Drops.size(), 1u);
    EXPECT_EQ(Drops[0].first, 0); // the moves did not choose other lines
    EXPECT_EQ(Drops[0].second, 2);
    EXPECT_FALSE(L->Dragging());
    EXPECT_EQ(L->Cursor(), crDefault);
}

TEST_F(ListDrag, ADropThatIsNotAcceptedIsNotTaken) {
    ui::SimulateDrag(L, Middle(1), TPoint(Middle(1).X, L->ItemRect(2).Bottom + 30));
    EXPECT_GT(Overs, 0);
    EXPECT_TRUE(Drops.empty());
}

TEST_F(ListDrag, ASmallMoveIsAClickNotADrag) {
    ui::SimulateDrag(L, Middle(1), TPoint(Middle(1).X + DragThreshold - 1, Middle(1).Y));
    EXPECT_EQ(Overs, 0);
    EXPECT_TRUE(Drops.empty());
    EXPECT_EQ(L->ItemIndex(), 1);
}

TEST_F(ListDrag, AManualListDoesNotDrag) {
    L->SetDragMode(dmManual);
    ui::SimulateDrag(L, Middle(0), Middle(2));
    EXPECT_EQ(Overs, 0);
    EXPECT_TRUE(Drops.empty());
}

// 16 x 16 pictures: red and blue squares whose top-left 4 x 4 corner is
// white, the masked colour, so it lets the menu through.
std::unique_ptr<TImageList> TwoPictures() {
    auto list = std::make_unique<TImageList>(nullptr);
    TBitmap strip;
    strip.SetSize(32, 16);
    for (Integer i = 0; i < 2; ++i) {
        strip.Canvas()->Brush()->SetColor(i == 0 ? clRed : clBlue);
        strip.Canvas()->FillRect(Rect(16 * i, 0, 16 * i + 16, 16));
        strip.Canvas()->Brush()->SetColor(clWhite);
        strip.Canvas()->FillRect(Rect(16 * i, 0, 16 * i + 4, 4));
    }
    list->AddMasked(&strip, clWhite);
    return list;
}

struct ColourRows {
    Integer Red = -1, Blue = -1; // first row holding the colour, -1 when none
    bool WhiteCorner = false;    // a white pixel left of and above the red
};

ColourRows Find(TBitmap& Picture) {
    ColourRows rows;
    for (Integer y = 0; y < Picture.Height(); ++y)
        for (Integer x = 0; x < Picture.Width(); ++x) {
            const TColor c = ColorToRGB(Picture.Canvas()->Pixels(x, y));
            if (c == clRed && rows.Red < 0) {
                rows.Red = y;
                // The corner above-left of the first red pixel of row y's square.
                rows.WhiteCorner = ColorToRGB(Picture.Canvas()->Pixels(x - 2, y)) == clWhite;
            }
            if (c == clBlue && rows.Blue < 0) rows.Blue = y;
        }
    return rows;
}

class MenuPictures : public ::testing::Test {
protected:
    void SetUp() override {
        Images = TwoPictures();
        Menu = std::make_unique<TPopupMenu>(nullptr);
        for (const char* caption : {"Első", "Második", "-", "Harmadik"}) {
            auto* item = new TMenuItem(Menu.get());
            item->SetCaption(caption);
            Menu->Items()->Add(item);
        }
        Menu->Items()->Items(0)->SetImageIndex(0);
        Menu->Items()->Items(1)->SetImageIndex(1);
        Menu->Items()->Items(3)->SetImageIndex(7); // past the list
    }
    ColourRows Look() {
        TBitmap picture;
        ui::SnapshotMenu(Menu->Items(), &picture);
        return Find(picture);
    }

    std::unique_ptr<TImageList> Images;
    std::unique_ptr<TPopupMenu> Menu;
};

TEST_F(MenuPictures, ItemsShowTheirPicturesFromTheMenusList) {
    EXPECT_EQ(Menu->Items()->Items(2)->ImageIndex(), -1);
    EXPECT_EQ(Look().Red, -1); // no list yet
    Menu->SetImages(Images.get());
    const ColourRows rows = Look();
    ASSERT_GE(rows.Red, 0);
    ASSERT_GE(rows.Blue, 0);
    EXPECT_LT(rows.Red, rows.Blue); // each item its own picture, in order
    EXPECT_FALSE(rows.WhiteCorner); // the masked corner shows the menu, not white
}

TEST_F(MenuPictures, AnItemAddedLaterAndAChangedIndexShowAtOnce) {
    Menu->SetImages(Images.get());
    Menu->Items()->Items(0)->SetImageIndex(-1);
    auto* sub = new TMenuItem(Menu.get());
    sub->SetCaption("Alpont");
    sub->SetImageIndex(0);
    Menu->Items()->Items(3)->Add(sub);
    EXPECT_EQ(Look().Red, -1);
    TBitmap inner;
    ui::SnapshotMenu(Menu->Items()->Items(3), &inner);
    EXPECT_GE(Find(inner).Red, 0); // the sub-item found the root's list
}

TEST_F(MenuPictures, AListThatIsFreedIsForgotten) {
    Menu->SetImages(Images.get());
    Images.reset();
    EXPECT_EQ(Menu->Images(), nullptr);
    EXPECT_EQ(Look().Blue, -1);
}

TEST_F(MenuPictures, SettingTheSameListAgainShowsItsNewPictures) {
    auto empty = std::make_unique<TImageList>(nullptr);
    Menu->SetImages(empty.get());
    EXPECT_EQ(Look().Red, -1);
    auto filled = TwoPictures();
    TBitmap strip;
    ASSERT_TRUE(filled->GetBitmap(0, &strip));
    empty->AddMasked(&strip, clWhite);
    Menu->SetImages(empty.get());
    EXPECT_GE(Look().Red, 0);
}

} // namespace
