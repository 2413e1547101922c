#include "platform/ui/ItemStrings.h"

#include "platform/core/ScopeExit.h"
#include "platform/ui/SharedItems.h"

#include <algorithm>

namespace ui {

void ItemStrings::Check(Integer Index, Integer Limit) const {
    if (Index < 0 || Index > Limit) IndexError(Index);
}

Integer ItemStrings::Count() const {
    return FShared ? FShared->Count() : Integer(FItems.size());
}

String ItemStrings::Get(Integer Index) const {
    Check(Index, Count() - 1);
    return FShared ? String(FShared->Get(Index)) : FItems[std::size_t(Index)].Text;
}

void ItemStrings::Put(Integer Index, const String& S) {
    Check(Index, Count() - 1);
    Own();
    FItems[std::size_t(Index)].Text = S;
    if (OnChanged) OnChanged(Index, S);
}

TObject* ItemStrings::GetObject(Integer Index) const {
    Check(Index, Count() - 1);
    return FShared ? nullptr : FItems[std::size_t(Index)].Object;
}

void ItemStrings::PutObject(Integer Index, TObject* AObject) {
    Check(Index, Count() - 1);
    Own();
    FItems[std::size_t(Index)].Object = AObject;
}

void ItemStrings::Insert(Integer Index, const String& S) {
    Check(Index, Count());
    Own();
    FItems.insert(FItems.begin() + Index, Item{S, nullptr});
    if (OnInserted) OnInserted(Index, S);
}

void ItemStrings::Delete(Integer Index) {
    Check(Index, Count() - 1);
    Own();
    FItems.erase(FItems.begin() + Index);
    if (OnDeleted) OnDeleted(Index);
}

void ItemStrings::Clear() {
    if (FShared) {
        Share(nullptr);
        return;
    }
    FItems.clear();
    if (OnCleared) OnCleared();
}

void ItemStrings::Share(std::shared_ptr<const SharedItems> Items) {
    FItems.clear();
    FShared = std::move(Items);
    if (OnShared) OnShared(FShared.get());
}

void ItemStrings::Own() {
    if (!FShared) return;
    std::vector<Item> copy;
    copy.reserve(std::size_t(FShared->Count()));
    for (Integer i = 0; i < FShared->Count(); ++i)
        copy.push_back({String(FShared->Get(i)), nullptr});
    Share(nullptr);
    for (const Item& i : copy) {
        FItems.push_back(i);
        if (OnInserted) OnInserted(Count() - 1, i.Text);
    }
}

Integer ItemStrings::Add(const String& S) {
    return AddObject(S, nullptr);
}

Integer ItemStrings::AddObject(const String& S, TObject* AObject) {
    Own();
    Integer index = Count();
    if (FSorted) {
        const auto it =
            std::upper_bound(FItems.begin(), FItems.end(), S, [this](const String& s, const Item& i) {
                return CompareStrings(s, i.Text) < 0;
            });
        index = Integer(it - FItems.begin());
    }
    Insert(index, S);
    FItems[std::size_t(index)].Object = AObject;
    return index;
}

void ItemStrings::SetSorted(bool v) {
    if (v == FSorted) return;
    FSorted = v;
    if (!v) return;
    Own();
    std::vector<Item> items = FItems;
    std::stable_sort(items.begin(), items.end(),
                     [this](const Item& a, const Item& b) { return CompareStrings(a.Text, b.Text) < 0; });
    Clear();
    for (const Item& i : items) {
        FItems.push_back(i);
        if (OnInserted) OnInserted(Count() - 1, i.Text);
    }
}

void ItemStrings::MirrorTo(bool& Syncing, Mirror Widget) {
    auto synced = [&Syncing](auto&& action) {
        Syncing = true;
        core::ScopeExit done([&Syncing] { Syncing = false; });
        action();
    };
    OnInserted = [synced, insert = Widget.Insert](Integer i, const String& s) {
        synced([&] { insert(i, s); });
    };
    OnDeleted = [synced, remove = Widget.Remove](Integer i) { synced([&] { remove(i); }); };
    OnChanged = [synced, rename = Widget.Rename](Integer i, const String& s) {
        synced([&] { rename(i, s); });
    };
    OnCleared = [synced, clear = Widget.Clear] { synced(clear); };
    OnShared = nullptr;
    if (Widget.Share)
        OnShared = [synced, share = Widget.Share](const SharedItems* items) {
            synced([&] { share(items); });
        };
}

void ItemStrings::StopMirroring() {
    OnInserted = nullptr;
    OnDeleted = nullptr;
    OnChanged = nullptr;
    OnCleared = nullptr;
    OnShared = nullptr;
}

} // namespace ui
