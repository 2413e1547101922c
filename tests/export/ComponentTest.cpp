// The export component's own routines: default columns, selected rows, system
// values, padding and extensions.
#include "tests/export/ExportFixture.h"

#include "grid/TVgDBGrid.h"
#include "platform/data/TBookmarkList.h"
#include "platform/data/TDataSource.h"

namespace {

class Component : public exporttest::ExportFixture {};

TEST_F(Component, BuildDefaultColumnsKeepsThem) {
    AddCases(1);
    Export->BuildDefaultColumns();
    ASSERT_EQ(Export->Columns()->Count(), 4);
    EXPECT_EQ(Export->Columns()->Items(1)->FieldName(), "nev");
    EXPECT_FALSE(Export->IsMemoColumnExist());
    Export->Columns()->Items(1)->SetDataType(ctMEMO);
    EXPECT_TRUE(Export->IsMemoColumnExist());
    Export->Columns()->Items(1)->SetVisible(false);
    EXPECT_FALSE(Export->IsMemoColumnExist());
}

TEST_F(Component, SelectedRowsFromTheEventsOrTheGrid) {
    AddCases(3);
    TDataSource source(nullptr);
    source.SetDataSet(Data.get());
    TVgDBGrid grid(nullptr);
    grid.SetDataSource(&source);
    Data->SetRecNo(2);
    grid.SelectedRows()->SetCurrentRowSelected(true);
    Export->SetDBGrid(&grid);
    EXPECT_EQ(Export->GetSelectedCount(), 1);
    EXPECT_EQ(Export->GetNextSelected(0), grid.SelectedRows()->Items(0));
    EXPECT_TRUE(Export->GetNextSelected(1).empty());
    Export->OnGetSelectedCount = [](TObject*, Integer& Count) { Count = 5; };
    Export->OnGetNextSelected = [](TObject*, Integer Index, TBookmark& Selected) {
        Selected = TBookmark{static_cast<Byte>(Index)};
    };
    EXPECT_EQ(Export->GetSelectedCount(), 5);
    EXPECT_EQ(Export->GetNextSelected(3), TBookmark{3});
    Export->SetDBGrid(nullptr);
}

TEST_F(Component, SystemValues) {
    Export->Statistic()->SetCurrentColumn(4);
    Export->Statistic()->SetTotalCount(12);
    Export->Statistic()->SetTotalErrors(1);
    EXPECT_EQ(Export->GetSysValue("COLNO").AsInteger(), 4);
    EXPECT_EQ(Export->GetSysValue("COUNT").AsInteger(), 12);
    EXPECT_EQ(Export->GetSysValue("ERRCOUNT").AsInteger(), 1);
    EXPECT_EQ(Export->GetSysValue("GENERATOR").AsString(), "VgExport 4.77");
    EXPECT_TRUE(Export->GetSysValue("rowno").IsEmpty()); // names are exact
}

TEST_F(Component, PaddingAndExtensions) {
    EXPECT_EQ(TVgECustomBaseComponent::AddZeros("7", 3, true), "007");
    EXPECT_EQ(TVgECustomBaseComponent::AddZeros("7", 3, false), "700");
    EXPECT_EQ(TVgECustomBaseComponent::AddZeros("1234", 3, true), "1234");
    EXPECT_EQ(TVgECustomBaseComponent::GetDefExt(teExcel), ".XLS");
    EXPECT_EQ(TVgECustomBaseComponent::GetDefExt(teLDIF), ".LDIF");
    EXPECT_EQ(TVgECustomBaseComponent::GetDefExt(teClipboard), "");
    EXPECT_EQ(TVgECustomBaseComponent::GetDefExt(teADO), "");
}

TEST_F(Component, ForgetsAComponentThatGoes) {
    AddCases(1);
    Data.reset();
    EXPECT_EQ(Export->DataSet(), nullptr);
    Export->Execute();
    EXPECT_EQ(Dialogs.back().Text, "Error of data export.: Property Dataset is not specified.");
}

TEST_F(Component, AssignCopiesTheSettings) {
    AddColumn("nev", "Név");
    Export->SetAddTitle(true);
    Export->SetBlankIfZero(true);
    Export->Header()->Add("fej");
    TVgExportToXLS copy(nullptr);
    copy.Assign(Export.get());
    EXPECT_TRUE(copy.AddTitle());
    EXPECT_TRUE(copy.BlankIfZero());
    EXPECT_EQ(copy.DataSet(), Data.get());
    EXPECT_EQ(copy.Columns()->Items(0)->Title()->Caption(), "Név");
    EXPECT_EQ(copy.Header()->Strings(0), "fej");
    EXPECT_EQ(copy.DataFormats()->ThousandSeparator(), "\u00A0");
}

} // namespace
