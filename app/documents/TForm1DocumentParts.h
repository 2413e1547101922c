#pragma once
// The documents area's part of the main window: its filter strip, list and export.
// The list's dataset (dokulistquery, which the printed list reads too) and the case
// combo (ComboBox7, filled with every area's case combos) stay on the window.
class TCheckBox;
class TDataSource;
class TDateTimePicker;
class TRadioButton;
class TVgDBGrid;
class TVgExportToXLS;

struct TForm1DocumentParts {
    TDataSource* DataSource5;
    TVgDBGrid* VgDBGrid12;
    TDateTimePicker* DateTimePicker2; // "Dátum:" from
    TDateTimePicker* DateTimePicker3; // to
    TRadioButton* RadioButton34;      // "Készült"
    TRadioButton* RadioButton35;      // "Őrzési határidő"
    TCheckBox* CheckBox19;            // "Őrzendő:"
    TCheckBox* CheckBox20;            // "Archiválandó:"
    TVgExportToXLS* dokulistToXLS;
};
