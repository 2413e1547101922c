#pragma once
// A text box over a stored text column. The data layer hands a text cut to its field's size,
// so a column another tool filled past it would be saved shortened. Such a text shows in a
// read-only box with a note, and the save keeps the column as it is stored.
#include "platform/core/Types.h"

class TEdit;
class TLabel;
class TSqlite3Query;

namespace app {

// Whether Column of row Key in Table holds exactly Text; false when the data layer handed
// only the start of it. Runs on Query, which it leaves closed.
bool StoredWhole(TSqlite3Query& Query, const String& Table, const String& Column, Integer Key,
                 const String& Text);

// The value an UPDATE gives text column Column from a box holding Text: Text in quotes, except
// that an empty box leaves a NULL column NULL (rows other tools wrote hold NULL where this
// program writes ''), so a save changes only what the user changed.
String TextValueSql(const String& Column, const String& Text);

class StoredTextBox {
public:
    StoredTextBox() = default;
    // Note is the label that says why the box cannot be edited; the dialog empties it before
    // showing its boxes, which may share it.
    StoredTextBox(TEdit* Box, TLabel* Note) : FBox(Box), FNote(Note) {}

    // Shows Text; Whole false makes the box read-only and writes the note.
    void Show(const String& Text, bool Whole);
    // The value an UPDATE sets Column to: the column itself while the stored text is longer
    // than the box could show, else TextValueSql of the box's text.
    String Sql(const String& Column) const;

private:
    TEdit* FBox = nullptr;
    TLabel* FNote = nullptr;
    bool FKept = false;
};

} // namespace app
