#include "app/common/DigitBoxes.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"
#include "platform/ui/TEdit.h"

namespace app {

// The boxes only accept digits, but pasted or programmatic text must not slip through.
const String& CheckedDigits(const String& Text) {
    if (!IsDigitsOnly(Text)) throw EConvertError(Format(SInvalidInteger, {Text}));
    return Text;
}

bool IsDigitsOnly(const String& Text) {
    for (char c : Text)
        if (c < '0' || c > '9') return false;
    return true;
}

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

void ShowStoredText(TEdit* Edit, const String& Text) {
    const TNotifyEvent filter = Edit->OnChange;
    Edit->OnChange = nullptr;
    Edit->SetText(Text);
    Edit->OnChange = filter;
}

} // namespace app
