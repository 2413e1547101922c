#include "platform/data/TDataSet.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/StringsUpdate.h"
#include "platform/core/TStrings.h"

#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/data/TFields.h"

#include <utility>

TDataSet::TDataSet(TComponent* AOwner)
    : TComponent(AOwner), FFields(std::make_unique<TFields>(this)),
      FFieldDefs(std::make_unique<TFieldDefs>(this)) {}

TDataSet::~TDataSet() {
    Destroying();
    while (!FDataSources.empty())
        FDataSources.back()->SetDataSet(nullptr);
    for (TRecordBuffer& buffer : FBuffers)
        delete buffer;
    FBuffers.clear();
    FFields->Clear();
}

void TDataSet::Loaded() {
    TComponent::Loaded();
    if (FStreamedActive) SetActive(true);
}

void TDataSet::SetActive(bool Value) {
    if (ComponentState().Contains(csReading)) {
        FStreamedActive = Value;
        return;
    }
    if (Active() == Value) return;
    if (Value) {
        Fire(BeforeOpen);
        {
            const core::ScopeFail undoOpen([this] {
                FState = dsInactive;
                CloseCursor();
            });
            OpenCursor(false);
        }
        SetState(dsBrowse);
        Fire(AfterOpen);
        if (!IsEmpty()) DoAfterScroll();
    } else {
        if (!ComponentState().Contains(csDestroying)) Fire(BeforeClose);
        SetState(dsInactive);
        CloseCursor();
        if (!ComponentState().Contains(csDestroying)) Fire(AfterClose);
    }
}

void TDataSet::OpenCursor(bool InfoQuery) {
    if (InfoQuery)
        InternalInitFieldDefs();
    else
        DoInternalOpen();
}

void TDataSet::DoInternalOpen() {
    FDefaultFields = FieldCount() == 0;
    InternalOpen();
    if (FDefaultFields && FieldCount() == 0) CreateFields();
    BindFields(true);
    FInternalOpenComplete = true;
    UpdateBufferCount();
    FBOF = true;
}

void TDataSet::CloseCursor() {
    FInternalOpenComplete = false;
    ClearBuffers();
    FreeBuffers();
    InternalClose();
    BindFields(false);
    if (FDefaultFields) DestroyFields();
    FDefaultFields = false;
}

void TDataSet::InitFieldDefs() {
    if (IsCursorOpen()) {
        InternalInitFieldDefs();
        return;
    }
    const core::ScopeExit close([this] { CloseCursor(); });
    OpenCursor(true);
}

void TDataSet::SetUniDirectional(bool Value) {
    if (Value == FUniDirectional) return;
    CheckInactive();
    FUniDirectional = Value;
}

void TDataSet::CheckActive() const {
    if (FState == dsInactive) DatabaseError(SDataSetClosed, this);
}

void TDataSet::CheckInactive() const {
    if (Active()) DatabaseError(SDataSetOpen, this);
}

void TDataSet::CheckBiDirectional() const {
    if (FUniDirectional) DatabaseError(SDataSetUnidirectional, this);
}

void TDataSet::CheckCanModify() const {
    if (!CanModify()) DatabaseError(SDataSetReadOnly, this);
}

void TDataSet::SetState(TDataSetState Value) {
    if (FState == Value) return;
    FState = Value;
    FModified = false;
    DataEvent(deUpdateState, 0);
}

TDataSetState TDataSet::SetTempState(TDataSetState Value) {
    TDataSetState saved = FState;
    FState = Value;
    ++FDisableCount;
    FModified = false;
    return saved;
}

void TDataSet::RestoreState(TDataSetState Value) {
    FState = Value;
    --FDisableCount;
    FModified = false;
}

void TDataSet::DisableControls() {
    if (FDisableCount == 0) {
        FDisableState = FState;
        FEnableEvent = deDataSetChange;
    }
    ++FDisableCount;
}

void TDataSet::EnableControls() {
    if (FDisableCount == 0) return;
    if (--FDisableCount != 0) return;
    if (FDisableState != FState || FLinksReleased) DataEvent(deUpdateState, 0);
    FLinksReleased = false;
    if (FDisableState != dsInactive && FState != dsInactive) DataEvent(FEnableEvent, 0);
}

void TDataSet::DataEvent(TDataEvent Event, std::intptr_t Info) {
    bool notify = !ControlsDisabled() && FState != dsBlockRead;
    switch (Event) {
    case deFieldChange: {
        auto* field = reinterpret_cast<TField*>(Info);
        if (field && (field->FieldKind() == fkData || field->FieldKind() == fkInternalCalc)) FModified = true;
        UpdateCalcFields();
        break;
    }
    case deLayoutChange:
        if (ControlsDisabled()) FEnableEvent = deLayoutChange;
        break;
    case deUpdateState:
        // Links must let go of a closed dataset even while controls are disabled;
        // EnableControls then brings them back if it was opened again meanwhile.
        if (FState == dsInactive) {
            FLinksReleased = FLinksReleased || ControlsDisabled();
            notify = true;
        }
        break;
    default:
        break;
    }
    if (!notify) return;
    // A handler may unhook a source; walk a copy.
    const std::vector<TDataSource*> sources = FDataSources;
    for (TDataSource* source : sources)
        source->DataEvent(Event, Info);
}

void TDataSet::AddDataSource(TDataSource* DataSource) {
    FDataSources.push_back(DataSource);
    DataSource->FDataSet = this;
    UpdateBufferCount();
    DataSource->UpdateState();
}

