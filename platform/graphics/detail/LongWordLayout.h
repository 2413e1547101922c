#pragma once
// Platform-internal: paragraphs with a very long word. The toolkit breaks a
// line by words and, when the first word does not fit, anywhere; for that it
// measures the whole word from the line's start on, so a word of n characters
// costs n * n / (characters per line): a stored or imported text of a few
// hundred kilobytes without a blank takes seconds, a megabyte more than a
// minute. A paragraph with such a word is laid out as unbroken lines by the
// document's layout (cheap), and then again here line by line, each line
// breaking where the toolkit's would, at a cost linear in the text. Every
// other paragraph is the toolkit's alone, so normal text lays out as before.
//
// One difference: the toolkit gives a line inside such a word the height of
// the tallest font in the rest of the word; here it takes the height of what
// it holds.
#include "platform/core/Types.h"

#include <vector>

class QTextBlock;

namespace graphics::rich {

// Words longer than this many characters are broken here. No line holds so
// many characters of a readable font; below it the toolkit's cost stays small.
// Setting it answers the old one (tests lay the same text out both ways).
Integer LongWordLimit();
Integer SetLongWordLimit(Integer Limit);

// The places in Block's text where a line may end (the toolkit's, and for
// some scripts a few more), when two of them lie more than LongWordLimit()
// characters apart; empty otherwise.
std::vector<int> LongWordBreaks(const QTextBlock& Block);

// Lays Block out again Width pixels wide with the lines, places and heights
// the document's layout would give it. Breaks are LongWordBreaks(Block).
// Precondition: the document's layout has just laid Block out as unbroken
// lines at Width. Answers how much lower Block now ends than it did.
double LayOutLongWords(const QTextBlock& Block, Integer Width, const std::vector<int>& Breaks);

} // namespace graphics::rich
