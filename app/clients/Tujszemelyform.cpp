#include "app/clients/Tujszemelyform.h"

#include "app/common/CloseAsStored.h"
#include "app/common/DialogRows.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"

#include "platform/ui/TBitBtn.h"
#include "sqlite/TSqlite3Query.h"

Tujszemelyform* ujszemelyform = nullptr;

Tujszemelyform::Tujszemelyform(TComponent* AOwner)
    : RecordDialog(AOwner, "ujszemelyform", "Ügyfél, új természetes személy rögzítése") {
    Boxes = app::AddPersonRows(Rows(), this, this, app::PersonRowsStyle::NewPerson);
    PlaceButtons();
}

Tujszemelyform::~Tujszemelyform() {
    if (ujszemelyform == this) ujszemelyform = nullptr;
}

void Tujszemelyform::FormShow(TObject*) {
    Boxes.Clear();
}

void Tujszemelyform::BitBtn1Click(TObject*) {
    app::ExecInsert(*Query1, app::RegisterPersonInsertSql(Boxes.Person()));
    Query1->Close();
    app::CloseAsStored(*this, [] {
        if (Form1) app::Reopen(app::PersonList(app::MainWindow()));
    });
}
