#include "grid/VgGridSetup.h"

#include "tests/grid/GridFixture.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TFont.h"

using namespace gridtest;

namespace {

// Six pixels a digit.
Integer Six(TFont*) {
    return 6;
}

TEST(SetupColors, TableAndCustomSlots) {
    EXPECT_EQ(vg::IndexOfSetupColor(TColor(0x000080), false), 1);
    EXPECT_EQ(vg::IndexOfSetupColor(clBtnFace, false), 16 + 15); // system colour 15
    EXPECT_EQ(vg::IndexOfSetupColor(TColor(0xFFFBF0), true), 43);
    // Not in the table: kept in the list's own slot, never black.
    EXPECT_EQ(vg::IndexOfSetupColor(TColor(0x123456), false), vg::CustomColorEntry);
    EXPECT_EQ(vg::IndexOfSetupColor(TColor(0x654321), true), vg::CustomColorEntry);
    EXPECT_EQ(vg::SetupColor(vg::CustomColorEntry, false), TColor(0x123456));
    EXPECT_EQ(vg::SetupColor(vg::CustomColorEntry, true), TColor(0x654321));
    EXPECT_EQ(vg::SetupColor(0, true), TColor(0));
}

TEST(SetupWidths, CharactersAndPixels) {
    EXPECT_EQ(vg::CharsToPixels(10, 6), 64);
    EXPECT_EQ(vg::PixelsToChars(64, 6), 10);
    EXPECT_EQ(vg::PixelsToChars(64, 7, 1), 9); // (64 - 1 - 4) / 6
    EXPECT_EQ(vg::PixelsToChars(64, 0), 0);    // no division by a zero step
}

class SetupModelTest : public GridFixture {
protected:
    void SetUp() override {
        Build(3);
        // Persistent columns for three of the five fields; osszeg hidden.
        TVgDBGridColumns* cols = Grid->GetColumns();
        cols->Clear();
        for (const char* name : {"nev", "id", "osszeg"})
            cols->Add()->SetFieldName(name);
        cols->GetColumn(0)->SetWidth(124);
        cols->GetColumn(0)->Title()->SetCaption("Ügy neve");
        cols->GetColumn(2)->SetVisible(false);
    }
};

TEST_F(SetupModelTest, LinesForColumnsThenForTheOtherFields) {
    auto items = vg::BuildSetupItems(Grid.get(), nullptr, Six);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].FieldName, "nev");
    EXPECT_EQ(items[0].TitleCaption, "Ügy neve");
    EXPECT_EQ(items[0].Width, 20); // (124 - 4) / 6
    EXPECT_TRUE(items[0].Checked);
    EXPECT_FALSE(items[2].Checked); // hidden column
    EXPECT_EQ(items[3].FieldName, "aktiv");
    EXPECT_FALSE(items[3].Checked);
    EXPECT_EQ(items[3].TitleColor, Grid->FixedColor());
}

TEST_F(SetupModelTest, AllowedFieldsLimitTheListAndTheGrid) {
    TStringList allowed;
    allowed.Add("id");
    allowed.Add("jubok");
    auto items = vg::BuildSetupItems(Grid.get(), &allowed, Six);
    ASSERT_EQ(items.size(), 2u);
    items[1].Checked = true;
    items[1].Width = 0; // not a number: the platform default width
    vg::ApplySetupItems(Grid.get(), items, Six);
    ASSERT_EQ(Grid->GetColumns()->Count(), 2);
    EXPECT_EQ(Grid->GetColumns()->GetColumn(0)->FieldName(), "id");
    EXPECT_EQ(Grid->GetColumns()->GetColumn(1)->FieldName(), "jubok");
    EXPECT_EQ(Grid->GetColumns()->GetColumn(1)->Width(), Grid->GetColumns()->GetColumn(1)->DefaultWidth());
}

TEST_F(SetupModelTest, OrderCaptionsAndWidthsGoBackToTheGrid) {
    auto items = vg::BuildSetupItems(Grid.get(), nullptr, Six);
    std::swap(items[0], items[1]);
    items[1].TitleCaption = "Név";
    items[1].Width = 5;
    items[1].DataColor = TColor(0x123456);
    vg::ApplySetupItems(Grid.get(), items, Six);
    ASSERT_EQ(Grid->GetColumns()->Count(), 2); // the checked ones
    TVgDBColumn* c = Grid->GetColumns()->GetColumn(1);
    EXPECT_EQ(c->FieldName(), "nev");
    EXPECT_EQ(c->Title()->Caption(), "Név");
    EXPECT_EQ(c->Width(), 34);
    EXPECT_EQ(c->Color(), TColor(0x123456));
}

TEST_F(SetupModelTest, UncheckingEveryLineLeavesNoColumns) {
    auto items = vg::BuildSetupItems(Grid.get(), nullptr, Six);
    for (auto& it : items)
        it.Checked = false;
    vg::ApplySetupItems(Grid.get(), items, Six);
    EXPECT_EQ(Grid->GetColumns()->Count(), 0);
}

} // namespace
