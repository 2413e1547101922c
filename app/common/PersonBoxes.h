#pragma once
// The ten inputs of a natural person in a dialog: name, birth name, birth place, the
// birth date picker with its check box (unchecked: no birth date), mother's name,
// citizenship, identity document type and number, address and place of stay (memos).
#include "app/common/CaseDialogStatements.h"

class TComponent;
class TDateTimePicker;
class TEdit;
class TLabel;
class TMemo;
class TWinControl;

namespace app {

class DialogRows;

struct PersonBoxes {
    TEdit* Name = nullptr;
    TEdit* BirthName = nullptr;
    TEdit* BirthPlace = nullptr;
    TDateTimePicker* BirthDate = nullptr;
    StoredDatePicker Birth; // over BirthDate: a stored birth date stays as it was unless changed
    TEdit* MotherName = nullptr;
    TEdit* Citizenship = nullptr;
    TEdit* DocumentType = nullptr;
    TEdit* DocumentNumber = nullptr;
    TMemo* Address = nullptr;
    TMemo* StayAddress = nullptr;

    // The person as the boxes hold it (not identified).
    CasePerson Person() const;
    // The boxes take Person; a person without a readable birth date leaves the picker
    // cleared at 1 January 1970.
    void Show(const CasePerson& Person);
    // Every box empty, the picker at 1 January 1970, unchecked.
    void Clear();
    // The nine text boxes over their columns, sharing Note (may be null).
    StoredTextBoxes Texts(TLabel* Note) const;
};

// The text boxes of a person, in the order of CasePerson's texts, over their columns, sharing
// Note (may be null): the one list of a person's text columns for every dialog.
StoredTextBoxes PersonTextBoxes(TLabel* Note, TWinControl* Name, TWinControl* BirthName,
                                TWinControl* BirthPlace, TWinControl* MotherName, TWinControl* Citizenship,
                                TWinControl* DocumentType, TWinControl* DocumentNumber, TWinControl* Address,
                                TWinControl* StayAddress);

// The order and wording of the rows.
enum class PersonRowsStyle {
    NewPerson, // address after the birth date; "Azonosító okirat típusa:" / "száma:"
    CasePerson // address after the document; "Azonosító okmány típusa:" / "száma:"
};

// Adds the rows to Rows, the boxes named Edit1 … Edit9 in row order and DateTimePicker1.
PersonBoxes AddPersonRows(DialogRows& Rows, TComponent* Owner, TWinControl* Parent, PersonRowsStyle Style);

} // namespace app
