#pragma once
// Platform-internal: the typing limit of the text boxes (TEdit, a grid's cell editor, TMemo).
// A text may always be shortened, and an edit may make it at most MaxLength characters long,
// or as long as it already is when a stored text is longer: such a text shows whole and is
// saved whole untouched, the user may shorten it or type over a selection, but no typed key,
// paste or drop ever makes it longer. The toolkit's one-line box cuts any text to its limit,
// also one set from code, so there the limit follows the text's length after each edit.
#include "platform/core/Types.h"

class QLineEdit;

namespace ui {

// How many characters an edit that replaces Replaced of the Length characters of a text may
// put in under MaxLength (0: no limit, answered as the largest Integer); never negative.
Integer TypingRoom(Integer MaxLength, Integer Length, Integer Replaced);

// Sets Edit's limit for a text of Length characters under MaxLength (0: no limit),
// keeping the caret where it is. Call it before a text goes in and after each edit.
void LimitTyping(QLineEdit* Edit, Integer MaxLength, Integer Length);

} // namespace ui
