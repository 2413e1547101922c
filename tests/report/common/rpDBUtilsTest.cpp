#include "report/common/detail/rpDBUtils.h"
#include "platform/core/TStringList.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

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
