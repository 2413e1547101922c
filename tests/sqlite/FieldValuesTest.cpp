// Field values of the SQLite datasets: the typed slots behind every field type,
// dates read on private settings, text capacities and code page 1250 text.
#include "tests/sqlite/DatasetFixture.h"

#include "platform/core/DateTime.h"
#include "sqlite/TSqlite3Table.h"

using sqlitetest::DatasetFixture;

namespace {

class FieldValues : public DatasetFixture {
protected:
    void SetUp() override {
        DatasetFixture::SetUp();
        Exec("create table vals (n integer, f float, d date, t time, dt datetime, b boolean,"
             " c currency, s varchar(10), m text)");
    }
    std::unique_ptr<TSqlite3Query> Row(const String& values) {
        Exec("delete from vals");
        Exec("insert into vals (n, f, d, t, dt, b, c, s, m) values (" + values + ")");
        return OpenQuery("select * from vals");
    }
    TField* F(TSqlite3Query& q, const char* name) { return q.FieldByName(name); }
};

TEST_F(FieldValues, NumbersKeepTheirValue) {
    auto q = Row("5000000000, 2.5, null, null, null, 1, 1234567.25, 'x', 'm'");
    // Money is whole forints in integers; sums pass 32 bits.
    EXPECT_EQ(F(*q, "n")->AsLargeInt(), 5000000000LL);
    EXPECT_DOUBLE_EQ(F(*q, "f")->AsFloat(), 2.5);
    EXPECT_DOUBLE_EQ(F(*q, "c")->AsFloat(), 1234567.25);
    EXPECT_TRUE(F(*q, "b")->AsBoolean());
}

TEST_F(FieldValues, TextInNumberColumnsReadsAsZero) {
    auto q = Row("'12a', 'abc', null, null, null, 0, null, null, null");
    EXPECT_EQ(F(*q, "n")->AsInteger(), 0);
    EXPECT_FALSE(F(*q, "n")->IsNull());
    EXPECT_DOUBLE_EQ(F(*q, "f")->AsFloat(), 0.0);
    EXPECT_FALSE(F(*q, "b")->AsBoolean());
    EXPECT_TRUE(F(*q, "c")->IsNull());
}

TEST_F(FieldValues, FloatTextWithDecimalPointUnderCommaLocale) {
    // Stored as text, so the reader rather than the engine converts it.
    auto q = Row("null, '3.75', null, null, null, null, null, null, null");
    ASSERT_EQ(FormatSettings.DecimalSeparator, ",");
    EXPECT_DOUBLE_EQ(F(*q, "f")->AsFloat(), 3.75);
}

TEST_F(FieldValues, BooleanTexts) {
    EXPECT_TRUE(F(*Row("null, null, null, null, null, 'TRUE', null, null, null"), "b")->AsBoolean());
    EXPECT_FALSE(F(*Row("null, null, null, null, null, 'false', null, null, null"), "b")->AsBoolean());
    auto bad = MakeQuery("select * from vals");
    Exec("update vals set b = 'maybe'");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { bad->Open(); }), "'maybe' is not a valid boolean value");
}

TEST_F(FieldValues, DatesOfTheEngine) {
    auto q = Row("null, null, '2009-12-14', '10:20:30.500', '2009-12-14 10:20:30.123', null,"
                 " null, null, null");
    EXPECT_DOUBLE_EQ(F(*q, "d")->AsDateTime(), EncodeDate(2009, 12, 14));
    EXPECT_NEAR(F(*q, "t")->AsDateTime(), EncodeTime(10, 20, 30, 0), 1e-9);
    EXPECT_NEAR(F(*q, "dt")->AsDateTime(), EncodeDate(2009, 12, 14) + EncodeTime(10, 20, 30, 123), 1e-9);
}

TEST_F(FieldValues, NullAndEmptyDates) {
    auto q = Row("null, null, null, null, null, null, null, null, null");
    EXPECT_TRUE(F(*q, "d")->IsNull());
    EXPECT_EQ(F(*q, "d")->AsString(), "");
    // An empty text is a date of its own in the engine's format.
    auto e = Row("null, null, '', null, '', null, null, null, null");
    EXPECT_DOUBLE_EQ(F(*e, "d")->AsDateTime(), EncodeDate(1900, 1, 1));
    EXPECT_DOUBLE_EQ(F(*e, "dt")->AsDateTime(), 0.0);
}

TEST_F(FieldValues, LocaleDatesReadAnEmptyTextAsNoDate) {
    Row("null, null, '', null, null, null, null, null, null");
    auto q = MakeQuery("select d from vals");
    q->SetSQLiteDateFormat(false);
    q->Open();
    EXPECT_TRUE(q->FieldByName("d")->IsNull());
}

