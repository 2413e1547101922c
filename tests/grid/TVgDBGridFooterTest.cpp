#include "tests/grid/GridFixture.h"

#include "platform/data/TBookmarkList.h"
#include "platform/data/TField.h"
#include "platform/graphics/TImageList.h"
#include "platform/graphics/TextMeasurer.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/support/DialogRecorder.h"

using namespace gridtest;

namespace {

// Widths are decided outside painting, by the grid's measuring canvas: with the
// recording canvas's metrics, so that the paint sees the widths it was given.
graphics::FixedTextMeasurer SameMetrics;

class FooterTest : public GridFixture {
protected:
    void SetUp() override {
        Build(4, 600, 200);
        Grid->Canvas()->SetMeasurer(&SameMetrics);
        Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoShowFooter});
    }
    TVgDBColumn* Column(Integer i) { return Grid->GetColumns()->GetColumn(i); }
    std::vector<Integer> Widths() const {
        std::vector<Integer> out;
        for (Integer i = 0; i < Grid->GetColumns()->Count(); ++i)
            out.push_back(Grid->GetColumns()->GetColumn(i)->Width());
        return out;
    }
    // Whether the last paint wrote Text once, inside the clip of its line (fixed metrics).
    bool DrawnWhole(const String& Text) const {
        const std::vector<String> lines = Lines({"TextOut", "\"" + Text + "\""});
        if (lines.size() != 1) return false;
        Integer x = 0, l = 0, t = 0, r = 0, b = 0;
        char c = 0;
        std::istringstream(lines[0].substr(8)) >> x;
        std::istringstream(lines[0].substr(lines[0].find(" clip ") + 6)) >> l >> c >> t >> c >> r >> c >> b;
        return x >= l && x + SameMetrics.TextWidth({}, Text) <= r;
    }
};

TEST_F(FooterTest, FooterTakesItsHeightFromTheClientArea) {
    Integer full = Grid->Height();
    EXPECT_EQ(Grid->ClientRect().Bottom, full - (Grid->DefaultRowHeight() + 4));
    TRect f = Grid->GetFooterRect();
    EXPECT_EQ(f.Top, Grid->ClientRect().Bottom);
    EXPECT_EQ(f.Bottom, f.Top + Grid->DefaultRowHeight() + 3);
    Grid->SetFooterHeight(30);
    EXPECT_EQ(Grid->ClientRect().Bottom, full - 30);
    EXPECT_EQ(Grid->GetFooterRect().Bottom, full - 1);
    Grid->SetFooterHeight(-5);
    EXPECT_EQ(Grid->FooterHeight(), 0);
}

TEST_F(FooterTest, FooterTextReplacesEveryPercentByTheValue) {
    Column(1)->SetFooterText("Összesen: % (%)");
    Column(1)->SetFooterValue(Variant(12));
    Column(2)->SetFooterText("csak szöveg");
    Column(2)->SetFooterValue(Variant(99));
    Column(4)->SetFooterValue(Variant(7));
    Paint();
    EXPECT_EQ(Lines({"TextOut", "\"Összesen: 12 (12)\""}).size(), 1u);
    EXPECT_EQ(Lines({"TextOut", "\"csak szöveg\""}).size(), 1u);
    EXPECT_TRUE(Lines({"TextOut", "\"99\""}).empty());
    EXPECT_EQ(Lines({"TextOut", "\"7\""}).size(), 1u);
}

TEST_F(FooterTest, EmptyValueAndTextLeaveTheCellUndrawn) {
    std::vector<String> texts;
    Grid->OnDrawFooterCell = [&](TObject*, TCanvas*, const TRect&, TField*, String& Text, bool&) {
        texts.push_back(Text);
    };
    Paint();
    EXPECT_EQ(texts.size(), 5u);
    for (const String& t : texts)
        EXPECT_EQ(t, "");
    // No sunken cell frame in the strip.
    Integer top = Grid->GetFooterRect().Top;
    for (const String& l : Lines({"FillRect", "brush clBtnShadow"})) {
        std::istringstream in(l.substr(9));
        Integer left, y;
        char comma;
        in >> left >> comma >> y;
        EXPECT_LT(y, top) << l;
    }
}

TEST_F(FooterTest, FooterEventMayChangeTheText) {
    Grid->OnDrawFooterCell = [&](TObject*, TCanvas*, const TRect&, TField* Field, String& Text, bool&) {
        if (Field && Field->FieldName() == "nev") Text = "4 ügy";
    };
    Paint();
    EXPECT_EQ(Lines({"TextOut", "\"4 ügy\""}).size(), 1u);
}

