#pragma once
// The data-link plumbing every data-aware control shares (TDBEdit, TDBMemo,
// TDBCheckBox): the field link and its focus request, the DataSource /
// DataField / Field / ReadOnly properties, the loading flag that keeps a value
// being shown from counting as typing, the focused flag that switches between
// edit and display text, and the exit rule: the value is written to the field,
// and a value the field refuses keeps the focus in the control and raises.
#include "platform/core/ScopeExit.h"
#include "platform/data/TFieldDataLink.h"

#include <memory>

class TDataSource;
class TField;

template <class Base> class TDataAwareControl : public Base {
public:
    explicit TDataAwareControl(TComponent* AOwner)
        : Base(AOwner), FDataLink(std::make_unique<TFieldDataLink>()) {
        FDataLink->SetControl(this);
        FDataLink->OnDataChange = [this](TObject*) { DataChange(); };
        FDataLink->OnEditingChange = [this](TObject*) { EditingChange(); };
        FDataLink->OnUpdateData = [this](TObject*) { UpdateData(); };
        FDataLink->OnFocusControl = [this] {
            if (!this->CanFocus()) return false;
            this->SetFocus();
            return true;
        };
    }
    // The link goes first so that no notification reaches a half-destroyed control.
    ~TDataAwareControl() override { FDataLink.reset(); }

    TDataSource* DataSource() const { return FDataLink->DataSource(); }
    void SetDataSource(TDataSource* v) { FDataLink->SetDataSource(v); }
    const String& DataField() const { return FDataLink->FieldName(); }
    // Raises EDatabaseError "<name>: Field '<field>' not found" on an open dataset without it.
    void SetDataField(const String& v) { FDataLink->SetFieldName(v); }
    TField* Field() const { return FDataLink->Field(); }
    // Read-only stops the control from editing; the field may still be written by code.
    bool ReadOnly() const { return FDataLink->ReadOnly(); }
    void SetReadOnly(bool v) { FDataLink->SetReadOnly(v); }

protected:
    // Shows the field's value (the link's record moved or the field changed).
    virtual void DataChange() {}
    // Writes the control's value to the field.
    virtual void UpdateData() {}
    // The dataset entered or left an editing state.
    virtual void EditingChange() {}
    // The field refused the value on exit; text controls select their text.
    virtual void ExitRefused() {}

    TFieldDataLink* DataLink() const { return FDataLink.get(); }
    // True while ShowValue runs.
    bool Loading() const { return FLoading; }
    template <class F> void ShowValue(F&& Show) {
        FLoading = true;
        core::ScopeExit done([this] { FLoading = false; });
        Show();
    }
    // Focused, a text control shows the field's edit text; unfocused its display text.
    bool ShowsEditText() const { return FFocused; }
    void SetShowsEditText(bool v) {
        if (FFocused == v) return;
        FFocused = v;
        FDataLink->Reset();
    }
    // The exit rule; the caller's own exit handling follows when it returns.
    void WriteOnExit() {
        try {
            FDataLink->UpdateRecord();
        } catch (...) {
            ExitRefused();
            if (this->CanFocus()) this->SetFocus();
            throw;
        }
    }

private:
    std::unique_ptr<TFieldDataLink> FDataLink;
    bool FLoading = false;
    bool FFocused = false;
};
