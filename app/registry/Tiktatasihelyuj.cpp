#include "app/registry/Tiktatasihelyuj.h"

#include "app/common/CloseAsStored.h"
#include "app/common/QueryRun.h"
#include "app/registry/RegistryStatements.h"
#include "app/registry/RegistryArea.h"
#include "app/common/Form1.h"

#include "platform/ui/TEdit.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"

Tiktatasihelyuj* iktatasihelyuj = nullptr;

Tiktatasihelyuj::Tiktatasihelyuj(TComponent* AOwner)
    : app::LookupNameDialog(AOwner, "iktatasihelyuj", "Iktatás, új iktatási hely", "Új iktatási hely", 130) {
    Edit1->SetMaxLength(64);
}

Tiktatasihelyuj::~Tiktatasihelyuj() {
    if (iktatasihelyuj == this) iktatasihelyuj = nullptr;
}

void Tiktatasihelyuj::BitBtn1Click(TObject*) {
    if (Edit1->Text().empty()) {
        Close();
        return;
    }
    app::ExecInsert(*Query1, app::LocationInsertSql(Edit1->Text()));
    Query1->Close();
    app::CloseAsStored(*this, [this] {
        if (Mode == 1) app::Reopen(app::RegistryLocationTable(app::MainWindow()));
    });
}
