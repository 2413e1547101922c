#include "tests/grid/GridFixture.h"

#include "grid/TVgDBColumnKinds.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TGridDataLink.h"

using namespace gridtest;

namespace {

constexpr TColor EvenRows = 15990526;

class DrawTest : public GridFixture {
protected:
    void SetUp() override {
        Build(30, 600, 200);
        Grid->GridStyle()->SetOddColor(clWindow);
        Grid->GridStyle()->SetEvenColor(EvenRows);
    }
    // Data rows (grid rows) that show a record.
    Integer DataRows() const { return Grid->RowCount() - 1; }
};

TEST_F(DrawTest, OddAndEvenColoursFollowTheVisiblePosition) {
    Paint();
    EXPECT_EQ(CellFill(2, 1), "clWindow");
    EXPECT_EQ(CellFill(2, 2), ColorToString(EvenRows));
    EXPECT_EQ(CellFill(2, 3), "clWindow");
    // Scrolled to the end the first visible row is still "odd".
    Data->Last();
    Paint();
    EXPECT_NE(Data->RecNo(), 1);
    EXPECT_EQ(CellFill(2, 1), "clWindow");
    EXPECT_EQ(CellFill(2, 2), ColorToString(EvenRows));
}

TEST_F(DrawTest, NormalStyleKeepsTheColumnColour) {
    Grid->GridStyle()->SetStyle(gsNormal);
    Grid->GetColumns()->GetColumn(1)->SetColor(clAqua);
    Paint();
    EXPECT_EQ(CellFill(2, 1), "clAqua");
    EXPECT_EQ(CellFill(2, 2), "clAqua");
}

TEST_F(DrawTest, HighlightedCellKeepsItsColourButGetCellParamsStillRuns) {
    Grid->SetOptions(Grid->Options() + TDBGridOptions{dgAlwaysShowSelection, dgRowSelect});
    int calls = 0;
    bool sawHighlight = false;
    Grid->OnGetCellParams = [&](TObject*, TField*, TFont*, TColor&, bool Highlight) {
        ++calls;
        sawHighlight = sawHighlight || Highlight;
    };
    Paint();
    EXPECT_EQ(CellFill(2, 1), "clInactiveCaption");
    EXPECT_EQ(CellFill(2, 2), ColorToString(EvenRows));
    EXPECT_TRUE(sawHighlight);
    EXPECT_EQ(calls, DataRows() * 5);
}

TEST_F(DrawTest, IndicatorMarksOnlyTheCurrentRecord) {
    Data->MoveBy(2);
    Paint();
    auto blts = Lines({"Blt "});
    ASSERT_EQ(blts.size(), 1u);
    TRect row = Grid->CellRect(0, Grid->Row());
    std::ostringstream y;
    EXPECT_NE(blts[0].find("," + std::to_string((row.Top + row.Bottom - 11) / 2) + ","), String::npos)
        << blts[0];
}

TEST_F(DrawTest, BooleanFieldsDrawCheckBoxesWithTheOption) {
    Paint();
    EXPECT_TRUE(Grid->Boxes.empty());
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoBooleanAsCheckBox});
    Paint();
    ASSERT_EQ(Integer(Grid->Boxes.size()), DataRows());
    // Record 1 is active (odd id), record 2 is not.
    EXPECT_EQ(Grid->Boxes[0].State, cbChecked);
    EXPECT_EQ(Grid->Boxes[1].State, cbUnchecked);
    EXPECT_EQ(Grid->Boxes[0].Alignment, taCenter);
    EXPECT_EQ(Grid->Boxes[0].Rect, Grid->CellRect(3, 1));
    // The boolean's text is not written as well.
    EXPECT_TRUE(Lines({"\"True\""}).empty());
}

TEST_F(DrawTest, TextFlagsShowAsCheckBoxesInACheckBoxColumn) {
    Grid->GetColumns()->Clear();
    auto* box = new TVgDBCheckboxColumn(Grid->GetColumns());
    box->SetFieldName("jubok");
    box->SetValueChecked("true");
    Paint();
    ASSERT_GE(Grid->Boxes.size(), 3u);
    EXPECT_EQ(Grid->Boxes[0].State, cbUnchecked); // id 1: 'false'
    EXPECT_EQ(Grid->Boxes[2].State, cbChecked);   // id 3: 'true'
    TRect cell = Grid->CellRect(1, 1);
    InflateRect(cell, -2, -2);
    EXPECT_EQ(Grid->Boxes[0].Rect, cell);
}

TEST_F(DrawTest, NullTextFlagShowsGrayed) {
    Data->Edit();
    Data->FieldByName("jubok")->Clear();
    Data->Post();
    Grid->GetColumns()->Clear();
    auto* box = new TVgDBCheckboxColumn(Grid->GetColumns());
    box->SetFieldName("jubok");
    box->SetValueChecked("true");
    Paint();
    ASSERT_FALSE(Grid->Boxes.empty());
    EXPECT_EQ(Grid->Boxes[0].State, cbGrayed);
}

