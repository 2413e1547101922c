#include "app/cases/Tugyujszervezetform.h"

#include "app/common/CloseAsStored.h"
#include "app/common/CaseClientRows.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/cases/Tugyadatlap.h"

#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tugyujszervezetform* ugyujszervezetform = nullptr;

Tugyujszervezetform::Tugyujszervezetform(TComponent* AOwner)
    : AttachDialog(AOwner, "ugyujszervezetform", "Ügy, szervezet hozzáadása") {
    Edit1 = AddMemoRow("Edit1", "Név:", 256);
    Edit2 = AddEditRow("Edit2", "Rövidített név:", 128);
    Edit3 = AddMemoRow("Edit3", "Székhely címe:", 128);
    Edit4 = AddEditRow("Edit4", "Fő tevékenység:", 128);
    Edit5 = AddEditRow("Edit5", "Azonosító okirat száma::", 64);
    Edit6 = AddMemoRow("Edit6", "Képviselő:", 0);
    Edit7 = AddEditRow("Edit7", "Kézbesítési megbízott neve:", 128);
    Edit8 = AddEditRow("Edit8", "Kézbesítési megb. anyja nev::", 128);
    Edit9 = AddEditRow("Edit9", "Kézbesítési megbízott címe:", 128);
    PlaceChoiceAndButtons();
    const auto inputs = Inputs();
    for (std::size_t i = 0; i < inputs.size(); ++i)
        Texts.Add(app::OrganisationColumns[i], inputs[i]);
}

Tugyujszervezetform::~Tugyujszervezetform() {
    if (ugyujszervezetform == this) ugyujszervezetform = nullptr;
}

std::array<TWinControl*, 9> Tugyujszervezetform::Inputs() const {
    return {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9};
}

void Tugyujszervezetform::FormShow(TObject*) {
    Texts.Clear();
    ResetRegister(app::RegisterOrganisationsSql(), app::OrganisationComboItem);
}

void Tugyujszervezetform::Button1Click(TObject*) {
    if (!TakeComboRow()) return;
    app::OpenStatement(*Query1, app::RegisterOrganisationSql(SelectedRegisterId()));
    Texts.Show(*Query1, *Query1, "ugyfel_szervezet", SelectedRegisterId());
    FCopied = Organisation();
    OfferChoices();
}

app::CaseOrganisation Tugyujszervezetform::Organisation() const {
    app::CaseOrganisation o;
    const auto inputs = Inputs();
    for (std::size_t i = 0; i < inputs.size(); ++i)
        o[i] = inputs[i]->Text();
    return o;
}

void Tugyujszervezetform::rogzitoClick(TObject*) {
    app::WriteCaseOrganisation(*Query1, CaseId, Organisation(), Choice(), SelectedRegisterId(), FCopied,
                               {Texts, Texts.Copies()});
    Query1->Close();
    app::CloseAsStored(*this, [] {
        if (ugyadatlap) ugyadatlap->ReadClients();
    });
}

void Tugyujszervezetform::kilepoClick(TObject*) {
    Close();
}
