#include "report/script/detail/TrpStdFunctionLibrary.h"

#include "tests/report/ShowValue.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "platform/data/TDataLink.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/ui/DialogHook.h"
#include "report/script/detail/FunctionHost.h"
#include "report/views/TrpBandView.h"
#include "report/script/detail/TrpParser.h"
#include "report/build/TrpReport.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/detail/rpRegistry.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct FakeBand : report::AggregateBand {
    FakeBand(Integer type, String name) : Type(type), Name(std::move(name)) {}
    Integer BandType() const override { return Type; }
    bool BandVisible() const override { return Visible; }
    String BandName() const override { return Name; }
    TStringList* AggregateValues() override { return &Values; }
    Integer AggregateCount() const override { return Count; }

    Integer Type;
    String Name;
    bool Visible = true;
    TStringList Values;
    Integer Count = 0;
};

struct FakeHost : report::FunctionHost {
    report::AggregateBand* AggregationBand() override { return Aggregation; }
    report::AggregateBand* CurrentBand() override { return Current; }
    Integer CurrentColumn() const override { return Column; }
    bool MultiColumn() const override { return Multi; }

    FakeBand* Aggregation = nullptr;
    FakeBand* Current = nullptr;
    Integer Column = 1;
    bool Multi = false;
};

// A band engine in miniature: rows are printed by a master data band and accumulated by
// a footer, then the footer prints.
struct Build {
    TrpParser Parser;
    TrpStdFunctionLibrary Library;
    FakeHost Host;
    FakeBand Data{5, "MasterData1"};
    FakeBand Footer{btMasterFooter, "MasterFooter1"};
    Variant Row;

    Build() {
        Library.SetParser(&Parser);
        Library.SetHost(&Host);
        Parser.OnGetValue = [this](const String& name, Variant& v) {
            if (name == "x") v = Row;
        };
        Parser.OnFunction = [this](const String& name, const Variant& p1, const Variant& p2,
                                   const Variant& p3,
                                   String& val) { Library.OnFunction(name, p1, p2, p3, val); };
    }

    // One printed row: marks reset, footer invisible while its expressions run.
    void Accumulate(const Variant& value, const std::vector<String>& exprs, bool dataVisible = true) {
        Row = value;
        for (Integer k = 0; k < Footer.Values.Count(); ++k) {
            String line = Footer.Values[k];
            const auto eq = line.find('=');
            if (eq != String::npos && eq + 1 < line.size()) line[eq + 1] = '0';
            Footer.Values.Put(k, line);
        }
        Data.Visible = dataVisible;
        Host.Current = &Data;
        Host.Aggregation = &Footer;
        Footer.Visible = false;
        for (const String& e : exprs)
            Parser.Calc(e);
        Footer.Visible = true;
        ++Footer.Count;
    }

    String Print(const String& expr) {
        Host.Current = &Footer;
        Host.Aggregation = &Footer;
        return ShowValue(Parser.Calc(expr));
    }
};

struct AggregateCase {
    const char* Expr;
    const char* Expected;
};

class BandAggregateTest : public ::testing::TestWithParam<AggregateCase> {};

TEST_P(BandAggregateTest, OverThreeRows) {
    Build b;
    for (int v : {1, 2, 3})
        b.Accumulate(v, {GetParam().Expr});
    EXPECT_EQ(b.Print(GetParam().Expr), GetParam().Expected) << GetParam().Expr;
}

INSTANTIATE_TEST_SUITE_P(
    StdFunctions, BandAggregateTest,
    ::testing::Values(AggregateCase{"SUM([x])", "6"},                    //
                      AggregateCase{"AVG([x])", "2"},                    // sum by the count
                      AggregateCase{"MIN([x])", "1"},                    //
                      AggregateCase{"MAX([x])", "3"},                    //
                      AggregateCase{"COUNT(MasterData1)", "3"},          // rows of that band
                      AggregateCase{"sum([x], masterdata1)", "6"},       // band named, any case
                      AggregateCase{"SUM([x], DetailData1)", "(empty)"}, // other band: nothing
                      AggregateCase{"SUM([x] * 2) + 1", "13"}));         // result parsed again

TEST(StdFunctions, OneFooterHoldingTheSameSumTwiceCountsEachRowOnce) {
    Build b;
    for (int v : {1, 2, 3})
        b.Accumulate(v, {"SUM([x])", "SUM([x])"});
    EXPECT_EQ(b.Print("SUM([x])"), "6");
}

