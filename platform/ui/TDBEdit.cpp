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

} // namespace

TDBEdit::TDBEdit(TComponent* AOwner) : TDataAwareText<TEdit>(AOwner) {
    TEdit::SetReadOnly(true);
}

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

void TDBEdit::EditingChange() {
    TEdit::SetReadOnly(!DataLink()->Editing());
}

void TDBEdit::UpdateData() {
    Field()->SetText(Text());
}

bool TDBEdit::AcceptsKey(const String& Key) const {
    return static_cast<unsigned char>(Key[0]) < 0x20 || IsValidChar(Field(), Key);
}
