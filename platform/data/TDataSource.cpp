#include "platform/data/TDataSource.h"

#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TDataLink.h"
#include "platform/data/TDataSet.h"

#include <algorithm>

TDataSource::TDataSource(TComponent* AOwner) : TComponent(AOwner) {}

TDataSource::~TDataSource() {
    Destroying();
    SetDataSet(nullptr);
    while (!FDataLinks.empty())
        RemoveDataLink(FDataLinks.back());
}

void TDataSource::SetDataSet(TDataSet* Value) {
    if (Value == FDataSet) return;
    if (IsLinkedTo(Value)) DatabaseError(SCircularDataLink, this);
    if (FDataSet) {
        FDataSet->RemoveFreeNotification(this);
        FDataSet->RemoveDataSource(this);
    }
    if (Value) {
        Value->FreeNotification(this);
        Value->AddDataSource(this);
    }
}

void TDataSource::SetEnabled(bool Value) {
    FEnabled = Value;
    UpdateState();
}

void TDataSource::Edit() {
    if (FAutoEdit && FState == dsBrowse && FDataSet) FDataSet->Edit();
}

bool TDataSource::IsLinkedTo(TDataSet* DataSet) const {
    return DataSet && DataSet->IsLinkedTo(const_cast<TDataSource*>(this));
}

void TDataSource::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && FDataSet && AComponent == FDataSet) {
        // The dataset is going; its source list may already be gone with it.
        FDataSet = nullptr;
        UpdateState();
    }
}

void TDataSource::AddDataLink(TDataLink* DataLink) {
    FDataLinks.push_back(DataLink);
    DataLink->FDataSource = this;
    if (FDataSet) FDataSet->UpdateBufferCount();
    DataLink->UpdateState();
}

void TDataSource::RemoveDataLink(TDataLink* DataLink) {
    DataLink->FDataSource = nullptr;
    std::erase(FDataLinks, DataLink);
    DataLink->UpdateState();
    if (FDataSet) FDataSet->UpdateBufferCount();
}

void TDataSource::NotifyDataLinks(TDataEvent Event, std::intptr_t Info) {
    // Single-record links (edit controls) first, so that a grid sees their
    // values already written; each group from the last link to the first.
    const std::vector<TDataLink*> links = FDataLinks;
    for (auto it = links.rbegin(); it != links.rend(); ++it)
        if ((*it)->FBufferCount == 1 &&
            std::find(FDataLinks.begin(), FDataLinks.end(), *it) != FDataLinks.end())
            (*it)->DataEvent(Event, Info);
    for (auto it = links.rbegin(); it != links.rend(); ++it)
        if ((*it)->FBufferCount > 1 &&
            std::find(FDataLinks.begin(), FDataLinks.end(), *it) != FDataLinks.end())
            (*it)->DataEvent(Event, Info);
}

void TDataSource::DataEvent(TDataEvent Event, std::intptr_t Info) {
    if (Event == deUpdateState) {
        UpdateState();
        return;
    }
    if (FState == dsInactive) return;
    NotifyDataLinks(Event, Info);
    switch (Event) {
    case deFieldChange:
        if (OnDataChange) OnDataChange(this, reinterpret_cast<TField*>(Info));
        break;
    case deRecordChange:
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange:
        if (OnDataChange) OnDataChange(this, nullptr);
        break;
    case deUpdateRecord:
        if (OnUpdateData) OnUpdateData(this);
        break;
    default:
        break;
    }
}

void TDataSource::SetState(TDataSetState Value) {
    if (FState == Value) return;
    const TDataSetState prior = FState;
    FState = Value;
    NotifyDataLinks(deUpdateState, 0);
    if (ComponentState().Contains(csDestroying)) return;
    if (OnStateChange) OnStateChange(this);
    if (prior == dsInactive && OnDataChange) OnDataChange(this, nullptr);
}

void TDataSource::UpdateState() {
    if (FEnabled && FDataSet)
        SetState(FDataSet->State());
    else
        SetState(dsInactive);
}
