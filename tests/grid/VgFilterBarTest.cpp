#include "grid/TFilterComboBox.h"
#include "grid/VgFilterMatch.h"

#include "tests/grid/CaseDatabase.h"
#include "tests/grid/GridFixture.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/ui/VirtualKeys.h"

using namespace gridtest;

namespace {

TEST(FilterFold, UpperAccentCase) {
    struct Row {
        const char* In;
        const char* Out;
    } rows[] = {
        {"abz", "ABZ"},                         // ASCII letters to capitals
        {"Ábc éÉ íÍ óÓ úÚ", "ABC EE II OO UU"}, // acute accents drop
        {"öüőű", "ÖÜŐŰ"},                       // the long and umlaut vowels keep their accents
        {"ÖÜŐŰ", "ÖÜŐŰ"},                       // their capitals stay
        {"ñń", "ÑŃ"},                           // the one letter of the old table
        {"ß 1-2 ä", "ß 1-2 ä"},                 // everything else unchanged
        {"", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(UpperAccentCase(r.In), r.Out) << r.In;
}

TEST(FilterFold, Matching) {
    struct Row {
        const char* Filter;
        const char* Text;
        bool Numeric;
        bool Match;
    } rows[] = {
        {"*", "bármi", false, true}, // one asterisk: empty pattern, every record
        {"", "x", true, true},       // no condition
        {"12", "12", true, true},    // numeric: exact
        {"12", "112", true, false},  // numeric without asterisk: no substring
        {"12*", "112", true, true},  // the asterisk makes it a substring test
        {"*12", "120", true, true},   {"ab", "xABy", false, true}, // text: folded substring
        {"ab", "Ábc", false, true},                                // accent folded on the text side
        {"ob", "öb", false, false},                                // ö is never o
        {"ö", "Ö", false, true},                                   // ö and Ö fold together
        {"ű", "Ű", false, true},      {"u", "ű", false, false},
        {"a*b*", "ab*", false, true}, // only the first asterisk is removed
        {"a*b*", "ab", false, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(vg::FilterMatches(r.Filter, r.Text, r.Numeric), r.Match) << r.Filter << " / " << r.Text;
}

class FilterBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        Query = Db.OpenCases();
        Source.SetDataSet(Query);
        Grid.SetBounds(0, 0, 500, 300);
        Grid.SetDataSource(&Source);
        Grid.SetExOptions(Grid.ExOptions() + TExOptions{eoShowFilterBar});
        Grid.OnFilterChanged = [this](TObject*) { ++Changed; };
    }
    TVgDBColumn* Column(const String& Name) {
        for (Integer i = 0; i < Grid.GetColumns()->Count(); ++i)
            if (Grid.GetColumns()->GetColumn(i)->FieldName() == Name) return Grid.GetColumns()->GetColumn(i);
        return nullptr;
    }
    std::vector<String> Names() {
        std::vector<String> out;
        for (Query->First(); !Query->Eof(); Query->Next())
            out.push_back(Query->FieldByName("nev")->AsString());
        return out;
    }
    // Types Text into the filter box of a column and presses Enter.
    void Commit(const String& Name, const String& Text) {
        Grid.SetSelectedIndex(Column(Name)->Index());
        Grid.FocusFilterBar();
        ASSERT_TRUE(Grid.FilterCombo()->Visible());
        Grid.FilterCombo()->SetText(Text);
        Word key = VK_RETURN;
        Grid.FilterCombo()->OnKeyDown(Grid.FilterCombo(), key, TShiftState{});
    }

    CaseDatabase Db{30};
    TSqlite3Query* Query = nullptr;
    TDataSource Source{nullptr};
    TProbeGrid Grid{nullptr};
    int Changed = 0;
};

TEST_F(FilterBarTest, FiltersTheQueryByHungarianText) {
    Commit("nev", "ügy 2");
    std::vector<String> names = Names();
    // "Ügy 2" and "Ügy 20" .. "Ügy 29": the typed ü matches the stored Ü.
    ASSERT_EQ(names.size(), 11u);
    EXPECT_EQ(names.front(), "Ügy 2");
    EXPECT_TRUE(Query->Filtered());
    EXPECT_EQ(Changed, 1);
    EXPECT_EQ(Column("nev")->FilterValue(), "ügy 2");
}

TEST_F(FilterBarTest, NumericColumnsMatchExactlyUnlessStarred) {
    Column("ev")->SetFilterValue("2001");
    Grid.ApplyFilter();
    EXPECT_EQ(Names(), (std::vector<String>{"Ügy 1", "Ügy 21"}));
    Column("ev")->SetFilterValue("201*");
    Grid.ApplyFilter();
    EXPECT_EQ(Names().size(), 11u); // 2010 .. 2019 (and 2010 again for case 30)
}

TEST_F(FilterBarTest, ColumnsAreAndedAndTheApplyEventMayOverrule) {
    Column("nev")->SetFilterValue("1");
    Column("ev")->SetFilterValue("2010");
    Grid.ApplyFilter();
    EXPECT_EQ(Names(), (std::vector<String>{"Ügy 10"}));
    std::vector<String> asked;
    Grid.OnFilterApply = [&](TObject*, TField* Field, const String& Filter, bool& Accept) {
        asked.push_back(Field->FieldName() + "=" + Filter);
        if (Field->FieldName() == "ev") Accept = true;
    };
    Grid.ApplyFilter();
    EXPECT_EQ(Names().size(), 12u);      // every "1" name, whatever the year
    EXPECT_EQ(asked.front(), "ev=2010"); // columns in grid order
}

TEST_F(FilterBarTest, ANonFilterableColumnIsIgnoredButStillTurnsFilteringOn) {
    Column("nev")->SetFilterable(false);
    Column("nev")->SetFilterValue("nincs ilyen");
    EXPECT_FALSE(Grid.FilterIsEmpty());
    Grid.ApplyFilter();
    EXPECT_TRUE(Query->Filtered());
    EXPECT_EQ(Names().size(), 30u);
}

TEST_F(FilterBarTest, WithoutAutoApplyOnlyTheEventFires) {
    Grid.SetExOptions(Grid.ExOptions() - TExOptions{eoFilterAutoApply});
    Commit("nev", "Ügy 3");
    EXPECT_EQ(Changed, 1);
    EXPECT_FALSE(Query->Filtered());
    EXPECT_EQ(Names().size(), 30u);
}

TEST_F(FilterBarTest, CommittingTheSameValueDoesNothing) {
    Commit("nev", "3");
    Commit("nev", "3");
    EXPECT_EQ(Changed, 1);
}

TEST_F(FilterBarTest, ClearFilterShowsEveryRecord) {
    Commit("nev", "3");
    Grid.ClearFilter();
    EXPECT_TRUE(Grid.FilterIsEmpty());
    EXPECT_FALSE(Query->Filtered());
    EXPECT_FALSE(Grid.FilterCombo()->Visible());
    EXPECT_EQ(Names().size(), 30u);
}

TEST_F(FilterBarTest, TheListIsSortedBeforeTheCurrentValueIsPicked) {
    TVgDBColumn* c = Column("nev");
    c->FilterList()->Add("Ügy 3");
    c->FilterList()->Add("Ügy 1");
    c->FilterList()->Add("Ügy 2");
    c->SetFilterValue("Ügy 3");
    Grid.SetSelectedIndex(c->Index());
    Grid.FocusFilterBar();
    TFilterComboBox* combo = Grid.FilterCombo();
    ASSERT_EQ(combo->Items()->Count(), 4); // an empty entry first
    EXPECT_EQ(combo->Items()->Strings(0), "");
    EXPECT_EQ(combo->Items()->Strings(combo->ItemIndex()), "Ügy 3");
    EXPECT_EQ(combo->Style(), csDropDown);
}

TEST_F(FilterBarTest, ATitleClickIsIgnoredWhileTheBoxIsOpen) {
    int clicks = 0;
    Grid.OnTitleClick = [&](TColumn*) { ++clicks; };
    Grid.SetSelectedIndex(Column("nev")->Index());
    Grid.FocusFilterBar();
    ASSERT_TRUE(Grid.FilterComboVisible());
    Grid.ClickTitle(Column("nev"));
    EXPECT_EQ(clicks, 0);
}

// The grid's record test goes with the grid: the dataset gets back the test it had,
// and filtering it later never calls into the grid that is gone.
TEST_F(FilterBarTest, TheRecordTestGoesWithTheGrid) {
    const struct {
        const char* Why;
        bool OwnTest;
        size_t Records;
    } rows[] = {
        {"its own test comes back", true, 15}, // even numbers
        {"no test of its own: every record", false, 30},
    };
    for (const auto& row : rows) {
        Query->OnFilterRecord = nullptr;
        if (row.OwnTest)
            Query->OnFilterRecord = [](TDataSet* DataSet, bool& Accept) {
                Accept = DataSet->FieldByName("szam")->AsInteger() % 2 == 0;
            };
        auto grid = std::make_unique<TVgDBGrid>(nullptr);
        grid->SetDataSource(&Source);
        for (Integer i = 0; i < grid->GetColumns()->Count(); ++i)
            if (grid->GetColumns()->GetColumn(i)->FieldName() == "nev")
                grid->GetColumns()->GetColumn(i)->SetFilterValue("Ügy 1");
        grid->ApplyFilter();
        ASSERT_EQ(Names().size(), 11u) << row.Why; // 1, 10 .. 19
        grid.reset();
        EXPECT_EQ(Names().size(), row.Records) << row.Why;
    }
    // A dataset freed before the grid is not touched when the grid goes.
    auto other = std::make_unique<TSqlite3Query>(nullptr);
    other->SetConnection(&Db.Db);
    other->SQL()->SetText("select sorszam, nev from ugy");
    other->Open();
    TDataSource otherSource(nullptr);
    otherSource.SetDataSet(other.get());
    auto grid = std::make_unique<TVgDBGrid>(nullptr);
    grid->SetDataSource(&otherSource);
    grid->GetColumns()->GetColumn(1)->SetFilterValue("Ügy 2");
    grid->ApplyFilter();
    EXPECT_TRUE(other->Filtered());
    other.reset();
    grid.reset();
}

class FilterEditTest : public GridFixture {};

TEST_F(FilterEditTest, PendingEditsArePostedFirst) {
    Build(5);
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoShowFilterBar});
    Data->Edit();
    Data->FieldByName("nev")->SetAsString("Ügy 99");
    Grid->GetColumns()->GetColumn(1)->SetFilterValue("99");
    Grid->ApplyFilter();
    EXPECT_EQ(Data->State(), dsBrowse);
    EXPECT_EQ(Data->FieldByName("nev")->AsString(), "Ügy 99");
}

} // namespace
