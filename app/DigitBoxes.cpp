#include "app/DigitBoxes.h"

#include "app/CaseStatements.h"
#include "platform/ui/TEdit.h"

namespace app {

void AcceptDigitsOnly(TEdit* Edit) {
    Edit->OnKeyPress = [](TObject*, String& Key) {
        // Editing keys (backspace and the like) arrive as control characters.
        if (Key.size() == 1 &&
            (static_cast<unsigned char>(Key[0]) < 0x20 || (Key[0] >= '0' && Key[0] <= '9')))
            return;
        Key.clear();
    };
    Edit->OnChange = [Edit](TObject*) {
        // Pasted text bypasses the key filter; keep only its digits.
        const String text = Edit->Text();
        if (IsDigitsOnly(text)) return;
        String digits;
        for (char c : text)
            if (c >= '0' && c <= '9') digits += c;
        Edit->SetText(digits);
    };
}

} // namespace app
