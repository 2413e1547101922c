#include "app/registry/Tiktataserkmoduj.h"

#include "app/registry/RegistryStatements.h"
#include "app/registry/RegistryArea.h"

#include "platform/ui/TEdit.h"

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
    StoreName(app::ModeInsertSql, app::RegistryModeTable);
}