// A total wider than its column: "2 056 411 000 Ft" would read as a wrong figure.
TEST_F(FooterTest, TotalIsNeverShownWithDigitsCut) {
    const String total = "12 056 411 000 Ft"; // 102 pixels in the fixed metrics
    const auto drawnWhole = [&] { return DrawnWhole(total); };
    Column(4)->SetWidth(40);
    Column(4)->SetFooterValue(Variant(total));
    Paint();
    EXPECT_TRUE(drawnWhole()) << "over the empty footer cell to its left";
    EXPECT_EQ(Column(4)->Width(), 40);

    Column(3)->SetFooterText("Összesen:");
    Paint();
    EXPECT_GE(Column(4)->Width(), 102 + 7) << "no empty cell to spread over: the column widens";
    Paint();
    EXPECT_TRUE(drawnWhole());
    EXPECT_EQ(Lines({"TextOut", "\"Összesen:\""}).size(), 1u);
}

// Fitted columns give a total its room. A paint changes no width: one that did
// would ask for the next paint, for ever.
TEST_F(FooterTest, FittedColumnsMakeRoomForATotalAndPaintingKeepsTheWidths) {
    const String total = "12 056 411 000 Ft";
    Column(3)->SetFooterText("Összesen:");
    Column(4)->SetFooterValue(Variant(total));
    Grid->SetBounds(0, 0, 300, 200); // the total's share of the width is less than it needs
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoAutoWidth});
    const std::vector<Integer> fitted = Widths();
    EXPECT_GE(fitted[4], SameMetrics.TextWidth({}, total) + 7);
    for (int paint = 1; paint <= 2; ++paint) {
        Paint();
        EXPECT_EQ(Widths(), fitted) << "paint " << paint;
        EXPECT_TRUE(DrawnWhole(total)) << "paint " << paint;
        EXPECT_TRUE(DrawnWhole("Összesen:")) << "paint " << paint;
    }
    // A window too narrow for every total: the totals keep their room, the rest shares what is left.
    Grid->SetBounds(0, 0, 150, 200);
    EXPECT_GE(Column(4)->Width(), SameMetrics.TextWidth({}, total) + 7);
    EXPECT_GE(Column(3)->Width(), SameMetrics.TextWidth({}, "Összesen:") + 7);
    EXPECT_GE(Column(0)->Width(), 1);
}

TEST(FooterOnAForm, PaintingComesToRest) {
    auto data = MakeCases(5);
    TDataSource source(nullptr);
    source.SetDataSet(data.get());
    TForm form(nullptr);
    form.SetBounds(0, 0, 260, 200);
    auto* grid = new TVgDBGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 240, 180);
    grid->SetDataSource(&source);
    grid->SetExOptions(grid->ExOptions() + TExOptions{eoShowFooter, eoAutoWidth});
    grid->GetColumns()->GetColumn(3)->SetFooterText("Összesen:");
    grid->GetColumns()->GetColumn(4)->SetFooterValue(Variant(String("12 056 411 000 Ft")));
    int paints = 0;
    grid->OnDrawBackground = [&](TObject*) { ++paints; };
    form.Show();
    for (int i = 0; i < 50 && paints == 0; ++i)
        Application->ProcessMessages();
    ASSERT_GT(paints, 0);
    for (int i = 0; i < 10; ++i)
        Application->ProcessMessages();
    paints = 0;
    for (int i = 0; i < 10; ++i)
        Application->ProcessMessages();
    EXPECT_EQ(paints, 0);
    form.Hide();
}

TEST_F(FooterTest, TotalsOverFilledData) {
    Column(0)->SetFooterType(ftCount);
    Column(4)->SetFooterType(ftSum);
    Column(2)->SetFooterType(ftAverage); // a boolean: not numeric, counted only
    Data->MoveBy(2);
    Grid->CalculateTotals(false);
    EXPECT_EQ(Column(0)->FooterValue().AsInteger(), 4);
    EXPECT_DOUBLE_EQ(Column(4)->FooterValue().AsFloat(), 1000.0);
    EXPECT_EQ(Column(2)->FooterValue().AsInteger(), 0);
    EXPECT_EQ(Column(2)->RecordCounter(), 4);
    // The cursor is back where it was.
    EXPECT_EQ(Data->FieldByName("id")->AsInteger(), 3);
}

TEST_F(FooterTest, AverageOfOneTwoSix) {
    Data->First();
    for (int v : {1, 2, 6, 3}) {
        Data->Edit();
        Data->FieldByName("osszeg")->SetAsInteger(v);
        Data->Post();
        Data->Next();
    }
    Data->Last();
    Data->Delete();
    Column(4)->SetFooterType(ftAverage);
    Grid->CalculateTotals(false);
    EXPECT_DOUBLE_EQ(Column(4)->FooterValue().AsFloat(), 3.0);
}