TEST_F(FieldValues, TableDateFormatAndFallbackForms) {
    Row("null, null, '2009.12.14.', null, null, null, null, null, null");
    auto q = MakeQuery("select d from vals");
    q->SetSQLiteDateFormat(false);
    q->SetTableDateFormat("yyyy.mm.dd.");
    q->Open();
    EXPECT_DOUBLE_EQ(q->FieldByName("d")->AsDateTime(), EncodeDate(2009, 12, 14));
    // Day-first text with dashes reads through the second form.
    auto r = Row("null, null, '14-12-2009', null, null, null, null, null, null");
    EXPECT_DOUBLE_EQ(F(*r, "d")->AsDateTime(), EncodeDate(2009, 12, 14));
}

TEST_F(FieldValues, ReadingLeavesTheProcessSettingsAlone) {
    const TFormatSettings before = FormatSettings;
    auto q = Row("null, 1.5, '2009-12-14', '10:20:30.5', '2009-12-14 10:20', null, null, null, null");
    EXPECT_TRUE(FormatSettings == before);
    Exec("update vals set d = 'nonsense'");
    OpenQuery("select * from vals");
    EXPECT_TRUE(FormatSettings == before);
}

// One foreign date used to stop the whole result: persons, registry, documents stayed empty.
TEST_F(FieldValues, UnreadableDatesShowTheirTextAndEveryRowLoads) {
    Exec("delete from vals");
    for (const char* d : {"'2009-12-14'", "'1970-02-31'", "'0000-00-00'", "'tavaly'", "null"})
        Exec("insert into vals (n, d) values (1, " + String(d) + ")");
    auto q = OpenQuery("select n, d from vals");
    ASSERT_EQ(q->RecordCount(), 5);
    // Each row: the text shown, the date read (0: refused with the stored text).
    const struct {
        const char* shown;
        TDateTime date;
    } rows[] = {{"2009.12.14.", EncodeDate(2009, 12, 14)},
                {"1970-02-31", 0},
                {"0000-00-00", 0},
                {"tavaly", 0},
                {"", 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.shown);
        TField* d = F(*q, "d");
        EXPECT_EQ(d->AsString(), r.shown);
        EXPECT_EQ(d->DisplayText(), r.shown);
        if (r.date != 0) {
            EXPECT_DOUBLE_EQ(d->AsDateTime(), r.date);
        } else if (!d->IsNull()) {
            EXPECT_EQ(ErrorOf<EConvertError>([&] { d->AsDateTime(); }),
                      "'" + String(r.shown) + "' is not a valid date");
            EXPECT_EQ(d->AsVariant().AsString(), r.shown);
        }
        EXPECT_EQ(F(*q, "n")->AsInteger(), 1);
        q->Next();
    }
    // A real date typed over the text replaces it.
    q->First();
    q->Next();
    q->Edit();
    F(*q, "d")->SetAsDateTime(EncodeDate(1970, 2, 28));
    EXPECT_EQ(F(*q, "d")->AsString(), "1970.02.28.");
    q->Cancel();
    EXPECT_EQ(F(*q, "d")->AsString(), "1970-02-31");
}

TEST_F(FieldValues, TypeLessShowsTheEngineText) {
    Row("42, 2.5, '2009-12-14', null, null, 1, null, 'abc', 'long memo text'");
    auto q = MakeQuery("select * from vals");
    q->SetTypeLess(true);
    q->Open();
    EXPECT_EQ(F(*q, "n")->DataType(), ftString);
    EXPECT_EQ(F(*q, "d")->AsString(), "2009-12-14");
    EXPECT_EQ(F(*q, "m")->AsString(), "long memo text");
}

TEST_F(FieldValues, TextIsCutToTheDeclaredSize) {
    auto q = Row("null, null, null, null, null, null, null, 'árvíztűrő tükörfúrógép', null");
    EXPECT_EQ(F(*q, "s")->AsString(), "árvíztűrő ");
    q->Edit();
    F(*q, "s")->SetAsString("Őrülten hosszú szöveg");
    EXPECT_EQ(F(*q, "s")->AsString(), "Őrülten ho");
}

