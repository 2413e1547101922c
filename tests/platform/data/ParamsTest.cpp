#include "platform/core/Exceptions.h"
#include "platform/core/TComponent.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/data/TParams.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

namespace {

std::vector<String> ParamNames(const TParams& params) {
    std::vector<String> names;
    for (Integer i = 0; i < params.Count(); ++i)
        names.push_back(params[i]->Name());
    return names;
}

} // namespace

TEST(ParseSQL, NamesBecomePlaceholdersInOrder) {
    // Each row: statement, text after parsing, parameter names.
    struct Case {
        const char* sql;
        const char* parsed;
        std::vector<String> names;
    };
    const Case cases[] = {
        {"select * from ugy where sorszam=:id", "select * from ugy where sorszam=?", {"id"}},
        {"update t set a=:a,b=:b where c=:c", "update t set a=?,b=? where c=?", {"a", "b", "c"}},
        {"x in (:lo, :hi);", "x in (?, ?);", {"lo", "hi"}},
        {"a=:p\r\nand b=:q\tor c=:r", "a=?\r\nand b=?\tor c=?", {"p", "q", "r"}},
        {"a=:első", "a=?", {"első"}}, // accented names stay whole
        {"a>=:x+1", "a>=?+1", {"x"}},
        {"a = :\"két szó\"", "a = ?", {"két szó"}},
        {"a=:p and b=:p", "a=? and b=?", {"p", "p"}},
    };
    for (const Case& c : cases) {
        TParams params;
        EXPECT_EQ(params.ParseSQL(c.sql, true), c.parsed) << c.sql;
        EXPECT_EQ(ParamNames(params), c.names) << c.sql;
    }
}

TEST(ParseSQL, QuotedLiteralsAreLeftAlone) {
    struct Case {
        const char* sql;
        const char* parsed;
        size_t count;
    };
    const Case cases[] = {
        // a time inside single quotes is text, not a parameter
        {"select '12:30' from t where a=:a", "select '12:30' from t where a=?", 1},
        // strftime formats with colons inside double quotes
        {"strftime(\"%H:%M\", ido) as k, :p", "strftime(\"%H:%M\", ido) as k, ?", 1},
        // a double quote inside a single-quoted literal does not end it
        {"where nev='a\"b:c' and x=:x", "where nev='a\"b:c' and x=?", 1},
        // doubled quotes inside a literal
        {"where nev='O''Neil :x' and y=:y", "where nev='O''Neil :x' and y=?", 1},
        // "::" is a literal colon
        {"select a::int, :p", "select a:int, ?", 1},
        // a colon followed by nothing name-like stays
        {"select 1 : 2", "select 1 : 2", 0},
        {"ends with :", "ends with :", 0},
    };
    for (const Case& c : cases) {
        TParams params;
        EXPECT_EQ(params.ParseSQL(c.sql, true), c.parsed) << c.sql;
        EXPECT_EQ(static_cast<size_t>(params.Count()), c.count) << c.sql;
    }
}

TEST(ParseSQL, WithoutCreateKeepsTheList) {
    TParams params;
    params.CreateParam(ftInteger, "regi", ptInput);
    EXPECT_EQ(params.ParseSQL("a=:uj", false), "a=?");
    EXPECT_EQ(ParamNames(params), (std::vector<String>{"regi"}));
}

TEST(Params, ValuesAndTypes) {
    TParams params;
    TParam* p = params.Add();
    p->SetName("id");
    EXPECT_TRUE(p->IsNull());
    EXPECT_FALSE(p->Bound());
    EXPECT_EQ(p->AsString(), "");
    p->SetAsInteger(12);
    EXPECT_EQ(p->DataType(), ftInteger);
    EXPECT_EQ(p->AsString(), "12");
    EXPECT_TRUE(p->Bound());
    p->SetAsString("Kovács");
    EXPECT_EQ(p->DataType(), ftString);
    p->Clear();
    EXPECT_TRUE(p->IsNull());
    EXPECT_EQ(p->DataType(), ftString);
    TParam* q = params.Add();
    q->SetValue(Variant(2.5)); // an untyped parameter takes the value's type
    EXPECT_EQ(q->DataType(), ftFloat);
    q->SetAsBoolean(true);
    EXPECT_TRUE(q->AsBoolean());
    EXPECT_EQ(q->DataType(), ftBoolean);
}

TEST(Params, ParamByNameIgnoresCaseAndNamesTheOwner) {
    TComponent owner(nullptr);
    owner.SetName("Query5");
    TParams params(&owner);
    params.CreateParam(ftString, "Nev", ptInput);
    EXPECT_EQ(params.ParamByName("NEV"), params[0]);
    EXPECT_EQ(params.FindParam("kor"), nullptr);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { params.ParamByName("kor"); }),
              "Query5: Parameter 'kor' not found");
    EXPECT_EQ(ErrorOf<EListError>([&] { params.Items(1); }), "List index out of bounds (1)");
}

TEST(Params, AssignValuesCopiesByName) {
    TParams target;
    target.ParseSQL("a=:a and b=:b", true);
    TParams source;
    source.CreateParam(ftInteger, "B", ptInput)->SetAsInteger(7);
    source.CreateParam(ftInteger, "c", ptInput)->SetAsInteger(8);
    target.AssignValues(source);
    EXPECT_TRUE(target[0]->IsNull());
    EXPECT_EQ(target[1]->AsInteger(), 7);
    EXPECT_EQ(target[1]->Name(), "b");
    EXPECT_EQ(target.Count(), 2);
}

TEST(Params, AssignCopiesEveryParameterAndRemoveDeletes) {
    TParams source;
    source.CreateParam(ftDate, "nap", ptInput)->SetAsDate(45000);
    TParams copy;
    copy.Assign(&source);
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy[0]->DataType(), ftDate);
    EXPECT_DOUBLE_EQ(copy[0]->AsDateTime(), 45000);
    copy.RemoveParam(copy[0]);
    EXPECT_EQ(copy.Count(), 0);
}

TEST(Params, AssignFieldTakesNameTypeAndValue) {
    TMemDataSet ds;
    ds.FieldDefs()->Add("sorszam", ftInteger);
    ds.AppendRow({Int64(12)});
    ds.Open();
    TParam param;
    param.AssignField(ds.FieldByName("sorszam"));
    EXPECT_EQ(param.Name(), "sorszam");
    EXPECT_EQ(param.DataType(), ftInteger);
    EXPECT_EQ(param.AsInteger(), 12);
}
