#include "platform/data/TFieldDataLink.h"

#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"

void TFieldDataLink::SetFieldName(const String& Value) {
    if (FFieldName == Value) return;
    FFieldName = Value;
    UpdateField();
}

bool TFieldDataLink::CanModify() const {
    return !ReadOnly() && (!FField || FField->CanModify());
}

bool TFieldDataLink::Edit() {
    if (CanModify()) TDataLink::Edit();
    return FEditing;
}

void TFieldDataLink::UpdateField() {
    if (!Active() || FFieldName.empty()) {
        SetField(nullptr);
        return;
    }
    // A dangling pointer must not survive a failed lookup.
    FField = nullptr;
    TField* field = DataSet()->FindField(FFieldName);
    if (!field) {
        SetField(nullptr);
        DatabaseErrorFmt(SFieldNotFound, {FFieldName}, FControl);
    }
    SetField(field);
}

void TFieldDataLink::SetField(TField* Value) {
    if (FField == Value) return;
    FField = Value;
    EditingChanged();
    RecordChanged(nullptr);
}

void TFieldDataLink::SetFieldEditing(bool Value) {
    if (FEditing == Value) return;
    FEditing = Value;
    FModified = false;
    if (OnEditingChange) OnEditingChange(this);
}

void TFieldDataLink::ActiveChanged() {
    UpdateField();
    if (OnActiveChange) OnActiveChange(this);
}

void TFieldDataLink::EditingChanged() {
    SetFieldEditing(TDataLink::Editing() && CanModify());
}

void TFieldDataLink::FocusControl(TField** Field) {
    if (!Field || !*Field || *Field != FField || !OnFocusControl) return;
    if (OnFocusControl()) *Field = nullptr;
}

void TFieldDataLink::LayoutChanged() {
    UpdateField();
}

void TFieldDataLink::RecordChanged(TField* Field) {
    if (Field && Field != FField) return;
    if (OnDataChange) OnDataChange(this);
    FModified = false;
}

void TFieldDataLink::UpdateData() {
    if (!FModified) return;
    if (FField && OnUpdateData) OnUpdateData(this);
    FModified = false;
}
