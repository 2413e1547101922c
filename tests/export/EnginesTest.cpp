// Data engines and the column model: default columns, value types, positions
// and selected rows.
#include "tests/export/ExportFixture.h"

#include "export/VgEEngDB.h"
#include "grid/TVgDBGrid.h"
#include "platform/data/TBookmarkList.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFloatField.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TPanel.h"
#include "tests/support/ErrorOf.h"

namespace {

TEST(ValueTypes, FieldTypesGroupIntoCellTypes) {
    EXPECT_EQ(GetValueType(ftLargeint, 5, false), ctInteger);
    EXPECT_EQ(GetValueType(ftFMTBcd, 5, false), ctDouble);
    EXPECT_EQ(GetValueType(ftCurrency, 5, false), ctCurrency);
    EXPECT_EQ(GetValueType(ftDate, 5, false), ctDate);
    EXPECT_EQ(GetValueType(ftTime, 5, false), ctTime);
    EXPECT_EQ(GetValueType(ftDateTime, 5, false), ctDateTime);
    EXPECT_EQ(GetValueType(ftMemo, "x", false), ctMEMO);
    EXPECT_EQ(GetValueType(ftGraphic, "x", false), ctGraphic);
    EXPECT_EQ(GetValueType(ftBoolean, true, false), ctString);
    // Blank if zero: zero, null and unassigned values of number and date kinds.
    EXPECT_EQ(GetValueType(ftInteger, 0, true), ctBlank);
    EXPECT_EQ(GetValueType(ftInteger, 25, true), ctInteger);
    EXPECT_EQ(GetValueType(ftInteger, 0, false), ctInteger);
    EXPECT_EQ(GetValueType(ftFloat, Null, true), ctBlank);
    EXPECT_EQ(GetValueType(ftDate, Variant(), true), ctBlank);
    EXPECT_EQ(GetValueType(ftString, "0", true), ctString);
    EXPECT_EQ(CellType2FieldType(ctBlank), ftString);
    EXPECT_EQ(CellType2FieldType(ctCurrency), ftCurrency);
    EXPECT_EQ(CellType2FieldType(ctMEMO), ftMemo);
}

TEST(ColumnModel, LookupsAndBands) {
    TVgEColumns columns(nullptr);
    const char* names[] = {"ev", "nev", "leiras", "osszeg"};
    for (const char* name : names) {
        TVgEColumn* column = columns.Add();
        column->SetFieldName(name);
        column->SetBandIndex(0);
    }
    columns.Items(2)->SetVisible(false);
    EXPECT_EQ(columns.ColumnByFieldName("nev"), 1);
    EXPECT_EQ(columns.ColumnByFieldName("NEV"), -1);
    EXPECT_EQ(columns.MergedColStart(0), 0);
    EXPECT_EQ(columns.MergedColStart(1), -1);
    // The count stops at the first invisible column of the band.
    EXPECT_EQ(columns.MergedColCount(0, 0), 2);
    EXPECT_EQ(columns.MergedColCount(0, 3), 1);
    EXPECT_EQ(columns.MergedColCount(0, 9), 0);
    EXPECT_EQ(columns.VisibleCount(), 3);
}

TEST(ColumnModel, DefaultsAndCopies) {
    TVgEColumns columns(nullptr);
    TVgEColumn* a = columns.Add();
    EXPECT_EQ(a->Color(), clWhite);
    EXPECT_EQ(a->Title()->Color(), clSilver);
    EXPECT_EQ(a->BandIndex(), -1);
    EXPECT_EQ(a->DataType(), ctString);
    a->SetFieldName("nev");
    a->SetWidth(30);
    a->Title()->SetCaption("Név");
    a->Font()->SetName("Arial");
    TVgEColumn* b = columns.Add();
    b->Assign(a);
    EXPECT_EQ(b->FieldName(), "nev");
    EXPECT_EQ(b->Width(), 30);
    EXPECT_EQ(b->Title()->Caption(), "Név");
    EXPECT_EQ(b->Font()->Name(), "Arial");
    EXPECT_NE(b->Font(), a->Font());
    TVgEColumnBands bands(nullptr);
    EXPECT_EQ(bands.Add()->Alignment(), taLeftJustify);
}

class DatasetEngine : public exporttest::ExportFixture {};

TEST_F(DatasetEngine, DefaultColumnsFollowTheFields) {
    AddCases(1);
    Data->FieldByName("nev")->SetVisible(false);
    Data->FieldByName("nev")->SetDisplayLabel("Ügy neve");
    static_cast<TFloatField*>(Data->FieldByName("osszeg"))->SetPrecision(15);
    TVgEDatasetDataEngine engine(nullptr);
    engine.SetDataset(Data.get());
    TVgEColumns columns(nullptr);
    TVgEColumnBands bands(nullptr);
    engine.FillColumns(&columns, &bands, false);
    ASSERT_EQ(columns.Count(), 4);
    EXPECT_EQ(columns.Items(0)->DataType(), ctInteger);
    EXPECT_FALSE(columns.Items(1)->Visible());
    EXPECT_EQ(columns.Items(1)->Title()->Caption(), "Ügy neve");
    EXPECT_TRUE(columns.Items(1)->Title()->Font()->Style().Contains(fsBold));
    EXPECT_EQ(columns.Items(2)->DataType(), ctDate);
    EXPECT_EQ(columns.Items(3)->Precision(), 0);
    static_cast<TFloatField*>(Data->FieldByName("osszeg"))->SetPrecision(4);
    engine.FillColumns(&columns, &bands, true);
    EXPECT_EQ(columns.Items(0)->FieldName(), "osszeg");
    EXPECT_EQ(columns.Items(0)->Precision(), 4);
    EXPECT_EQ(columns.Items(3)->FieldName(), "ev");
}

TEST_F(DatasetEngine, ForgetsADestroyedDataset) {
    AddCases(1);
    TVgEDatasetDataEngine engine(nullptr);
    engine.SetDataset(Data.get());
    Export->SetDataSet(nullptr);
    Data.reset();
    EXPECT_EQ(engine.Dataset(), nullptr);
    EXPECT_TRUE(engine.Eof());
    EXPECT_EQ(engine.RecordCount(), 0);
}

class GridEngine : public exporttest::ExportFixture {
protected:
    GridEngine() {
        AddCases(5);
        FSource.SetDataSet(Data.get());
        FGrid.SetDataSource(&FSource);
    }
    TDataSource FSource{nullptr};
    TVgDBGrid FGrid{nullptr};
};

TEST_F(GridEngine, SelectedRowsAreWalkedInSelectionOrder) {
    for (int recNo : {4, 2, 5}) {
        Data->SetRecNo(recNo);
        FGrid.SelectedRows()->SetCurrentRowSelected(true);
    }
    TVgEDBGridDataEngine engine(nullptr);
    engine.SetDBGrid(&FGrid);
    engine.SetSelectedRecord(true);
    EXPECT_EQ(engine.RecordCount(), 3);
    std::vector<Int64> years;
    for (engine.First(); !engine.Eof(); engine.Next())
        years.push_back(Data->FieldByName("ev")->AsInteger());
    EXPECT_EQ(years.size(), 3u);
    EXPECT_EQ(std::count(years.begin(), years.end(), 2003), 0);
    FGrid.SelectedRows()->Clear();
    engine.First();
    EXPECT_TRUE(engine.Eof());
}

TEST_F(GridEngine, ExportsTheGridsColumns) {
    TColumn* column = FGrid.Columns()->Add();
    column->SetFieldName("nev");
    column->Title()->SetCaption("Ügy neve");
    Export->SetColumnSource(csDBGrid);
    Export->SetDBGrid(&FGrid);
    Export->SetAddTitle(true);
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Text, "Ügy neve");
    EXPECT_EQ(cells.at({5, 0}).Text, "Ügy 5");
    EXPECT_EQ(cells.count({0, 1}), 0u);
}

TEST_F(GridEngine, OnlyDataGridsAreAccepted) {
    TPanel panel(nullptr);
    panel.SetName("Panel1");
    EXPECT_EQ(ErrorOf<Exception>([&] { Export->SetDBGrid(&panel); }),
              "Assigned DBGrid (Panel1) is not a supported type");
    EXPECT_EQ(Export->DBGrid(), nullptr);
}

TEST(VirtualEngine, EofAfterTheCountedRows) {
    TVgEVirtualDataEngine engine(nullptr);
    int firsts = 0;
    engine.OnFirst = [&](TObject*) { ++firsts; };
    engine.OnCount = [](TObject*, Integer& Count) { Count = 2; };
    engine.First();
    EXPECT_FALSE(engine.Eof());
    engine.Next();
    engine.Next();
    EXPECT_TRUE(engine.Eof());
    EXPECT_EQ(firsts, 1);
    EXPECT_TRUE(engine.GetFieldValue(nullptr).IsNull());
}

} // namespace
