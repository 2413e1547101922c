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

TDBMemo::TDBMemo(TComponent* AOwner) : TMemo(AOwner), FDataLink(std::make_unique<TFieldDataLink>()) {
    FDataLink->SetControl(this);
    FDataLink->OnDataChange = [this](TObject*) { DataChange(); };
    FDataLink->OnEditingChange = [this](TObject*) { EditingChange(); };
    FDataLink->OnUpdateData = [this](TObject*) { UpdateData(); };
    FDataLink->OnFocusControl = [this] {
        if (!CanFocus()) return false;
        SetFocus();
        return true;
    };
    EditingChange();
}

TDBMemo::~TDBMemo() { FDataLink.reset(); }

TDataSource* TDBMemo::DataSource() const { return FDataLink->DataSource(); }
void TDBMemo::SetDataSource(TDataSource* v) { FDataLink->SetDataSource(v); }
const String& TDBMemo::DataField() const { return FDataLink->FieldName(); }
void TDBMemo::SetDataField(const String& v) { FDataLink->SetFieldName(v); }
TField* TDBMemo::Field() const { return FDataLink->Field(); }
bool TDBMemo::ReadOnly() const { return FDataLink->ReadOnly(); }
void TDBMemo::SetReadOnly(bool v) { FDataLink->SetReadOnly(v); }

void TDBMemo::DataChange() {
    TField* field = FDataLink->Field();
    FLoading = true;
    try {
        if (!field) SetText(String());
        // A memo shows its whole text; a short field its edit or display text.
        else if (field->IsBlob()) SetText(field->AsString());
        else SetText(FFocused && FDataLink->CanModify() ? field->Text() : field->DisplayText());
    } catch (...) {
        FLoading = false;
        throw;
    }
    FLoading = false;
}

void TDBMemo::EditingChange() {
    TMemo::SetReadOnly(!FDataLink->Editing());
    // Browsing still moves the caret by keys, so the first typed key lands where the user put it.
    auto* editor = static_cast<QPlainTextEdit*>(Widget());
    editor->setTextInteractionFlags(editor->textInteractionFlags() | Qt::TextSelectableByKeyboard);
}

void TDBMemo::UpdateData() { FDataLink->Field()->SetAsString(Text()); }

void TDBMemo::Change() {
    if (!FLoading) FDataLink->Modified();
    TMemo::Change();
}

void TDBMemo::KeyDown(Word& Key, TShiftState Shift) {
    TMemo::KeyDown(Key, Shift);
    if (Key == VK_DELETE || (Key == VK_INSERT && Shift.Contains(ssShift))) FDataLink->Edit();
}

void TDBMemo::KeyPress(String& Key) {
    TMemo::KeyPress(Key);
    if (IsTyping(Key)) {
        FDataLink->Edit();
    } else if (Key == "\x1b") {
        FDataLink->Reset();
        Key.clear();
    }
}

void TDBMemo::SetFocused(bool v) {
    if (FFocused == v) return;
    FFocused = v;
    FDataLink->Reset();
}

void TDBMemo::DoEnter() {
    SetFocused(true);
    TMemo::DoEnter();
}

void TDBMemo::DoExit() {
    try {
        FDataLink->UpdateRecord();
    } catch (...) {
        if (CanFocus()) SetFocus();
        throw;
    }
    SetFocused(false);
    TMemo::DoExit();
}
