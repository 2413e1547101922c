#include "report/common/rpNameLookup.h"
#include "platform/core/TStringList.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/ui/TCustomForm.h"
#include "report/build/TrpReport.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

namespace {

TMemDataSet* AddQuery(TComponent* Owner, const String& Name, const String& Field) {
    auto* q = new TMemDataSet(Owner);
    q->SetName(Name);
    q->FieldDefs()->Add(Field, ftString, 40);
    q->FieldDefs()->Add("jegyzet", ftMemo);
    q->Open();
    return q;
}

// Two forms: the deposit sheet with its query, and the form holding the report.
struct NameLookupTest : ::testing::Test {
    NameLookupTest() {
        Sheet->SetName("letet_adatlap");
        Host->SetName("Form2");
        Deposit = AddQuery(Sheet.get(), "Query1", "letevo");
        Own = AddQuery(Host.get(), "Query5", "nev");
        Report = new TrpReport(Host.get());
        CurReport = Report;
    }
    ~NameLookupTest() override { CurReport = nullptr; }

    std::unique_ptr<TForm> Sheet = std::make_unique<TForm>(nullptr);
    std::unique_ptr<TForm> Host = std::make_unique<TForm>(nullptr);
    TMemDataSet* Deposit = nullptr;
    TMemDataSet* Own = nullptr;
    TrpReport* Report = nullptr;
};

} // namespace

TEST_F(NameLookupTest, FieldReferencesResolveByTheirDots) {
    struct Row {
        const char* Name;
        TDataSet* Passed;
        TDataSet* DataSet;
        const char* Field; // "" when none is found
    };
    const Row rows[] = {
        {"letet_adatlap.Query1.\"letevo\"", nullptr, Deposit, "letevo"}, // form, data set, quoted field
        {"LETET_ADATLAP.query1.letevo", nullptr, Deposit, "letevo"},     // names ignore case
        {"Query5.nev", nullptr, Own, "nev"},                             // a data set of the report's form
        {"Query5.\"nev\"", nullptr, Own, "nev"},                         //
        {"Query5.\"nev", nullptr, Own, ""},                              // a lone opening quote stays
        {"nev", Own, Own, "nev"},                       // a bare field of the band's data set
        {"nev", nullptr, nullptr, ""},                  // nothing without a data set
        {"nosuch.Query1.letevo", nullptr, nullptr, ""}, // no such form
        {"Query9.nev", nullptr, nullptr, ""},           // no such data set
        {"Query5.\"a.b\"", nullptr, Own, ""},           // a dot inside quotes is part of the name
    };
    for (const Row& row : rows) {
        TDataSet* ds = row.Passed;
        TField* field = reinterpret_cast<TField*>(1);
        rpGetDataSetAndField(row.Name, ds, field);
        EXPECT_EQ(ds, row.DataSet) << row.Name;
        EXPECT_EQ(field ? field->FieldName() : String(), row.Field) << row.Name;
    }
}

TEST_F(NameLookupTest, AComponentThatIsNoDataSetFindsNoFieldHoweverTheLookupsAlternate) {
    auto* plain = new TComponent(Sheet.get());
    plain->SetName("Label1");
    for (int round = 0; round < 2; ++round) {
        TDataSet* ds = nullptr;
        TField* field = nullptr;
        rpGetDataSetAndField("letet_adatlap.Label1.letevo", ds, field);
        EXPECT_EQ(ds, nullptr);
        EXPECT_EQ(field, nullptr);
        rpGetDataSetAndField("letet_adatlap.Query1.letevo", ds, field);
        EXPECT_EQ(ds, Deposit);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->FieldName(), "letevo");
        rpGetDataSetAndField("letet_adatlap.Query1.letevo", ds, field);
        EXPECT_EQ(ds, Deposit);
    }
}

TEST_F(NameLookupTest, ComponentsByPlainOrDottedName) {
    EXPECT_EQ(rpFindComponent(Host.get(), "query5"), Own);
    EXPECT_EQ(rpFindComponent(nullptr, "Letet_Adatlap.Query1"), Deposit);
    EXPECT_EQ(rpFindComponent(Host.get(), "NoForm.Query1"), nullptr);
    EXPECT_EQ(rpFindComponent(Host.get(), "letet_adatlap.Query9"), nullptr);
    EXPECT_EQ(rpFindComponent(nullptr, "Query5"), nullptr);
    EXPECT_EQ(rpGetDataSet("Query5"), Own);
    EXPECT_EQ(rpGetDataSet("letet_adatlap.Query1"), Deposit);
}

TEST_F(NameLookupTest, ComponentListsNameOtherFormsComponentsWithTheirForm) {
    TStringList list;
    list.Add("stale");
    auto isDataSet = [](TComponent* c) { return dynamic_cast<TDataSet*>(c) != nullptr; };
    rpGetComponents(Host.get(), isDataSet, &list, nullptr);
    EXPECT_EQ(list.IndexOf("stale"), -1);
    EXPECT_NE(list.IndexOf("letet_adatlap.Query1"), -1);
    EXPECT_NE(list.IndexOf("Query5"), -1);
    rpGetComponents(Host.get(), isDataSet, &list, Own);
    EXPECT_EQ(list.IndexOf("Query5"), -1);
}
