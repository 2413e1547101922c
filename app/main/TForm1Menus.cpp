// The main menu: every command brings an area and one of its pages to the front.
#include "app/main/TForm1.h"
#include "app/cases/CaseArea.h"

#include "app/deposits/DepositArea.h"
#include "app/settings/TAboutBox.h"
#include "app/settings/Tadminform.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TSaveDialog.h"

#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"

namespace {

TMenuItem* AddItem(TForm1* Form, TMenuItem* Parent, const String& Name, const String& Caption,
                   void (TForm1::*Handler)(TObject*) = nullptr) {
    auto* item = new TMenuItem(Form);
    item->SetName(Name);
    item->SetCaption(Caption);
    if (Handler) item->OnClick = [Form, Handler](TObject* Sender) { (Form->*Handler)(Sender); };
    Parent->Add(item);
    return item;
}

} // namespace

void TForm1::CreateMenus() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    TMenuItem* root = MainMenu1->Items();

    Rendszer1 = AddItem(this, root, "Rendszer1", "Rendszer");
    Kezdolap1 = AddItem(this, Rendszer1, "Kezdolap1", "Kezdőlap", &TForm1::Kezdolap1Click);
    Beallitasok1 = AddItem(this, Rendszer1, "Beallitasok1", "Beállítások", &TForm1::Beallitasok1Click);
    // Not offered: the office copies its database file with its own backup.
    Adatbazismentese1 =
        AddItem(this, Rendszer1, "Adatbazismentese1", "Adatbázis mentése", &TForm1::Adatbazismentese1Click);
    Adatbazismentese1->SetVisible(false);
    AddItem(this, Rendszer1, "N1", "-");
    Kilepes1 = AddItem(this, Rendszer1, "Kilepes1", "Kilépés", &TForm1::Kilepes1Click);

    Ugyfelek1 = AddItem(this, root, "Ugyfelek1", "Ügyfelek");
    Termeszetesszemelyek1 = AddItem(this, Ugyfelek1, "Termeszetesszemelyek1", "Természetes személyek",
                                    &TForm1::Termeszetesszemelyek1Click);
    Szervezetek1 = AddItem(this, Ugyfelek1, "Szervezetek1", "Szervezetek", &TForm1::Szervezetek1Click);
    Ujtermeszetesszemely1 = AddItem(this, Ugyfelek1, "Ujtermeszetesszemely1", "Új természetes személy",
                                    &TForm1::Ujtermeszetesszemely1Click);
    Ujszervezet1 = AddItem(this, Ugyfelek1, "Ujszervezet1", "Új szervezet", &TForm1::Ujszervezet1Click);

    Ugyek1 = AddItem(this, root, "Ugyek1", "Ügyek");
    Ugylista1 = AddItem(this, Ugyek1, "Ugylista1", "Ügy lista", &TForm1::Ugylista1Click);
    Ugykereses1 = AddItem(this, Ugyek1, "Ugykereses1", "Keresés", &TForm1::Ugykereses1Click);
    Ujugy1 = AddItem(this, Ugyek1, "Ujugy1", "Új ügy", &TForm1::Ujugy1Click);

    Dokumentumkezeles1 = AddItem(this, root, "Dokumentumkezeles1", "Dokumentumkezelés");
    Dokumentumkezeles2 = AddItem(this, Dokumentumkezeles1, "Dokumentumkezeles2", "Dokumentumkezelés",
                                 &TForm1::Dokumentumkezeles2Click);
    Dokumentumbeallitas1 = AddItem(this, Dokumentumkezeles1, "Dokumentumbeallitas1", "Beállítás",
                                   &TForm1::Dokumentumbeallitas1Click);

    Letetek1 = AddItem(this, root, "Letetek1", "Letétek");
    Letetlista1 = AddItem(this, Letetek1, "Letetlista1", "Letét lista", &TForm1::Letetlista1Click);
    Letetkereses1 = AddItem(this, Letetek1, "Letetkereses1", "Keresés", &TForm1::Letetkereses1Click);
    Letetbeallitasok1 =
        AddItem(this, Letetek1, "Letetbeallitasok1", "Beállítások", &TForm1::Letetbeallitasok1Click);
    Ujletet1 = AddItem(this, Letetek1, "Ujletet1", "Új letét", &TForm1::Ujletet1Click);

    Partnerek1 = AddItem(this, root, "Partnerek1", "Partnerek");
    Partnerlista1 = AddItem(this, Partnerek1, "Partnerlista1", "Partnerlista", &TForm1::Partnerlista1Click);
    Partnerkereses1 = AddItem(this, Partnerek1, "Partnerkereses1", "Keresés", &TForm1::Partnerkereses1Click);
    Ujpartner1 = AddItem(this, Partnerek1, "Ujpartner1", "Új partner", &TForm1::Ujpartner1Click);

    Iktatas1 = AddItem(this, root, "Iktatas1", "Iktatás");
    Beerkezettlevelek1 =
        AddItem(this, Iktatas1, "Beerkezettlevelek1", "Beérkezett levelek", &TForm1::Beerkezettlevelek1Click);
    Elkuldottlevelek1 =
        AddItem(this, Iktatas1, "Elkuldottlevelek1", "Elküldött levelek", &TForm1::Elkuldottlevelek1Click);
    Iktatasbeallitasok1 =
        AddItem(this, Iktatas1, "Iktatasbeallitasok1", "Beállítások", &TForm1::Iktatasbeallitasok1Click);
    Beerkezoiktatas1 =
        AddItem(this, Iktatas1, "Beerkezoiktatas1", "Beérkező iktatás", &TForm1::Beerkezoiktatas1Click);
    Kimenoiktatas1 =
        AddItem(this, Iktatas1, "Kimenoiktatas1", "Kimenő iktatás", &TForm1::Kimenoiktatas1Click);

    JUB1 = AddItem(this, root, "JUB1", "JÜB", &TForm1::JUB1Click);
    Info1 = AddItem(this, root, "Info1", "Info", &TForm1::Info1Click);

    SetMenu(MainMenu1);
}

void TForm1::Kezdolap1Click(TObject*) {
    opencontainer->BringToFront();
}

void TForm1::Kilepes1Click(TObject*) {
    Close();
}

void TForm1::Ugylista1Click(TObject*) {
    ugycontainer->BringToFront();
    app::BuildCaseList(*this);
    ugylistacontainer->BringToFront();
}

void TForm1::Ugykereses1Click(TObject*) {
    BringAreaToFront(ugycontainer, ugykerescontainer);
}

void TForm1::Dokumentumkezeles2Click(TObject*) {
    dokupanel->BringToFront();
}

void TForm1::Letetlista1Click(TObject*) {
    app::ReloadDepositListPage(*this);
}

void TForm1::Letetkereses1Click(TObject*) {
    BringAreaToFront(letetcontainer, letetkereses);
}

void TForm1::Letetbeallitasok1Click(TObject*) {
    app::OpenDepositSettings(*this);
}

void TForm1::Ujletet1Click(TObject*) {
    BringAreaToFront(letetcontainer, letetlista);
    app::ShowNewDeposit(*this);
}

void TForm1::JUB1Click(TObject*) {
    BringAreaToFront(jubcontainer, jublista);
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
