#include "app/registry/Tiktataserkmoduj.h"

#include "app/common/CloseAsStored.h"
#include "app/common/QueryRun.h"
#include "app/registry/RegistryStatements.h"
#include "app/registry/RegistryArea.h"
#include "app/common/Form1.h"

#include "platform/ui/TEdit.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"

Tiktataserkmoduj* iktataserkmoduj = nullptr;

Tiktataserkmoduj::Tiktataserkmoduj(TComponent* AOwner)
    : app::LookupNameDialog(AOwner, "iktataserkmoduj", "Iktatás, új érkeztetési mód", "Új érkeztetési mód",
                            130) {
    Edit1->SetMaxLength(64);
}

Tiktataserkmoduj::~Tiktataserkmoduj() {
    if (iktataserkmoduj == this) iktataserkmoduj = nullptr;
}

void Tiktataserkmoduj::BitBtn1Click(TObject*) {
    if (Edit1->Text().empty()) {
        Close();
        return;
    }
    app::ExecInsert(*Query1, app::ModeInsertSql(Edit1->Text()));
    Query1->Close();
    app::CloseAsStored(*this, [this] {
        if (Mode == 1) app::Reopen(app::RegistryModeTable(app::MainWindow()));
    });
}
