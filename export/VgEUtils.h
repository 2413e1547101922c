#pragma once
// Small routines around an export run: folders, the file dialog, Base64, and
// the character-set conversions of the cell text.
#include "platform/core/Types.h"

// True when Name is an existing folder.
bool VgEDirectoryExists(const String& Name);
// Creates Dir and every missing parent, outermost first; true when it exists
// afterwards. An empty Dir, a root or a drive ("C:") is true without creating.
bool VgEForceDirectories(const String& Dir);

// Shows the open (IsOpenDialog) or save dialog; on confirmation FileName takes the
// chosen name and the result is true. A FileName ending in ":" or a path delimiter
// proposes "default" in that folder. Filter pairs texts and patterns with "|".
bool VgEOpenSaveFileDialog(const String& DefExt, const String& Filter, const String& InitialDir,
                           const String& Title, String& FileName, bool IsOpenDialog);

// Base64 with the RFC 2045 alphabet and "=" padding, no line breaks. Decoding takes
// whole groups of four (a trailing partial group is ignored); "=" in a group's
// first place gives nothing, in the third one byte, in the fourth two.
String Encode64(const String& Text);
String Decode64(const String& Text);

// One byte through the EBCDIC tables: printable ASCII to its EBCDIC code, control
// codes to themselves, everything above 126 to 0x4B; back, "." for codes the
// first table does not produce.
Byte ASCII2EBCDIC(Byte Ch);
Byte EBCDIC2ASCII(Byte Ch);

// Cell text in another character set, as UTF-8 whose code page 1250 bytes are the
// converted bytes (the writers encode text in that code page): the DOS code page
// 852 of the same letters, or the EBCDIC bytes of the 1250 text.
String AnsiToOemText(const String& Text);
String AnsiToEbcdicText(const String& Text);
