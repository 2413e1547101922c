#include "platform/ui/TDBMemo.h"

#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDataLink.h"
#include "platform/ui/VirtualKeys.h"

#include <QPlainTextEdit>

TDBMemo::TDBMemo(TComponent* AOwner) : TDataAwareText<TMemo>(AOwner) {
    EditingChange();
}

void TDBMemo::DataChange() {
    TField* field = Field();
    ShowValue([&] {
        if (!field) SetText(String());
        // A memo shows its whole text; a short field its edit or display text.
        else if (field->IsBlob())
            SetText(field->AsString());
        else
            SetText(ShowsEditText() && DataLink()->CanModify() ? field->Text() : field->DisplayText());
    });
}

void TDBMemo::EditingChange() {
    TMemo::SetReadOnly(!DataLink()->Editing());
    // Browsing still moves the caret by keys, so the first typed key lands where the user put it.
    auto* editor = static_cast<QPlainTextEdit*>(Widget());
    editor->setTextInteractionFlags(editor->textInteractionFlags() | Qt::TextSelectableByKeyboard);
}

void TDBMemo::UpdateData() {
    Field()->SetAsString(Text());
}

bool TDBMemo::IsTyping(const String& Key) const {
    const auto c = static_cast<unsigned char>(Key[0]);
    return TDataAwareText<TMemo>::IsTyping(Key) || c == 0x09 || c == 0x0A || c == 0x0D;
}
