#include "platform/ui/TDBEdit.h"

#include "platform/core/FormatSettings.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDataLink.h"
#include "platform/ui/VirtualKeys.h"

namespace {

// Characters a numeric field can take; anything else is refused as typed, so
// the mistake shows at the key and not only when the record is posted.
bool IsValidChar(const TField* Field, const String& Key) {
    if (!Field || Key.size() != 1) return true;
    const char c = Key[0];
    switch (Field->DataType()) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
    case ftLargeint:
        return (c >= '0' && c <= '9') || c == '+' || c == '-';
    case ftFloat:
    case ftCurrency:
    case ftBCD:
        return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E' ||
               Key == FormatSettings.DecimalSeparator;
    default:
        return true;
    }
}

bool IsTyping(const String& Key) {
    if (Key.empty()) return false;
    const auto c = static_cast<unsigned char>(Key[0]);
    // Printable text, backspace, paste (Ctrl+V) and cut (Ctrl+X).
    return c >= 0x20 || c == 0x08 || c == 0x16 || c == 0x18;
}

} // namespace

TDBEdit::TDBEdit(TComponent* AOwner) : TEdit(AOwner), FDataLink(std::make_unique<TFieldDataLink>()) {
    FDataLink->SetControl(this);
    FDataLink->OnDataChange = [this](TObject*) { DataChange(); };
    FDataLink->OnEditingChange = [this](TObject*) { EditingChange(); };
    FDataLink->OnUpdateData = [this](TObject*) { UpdateData(); };
    FDataLink->OnFocusControl = [this] {
        if (!CanFocus()) return false;
        SetFocus();
        return true;
    };
    TEdit::SetReadOnly(true);
}

TDBEdit::~TDBEdit() {
    // The link goes first so that no notification reaches a half-destroyed box.
    FDataLink.reset();
}

TDataSource* TDBEdit::DataSource() const { return FDataLink->DataSource(); }
void TDBEdit::SetDataSource(TDataSource* v) { FDataLink->SetDataSource(v); }
const String& TDBEdit::DataField() const { return FDataLink->FieldName(); }
void TDBEdit::SetDataField(const String& v) { FDataLink->SetFieldName(v); }
TField* TDBEdit::Field() const { return FDataLink->Field(); }
bool TDBEdit::ReadOnly() const { return FDataLink->ReadOnly(); }
void TDBEdit::SetReadOnly(bool v) { FDataLink->SetReadOnly(v); }

void TDBEdit::DataChange() {
    TField* field = FDataLink->Field();
    FLoading = true;
    try {
        if (!field) {
            SetText(String());
        } else {
            if ((field->DataType() == ftString || field->DataType() == ftWideString) && MaxLength() == 0)
                SetMaxLength(field->Size());
            SetText(FFocused && FDataLink->CanModify() ? field->Text() : field->DisplayText());
        }
    } catch (...) {
        FLoading = false;
        throw;
    }
    FLoading = false;
    SetModified(false);
}

void TDBEdit::EditingChange() { TEdit::SetReadOnly(!FDataLink->Editing()); }

void TDBEdit::UpdateData() { FDataLink->Field()->SetText(Text()); }

void TDBEdit::Change() {
    if (!FLoading) FDataLink->Modified();
    TEdit::Change();
}

void TDBEdit::KeyDown(Word& Key, TShiftState Shift) {
    TEdit::KeyDown(Key, Shift);
    if (Key == VK_DELETE || (Key == VK_INSERT && Shift.Contains(ssShift))) FDataLink->Edit();
}

void TDBEdit::KeyPress(String& Key) {
    TEdit::KeyPress(Key);
    if (Key.empty()) return;
    const auto c = static_cast<unsigned char>(Key[0]);
    if (c >= 0x20 && !IsValidChar(FDataLink->Field(), Key)) {
        Key.clear();
        return;
    }
    if (IsTyping(Key)) {
        FDataLink->Edit();
    } else if (Key == "\x1b") {
        FDataLink->Reset();
        SelectAll();
        Key.clear();
    }
}

void TDBEdit::SetFocused(bool v) {
    if (FFocused == v) return;
    FFocused = v;
    // Focused shows the edit text, unfocused the display text.
    FDataLink->Reset();
}

void TDBEdit::DoEnter() {
    SetFocused(true);
    TEdit::DoEnter();
}

void TDBEdit::DoExit() {
    try {
        FDataLink->UpdateRecord();
    } catch (...) {
        SelectAll();
        if (CanFocus()) SetFocus();
        throw;
    }
    SetFocused(false);
    TEdit::DoExit();
}
