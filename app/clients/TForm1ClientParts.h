#pragma once
// The clients area's part of the main window: the persons' and organisations' pages
// with their grids and the detail panels below them. The datasets behind them (Query1,
// Query3 and their sources) stay on the window: the case dialogs read them too.
#include "app/common/CaseDialogStatements.h"
#include "app/common/StoredDate.h"
#include "app/common/StoredFlag.h"
#include "app/common/StoredText.h"

class TCheckBox;
class TDateTimePicker;
class TEdit;
class TLabel;
class TMemo;
class TPanel;
class TVgDBGrid;
class TgxExtSpeedButton;

struct TForm1ClientParts {
    TgxExtSpeedButton* szemelyekButton;     // "Személyek"
    TgxExtSpeedButton* szervezetekButton;   // "Szervezetek"
    TgxExtSpeedButton* ujszemelyButton;     // "Új személy"
    TgxExtSpeedButton* ujszervezetButton;   // "Új szervezet"
    TVgDBGrid* VgDBGrid8;                   // persons
    TVgDBGrid* VgDBGrid9;                   // organisations
    TPanel* szemelyadatok;                  // the person panel
    TEdit* Edit1;                           // "Név:"
    TEdit* Edit2;                           // "Születési név:"
    TEdit* Edit3;                           // "Születési hely:"
    TDateTimePicker* DateTimePicker1;       // "Idő:", unchecked: no birth date
    app::StoredDatePicker BirthDate;        // the stored birth date behind DateTimePicker1
    TMemo* Edit4;                           // "Lakcím:"
    TEdit* Edit5;                           // "Anyja neve:"
    TEdit* Edit6;                           // "Állampolgárság:"
    TEdit* Edit7;                           // "Azonosító okmány típusa:"
    TEdit* Edit8;                           // "Száma:"
    TMemo* Edit9;                           // "Tartózkodási hely:"
    app::StoredTextBoxes PersonTexts;       // Edit1 … Edit9 over their columns, notes in hints
    TCheckBox* CheckBox18;                  // "Aktív:"
    app::StoredFlagBox PersonActive;        // the stored flag behind CheckBox18
    TLabel* Label13;                        // person counter
    TgxExtSpeedButton* gxExtSpeedButton36;  // "Töröl" (person)
    TgxExtSpeedButton* gxExtSpeedButton37;  // "Módosít" (person)
    TPanel* szervezetadatok;                // the organisation panel
    TEdit* Edit10;                          // "Név:"
    TEdit* Edit11;                          // "Röv. név:"
    TMemo* Edit12;                          // "Székhely címe:"
    TEdit* Edit13;                          // "Fő tevékenység:"
    TEdit* Edit14;                          // "Azonosító okirat száma:"
    TMemo* Edit15;                          // "Képviselő:"
    TEdit* Edit16;                          // agent's name
    TEdit* Edit17;                          // agent's address
    TEdit* Edit18;                          // agent's mother's name
    app::StoredTextBoxes OrganisationTexts; // Edit10 … Edit18 over their columns, notes in hints
    TCheckBox* CheckBox17;                  // "Aktív:"
    app::StoredFlagBox OrganisationActive;  // the stored flag behind CheckBox17
    TgxExtSpeedButton* gxExtSpeedButton34;  // "Töröl" (organisation)
    TgxExtSpeedButton* gxExtSpeedButton35;  // "Módosít" (organisation)

    // The panels' boxes as the current rows filled them: "Módosít" writes what differs.
    app::CasePerson PersonShown;
    app::CaseOrganisation OrganisationShown;
};