TEST_F(FieldValues, WholeTextsReadPastTheDeclaredSize) {
    Exec("create table longs (s varchar(10), n integer)");
    const String text = String(150, 'x') + "árvíztűrő tükörfúrógép" + String(150, 'y'); // 322 characters
    Exec("insert into longs values ('" + text + "', 12)");
    for (const bool typeLess : {false, true}) {
        SCOPED_TRACE(typeLess ? "typeless" : "typed");
        auto q = MakeQuery("select s, s || '' as e, n from longs");
        q->SetTypeLess(typeLess);
        q->SetWholeTexts(true);
        q->Open();
        EXPECT_EQ(F(*q, "s")->AsString(), text);
        EXPECT_EQ(F(*q, "s")->Size(), 10);       // the declared size still sizes the field
        EXPECT_EQ(F(*q, "e")->AsString(), text); // an expression, past its 255
        EXPECT_EQ(F(*q, "n")->AsInteger(), 12);
        q->Edit(); // and its fields take a text past the size whole
        F(*q, "s")->SetAsString(text + "ő");
        EXPECT_EQ(F(*q, "s")->AsString(), text + "ő");
        q->Cancel();
    }
}

TEST_F(FieldValues, EmptyTextReadsBackEmpty) {
    auto q = Row("null, null, null, null, null, null, null, 'old', null");
    q->Edit();
    F(*q, "s")->SetAsString("");
    EXPECT_EQ(F(*q, "s")->AsString(), "");
    EXPECT_FALSE(F(*q, "s")->IsNull());
    F(*q, "s")->Clear();
    EXPECT_TRUE(F(*q, "s")->IsNull());
}

TEST_F(FieldValues, CodePage1250RoundTrip) {
    TSqlite3Table table(nullptr);
    table.SetConnection(&DB());
    table.SetTableName("ikt_mod");
    table.Open();
    table.Append();
    table.FieldByName("nev")->SetAsString("ŐőŰű Kovács");
    table.Post();
    EXPECT_EQ(Scalar("select hex(nev) from ikt_mod"), "D5F5DBFB204B6F76E16373");
    table.Close();
    table.Open();
    EXPECT_EQ(table.FieldByName("nev")->AsString(), "ŐőŰű Kovács");
}

class LocateRows : public DatasetFixture {
protected:
    void SetUp() override {
        DatasetFixture::SetUp();
        for (const char* name : {"Szabó", "Kovács", "Nagy", "kovácsné"})
            Exec(String("insert into ikt_mod (nev) values ('") + name + "')");
        FQuery = OpenQuery("select sorszam, nev from ikt_mod order by sorszam");
    }
    std::unique_ptr<TSqlite3Query> FQuery;
};

TEST_F(LocateRows, PartialCaseInsensitiveKey) {
    EXPECT_TRUE(FQuery->Locate("nev", Variant("kov"), {loPartialKey, loCaseInsensitive}));
    EXPECT_EQ(FQuery->FieldByName("nev")->AsString(), "Kovács");
    EXPECT_EQ(FQuery->RecNo(), 2);
}

TEST_F(LocateRows, WholeKeyWithoutPartialOption) {
    EXPECT_FALSE(FQuery->Locate("nev", Variant("kov"), {loCaseInsensitive}));
    EXPECT_TRUE(FQuery->Locate("nev", Variant("KOVÁCSNÉ"), {loCaseInsensitive}));
    EXPECT_EQ(FQuery->RecNo(), 4);
    EXPECT_FALSE(FQuery->Locate("nev", Variant("nagy"), {}));
}

TEST_F(LocateRows, FailedSearchEndsOnTheLastRow) {
    FQuery->SetRecNo(1);
    EXPECT_FALSE(FQuery->Locate("nev", Variant("Kiss"), {}));
    EXPECT_EQ(FQuery->RecNo(), 4);
}

TEST_F(LocateRows, SeveralKeys) {
    EXPECT_TRUE(FQuery->Locate("sorszam;nev", std::vector<Variant>{Variant(3), Variant("Nagy")}, {}));
    EXPECT_EQ(FQuery->RecNo(), 3);
    EXPECT_FALSE(FQuery->Locate("sorszam;nev", std::vector<Variant>{Variant(3), Variant("Szabó")}, {}));
}

TEST_F(LocateRows, LookupAnswersTheValueOrAnEmptyText) {
    Variant found = FQuery->Lookup("nev", Variant("Nagy"), "sorszam");
    EXPECT_EQ(found.AsInteger(), 3);
    EXPECT_EQ(FQuery->RecNo(), 3);
    Variant missing = FQuery->Lookup("nev", Variant("Kiss"), "sorszam");
    EXPECT_FALSE(missing.IsNull());
    EXPECT_EQ(missing.AsString(), "");
}

TEST_F(LocateRows, LookupOfSeveralResultFieldsAnswersEveryValue) {
    const Variant found = FQuery->Lookup("nev", Variant("Nagy"), "sorszam;nev");
    ASSERT_TRUE(VarIsArray(found));
    ASSERT_EQ(found.ArrayCount(), 2);
    EXPECT_EQ(found[0].AsInteger(), 3);
    EXPECT_EQ(found[1].AsString(), "Nagy");
    EXPECT_EQ(FQuery->RecNo(), 3);
}

} // namespace
