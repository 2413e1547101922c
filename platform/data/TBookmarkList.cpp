#include "platform/core/ScopeExit.h"
#include "platform/data/TBookmarkList.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/data/TDataLink.h"
#include "platform/data/TDataSet.h"

TBookmarkList::TBookmarkList(TDataLink* DataLink) : FDataLink(DataLink) {}

TDataSet* TBookmarkList::ActiveDataSet() const {
    return FDataLink && FDataLink->Active() ? FDataLink->DataSet() : nullptr;
}

void TBookmarkList::Changed() {
    if (OnChange) OnChange(this);
}

const TBookmark& TBookmarkList::Items(Integer Index) const {
    if (Index < 0 || Index >= Count()) throw EListError(Format("List index out of bounds (%d)", {Index}));
    return FList[static_cast<size_t>(Index)];
}

bool TBookmarkList::Find(const TBookmark& Item, Integer& Index) const {
    Index = IndexOf(Item);
    if (Index >= 0) return true;
    Index = Count();
    return false;
}

Integer TBookmarkList::IndexOf(const TBookmark& Item) const {
    TDataSet* dataSet = FDataLink ? FDataLink->DataSet() : nullptr;
    if (Item.empty()) return -1;
    for (size_t i = 0; i < FList.size(); ++i) {
        // Equal bytes are the same record whatever the dataset; otherwise ask it.
        if (FList[i] == Item || (dataSet && dataSet->CompareBookmarks(FList[i], Item) == 0))
            return static_cast<Integer>(i);
    }
    return -1;
}

bool TBookmarkList::CurrentRowSelected() const {
    TDataSet* dataSet = ActiveDataSet();
    if (!dataSet) return false;
    return IndexOf(dataSet->GetBookmark()) >= 0;
}

void TBookmarkList::SetCurrentRowSelected(bool Value) {
    TDataSet* dataSet = ActiveDataSet();
    if (!dataSet) return;
    TBookmark current = dataSet->GetBookmark();
    if (current.empty()) return;
    Integer index = IndexOf(current);
    if ((index >= 0) == Value) return;
    if (Value)
        FList.push_back(std::move(current));
    else
        FList.erase(FList.begin() + index);
    Changed();
}

void TBookmarkList::Clear() {
    if (FList.empty()) return;
    FList.clear();
    Changed();
}

void TBookmarkList::Delete() {
    TDataSet* dataSet = ActiveDataSet();
    if (!dataSet || FList.empty()) return;
    dataSet->DisableControls();
    const core::ScopeExit done([&] {
        dataSet->EnableControls();
        Changed();
    });
    while (!FList.empty()) {
        const TBookmark bookmark = FList.back();
        FList.pop_back();
        if (dataSet->BookmarkValid(bookmark)) {
            dataSet->GotoBookmark(bookmark);
            dataSet->Delete();
        }
    }
}

bool TBookmarkList::Refresh() {
    TDataSet* dataSet = FDataLink ? FDataLink->DataSet() : nullptr;
    if (!dataSet) return false;
    const size_t before = FList.size();
    std::erase_if(FList, [dataSet](const TBookmark& b) { return !dataSet->BookmarkValid(b); });
    const bool removed = FList.size() != before;
    if (removed) Changed();
    return removed;
}

void TBookmarkList::LinkActive(bool Value) {
    Clear();
}
