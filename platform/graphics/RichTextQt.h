#pragma once
// Rich text on the toolkit's text documents. The formats of the RTF model and
// the toolkit's, one conversion each way (the toolkit's formats keep what RTF
// said, so it is written back as read), and RTF read into and written from a
// document. The rich-text document model and the
// rich-edit control share them.
#include "platform/graphics/RtfReader.h"
#include "platform/graphics/TextMeasurer.h"

#include <string>
#include <string_view>

class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

namespace graphics::rich {

// The font of a character format with every length scaled by Scale.
FontState FontOf(const rtf::CharFormat& Format, double Scale);
QTextCharFormat ToQt(const rtf::CharFormat& Format);
rtf::CharFormat FromQt(const QTextCharFormat& Format);
QTextBlockFormat ToQt(const rtf::ParaFormat& Format);
rtf::ParaFormat FromQt(const QTextBlockFormat& Format);

// Replaces the document's text with Bytes (RTF, or plain text in code page
// 1250), as one change.
void ReadRtf(QTextDocument& Doc, std::string_view Bytes);
// The characters from From to To (clamped to the text) as RTF, in the
// paragraphs they lie in (code page 1250, other characters as "\uN").
std::string WriteRtf(const QTextDocument& Doc, Integer From, Integer To);

} // namespace graphics::rich
