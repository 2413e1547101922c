#pragma once
// The client identification area's part of the main window: its filter strip, list,
// context menu and export. The list's dataset (jubQuery, which the printed list reads
// too) and the case combo (ComboBox20, filled with every area's case combos) stay on
// the window.
class TDataSource;
class TDateTimePicker;
class TEdit;
class TPopupMenu;
class TRadioButton;
class TSaveDialog;
class TVgDBGrid;
class TVgExportToXLS;
class TgxExtSpeedButton;

struct TForm1JubParts {
    TDataSource* DataSource6;
    TVgDBGrid* VgDBGrid16;
    TPopupMenu* jubPopup;                  // "Módosít"
    TEdit* Edit40;                         // "Név:"
    TDateTimePicker* DateTimePicker9;      // from
    TDateTimePicker* DateTimePicker10;     // to
    TRadioButton* RadioButton45;           // "Mind"
    TRadioButton* RadioButton46;           // "Ellenőrzött"
    TRadioButton* RadioButton47;           // "Ellenőrizetlen"
    TgxExtSpeedButton* gxExtSpeedButton82; // "Lekérdezés"
    TgxExtSpeedButton* gxExtSpeedButton81; // "Alaphelyzet"
    TgxExtSpeedButton* gxExtSpeedButton79; // "Exportálás"
    TVgExportToXLS* JUBToXLS;
    TSaveDialog* letetkeresesSaveDialog; // the file the export writes
};
