#pragma once
// The runtime's list of untyped pointers, and a list that owns TObjects.
#include "platform/core/TObject.h"

#include <functional>
#include <vector>

using TListSortCompare = std::function<Integer(void* Item1, void* Item2)>;

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// Index errors raise EListError "List index out of bounds (<index>)".
class TList : public TObject {
public:
    TList() = default;
    ~TList() override;

    String ClassName() const override { return "TList"; }

    Integer Count() const { return static_cast<Integer>(FList.size()); }
    // Grows with null pointers or cuts the tail. Raises EListError
    // "List count out of bounds (<n>)" for a negative count.
    void SetCount(Integer NewCount);
    Integer Capacity() const { return FCapacity; }
    // Raises EListError "List capacity out of bounds (<n>)" below Count.
    void SetCapacity(Integer NewCapacity);

    void* Get(Integer Index) const;
    void Put(Integer Index, void* Item);
    void* Items(Integer Index) const { return Get(Index); }
    void SetItems(Integer Index, void* Item) { Put(Index, Item); }
    void* operator[](Integer Index) const { return Get(Index); }

    Integer Add(void* Item);
    // Index may equal Count (append).
    void Insert(Integer Index, void* Item);
    void Delete(Integer Index);
    // Deletes the first occurrence; its former index, or -1.
    Integer Remove(void* Item);
    // Takes Item out without the lnDeleted notice; Item, or null when absent.
    void* Extract(void* Item);
    Integer IndexOf(void* Item) const;
    void Exchange(Integer Index1, Integer Index2);
    void Move(Integer CurIndex, Integer NewIndex);
    // Raises EListError when the list is empty.
    void* First() const;
    void* Last() const;
    // Drops the null entries.
    void Pack();
    void Clear();
    // Stable: equal items keep their order.
    void Sort(const TListSortCompare& Compare);

    const std::vector<void*>& List() const { return FList; }

protected:
    // Every addition, extraction and deletion passes through here.
    virtual void Notify(void* Ptr, TListNotification Action) {}

private:
    void CheckIndex(Integer Index) const;

    std::vector<void*> FList;
    Integer FCapacity = 0;
};

// A list of TObjects that, by default, deletes an object when it is deleted from
// the list, removed or cleared (not when it is extracted).
class TObjectList : public TList {
public:
    explicit TObjectList(bool AOwnsObjects = true) : FOwnsObjects(AOwnsObjects) {}
    ~TObjectList() override;

    String ClassName() const override { return "TObjectList"; }

    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

    TObject* Items(Integer Index) const { return static_cast<TObject*>(Get(Index)); }
    void SetItems(Integer Index, TObject* Item) { Put(Index, Item); }
    TObject* operator[](Integer Index) const { return Items(Index); }
    Integer Add(TObject* Item) { return TList::Add(Item); }
    void Insert(Integer Index, TObject* Item) { TList::Insert(Index, Item); }
    Integer Remove(TObject* Item) { return TList::Remove(Item); }
    TObject* Extract(TObject* Item) { return static_cast<TObject*>(TList::Extract(Item)); }
    Integer IndexOf(TObject* Item) const { return TList::IndexOf(Item); }

protected:
    void Notify(void* Ptr, TListNotification Action) override;

private:
    bool FOwnsObjects;
};
