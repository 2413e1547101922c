#pragma once
// The filter bar's text test, apart from the widget.
#include "platform/core/Types.h"

// The fold both sides of a filter comparison go through: a-z to capitals;
// á, é, í, ó, ú (either case) to A, E, I, O, U; ö, ü, ő, ű to their own
// capitals Ö, Ü, Ő, Ű (never to O or U, so "ob" does not match "öb"); ñ and
// ń to their capitals; every other character unchanged.
String UpperAccentCase(const String& S);

namespace vg {

// Whether a field's text passes a column's filter value. The first "*" is
// removed (further ones stay literal); an empty pattern passes everything.
// A numeric field without "*" must equal the pattern exactly; otherwise the
// folded pattern must occur anywhere in the folded text.
bool FilterMatches(const String& FilterValue, const String& FieldText, bool Numeric);

} // namespace vg
