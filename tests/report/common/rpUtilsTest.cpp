#include "report/common/rpUtils.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TStringList.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "report/views/TrpBandView.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpReport.h"
#include "report/build/detail/rpDBUtils.h"
#include "tests/support/ErrorOf.h"
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

TEST(rpDBUtils, BlobTestAndBookmarks) {
    TMemDataSet q;
    q.FieldDefs()->Add("nev", ftString, 10);
    q.FieldDefs()->Add("jegyzet", ftMemo);
    q.FieldDefs()->Add("kep", ftGraphic);
    q.AppendRow({String("a")});
    q.AppendRow({String("b")});
    q.Open();
    EXPECT_FALSE(rpIsBlob(q.FieldByName("nev")));
    EXPECT_TRUE(rpIsBlob(q.FieldByName("jegyzet")));
    EXPECT_TRUE(rpIsBlob(q.FieldByName("kep")));
    EXPECT_FALSE(rpIsBlob(nullptr));
    TBookmark first = rpGetBookmark(&q);
    q.Next();
    TBookmark second = rpGetBookmark(&q);
    EXPECT_FALSE(rpIsBookmarksEqual(&q, first, second));
    rpGotoBookmark(&q, first);
    EXPECT_TRUE(rpIsBookmarksEqual(&q, rpGetBookmark(&q), first));
    EXPECT_FALSE(
        rpIsBookmarksEqual(&q, TBookmark(), first)); // a record without a bookmark is not the saved one
    rpFreeBookmark(&q, first);
    EXPECT_TRUE(first.empty());
    TStringList names;
    rpGetFieldNames(&q, &names);
    EXPECT_EQ(names.Count(), 3);
}

TEST(rpResolveBandDataSet, NumbersMakeUserDatasetsAndNamesFindReportDatasets) {
    TComponent owner(nullptr);
    TMemDataSet* q = AddQuery(&owner, "Query1", "nev");
    q->Close();
    auto* ds = new TrpDBDataSet(&owner);
    ds->SetName("rpDBDataSet1");
    ds->SetDataSet(q);
    bool owned = true;
    EXPECT_EQ(rpResolveBandDataSet(&owner, "rpdbdataset1", owned), ds);
    EXPECT_FALSE(owned);
    EXPECT_TRUE(q->Active()); // initialised, so opened

    std::unique_ptr<TrpDataset> counted(rpResolveBandDataSet(&owner, "12", owned));
    EXPECT_TRUE(owned);
    ASSERT_TRUE(dynamic_cast<TrpUserDataset*>(counted.get()));
    EXPECT_EQ(counted->RangeEnd, reCount);
    EXPECT_EQ(counted->RangeEndCount, 12);

    EXPECT_EQ(rpResolveBandDataSet(&owner, "", owned), nullptr);
    EXPECT_EQ(rpResolveBandDataSet(&owner, "nosuch", owned), nullptr);
    EXPECT_EQ(ErrorOf<EConvertError>([&] { rpResolveBandDataSet(&owner, "1x", owned); }),
              "'1x' is not a valid integer value");
    EXPECT_EQ(ErrorOf<EInvalidCast>([&] { rpResolveBandDataSet(&owner, "Query1", owned); }),
              "Invalid class typecast");
}

TEST(rpControls, EnablingRecoloursLabelsAndWindowedControls) {
    TPanel panel(nullptr);
    auto* label = new TLabel(&panel);
    label->SetParent(&panel);
    auto* edit = new TEdit(&panel);
    edit->SetParent(&panel);
    rpEnableControls({label, edit}, false);
    EXPECT_EQ(label->Font()->Color(), clGrayText);
    EXPECT_EQ(edit->Color(), clBtnFace);
    EXPECT_FALSE(label->Enabled());
    EXPECT_FALSE(edit->Enabled());
    rpEnableControls({label, edit}, true);
    EXPECT_EQ(label->Font()->Color(), clWindowText);
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_TRUE(edit->Enabled());
}

TEST(rpControls, ControlAtPositionSearchesFromTheLastChildIntoContainers) {
    TPanel root(nullptr);
    root.SetBounds(0, 0, 300, 200);
    auto* under = new TEdit(&root);
    under->SetParent(&root);
    under->SetBounds(0, 0, 100, 100);
    auto* box = new TPanel(&root);
    box->SetParent(&root);
    box->SetBounds(50, 50, 100, 100);
    auto* inner = new TEdit(box);
    inner->SetParent(box);
    inner->SetBounds(10, 10, 20, 20);
    auto* hidden = new TEdit(&root);
    hidden->SetParent(&root);
    hidden->SetBounds(0, 0, 300, 200);
    hidden->SetVisible(false);

    EXPECT_EQ(rpControlAtPos(&root, TPoint(65, 65)), inner); // inside the panel's child
    EXPECT_EQ(rpControlAtPos(&root, TPoint(55, 55)), under); // the panel has nothing there: earlier children
    EXPECT_EQ(rpControlAtPos(&root, TPoint(140, 140)), nullptr);
    EXPECT_EQ(rpControlAtPos(&root, TPoint(10, 10)), under);
    EXPECT_EQ(rpGetWindowsVersion(), "NT");
}
