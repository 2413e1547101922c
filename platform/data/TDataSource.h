#pragma once
// TDataSource: the link between a dataset and the controls that show it. It
// passes the dataset's data events on to its data links and fires its own
// events.
#include "platform/core/TComponent.h"
#include "platform/data/TDataSetState.h"

#include <functional>
#include <vector>

class TDataLink;
class TDataSet;
class TField;

using TDataChangeEvent = std::function<void(TObject* Sender, TField* Field)>;

class TDataSource : public TComponent {
public:
    explicit TDataSource(TComponent* AOwner);
    ~TDataSource() override;
    String ClassName() const override { return "TDataSource"; }

    TDataSet* DataSet() const { return FDataSet; }
    // Raises EDatabaseError "<name>: Circular datalinks are not allowed" when
    // Value follows this source as its master.
    void SetDataSet(TDataSet* Value);
    // A disabled source looks inactive to its links.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool AutoEdit() const { return FAutoEdit; }
    void SetAutoEdit(bool Value) { FAutoEdit = Value; }
    // The dataset's state as the links see it; dsInactive without a dataset.
    TDataSetState State() const { return FState; }

    // Puts a browsing dataset into edit state when AutoEdit is on.
    void Edit();
    // Whether DataSet follows this source as its master, directly or through others.
    bool IsLinkedTo(TDataSet* DataSet) const;

    Integer DataLinkCount() const { return static_cast<Integer>(FDataLinks.size()); }

    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Field is the changed field, null when the record or the dataset changed.
    TDataChangeEvent OnDataChange;
    TNotifyEvent OnStateChange;
    TNotifyEvent OnUpdateData;

private:
    friend class TDataLink;
    friend class TDataSet;

    void AddDataLink(TDataLink* DataLink);
    void RemoveDataLink(TDataLink* DataLink);
    void DataEvent(TDataEvent Event, std::intptr_t Info);
    void NotifyDataLinks(TDataEvent Event, std::intptr_t Info);
    void SetState(TDataSetState Value);
    void UpdateState();

    TDataSet* FDataSet = nullptr;
    std::vector<TDataLink*> FDataLinks;
    TDataSetState FState = dsInactive;
    bool FEnabled = true;
    bool FAutoEdit = true;
};
