// The grid setup dialog as a person uses it: lines for the grid's columns and
// the other fields, editing the selected line, dragging lines, the colour
// lists with their custom slots, fonts, and OK or Cancel back on the grid.
#include "tests/grid/GridFixture.h"

#include "grid/TVgSetDBGridDialog.h"
#include "grid/TfrmGridSetup.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckListBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/support/DialogRecorder.h"

#include <functional>

using namespace gridtest;

namespace {

constexpr TColor Odd = TColor(0x123456); // in no colour list

class SetupDialogTest : public GridFixture {
protected:
    void SetUp() override {
        Build(3, 500, 200);
        // Persistent columns for three of the five fields; osszeg hidden.
        TVgDBGridColumns* cols = Grid->GetColumns();
        cols->Clear();
        for (const char* name : {"nev", "id", "osszeg"})
            cols->Add()->SetFieldName(name);
        cols->GetColumn(0)->SetWidth(124);
        cols->GetColumn(0)->Title()->SetCaption("Ügy neve");
        cols->GetColumn(2)->SetVisible(false);
        Dialog = std::make_unique<TVgSetDBGridDialog>(nullptr);
        Dialog->SetDBGrid(Grid.get());
        Dialog->OnAfterExecute = [this](TObject*) { ++After; };
    }
    void TearDown() override {
        Dialog.reset();
        GridFixture::TearDown();
    }

