#pragma once
// The deposit sheet: a deposit's header, its balance and the history of its movements;
// while the deposit is active the change panel records payments in, partial payouts
// and the full payout that closes it.
#include "app/deposits/DepositStatements.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TDBMemo;
class TDBText;
class TDataSource;
class TDateTimePicker;
class TEdit;
class TLabel;
class TMemo;
class TPanel;
class TRadioButton;
class TSqlite3Query;
class TVgDBGrid;

class Tletet_adatlap : public TForm {
public:
    explicit Tletet_adatlap(TComponent* AOwner);
    ~Tletet_adatlap() override;
    String ClassName() const override { return "Tletet_adatlap"; }

    Integer DepositId = 0;
    // Who opened it: the deposit list (1) or the deposit search (2), refreshed on close.
    Integer Origin = 0;

    TSqlite3Query* Query1; // the header, one row
    TSqlite3Query* Query2; // the movements
    TSqlite3Query* Query3; // statements
    TDataSource* DataSource1;
    TDataSource* DataSource2;
    TDBText* DBText1;     // letevo, in the header strip
    TDBText* DBText8;     // letetosszeg, in the header strip
    TLabel* Label9;       // "Egyenleg:", left of the balance
    TDBMemo* DBMemo1;     // "Leírás:"
    TVgDBGrid* VgDBGrid1; // "Letét történet:"
    TLabel* Label11;      // record number / record count of the history
    TPanel* Panel2;       // "Letét módosítás:"
    TMemo* Memo2;         // "Esemény:"
    TDateTimePicker* DateTimePicker1;
    TEdit* Edit1;               // "Összeg:" in whole forints
    TRadioButton* RadioButton1; // "Részleges kifizetés"
    TRadioButton* RadioButton2; // "Teljes kifizetés (letét lezárása)"
    TRadioButton* RadioButton3; // "Befizetés"
    TBitBtn* BitBtn1;           // "Rögzít"
    TBitBtn* BitBtn2;           // "Bezár"
    TBitBtn* BitBtn3;           // "Nyomtatás"

    // Loads the deposit and empties the change panel.
    void FormShow(TObject* Sender);
    // Reads the deposit's header and movements again; the change panel is enabled while the
    // deposit is active, and stays disabled when the read fails.
    void Load();
    // Records the chosen movement, then empties the change panel and reloads. Incomplete
    // input only resets the panel; an amount out of range raises its message and writes
    // nothing. A movement the saves refuse (see DepositSaves.h) shows the deposit as stored
    // now and keeps what was typed. A reload that fails after the movement was recorded
    // raises ListNotReadAgainMessage (CloseAsStored.h).
    void BitBtn1Click(TObject* Sender);
    // Prints the deposit as the sheet shows it.
    void BitBtn3Click(TObject* Sender);
    // Closes the sheet.
    void BitBtn2Click(TObject* Sender);
    // Refreshes the list the sheet was opened from, however the sheet closes.
    void FormClose(TObject* Sender, TCloseAction& Action);
    // The movement kind the radios choose.
    app::MovementKind ChosenKind() const;

private:
    // No movement chosen, no amount or remark, today's date.
    void ClearChangePanel();
    void CreateHeader();
    // Gives the balance the room its text needs, taken from the payer's name.
    void FitBalance(const String& Balance);
    void CreateChangePanel();
};

extern Tletet_adatlap* letet_adatlap;
