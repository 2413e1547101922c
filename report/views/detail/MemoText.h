#pragma once
// Widget-free text routines of the memo view: expanding bracketed expressions,
// the wrapped-line record, hyphenation, the line-breaking rules and the
// placement of a line at its alignment. Text is measured through a function,
// so tests use fixed advances and the view uses its measuring canvas.
#include "platform/core/Types.h"

#include <functional>
#include <vector>

class TStrings;

namespace report {

// Answers the display text of one bracketed expression (the text between the brackets).
using GetValueFn = std::function<String(const String& Expression)>;
// Width in pixels of a piece of text.
using MeasureFn = std::function<Integer(const String& Text)>;

// Replaces every bracketed expression of Line by its value, scanning from the
// start; text inserted is never scanned again. Nested brackets and brackets
// inside quotes belong to the outer expression; an unclosed "[" takes the rest
// of the line.
void ExpandLine(String& Line, const GetValueFn& GetValue);
// Out := Memo expanded line by line. An empty line stays; a value holding line
// breaks becomes several lines; a line that expands to nothing disappears.
void ExpandMemo(const TStrings& Memo, TStrings& Out, const GetValueFn& GetValue);

// A wrapped line: its text, then the character 1 when it ends its paragraph,
// then the measured width (modulo 65,536) as two characters holding its high
// and low byte in the stream's code page, so prepared pages carry the bytes.
String MakeLineRecord(const String& Text, bool LastOfParagraph, Integer Width);
struct LineRecord {
    String Text;
    bool LastOfParagraph = false;
    Integer Width = 0;
};
// Strips width and paragraph mark; a line too short to hold a width is taken as text.
LineRecord ParseLineRecord(const String& Record);
// True when some line holds the character 1: the lines are already wrapped.
bool IsWrapped(const TStrings& Lines);

// Break positions of a word (1-based counts of characters before the break):
// the syllable rules on the upper-cased word, whose vowels are Ŕ Ĺ Č Î Ó Ű Ý Ţ ß
// and the diaeresis and whose sign letters are Ú and Ü; words of four
// characters or fewer, and words of plain ASCII letters, have none.
std::vector<Integer> BreakWord(const String& Word);

struct WrappedLine {
    String Text;
    bool LastOfParagraph = false;
};
// Breaks one source line into lines no wider than Available (at least 0) at spaces,
// commas, hyphens and full stops (with WordBreak also inside words by BreakWord,
// adding "-"); carriage returns and line feeds end paragraphs. A run without
// a break point is cut before the character that overflows, and the rest is
// wrapped on: no text is lost and each line holds at least one character.
// Width must grow no smaller as a text grows; each line made is found by
// measuring about a line of text, so the cost follows the line's length.
std::vector<WrappedLine> WrapLine(const String& Line, Integer Available, bool WordBreak,
                                  const MeasureFn& Width);

// What a line of width W leaves of Size less a gap Gap on both sides (the
// room justification spreads). This and the two below saturate at the
// coordinate limit: a damaged page's sizes and a large scale cannot overflow.
Integer Spare(Integer Size, Integer Gap, Integer W);
// Start of a line of width W: Align 0 left, 1 right, 2 centre (3 justify
// starts at the left) in a box at Left of Width with inner gap Gap.
Integer AlignedX(Integer Align, Integer Left, Integer Width, Integer Gap, Integer W);
// Reference point of a rotated line (reading upwards) along the vertical
// axis, for the same alignments in a box at Top of Height.
Integer RotatedY(Integer Align, Integer Top, Integer Height, Integer Gap, Integer W);

} // namespace report
