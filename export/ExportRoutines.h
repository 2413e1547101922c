#pragma once
// Stand-alone routines the export formats draw on: picture file names, a grid's
// selected rows, a dataset's table name, HTML character references, field-kind
// tests, space padding and a number reader with a default.
#include "platform/core/Types.h"

class TBookmarkList;
class TComponent;
class TDataSet;
class TField;
class TPicture;

// A file name for a picture: FileName's folder, "img" and Index; or, for an empty
// FileName, a fresh name in the temporary folder starting with "VGE" (the
// reserving file is removed again). The extension follows the picture's kind:
// ".bmp", ".emf"/".wmf" for metafiles, ".ico"; ".bmp" for anything else.
String GetFileNameByGraphic(const String& FileName, Integer Index, TPicture* Picture);

// The selected-row list of a grid whose kind publishes one (every data grid);
// null for any other component or none.
TBookmarkList* GetPropAsSelectedList(TComponent* Component);

// The table a dataset reads, from its table name or, when that is empty, from its
// SQL text: the word after the first "FROM " (exact case, one space), else the
// text's first word; cut at the first delimiter and then at the first ".".
// A quoted or bracketed name gives "".
String TblName(const String& TableName, const String& SqlText);
// The same over what DataSet's class publishes: its "TableName" string, and its
// "SQL" lines when that is empty. "" without a dataset.
String TblName(TDataSet* DataSet);

// Text with line feed, carriage return, ", &, ', <, >, |, ™, ©, °, ± and ¶
// replaced by their character references.
String ReplaceHTMLSystemChars(const String& S);

// Small, whole and floating numbers, currency, BCD, auto-increment and large
// integers; false without a field.
bool IsNumericField(TField* Field);
// String and memo fields and every blob field; false without a field.
bool IsStringField(TField* Field);

// S right-aligned (PadLSpace) or left-aligned (PadRSpace) in Len characters; never cut.
String PadLSpace(const String& S, Integer Len);
String PadRSpace(const String& S, Integer Len);

// S read as a number with the process's decimal separator; Default when S is blank
// or no number.
double StrToFloatDefault(const String& S, double Default);
