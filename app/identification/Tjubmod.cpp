#include "app/identification/Tjubmod.h"

#include "app/common/AreaLayout.h"
#include "app/common/CloseAsStored.h"
#include "app/common/StoredDate.h"
#include "app/common/FormControls.h"
#include "app/identification/JubStatements.h"
#include "app/common/QueryRun.h"
#include "app/identification/JubArea.h"
#include "app/common/MainWindowData.h"
#include "app/reports/Tletetfrf.h"

#include "platform/core/StrUtils.h"
#include "platform/data/TField.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "sqlite/TSqlite3Query.h"

Tjubmod* jubmod = nullptr;

Tjubmod::Tjubmod(TComponent* AOwner) : app::JubDialog(AOwner, "jubmod", "JÜB módosítás", "JÜB adatok") {
    const auto value = [this](const String& Name, const String& Caption) {
        const Integer top = Rows().AddRow(Name, Caption, app::EditHeight);
        TLabel* label = app::MakeLabel(this, this, Name, "", InputLeft, top + 4);
        label->SetAutoSize(false);
        label->SetBounds(InputLeft, top + 4, InputWidth, 15);
        return label;
    };
    Szam = value("Szam", "Lekérdezés száma:");
    Nev = value("Nev", "Név:");
    Szigszam = value("Szigszam", "Személyi igazolvány száma:");
    Szemszam = value("Szemszam", "Személyi azonosító:");
    Datum = value("Datum", "Dátum:");
    Edit1 = FinishRows("Edit1");
    Query1->SetTypeLess(true); // the query's date as stored: '' is no date, not 1900-01-01
    Note = app::MakeTextNote(this, BitBtn1);
    Texts = app::StoredTextBoxes(Note, {{"valaszfile", Edit1}});
    Success = app::StoredFlagBox(CheckBox1);
}

Tjubmod::~Tjubmod() {
    if (jubmod == this) jubmod = nullptr;
}

void Tjubmod::FormShow(TObject*) {
    app::OpenStatement(*Query1, app::JubSql(JubId));
    const auto text = [this](const char* Field) {
        return Query1->IsEmpty() ? String() : Query1->FieldByName(Field)->AsString();
    };
    Szam->SetCaption(text("adatigenyles_szama"));
    Nev->SetCaption(text("nev"));
    Szigszam->SetCaption(text("szigszam"));
    Szemszam->SetCaption(text("szemszam"));
    Datum->SetCaption(Query1->IsEmpty() ? String()
                                        : app::StoredDate::Of(Query1->FieldByName("datum")).DisplayText());
    ClientId = Query1->IsEmpty() ? 0 : static_cast<Integer>(Query1->FieldByName("ugyfel")->AsInteger());
    Success.Show(SameText(text("jubok"), "true"));
    Texts.Show(*Query1, *Query1, "jub", JubId);
    ShownFile = Edit1->Text();
}

void Tjubmod::BitBtn1Click(TObject*) {
    app::StoreJubChange(*Query1, JubId, ShownFile, Edit1->Text(), Success.Value(), Texts);
    // The dialog stays open: what it saved is what it shows from now on.
    ShownFile = Edit1->Text();
    Success.Show(CheckBox1->Checked());
    app::ReadAgainAsStored([] { app::ReopenJubList(app::MainWindow()); });
}

TrpReport* Tjubmod::DeclarationReport() const {
    return letetfrf ? letetfrf->rpReport15 : nullptr;
}