TEST(StdFunctions, HiddenRowsAreLeftOutUnlessTheFlagIsOne) {
    // Both spellings share one accumulator (the key is the name and the first argument),
    // so each runs in a build of its own.
    for (const auto& [expr, expected] : {std::pair{"SUM([x])", "4"}, std::pair{"SUM([x], , 1)", "6"}}) {
        Build b;
        b.Accumulate(1, {expr});
        b.Accumulate(2, {expr}, false);
        b.Accumulate(3, {expr});
        EXPECT_EQ(b.Print(expr), expected) << expr;
    }
}

TEST(StdFunctions, NullValuesCountAsZero) {
    Build b;
    for (const Variant& v : {Variant(4), Null, Variant(2)})
        b.Accumulate(v, {"MIN([x])", "COUNT(MasterData1)"});
    EXPECT_EQ(b.Print("MIN([x])"), "0");
    EXPECT_EQ(b.Print("COUNT(MasterData1)"), "3");
}

TEST(StdFunctions, AnAggregateOutsideAFooterGivesZero) {
    Build b;
    b.Footer.Type = 5; // a data band
    b.Accumulate(7, {"SUM([x])"});
    EXPECT_EQ(b.Print("SUM([x])"), "0");
}

TEST(StdFunctions, AverageOfNoRowsIsZero) {
    Build b;
    EXPECT_EQ(b.Print("AVG([x])"), "0");
    EXPECT_EQ(b.Print("SUM([x])"), "(empty)"); // sums of no rows print nothing, as stored
}

TEST(StdFunctions, MultiColumnKeysCarryTheColumn) {
    Build b;
    b.Host.Multi = true;
    b.Host.Column = 2;
    b.Accumulate(5, {"SUM([x])"});
    EXPECT_EQ(b.Footer.Values.Values("SUM[x]2"), "15");
    b.Footer.Type = btCrossFooter;
    b.Accumulate(5, {"SUM([x])"});
    EXPECT_EQ(b.Footer.Values.Values("SUM[x]00"), "15");
}

// The dataset is found by name among the components of the form that holds the report.
struct DataSetFixture {
    TComponent form{nullptr};
    TMemDataSet* ds = new TMemDataSet(&form);
    TrpReport* report = new TrpReport(&form);
    Build b;
    DataSetFixture() {
        ds->SetName("Query1");
        ds->FieldDefs()->Add("x", ftFloat);
        for (const TFieldData& v : {TFieldData(1.0), TFieldData(), TFieldData(2.0), TFieldData(3.0)})
            ds->AppendRow({v});
        ds->Open();
        CurReport = report;
        b.Host.Aggregation = &b.Footer;
        b.Host.Current = &b.Footer;
    }
    ~DataSetFixture() { CurReport = nullptr; }
};

class DataSetAggregateTest : public ::testing::TestWithParam<AggregateCase> {};

TEST_P(DataSetAggregateTest, WalksTheDatasetAndReturnsToItsRecord) {
    DataSetFixture f;
    f.ds->First();
    f.ds->Next();
    f.ds->Next();
    EXPECT_EQ(ShowValue(f.b.Parser.Calc(GetParam().Expr)), GetParam().Expected) << GetParam().Expr;
    EXPECT_EQ(f.ds->RecNo(), 3);
}

INSTANTIATE_TEST_SUITE_P(StdFunctions, DataSetAggregateTest,
                         ::testing::Values(AggregateCase{"SUM(Query1.x)", "6"},   //
                                           AggregateCase{"MIN(Query1.x)", "0"},   // a null takes part as 0
                                           AggregateCase{"MAX(Query1.x)", "3"},   //
                                           AggregateCase{"AVG(Query1.x)", "1.5"}, // null rows count
                                           AggregateCase{"COUNT(Query1)", "4"})); //

struct ScrollCounter : TDataLink {
    void DataSetChanged() override { ++Changes; }
    Integer Changes = 0;
};

TEST(StdFunctions, ControlsOnTheDatasetSeeNothingOfTheWalk) {
    DataSetFixture f;
    TDataSource source(nullptr);
    source.SetDataSet(f.ds);
    ScrollCounter link;
    link.SetDataSource(&source);
    f.ds->Next();
    link.Changes = 0;
    EXPECT_EQ(ShowValue(f.b.Parser.Calc("SUM(Query1.x)")), "6");
    EXPECT_LE(link.Changes, 1); // at most the one notice when controls come back
    EXPECT_EQ(f.ds->RecNo(), 2);
    link.SetDataSource(nullptr);
}

