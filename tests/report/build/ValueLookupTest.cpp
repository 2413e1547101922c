#include "report/build/detail/ValueLookup.h"

#include "tests/report/ShowValue.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TStringList.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "report/script/detail/FormatValue.h"
#include "report/script/detail/FunctionHost.h"
#include "report/views/TrpMemoView.h"
#include "report/script/detail/TrpParser.h"
#include "report/build/TrpReport.h"
#include "report/script/detail/TrpStdFunctionLibrary.h"
#include "report/script/detail/TrpValues.h"
#include "report/script/TrpVariables.h"
#include "report/engine/rpEngine.h"
#include "report/common/detail/rpGlobals.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

namespace {

struct FakeSpecial : report::SpecialValues {
    Variant SpecialValue(report::SpecialVariable Index) override {
        switch (Index) {
        case report::svPage:
            return Variant(3);
        case report::svDate:
            return Variant::FromDateTime(37653);
        case report::svTotalPages:
            return Variant(12);
        default:
            return Variant(static_cast<int>(Index) * 100);
        }
    }
};

// A report on a form with one dataset, its stored values and the global variables.
struct Lookup : ::testing::Test {
    TComponent Form{nullptr};
    TMemDataSet* Query = new TMemDataSet(&Form);
    TrpReport* Report = new TrpReport(&Form);
    std::unique_ptr<report::ValueLookup> Lookup_;
    FakeSpecial Special;

    void Bind(const String& name, Byte typ, Integer otherKind, const String& dataSet, const String& field) {
        TrpValue* v = Report->Values()->GetValue(Report->Values()->AddValue());
        Report->Values()->Items.Put(Report->Values()->Items.Count() - 1, name);
        v->Typ = typ;
        v->OtherKind = otherKind;
        v->DataSet = dataSet;
        v->Field = field;
    }

    void SetUp() override {
        rpInitEngine();
        CurReport = Report;
        // The engine's parser: the standard functions evaluate their arguments with it.
        Lookup_ = std::make_unique<report::ValueLookup>(Report, rpParser);
        Query->SetName("Query1");
        Query->FieldDefs()->Add("nev", ftString, 40);
        Query->FieldDefs()->Add("osszeg", ftFloat);
        Query->FieldDefs()->Add("ures", ftString, 10);
        Query->AppendRow({String("Kovács"), 1500.0, TFieldData()});
        Bind("Unbound", 0, 0, "", "");
        Bind("Bound", 1, 0, "Query1", "nev");
        Bind("Missing", 1, 0, "Query1", "nincs");
        Bind("Expr", 3, 0, "", "2 + 3");
        Bind("Kind1", 2, 1, "", "10 * 2");
        Bind("PageAlias", 2, 0, "", "");
        Bind("A", 3, 0, "", "[B]");
        Bind("B", 3, 0, "", "[A] + 1");
        Lookup_->Attach();
        Lookup_->PrepareDataSets();
        Lookup_->Special = &Special;
        Lookup_->CurValue = Variant(7);
        rpVariables->SetVariable("GLOBAL", Variant("g"));
        rpVariables->SetVariable("REGUSER", Variant("from variables"));
        Report->OnGetValue = [](const String& name, Variant& value) {
            if (name == "REGUSER") value = Variant("Kovács Irodája");
        };
    }
    void TearDown() override {
        CurReport = nullptr;
        CurView = nullptr;
        rpVariables->Clear();
        rpParser->OnGetValue = nullptr;
        rpParser->OnFunction = nullptr;
    }

