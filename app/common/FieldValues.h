#pragma once
// How a dataset's fields show the database's amounts.
class TField;

namespace app {
// Shows Field's whole forints as FormatForint does ("1 000 000 Ft"); NULL shows empty.
// Default fields are made anew at each Open, so call it after opening.
void ShowAsForint(TField* Field);
} // namespace app
