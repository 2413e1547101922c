#include "app/main/TForm1.h"
#include "app/cases/CaseArea.h"
#include "app/clients/ClientArea.h"
#include "app/deposits/DepositArea.h"
#include "app/documents/DocumentArea.h"
#include "app/identification/JubArea.h"
#include "app/partners/PartnerArea.h"
#include "app/registry/RegistryArea.h"
#include "app/reports/PrintCommands.h"
#include "app/main/DatabaseCheck.h"
#include "app/common/QueryRun.h"
#include "app/main/OfficeSchema.h"
#include "platform/core/FileUtils.h"
#include "platform/data/TDataSet.h"
#include "platform/os/SystemInfo.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TApplication.h"
#include "app/common/ArtImage.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"

TForm1* Form1 = nullptr;

app::MainWindowShared& app::CreateMainWindow(TComponent* Owner) {
    Form1 = new TForm1(Owner);
    Form1->AfterConstruction();
    return *Form1;
}

app::MainWindowShared& app::MainWindow() {
    return *Form1;
}

TForm1::TForm1(TComponent* AOwner) : app::MainWindowShared(AOwner) {
    SetName("Form1");
    SetCaption("Velmora 2.0");
    SetPosition(poScreenCenter);
    CreateDatabase();
    CreateAreas();
    CreateStartPage();
    app::CreateCasesArea(*this);
    app::CreateClientsArea(*this);
    app::CreatePartnersArea(*this);
    app::CreateDepositsArea(*this);
    app::CreateDocumentsArea(*this);
    app::CreateJubArea(*this);
    app::CreateRegistryArea(*this);
    app::CreatePrintCommands(*this);
    // The menu bar takes its height from the client area, so the size comes after it.
    CreateMenus();
    SetBounds(0, 0, 792, 580);
    Constraints()->SetMinWidth(780);
    Constraints()->SetMinHeight(580);
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    OnCloseQuery = [this](TObject* Sender, bool& CanClose) { FormCloseQuery(Sender, CanClose); };
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::CreateDatabase() {
    Sqlite3DB1 = new TSqlite3DB(this);
    Sqlite3DB1->SetName("Sqlite3DB1");
    Sqlite3DB1->SetDefaultExt(".s3db");
    Sqlite3DB1->SetDatabase("dornek.s3db");
    Sqlite3DB1->SetDefaultDir(".\\data\\");
    Sqlite3DB1->SetDriverDLL(".\\sqlite3.dll");
    Sqlite3DB1->SetVersion("3.6.4");
    Sqlite3DB1->SetCharacterEncoding("STANDARD");
    // Another program's brief write (a backup, a copy, the sqlite3 tool) is waited out
    // before the busy message.
    Sqlite3DB1->SetTimeOut(5000);
    Sqlite3DB1->SetMustExist(true);
    Sqlite3DB1->SetExecuteInlineSQL(true);
    // A database without a table or column the statements name says it is of another shape.
    Sqlite3DB1->SetExpectedSchema(app::OfficeSchemaNames());
    Sqlite3DB1->AfterConnect = [this](TObject* Sender) { Sqlite3DB1AfterConnect(Sender); };

    const auto query = [this](const char* name) {
        auto* q = new TSqlite3Query(this);
        q->SetName(name);
        q->SetConnection(Sqlite3DB1);
        q->SetRawSQL(true);
        return q;
    };
    Query100 = query("Query100");
    Query4 = query("Query4");
    Query5 = app::MakeListQuery(this, "Query5", Sqlite3DB1); // printed and exported
}

void TForm1::FormCreate(TObject* Sender) {
    // A step that fails ends the start (the program entry shows its message and exits
    // with status 1): the settings are read only here, and a session without them would
    // store identification numbers without the chamber identifier and retention deadlines
    // of 0 years. A retention period stored as text is no such failure: the office must
    // reach the settings dialog to mend it, so the start names it and goes on, and the
    // saves that need it refuse.
    opencontainer->BringToFront();
    FProductName = "Velmora";
    // The account's full name: the start page, the settings dialog and the
    // printed reports (the identification sheet's lawyer name) show it.
    FUserName = GetUserFullName();
    Application->SetTitle("Velmora 2.0");
    Image1->BringToFront();

    const String path = Sqlite3DB1->DefaultDir() + Sqlite3DB1->Database();
    if (!FileExists(path)) {
        ShowMessage(app::MissingDatabaseMessage(ExpandFileName(NormalizePath(path))));
        Application->Terminate();
        // Reading settings now would only raise a second, confusing error.
        return;
    }
    // A file that is not the office's database ends the start-up the same way,
    // before any area reads a table it lacks.
    const String problem = app::OfficeDatabaseProblem(*Sqlite3DB1);
    if (!problem.empty()) {
        ShowMessage(app::UnreadableDatabaseMessage(ExpandFileName(NormalizePath(Sqlite3DB1->DatabasePath())),
                                                   problem));
        Application->Terminate();
        return;
    }
    Label15->SetCaption(FUserName);
    app::ReadOfficeSettings(*Query100, FSettings);
    if (const String notice = app::UnreadableSettingsNotice(FSettings); !notice.empty()) ShowMessage(notice);
}

void TForm1::FormCloseQuery(TObject*, bool&) {
    // A settings grid keeps its row's edit pending until the row is left; closing the
    // program stores it. An edit the database refuses raises its message and the window
    // stays open, the edit there to be corrected or dropped with Escape.
    for (Integer i = 0; i < ComponentCount(); ++i)
        if (auto* data = dynamic_cast<TDataSet*>(Components(i)); data && IsEditMode(data->State()))
            data->CheckBrowseMode();
}

void TForm1::FormShow(TObject* Sender) {
    app::ClearClientPanels(*this);
    // The cases area has nothing to set up.
    app::ResetDocumentDates(*this);
    app::ClearDepositSettingsNotes(*this);
    FillFilterCombos();
    app::ResetJubFilter(*this);
}

void TForm1::FillFilterCombos() {
    app::FillCaseCombos(*this);
    app::FillRegistryPartnerCombos(*this);
    app::FillDepositFilterCombos(*this);
}