TEST_F(DrawTest, SortMarkerTakesRoomAtTheRightOfTheTitle) {
    Grid->GetColumns()->GetColumn(1)->SetSortType(stAscending);
    Paint();
    TRect title = Grid->CellRect(2, 0);
    Integer w = Grid->GetSortImageWidth();
    // The arrow's grey pixels lie in the box at the right edge.
    auto gray = Lines({"brush clGray"});
    ASSERT_FALSE(gray.empty());
    for (const String& l : gray) {
        std::istringstream in(l.substr(9));
        Integer left;
        in >> left;
        EXPECT_GE(left, title.Right - 4 - w);
        EXPECT_LT(left, title.Right - 4);
    }
    // Descending points the other way: another set of pixels.
    Grid->GetColumns()->GetColumn(1)->SetSortType(stDescending);
    auto descending = Lines({"brush clGray"});
    Paint();
    EXPECT_NE(Lines({"brush clGray"}), gray);
}

// The filter strip fills exactly what the title row grew by, and the sort marker
// sits centred in the height the strip leaves above it.
TEST_F(DrawTest, FilterStripAndSortMarkerShareTheTitleRow) {
    const Integer plain = Grid->RowHeights(0);
    const Integer w = Grid->GetSortImageWidth();
    Grid->GetColumns()->GetColumn(1)->SetSortType(stAscending);
    Grid->GridStyle()->SetFilterColor(clAqua);
    for (bool filterBar : {false, true}) {
        Grid->SetExOptions(filterBar ? Grid->ExOptions() + TExOptions{eoShowFilterBar}
                                     : Grid->ExOptions() - TExOptions{eoShowFilterBar});
        const Integer grown = Grid->RowHeights(0) - plain;
        EXPECT_EQ(grown, filterBar ? TVgDBGrid::FilterStripHeight : 0);
        Paint();
        const TRect title = Grid->CellRect(2, 0);
        const TRect strip = Rect(title.Left, title.Bottom - grown, title.Right, title.Bottom);
        EXPECT_EQ(Lines({"FillRect", "brush clAqua"}).size(), filterBar ? 5u : 0u);
        EXPECT_EQ(Lines({"FillRect " + graphics::FormatRect(strip) + " brush clAqua"}).size(),
                  filterBar ? 1u : 0u);
        const TRect marker = Bounds(title.Right - 4 - w, title.Top + (title.Height() - grown - w) / 2, w, w);
        EXPECT_EQ(Lines({"FillRect " + graphics::FormatRect(marker) + " brush clBtnFace"}).size(), 1u)
            << "filter bar " << filterBar;
    }
}

// The standard popup's mark: a black triangle 7 wide, centred in the corner cell, its
// point 3 right of its left corner.
TEST_F(DrawTest, PopupMarkIsASevenPixelTriangleInTheCorner) {
    Paint();
    const TRect corner = Grid->CellRect(0, 0);
    const Integer dx = (corner.Width() - 7) / 2, dy = (corner.Height() - 7) / 2;
    std::ostringstream points;
    points << "Polygon " << corner.Left + dx << "," << corner.Top + dy << " " << corner.Left + dx + 7 << ","
           << corner.Top + dy << " " << corner.Left + dx + 3 << "," << corner.Bottom - dy << " pen clBlack";
    EXPECT_EQ(Lines({points.str(), "brush clBlack"}).size(), 1u)
        << ::testing::PrintToString(Lines({"Polygon"}));
}

TEST_F(DrawTest, EmptyCaptionDrawsNoSortMarker) {
    TVgDBColumn* c = Grid->GetColumns()->GetColumn(1);
    c->Title()->SetCaption("");
    c->SetSortType(stAscending);
    Paint();
    EXPECT_TRUE(Lines({"brush clGray"}).empty());
}

TEST_F(DrawTest, OneDrawColumnCellPerDataCellWithItsRecord) {
    Data->MoveBy(4);
    std::map<std::pair<Integer, Integer>, int> seen;
    bool wrongRecord = false;
    Integer firstId = -1;
    Grid->OnDrawColumnCell = [&](TObject*, const TRect& R, Integer DataCol, TColumn*, TGridDrawState) {
        Integer row = Grid->MouseCoord(R.Left + 1, R.Top + 1).Y;
        ++seen[{DataCol, row}];
        Int64 id = Data->FieldByName("id")->AsInteger();
        if (row == 1) firstId = Integer(id);
        if (firstId >= 0 && id != firstId + row - 1) wrongRecord = true;
    };
    Paint();
    EXPECT_EQ(Integer(seen.size()), DataRows() * 5);
    for (auto& [key, count] : seen)
        EXPECT_EQ(count, 1) << key.first << "," << key.second;
    EXPECT_FALSE(wrongRecord);
    // The cursor is where it was.
    EXPECT_EQ(Data->FieldByName("id")->AsInteger(), 5);
}

TEST_F(DrawTest, RowNumbersCountFromTheRecordNumber) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoRowNumber});
    Grid->SetIndicatorWidth(40);
    Data->MoveBy(3);
    Paint();
    EXPECT_EQ(Lines({"\"4\"", "TextOut"}).size(), 2u); // the row number and the id
    EXPECT_FALSE(
        Lines({"TextOut", "\"" + std::to_string(Data->RecNo() + DataRows() - Grid->Row()) + "\""}).empty());
}

