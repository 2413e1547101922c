#pragma once
// The main window: the start page, the menus that switch between the work areas, and
// the start-up that reads the office settings. What the areas share (the database, the
// work areas and their pages, the shared lists, each area's parts) is its base,
// app::MainWindowShared; each area's builders, commands and handlers are free functions
// over that base in the area's <Area>Area.h. Dialogs and report-host forms reach the
// window through app/common/MainWindowData.h instead of this header.
#include "app/common/Form1.h"
#include "app/common/MainWindowShared.h"

class TLabel;
class TMainMenu;
class TMenuItem;
namespace app {
class ArtImage;
}

class TForm1 : public app::MainWindowShared {
public:
    explicit TForm1(TComponent* AOwner);
    ~TForm1() override;
    String ClassName() const override { return "TForm1"; }

    // ---- Start page ------------------------------------------------------------------
    TPanel* openpanel;
    TPanel* Panel41;
    app::ArtImage* Image1;
    TLabel* Label15;
    app::ArtImage* Image8;  // natural persons
    app::ArtImage* Image9;  // case list
    app::ArtImage* Image12; // documents
    app::ArtImage* Image13; // deposits
    app::ArtImage* Image14; // partners
    app::ArtImage* Image15; // client identification
    app::ArtImage* Image16; // the column's lower picture
    app::ArtImage* Image18; // client identification

    // ---- Menus -------------------------------------------------------------------------
    TMainMenu* MainMenu1;
    TMenuItem* Rendszer1;
    TMenuItem* Kezdolap1;
    TMenuItem* Beallitasok1;
    TMenuItem* Adatbazismentese1;
    TMenuItem* Kilepes1;
    TMenuItem* Ugyfelek1;
    TMenuItem* Termeszetesszemelyek1;
    TMenuItem* Szervezetek1;
    TMenuItem* Ujtermeszetesszemely1;
    TMenuItem* Ujszervezet1;
    TMenuItem* Ugyek1;
    TMenuItem* Ugylista1;
    TMenuItem* Ugykereses1;
    TMenuItem* Ujugy1;
    TMenuItem* Dokumentumkezeles1;
    TMenuItem* Dokumentumkezeles2;
    TMenuItem* Dokumentumbeallitas1;
    TMenuItem* Letetek1;
    TMenuItem* Letetlista1;
    TMenuItem* Letetkereses1;
    TMenuItem* Idogep1; // hidden, does nothing
    TMenuItem* Letetbeallitasok1;
    TMenuItem* Ujletet1;
    TMenuItem* Partnerek1;
    TMenuItem* Partnerlista1;
    TMenuItem* Partnerkereses1;
    TMenuItem* Ujpartner1;
    TMenuItem* Iktatas1;
    TMenuItem* Beerkezoiktatas1;
    TMenuItem* Kimenoiktatas1;
    TMenuItem* Beerkezettlevelek1;
    TMenuItem* Elkuldottlevelek1;
    TMenuItem* Iktatasbeallitasok1;
    TMenuItem* JUB1;
    TMenuItem* Info1;

    // ---- Handlers ----------------------------------------------------------------------
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    // Stores the edits still pending in the window's grids before the program ends.
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void Sqlite3DB1AfterConnect(TObject* Sender) {}

    // The window's own menu commands; the areas' commands are in their <Area>Area.h.
    void Kezdolap1Click(TObject* Sender);
    void Kilepes1Click(TObject* Sender);
    void Beallitasok1Click(TObject* Sender);
    void Adatbazismentese1Click(TObject* Sender);
    void Info1Click(TObject* Sender);

private:
    // Refills the case combos, then the filter combos of the areas (on show).
    void FillFilterCombos();
    void CreateDatabase();
    void CreateAreas();
    void CreateStartPage();
    void CreateMenus();
};
