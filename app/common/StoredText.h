#pragma once
// A text box over a stored text column. The data layer hands a text cut to its field's size,
// so a column another tool filled past it would be saved shortened. Such a text shows in a
// read-only box with a note, and the save keeps the column as it is stored.
#include "platform/core/Types.h"

class TField;
class TLabel;
class TSqlite3Query;
class TWinControl;

namespace app {

// The value an UPDATE gives text column Column from a box holding Text: Text in quotes, except
// that an empty box leaves a NULL column NULL (rows other tools wrote hold NULL where this
// program writes ''), so a save changes only what the user changed.
String TextValueSql(const String& Column, const String& Text);

// The text of a dataset field, and whether it fills the field's size, so that the stored text
// may be longer.
struct FieldText {
    String Text;
    bool Full = false;
    static FieldText Of(TField* Field);
};

class StoredTextBox {
public:
    StoredTextBox() = default;
    // Box is a TEdit or a TMemo. Note is the label that says why a box cannot be edited; the
    // dialog empties it before showing its boxes, which may share it.
    StoredTextBox(TWinControl* Box, TLabel* Note) : FBox(Box), FNote(Note) {}

    // Shows Loaded, the text of Column of row Key in Table. A text that fills its field is
    // compared with the stored one on Query (left closed); when the stored text is longer, the
    // box turns read-only and the note says why.
    void Show(const FieldText& Loaded, TSqlite3Query& Query, const String& Table, const String& Column,
              Integer Key);
    // The value an UPDATE sets Column to: the column itself while the stored text is longer
    // than the box could show, else TextValueSql of the box's text.
    String Sql(const String& Column) const;

private:
    TWinControl* FBox = nullptr;
    TLabel* FNote = nullptr;
    bool FKept = false;
};

} // namespace app
