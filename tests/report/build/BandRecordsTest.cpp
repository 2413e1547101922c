// A record drawn by several bands: the data bands without a source of their own below a
// band with one are drawn with each of its records, wherever they stand in the level,
// counted once in the sums and closed by that band's footer; a stretched box keeps its
// whole text when its band has room to spare.
#include "tests/report/BandEngineSupport.h"

#include "platform/data/TFieldDefs.h"
#include "platform/ui/TCustomForm.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpPage.h"
#include "tests/support/TMemDataSet.h"

using Pages = std::vector<std::vector<String>>;

namespace {

class RecordBands : public BandEngineTest {
protected:
    void SetUp() override {
        BandEngineTest::SetUp();
        auto* data = new TMemDataSet(&Owner);
        data->SetName("Query1");
        data->FieldDefs()->Add("nev", ftString, 20);
        data->FieldDefs()->Add("num", ftInteger);
        data->AppendRow({String("Kovács"), Int64{1}});
        data->AppendRow({String("Nagy"), Int64{2}});
        data->Open();
        Source = new TrpDBDataSet(&Owner);
        Source->SetName("rpData");
        Source->SetDataSet(data);
    }
    TrpDBDataSet* Source = nullptr;
};

} // namespace

TEST_F(RecordBands, BandsWithoutASourceFollowTheRecordAboveThemAndItsFooter) {
    Band(btMasterData, 20, 20, "rpData");
    Memo(0, 20, "[nev]");
    Band(btMasterData, 50, 20);
    Memo(0, 50, "n=[num]");
    Band(btMasterData, 80, 20, "1");
    Memo(0, 80, "B");
    Band(btMasterData, 110, 20);
    Memo(0, 110, "b");
    Band(btMasterFooter, 140, 20);
    Memo(0, 140, "f");
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Built(),
              (Pages{{"Kovács@0,20", "n=1@0,40", "Nagy@0,60", "n=2@0,80", "B@0,100", "b@0,120", "f@0,140"}}));
}

TEST_F(RecordBands, ARecordCountsOnceInTheSums) {
    Band(btMasterData, 20, 20, "rpData");
    Memo(0, 20, "[nev]");
    Band(btMasterData, 50, 20);
    Memo(0, 50, "[num]");
    Band(btReportSummary, 80, 20);
    Memo(0, 80, "S [SUM([num])] C [COUNT()]");
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Built().front().back(), "S 3 C 2@0,100");
}

TEST_F(RecordBands, OnlyTheFirstMasterBandReadsTheReportsOwnDataSource) {
    Report->SetDataset(Source);
    Band(btMasterData, 20, 20);
    Memo(0, 20, "[nev]");
    Band(btMasterData, 50, 20);
    Memo(0, 50, "x");
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Built(), (Pages{{"Kovács@0,20", "x@0,40", "Nagy@0,60", "x@0,80"}}));
}

// The list forms keep their queries' report sources on the sheet forms: a band names
// them with the form's name, rows and cross-tab columns alike.
TEST_F(RecordBands, SourcesOnAnotherFormAreNamedWithThatFormsName) {
    TForm sheet(nullptr);
    sheet.SetName("Form2");
    auto* rows = new TrpDBDataSet(&sheet);
    rows->SetName("rpSorok");
    rows->SetDataSet(Source->DataSet());
    auto* columns = new TrpUserDataset(&sheet);
    columns->SetName("rpOszlopok");
    columns->RangeEnd = reCount;
    columns->RangeEndCount = 2;
    Band(btCrossData, 0, 1000, "Sorok=form2.rpOszlopok;")->SetBounds(300, 0, 100, 1000);
    Band(btMasterData, 20, 20, "Form2.rpSorok")->Name = "Sorok";
    Memo(0, 20, "[nev]");
    Memo(305, 20, "[COLUMN#]", 90, 15);
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Built(), (Pages{{"Kovács@0,20", "1@305,20", "2@405,20", "Nagy@0,40", "1@305,40", "2@405,40"}}));
}

TEST_F(BandEngineTest, AStretchedBoxKeepsItsWholeTextInABandWithRoomToSpare) {
    Band(btMasterData, 20, 100, "1", bfStretched);
    Memo(0, 20, "egy\r\nkettő", 200, 17);
    Memo(0, 60, "alatta", 200, 17)->Flags = flWordWrap; // not stretched: keeps its height
    Report->PrepareReport();
    TrpEMFPages* prepared = Report->EMFPages();
    prepared->ObjectsToPage(0);
    const auto& objects = prepared->Pages(0)->Page->Objects;
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]->Height, 100);
    EXPECT_EQ(objects[1]->Height, 17);
}
