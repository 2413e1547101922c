#include "tests/grid/GridFixture.h"

#include "grid/TVgDBColumnKinds.h"
#include "platform/core/TStrings.h"

using namespace gridtest;

namespace {

class ColumnTest : public GridFixture {
protected:
    void SetUp() override {
        Build(3);
        Grid->GetColumns()->Clear();
    }
    TVgDBColumn* AddColumn(const String& Field) {
        TVgDBColumn* c = Grid->GetColumns()->Add();
        c->SetFieldName(Field);
        return c;
    }
};

TEST_F(ColumnTest, NewColumnDefaults) {
    TVgDBColumn* c = AddColumn("id");
    EXPECT_EQ(c->BandIndex(), -1);
    EXPECT_TRUE(c->Filterable());
    EXPECT_EQ(c->SortType(), stNone);
    EXPECT_EQ(c->FooterType(), ftCustom);
    EXPECT_EQ(c->InplaceEditor(), ieStandard);
    EXPECT_TRUE(c->FooterValue().IsEmpty());
    EXPECT_EQ(c->FilterList()->Count(), 0);
    EXPECT_EQ(c->GetGrid(), Grid.get());
}

TEST_F(ColumnTest, AddingAColumnCustomisesTheSetAndGetColumnReadsIt) {
    TVgDBColumn* c = AddColumn("nev");
    EXPECT_EQ(Grid->GetColumns()->State(), csCustomized);
    EXPECT_EQ(Grid->GetColumns()->Count(), 1);
    EXPECT_EQ(Grid->GetColumns()->GetColumn(0), c);
    EXPECT_EQ(c->Field(), Data->FieldByName("nev"));
    EXPECT_EQ(c->Title()->Caption(), "nev");
    EXPECT_THROW(Grid->GetColumns()->GetColumn(1), EListError);
}

TEST_F(ColumnTest, AssignCopiesSettingsButNotTheFooterValue) {
    TVgDBColumn* a = AddColumn("id");
    a->SetSortType(stDescending);
    a->SetSortCaption("1");
    a->SetBandIndex(2);
    a->SetTag(7);
    a->SetTextEllipsis(teEnd);
    a->SetFilterValue("x");
    a->FilterList()->Add("one");
    a->SetFooterType(ftSum);
    a->SetFooterText("Total: %");
    a->SetFilterable(false);
    a->SetFooterValue(Variant(12));
    TVgDBColumn* b = AddColumn("nev");
    b->Assign(a);
    EXPECT_EQ(b->SortType(), stDescending);
    EXPECT_EQ(b->SortCaption(), "1");
    EXPECT_EQ(b->BandIndex(), 2);
    EXPECT_EQ(b->Tag(), 7);
    EXPECT_EQ(b->TextEllipsis(), teEnd);
    EXPECT_EQ(b->FilterValue(), "x");
    EXPECT_EQ(b->FilterList()->Text(), a->FilterList()->Text());
    EXPECT_EQ(b->FooterType(), ftSum);
    EXPECT_EQ(b->FooterText(), "Total: %");
    EXPECT_FALSE(b->Filterable());
    EXPECT_TRUE(b->FooterValue().IsEmpty());
    EXPECT_EQ(b->FieldName(), "id");
}

TEST_F(ColumnTest, SortTypeChangeFiresOnceAndTheSameValueNotAtAll) {
    TVgDBColumn* c = AddColumn("id");
    std::vector<TColumn*> fired;
    Grid->OnSortChanged = [&](TObject*, TColumn* col) { fired.push_back(col); };
    c->SetSortType(stAscending);
    c->SetSortType(stAscending);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0], c);
}

TEST_F(ColumnTest, SetSortFieldMarksOnlyTheNamedFieldsColumn) {
    TVgDBColumn* id = AddColumn("id");
    TVgDBColumn* nev = AddColumn("nev");
    id->SetSortType(stAscending);
    Grid->SetSortField(Data->FieldByName("nev"), stDescending);
    EXPECT_EQ(id->SortType(), stNone);
    EXPECT_EQ(nev->SortType(), stDescending);
    Grid->SetSortField(nullptr, stAscending);
    EXPECT_EQ(nev->SortType(), stDescending);
    Grid->ClearSort();
    EXPECT_EQ(nev->SortType(), stNone);
}

