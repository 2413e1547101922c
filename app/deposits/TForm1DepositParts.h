#pragma once
// The deposits area's part of the main window: the list, search and settings pages'
// grids, filter boxes, settings tables and exports. The four datasets the printed
// lists read (letetlista_Query1 and letetlista_Query2, letetszuresQuery1 and
// letetszuresQuery2) stay on the window.
#include "platform/core/Types.h"

#include <vector>

class TCheckBox;
class TComboBox;
class TEdit;
class TMemo;
class TRadioButton;
class TSqlite3Query;
class TSqlite3Table;
class TVgDBGrid;
class TVgExportToXLS;

struct TForm1DepositParts {
    TSqlite3Query* letetbeallitas_Query1; // new accounts and projects
    TSqlite3Table* letetbeallitas_Table1; // accounts, edited in place
    TSqlite3Table* letetbeallitas_Table2; // projects, edited in place
    TVgDBGrid* letetlista_VgDBGrid1;
    TVgDBGrid* letetszuresVgDBGrid;
    TVgDBGrid* letetbeallitas_DBGrid1;
    TVgDBGrid* letetbeallitas_DBGrid2;
    TCheckBox* letetlista_CheckBox1;      // "Csak aktív:"
    TRadioButton* letetlista_Rendezes[5]; // "Letevő", "Jogosult", "Dátum", "Számla", "Projekt"
    TComboBox* ComboBox5;                 // search: account
    TComboBox* ComboBox6;                 // search: project
    TEdit* letetkeres_Edit1;              // search: "Letevő:"
    TEdit* letetkeres_Edit2;              // search: "Jogosult:"
    TCheckBox* letetkeres_CheckBox1;      // search: "Csak aktív:"
    TRadioButton* letetkeres_Rendezes[5];
    TEdit* Edit24;               // new account: "Név:"
    TEdit* Edit25;               // new account: "Számlaszám:"
    TMemo* letetbeallitas_Memo1; // new account: "Megj:"
    TEdit* Edit26;               // new project: "Név:"
    TMemo* letetbeallitas_Memo2; // new project: "Megj:"
    TVgExportToXLS* letetlista_ToXLS1;
    TVgExportToXLS* letetkeresToXLS;
    // Keys behind the search's account and project combos, index = item index.
    std::vector<Integer> AccountIds;
    std::vector<Integer> ProjectIds;
    // The list was built from its page's options at least once (else it holds the text
    // it starts with).
    bool ListBuilt = false;
};