    String Get(const String& name) {
        Variant v;
        Lookup_->GetVariableValue(name, v);
        return ShowValue(v);
    }
};

struct LookupCase {
    const char* Name;
    const char* Expected;
};

class LookupOrder : public Lookup, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(LookupOrder, Answers) {
    EXPECT_EQ(Get(GetParam().Name), GetParam().Expected) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Lookup, LookupOrder,
    ::testing::Values(LookupCase{"REGUSER", "'Kovács Irodája'"},      // OnGetValue before everything
                      LookupCase{"Unbound", "''"},                    // stored value, not bound
                      LookupCase{"bound", "'Kovács'"},                // data field, name in any case
                      LookupCase{"Expr", "5"},                        // expression value
                      LookupCase{"Kind1", "20"},                      // other kind 1: expression
                      LookupCase{"PageAlias", "3"},                   // other kind: special variable
                      LookupCase{"Query1.osszeg", "1500"},            // dataset.field
                      LookupCase{"Query1.\"osszeg\"", "1500"},        // quoted field name
                      LookupCase{"Query1.ures", "(null)"},            // an empty field
                      LookupCase{"VALUE", "7"},                       // the last memo value
                      LookupCase{"PAGE#", "3"},                       // special variables
                      LookupCase{"DATE", "date 2003-02-01 00:00"},    //
                      LookupCase{"LINE#", "400"},                     //
                      LookupCase{"TOTALPAGES", "12"},                 //
                      LookupCase{"GLOBAL", "'g'"},                    // global variables
                      LookupCase{"2 + 3 * 4", "14"},                  // finally an expression
                      LookupCase{"[GLOBAL] + 'x'", "'gx'"},           //
                      LookupCase{"UPPERCASE([Bound])", "'KOVÁCS'"})); // functions through the libraries

TEST_F(Lookup, ClosedDatasetsOpenFirst) {
    EXPECT_FALSE(Query->Active());
    EXPECT_EQ(Get("Bound"), "'Kovács'");
    EXPECT_TRUE(Query->Active());
}

TEST_F(Lookup, FieldsWithATextEventGiveTheirDisplayText) {
    Query->Open();
    Query->FieldByName("osszeg")->OnGetText = [](TField*, String& text, bool) { text = "1 500 Ft"; };
    EXPECT_EQ(Get("Query1.osszeg"), "'1 500 Ft'");
}

struct ErrorCase {
    const char* Name;
    const char* Message;
};

class LookupErrors : public Lookup, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(LookupErrors, Raise) {
    EXPECT_EQ(ErrorOf<Exception>([&] { Get(GetParam().Name); }), GetParam().Message) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(Lookup, LookupErrors,
                         ::testing::Values(ErrorCase{"nosuch",
                                                     "Undefined symbol \"NOSUCH\""}, // reaches itself
                                           ErrorCase{"A", "Undefined symbol \"A\""}, // values in a circle
                                           ErrorCase{"Missing", "Query1: Field 'nincs' not found"}));

TEST_F(Lookup, AfterAnErrorTheNextLookupStartsClean) {
    EXPECT_NE(ErrorOf<Exception>([&] { Get("A"); }), "no error");
    EXPECT_EQ(Get("Expr"), "5");
}

TEST_F(Lookup, MemoExpressionsTakeTheObjectsFormatOrTheirSuffix) {
    TrpMemoView memo;
    memo.Format = rpMakeFormat(1, 1, 1, ',');
    CurView = &memo;
    String text;
    Lookup_->InternalOnGetValue("Query1.osszeg", text);
    EXPECT_EQ(text, "1500,0");
    Lookup_->InternalOnGetValue("Query1.osszeg #N12.2", text);
    EXPECT_EQ(text, "1500.00");
    EXPECT_EQ(Lookup_->CurExpression, "Query1.osszeg");
    EXPECT_EQ(ShowValue(Lookup_->CurValue), "1500");
    Lookup_->InternalOnGetValue("DATE #Ddd.mm.yyyy", text);
    EXPECT_EQ(text, "01.02.2003");
    Lookup_->InternalOnGetValue("Query1.ures", text);
    EXPECT_EQ(text, " "); // an empty field prints as one blank
}

struct Accumulating : report::FunctionHost, report::AggregateBand {
    report::AggregateBand* AggregationBand() override { return this; }
    report::AggregateBand* CurrentBand() override { return this; }
    Integer CurrentColumn() const override { return 1; }
    bool MultiColumn() const override { return false; }
    Integer BandType() const override { return btMasterFooter; }
    bool BandVisible() const override { return Visible; }
    String BandName() const override { return "MasterFooter1"; }
    TStringList* AggregateValues() override { return &List; }
    Integer AggregateCount() const override { return 0; }
    bool Visible = true;
    TStringList List;
};

TEST_F(Lookup, UserFunctionsComeLastAndNotWhileAggregatesAccumulate) {
    Report->OnUserFunction = [](const String& name, const Variant& p1, const Variant&, const Variant&,
                                String& val) {
        if (name == "MINE") val = "'mine " + p1.AsString() + "'";
    };
    EXPECT_EQ(Get("MINE(1)"), "'mine 1'");
    EXPECT_EQ(Get("OTHER(1)"), "0"); // nobody answers: 0
    Accumulating host;
    host.Visible = false;
    rpFunctionHost = &host;
    EXPECT_EQ(Get("MINE(1)"), "0");
    rpFunctionHost = nullptr;
}

} // namespace
