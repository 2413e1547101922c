#include "app/partners/Tpartnermod.h"

#include "app/common/CloseAsStored.h"
#include "app/common/AreaLayout.h"
#include "app/common/ChangedValues.h"
#include "app/common/QueryRun.h"
#include "app/partners/PartnerArea.h"
#include "app/common/Form1.h"

#include "platform/data/TField.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tpartnermod* partnermod = nullptr;

Tpartnermod::Tpartnermod(TComponent* AOwner) : app::PartnerDialog(AOwner, "partnermod", "Partner módosítás") {
    Note = app::MakeTextNote(this, BitBtn1);
    Texts = app::StoredTextBoxes(Note, {{"nev", Edit1},
                                        {"kepviselo", Edit2},
                                        {"cim", Edit3},
                                        {"tel1", Edit4},
                                        {"tel2", Edit5},
                                        {"tel3", Edit6},
                                        {"mobil1", Edit7},
                                        {"mobil2", Edit8},
                                        {"fax", Edit9},
                                        {"email", Edit10},
                                        {"web", Edit11},
                                        {"megjegyzes", Memo1}});
}

Tpartnermod::~Tpartnermod() {
    if (partnermod == this) partnermod = nullptr;
}

void Tpartnermod::FormShow(TObject*) {
    SetFields({});
    Texts.Clear();
    if (PartnerId > 0) {
        app::OpenStatement(*Query1, app::PartnerSelectSql(PartnerId));
        if (!Query1->IsEmpty()) Edit12->SetText(Query1->FieldByName("kedvezmeny")->AsString());
        Texts.Show(*Query1, *Query1, "partner", PartnerId);
    }
    Shown = Fields();
}

void Tpartnermod::BitBtn1Click(TObject*) {
    app::ExecUpdate(*Query1, app::PartnerUpdateSql(Shown, Fields(), PartnerId, Texts));
    Query1->Close();
    app::CloseAsStored(*this, [] { app::ReopenPartnerList(app::MainWindow()); });
}
