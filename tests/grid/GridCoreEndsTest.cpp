// What the grid core does beyond drawing and input: glyph indexes for fields
// with text handlers, the editor's change event, frozen cells' colour.
#include "tests/grid/GridFixture.h"

#include "platform/data/TField.h"
#include "platform/ui/TInplaceEdit.h"

using namespace gridtest;

namespace {

class CoreEndsTest : public GridFixture {
protected:
    void SetUp() override { Build(5, 400, 200); }
};

TEST_F(CoreEndsTest, AModifiableFieldWithBothTextHandlersShowsNoGlyph) {
    auto memo = std::make_unique<TMemDataSet>();
    memo->FieldDefs()->Add("jegyzet", ftMemo);
    memo->AppendRow({String("szöveg")});
    memo->Open();
    TField* f = memo->FieldByName("jegyzet");
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoShowGlyphs});
    EXPECT_EQ(Grid->GetImageIndex(f), 1);
    f->OnGetText = [](TField*, String& Text, bool) { Text = "x"; };
    EXPECT_EQ(Grid->GetImageIndex(f), 1); // one handler is not enough
    f->OnSetText = [](TField*, const String&) {};
    EXPECT_EQ(Grid->GetImageIndex(f), -1);
    Grid->SetReadOnly(true); // a read-only grid shows the glyph again
    EXPECT_EQ(Grid->GetImageIndex(f), 1);
}

TEST_F(CoreEndsTest, EditorChangesFireOnEditChange) {
    int changes = 0;
    Grid->OnEditChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Grid.get());
        ++changes;
    };
    Grid->SetOptions(Grid->Options() + TDBGridOptions{dgEditing});
    Grid->SetSelectedIndex(1);
    Grid->SetEditorMode(true);
    ASSERT_NE(Grid->InplaceEditor(), nullptr);
    EXPECT_EQ(Grid->InplaceEditor()->Color(), Grid->Color());
    Grid->InplaceEditor()->OnChange(Grid->InplaceEditor());
    EXPECT_EQ(changes, 1);
}

TEST_F(CoreEndsTest, FrozenDataCellsTakeTheTitleColour) {
    TVgDBColumn* first = Grid->GetColumns()->GetColumn(0);
    first->Title()->SetColor(clAqua);
    Grid->SetFixedCols(1);
    Paint();
    Integer rows = Grid->RowCount() - 1;
    // The title and every data row of the frozen column.
    EXPECT_GE(Integer(Lines({"FillRect", "clAqua"}).size()), 1 + rows);
}

} // namespace

namespace {

class RowHeightTest : public GridFixture {
protected:
    void SetUp() override { Build(5, 400, 300); }
};

TEST_F(RowHeightTest, ASizedRowKeepsRoomForOneLine) {
    Integer minimum = Grid->Canvas()->TextHeight("Wg") + 2;
    Grid->SetRowHeights(2, 3);
    EXPECT_EQ(Grid->RowHeights(2), minimum);
    Grid->SetRowHeights(2, minimum + 10);
    EXPECT_EQ(Grid->RowHeights(2), minimum + 10);
}

TEST_F(RowHeightTest, AutofitRowsFitTheirTallestText) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoRowHeightAutofit});
    Integer line = Grid->Canvas()->TextHeight("W");
    EXPECT_EQ(Grid->RowHeights(1), line + 3 + 2);
    // A narrow name column wraps its words: two lines.
    Grid->GetColumns()->GetColumn(1)->SetWidth(Grid->Canvas()->TextWidth("Ügy") + 4);
    Grid->SetRowHeight();
    EXPECT_EQ(Grid->RowHeights(1), 2 * line + 3 + 2);
}

} // namespace
