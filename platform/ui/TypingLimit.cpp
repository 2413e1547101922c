#include "platform/ui/detail/TypingLimit.h"

#include <QLineEdit>

#include <algorithm>

namespace ui {

void LimitTyping(QLineEdit* Edit, Integer MaxLength, Integer Length) {
    constexpr Integer Unlimited = 32767;
    const int limit =
        static_cast<int>(MaxLength > 0 ? std::min(std::max(Length, MaxLength), Unlimited) : Unlimited);
    if (Edit->maxLength() == limit) return;
    const int caret = Edit->cursorPosition();
    Edit->setMaxLength(limit); // sets the text again, which moves the caret to the end
    Edit->setCursorPosition(caret);
}

} // namespace ui
