#pragma once
// Changes one identification query's answer file and success flag, opened modally from
// the main window's list ("Módosít"); the rest of the query is shown, not edited.
#include "app/common/StoredFlag.h"
#include "app/common/StoredText.h"
#include "app/identification/JubDialog.h"

class TEdit;
class TLabel;

class Tjubmod : public app::JubDialog {
public:
    explicit Tjubmod(TComponent* AOwner);
    ~Tjubmod() override;
    String ClassName() const override { return "Tjubmod"; }

    Integer JubId = 0;    // sorszam of the jub row, set by the opener
    Integer ClientId = 0; // the query's person, read at show

    TLabel* Szam;     // "Lekérdezés száma:"
    TLabel* Nev;      // "Név:"
    TLabel* Szigszam; // "Személyi igazolvány száma:"
    TLabel* Szemszam; // "Személyi azonosító:"
    TLabel* Datum;    // "Dátum:", in the short date format
    TEdit* Edit1;     // "Fájl:"
    TLabel* Note;     // beside the buttons: why the file box keeps its stored text

    void FormShow(TObject* Sender) override;
    // Stores the file and the flag, takes them as shown, then refreshes the main window's
    // list on its row; a refresh that fails raises EDatabaseError saying the save was done.
    void BitBtn1Click(TObject* Sender) override;

protected:
    Integer PersonId() const override { return ClientId; }
    TrpReport* DeclarationReport() const override;

private:
    app::StoredTextBoxes Texts; // Edit1 over valaszfile
    String ShownFile;           // Edit1 as this showing, or the last save, left it
    app::StoredFlagBox Success; // the stored flag behind CheckBox1
};

extern Tjubmod* jubmod;
