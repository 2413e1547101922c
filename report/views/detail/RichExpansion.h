#pragma once
// Expanding the bracketed expressions of a rich-text document in place: each
// expression (brackets included) is replaced by its value in the format of
// its first character, paragraph by paragraph, with the memo's bracket rules.
// Inserted text is never scanned again, even when it holds line breaks.
#include "report/views/detail/MemoText.h"

#include <vector>

class TRichDocument;

namespace report {

void ExpandRich(TRichDocument& Doc, const GetValueFn& GetValue);
// The expressions ExpandRich would meet in Doc, in its order, without
// changing Doc: expanding then asks for these and no others.
std::vector<String> RichExpressions(const TRichDocument& Doc);

} // namespace report
