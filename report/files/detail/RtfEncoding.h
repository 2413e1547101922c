#pragma once
// The pieces of the RTF export that are pure encoding: item text as RTF
// characters, a picture as an absolutely placed frame holding a metafile that
// wraps a bitmap, and any graphic as the bitmap file that frame needs.
#include "platform/core/Types.h"

#include <vector>

class TGraphic;

namespace report {

// A horizontal page position in twips: 1.3 page pixels a point.
Integer RtfTwipsFromX(Integer x);

// Text as it stands in an RTF group: "\", "{" and "}" are escaped with a
// backslash; control characters and characters of code page 1250 above 127
// become "\'hh" (the document declares that code page); any other character
// becomes "\uN?" (N the signed 16-bit code unit, surrogate pairs for
// characters beyond U+FFFF), so no character is lost or misread.
String RtfEscapedText(const String& Text);

// Where a picture stands on the page and its own size, in page pixels.
struct RtfPicturePlace {
    Integer X = 0, Y = 0, Width = 0, Height = 0;
    Integer PictureWidth = 0, PictureHeight = 0;
};

// The paragraph of one picture, ending in "}\par" and CR LF: the frame at
// (X, Y) of Width × Height, then a metafile of one stretch-bitmap record over
// the bitmap file BitmapFile (file header first), written as lowercase
// hexadecimal: the header and records on one line, then the bitmap info and
// bits in lines of 64 bytes. A bitmap of odd length is padded to whole words.
String RtfPictureGroup(const RtfPicturePlace& Place, const std::vector<Byte>& BitmapFile);

// The graphic as a plain bitmap file (40-byte info header, uncompressed):
// such a bitmap's own bytes; any other graphic (metafile, icon, compressed
// or old-style bitmap) drawn at its own size on white into a 24-bit bitmap.
// Empty for an empty graphic.
std::vector<Byte> PlainBitmapFile(TGraphic* Graphic);

} // namespace report
