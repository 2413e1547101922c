#pragma once
// The base-data dialog of a case: its name, description and active state. Shown
// non-modally from the case lists' context menus, which set the public fields first.
#include "app/common/StoredFlag.h"
#include "app/common/StoredText.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TCheckBox;
class TEdit;
class TLabel;
class TPanel;
class TSqlite3Query;

class Tugyalapadatmod : public TForm {
public:
    // Origin codes: the list the dialog refreshes when it stores the change.
    static constexpr Integer FromCaseList = 101;   // the main window's Query4
    static constexpr Integer FromCaseSearch = 102; // the main window's Query5

    explicit Tugyalapadatmod(TComponent* AOwner);
    ~Tugyalapadatmod() override;
    String ClassName() const override { return "Tugyalapadatmod"; }

    Integer CaseId = 0; // sorszam of the case
    Integer Origin = 0; // FromCaseList, FromCaseSearch, or anything else: no list
    Integer RecNo = 0;  // the opener's record number, restored after the refresh

    TSqlite3Query* Query1;
    TPanel* Panel1;
    TLabel* Label1;       // year
    TLabel* Label3;       // "/"
    TLabel* Label2;       // number
    TEdit* Edit1;         // "Név:"
    TEdit* Edit2;         // "Leírás:"
    TLabel* Label6;       // says why a box longer than its field cannot be edited
    TCheckBox* CheckBox1; // "Aktív"
    TBitBtn* BitBtn1;     // "Módosít"
    TBitBtn* BitBtn2;     // "Bezár"

    // Name and description over Edit1 and Edit2: a stored text longer than its field is kept.
    app::StoredTextBox Name;
    app::StoredTextBox Description;
    // "Aktív" over CheckBox1: written only when changed.
    app::StoredFlagBox Active;

    // Shows the dialog on case Case, opened from list Origin at record ListRecNo. A dialog
    // still open on another case reads this one: it stores to the case it shows.
    void ShowCase(Integer Case, Integer FromList, Integer ListRecNo);

    void FormShow(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
};

extern Tugyalapadatmod* ugyalapadatmod;