TEST(StdFunctions, DatasetAggregateWaitsForAVisibleBand) {
    DataSetFixture f;
    f.b.Footer.Visible = false;
    EXPECT_EQ(ShowValue(f.b.Parser.Calc("SUM(Query1.x)")), "0");
}

class TextFunctionTest : public ::testing::TestWithParam<AggregateCase> {};

TEST_P(TextFunctionTest, Evaluates) {
    Build b;
    EXPECT_EQ(ShowValue(b.Parser.Calc(GetParam().Expr)), GetParam().Expected) << GetParam().Expr;
}

INSTANTIATE_TEST_SUITE_P(
    StdFunctions, TextFunctionTest,
    ::testing::Values(AggregateCase{"NAMECASE('jOHN sMITH')", "'John smith'"}, // only the first is raised
                      AggregateCase{"NAMECASE('')", "''"},                     // empty stays a literal
                      AggregateCase{"NAMECASE('ésik')", "'Ésik'"},             // locale case
                      AggregateCase{"UPPERCASE('it''s')", "'IT'S'"},           // inner quote survives
                      AggregateCase{"LOWERCASE('ÁRVÍZ')", "'árvíz'"},          //
                      AggregateCase{"FORMATFLOAT('0.00', 2.5)", "'2,50'"},     // locale separator
                      AggregateCase{"FORMATDATETIME('yyyy.mm.dd', 37653)", "'2003.02.01'"},
                      AggregateCase{"STRTODATE('2003.02.01.')", "date 2003-02-01 00:00"}, // back through %d
                      AggregateCase{"STRTOTIME('10:30')", "date 1899-12-30 10:30"},       // and %t
                      AggregateCase{"UPPERCASE([nothing])", "''"}));                      // null-free empty

TEST(StdFunctions, ConversionErrorsPropagate) {
    Build b;
    EXPECT_EQ(ErrorOf<Exception>([&] { b.Parser.Calc("FORMATFLOAT('0', 'abc')"); }),
              "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<Exception>([&] { b.Parser.Calc("STRTODATE(5)"); }), "Invalid variant type conversion");
}

TEST(StdFunctions, InputAsksWithPromptAndDefault) {
    Build b;
    ui::DialogRequest seen;
    DialogRecorder dialogs([&](const ui::DialogRequest& r) {
        seen = r;
        return ui::DialogAnswer{1, "Kovács"};
    });
    EXPECT_EQ(ShowValue(b.Parser.Calc("INPUT('Név?', 'x')")), "'Kovács'");
    EXPECT_EQ(seen.Kind, ui::DialogKind::InputBox);
    EXPECT_EQ(seen.Caption, "");
    EXPECT_EQ(seen.Text, "Név?");
    EXPECT_EQ(seen.Value, "x");
}

TEST(StdFunctions, NamesAreNumberedAlphabetically) {
    TrpStdFunctionLibrary lib;
    const char* names[] = {"AVG", "COUNT",    "FORMATDATETIME", "FORMATFLOAT", "INPUT", "LOWERCASE", "MAX",
                           "MIN", "NAMECASE", "STRTODATE",      "STRTOTIME",   "SUM",   "UPPERCASE"};
    ASSERT_EQ(lib.List()->Count(), 13);
    for (Integer k = 0; k < 13; ++k)
        EXPECT_EQ(lib.List()->Get(k), names[k]);
    String val = "x";
    EXPECT_FALSE(lib.OnFunction("NOSUCH", "", "", "", val));
    EXPECT_EQ(val, "x"); // untouched
    lib.DoFunction(13, "", "", "", val);
    EXPECT_EQ(val, "0"); // numbers past the table
}

struct Echo : TrpFunctionLibrary {
    explicit Echo(String answer) : Answer(std::move(answer)) { List()->Add("ECHOTEST"); }
    void DoFunction(Integer, const Variant&, const Variant&, const Variant&, String& Val) override {
        Val = Answer;
    }
    String Answer;
};

TEST(FunctionLibraries, TheFirstRegisteredLibraryListingTheNameAnswers) {
    // The registry lives for the process: a name of our own keeps this test apart.
    rpRegisterFunctionLibrary([] { return new Echo("first"); });
    rpRegisterFunctionLibrary([] { return new Echo("second"); });
    String val;
    EXPECT_TRUE(rpCallFunctionLibraries("echotest", "", "", "", val));
    EXPECT_EQ(val, "first");
    EXPECT_FALSE(rpCallFunctionLibraries("NOSUCHFUNCTION", "", "", "", val));
    EXPECT_EQ(val, "0");
}

} // namespace
