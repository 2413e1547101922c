#pragma once
// TFieldDataLink: the link of a control that shows and edits one field of the
// current record. It finds the field by name whenever the dataset opens or its
// layout changes, tells the control when the record or the field changed and
// when editing starts or stops, and asks the control for its value when the
// record is written.
#include "platform/data/TDataLink.h"

#include <functional>

class TComponent;

class TFieldDataLink : public TDataLink {
public:
    TFieldDataLink() = default;
    String ClassName() const override { return "TFieldDataLink"; }

    // The control the link serves; its name prefixes the "field not found" error.
    TComponent* Control() const { return FControl; }
    void SetControl(TComponent* Value) { FControl = Value; }
    const String& FieldName() const { return FFieldName; }
    // Rebinds at once when the dataset is open; raises EDatabaseError
    // "<control>: Field '<name>' not found" when it has no such field.
    void SetFieldName(const String& Value);
    // The bound field; null while inactive or without a field name.
    TField* Field() const { return FField; }

    // The control may write: the link is not read-only and the field can be modified.
    bool CanModify() const;
    // Editing the bound field: the dataset is in an edit state and CanModify.
    bool Editing() const { return FEditing; }
    // Puts the dataset into edit state (through the source's AutoEdit) when the
    // control may write; answers Editing.
    bool Edit();
    // The control's text differs from the field since the last load.
    void Modified() { FModified = true; }
    bool IsModified() const { return FModified; }
    // Reloads the control from the field, dropping its change.
    void Reset() { RecordChanged(nullptr); }

    TNotifyEvent OnDataChange;
    TNotifyEvent OnEditingChange;
    TNotifyEvent OnUpdateData;
    TNotifyEvent OnActiveChange;
    // Asked to focus the control when the dataset points at the bound field
    // (a required field left empty); answers whether the control took the focus.
    std::function<bool()> OnFocusControl;

protected:
    void ActiveChanged() override;
    void EditingChanged() override;
    void FocusControl(TField** Field) override;
    void LayoutChanged() override;
    void RecordChanged(TField* Field) override;
    void UpdateData() override;

private:
    void UpdateField();
    void SetField(TField* Value);
    void SetFieldEditing(bool Value);

    TComponent* FControl = nullptr;
    String FFieldName;
    TField* FField = nullptr;
    bool FEditing = false;
    bool FModified = false;
};
