#include "app/clients/Tujszervezetform.h"

#include "app/common/CloseAsStored.h"
#include "app/common/DialogRows.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"

#include "platform/ui/TBitBtn.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tujszervezetform* ujszervezetform = nullptr;

Tujszervezetform::Tujszervezetform(TComponent* AOwner)
    : RecordDialog(AOwner, "ujszervezetform", "Ügyfél, új szervezet rögzítése") {
    Edit1 = Rows().AddMemoRow("Edit1", "Név:", 256);
    Edit2 = Rows().AddEditRow("Edit2", "Rövidített név:", 128);
    Edit3 = Rows().AddMemoRow("Edit3", "Székhely címe:", 128);
    Edit4 = Rows().AddEditRow("Edit4", "Fő tevékenység:", 128);
    Edit5 = Rows().AddEditRow("Edit5", "Azonosító okirat száma:", 64);
    Edit6 = Rows().AddMemoRow("Edit6", "Képviselő", 0);
    Edit7 = Rows().AddEditRow("Edit7", "Kézbesítési megbízott:", 128);
    Edit8 = Rows().AddEditRow("Edit8", "Anyja neve:", 128);
    Edit9 = Rows().AddEditRow("Edit9", "Címe:", 128);
    PlaceButtons();
}

Tujszervezetform::~Tujszervezetform() {
    if (ujszervezetform == this) ujszervezetform = nullptr;
}

app::CaseOrganisation Tujszervezetform::Organisation() const {
    // In the order of the register's columns: the representative before the agent.
    return {Edit1->Text(), Edit2->Text(), Edit3->Text(), Edit4->Text(), Edit5->Text(),
            Edit6->Text(), Edit7->Text(), Edit8->Text(), Edit9->Text()};
}

void Tujszervezetform::FormShow(TObject*) {
    for (TMemo* memo : {Edit1, Edit3, Edit6})
        memo->Clear();
    for (TEdit* edit : {Edit2, Edit4, Edit5, Edit7, Edit8, Edit9})
        edit->Clear();
}

void Tujszervezetform::BitBtn1Click(TObject*) {
    app::ExecInsert(*Query1, app::RegisterOrganisationInsertSql(Organisation()));
    Query1->Close();
    app::CloseAsStored(*this, [] {
        if (Form1) app::Reopen(app::OrganisationList(app::MainWindow()));
    });
}
