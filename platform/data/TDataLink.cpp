#include "platform/core/ScopeExit.h"
#include "platform/data/TDataLink.h"

#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"

#include <algorithm>

TDataLink::~TDataLink() {
    FDataSourceFixed = false;
    if (FDataSource) FDataSource->RemoveDataLink(this);
}

void TDataLink::SetDataSource(TDataSource* Value) {
    if (Value == FDataSource) return;
    if (FDataSourceFixed) DatabaseError(SDataSourceChange, FDataSource);
    if (FDataSource) FDataSource->RemoveDataLink(this);
    if (Value) Value->AddDataLink(this);
}

TDataSet* TDataLink::DataSet() const {
    return FDataSource ? FDataSource->DataSet() : nullptr;
}

void TDataLink::SetReadOnly(bool Value) {
    if (FReadOnly == Value) return;
    FReadOnly = Value;
    UpdateState();
}

void TDataLink::SetBufferCount(Integer Value) {
    Value = std::max(1, Value);
    if (FBufferCount == Value) return;
    FBufferCount = Value;
    if (FActive) {
        UpdateRange();
        DataSet()->UpdateBufferCount();
        UpdateRange();
    }
}

Integer TDataLink::ActiveRecord() const {
    if (!FActive || FDataSource->State() == dsSetKey) return 0;
    return DataSet()->FActiveRecord - FFirstRecord;
}

void TDataLink::SetActiveRecord(Integer Value) {
    if (!FActive || FDataSource->State() == dsSetKey) return;
    TDataSet* dataSet = DataSet();
    // Pointing outside the dataset's buffers would read a buffer that holds no record.
    const Integer index = Value + FFirstRecord;
    if (index < 0 || index >= std::max(1, dataSet->FBufferCount)) return;
    dataSet->FActiveRecord = index;
}

Integer TDataLink::RecordCount() const {
    if (!FActive) return 0;
    if (FDataSource->State() == dsSetKey) return 1;
    return std::min(DataSet()->FRecordCount, FBufferCount);
}

bool TDataLink::Edit() {
    if (!FReadOnly && FDataSource) FDataSource->Edit();
    return FEditing;
}

void TDataLink::UpdateRecord() {
    FUpdating = true;
    const core::ScopeExit updated([this] { FUpdating = false; });
    UpdateData();
}

Integer TDataLink::MoveBy(Integer Distance) {
    TDataSet* dataSet = DataSet();
    return dataSet ? dataSet->MoveBy(Distance) : 0;
}

void TDataLink::DataSetChanged() {
    RecordChanged(nullptr);
}

void TDataLink::SetActive(bool Value) {
    if (FActive == Value) return;
    FActive = Value;
    if (Value)
        UpdateRange();
    else
        FFirstRecord = 0;
    ActiveChanged();
}

void TDataLink::SetEditing(bool Value) {
    if (FEditing == Value) return;
    FEditing = Value;
    EditingChanged();
}

void TDataLink::UpdateState() {
    SetActive(FDataSource && FDataSource->State() != dsInactive);
    SetEditing(FDataSource && IsEditMode(FDataSource->State()) && !FReadOnly);
}

void TDataLink::UpdateRange() {
    TDataSet* dataSet = DataSet();
    const Integer active = dataSet->FActiveRecord;
    const Integer lowest = std::max(0, active - FBufferCount + 1);
    const Integer highest = std::max(0, std::min(dataSet->FBufferCount - FBufferCount, active));
    FFirstRecord = std::clamp(FFirstRecord, lowest, std::max(lowest, highest));
}

void TDataLink::DataEvent(TDataEvent Event, std::intptr_t Info) {
    if (Event == deUpdateState) {
        UpdateState();
        return;
    }
    if (!FActive) return;
    switch (Event) {
    case deFieldChange:
    case deRecordChange:
        if (!FUpdating) RecordChanged(reinterpret_cast<TField*>(Info));
        break;
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange: {
        Integer count = 0;
        if (FDataSource->State() != dsSetKey) {
            // Info is how far the dataset shifted its buffers; the window
            // follows its records and is then kept around the active one.
            const Integer first = FFirstRecord + static_cast<Integer>(Info);
            UpdateRange();
            count = FFirstRecord - first;
        }
        if (Event == deDataSetChange)
            DataSetChanged();
        else if (Event == deDataSetScroll)
            DataSetScrolled(count);
        else
            LayoutChanged();
        break;
    }
    case deUpdateRecord:
        UpdateRecord();
        break;
    case deCheckBrowseMode:
        CheckBrowseMode();
        break;
    case deFocusControl:
        FocusControl(reinterpret_cast<TField**>(Info));
        break;
    default:
        break;
    }
}
