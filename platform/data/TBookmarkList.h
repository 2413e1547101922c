#pragma once
// TBookmarkList: the selected records of a grid, as bookmarks of the dataset
// behind its data link, kept in the order they were selected.
#include "platform/core/TObject.h"
#include "platform/data/TDataSetState.h"

#include <vector>

class TDataLink;
class TDataSet;

class TBookmarkList : public TObject {
public:
    explicit TBookmarkList(TDataLink* DataLink);
    String ClassName() const override { return "TBookmarkList"; }

    Integer Count() const { return static_cast<Integer>(FList.size()); }
    // Raises EListError "List index out of bounds (<i>)".
    const TBookmark& Items(Integer Index) const;
    const TBookmark& operator[](Integer Index) const { return Items(Index); }

    // Whether the dataset's current record is selected; setting it adds the record
    // at the end or removes it. Nothing happens without an active link or a bookmark.
    bool CurrentRowSelected() const;
    void SetCurrentRowSelected(bool Value);

    // Where Item is (compared by the dataset); Index is Count when absent.
    bool Find(const TBookmark& Item, Integer& Index) const;
    Integer IndexOf(const TBookmark& Item) const;
    void Clear();
    // Deletes the selected records from the dataset (its controls disabled) and
    // empties the list.
    void Delete();
    // Drops the bookmarks the dataset no longer knows; answers whether any went.
    bool Refresh();
    // Tells the list that the link went active or inactive; either clears it.
    void LinkActive(bool Value);

    // Fired after every change of the selection.
    TNotifyEvent OnChange;

private:
    TDataSet* ActiveDataSet() const;
    void Changed();

    TDataLink* FDataLink;
    std::vector<TBookmark> FList;
};
