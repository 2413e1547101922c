// The main menu: every command brings an area and one of its pages to the front.
#include "app/main/TForm1.h"
#include "app/cases/CaseArea.h"
#include "app/clients/ClientArea.h"
#include "app/deposits/DepositArea.h"
#include "app/documents/DocumentArea.h"
#include "app/identification/JubArea.h"
#include "app/partners/PartnerArea.h"
#include "app/registry/RegistryArea.h"
#include "app/settings/TAboutBox.h"
#include "app/settings/Tadminform.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TSaveDialog.h"

#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"

#include <utility>

namespace {

using AreaCommand = void (*)(app::MainWindowShared&, TObject*);

TMenuItem* AddItem(TForm1* Form, TMenuItem* Parent, const String& Name, const String& Caption,
                   TNotifyEvent Handler = nullptr) {
    auto* item = new TMenuItem(Form);
    item->SetName(Name);
    item->SetCaption(Caption);
    item->OnClick = std::move(Handler);
    Parent->Add(item);
    return item;
}

} // namespace

void TForm1::CreateMenus() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    TMenuItem* root = MainMenu1->Items();
    // An item runs one of the window's own handlers, an area's menu command, or the
    // area's command that its side button runs too.
    const auto own = [this](void (TForm1::*Handler)(TObject*)) -> TNotifyEvent {
        return [this, Handler](TObject* Sender) { (this->*Handler)(Sender); };
    };
    const auto area = [this](AreaCommand Command) -> TNotifyEvent {
        return [this, Command](TObject* Sender) { Command(*this, Sender); };
    };
    const auto page = [this](void (*Command)(app::MainWindowShared&)) -> TNotifyEvent {
        return [this, Command](TObject*) { Command(*this); };
    };

    Rendszer1 = AddItem(this, root, "Rendszer1", "Rendszer");
    Kezdolap1 = AddItem(this, Rendszer1, "Kezdolap1", "Kezdőlap", own(&TForm1::Kezdolap1Click));
    Beallitasok1 = AddItem(this, Rendszer1, "Beallitasok1", "Beállítások", own(&TForm1::Beallitasok1Click));
    // Not offered: the office copies its database file with its own backup.
    Adatbazismentese1 = AddItem(this, Rendszer1, "Adatbazismentese1", "Adatbázis mentése",
                                own(&TForm1::Adatbazismentese1Click));
    Adatbazismentese1->SetVisible(false);
    AddItem(this, Rendszer1, "N1", "-");
    Kilepes1 = AddItem(this, Rendszer1, "Kilepes1", "Kilépés", own(&TForm1::Kilepes1Click));

    Ugyfelek1 = AddItem(this, root, "Ugyfelek1", "Ügyfelek");
    Termeszetesszemelyek1 = AddItem(this, Ugyfelek1, "Termeszetesszemelyek1", "Természetes személyek",
                                    area(&app::Termeszetesszemelyek1Click));
    Szervezetek1 = AddItem(this, Ugyfelek1, "Szervezetek1", "Szervezetek", area(&app::Szervezetek1Click));
    Ujtermeszetesszemely1 = AddItem(this, Ugyfelek1, "Ujtermeszetesszemely1", "Új természetes személy",
                                    area(&app::Ujtermeszetesszemely1Click));
    Ujszervezet1 = AddItem(this, Ugyfelek1, "Ujszervezet1", "Új szervezet", area(&app::Ujszervezet1Click));

    Ugyek1 = AddItem(this, root, "Ugyek1", "Ügyek");
    Ugylista1 = AddItem(this, Ugyek1, "Ugylista1", "Ügy lista", area(&app::Ugylista1Click));
    Ugykereses1 = AddItem(this, Ugyek1, "Ugykereses1", "Keresés", area(&app::Ugykereses1Click));
    Ujugy1 = AddItem(this, Ugyek1, "Ujugy1", "Új ügy", area(&app::Ujugy1Click));

    Dokumentumkezeles1 = AddItem(this, root, "Dokumentumkezeles1", "Dokumentumkezelés");
    Dokumentumkezeles2 = AddItem(this, Dokumentumkezeles1, "Dokumentumkezeles2", "Dokumentumkezelés",
                                 area(&app::Dokumentumkezeles2Click));
    Dokumentumbeallitas1 = AddItem(this, Dokumentumkezeles1, "Dokumentumbeallitas1", "Beállítás",
                                   area(&app::Dokumentumbeallitas1Click));

    Letetek1 = AddItem(this, root, "Letetek1", "Letétek");
    Letetlista1 = AddItem(this, Letetek1, "Letetlista1", "Letét lista", page(&app::ReloadDepositListPage));
    Letetkereses1 = AddItem(this, Letetek1, "Letetkereses1", "Keresés", page(&app::ShowDepositSearchPage));
    // Not offered: the entry keeps its place in the menu, hidden and without a command.
    Idogep1 = AddItem(this, Letetek1, "Idogep1", "Időgép");
    Idogep1->SetVisible(false);
    Letetbeallitasok1 =
        AddItem(this, Letetek1, "Letetbeallitasok1", "Beállítások", page(&app::OpenDepositSettings));
    Ujletet1 = AddItem(this, Letetek1, "Ujletet1", "Új letét", area(&app::Ujletet1Click));

    Partnerek1 = AddItem(this, root, "Partnerek1", "Partnerek");
    Partnerlista1 =
        AddItem(this, Partnerek1, "Partnerlista1", "Partnerlista", area(&app::Partnerlista1Click));
    Partnerkereses1 =
        AddItem(this, Partnerek1, "Partnerkereses1", "Keresés", area(&app::Partnerkereses1Click));
    Ujpartner1 = AddItem(this, Partnerek1, "Ujpartner1", "Új partner", area(&app::Ujpartner1Click));

    Iktatas1 = AddItem(this, root, "Iktatas1", "Iktatás");
    Beerkezettlevelek1 = AddItem(this, Iktatas1, "Beerkezettlevelek1", "Beérkezett levelek",
                                 area(&app::Beerkezettlevelek1Click));
    Elkuldottlevelek1 =
        AddItem(this, Iktatas1, "Elkuldottlevelek1", "Elküldött levelek", area(&app::Elkuldottlevelek1Click));
    Iktatasbeallitasok1 =
        AddItem(this, Iktatas1, "Iktatasbeallitasok1", "Beállítások", area(&app::Iktatasbeallitasok1Click));
    Beerkezoiktatas1 =
        AddItem(this, Iktatas1, "Beerkezoiktatas1", "Beérkező iktatás", area(&app::Beerkezoiktatas1Click));
    Kimenoiktatas1 =
        AddItem(this, Iktatas1, "Kimenoiktatas1", "Kimenő iktatás", area(&app::Kimenoiktatas1Click));

    JUB1 = AddItem(this, root, "JUB1", "JÜB", area(&app::JUB1Click));
    Info1 = AddItem(this, root, "Info1", "Info", own(&TForm1::Info1Click));

    SetMenu(MainMenu1);
}

void TForm1::Kezdolap1Click(TObject*) {
    opencontainer->BringToFront();
}

void TForm1::Kilepes1Click(TObject*) {
    Close();
}

void TForm1::Beallitasok1Click(TObject*) {
    adminform->ShowModal();
}

void TForm1::Adatbazismentese1Click(TObject*) {
    TSaveDialog dialog(nullptr);
    dialog.SetFilter("Backup fájl (*.bkp)|*.bkp");
    dialog.Execute();
    ShowMessage("");
}

void TForm1::Info1Click(TObject*) {
    AboutBox->ShowModal();
}
