#include "report/views/TrpBandView.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TFieldDefs.h"
#include "report/build/TrpDataset.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

TEST(rpResolveBandDataSet, NumbersMakeUserDatasetsAndNamesFindReportDatasets) {
    TComponent owner(nullptr);
    auto* q = new TMemDataSet(&owner);
    q->SetName("Query1");
    q->FieldDefs()->Add("nev", ftString, 40);
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
