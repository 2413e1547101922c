#pragma once
// The cases area's part of the main window: the list and search pages with their
// sort options, search boxes, grids, context menus and export. The two datasets
// (Query4 and Query5, which the case dialogs and the printed list read too) and the
// save dialog every area's export asks with (SaveDialog1) stay on the window.
class TCheckBox;
class TEdit;
class TLabel;
class TMenuItem;
class TPopupMenu;
class TRadioButton;
class TVgDBGrid;
class TVgExportToXLS;
class TgxExtSpeedButton;

struct TForm1CaseParts {
    TgxExtSpeedButton* gxExtSpeedButton5;  // "Ügy lista"
    TgxExtSpeedButton* gxExtSpeedButton6;  // "Keresés"
    TgxExtSpeedButton* gxExtSpeedButton7;  // "Új ügy"
    TVgDBGrid* VgDBGrid11;                 // case list
    TVgDBGrid* VgDBGrid10;                 // case search
    TRadioButton* RadioButton1;            // list: ascending
    TRadioButton* RadioButton2;            // list: descending
    TRadioButton* RadioButton3;            // list: by year and number
    TRadioButton* RadioButton4;            // list: by name
    TCheckBox* CheckBox1;                  // list: active only
    TEdit* Edit19;                         // search: year from
    TEdit* Edit20;                         // search: year to
    TEdit* Edit21;                         // search: number from
    TEdit* Edit22;                         // search: number to
    TEdit* Edit23;                         // search: text
    TCheckBox* CheckBox2;                  // search: active only
    TCheckBox* CheckBox3;                  // search in names
    TCheckBox* CheckBox4;                  // search in descriptions
    TCheckBox* CheckBox5;                  // search in clients
    TCheckBox* CheckBox6;                  // search in history notes
    TRadioButton* RadioButton5;            // search: ascending
    TRadioButton* RadioButton6;            // search: descending
    TRadioButton* RadioButton7;            // search: by year and number
    TRadioButton* RadioButton8;            // search: by name
    TgxExtSpeedButton* gxExtSpeedButton8;  // "Lekérdezés"
    TgxExtSpeedButton* gxExtSpeedButton9;  // "Alaphelyzet"
    TgxExtSpeedButton* gxExtSpeedButton10; // "Exportálás"
    TVgExportToXLS* ToXLS1;                // export of the search result
    TLabel* Label31;                       // record counter
    TPopupMenu* PopupMenu1;
    TPopupMenu* PopupMenu2;
    TMenuItem* Modositasesemenyek1;
    TMenuItem* Modositasesemenyek2;
    TMenuItem* Ugyalapadatainakmodositasa1;
    TMenuItem* Ugyalapadatainakmodositasa2;
    // True while "Alaphelyzet" sets the search boxes (their clicks run no query then).
    bool ResettingSearch = false;
};
