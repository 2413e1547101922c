#include "platform/ui/TDBMemo.h"

#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDataLink.h"
#include "platform/ui/VirtualKeys.h"

#include <QPlainTextEdit>

namespace {

bool IsTyping(const String& Key) {
    if (Key.empty()) return false;
    const auto c = static_cast<unsigned char>(Key[0]);
    // Printable text, backspace, tab, line ends, paste (Ctrl+V) and cut (Ctrl+X).
    return c >= 0x20 || c == 0x08 || c == 0x09 || c == 0x0A || c == 0x0D || c == 0x16 || c == 0x18;
}

} // namespace

TDBMemo::TDBMemo(TComponent* AOwner) : TDataAwareControl<TMemo>(AOwner) { EditingChange(); }

void TDBMemo::DataChange() {
    TField* field = Field();
    ShowValue([&] {
        if (!field) SetText(String());
        // A memo shows its whole text; a short field its edit or display text.
        else if (field->IsBlob()) SetText(field->AsString());
        else SetText(ShowsEditText() && DataLink()->CanModify() ? field->Text() : field->DisplayText());
    });
}

void TDBMemo::EditingChange() {
    TMemo::SetReadOnly(!DataLink()->Editing());
    // Browsing still moves the caret by keys, so the first typed key lands where the user put it.
    auto* editor = static_cast<QPlainTextEdit*>(Widget());
    editor->setTextInteractionFlags(editor->textInteractionFlags() | Qt::TextSelectableByKeyboard);
}

void TDBMemo::UpdateData() { Field()->SetAsString(Text()); }

void TDBMemo::Change() {
    if (!Loading()) DataLink()->Modified();
    TMemo::Change();
}

void TDBMemo::KeyDown(Word& Key, TShiftState Shift) {
    TMemo::KeyDown(Key, Shift);
    if (Key == VK_DELETE || (Key == VK_INSERT && Shift.Contains(ssShift))) DataLink()->Edit();
}

void TDBMemo::KeyPress(String& Key) {
    TMemo::KeyPress(Key);
    if (IsTyping(Key)) {
        DataLink()->Edit();
    } else if (Key == "\x1b") {
        DataLink()->Reset();
        SelectAll();
        Key.clear();
    }
}

void TDBMemo::DoEnter() {
    SetShowsEditText(true);
    TMemo::DoEnter();
}

void TDBMemo::DoExit() {
    WriteOnExit();
    SetShowsEditText(false);
    TMemo::DoExit();
}
