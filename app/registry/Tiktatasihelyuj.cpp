#include "app/registry/Tiktatasihelyuj.h"

#include "app/registry/RegistryStatements.h"
#include "app/registry/RegistryArea.h"

#include "platform/ui/TEdit.h"

Tiktatasihelyuj* iktatasihelyuj = nullptr;

Tiktatasihelyuj::Tiktatasihelyuj(TComponent* AOwner)
    : app::LookupNameDialog(AOwner, "iktatasihelyuj", "Iktatás, új iktatási hely", "Új iktatási hely", 130) {
    Edit1->SetMaxLength(64);
}

Tiktatasihelyuj::~Tiktatasihelyuj() {
    if (iktatasihelyuj == this) iktatasihelyuj = nullptr;
}

void Tiktatasihelyuj::BitBtn1Click(TObject*) {
    StoreName(app::LocationInsertSql, app::RegistryLocationTable);
}
