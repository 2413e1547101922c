#include "app/registry/Tiktataspartneruj.h"

#include "app/common/CloseAsStored.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/registry/RegistryStatements.h"
#include "app/registry/RegistryArea.h"
#include "app/common/Form1.h"
#include "app/registry/Tiktbe.h"
#include "app/registry/Tiktki.h"

#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"

#include <algorithm>

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
    app::CloseAsStored(*this, [this, id] {
        app::RegistryEntryDialog* entry = Mode == 2   ? static_cast<app::RegistryEntryDialog*>(iktbe)
                                          : Mode == 3 ? iktki
                                                      : nullptr;
        if (Mode == 1) app::Reopen(app::RegistryPartnerTable(app::MainWindow()));
        if (entry) {
            entry->FillPartnerCombo();
            // The new partner is chosen in the entry dialog, with its address.
            const auto& ids = entry->PartnerIds();
            const auto at = std::find(ids.begin(), ids.end(), id);
            entry->ComboBox1->SetItemIndex(at == ids.end() ? -1 : static_cast<Integer>(at - ids.begin()));
            entry->ComboBox1->SetText(Edit1->Text());
            entry->Edit1->SetText(Memo1->Text());
            entry->PartnerId = id;
        }
    });
}
