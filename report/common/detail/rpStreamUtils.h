#pragma once
// The encodings of the report template stream: strings, memos, short strings,
// word-sized Booleans, frame widths and the memo font-style word. Text is
// UTF-8 in memory and code page 1250 in the stream; the conversion happens
// here and nowhere else. Readers raise EReadError "Stream read error" when the
// stream ends early.
#include "platform/core/Types.h"
#include "platform/graphics/TFontStyles.h"

class TStream;
class TStrings;

// Version 23: word length, the bytes, one byte 0 (its value is not checked).
// The writer cuts the text at 65,535 bytes.
String rpReadString(TStream* Stream);
void rpWriteString(TStream* Stream, const String& S);
// Version 23: word line count N; N = 0 is followed by one byte 0; otherwise each
// line is a word length and its bytes followed by 13, the last by 0. The reader
// clears List and reads lines until a separator 0. The writer cuts each line
// at 65,535 bytes and writes at most 65,535 lines.
void rpReadMemo(TStream* Stream, TStrings* List);
void rpWriteMemo(TStream* Stream, const TStrings* List);
// Versions below 23: the text up to and including a byte 0.
String rpReadString22(TStream* Stream);
// Versions below 23: lines ended by 13, the whole ended by 0; text pending at
// the 0 is a last line only when not empty.
void rpReadMemo22(TStream* Stream, TStrings* List);
// Choose between the two encodings by rpVersion.
String rpReadStringV(TStream* Stream);
void rpReadMemoV(TStream* Stream, TStrings* List);

// The values block's short string: byte length, the bytes. The writer cuts
// the text at 255 bytes.
String rpReadShortString(TStream* Stream);
void rpWriteShortString(TStream* Stream, const String& S);

// Word-sized Boolean: any non-zero word is true; true is written as 0xFFFF.
bool rpReadBool(TStream* Stream);
void rpWriteBool(TStream* Stream, bool Value);

// Frame width as the stored int32: a whole width up to 10 as itself, any other
// width as thousandths. Stored values above 10 read as thousandths, others as
// whole units. Every width of 0.0105 or more reads back as written (to the
// thousandth); smaller fractions are stored as the nearest whole width.
std::int32_t rpEncodeFrameWidth(float Width);
float rpDecodeFrameWidth(std::int32_t Stored);

// The memo's FontStyle word: 1 italic, 2 bold, 4 underline (strike-out is not stored).
TFontStyles rpSetFontStyle(Integer Style);
Integer rpGetFontStyle(TFontStyles Style);
