#include "platform/core/TList.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"

#include <algorithm>

namespace {

[[noreturn]] void ListError(const char* message, Integer value) {
    throw EListError(Format(message, {value}));
}

} // namespace

TList::~TList() {
    Clear();
}

void TList::CheckIndex(Integer Index) const {
    if (Index < 0 || Index >= Count()) ListError(SListIndexError, Index);
}

void TList::SetCount(Integer NewCount) {
    if (NewCount < 0) ListError(SListCountError, NewCount);
    if (NewCount > FCapacity) SetCapacity(NewCount);
    if (NewCount > Count()) {
        FList.resize(static_cast<size_t>(NewCount), nullptr);
    } else {
        for (Integer i = Count() - 1; i >= NewCount; --i)
            Delete(i);
    }
}

void TList::SetCapacity(Integer NewCapacity) {
    if (NewCapacity < Count()) ListError(SListCapacityError, NewCapacity);
    FList.reserve(static_cast<size_t>(NewCapacity));
    FCapacity = NewCapacity;
}

void* TList::Get(Integer Index) const {
    CheckIndex(Index);
    return FList[static_cast<size_t>(Index)];
}

void TList::Put(Integer Index, void* Item) {
    CheckIndex(Index);
    void* old = FList[static_cast<size_t>(Index)];
    if (old == Item) return;
    FList[static_cast<size_t>(Index)] = Item;
    if (old != nullptr) Notify(old, lnDeleted);
    if (Item != nullptr) Notify(Item, lnAdded);
}

Integer TList::Add(void* Item) {
    const Integer index = Count();
    Insert(index, Item);
    return index;
}

void TList::Insert(Integer Index, void* Item) {
    if (Index < 0 || Index > Count()) ListError(SListIndexError, Index);
    FList.insert(FList.begin() + Index, Item);
    FCapacity = std::max(FCapacity, Count());
    if (Item != nullptr) Notify(Item, lnAdded);
}

void TList::Delete(Integer Index) {
    CheckIndex(Index);
    void* item = FList[static_cast<size_t>(Index)];
    FList.erase(FList.begin() + Index);
    if (item != nullptr) Notify(item, lnDeleted);
}

Integer TList::Remove(void* Item) {
    const Integer index = IndexOf(Item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* Item) {
    const Integer index = IndexOf(Item);
    if (index < 0) return nullptr;
    FList.erase(FList.begin() + index);
    Notify(Item, lnExtracted);
    return Item;
}

Integer TList::IndexOf(void* Item) const {
    auto it = std::find(FList.begin(), FList.end(), Item);
    return it == FList.end() ? -1 : static_cast<Integer>(it - FList.begin());
}

void TList::Exchange(Integer Index1, Integer Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(FList[static_cast<size_t>(Index1)], FList[static_cast<size_t>(Index2)]);
}

void TList::Move(Integer CurIndex, Integer NewIndex) {
    if (CurIndex == NewIndex) return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    void* item = FList[static_cast<size_t>(CurIndex)];
    FList.erase(FList.begin() + CurIndex);
    FList.insert(FList.begin() + NewIndex, item);
}

void* TList::First() const {
    return Get(0);
}

void* TList::Last() const {
    return Get(Count() - 1);
}

void TList::Pack() {
    FList.erase(std::remove(FList.begin(), FList.end(), nullptr), FList.end());
}

void TList::Clear() {
    // Notify after detaching, so a handler that looks at the list sees it empty.
    std::vector<void*> old;
    old.swap(FList);
    FCapacity = 0;
    for (void* item : old)
        if (item != nullptr) Notify(item, lnDeleted);
}

void TList::Sort(const TListSortCompare& Compare) {
    // Sorted on a copy: a comparison that raises leaves the list as it was.
    std::vector<void*> sorted = FList;
    std::stable_sort(sorted.begin(), sorted.end(), [&](void* a, void* b) { return Compare(a, b) < 0; });
    FList.swap(sorted);
}

TObjectList::~TObjectList() {
    // The base destructor can no longer reach this class's Notify.
    Clear();
}

void TObjectList::Notify(void* Ptr, TListNotification Action) {
    if (FOwnsObjects && Action == lnDeleted) delete static_cast<TObject*>(Ptr);
}
