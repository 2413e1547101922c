#include "platform/ui/detail/TypingLimit.h"

#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace ui {

Integer TypingRoom(Integer MaxLength, Integer Length, Integer Replaced) {
    if (MaxLength <= 0) return std::numeric_limits<Integer>::max();
    return std::max<Integer>(std::max(Length, MaxLength) - (Length - Replaced), 0);
}

void LimitTyping(QLineEdit* Edit, Integer MaxLength, Integer Length) {
    constexpr Integer Unlimited = 32767;
    // The toolkit's limit is the length the whole text may reach: what is left plus the room.
    const int limit = static_cast<int>(
        std::min(MaxLength > 0 ? TypingRoom(MaxLength, Length, 0) + Length : Unlimited, Unlimited));
    if (Edit->maxLength() == limit) return;
    const int caret = Edit->cursorPosition();
    Edit->setMaxLength(limit); // sets the text again, which moves the caret to the end
    Edit->setCursorPosition(caret);
}

} // namespace ui
