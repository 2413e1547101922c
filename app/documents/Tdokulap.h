#pragma once
// The document dialog: a history entry's keep and archive flags and its retention
// deadline. Marking an entry to keep proposes today plus the office's default period.
#include "app/common/StoredDate.h"
#include "app/common/StoredFlag.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TCheckBox;
class TDataSource;
class TDateTimePicker;
class TSqlite3Query;

class Tdokulap : public TForm {
public:
    explicit Tdokulap(TComponent* AOwner);
    ~Tdokulap() override;
    String ClassName() const override { return "Tdokulap"; }

    Integer ItemId = 0; // sorszam of the ugyitem row

    TSqlite3Query* Query1; // the entry, shown by the labels
    TSqlite3Query* Query2; // the update
    TDataSource* DataSource1;
    TCheckBox* CheckBox1;             // "Őrzendő"
    TCheckBox* CheckBox2;             // "Archiválandó"
    TDateTimePicker* DateTimePicker1; // "Őrzési határidő:"
    // The stored deadline behind DateTimePicker1, saved as stored unless the picker changes.
    app::StoredDatePicker Deadline;
    // The stored flags behind CheckBox1 and CheckBox2, saved only when changed.
    app::StoredFlagBox Keep;
    app::StoredFlagBox Archive;
    TBitBtn* BitBtn1; // "Rögzít"
    TBitBtn* BitBtn2; // "Bezár"

    // Shows the entry; its picker stands on today unless a stored deadline or the proposal
    // moves it.
    void FormShow(TObject* Sender);
    // Checked: the deadline picker on, at today plus the default years when they are set;
    // unchecked: the picker off.
    void CheckBox1Click(TObject* Sender);
    // A deadline switched on marks the entry to keep.
    void DateTimePicker1Change(TObject* Sender);
    // Stores the flags and the deadline the user changed, refreshes the list and closes.
    // A proposed deadline is refused (EConvertError, nothing stored) while the office's
    // retention period is unreadable.
    void BitBtn1Click(TObject* Sender);

private:
    // The picker holds the proposal of "Őrzendő", not a stored or a chosen date.
    bool FProposed = false;
};

extern Tdokulap* dokulap;