void TDataSet::RemoveDataSource(TDataSource* DataSource) {
    DataSource->FDataSet = nullptr;
    std::erase(FDataSources, DataSource);
    DataSource->UpdateState();
    UpdateBufferCount();
}

bool TDataSet::IsLinkedTo(TDataSource* DataSource) const {
    const TDataSet* dataSet = this;
    // A chain of masters is short; the bound stops a cycle made behind our back.
    for (int depth = 0; dataSet && depth < 1000; ++depth) {
        TDataSource* source = dataSet->GetDataSource();
        if (!source) return false;
        if (source == DataSource) return true;
        dataSet = source->DataSet();
    }
    return false;
}

Integer TDataSet::FieldCount() const {
    return FFields->Count();
}

TField* TDataSet::FieldByName(const String& FieldName) const {
    return FFields->FieldByName(FieldName);
}

TField* TDataSet::FindField(const String& FieldName) const {
    return FFields->FindField(FieldName);
}

void TDataSet::GetFieldNames(TStrings* List) const {
    // Reading the definitions may open the table and raise; the list must not stay locked.
    core::UpdateScope scope(*List);
    List->Clear();
    if (FieldCount() > 0) {
        for (Integer i = 0; i < FFields->Count(); ++i)
            List->Add(FFields->Fields(i)->FieldName());
    } else {
        FFieldDefs->Update();
        for (Integer i = 0; i < FFieldDefs->Count(); ++i)
            List->Add(FFieldDefs->Items(i)->Name());
    }
}

void TDataSet::CreateFields() {
    FFieldDefs->Update();
    for (Integer i = 0; i < FFieldDefs->Count(); ++i)
        FFieldDefs->Items(i)->CreateField(this);
}

void TDataSet::DestroyFields() {
    FFields->Clear();
}

void TDataSet::BindFields(bool Binding) {
    for (Integer i = 0; i < FFields->Count(); ++i) {
        TField* field = FFields->Fields(i);
        if (!Binding) {
            field->FFieldNo = 0;
            continue;
        }
        if (field->FieldKind() == fkData) {
            Integer index = FFieldDefs->IndexOf(field->FieldName());
            if (index < 0) DatabaseErrorFmt(SFieldNotFound, {field->DisplayName()}, this);
            field->FFieldNo = index + 1;
        } else {
            field->FFieldNo = -1;
        }
    }
}

void TDataSet::FieldListChanged() {
    FCalcFieldsCount = 0;
    for (Integer i = 0; i < FFields->Count(); ++i) {
        TField* field = FFields->Fields(i);
        field->FCalcIndex = field->FieldKind() == fkData ? -1 : FCalcFieldsCount++;
    }
}

TRecordBuffer TDataSet::ActiveRecordBuffer() const {
    switch (FState) {
    case dsBrowse:
        return IsEmpty() ? nullptr : ActiveBuffer();
    case dsEdit:
    case dsInsert:
    case dsNewValue:
    case dsOldValue:
    case dsCurValue:
        return ActiveBuffer();
    case dsCalcFields:
    case dsInternalCalc:
        return FCalcBuffer;
    case dsFilter:
        if (FFilterBuffer) return FFilterBuffer;
        return IsEmpty() ? nullptr : ActiveBuffer();
    default:
        return nullptr;
    }
}

bool TDataSet::GetCalcFieldData(const TField* Field, TFieldData& Data) const {
    TRecordBuffer buffer = ActiveRecordBuffer();
    const auto index = static_cast<size_t>(Field->FCalcIndex);
    if (!buffer || Field->FCalcIndex < 0 || index >= buffer->CalcValues.size()) return false;
    Data = buffer->CalcValues[index];
    return !FieldDataIsNull(Data);
}

void TDataSet::SetCalcFieldData(const TField* Field, const TFieldData& Data) {
    TRecordBuffer buffer = ActiveRecordBuffer();
    if (!buffer || Field->FCalcIndex < 0) return;
    const auto index = static_cast<size_t>(Field->FCalcIndex);
    if (index >= buffer->CalcValues.size()) buffer->CalcValues.resize(static_cast<size_t>(FCalcFieldsCount));
    if (index < buffer->CalcValues.size()) buffer->CalcValues[index] = Data;
}

void TDataSet::ClearCalcFields(TRecordBuffer Buffer) {
    Buffer->CalcValues.assign(static_cast<size_t>(FCalcFieldsCount), TFieldData());
}

void TDataSet::CalculateFields(TRecordBuffer Buffer) {
    if (FState != dsInternalCalc && OnCalcFields) OnCalcFields(this);
}

void TDataSet::GetCalcFields(TRecordBuffer Buffer) {
    if (FCalcFieldsCount == 0) return;
    const TDataSetState saved = SetTempState(dsCalcFields);
    const TRecordBuffer savedBuffer = std::exchange(FCalcBuffer, Buffer);
    const core::ScopeExit restore([&] {
        FCalcBuffer = savedBuffer;
        RestoreState(saved);
    });
    ClearCalcFields(Buffer);
    CalculateFields(Buffer);
}

void TDataSet::UpdateCalcFields() {
    if (FState != dsSetKey && FCalcFieldsCount > 0 && FAutoCalcFields && IsEditMode(FState))
        GetCalcFields(ActiveBuffer());
}

void TDataSet::DoBeforeScroll() {
    Fire(BeforeScroll);
}

void TDataSet::DoAfterScroll() {
    Fire(AfterScroll);
}
