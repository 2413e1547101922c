#include "sqlite/TFResult.h"

#include <gtest/gtest.h>

using sqlite::RowImage;
using sqlite::SlotKind;

namespace {

// Rows of (integer, float, text).
RowImage MakeRow(Int64 i, double f, const std::string& s) {
    RowImage row(3);
    row.SetInteger(0, i);
    row.SetFloat(1, f);
    row.SetBytes(2, s);
    return row;
}

class TFResultTest : public ::testing::Test {
protected:
    void SetUp() override { store.SetLayout({SlotKind::Integer, SlotKind::Float, SlotKind::Bytes}); }
    TFResult store;
};

} // namespace

TEST_F(TFResultTest, BookmarksAreHandedOutInOrderAndNeverReused) {
    for (int i = 0; i < 3; ++i)
        store.Add(MakeRow(i, 0, "x"), -1);
    EXPECT_EQ(store.GetBookmark(0), 0);
    EXPECT_EQ(store.GetBookmark(2), 2);
    store.Delete(1);
    ASSERT_EQ(store.Count(), 2);
    EXPECT_EQ(store.GetBookmark(0), 0);
    EXPECT_EQ(store.GetBookmark(1), 2);
    EXPECT_EQ(store.IndexOf(2), 1);
    EXPECT_EQ(store.IndexOf(1), -1);
    EXPECT_EQ(store.GetBookmark(5), -1);
    EXPECT_EQ(store.GetBookmark(-1), -1);
    store.Add(MakeRow(9, 0, "y"), -1);
    EXPECT_EQ(store.GetBookmark(2), 3);
}

TEST_F(TFResultTest, NegativeRowIdOnAddIsTheRowsPosition) {
    store.Add(MakeRow(1, 0, ""), -1);
    store.Add(MakeRow(2, 0, ""), 77);
    store.Add(MakeRow(3, 0, ""), -1);
    EXPECT_EQ(store.GetRowId(0), 0);
    EXPECT_EQ(store.GetRowId(1), 77);
    EXPECT_EQ(store.GetRowId(2), 2);
    EXPECT_EQ(store.GetRowId(3), -1);
}

TEST_F(TFResultTest, RowIdsBeyond32BitsKeepTheirValue) {
    store.Add(MakeRow(1, 0, ""), 5'000'000'000LL);
    EXPECT_EQ(store.GetRowId(0), 5'000'000'000LL);
}

TEST_F(TFResultTest, InsertInsideShiftsAndPastTheEndAppends) {
    store.Add(MakeRow(1, 0, "a"), 10);
    store.Add(MakeRow(2, 0, "b"), 11);
    store.Insert(1, MakeRow(3, 0, "c"), -5); // a negative id stays as given
    store.Insert(99, MakeRow(4, 0, "d"), 12);
    ASSERT_EQ(store.Count(), 4);
    EXPECT_EQ(store.GetInteger(1, 0), 3);
    EXPECT_EQ(store.GetRowId(1), -5);
    EXPECT_EQ(store.GetBookmark(1), 2);
    EXPECT_EQ(store.GetInteger(3, 0), 4);
    // Bookmarks are no longer in position order; lookups still find them.
    EXPECT_EQ(store.IndexOf(1), 2);
    EXPECT_EQ(store.IndexOf(2), 1);
    EXPECT_EQ(store.IndexOf(3), 3);
}

TEST_F(TFResultTest, ValuesAndNullsRoundTrip) {
    RowImage row(3);
    row.SetFloat(1, 2.5);
    row.SetBytes(2, std::string("a\0b", 3)); // blobs may hold zero bytes
    store.Add(row, -1);
    store.Add(MakeRow(-7, -1.25, ""), -1);

    EXPECT_TRUE(store.IsNull(0, 0));
    EXPECT_FALSE(store.IsNull(0, 1));
    EXPECT_EQ(store.GetBytes(0, 2), std::string_view("a\0b", 3));
    EXPECT_FALSE(store.IsNull(1, 2)); // an empty text is not null
    EXPECT_EQ(store.GetBytes(1, 2), "");

    RowImage back;
    ASSERT_TRUE(store.GetData(1, back));
    EXPECT_EQ(back[0].Int, -7);
    EXPECT_DOUBLE_EQ(back[1].Float, -1.25);
    EXPECT_FALSE(back[2].Null);
    ASSERT_TRUE(store.GetData(0, back));
    EXPECT_TRUE(back[0].Null);
    EXPECT_EQ(back[2].Bytes.size(), 3u);
    EXPECT_FALSE(store.GetData(2, back));
}

TEST_F(TFResultTest, ReplaceKeepsBookmarkAndRowIdAndOutOfRangeDoesNothing) {
    store.Add(MakeRow(1, 0, "short"), 40);
    store.Replace(0, MakeRow(2, 0, "a much longer text than before"));
    store.Replace(5, MakeRow(3, 0, "x"));
    store.Delete(5);
    store.Delete(-1);
    ASSERT_EQ(store.Count(), 1);
    EXPECT_EQ(store.GetInteger(0, 0), 2);
    EXPECT_EQ(store.GetBytes(0, 2), "a much longer text than before");
    EXPECT_EQ(store.GetBookmark(0), 0);
    EXPECT_EQ(store.GetRowId(0), 40);
}

TEST_F(TFResultTest, ManyRowsAndLargeValuesStayIntact) {
    // Enough rows to fill several chunks, then a value too large for one.
    for (int i = 0; i < 2000; ++i)
        store.Add(MakeRow(i, i * 0.5, std::string(500, char('a' + i % 26))), -1);
    const std::string large(300 * 1024, 'L');
    store.Add(MakeRow(-1, 0, large), -1);
    store.Add(MakeRow(-2, 0, "after"), -1);
    EXPECT_GE(store.MemoryUsed(), 2000u * 500u + large.size());
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(store.GetInteger(i, 0), i);
        ASSERT_EQ(store.GetBytes(i, 2), std::string(500, char('a' + i % 26)));
    }
    EXPECT_EQ(store.GetBytes(2000, 2), large);
    EXPECT_EQ(store.GetBytes(2001, 2), "after");
}
