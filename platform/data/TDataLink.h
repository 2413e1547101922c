#pragma once
// TDataLink: what a data-aware control holds to follow a dataset through a
// data source. It sees a window of BufferCount records of the dataset's
// buffers; ActiveRecord is the current record's place in that window.
#include "platform/core/TPersistent.h"
#include "platform/data/TDataSetState.h"

#include <cstdint>

class TDataSet;
class TDataSource;
class TField;

class TDataLink : public TPersistent {
public:
    TDataLink() = default;
    // Leaves its data source.
    ~TDataLink() override;
    String ClassName() const override { return "TDataLink"; }

    TDataSource* DataSource() const { return FDataSource; }
    // Raises EDatabaseError "DataSource cannot be changed" while DataSourceFixed.
    void SetDataSource(TDataSource* Value);
    bool DataSourceFixed() const { return FDataSourceFixed; }
    void SetDataSourceFixed(bool Value) { FDataSourceFixed = Value; }
    TDataSet* DataSet() const;

    // Active while the source is enabled and its dataset open.
    bool Active() const { return FActive; }
    // Editing while the dataset is in an edit state and the link is not read-only.
    bool Editing() const { return FEditing; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);

    // The window. ActiveRecord may be set (0 .. BufferCount-1) to read another
    // buffered record through the fields, and must be set back afterwards.
    Integer BufferCount() const { return FBufferCount; }
    void SetBufferCount(Integer Value);
    Integer ActiveRecord() const;
    void SetActiveRecord(Integer Value);
    // Records in the window: at most BufferCount.
    Integer RecordCount() const;

    // Puts the dataset into edit state through the source (AutoEdit) unless the
    // link is read-only; answers Editing.
    bool Edit();
    // Writes the control's pending value (UpdateData), with RecordChanged muted.
    void UpdateRecord();
    Integer MoveBy(Integer Distance);

protected:
    // Notifications, overridden by controls. The defaults pass DataSetScrolled
    // and LayoutChanged on to DataSetChanged, and that to RecordChanged(null).
    virtual void ActiveChanged() {}
    virtual void CheckBrowseMode() {}
    virtual void DataSetChanged();
    virtual void DataSetScrolled(Integer Distance) { DataSetChanged(); }
    virtual void EditingChanged() {}
    virtual void FocusControl(TField** Field) {}
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void RecordChanged(TField* Field) {}
    virtual void UpdateData() {}

    void SetActive(bool Value);
    void SetEditing(bool Value);

private:
    friend class TDataSet;
    friend class TDataSource;

    void DataEvent(TDataEvent Event, std::intptr_t Info);
    void UpdateState();
    void UpdateRange();

    TDataSource* FDataSource = nullptr;
    Integer FBufferCount = 1;
    Integer FFirstRecord = 0;
    bool FReadOnly = false;
    bool FActive = false;
    bool FEditing = false;
    bool FUpdating = false;
    bool FDataSourceFixed = false;
};
