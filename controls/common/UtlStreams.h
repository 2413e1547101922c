#pragma once
// The typed records the list files, item containers and wave objects are
// stored in (all little-endian).
// Text in records is 8-bit code page 1250, as existing files hold it.
#include "controls/common/UtlLZRW.h"
#include "platform/core/Types.h"

class TBitmap;
class TStream;
class TStrings;

void stWriteInteger(TStream* Stream, Integer Value);
Integer stReadInteger(TStream* Stream);
void stWriteWord(TStream* Stream, Word Value);
Word stReadWord(TStream* Stream);
void stWriteByte(TStream* Stream, Byte Value);
Byte stReadByte(TStream* Stream);
// One length byte, then the characters. Text longer than 255 characters raises
// EWriteError "String too long for its record (<n> characters, at most 255)",
// and text with characters outside code page 1250 raises EWriteError "Text with
// characters outside code page 1250 cannot be stored in its record ('<text>')",
// before anything is written.
void stWriteString(TStream* Stream, const String& Value);
String stReadString(TStream* Stream);

// The list's text (lines ended by CR LF): plain as a 32-bit byte count and the
// bytes, or a compressed stream of them. Reading replaces the lines.
void stWriteStringList(TStream* Stream, TStrings* List, bool Compressed);
void stReadStringList(TStream* Stream, TStrings* List, bool Compressed);

// Colors -1: the bitmap's own stream form; otherwise a bitmap file image with
// that many palette colours (UtlBmpSaveDIBStream). Plain records carry a 32-bit
// byte count; compressed ones are a compressed stream of the same bytes.
void stWriteBitmap(TStream* Stream, TBitmap* Bitmap, bool Compressed, Integer Colors);
// Raises EInvalidGraphic "Bitmap image is not valid" for bytes that are no bitmap.
void stReadBitmap(TStream* Stream, TBitmap* Bitmap, bool Compressed);

// Writes a bitmap file image (no length prefix) and rewinds Stream to 0. Colors
// 2, 16 and 256 give 1, 4 and 8 bits; 0 the bitmap's own depth; anything else
// and 15, 16 or 32 bits become 24. A monochrome bitmap is always written with 2.
// An empty bitmap raises Exception "Bitmap image is not valid".
void UtlBmpSaveDIBStream(TStream* Stream, TBitmap* Bitmap, Integer Colors);

// Reads a 32-bit byte count and checks it against the bytes left in Stream;
// raises EReadError "Stream read error" when it cannot be a count there.
Integer stReadCount(TStream* Stream);
