#pragma once
// Platform-internal: the typing limit of a one-line text box (TEdit, a grid's cell
// editor). The toolkit cuts any text to its limit, also one set from code, so a stored
// text longer than MaxLength raises the limit to its own length and each edit lowers it
// again: the text shows whole and is saved whole untouched, the user may shorten it or
// type over a selection, but typing never makes it longer.
#include "platform/core/Types.h"

class QLineEdit;

namespace ui {

// Sets Edit's limit for a text of Length characters under MaxLength (0: no limit),
// keeping the caret where it is. Call it before a text goes in and after each edit.
void LimitTyping(QLineEdit* Edit, Integer MaxLength, Integer Length);

} // namespace ui