    // Runs the dialog; once it shows, Act works on the form and then Button is pressed.
    bool Run(const std::function<void(TfrmGridSetup*)>& Act, bool Ok = true) {
        TTimer timer(nullptr);
        timer.SetInterval(5);
        timer.OnTimer = [&](TObject*) {
            timer.SetEnabled(false);
            TfrmGridSetup* f = Dialog->Form();
            if (Act) Act(f);
            if (Dialog->Form()) (Ok ? f->btnOk : f->btnCancel)->Click();
        };
        Dialog->OnShow = [&](TObject*) { timer.Restart(); };
        return Dialog->Execute();
    }
    TVgDBColumn* Column(Integer i) { return Grid->GetColumns()->GetColumn(i); }
    static Integer Zero() {
        TFont font;
        return vg::FontZeroWidth(&font);
    }
    // Selects a line as a click would.
    static void Choose(TfrmGridSetup* f, Integer Line) {
        f->clbFields->SetItemIndex(Line);
        f->clbFieldsClick(f->clbFields);
    }
    static TPoint MiddleOf(TfrmGridSetup* f, Integer Line) {
        const TRect r = f->clbFields->ItemRect(Line);
        return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    std::unique_ptr<TVgSetDBGridDialog> Dialog;
    int After = 0;
};

TEST_F(SetupDialogTest, TheFormListsColumnsThenFieldsAndLoadsTheFirstLine) {
    std::vector<String> lines;
    std::vector<bool> checks;
    String caption, width, font, title;
    Integer colour = -1;
    Run(
        [&](TfrmGridSetup* f) {
            for (Integer i = 0; i < f->clbFields->Items()->Count(); ++i) {
                lines.push_back(f->clbFields->Items()->Strings(i));
                checks.push_back(f->clbFields->Checked(i));
            }
            caption = f->edTitleCaption->Text();
            width = f->edWidth->Text();
            font = f->edTitleFont->Text();
            colour = f->VgColorsCBTitle->ItemIndex();
            title = f->Caption();
        },
        false);
    const std::vector<String> expected = {"nev  :  Ügy neve", "id  :  id", "osszeg  :  osszeg",
                                          "aktiv  :  aktiv", "jubok  :  jubok"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(checks, (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(caption, "Ügy neve");
    EXPECT_EQ(width, IntToStr(vg::PixelsToChars(124, Zero())));
    EXPECT_EQ(font, TfrmGridSetup::GetCaptionFont(Grid->TitleFont()));
    EXPECT_EQ(colour, vg::IndexOfSetupColor(Grid->FixedColor(), false));
    EXPECT_EQ(title, "Grid setup");
}

TEST_F(SetupDialogTest, CancelLeavesTheGridUntouched) {
    EXPECT_FALSE(Run(
        [](TfrmGridSetup* f) {
            f->edTitleCaption->SetText("Más");
            f->PropertyExit(f->edTitleCaption);
            f->clbFields->SetChecked(1, false);
        },
        false));
    ASSERT_EQ(Grid->GetColumns()->Count(), 3);
    EXPECT_EQ(Column(0)->Title()->Caption(), "Ügy neve");
    EXPECT_EQ(Column(0)->Width(), 124);
    EXPECT_EQ(After, 0);
}

TEST_F(SetupDialogTest, OkRebuildsTheColumnsFromTheCheckedLinesInListOrder) {
    EXPECT_TRUE(Run([](TfrmGridSetup* f) {
        f->edTitleCaption->SetText("Név");
        f->PropertyExit(f->edTitleCaption);
        f->edWidth->SetText("7");
        f->PropertyExit(f->edWidth);
        f->cbDataAlignment->SetItemIndex(2);
        f->PropertyExit(f->cbDataAlignment);
        f->clbFields->SetChecked(3, true); // aktiv
        // nev dragged onto the line of id.
        ui::SimulateDrag(f->clbFields, MiddleOf(f, 0), MiddleOf(f, 1));
    }));
    EXPECT_EQ(After, 1);
    ASSERT_EQ(Grid->GetColumns()->Count(), 3);
    EXPECT_EQ(Column(0)->FieldName(), "id");
    EXPECT_EQ(Column(1)->FieldName(), "nev");
    EXPECT_EQ(Column(1)->Title()->Caption(), "Név");
    EXPECT_EQ(Column(1)->Width(), vg::CharsToPixels(7, Zero()));
    EXPECT_EQ(Column(1)->Alignment(), taCenter);
    EXPECT_EQ(Column(2)->FieldName(), "aktiv");
}

TEST_F(SetupDialogTest, ADraggedLineKeepsItsCheckAndStaysSelected) {
    std::vector<String> lines;
    std::vector<bool> checks;
    Integer selected = -1;
    String caption;
    Run(
        [&](TfrmGridSetup* f) {
            // The hidden osszeg (unchecked) onto the first line; then a drop below the lines does nothing.
            Choose(f, 2);
            ui::SimulateDrag(f->clbFields, MiddleOf(f, 2), MiddleOf(f, 0));
            const TRect last = f->clbFields->ItemRect(4);
            ui::SimulateDrag(f->clbFields, MiddleOf(f, 0), TPoint(MiddleOf(f, 0).X, last.Bottom + 40));
            for (Integer i = 0; i < f->clbFields->Items()->Count(); ++i) {
                lines.push_back(f->clbFields->Items()->Strings(i));
                checks.push_back(f->clbFields->Checked(i));
            }
            selected = f->clbFields->ItemIndex();
            caption = f->edTitleCaption->Text();
        },
        false);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "osszeg  :  osszeg");
    EXPECT_EQ(lines[1], "nev  :  Ügy neve");
    EXPECT_EQ(checks, (std::vector<bool>{false, true, true, false, false}));
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(caption, "osszeg");
}

TEST_F(SetupDialogTest, AllowedFieldsLimitTheLinesAndTheGrid) {
    TStringList allowed;
    allowed.Add("id");
    allowed.Add("jubok");
    Dialog->SetAllowedFields(&allowed);
    allowed.Clear(); // copied, not referred to
    Integer count = 0;
    EXPECT_TRUE(Run([&](TfrmGridSetup* f) { count = f->clbFields->Items()->Count(); }));
    EXPECT_EQ(count, 2);
    ASSERT_EQ(Grid->GetColumns()->Count(), 1); // nev and the hidden osszeg are gone
    EXPECT_EQ(Column(0)->FieldName(), "id");
}

TEST_F(SetupDialogTest, ThePopupChecksUnchecksAndInvertsEveryLine) {
    std::vector<bool> inverted;
    EXPECT_TRUE(Run([&](TfrmGridSetup* f) {
        f->miInvertSelection->Click();
        for (Integer i = 0; i < 5; ++i)
            inverted.push_back(f->clbFields->Checked(i));
        f->miSelectAll->Click();
        f->miUnselectAll->Click();
    }));
    EXPECT_EQ(inverted, (std::vector<bool>{false, false, true, true, true}));
    EXPECT_EQ(Grid->GetColumns()->Count(), 0);
}

TEST_F(SetupDialogTest, AWidthThatIsNoNumberLeavesThePlatformDefault) {
    EXPECT_TRUE(Run([](TfrmGridSetup* f) {
        f->edWidth->SetText("széles");
        f->PropertyExit(f->edWidth);
    }));
    EXPECT_EQ(Column(0)->Width(), Column(0)->DefaultWidth());
}

TEST_F(SetupDialogTest, AColourOutsideTheListsSurvivesTabbingThrough) {
    Column(0)->Title()->SetColor(Odd);
    Column(0)->SetColor(TColor(0x0A0B0C));
    Integer shown = -1;
    EXPECT_TRUE(Run([&](TfrmGridSetup* f) {
        shown = f->VgColorsCBTitle->ItemIndex();
        // Through both colour lists with the keyboard, as a person tabs past them.
        f->VgColorsCBTitle->SetFocus();
        ui::SimulateKey(f->VgColorsCBTitle, VK_TAB);
        f->VgColorsCBData->SetFocus();
        ui::SimulateKey(f->VgColorsCBData, VK_TAB);
    }));
    EXPECT_EQ(shown, vg::CustomColorEntry);
    EXPECT_EQ(Column(0)->Title()->Color(), Odd);
    EXPECT_EQ(Column(0)->Color(), TColor(0x0A0B0C));
}

TEST_F(SetupDialogTest, EachLineShowsItsOwnOddColourInTheCustomSlot) {
    Column(0)->Title()->SetColor(Odd);
    Column(1)->Title()->SetColor(TColor(0x654321));
    EXPECT_TRUE(Run([](TfrmGridSetup* f) {
        Choose(f, 1);
        f->PropertyExit(f->VgColorsCBTitle);
        Choose(f, 0);
        f->PropertyExit(f->VgColorsCBTitle);
    }));
    EXPECT_EQ(Column(0)->Title()->Color(), Odd);
    EXPECT_EQ(Column(1)->Title()->Color(), TColor(0x654321));
}

TEST_F(SetupDialogTest, TheCustomEntryAsksForAColourForItsOwnSlot) {
    std::vector<ui::DialogRequest> asked;
    DialogRecorder dialogs([&](const ui::DialogRequest& r) {
        asked.push_back(r);
        return ui::DialogAnswer{1, ColorToString(TColor(0x336699))};
    });
    TColor background = clNone;
    EXPECT_TRUE(Run([&](TfrmGridSetup* f) {
        f->VgColorsCBData->SetFocus();
        f->VgColorsCBData->SetItemIndex(vg::CustomColorEntry - 1);
        ui::SimulateKey(f->VgColorsCBData, VK_DOWN); // onto the last entry
        background = f->edDataFont->Color();
        ui::SimulateKey(f->VgColorsCBData, VK_TAB);
    }));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Kind, ui::DialogKind::ColorDialog);
    EXPECT_EQ(background, TColor(0x336699));
    EXPECT_EQ(Column(0)->Color(), TColor(0x336699));
    EXPECT_EQ(vg::SetupColor(vg::CustomColorEntry, true), TColor(0x336699));
    EXPECT_NE(vg::SetupColor(vg::CustomColorEntry, false), TColor(0x336699)); // the title's slot is its own
}

TEST_F(SetupDialogTest, AChosenFontIsKeptWithoutVisitingItsBox) {
    DialogRecorder dialogs([](const ui::DialogRequest&) { return ui::DialogAnswer{1, "Liberation Serif"}; });
    String shown;
    EXPECT_TRUE(Run([&](TfrmGridSetup* f) {
        f->btnTitleFont->Click();
        shown = f->edTitleFont->Text();
    }));
    EXPECT_EQ(shown, "Liberation Serif, " + IntToStr(Grid->TitleFont()->Size()));
    EXPECT_EQ(Column(0)->Title()->Font()->Name(), "Liberation Serif");
    EXPECT_NE(Column(0)->Font()->Name(), "Liberation Serif");
}

TEST_F(SetupDialogTest, EnterInTheCaptionBoxConfirmsWithTheNewCaption) {
    EXPECT_TRUE(Run([](TfrmGridSetup* f) {
        f->edTitleCaption->SetFocus();
        f->edTitleCaption->SetText("Ügyek");
        ui::SimulateKey(f->edTitleCaption, VK_RETURN);
    }));
    EXPECT_EQ(Column(0)->Title()->Caption(), "Ügyek");
}

TEST_F(SetupDialogTest, ApplyToAllCopiesTheLookToTheOtherCheckedLines) {
    EXPECT_TRUE(Run([](TfrmGridSetup* f) {
        f->VgColorsCBTitle->SetItemIndex(9); // red
        f->PropertyExit(f->VgColorsCBTitle);
        f->cbTitleAlignment->SetItemIndex(1);
        f->PropertyExit(f->cbTitleAlignment);
        f->edWidth->SetText("12");
        f->PropertyExit(f->edWidth);
        f->clbFields->SetChecked(3, true);
        f->btnApplyAllClick(f->btnApplyAll);
        f->clbFields->SetChecked(4, true); // checked after the copy: keeps its own look
    }));
    ASSERT_EQ(Grid->GetColumns()->Count(), 4);
    for (Integer i : {1, 2}) {
        EXPECT_EQ(Column(i)->Title()->Color(), TColor(0x0000FF)) << i;
        EXPECT_EQ(Column(i)->Title()->Alignment(), taRightJustify) << i;
        EXPECT_EQ(Column(i)->Width(), vg::CharsToPixels(12, Zero())) << i;
    }
    EXPECT_EQ(Column(1)->Title()->Caption(), "id"); // captions stay
    EXPECT_EQ(Column(3)->FieldName(), "jubok");
    EXPECT_NE(Column(3)->Title()->Color(), TColor(0x0000FF));
}

TEST_F(SetupDialogTest, TheColourListsDrawFramedSwatches) {
    TBitmap face;
    Run(
        [&](TfrmGridSetup* f) {
            f->VgColorsCBTitle->SetItemIndex(9);
            ui::Snapshot(f->VgColorsCBTitle, &face);
        },
        false);
    const Integer y = face.Height() / 2;
    Integer x = face.Width() / 3;
    EXPECT_EQ(ColorToRGB(face.Canvas()->Pixels(x, y)), TColor(0x0000FF));
    while (x > 0 && ColorToRGB(face.Canvas()->Pixels(x, y)) == TColor(0x0000FF))
        --x;
    EXPECT_EQ(ColorToRGB(face.Canvas()->Pixels(x, y)), ColorToRGB(clWindowText)); // the frame
    EXPECT_NE(ColorToRGB(face.Canvas()->Pixels(x - 1, y)), ColorToRGB(clWindowText));
}

TEST_F(SetupDialogTest, AGridWithoutADatasetKeepsItsColumns) {
    Grid->SetDataSource(nullptr);
    Integer count = -1;
    EXPECT_FALSE(Run([&](TfrmGridSetup* f) { count = f->clbFields->Items()->Count(); }));
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Grid->GetColumns()->Count(), 3);
    EXPECT_EQ(After, 0);
}

TEST_F(SetupDialogTest, AFreedGridIsForgotten) {
    Grid.reset();
    EXPECT_EQ(Dialog->DBGrid(), nullptr);
    EXPECT_FALSE(Run(nullptr));
}

TEST(SetupDialogTexts, CaptionsOfLinesAndFonts) {
    TVgGridSetupItem item;
    item.FieldName = "ugyfel";
    item.TitleCaption = "Ügyfél";
    EXPECT_EQ(TfrmGridSetup::GetItemCaption(item), "ugyfel  :  Ügyfél");
    TFont font;
    font.SetName("Arial");
    font.SetSize(10);
    EXPECT_EQ(TfrmGridSetup::GetCaptionFont(&font), "Arial, 10");
}

} // namespace
