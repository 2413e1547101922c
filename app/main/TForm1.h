#pragma once
// The main window: the database connection, the start page and the work areas
// stacked over one another, the menus that switch between them, and the office
// settings read once at start. Each area's pages are built in its own TForm1<Area>.cpp
// files. This header declares what more than one area uses; each area's own components
// are in its TForm1<Area>Parts.h, reached through the area's accessor (Form1->Deposits()
// ...), and its commands and handlers are free functions over the window in its
// <Area>Area.h. Dialogs and report-host forms reach the window through
// app/main/MainWindowData.h instead of this header.
#include "app/main/Form1.h"
#include "app/main/FormPart.h"
#include "app/main/OfficeSettings.h"
#include "platform/ui/TCustomForm.h"

#include <vector>

class TComboBox;
class TDataSource;
class TLabel;
class TMainMenu;
class TMenuItem;
class TPanel;
class TSaveDialog;
class TSqlite3DB;
class TSqlite3Query;
class TSqlite3Table;
namespace app {
class ArtImage;
}
struct TForm1CaseParts;
struct TForm1ClientParts;
struct TForm1PartnerParts;
struct TForm1DepositParts;
struct TForm1DocumentParts;
struct TForm1JubParts;
struct TForm1RegistryParts;
struct TForm1PrintParts;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* AOwner);
    ~TForm1() override;
    String ClassName() const override { return "TForm1"; }

    // ---- Settings and shared state (zero or empty until read) ----------------------
    const app::OfficeSettings& Settings() const { return FSettings; }
    Integer DocRetentionYears() const { return FSettings.DocRetentionYears; }
    Integer JubRetentionYears() const { return FSettings.JubRetentionYears; }
    const String& ChamberId() const { return FSettings.ChamberId; }
    const String& OfficeAddress() const { return FSettings.OfficeAddress; }
    // The office user's name: the start page's caption line and the reports' REGUSER.
    const String& UserName() const { return FUserName; }
    const String& ProductName() const { return FProductName; }
    // Keys of the active cases behind the case combo boxes, index = item index.
    std::vector<Integer>& CaseIds() { return FCaseIds; }

    // ---- Database -------------------------------------------------------------------
    TSqlite3DB* Sqlite3DB1;
    TSqlite3Query* Query100; // settings and combo fillers
    TSqlite3Query* Query1;   // persons
    TSqlite3Query* Query2;   // the clients area's writes
    TSqlite3Query* Query3;   // organisations
    TDataSource* DataSource1;
    TDataSource* DataSource2;
    TSqlite3Query* Query4; // case list
    TSqlite3Query* Query5; // case search
    TDataSource* DataSource3;
    TDataSource* DataSource4;

    // ---- Work areas and their pages ------------------------------------------------
    TPanel* opencontainer;
    TPanel* openpanel;
    TPanel* Panel41;
    TPanel* ugycontainer;
    TPanel* ugynav;
    TPanel* ugylistacontainer;
    TPanel* ugykerescontainer;
    TPanel* ugyfelcontainer;
    TPanel* szemelylista;
    TPanel* szervezetlista;
    TPanel* letetcontainer;
    TPanel* letetlista;
    TPanel* letetkereses;
    TPanel* letetbeallitas;
    TPanel* partnercontainer;
    TPanel* partnerlist;
    TPanel* partnerkeres;
    TPanel* iktatascontainer;
    TPanel* beerkezettlista;
    TPanel* kimenolista;
    TPanel* iktatasbeallitas;
    TPanel* dokupanel;
    TPanel* jubcontainer;
    TPanel* jublista;
    TPanel* jubbeallitas;

    // ---- Start page ------------------------------------------------------------------
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

    // ---- The areas' own components ---------------------------------------------------
    // Each area's components are declared in its TForm1<Area>Parts.h, which only the
    // area's own files and tests include: a change there rebuilds nothing else.
    TForm1CaseParts& Cases() const { return *FCases; }
    TForm1ClientParts& Clients() const { return *FClients; }
    TForm1PartnerParts& Partners() const { return *FPartners; }
    TForm1DepositParts& Deposits() const { return *FDeposits; }
    TForm1DocumentParts& Documents() const { return *FDocuments; }
    TForm1JubParts& Jub() const { return *FJub; }
    TForm1RegistryParts& Registry() const { return *FRegistry; }
    TForm1PrintParts& PrintCommands() const { return *FPrintCommands; }

    // ---- What the areas share -----------------------------------------------------------
    // The lists' datasets that dialogs and the report-host forms reach through Form1.
    TSqlite3Query* partnerQuery1;          // partner list
    TSqlite3Query* partnerQuery2;          // partner search
    TSqlite3Query* letetlista_Query1;      // deposit list
    TSqlite3Query* letetlista_Query2;      // total of every deposit's balance
    TSqlite3Query* letetszuresQuery1;      // deposit search
    TSqlite3Query* letetszuresQuery2;      // its total
    TSqlite3Query* dokulistquery;          // documents
    TSqlite3Query* jubQuery;               // client identification queries
    TSqlite3Table* iktatasbeallitasTable1; // registry settings: ikt_mt
    TSqlite3Table* iktatasbeallitasTable2; // ikt_mod
    TSqlite3Table* iktatasbeallitasTable3; // ikt_partner
    // The filter combos that FillFilterCombos refills together.
    TComboBox* ComboBox1;  // registry, incoming: partner
    TComboBox* ComboBox2;  // registry, incoming: case
    TComboBox* ComboBox3;  // registry, outgoing: partner
    TComboBox* ComboBox4;  // registry, outgoing: case
    TComboBox* ComboBox7;  // documents: "Ügy:"
    TComboBox* ComboBox20; // client identification: "Ügy:"
    // The file name every list's "Exportálás" asks for.
    TSaveDialog* SaveDialog1;

    // Refills the case combos, then the filter combos of the areas.
    void FillFilterCombos();

    // ---- Handlers ----------------------------------------------------------------------
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Sqlite3DB1AfterConnect(TObject* Sender) {}

    // Menu and start-page commands.
    void Kezdolap1Click(TObject* Sender);
    void Kilepes1Click(TObject* Sender);
    void Termeszetesszemelyek1Click(TObject* Sender);
    void Szervezetek1Click(TObject* Sender);
    void Ugylista1Click(TObject* Sender);
    void Ugykereses1Click(TObject* Sender);
    void Dokumentumkezeles2Click(TObject* Sender);
    void Dokumentumbeallitas1Click(TObject* Sender);
    void Letetlista1Click(TObject* Sender);
    void Letetkereses1Click(TObject* Sender);
    void Letetbeallitasok1Click(TObject* Sender);
    void Ujletet1Click(TObject* Sender);
    void Partnerlista1Click(TObject* Sender);
    void Partnerkereses1Click(TObject* Sender);
    void Beerkezettlevelek1Click(TObject* Sender);
    void Elkuldottlevelek1Click(TObject* Sender);
    void Iktatasbeallitasok1Click(TObject* Sender);
    void JUB1Click(TObject* Sender);
    void Beallitasok1Click(TObject* Sender);
    void Adatbazismentese1Click(TObject* Sender);
    void Info1Click(TObject* Sender);

    // Menu commands that bring an area to the front and open its entry dialog.
    void Ujtermeszetesszemely1Click(TObject* Sender);
    void Ujszervezet1Click(TObject* Sender);
    void Ujugy1Click(TObject* Sender);
    void Ujpartner1Click(TObject* Sender);
    void Beerkezoiktatas1Click(TObject* Sender);
    void Kimenoiktatas1Click(TObject* Sender);

    // Refills the case combo boxes of the areas and CaseIds from the active cases.
    void FillCaseCombos();

    // Brings Area to the front, then Page (one of its pages) when given.
    static void BringAreaToFront(TControl* Area, TControl* Page = nullptr);

