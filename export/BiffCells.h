#pragma once
// What record a cell becomes and which value it carries: the writer's type
// adjustment and the reading of the cell text with the process-wide settings
// (the export puts its own separators in force while it runs).
#include "export/BiffRecords.h"
#include "export/ExportTypes.h"
#include "platform/data/TFieldData.h"

namespace biff {

enum class CellKind { None, Blank, Integer, Number, Label };

struct CellValue {
    CellKind Kind = CellKind::None;
    TCellType Type = ctBlank; // the type after adjustment; it chooses the format
    Word Integer = 0;
    double Number = 0;
};

// Decides the record of a cell of Type with Text:
// - FieldMask makes every cell text; else empty text is blank, and an integer
//   outside 0..255 (or no integer at all outside that range) becomes a double;
// - a blank cell is written only with ExportBlankValues (else Kind None);
// - numbers, date-times and times that cannot be read become 0.0;
// - a date is read with StrToDate (raising its EConvertError) and written as
//   whole days: an INTEGER when they fit 0..65535, else a NUMBER, so that dates
//   outside the 16-bit range keep their value.
CellValue ConvertCell(TCellType Type, const String& Text, bool FieldMask, bool ExportBlankValues);

// The cell ConvertCell makes of a field's text, decided from the field's value without
// writing the text and reading it back, where the value alone settles it: an integer
// field's whole number (the text of an integer field), a float field's double whose
// shortest digits are at most 15 (FloatToStr's text) under a decimal separator of "," or
// ".", a date field's day under a short date format that reads back (ShortDateReadsBack).
// Type is the field's cell type; false (Cell untouched) where the text has to be read.
bool FieldValueCell(TCellType Type, const TFieldData& Value, CellValue& Cell);

// FORMAT index of a cell type: integer 1, double 2, currency 7, date 14, time 18,
// date-time 22, anything else 0.
Byte FormatIndexOf(TCellType Type);

// Alignment byte: left 1, centre 2, right 3.
Byte AlignmentByte(TAlignment Alignment);

// Writes the record Value decided; Text is the label's text.
void WriteCell(RecordWriter& Out, Word Row, Word Col, const CellValue& Value, CellAttributes Attr,
               std::string_view Text);

} // namespace biff