TEST_F(FooterTest, MinimumAndMaximumStartFromTheFirstValue) {
    Column(4)->SetFooterType(ftMin);
    Column(0)->SetFooterType(ftMax);
    Grid->CalculateTotals(false);
    EXPECT_EQ(Column(4)->FooterValue().AsInteger(), 100); // not stuck at 0
    EXPECT_EQ(Column(0)->FooterValue().AsInteger(), 4);
}

TEST_F(FooterTest, TotalsOverAnEmptyDatasetStayZero) {
    Data->Close();
    Data->ClearRows();
    Data->Open();
    Column(0)->SetFooterType(ftCount);
    Column(4)->SetFooterType(ftSum);
    Column(1)->SetFooterType(ftMin);
    Grid->CalculateTotals(false);
    EXPECT_EQ(Column(0)->FooterValue().AsInteger(), 0);
    EXPECT_EQ(Column(4)->FooterValue().AsInteger(), 0);
    EXPECT_TRUE(Column(1)->FooterValue().IsEmpty());
}

TEST_F(FooterTest, TotalsOverTheSelectedRowsOnly) {
    Grid->SetOptions(Grid->Options() + TDBGridOptions{dgMultiSelect});
    Data->First();
    Grid->SelectOneClick();
    Data->Last();
    Grid->SelectOneClick();
    Column(4)->SetFooterType(ftSum);
    Grid->CalculateTotals(true);
    EXPECT_DOUBLE_EQ(Column(4)->FooterValue().AsFloat(), 500.0);
}

TEST_F(FooterTest, UpdateEventFiresOncePerRecalculationAndMaySetValues) {
    Column(4)->SetFooterType(ftSum);
    int calls = 0;
    Grid->OnUpdateFooter = [&](TObject*) {
        ++calls;
        // A handler that writes a footer value or recalculates does not re-enter.
        Column(1)->SetFooterValue(Variant(String("Összesen")));
        Grid->CalculateTotals(false);
    };
    Column(1)->SetFooterValue(Variant(7)); // a value written by the application is no recalculation
    Grid->InvalidateFooter();
    EXPECT_EQ(calls, 0);
    Grid->CalculateTotals(false);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Column(1)->FooterValue().AsString(), "Összesen");
    EXPECT_EQ(Column(4)->FooterValue().AsFloat(), 1000.0);
}

TEST_F(FooterTest, CustomFootersAreLeftAlone) {
    Column(4)->SetFooterValue(Variant(42));
    Grid->CalculateTotals(false);
    EXPECT_EQ(Column(4)->FooterValue().AsInteger(), 42);
}

// Record actions with their confirmation.
class DeleteTest : public GridFixture {
protected:
    void SetUp() override { Build(5); }
    std::vector<String> Questions;
    DialogRecorder Recorder{ui::DialogHook{}};
    void Answer(Integer Result) {
        Recorder.AnswerWith([this, Result](const ui::DialogRequest& r) {
            Questions.push_back(r.Text);
            return ui::DialogAnswer{Result, {}};
        });
    }
};

TEST_F(DeleteTest, OneRowAsksTheSingularQuestion) {
    Answer(mrYes);
    Grid->DeleteData();
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0], "Delete a record?");
    EXPECT_EQ(Data->RecordCount(), 4);
}

TEST_F(DeleteTest, TwoSelectedRowsAskThePluralQuestionAndGoBoth) {
    Grid->SetOptions(Grid->Options() + TDBGridOptions{dgMultiSelect});
    Grid->SelectOneClick();
    Data->Next();
    Grid->SelectOneClick();
    Answer(mrYes);
    Grid->DeleteData();
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0], "Do you really want to delete a selected records?");
    EXPECT_EQ(Data->RecordCount(), 3);
}

TEST_F(DeleteTest, DeclinedDeleteChangesNothing) {
    Answer(mrNo);
    Grid->DeleteData();
    EXPECT_EQ(Data->RecordCount(), 5);
}

TEST_F(DeleteTest, WithoutConfirmationNothingIsAsked) {
    Grid->SetOptions(Grid->Options() - TDBGridOptions{dgConfirmDelete});
    Answer(mrNo);
    Grid->DeleteData();
    EXPECT_TRUE(Questions.empty());
    EXPECT_EQ(Data->RecordCount(), 4);
}

TEST_F(DeleteTest, RefreshStaysAtTheStartWhenTheRecordIsGone) {
    Data->MoveBy(3);
    // The reopened data holds other rows: the old position means nothing.
    Data->AfterClose = [](TDataSet* ds) {
        auto* mem = static_cast<TMemDataSet*>(ds);
        mem->ClearRows();
        mem->AppendRow({Int64(70), String("új"), true, String("false"), Int64(1)});
    };
    EXPECT_NO_THROW(Grid->RefreshData());
    EXPECT_EQ(Data->FieldByName("id")->AsInteger(), 70);
}

