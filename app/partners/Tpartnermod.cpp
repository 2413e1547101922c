#include "app/partners/Tpartnermod.h"

#include "app/common/QueryRun.h"
#include "app/partners/PartnerArea.h"
#include "app/main/Form1.h"

#include "platform/data/TField.h"
#include "sqlite/TSqlite3Query.h"

Tpartnermod* partnermod = nullptr;

Tpartnermod::Tpartnermod(TComponent* AOwner)
    : app::PartnerDialog(AOwner, "partnermod", "Partner módosítás") {}

Tpartnermod::~Tpartnermod() {
    if (partnermod == this) partnermod = nullptr;
}

void Tpartnermod::FormShow(TObject*) {
    SetFields({});
    if (PartnerId <= 0) return;
    app::OpenStatement(*Query1, app::PartnerSelectSql(PartnerId));
    const auto text = [this](const char* field) { return Query1->FieldByName(field)->AsString(); };
    if (!Query1->IsEmpty())
        SetFields({text("nev"), text("kepviselo"), text("cim"), text("tel1"), text("tel2"), text("tel3"),
                   text("mobil1"), text("mobil2"), text("fax"), text("email"), text("web"),
                   text("kedvezmeny"), text("megjegyzes")});
    Query1->Close();
}

void Tpartnermod::BitBtn1Click(TObject*) {
    app::OpenStatement(*Query1, app::PartnerUpdateSql(Fields(), PartnerId));
    Query1->Close();
    app::ReopenPartnerList(*Form1);
    Close();
}