TEST_F(ColumnTest, FilterListAssignCopiesAndNullFrees) {
    TVgDBColumn* c = AddColumn("id");
    TVgDBColumn* other = AddColumn("nev");
    other->FilterList()->Add("a");
    c->SetFilterList(other->FilterList());
    other->FilterList()->Add("b");
    EXPECT_EQ(c->FilterList()->Count(), 1);
    c->SetFilterList(nullptr);
    EXPECT_EQ(c->FilterList()->Count(), 0);
}

TEST(ProgressColumnTest, BarWidthFollowsThePosition) {
    TCollection owner([](TCollection* c) -> TCollectionItem* { return new TVgDBProgressColumn(c); });
    auto* p = static_cast<TVgDBProgressColumn*>(owner.Add());
    p->SetMin(0);
    p->SetMax(200);
    EXPECT_EQ(p->BarWidth(50, 80), 20);  // a quarter of the cell
    EXPECT_EQ(p->BarWidth(500, 80), 80); // above Max: the full width
    p->SetMax(0);
    EXPECT_EQ(p->BarWidth(50, 80), 0); // Min = Max: no bar
    EXPECT_EQ(p->InplaceEditor(), ieProgressbar);
}

TEST(PasswordColumnTest, DrawsOneMaskCharacterPerCharacter) {
    TCollection owner([](TCollection* c) -> TCollectionItem* { return new TVgDBPasswordColumn(c); });
    auto* p = static_cast<TVgDBPasswordColumn*>(owner.Add());
    EXPECT_EQ(p->PasswordChar(), '*');
    graphics::RecordingCanvasBackend* b = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(b);
    bool done = false;
    p->DrawItem(canvas.get(), Rect(0, 0, 80, 16), Variant("áb c"), clWhite, {}, done);
    EXPECT_TRUE(done);
    auto text = b->Calls("TextOut ");
    ASSERT_EQ(text.size(), 1u);
    EXPECT_NE(text[0].find("\"****\""), String::npos) << text[0];
}

class StyleTest : public GridFixture {
protected:
    void SetUp() override { Build(1); }
};

TEST_F(StyleTest, NewGridIsCustomWithTheGridColour) {
    EXPECT_EQ(Grid->GridStyle()->Style(), gsCustom);
    EXPECT_EQ(Grid->GridStyle()->OddColor(), Grid->Color());
    EXPECT_EQ(Grid->GridStyle()->EvenColor(), Grid->Color());
    EXPECT_EQ(Grid->GridStyle()->FilterColor(), clInfoBk);
    EXPECT_EQ(Grid->GridStyle()->Wallpaper()->StartColor(), 0xFFFFFFu);
    EXPECT_EQ(Grid->GridStyle()->Wallpaper()->EndColor(), 0xDDDDDDu);
}

TEST_F(StyleTest, NamedStylesSetTheirPairAndAColourMakesItCustom) {
    TVgDBGridStyle* s = Grid->GridStyle();
    s->SetStyle(gsSoftGray);
    EXPECT_EQ(s->OddColor(), 0xE4E4E4u);
    EXPECT_EQ(s->EvenColor(), 0xF5F5F5u);
    s->SetStyle(gsBrick);
    EXPECT_EQ(s->OddColor(), 0xCFDFDFu);
    s->SetOddColor(clRed);
    EXPECT_EQ(s->Style(), gsCustom);
    EXPECT_EQ(s->EvenColor(), 0xA0BFBFu);
    s->SetStyle(gsNormal);
    EXPECT_EQ(s->OddColor(), Grid->Color());
    EXPECT_EQ(s->EvenColor(), Grid->Color());
}

TEST_F(StyleTest, GroupingsTakeABoldCopyOfTheGridFont) {
    TVgGrouping* g = Grid->Groupings()->Add();
    EXPECT_TRUE(g->Font()->Style().Contains(fsBold));
    EXPECT_EQ(g->Font()->Color(), clBtnText);
    EXPECT_EQ(g->Color(), clBtnFace);
    EXPECT_EQ(Grid->Groupings()->GetOwner(), Grid.get());
}

} // namespace