TEST_F(DrawTest, NoDataShowsTheNoticeAndNoRows) {
    Data->Close();
    Paint();
    EXPECT_EQ(Lines({"<No data to display>"}).size(), 1u);
    EXPECT_TRUE(Lines({"Blt "}).empty());
}

TEST_F(DrawTest, StandardPopupTriangleInTheTopLeftCell) {
    Paint();
    EXPECT_EQ(Lines({"Polygon"}).size(), 1u);
    Grid->SetExOptions(Grid->ExOptions() - TExOptions{eoStandardPopup});
    Paint();
    EXPECT_TRUE(Lines({"Polygon"}).empty());
}

TEST_F(DrawTest, BandsDrawOverTheirRunOfColumns) {
    Grid->Bands()->Add("Ügy adatai");
    Grid->GetColumns()->GetColumn(0)->SetBandIndex(0);
    Grid->GetColumns()->GetColumn(1)->SetBandIndex(0);
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoDrawBands});
    TRect band = Grid->GetBandRect(1);
    EXPECT_EQ(band.Left, Grid->CellRect(1, 0).Left);
    EXPECT_EQ(band.Right, Grid->CellRect(2, 0).Right);
    Paint();
    EXPECT_EQ(Lines({"\"Ügy adatai\""}).size(), 2u); // one per column of the band
}

TEST_F(DrawTest, GroupingRowSpansTheGridWhenTheExpressionHolds) {
    TVgGrouping* g = Grid->Groupings()->Add();
    g->SetExpression("kb");
    g->SetColor(14089726);
    Paint();
    EXPECT_TRUE(Lines({ColorToString(14089726)}).empty()); // no handler: no grouping rows
    Grid->OnExpression = [&](TObject*, const String&, String& Text, bool& Value) {
        Value = Data->FieldByName("id")->AsInteger() == 2;
        Text = "Csoport";
    };
    Paint();
    EXPECT_FALSE(Lines({ColorToString(14089726)}).empty());
    EXPECT_FALSE(Lines({"\"Csoport\""}).empty());
}

} // namespace

namespace {

TEST_F(GridFixture, GridOutlivesItsDataSource) {
    Build(5, 600, 200);
    Source.reset();
    EXPECT_FALSE(Grid->DataLink()->Active());
    EXPECT_EQ(Grid->DataSource(), nullptr);
    Paint();
    EXPECT_EQ(Lines({"<No data to display>"}).size(), 1u);
}

} // namespace

namespace {

// Dark pixels in Area of Bitmap: the ink of black text on white.
int Ink(TBitmap& Bitmap, const TRect& Area) {
    int n = 0;
    for (Integer y = Area.Top; y < Area.Bottom; ++y)
        for (Integer x = Area.Left; x < Area.Right; ++x) {
            const TColor c = ColorToRGB(Bitmap.Canvas()->Pixels(x, y));
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 160) ++n;
        }
    return n;
}

// The grid's text cells on the screen's font keep every accent of the capitals
// whole at the row height the 8-point face gives (Ű is not Ü, Ő is not Ö).
TEST(GridAccentsTest, CapitalAccentsStayWholeInTheRows) {
    const std::vector<String> names{"A", "Űrsula", "Őri", "Ürsula", "Öri", "Ábel"};
    TMemDataSet data;
    data.FieldDefs()->Add("nev", ftString, 40);
    for (const String& n : names)
        data.AppendRow({n});
    data.Open();
    TDataSource source(nullptr);
    source.SetDataSet(&data);
    TVgDBGrid grid(nullptr);
    grid.SetBounds(0, 0, 200, 150);
    grid.SetDataSource(&source);
    grid.SetOptions(grid.Options() - TDBGridOptions{dgIndicator, dgRowLines});
    grid.GridStyle()->SetStyle(gsNormal);
    grid.GetColumns()->GetColumn(0)->SetColor(clWhite);
    grid.GetColumns()->GetColumn(0)->SetWidth(150);
    // The first record is current: its cell may be highlighted, so it is not measured.
    TBitmap shown(200, 150, pf24bit);
    grid.PaintTo(shown.Canvas());
    for (Integer row = 2; row <= Integer(names.size()); ++row) {
        const TRect cell = grid.CellRect(0, row);
        // The same text drawn without any clipping, on the grid's font.
        TBitmap whole(200, 60, pf24bit);
        whole.Canvas()->Brush()->SetColor(clWhite);
        whole.Canvas()->FillRect(Rect(0, 0, 200, 60));
        whole.Canvas()->Font()->Assign(grid.Font());
        whole.Canvas()->Brush()->SetStyle(bsClear);
        whole.Canvas()->TextOut(20, 20, names[row - 1]);
        EXPECT_EQ(Ink(shown, cell), Ink(whole, Rect(0, 0, 200, 60))) << names[row - 1];
    }
}

} // namespace
