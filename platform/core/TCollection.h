#pragma once
// Collections of items of one class that notify their owner when they change
// (grid columns, groupings, report variables).
#include "platform/core/TPersistent.h"

#include <functional>
#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
public:
    // Adds the item to Collection (which may be null).
    explicit TCollectionItem(TCollection* Collection);
    // Leaves the collection, which then reports the change.
    ~TCollectionItem() override;

    String ClassName() const override { return "TCollectionItem"; }
    String GetNamePath() const override;
    TPersistent* GetOwner() const override;

    TCollection* Collection() const { return FCollection; }
    // Moves the item to another collection (or to none).
    void SetCollection(TCollection* Value);

    // Unique within its collection, never reused.
    Integer ID() const { return FID; }
    // Position in the collection; -1 without one.
    Integer Index() const;
    // Moves the item within its collection; Value out of range raises EListError.
    virtual void SetIndex(Integer Value);

    String DisplayName() const { return GetDisplayName(); }
    virtual void SetDisplayName(const String& Value);

protected:
    // Reports a change of this item (or, with AllItems, of the whole collection)
    // to the collection unless it is inside BeginUpdate/EndUpdate.
    void Changed(bool AllItems);
    // The default is the class name.
    virtual String GetDisplayName() const { return ClassName(); }

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    Integer FID = 0;
};

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public TPersistent {
public:
    // Creates a new item of the collection's item class inside the collection.
    using TItemFactory = std::function<TCollectionItem*(TCollection*)>;

    template <typename TItem> static TItemFactory ItemClassOf() {
        return [](TCollection* c) -> TCollectionItem* { return new TItem(c); };
    }

    // Without a factory the items are plain TCollectionItems.
    explicit TCollection(TItemFactory ItemClass = {});
    // Deletes the items, the last first, without calling Update.
    ~TCollection() override;

    String ClassName() const override { return "TCollection"; }
    String GetNamePath() const override;
    // Clears and copies every item of a TCollection Source through the items' Assign.
    void Assign(TPersistent* Source) override;

    Integer Count() const { return static_cast<Integer>(FItems.size()); }
    // Raises EListError "List index out of bounds (<i>)".
    TCollectionItem* Items(Integer Index) const;
    void SetItems(Integer Index, TCollectionItem* Value) { Items(Index)->Assign(Value); }

    TCollectionItem* Add();
    // A new item placed at Index.
    TCollectionItem* Insert(Integer Index);
    // Deletes the item at Index; raises EListError when out of range.
    void Delete(Integer Index);
    void Clear();
    // The item with that ID, or null.
    TCollectionItem* FindItemID(Integer ID) const;

    // Changes inside an update bracket are reported once, by Update(null), when the
    // outermost EndUpdate runs.
    virtual void BeginUpdate() { ++FUpdateCount; }
    virtual void EndUpdate();
    Integer UpdateCount() const { return FUpdateCount; }

    // The object that owns the collection (as GetOwner).
    TPersistent* Owner() const { return GetOwner(); }

protected:
    // Reports a change of the whole collection unless an update is in progress.
    void Changed();
    // Item is the changed item, or null when the whole collection changed.
    virtual void Update(TCollectionItem* Item) {}
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action) {}

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    void MoveItem(Integer CurIndex, Integer NewIndex);

    TItemFactory FItemClass;
    std::vector<TCollectionItem*> FItems;
    Integer FUpdateCount = 0;
    Integer FNextID = 0;
    bool FDestroying = false;
};

// A collection with an explicit owner (a grid owns its columns).
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TPersistent* AOwner, TItemFactory ItemClass = {})
        : TCollection(std::move(ItemClass)), FOwner(AOwner) {}
    String ClassName() const override { return "TOwnedCollection"; }
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};
