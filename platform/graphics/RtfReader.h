#pragma once
// Reading rich text in RTF: groups, control words and symbols, font and colour
// tables, character and paragraph formatting, "\'hh" bytes decoded by the
// font's character set or the document's "\ansicpg", "\uN" with "\ucN", and
// destinations that carry no visible text skipped. The reader builds nothing
// itself: it hands formatted text and paragraph ends to a sink. Bytes that do
// not begin with "{\rtf" are plain text in code page 1250.
#include "platform/core/Types.h"
#include "platform/graphics/TColor.h"

#include <string_view>
#include <vector>

namespace rtf {

struct CharFormat {
    String FontName = "Arial";
    Integer HalfPoints = 24; // font size in half points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = clBlack;
    bool AutoColor = true; // the text colour of the surface
    bool operator==(const CharFormat&) const = default;
};

enum Alignment : Byte { alLeft = 0, alRight = 1, alCenter = 2, alJustify = 3 };

// Lengths in twips (1/1440 inch).
struct ParaFormat {
    Alignment Align = alLeft;
    Integer LeftIndent = 0;
    Integer RightIndent = 0;
    Integer FirstIndent = 0;
    Integer SpaceBefore = 0;
    Integer SpaceAfter = 0;
    // 0 single; above 0 at least; below 0 exactly; with LineMultiple, 240 per line.
    Integer LineSpacing = 0;
    bool LineMultiple = false;
    std::vector<Integer> Tabs;
    bool operator==(const ParaFormat&) const = default;
};

class Sink {
public:
    virtual ~Sink() = default;
    // A run of text (UTF-8, no line breaks; tabs as "\t", "\line" as U+2028).
    virtual void Text(const String& Text, const CharFormat& Format) = 0;
    // The end of a paragraph with its formatting.
    virtual void EndParagraph(const ParaFormat& Format) = 0;
};

// Reads the whole text. Text after the last "\par" ends a last paragraph; an
// empty text gives no paragraph. Malformed input never raises: unbalanced
// groups end at the end of the bytes and unknown words are ignored.
void ReadRtf(std::string_view Bytes, Sink& Out);

// True when Bytes begin with "{\rtf".
bool IsRtf(std::string_view Bytes);

} // namespace rtf
