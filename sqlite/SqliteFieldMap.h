#pragma once
// From a result column's declared type to a field definition: the type mapping,
// unique names, the hidden row-id column and the TypeLess switch.
#include "platform/core/Types.h"
#include "platform/data/TFieldType.h"
#include "sqlite/RowImage.h"

class TFieldDefs;

namespace sqlite {
struct ColumnPlan;
}

// Maps a declared column type ("varchar(40)", "date", "numeric(10,2)" …) to a
// field type, size and precision. Raises EConvertError when a size inside the
// parentheses is not a whole number.
void GetFieldInfo(const String& DeclType, TFieldType& DataType, Integer& Size, Integer& Precision);

// The value a date, time or date-time slot holds: a date keeps the day, a time
// the time of day, the others the whole value, each to the millisecond.
TDateTime DateTimeToNative(TFieldType DataType, TDateTime Value);

namespace sqlite {

// Which slot part holds values of a field type.
SlotKind SlotKindOf(TFieldType DataType);
// The same for the column of field FieldName, whose record slot must exist:
// raises SqliteError "Fieldtype of Field "<FieldName>" not supported!" for a
// type that has no slot (bytes, GUIDs, objects, references, …).
SlotKind SlotKindOf(TFieldType DataType, const String& FieldName);

// Describes result column `column` (name and declared type as the engine reports
// them; declType null for an expression) into defs and plan. A name already in
// defs gets "_1", "_2" … appended; a column named "rowid" (any case) becomes the
// row-id column (plan.Field -1, no definition) unless rowIdTaken says the result
// has one already: a second "rowid" is then the ordinary field "rowid_1". A text column
// is cut to its declared size unless wholeTexts says it is read whole.
void DescribeColumn(const char* name, const char* declType, bool typeLess, TFieldDefs& defs, ColumnPlan& plan,
                    bool rowIdTaken = false, bool wholeTexts = false);

} // namespace sqlite