private:
    void CreateDatabase();
    void CreateAreas();
    void CreateStartPage();
    void CreateMenus();
    void CreateCasesArea();
    void CreateClientsArea();
    void CreatePersonPanel();
    void CreateOrganisationPanel();
    void CreateCaseExport(TWinControl* TitleStrip);
    void CreatePrintCommands();
    void CreateCaseListPage();
    void CreateCaseSearchPage();
    void CreateCaseGrids();
    void CreatePartnersArea();
    void CreatePartnerPages();
    void CreateDepositsArea();
    void CreateDocumentsArea();
    void CreateJubArea();
    void CreateDepositListPages();
    void CreateDepositSettingsPage();
    void CreateDepositGrids();
    void CreateDepositExports();
    void CreateRegistryArea();
    void CreateRegistrySettings();
    void WireRegistryLists();

    app::FormPart<TForm1CaseParts> FCases;
    app::FormPart<TForm1ClientParts> FClients;
    app::FormPart<TForm1PartnerParts> FPartners;
    app::FormPart<TForm1DepositParts> FDeposits;
    app::FormPart<TForm1DocumentParts> FDocuments;
    app::FormPart<TForm1JubParts> FJub;
    app::FormPart<TForm1RegistryParts> FRegistry;
    app::FormPart<TForm1PrintParts> FPrintCommands;
    app::OfficeSettings FSettings;
    String FUserName;
    String FProductName;
    std::vector<Integer> FCaseIds;
};
