#pragma once
// What the main window's areas share: the database connection and its queries, the
// work areas and their pages, the lists that dialogs and reports read, the filter
// combos, the export's save dialog, the settings read at start and each area's parts.
// TForm1 derives from it and adds the start page, the menus and its own handlers; the
// areas' builders and commands take this, so they never see the window's class.
#include "app/common/FormPart.h"
#include "app/common/OfficeSettings.h"
#include "platform/ui/TCustomForm.h"

#include <vector>

class TComboBox;
class TDataSource;
class TPanel;
class TSaveDialog;
class TSqlite3DB;
class TSqlite3Query;
class TSqlite3Table;
struct TForm1CaseParts;
struct TForm1ClientParts;
struct TForm1PartnerParts;
struct TForm1DepositParts;
struct TForm1DocumentParts;
struct TForm1JubParts;
struct TForm1RegistryParts;
struct TForm1PrintParts;

namespace app {

class MainWindowShared : public TForm {
public:
    // Makes each area's parts with every pointer null; the areas' builders fill them.
    explicit MainWindowShared(TComponent* AOwner);
    ~MainWindowShared() override;

    // ---- Settings and shared state (zero or empty until read) ----------------------
    const OfficeSettings& Settings() const { return FSettings; }
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
    TSqlite3DB* Sqlite3DB1 = nullptr;
    TSqlite3Query* Query100 = nullptr; // settings and combo fillers
    TSqlite3Query* Query1 = nullptr;   // persons
    TSqlite3Query* Query2 = nullptr;   // the clients area's writes
    TSqlite3Query* Query3 = nullptr;   // organisations
    TDataSource* DataSource1 = nullptr;
    TDataSource* DataSource2 = nullptr;
    TSqlite3Query* Query4 = nullptr; // case list
    TSqlite3Query* Query5 = nullptr; // case search
    TDataSource* DataSource3 = nullptr;
    TDataSource* DataSource4 = nullptr;

    // ---- Work areas and their pages ------------------------------------------------
    TPanel* opencontainer = nullptr; // the start page
    TPanel* ugycontainer = nullptr;
    TPanel* ugynav = nullptr;
    TPanel* ugylistacontainer = nullptr;
    TPanel* ugykerescontainer = nullptr;
    TPanel* ugyfelcontainer = nullptr;
    TPanel* szemelylista = nullptr;
    TPanel* szervezetlista = nullptr;
    TPanel* letetcontainer = nullptr;
    TPanel* letetlista = nullptr;
    TPanel* letetkereses = nullptr;
    TPanel* letetbeallitas = nullptr;
    TPanel* partnercontainer = nullptr;
    TPanel* partnerlist = nullptr;
    TPanel* partnerkeres = nullptr;
    TPanel* iktatascontainer = nullptr;
    TPanel* beerkezettlista = nullptr;
    TPanel* kimenolista = nullptr;
    TPanel* iktatasbeallitas = nullptr;
    TPanel* dokupanel = nullptr;
    TPanel* jubcontainer = nullptr;
    TPanel* jublista = nullptr;
    TPanel* jubbeallitas = nullptr;

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
    TSqlite3Query* partnerQuery1 = nullptr;          // partner list
    TSqlite3Query* partnerQuery2 = nullptr;          // partner search
    TSqlite3Query* letetlista_Query1 = nullptr;      // deposit list
    TSqlite3Query* letetlista_Query2 = nullptr;      // total of every deposit's balance
    TSqlite3Query* letetszuresQuery1 = nullptr;      // deposit search
    TSqlite3Query* letetszuresQuery2 = nullptr;      // its total
    TSqlite3Query* dokulistquery = nullptr;          // documents
    TSqlite3Query* jubQuery = nullptr;               // client identification queries
    TSqlite3Table* iktatasbeallitasTable1 = nullptr; // registry settings: ikt_mt
    TSqlite3Table* iktatasbeallitasTable2 = nullptr; // ikt_mod
    TSqlite3Table* iktatasbeallitasTable3 = nullptr; // ikt_partner
    // The filter combos that the window's show refills together.
    TComboBox* ComboBox1 = nullptr;  // registry, incoming: partner
    TComboBox* ComboBox2 = nullptr;  // registry, incoming: case
    TComboBox* ComboBox3 = nullptr;  // registry, outgoing: partner
    TComboBox* ComboBox4 = nullptr;  // registry, outgoing: case
    TComboBox* ComboBox7 = nullptr;  // documents: "Ügy:"
    TComboBox* ComboBox20 = nullptr; // client identification: "Ügy:"
    // The file name every list's "Exportálás" asks for.
    TSaveDialog* SaveDialog1 = nullptr;

protected:
    OfficeSettings FSettings;
    String FUserName;
    String FProductName;

private:
    FormPart<TForm1CaseParts> FCases;
    FormPart<TForm1ClientParts> FClients;
    FormPart<TForm1PartnerParts> FPartners;
    FormPart<TForm1DepositParts> FDeposits;
    FormPart<TForm1DocumentParts> FDocuments;
    FormPart<TForm1JubParts> FJub;
    FormPart<TForm1RegistryParts> FRegistry;
    FormPart<TForm1PrintParts> FPrintCommands;
    std::vector<Integer> FCaseIds;
};

} // namespace app