TEST_F(DeleteTest, RefreshReturnsToTheRecordWhenItIsStillThere) {
    Data->MoveBy(3);
    Grid->RefreshData();
    EXPECT_EQ(Data->FieldByName("id")->AsInteger(), 4);
}

} // namespace

namespace {

class PopupTest : public GridFixture {
protected:
    void SetUp() override { Build(3, 600, 200); }
    TMenuItem* Item(Integer i) { return Grid->StandardPopupItem(i); }
};

TEST_F(PopupTest, TwentyEntriesAndASelectionSubMenuOfFive) {
    EXPECT_EQ(Grid->StandardPopup()->Items()->Count(), 20);
    EXPECT_EQ(Item(14)->Count(), 5);
    EXPECT_EQ(Item(14)->Items(0)->Caption(), "Select record");
    EXPECT_EQ(Grid->StandardPopup()->Items()->Items(15)->Caption(), "-");
    EXPECT_EQ(Grid->StandardPopup()->Items()->Items(19)->Caption(), "Setup...");
    EXPECT_EQ(Item(8)->ShortCut(), TShortCut(scCtrl | 'F'));
    EXPECT_EQ(Item(12)->ShortCut(), VK_F5);
}

TEST_F(PopupTest, PrintIsHiddenUntilAssignedAndDisabledWhileEditing) {
    Grid->UpdatePopupItems();
    EXPECT_FALSE(Item(5)->Visible());
    EXPECT_FALSE(Item(9)->Visible());
    Grid->OnPrintData = [](TObject*) {};
    Grid->UpdatePopupItems();
    EXPECT_TRUE(Item(5)->Visible());
    EXPECT_TRUE(Item(5)->Enabled());
    Data->Edit();
    Grid->UpdatePopupItems();
    EXPECT_FALSE(Item(5)->Enabled());
    EXPECT_TRUE(Item(10)->Enabled()); // Save changes
    EXPECT_FALSE(Item(0)->Enabled()); // Add record
}

TEST_F(PopupTest, RecordEntriesFollowTheOptions) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoDisableInsert, eoDisableDelete});
    Grid->UpdatePopupItems();
    EXPECT_FALSE(Item(0)->Enabled());
    EXPECT_FALSE(Item(1)->Enabled());
    EXPECT_TRUE(Item(2)->Enabled());
    EXPECT_FALSE(Item(3)->Enabled());
    Grid->SetReadOnly(true);
    Grid->UpdatePopupItems();
    EXPECT_FALSE(Item(2)->Enabled());
}

TEST_F(PopupTest, EntriesRunTheGridsActions) {
    int appended = 0;
    Grid->OnAppendRecord = [&](TObject*) { ++appended; };
    Item(0)->Click();
    EXPECT_EQ(appended, 1);
    Item(1)->Click(); // no handler: the dataset inserts
    EXPECT_EQ(Data->State(), dsInsert);
    Item(11)->Click();
    EXPECT_EQ(Data->State(), dsBrowse);
}

TEST_F(PopupTest, EveryEntryButTheLinesNamesTheNextGlyph) {
    Integer expected = 0;
    for (Integer i = 0; i < 25; ++i) {
        if (Item(i)->IsLine())
            EXPECT_EQ(Item(i)->ImageIndex(), -1) << "line " << i;
        else
            EXPECT_EQ(Item(i)->ImageIndex(), expected++) << "entry " << i;
    }
    EXPECT_EQ(expected, 19);
    EXPECT_EQ(Item(16)->ImageIndex(), 13); // "Select All records", inside the selection sub-menu
    EXPECT_EQ(Item(24)->ImageIndex(), 18); // "Setup..."
}

TEST_F(PopupTest, TheGridsImagesReachTheMenuBeforeItShows) {
    TImageList first(nullptr), second(nullptr);
    Grid->SetImages(&first);
    EXPECT_EQ(Grid->StandardPopup()->Images(), nullptr); // handed over only when the menu is about to show
    Grid->UpdatePopupItems();
    EXPECT_EQ(Grid->StandardPopup()->Images(), &first);
    Grid->SetImages(&second);
    Grid->UpdatePopupItems();
    EXPECT_EQ(Grid->StandardPopup()->Images(), &second);
    Grid->SetImages(nullptr);
    Grid->UpdatePopupItems();
    EXPECT_EQ(Grid->StandardPopup()->Images(), nullptr);
}

TEST_F(PopupTest, AFreedImageListIsForgottenByGridAndMenu) {
    auto images = std::make_unique<TImageList>(nullptr);
    Grid->SetImages(images.get());
    Grid->UpdatePopupItems();
    images.reset();
    EXPECT_EQ(Grid->Images(), nullptr);
    EXPECT_EQ(Grid->StandardPopup()->Images(), nullptr);
    Grid->UpdatePopupItems(); // nothing dangling is handed over
    EXPECT_EQ(Grid->StandardPopup()->Images(), nullptr);
}

} // namespace
