#include "app/Tugyujszervezetform.h"

#include "app/CaseClientRows.h"
#include "app/FormControls.h"
#include "app/QueryRun.h"
#include "app/Tugyadatlap.h"

#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tugyujszervezetform* ugyujszervezetform = nullptr;

namespace {

constexpr Integer RowStep = 27;
constexpr Integer MemoStep = 46;

} // namespace

Tugyujszervezetform::Tugyujszervezetform(TComponent* AOwner)
    : AttachDialog(AOwner, "ugyujszervezetform", "Ügy, szervezet hozzáadása") {
    Integer top = FirstRowTop;
    const auto label = [&](const String& name, const String& caption) {
        app::MakeFieldLabel(this, this, "Label" + name, caption, LabelRight, top);
    };
    const auto row = [&](const String& name, const String& caption, Integer maxLength) {
        label(name, caption);
        TEdit* edit = app::MakeEdit(this, this, name, InputLeft, top, InputWidth);
        edit->SetMaxLength(maxLength);
        top += RowStep;
        return edit;
    };
    const auto memo = [&](const String& name, const String& caption, Integer maxLength) {
        label(name, caption);
        TMemo* box = app::MakeMemo(this, this, name, InputLeft, top, InputWidth, 40);
        box->SetMaxLength(maxLength);
        top += MemoStep;
        return box;
    };
    Edit1 = memo("Edit1", "Név:", 256);
    Edit2 = row("Edit2", "Rövidített név:", 128);
    Edit3 = memo("Edit3", "Székhely címe:", 128);
    Edit4 = row("Edit4", "Fő tevékenység:", 128);
    Edit5 = row("Edit5", "Azonosító okirat száma::", 64);
    Edit6 = memo("Edit6", "Képviselő:", 0);
    Edit7 = row("Edit7", "Kézbesítési megbízott neve:", 128);
    Edit8 = row("Edit8", "Kézbesítési megb. anyja nev::", 128);
    Edit9 = row("Edit9", "Kézbesítési megbízott címe:", 128);
    PlaceChoiceAndButtons(top + 6);

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };
    rogzito->OnClick = [this](TObject* Sender) { rogzitoClick(Sender); };
    kilepo->OnClick = [this](TObject* Sender) { kilepoClick(Sender); };
}

Tugyujszervezetform::~Tugyujszervezetform() {
    if (ugyujszervezetform == this) ugyujszervezetform = nullptr;
}

std::array<TWinControl*, 9> Tugyujszervezetform::Inputs() const {
    return {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9};
}

void Tugyujszervezetform::FormShow(TObject*) {
    for (TWinControl* input : Inputs())
        input->SetText("");
    ResetRegister(app::RegisterOrganisationsSql(), app::OrganisationComboItem);
}

void Tugyujszervezetform::Button1Click(TObject*) {
    if (!TakeComboRow()) return;
    app::OpenStatement(*Query1, app::RegisterOrganisationSql(SelectedRegisterId()));
    const app::CaseOrganisation o = app::ReadRegisterOrganisation(*Query1);
    Query1->Close();
    const auto inputs = Inputs();
    for (std::size_t i = 0; i < inputs.size(); ++i)
        inputs[i]->SetText(o[i]);
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
    app::WriteCaseOrganisation(*Query1, CaseId, Organisation(), Choice(), SelectedRegisterId());
    Query1->Close();
    // Closed before the list refresh: a failing refresh must not invite a second save.
    Close();
    if (ugyadatlap) app::ReopenIfSet(*ugyadatlap->Query3);
}

void Tugyujszervezetform::kilepoClick(TObject*) {
    Close();
}
