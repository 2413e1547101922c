#include "platform/core/ScopeExit.h"
#include "platform/core/TCollection.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"

#include <algorithm>

// ---- TCollectionItem ----------------------------------------------------------

TCollectionItem::TCollectionItem(TCollection* Collection) {
    SetCollection(Collection);
}

TCollectionItem::~TCollectionItem() {
    SetCollection(nullptr);
}

TPersistent* TCollectionItem::GetOwner() const {
    return FCollection;
}

String TCollectionItem::GetNamePath() const {
    if (FCollection == nullptr) return ClassName();
    return FCollection->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

void TCollectionItem::SetCollection(TCollection* Value) {
    if (FCollection == Value) return;
    if (FCollection != nullptr) FCollection->RemoveItem(this);
    if (Value != nullptr) Value->InsertItem(this);
}

Integer TCollectionItem::Index() const {
    if (FCollection == nullptr) return -1;
    const auto& items = FCollection->FItems;
    return static_cast<Integer>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(Integer Value) {
    const Integer cur = Index();
    if (cur >= 0 && cur != Value) {
        FCollection->MoveItem(cur, Value);
        Changed(true);
    }
}

void TCollectionItem::SetDisplayName(const String& Value) {
    Changed(false);
}

void TCollectionItem::Changed(bool AllItems) {
    if (FCollection != nullptr && FCollection->FUpdateCount == 0)
        FCollection->Update(AllItems ? nullptr : this);
}

// ---- TCollection -----------------------------------------------------------

TCollection::TCollection(TItemFactory ItemClass) : FItemClass(std::move(ItemClass)) {
    if (!FItemClass) FItemClass = ItemClassOf<TCollectionItem>();
}

TCollection::~TCollection() {
    // The owner is usually half destroyed by now; tell nobody.
    FDestroying = true;
    ++FUpdateCount;
    while (!FItems.empty())
        delete FItems.back();
}

String TCollection::GetNamePath() const {
    TPersistent* owner = GetOwner();
    if (owner == nullptr) return ClassName();
    const String ownerPath = owner->GetNamePath();
    return ownerPath.empty() ? ClassName() : ownerPath;
}

void TCollection::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TCollection*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    BeginUpdate();
    const core::ScopeExit endUpdate([this] { EndUpdate(); });
    Clear();
    for (TCollectionItem* item : source->FItems)
        Add()->Assign(item);
}

TCollectionItem* TCollection::Items(Integer Index) const {
    if (Index < 0 || Index >= Count()) throw EListError(Format(SListIndexError, {Index}));
    return FItems[static_cast<size_t>(Index)];
}

TCollectionItem* TCollection::Add() {
    TCollectionItem* item = FItemClass(this);
    if (item->FCollection != this) item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(Integer Index) {
    if (Index < 0 || Index > Count()) throw EListError(Format(SListIndexError, {Index}));
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(Integer Index) {
    TCollectionItem* item = Items(Index);
    Notify(item, cnDeleting);
    delete item;
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    BeginUpdate();
    const core::ScopeExit endUpdate([this] { EndUpdate(); });
    while (!FItems.empty())
        delete FItems.back();
}

TCollectionItem* TCollection::FindItemID(Integer ID) const {
    for (TCollectionItem* item : FItems)
        if (item->FID == ID) return item;
    return nullptr;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    Changed();
}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
    Notify(Item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
    if (!FDestroying) Notify(Item, cnExtracting);
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it != FItems.end()) FItems.erase(it);
    Item->FCollection = nullptr;
    Changed();
}

void TCollection::MoveItem(Integer CurIndex, Integer NewIndex) {
    if (NewIndex < 0 || NewIndex >= Count()) throw EListError(Format(SListIndexError, {NewIndex}));
    TCollectionItem* item = FItems[static_cast<size_t>(CurIndex)];
    FItems.erase(FItems.begin() + CurIndex);
    FItems.insert(FItems.begin() + NewIndex, item);
}
