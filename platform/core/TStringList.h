#pragma once
// The string list that keeps its strings: optionally sorted, with duplicate
// control and change events.
#include "platform/core/TStrings.h"

#include <vector>

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// Negative, zero or positive as the string at Index1 sorts before, with or after Index2.
using TStringListSortCompare = std::function<Integer(TStringList* List, Integer Index1, Integer Index2)>;

class TStringList : public TStrings {
public:
    TStringList() = default;
    // The objects are not deleted: the list never owns them.
    ~TStringList() override = default;

    String ClassName() const override { return "TStringList"; }

    Integer Count() const override { return static_cast<Integer>(FList.size()); }
    String Get(Integer Index) const override;
    // The string at Index itself rather than a copy; it lasts until the list changes.
    const String& StringAt(Integer Index) const;
    // Raises EStringListError "Operation not allowed on sorted list" when Sorted.
    void Put(Integer Index, const String& S) override;
    TObject* GetObject(Integer Index) const override;
    void PutObject(Integer Index, TObject* AObject) override;
    // Raises EStringListError "Operation not allowed on sorted list" when Sorted.
    void Insert(Integer Index, const String& S) override;
    void Delete(Integer Index) override;
    void Clear() override;
    Integer Capacity() const override { return static_cast<Integer>(FList.capacity()); }
    void SetCapacity(Integer NewCapacity) override;

    // On a sorted list the string goes to its place; a duplicate is dropped
    // (dupIgnore, returning the existing index), kept (dupAccept) or raises
    // EStringListError "String list does not allow duplicates" (dupError).
    Integer Add(const String& S) override;
    Integer AddObject(const String& S, TObject* AObject) override;
    void Exchange(Integer Index1, Integer Index2) override;
    // Raises EStringListError "Operation not allowed on sorted list" when Sorted,
    // leaving the list as it was.
    void Move(Integer CurIndex, Integer NewIndex) override;
    Integer IndexOf(const String& S) const override;

    // On a sorted list a binary search: true when S is present, Index its first
    // occurrence, or the place it would be inserted. On an unsorted list a plain
    // search, Index being Count when S is absent.
    bool Find(const String& S, Integer& Index) const;
    // Stable sort by CompareStrings.
    virtual void Sort();
    // Stable sort by Compare (indexes refer to the order before sorting).
    virtual void CustomSort(const TStringListSortCompare& Compare);

    bool Sorted() const { return FSorted; }
    // Sorting a list that was unsorted sorts it now.
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    // A sorted list is re-sorted under the new comparison.
    void SetCaseSensitive(bool Value);

    // Fired around every change outside BeginUpdate/EndUpdate, and once at each
    // outermost BeginUpdate (OnChanging) and EndUpdate (OnChange).
    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool Updating) override;
    // Hungarian order; case observed only when CaseSensitive.
    Integer CompareStrings(const String& S1, const String& S2) const override;
    virtual void Changed();
    virtual void Changing();

private:
    struct TStringItem {
        String FString;
        TObject* FObject = nullptr;
    };
    void InsertItem(Integer Index, const String& S, TObject* AObject);
    void CheckIndex(Integer Index) const;

    std::vector<TStringItem> FList;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = dupIgnore;
};
