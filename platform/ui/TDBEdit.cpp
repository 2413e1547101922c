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

TDBEdit::TDBEdit(TComponent* AOwner) : TDataAwareControl<TEdit>(AOwner) { TEdit::SetReadOnly(true); }

void TDBEdit::DataChange() {
    TField* field = Field();
    ShowValue([&] {
        if (!field) {
            SetText(String());
        } else {
            if ((field->DataType() == ftString || field->DataType() == ftWideString) && MaxLength() == 0)
                SetMaxLength(field->Size());
            SetText(ShowsEditText() && DataLink()->CanModify() ? field->Text() : field->DisplayText());
        }
    });
    SetModified(false);
}

void TDBEdit::EditingChange() { TEdit::SetReadOnly(!DataLink()->Editing()); }

void TDBEdit::UpdateData() { Field()->SetText(Text()); }

void TDBEdit::Change() {
    if (!Loading()) DataLink()->Modified();
    TEdit::Change();
}

void TDBEdit::KeyDown(Word& Key, TShiftState Shift) {
    TEdit::KeyDown(Key, Shift);
    if (Key == VK_DELETE || (Key == VK_INSERT && Shift.Contains(ssShift))) DataLink()->Edit();
}

void TDBEdit::KeyPress(String& Key) {
    TEdit::KeyPress(Key);
    if (Key.empty()) return;
    const auto c = static_cast<unsigned char>(Key[0]);
    if (c >= 0x20 && !IsValidChar(Field(), Key)) {
        Key.clear();
        return;
    }
    if (IsTyping(Key)) {
        DataLink()->Edit();
    } else if (Key == "\x1b") {
        DataLink()->Reset();
        SelectAll();
        Key.clear();
    }
}

void TDBEdit::DoEnter() {
    SetShowsEditText(true);
    TEdit::DoEnter();
}

void TDBEdit::DoExit() {
    WriteOnExit();
    SetShowsEditText(false);
    TEdit::DoExit();
}
