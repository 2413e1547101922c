#pragma once
// A rich-text document: paragraphs of formatted runs, read from and written
// to RTF, edited by character positions, laid out at a width in pixels of the
// 96-dpi reference device and drawn on any canvas at any scale. Positions
// count characters; each paragraph end counts as one. A "line" here is a
// paragraph. The layout engine is the toolkit's, hidden in the .cpp; a
// layout is made once for a width, when first asked for, and kept until the
// text changes, so paging through a long text costs one layout.
#include "platform/core/Types.h"
#include "platform/graphics/RtfReader.h"
#include "platform/graphics/TRect.h"

#include <memory>
#include <string>
#include <string_view>

class TCanvas;

class TRichDocument {
public:
    TRichDocument();
    ~TRichDocument();
    TRichDocument(const TRichDocument&) = delete;
    TRichDocument& operator=(const TRichDocument&) = delete;

    // RTF, or plain text in code page 1250 when Bytes do not begin with "{\rtf".
    void Load(std::string_view Bytes);
    // The whole document as RTF (code page 1250, other characters as "\uN").
    std::string SaveToRtf() const;
    // The characters from From to To as RTF, in the paragraphs they lie in.
    std::string SaveToRtf(Integer From, Integer To) const;
    void Clear();
    // Counts the changes to the text: while it stands still the text does too.
    Integer Revision() const;

    // Characters in the document, paragraph ends between paragraphs included.
    Integer Length() const;
    Integer LineCount() const;
    // Text of paragraph Index (a "\line" break as U+2028) and its first position.
    String Line(Integer Index) const;
    Integer LineStart(Integer Index) const;
    // Index of the paragraph holding Pos (the last one for Pos beyond the end).
    Integer LineAt(Integer Pos) const;
    // Replaces Count characters at Start with Text in the format of the first
    // replaced character; a line break in Text starts a new paragraph.
    void Replace(Integer Start, Integer Count, const String& Text);
    void Delete(Integer Start, Integer Count);
    // Format of the character at Pos.
    rtf::CharFormat CharFormatAt(Integer Pos) const;
    rtf::ParaFormat ParaFormatOf(Integer Index) const;

    // Laid out Width pixels wide, from the line holding From: the position
    // after the last line that fits in Height pixels, Length() when all the
    // rest fits. With AtLeastOneLine the first line is taken even when it does
    // not fit, so a caller splitting text over pages always moves on.
    Integer Fit(Integer From, Integer Width, Integer Height, bool AtLeastOneLine = false) const;
    // Draws what Fit(From, Width, Height) takes, laid out Width pixels wide,
    // with its top-left at Origin and every length scaled by ScaleX and
    // ScaleY; answers the position after the last line drawn.
    Integer Draw(TCanvas* Canvas, Integer From, Integer Width, Integer Height, TPoint Origin, double ScaleX,
                 double ScaleY) const;

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
};
