#include "app/registry/Tiktataspartneruj.h"

#include "app/common/CloseAsStored.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/registry/RegistryStatements.h"
#include "app/registry/RegistryArea.h"
#include "app/common/Form1.h"
#include "app/registry/Tiktbe.h"
#include "app/registry/Tiktki.h"

#include "platform/core/ScopeExit.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"

Tiktataspartneruj* iktataspartneruj = nullptr;

Tiktataspartneruj::Tiktataspartneruj(TComponent* AOwner)
    : app::LookupNameDialog(AOwner, "iktataspartneruj", "Iktatás, új partner", "Új iktatási partner", 210) {
    Edit1->SetMaxLength(127);
    AddMarginLabel("Label2", "Cím:", 78);
    Memo1 = app::MakeMemo(this, this, "Memo1", 94, 78, 270, 80);
    Memo1->SetMaxLength(250);
    Memo1->SetTabOrder(Edit1->TabOrder() + 1); // name, address, then the buttons
}

Tiktataspartneruj::~Tiktataspartneruj() {
    if (iktataspartneruj == this) iktataspartneruj = nullptr;
}

void Tiktataspartneruj::FormShow(TObject* Sender) {
    LookupNameDialog::FormShow(Sender);
    Memo1->SetText("");
}

void Tiktataspartneruj::BitBtn1Click(TObject*) {
    if (Edit1->Text().empty()) {
        Close();
        return;
    }
    const Integer id = app::WriteRegistryPartner(*Query1, Edit1->Text(), Memo1->Text());
    app::RegistryEntryDialog* entry = Mode == 2   ? static_cast<app::RegistryEntryDialog*>(iktbe)
                                      : Mode == 3 ? iktki
                                                  : nullptr;
    app::CloseAsStored(*this, [this, id, entry] {
        if (Mode == 1) app::Reopen(app::RegistryPartnerTable(app::MainWindow()));
        if (!entry) return;
        // The stored partner is chosen in the entry dialog also when its list cannot be read
        // again, so the entry goes on with it instead of a second new partner.
        const core::ScopeExit choose(
            [this, id, entry] { entry->ChoosePartner(id, Edit1->Text(), Memo1->Text()); });
        entry->FillPartnerCombo();
    });
}
