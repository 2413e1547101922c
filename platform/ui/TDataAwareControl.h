#pragma once
// The data-link plumbing every data-aware control shares (TDBEdit, TDBMemo,
// TDBCheckBox): the field link and its focus request, the DataSource /
// DataField / Field / ReadOnly properties, the loading flag that keeps a value
// being shown from counting as typing, the focused flag that switches between
// edit and display text, and the exit rule: the value is written to the field,
// and a value the field refuses keeps the focus in the control and raises.
// TDataAwareText below adds what the two text boxes share.
#include "platform/core/ScopeExit.h"
#include "platform/data/TFieldDataLink.h"
#include "platform/ui/UiTypes.h"
#include "platform/ui/VirtualKeys.h"

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
        const core::ScopeFail refused([this] {
            ExitRefused();
            if (this->CanFocus()) this->SetFocus();
        });
        FDataLink->UpdateRecord();
    }

private:
    std::unique_ptr<TFieldDataLink> FDataLink;
    bool FLoading = false;
    bool FFocused = false;
};

// The data-aware text boxes (TDBEdit, TDBMemo): typing, Delete and Shift+Insert
// put the dataset into edit state; Escape takes back the field's value and
// selects it; focused, the box shows the field's edit text, unfocused its
// display text; a value the field refuses on exit is selected.
template <class Base> class TDataAwareText : public TDataAwareControl<Base> {
public:
    using TDataAwareControl<Base>::TDataAwareControl;

    void KeyDown(Word& Key, TShiftState Shift) override {
        Base::KeyDown(Key, Shift);
        if (Key == VK_DELETE || (Key == VK_INSERT && Shift.Contains(ssShift))) this->DataLink()->Edit();
    }
    void KeyPress(String& Key) override {
        Base::KeyPress(Key);
        if (Key.empty()) return;
        if (!AcceptsKey(Key)) {
            Key.clear();
            return;
        }
        if (IsTyping(Key)) {
            this->DataLink()->Edit();
        } else if (Key == "\x1b") {
            this->DataLink()->Reset();
            this->SelectAll();
            Key.clear();
        }
    }

protected:
    // Whether the field can take the typed character (a numeric field refuses letters).
    virtual bool AcceptsKey(const String&) const { return true; }
    // Keys that change the text: printable text, backspace, paste (Ctrl+V) and cut (Ctrl+X).
    virtual bool IsTyping(const String& Key) const {
        const auto c = static_cast<unsigned char>(Key[0]);
        return c >= 0x20 || c == 0x08 || c == 0x16 || c == 0x18;
    }
    void Change() override {
        if (!this->Loading()) this->DataLink()->Modified();
        Base::Change();
    }
    void DoEnter() override {
        this->SetShowsEditText(true);
        Base::DoEnter();
    }
    // Writes the text first; a value the field refuses is selected, keeps the
    // focus here and raises.
    void DoExit() override {
        this->WriteOnExit();
        this->SetShowsEditText(false);
        Base::DoExit();
    }
    void ExitRefused() override { this->SelectAll(); }
};
