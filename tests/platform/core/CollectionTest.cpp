#include "platform/core/Exceptions.h"
#include "platform/core/TCollection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TColumn : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    String ClassName() const override { return "TColumn"; }
    void Assign(TPersistent* Source) override {
        if (auto* c = dynamic_cast<TColumn*>(Source)) {
            FTitle = c->FTitle;
            Changed(false);
            return;
        }
        TCollectionItem::Assign(Source);
    }
    void SetTitle(const String& v) {
        FTitle = v;
        Changed(false);
    }
    const String& Title() const { return FTitle; }

protected:
    String GetDisplayName() const override { return FTitle.empty() ? ClassName() : FTitle; }

private:
    String FTitle;
};

class TOwnerStub : public TPersistent {
public:
    String ClassName() const override { return "TOwnerStub"; }
    String GetNamePath() const override { return "Grid1"; }
};

// Counts Update calls: -1 stands for "the whole collection".
class TColumns : public TOwnedCollection {
public:
    explicit TColumns(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TColumn>()) {}
    TColumn* Items(Integer i) const { return static_cast<TColumn*>(TCollection::Items(i)); }
    std::vector<int> FUpdates;
    std::vector<std::string> FNotes;

protected:
    void Update(TCollectionItem* Item) override { FUpdates.push_back(Item ? Item->ID() : -1); }
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override {
        static const char* names[] = {"added", "extracting", "deleting"};
        FNotes.push_back(std::string(names[Action]) + " " + std::to_string(Item->ID()));
    }
};

} // namespace

TEST(Collection, FactoryCreatesTheItemClass) {
    TOwnerStub owner;
    TColumns cols(&owner);
    auto* item = cols.Add();
    EXPECT_NE(nullptr, dynamic_cast<TColumn*>(item));
    EXPECT_EQ(&cols, item->Collection());
    EXPECT_EQ(&owner, cols.Owner());
    EXPECT_EQ("Grid1[0]", item->GetNamePath());
}

TEST(Collection, PlainCollectionMakesPlainItems) {
    TCollection c;
    EXPECT_EQ("TCollectionItem", c.Add()->DisplayName());
    EXPECT_EQ(nullptr, c.Owner());
}

TEST(Collection, IdsAreUniqueAndFindable) {
    TColumns cols(nullptr);
    cols.Add();
    cols.Add();
    cols.Delete(0);
    auto* third = cols.Add();
    EXPECT_EQ(2, third->ID());
    EXPECT_EQ(third, cols.FindItemID(2));
    EXPECT_EQ(nullptr, cols.FindItemID(0));
}

TEST(Collection, InsertAndIndexMoveItems) {
    TColumns cols(nullptr);
    auto* a = cols.Add();
    auto* b = cols.Add();
    auto* c = cols.Insert(0);
    EXPECT_EQ(0, c->Index());
    EXPECT_EQ(1, a->Index());
    b->SetIndex(0);
    EXPECT_EQ(b, cols.Items(0));
    EXPECT_EQ(c, cols.Items(1));
    EXPECT_EQ(a, cols.Items(2));
}

TEST(Collection, IndexErrorsRaise) {
    TColumns cols(nullptr);
    auto* a = cols.Add();
    auto expectError = [](auto f, const std::string& message) {
        try {
            f();
            FAIL() << message;
        } catch (const EListError& e) {
            EXPECT_EQ(message, e.Message());
        }
    };
    expectError([&] { cols.Items(1); }, "List index out of bounds (1)");
    expectError([&] { cols.Delete(-1); }, "List index out of bounds (-1)");
    expectError([&] { a->SetIndex(3); }, "List index out of bounds (3)");
    // A failed Insert adds nothing.
    expectError([&] { cols.Insert(5); }, "List index out of bounds (5)");
    EXPECT_EQ(1, cols.Count());
}

TEST(CollectionUpdates, ItemChangeReportsTheItem) {
    TColumns cols(nullptr);
    auto* item = static_cast<TColumn*>(cols.Add());
    cols.FUpdates.clear();
    item->SetTitle("Név");
    EXPECT_EQ(std::vector<int>{item->ID()}, cols.FUpdates);
    EXPECT_EQ("Név", item->DisplayName());
}

TEST(CollectionUpdates, NestedUpdateReportsOnceAtTheOutermostEnd) {
    TColumns cols(nullptr);
    cols.BeginUpdate();
    cols.BeginUpdate();
    static_cast<TColumn*>(cols.Add())->SetTitle("a");
    cols.Add();
    cols.EndUpdate();
    EXPECT_TRUE(cols.FUpdates.empty());
    cols.EndUpdate();
    EXPECT_EQ(std::vector<int>{-1}, cols.FUpdates);
}

TEST(CollectionUpdates, ClearReportsOnceAndNotifiesEachItem) {
    TColumns cols(nullptr);
    cols.Add();
    cols.Add();
    cols.FUpdates.clear();
    cols.FNotes.clear();
    cols.Clear();
    EXPECT_EQ(0, cols.Count());
    EXPECT_EQ(std::vector<int>{-1}, cols.FUpdates);
    const std::vector<std::string> notes{"extracting 1", "extracting 0"};
    EXPECT_EQ(notes, cols.FNotes);
}

TEST(CollectionUpdates, DeleteNotifiesDeletingThenExtracting) {
    TColumns cols(nullptr);
    cols.Add();
    cols.FNotes.clear();
    cols.Delete(0);
    const std::vector<std::string> notes{"deleting 0", "extracting 0"};
    EXPECT_EQ(notes, cols.FNotes);
}

TEST(Collection, AssignCopiesItems) {
    TColumns from(nullptr);
    static_cast<TColumn*>(from.Add())->SetTitle("Ügyszám");
    static_cast<TColumn*>(from.Add())->SetTitle("Név");
    TColumns to(nullptr);
    to.Add();
    to.FUpdates.clear();
    to.Assign(&from);
    ASSERT_EQ(2, to.Count());
    EXPECT_EQ("Ügyszám", to.Items(0)->Title());
    EXPECT_EQ("Név", to.Items(1)->Title());
    EXPECT_EQ(std::vector<int>{-1}, to.FUpdates);
}

TEST(Collection, AssignFromOtherClassRaises) {
    TColumns cols(nullptr);
    TOwnerStub other;
    try {
        cols.Assign(&other);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ("Cannot assign a TOwnerStub to a TOwnedCollection", e.Message());
    }
}

TEST(Collection, ItemMovesBetweenCollections) {
    TColumns a(nullptr);
    TColumns b(nullptr);
    auto* item = a.Add();
    item->SetCollection(&b);
    EXPECT_EQ(0, a.Count());
    EXPECT_EQ(1, b.Count());
    delete item;
    EXPECT_EQ(0, b.Count());
}
