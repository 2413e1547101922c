#pragma once
// Storage of a data grid's column layout: field, width, caption, read-only
// mark, title and cell fonts, colours and alignments, and for the extended
// grid's columns the sort, band, kind, footer and tag settings, one section
// per grid, in the emulated registry (Key below the current user's root,
// Section a sub-key) or in an INI file (Key the file name, Section the INI
// section). Loading replaces the columns only when the section holds some;
// errors of the store pass to the caller, and the grid always leaves its
// layout change. A stored layout of more than 1024 columns or a column wider
// than 32767 is refused whole (EReadError, in Hungarian) and changes nothing.
#include "platform/core/Types.h"

class TCustomDBGrid;

void SaveGridToRegistry(TCustomDBGrid* Grid, const String& Key, const String& Section);
void LoadGridFromRegistry(TCustomDBGrid* Grid, const String& Key, const String& Section);
void SaveGridToIni(TCustomDBGrid* Grid, const String& Key, const String& Section);
void LoadGridFromIni(TCustomDBGrid* Grid, const String& Key, const String& Section);

namespace vg {

// A text item of a stored value: written between double quotes, inner quotes
// doubled, when it holds a comma or a double quote; unchanged otherwise.
String QuoteLayoutText(const String& Text);
// Takes one comma-separated item from the front of Rest (with its comma).
// A quoted item ends at its closing quote (doubled quotes read as one) and
// runs on to the next comma; an unquoted one runs to the next comma.
String ReadLayoutItem(String& Rest);

} // namespace vg
