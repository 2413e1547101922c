#pragma once
// Reading the database's dates from a dataset's fields, whether the data layer made
// the column a date field or left it a text "yyyy-mm-dd".
#include "platform/core/Types.h"

#include <optional>

class TField;

namespace app {

// The date of Field; none for NULL or an empty text. A text that is no date raises
// EConvertError as SqlTextToDate does.
std::optional<TDateTime> FieldDate(TField* Field);

} // namespace app

namespace app {
// Shows Field's whole forints as FormatForint does ("1 000 000 Ft"); NULL shows empty.
// Default fields are made anew at each Open, so call it after opening.
void ShowAsForint(TField* Field);
} // namespace app
