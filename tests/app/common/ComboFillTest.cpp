#include "app/common/ComboFill.h"

#include "tests/app/OfficeDbFixture.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TStringList.h"
#include "platform/ui/TComboBox.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

const char* const ActiveCases =
    "SELECT sorszam, nev FROM ugy WHERE status=1 ORDER BY nev COLLATE systemnocase";

class ComboFill : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        FQuery = std::make_unique<TSqlite3Query>(nullptr);
        FQuery->SetConnection(&DB());
        FQuery->SetRawSQL(true);
    }
    void TearDown() override {
        FQuery.reset();
        OfficeDbFixture::TearDown();
    }

    static std::vector<String> Items(const TStringList& list) {
        std::vector<String> items;
        for (Integer i = 0; i < list.Count(); ++i)
            items.push_back(list[i]);
        return items;
    }

    std::unique_ptr<TSqlite3Query> FQuery;
    TStringList FFirst;
    TStringList FSecond;
    std::vector<Integer> FKeys{99, 98};
};

TEST_F(ComboFill, ListsActiveCasesInAlphabeticalOrderWithTheirKeys) {
    const Integer zarlat = AddCase("zárlat", "2009-01-01");
    const Integer odon = AddCase("Ödön ügye", "2009-01-02");
    const Integer closed = AddCase("Lezárt", "2009-01-03");
    const Integer csaba = AddCase("Csaba", "2009-01-04");
    const Integer olga = AddCase("olga", "2009-01-05");
    const Integer cukor = AddCase("Cukor Kft.", "2009-01-06");
    Exec("UPDATE ugy SET status=0 WHERE sorszam=" + std::to_string(closed));
    FFirst.Add("régi");

    app::LoadKeyedNames(*FQuery, ActiveCases, FKeys, {&FFirst, &FSecond});

    // cs follows c, ö follows o, and case does not count.
    const std::vector<String> names = {"Cukor Kft.", "Csaba", "olga", "Ödön ügye", "zárlat"};
    EXPECT_EQ(Items(FFirst), names);
    EXPECT_EQ(Items(FSecond), names);
    EXPECT_EQ(FKeys, (std::vector<Integer>{cukor, csaba, olga, odon, zarlat}));
    EXPECT_FALSE(FQuery->Active());
}

TEST_F(ComboFill, NoActiveCaseLeavesListsAndKeysEmpty) {
    Exec("UPDATE ugy SET status=0 WHERE sorszam=" + std::to_string(AddCase("a", "2009-01-01")));
    FFirst.Add("régi");
    app::LoadKeyedNames(*FQuery, ActiveCases, FKeys, {&FFirst, &FSecond});
    EXPECT_EQ(FFirst.Count(), 0);
    EXPECT_EQ(FSecond.Count(), 0);
    EXPECT_TRUE(FKeys.empty());
    EXPECT_FALSE(FQuery->Active());
}

TEST_F(ComboFill, AFailingStatementLeavesEverythingEmptyAndTheQueryClosed) {
    AddCase("a", "2009-01-01");
    FFirst.Add("régi");
    const String sql = "SELECT sorszam, nev FROM nincsilyen";
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { app::LoadKeyedNames(*FQuery, sql, FKeys, {&FFirst}); }),
              "no such table: nincsilyen\n\n" + sql);
    EXPECT_EQ(FFirst.Count(), 0);
    EXPECT_TRUE(FKeys.empty());
    EXPECT_FALSE(FQuery->Active());
}

TEST_F(ComboFill, SharedNamesShowInEveryBoxInTheStatementsOrder) {
    const Integer zarlat = AddCase("zárlat", "2009-01-01");
    const Integer csaba = AddCase("Csaba", "2009-01-02");
    const Integer cukor = AddCase("Cukor Kft.", "2009-01-03");
    TComboBox first(nullptr);
    TComboBox second(nullptr);
    first.Items()->Add("régi");
    first.SetItemIndex(0);

    app::ShareKeyedNames(*FQuery, ActiveCases, FKeys, {&first, nullptr, &second});

    for (TComboBox* box : {&first, &second}) {
        ASSERT_EQ(box->Items()->Count(), 3);
        EXPECT_EQ(box->Items()->Strings(1), "Csaba");
        EXPECT_EQ(box->ItemIndex(), -1);
    }
    EXPECT_EQ(FKeys, (std::vector<Integer>{cukor, csaba, zarlat}));
    EXPECT_FALSE(FQuery->Active());

    const String sql = "SELECT sorszam, nev FROM nincsilyen";
    EXPECT_THROW(app::ShareKeyedNames(*FQuery, sql, FKeys, {&first}), EDatabaseError);
    EXPECT_EQ(first.Items()->Count(), 0);
    EXPECT_EQ(second.Items()->Count(), 3);
    EXPECT_TRUE(FKeys.empty());
    EXPECT_FALSE(FQuery->Active());
}

} // namespace
} // namespace apptest
