#include "app/partners/Tujpartner.h"

#include "app/common/CloseAsStored.h"
#include "app/common/QueryRun.h"
#include "app/partners/PartnerArea.h"
#include "app/common/Form1.h"

#include "platform/core/StrUtils.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TEdit.h"
#include "sqlite/TSqlite3Query.h"

Tujpartner* ujpartner = nullptr;

Tujpartner::Tujpartner(TComponent* AOwner)
    : app::PartnerDialog(AOwner, "ujpartner", "Partner, új hozzáadása") {}

Tujpartner::~Tujpartner() {
    if (ujpartner == this) ujpartner = nullptr;
}

void Tujpartner::FormShow(TObject*) {
    SetFields({});
}

void Tujpartner::BitBtn1Click(TObject*) {
    // A name of blanks alone would list as an empty row nobody can find.
    if (Trim(Edit1->Text()).empty()) {
        ShowMessage("A név mező kötelezően kitöltendő!");
        return;
    }
    app::ExecInsert(*Query1, app::PartnerInsertSql(Fields()));
    Query1->Close();
    app::CloseAsStored(*this, [] { app::ReopenPartnerList(app::MainWindow()); });
}
