// The grid over the office database's case list, as the cases area shows it.
#include "tests/grid/CaseDatabase.h"
#include "tests/grid/GridFixture.h"

#include "platform/data/TField.h"
#include "platform/ui/VirtualKeys.h"

using namespace gridtest;

namespace {

class SqliteGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        Cases = Db.OpenCases();
        Source = std::make_unique<TDataSource>(nullptr);
        Source->SetDataSet(Cases);
        Grid = std::make_unique<TProbeGrid>(nullptr);
        Grid->SetBounds(0, 0, 600, 300);
        Grid->SetDataSource(Source.get());
        Grid->SetDefaultRowHeight(17);
        Grid->GetColumns()->GetColumn(3)->SetWidth(150);
        Grid->GridStyle()->SetEvenColor(15990526);
        Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoBooleanAsCheckBox, eoShowFooter});
    }
    void TearDown() override {
        Grid.reset();
        Source.reset();
    }
    void Paint() {
        Grid->Boxes.clear();
        Canvas = graphics::MakeRecordingCanvas(Backend, TSize(600, 300));
        Grid->PaintTo(Canvas.get());
    }

    CaseDatabase Db{40};
    TSqlite3Query* Cases = nullptr;
    std::unique_ptr<TDataSource> Source;
    std::unique_ptr<TProbeGrid> Grid;
    graphics::RecordingCanvasBackend* Backend = nullptr;
    std::unique_ptr<TCanvas> Canvas;
};

TEST_F(SqliteGridTest, StatusColumnShowsCheckBoxesByRecord) {
    ASSERT_EQ(Cases->FieldByName("status")->DataType(), ftBoolean);
    Paint();
    Integer rows = Grid->RowCount() - 1;
    ASSERT_EQ(Integer(Grid->Boxes.size()), rows);
    EXPECT_EQ(Grid->Boxes[0].State, cbChecked); // sorszam 1: odd
    EXPECT_EQ(Grid->Boxes[1].State, cbUnchecked);
}

TEST_F(SqliteGridTest, FooterShowsTheTotalsTheApplicationWrites) {
    TVgDBColumn* szam = Grid->GetColumns()->GetColumn(2);
    szam->SetFooterType(ftSum);
    Grid->CalculateTotals(false);
    EXPECT_DOUBLE_EQ(szam->FooterValue().AsFloat(), 40.0 * 41 / 2);
    Grid->GetColumns()->GetColumn(3)->SetFooterText("Összesen: %");
    Grid->GetColumns()->GetColumn(3)->SetFooterValue(Variant(Cases->RecordCount()));
    Paint();
    bool found = false;
    for (const String& l : Backend->Log)
        found = found || l.find("\"Összesen: 40\"") != String::npos;
    EXPECT_TRUE(found);
}

TEST_F(SqliteGridTest, PageDownScrollsTheWindowOverTheRecords) {
    Word k = VK_NEXT;
    Grid->KeyDown(k, {});
    Integer page = Grid->RowCount() - 1;
    EXPECT_EQ(Cases->FieldByName("sorszam")->AsInteger(), 1 + page);
    std::vector<Int64> ids;
    Grid->OnDrawColumnCell = [&](TObject*, const TRect&, Integer DataCol, TColumn*, TGridDrawState) {
        if (DataCol == 0) ids.push_back(Cases->FieldByName("sorszam")->AsInteger());
    };
    Paint();
    ASSERT_EQ(Integer(ids.size()), page);
    for (std::size_t i = 1; i < ids.size(); ++i)
        EXPECT_EQ(ids[i], ids[i - 1] + 1);
    EXPECT_LE(ids.front(), 1 + page);
    EXPECT_GE(ids.back(), 1 + page);
}

TEST_F(SqliteGridTest, ClickSelectsTheRecordUnderTheMouse) {
    TRect r = Grid->CellRect(4, 5);
    Grid->MouseDown(mbLeft, {}, r.Left + 3, r.Top + 3);
    Grid->MouseUp(mbLeft, {}, r.Left + 3, r.Top + 3);
    EXPECT_EQ(Cases->FieldByName("sorszam")->AsInteger(), 5);
    EXPECT_EQ(Cases->FieldByName("nev")->AsString(), "Ügy 5");
}

} // namespace
