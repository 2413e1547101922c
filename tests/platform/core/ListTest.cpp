#include "platform/core/Exceptions.h"
#include "platform/core/TList.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int values[6] = {0, 1, 2, 3, 4, 5};
void* P(int i) {
    return &values[i];
}

class TCounted : public TObject {
public:
    explicit TCounted(int* ALive) : FLive(ALive) { ++*FLive; }
    ~TCounted() override { --*FLive; }

private:
    int* FLive;
};

} // namespace

TEST(List, AddInsertDeleteKeepOrder) {
    TList list;
    EXPECT_EQ(0, list.Add(P(1)));
    EXPECT_EQ(1, list.Add(P(3)));
    list.Insert(1, P(2));
    list.Insert(0, P(0));
    list.Insert(4, P(4)); // at Count appends
    ASSERT_EQ(5, list.Count());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(P(i), list[i]);
    list.Delete(0);
    EXPECT_EQ(P(1), list.First());
    EXPECT_EQ(P(4), list.Last());
}

TEST(List, IndexErrorsNameTheIndex) {
    TList list;
    list.Add(P(0));
    EXPECT_EQ("List index out of bounds (1)", ErrorOf<EListError>([&] { list.Get(1); }));
    EXPECT_EQ("List index out of bounds (-1)", ErrorOf<EListError>([&] { list.Delete(-1); }));
    EXPECT_EQ("List index out of bounds (2)", ErrorOf<EListError>([&] { list.Insert(2, P(1)); }));
    EXPECT_EQ("List index out of bounds (5)", ErrorOf<EListError>([&] { list.Move(0, 5); }));
    EXPECT_EQ("List index out of bounds (3)", ErrorOf<EListError>([&] { list.Exchange(3, 0); }));
    EXPECT_EQ("List index out of bounds (1)", ErrorOf<EListError>([&] { list.Put(1, P(2)); }));
    list.Clear();
    EXPECT_EQ("List index out of bounds (0)", ErrorOf<EListError>([&] { list.First(); }));
    EXPECT_EQ("List index out of bounds (-1)", ErrorOf<EListError>([&] { list.Last(); }));
}

TEST(List, CapacityAndCountBounds) {
    TList list;
    list.SetCount(3);
    EXPECT_EQ(3, list.Count());
    EXPECT_EQ(nullptr, list[2]);
    EXPECT_EQ("List capacity out of bounds (2)", ErrorOf<EListError>([&] { list.SetCapacity(2); }));
    EXPECT_EQ("List count out of bounds (-1)", ErrorOf<EListError>([&] { list.SetCount(-1); }));
    list.SetCapacity(10);
    EXPECT_EQ(10, list.Capacity());
    list.SetCount(1);
    EXPECT_EQ(1, list.Count());
}

TEST(List, RemoveExtractAndPack) {
    TList list;
    list.Add(P(1));
    list.Add(nullptr);
    list.Add(P(2));
    list.Add(P(1));
    EXPECT_EQ(0, list.Remove(P(1))); // only the first occurrence
    EXPECT_EQ(2, list.IndexOf(P(1)));
    EXPECT_EQ(-1, list.Remove(P(5)));
    EXPECT_EQ(P(2), list.Extract(P(2)));
    EXPECT_EQ(nullptr, list.Extract(P(2)));
    list.Pack();
    ASSERT_EQ(1, list.Count());
    EXPECT_EQ(P(1), list[0]);
}

TEST(List, MoveAndExchange) {
    TList list;
    for (int i = 0; i < 4; ++i)
        list.Add(P(i));
    list.Move(0, 3);
    EXPECT_EQ(P(1), list[0]);
    EXPECT_EQ(P(0), list[3]);
    list.Exchange(0, 3);
    EXPECT_EQ(P(0), list[0]);
    EXPECT_EQ(P(1), list[3]);
}

TEST(List, SortIsStable) {
    // Sort by value divided by two: 2 and 3 compare equal and keep their order.
    TList list;
    for (int i : {3, 5, 2, 0, 1, 4})
        list.Add(P(i));
    list.Sort([](void* a, void* b) { return *static_cast<int*>(a) / 2 - *static_cast<int*>(b) / 2; });
    const int expected[] = {0, 1, 3, 2, 5, 4};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(expected[i], *static_cast<int*>(list[i])) << i;
}

TEST(List, RaisingComparisonLeavesTheListIntact) {
    // Fails part-way through, when an in-place sort would hold items in flight.
    static int many[40];
    TList list;
    for (int i = 0; i < 40; ++i) {
        many[i] = 40 - i;
        list.Add(&many[i]);
    }
    int calls = 0;
    auto failing = [&](void* a, void* b) -> Integer {
        if (++calls == 50) throw EListError("stop");
        return *static_cast<int*>(a) - *static_cast<int*>(b);
    };
    EXPECT_THROW(list.Sort(failing), EListError);
    ASSERT_EQ(40, list.Count());
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(&many[i], list[i]) << i;
}

TEST(ObjectList, OwnsAndDeletesItsObjects) {
    int live = 0;
    {
        TObjectList list;
        list.Add(new TCounted(&live));
        auto* kept = new TCounted(&live);
        list.Add(kept);
        list.Add(new TCounted(&live));
        list.Delete(0);
        EXPECT_EQ(2, live);
        EXPECT_EQ(kept, list.Extract(kept));
        EXPECT_EQ(2, live);
        delete kept;
        list.Put(0, new TCounted(&live)); // the replaced object goes
        EXPECT_EQ(1, live);
    }
    EXPECT_EQ(0, live);
}

TEST(ObjectList, NotOwningLeavesObjects) {
    int live = 0;
    TCounted a(&live);
    {
        TObjectList list(false);
        list.Add(&a);
    }
    EXPECT_EQ(1, live);
}
