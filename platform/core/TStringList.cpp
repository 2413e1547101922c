#include "platform/core/TStringList.h"

#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/StrUtils.h"

#include <algorithm>
#include <numeric>

void TStringList::CheckIndex(Integer Index) const {
    if (Index < 0 || Index >= Count()) IndexError(Index);
}

String TStringList::Get(Integer Index) const {
    CheckIndex(Index);
    return FList[static_cast<size_t>(Index)].FString;
}

const String& TStringList::StringAt(Integer Index) const {
    CheckIndex(Index);
    return FList[static_cast<size_t>(Index)].FString;
}

void TStringList::Put(Integer Index, const String& S) {
    if (FSorted) Error(SSortedListError);
    CheckIndex(Index);
    Changing();
    FList[static_cast<size_t>(Index)].FString = S;
    Changed();
}

TObject* TStringList::GetObject(Integer Index) const {
    CheckIndex(Index);
    return FList[static_cast<size_t>(Index)].FObject;
}

void TStringList::PutObject(Integer Index, TObject* AObject) {
    CheckIndex(Index);
    Changing();
    FList[static_cast<size_t>(Index)].FObject = AObject;
    Changed();
}

void TStringList::Insert(Integer Index, const String& S) {
    if (FSorted) Error(SSortedListError);
    if (Index < 0 || Index > Count()) IndexError(Index);
    InsertItem(Index, S, nullptr);
}

void TStringList::InsertItem(Integer Index, const String& S, TObject* AObject) {
    Changing();
    FList.insert(FList.begin() + Index, TStringItem{S, AObject});
    Changed();
}

void TStringList::Delete(Integer Index) {
    CheckIndex(Index);
    Changing();
    FList.erase(FList.begin() + Index);
    Changed();
}

void TStringList::Clear() {
    if (FList.empty()) return;
    Changing();
    FList.clear();
    Changed();
}

void TStringList::SetCapacity(Integer NewCapacity) {
    if (NewCapacity < Count()) Error(Format(SListCapacityError, {NewCapacity}));
    FList.reserve(static_cast<size_t>(NewCapacity));
}

Integer TStringList::Add(const String& S) {
    return AddObject(S, nullptr);
}

Integer TStringList::AddObject(const String& S, TObject* AObject) {
    Integer index = Count();
    if (FSorted && Find(S, index)) {
        if (FDuplicates == dupIgnore) return index;
        if (FDuplicates == dupError) Error(SDuplicateString);
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Exchange(Integer Index1, Integer Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(FList[static_cast<size_t>(Index1)], FList[static_cast<size_t>(Index2)]);
    Changed();
}

void TStringList::Move(Integer CurIndex, Integer NewIndex) {
    if (FSorted && CurIndex != NewIndex) Error(SSortedListError);
    TStrings::Move(CurIndex, NewIndex);
}

Integer TStringList::IndexOf(const String& S) const {
    if (!FSorted) return TStrings::IndexOf(S);
    Integer index = 0;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(const String& S, Integer& Index) const {
    if (!FSorted) {
        // A binary search over unsorted strings misses strings that are there.
        Index = TStrings::IndexOf(S);
        if (Index >= 0) return true;
        Index = Count();
        return false;
    }
    Integer lo = 0;
    Integer hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        const Integer mid = lo + (hi - lo) / 2;
        const Integer c = CompareStrings(FList[static_cast<size_t>(mid)].FString, S);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) found = true;
        }
    }
    Index = lo;
    return found;
}

void TStringList::Sort() {
    if (Count() < 2) return;
    std::vector<TStringItem> items = FList;
    std::stable_sort(items.begin(), items.end(), [this](const TStringItem& a, const TStringItem& b) {
        return CompareStrings(a.FString, b.FString) < 0;
    });
    Changing();
    FList.swap(items);
    Changed();
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
    // A sorted list keeps the order that Find relies on.
    if (FSorted || Count() < 2) return;
    std::vector<Integer> order(FList.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](Integer a, Integer b) { return Compare(this, a, b) < 0; });
    std::vector<TStringItem> items;
    items.reserve(FList.size());
    for (Integer i : order)
        items.push_back(FList[static_cast<size_t>(i)]);
    Changing();
    FList.swap(items);
    Changed();
}

void TStringList::SetSorted(bool Value) {
    if (FSorted == Value) return;
    if (Value) Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (FCaseSensitive == Value) return;
    FCaseSensitive = Value;
    // Find's binary search needs the list in the order of the new comparison.
    if (FSorted) Sort();
}

void TStringList::SetUpdateState(bool Updating) {
    if (Updating)
        Changing();
    else
        Changed();
}

Integer TStringList::CompareStrings(const String& S1, const String& S2) const {
    return FCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}
