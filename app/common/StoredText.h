#pragma once
// A text box over a stored text column. The data layer hands a text cut to its field's size,
// so a column another tool filled past it would be saved shortened. Such a text shows in a
// read-only box with a note, and the save keeps the column as it is stored.
#include "platform/core/Types.h"

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class TDataSet;
class TField;
class TLabel;
class TComponent;
class TControl;
class TSqlite3Query;
class TWinControl;

namespace app {

class ChangedValues;

// The value an UPDATE gives text column Column from a box holding Text: Text in quotes, except
// that an empty box leaves a NULL column NULL (rows other tools wrote hold NULL where this
// program writes ''), so a save changes only what the user changed.
String TextValueSql(const String& Column, const String& Text);

// The value an INSERT gives text column Column from a box holding Text: Text in quotes.
String TextInsertSql(const String& Column, const String& Text);

// The value an UPDATE sets a text column to from the text its box holds: TextValueSql, or
// a dialog's StoredTextBoxes, which keep stored texts longer than their boxes. An INSERT's
// value is given the same way: TextInsertSql, or StoredTextBoxes::Copies.
using TextSetValue = std::function<String(const String& Column, const String& Text)>;

// The note label a dialog's boxes share, on Button's parent in the button row: from the
// left edge up to Button, two lines high, word-wrapped, empty; named "Note".
TLabel* MakeTextNote(TComponent* Owner, TControl* Button);

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
    // dialog empties it before showing its boxes, which may share it. Without a note (a form
    // with no room for it) the box's hint alone says why.
    StoredTextBox(TWinControl* Box, TLabel* Note) : FBox(Box), FNote(Note) {}

    // Shows Loaded, the text of Column of row Key in Table. A text that fills its field is
    // compared with the stored one on Query (left closed); when the stored text is longer, the
    // box turns read-only and the note says why.
    void Show(const FieldText& Loaded, TSqlite3Query& Query, const String& Table, const String& Column,
              Integer Key);
    // An empty, editable box, with no row behind it.
    void Clear();
    // The value an UPDATE sets Column to: the column itself while the stored text is longer
    // than the box could show and the box still shows its cut text (a browse button may put
    // another in), else TextValueSql of the box's text.
    String Sql(const String& Column) const;
    // The value an INSERT of a copy of the shown row gives Column: the row's stored text,
    // read by a subquery, while Sql keeps the column; else TextInsertSql of the box's text.
    String CopySql(const String& Column) const;
    // Adds Column to what a save writes when the box's text differs from the one it showed
    // when filled, as Sql gives it.
    void AddTo(ChangedValues& Values, const String& Column) const;

private:
    // The box shows Text; read-only, with the note and hint, when Kept.
    void Present(const String& Text, bool Kept);
    // Kept, and the box still shows the text it was given.
    bool Keeps() const;

    TWinControl* FBox = nullptr;
    TLabel* FNote = nullptr;
    bool FKept = false;
    String FShown; // the box's text as Present left it
    String FTable; // the shown row: its table and key
    Integer FKey = 0;
};

// The boxes of a dialog over the text columns of one row, shown and saved together.
class StoredTextBoxes {
public:
    // Note, shared by the boxes, may be null.
    explicit StoredTextBoxes(TLabel* Note = nullptr) : FNote(Note) {}
    // With the boxes of Columns, each over the column it names.
    StoredTextBoxes(TLabel* Note, std::initializer_list<std::pair<const char*, TWinControl*>> Columns);
    void Add(const String& Column, TWinControl* Box);
    // Shows each column of the current row of Row, which is row Key of Table; the stored texts
    // are compared on Query, which may be Row itself, and which is left closed.
    void Show(TDataSet& Row, TSqlite3Query& Query, const String& Table, Integer Key);
    // Every box empty and editable.
    void Clear();
    // As a TextSetValue: the value an UPDATE sets Column to, its box's StoredTextBox::Sql, or
    // TextValueSql of Text for a column without a box.
    String operator()(const String& Column, const String& Text) const;
    // As a TextSetValue for an INSERT that copies the shown row: each box's
    // StoredTextBox::CopySql, or TextInsertSql of Text for a column without a box. Valid
    // while these boxes live.
    TextSetValue Copies() const;

private:
    struct Entry {
        String Column;
        StoredTextBox Guard;
    };
    // The box over Column; null when none.
    const StoredTextBox* Find(const String& Column) const;
    TLabel* FNote = nullptr;
    std::vector<Entry> FEntries;
};

} // namespace app
