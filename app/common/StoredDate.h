#pragma once
// A date column as the office database holds it: "yyyy-mm-dd" or NULL, and, in databases
// offices already keep and rows other tools wrote, '' for "no date" and texts that are no date at all
// ("1965-02-30", "tavaly"). The lists show such a value (no date empty, a text that is no date
// as it stands) and the dialogs write it back as it was stored unless the user changed that date.
#include "platform/core/Types.h"

#include <optional>

class TComponent;
class TDataSet;
class TDateTimePicker;
class TField;
class TLabel;

namespace app {

class ChangedValues;

class StoredDate {
public:
    // NULL.
    StoredDate() = default;
    // The date's "yyyy-mm-dd"; the time of day is dropped.
    explicit StoredDate(TDateTime Date);
    // The stored text as it stands.
    static StoredDate FromText(const String& Text);
    // The value of Field. Read the column as text (a typeless dataset): a date field has
    // already made '' 1900-01-01. A date field's date gives its "yyyy-mm-dd".
    static StoredDate Of(TField* Field);

    bool IsNull() const { return !FText.has_value(); }
    // NULL, or a text of blanks only.
    bool IsEmpty() const;
    // The date a "yyyy-mm-dd" text names (read as SqlTextToDate reads it); none otherwise.
    std::optional<TDateTime> Date() const;
    // Neither empty nor a date.
    bool IsUnreadable() const { return !IsEmpty() && !Date(); }
    // The stored text; "" for NULL.
    String Text() const { return FText.value_or(String()); }
    // In the short date format; empty for no date; a text that is no date as it stands.
    String DisplayText() const;
    // As a statement writes it: NULL, or the text in single quotes with its quotes doubled.
    String Sql() const;

    bool operator==(const StoredDate&) const = default;

private:
    std::optional<String> FText;
};

// A list column showing the date column Column as "yyyy.mm.dd."; a text that is no date
// shows as it stands, '' stays empty: COALESCE(strftime("%Y.%m.%d.", Column), Column).
String ListDateSql(const String& Column);

// Makes the named fields of Data show their stored dates as StoredDate::DisplayText does.
// Default fields are made anew at each Open, so call it after opening; the controls on the
// current record show it again.
void ShowStoredDates(TDataSet& Data, std::initializer_list<const char*> Names);

// A date picker with a check box over a stored date. A date shows checked; no date and a
// text that is no date show unchecked, the latter with a note beside the picker where the
// form has room and in the picker's hint. Value() is the stored value, as it was, until the
// picker differs from what Show put there. A field that may not be cleared shows a stored
// date without the box, so it can change only to another date.
class StoredDatePicker {
public:
    StoredDatePicker() = default;
    // Gives Picker its check box and, with WithNote, puts the note label (named after Picker,
    // "Note" behind) on Picker's parent, at its right.
    StoredDatePicker(TComponent* Owner, TDateTimePicker* Picker, bool WithNote = true);

    TDateTimePicker* Picker() const { return FPicker; }
    // Null without a note.
    TLabel* Note() const { return FNote; }
    // Whether the user may take a stored date to none; true unless set. Takes effect at the
    // next Show or Keep.
    void SetClearable(bool Value) { FClearable = Value; }
    // Shows Value; an unchecked picker stands on Unset.
    void Show(const StoredDate& Value, TDateTime Unset);
    // Takes Value as the stored one and the picker as it now stands as its showing.
    void Keep(const StoredDate& Value);
    // The picker differs from what Show or Keep left.
    bool Changed() const;
    // What a save writes: the stored value while unchanged; else the picker's date when
    // checked, or no date (NULL, or the stored text when it was empty).
    StoredDate Value() const;
    // Adds Column to what a save writes when Changed, as Value gives it.
    void AddTo(ChangedValues& Values, const String& Column) const;

private:
    TDateTimePicker* FPicker = nullptr;
    TLabel* FNote = nullptr;
    bool FClearable = true;
    StoredDate FStored;
    bool FShownChecked = false;
    TDateTime FShownDate = 0;
};

} // namespace app
