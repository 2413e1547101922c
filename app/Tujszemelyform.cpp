#include "app/Tujszemelyform.h"

#include "app/DialogRows.h"
#include "app/FormControls.h"
#include "app/QueryRun.h"
#include "app/TForm1.h"

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
    app::ExecStatement(*Query1, app::RegisterPersonInsertSql(Boxes.Person()));
    Query1->Close();
    // Closed before the list refresh: a failing refresh must not invite a second save.
    Close();
    if (Form1) app::Reopen(*Form1->Query1);
}
