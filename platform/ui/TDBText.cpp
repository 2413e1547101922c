#include "platform/ui/TDBText.h"

#include "platform/data/TField.h"
#include "platform/data/TFieldDataLink.h"

TDBText::TDBText(TComponent* AOwner) : TLabel(AOwner), FDataLink(std::make_unique<TFieldDataLink>()) {
    SetAutoSize(false);
    SetShowAccelChar(false);
    FDataLink->SetControl(this);
    FDataLink->OnDataChange = [this](TObject*) { DataChange(); };
}

TDBText::~TDBText() {
    FDataLink.reset();
}

TDataSource* TDBText::DataSource() const {
    return FDataLink->DataSource();
}
void TDBText::SetDataSource(TDataSource* v) {
    FDataLink->SetDataSource(v);
}
const String& TDBText::DataField() const {
    return FDataLink->FieldName();
}
void TDBText::SetDataField(const String& v) {
    FDataLink->SetFieldName(v);
}
TField* TDBText::Field() const {
    return FDataLink->Field();
}

void TDBText::DataChange() {
    TField* field = FDataLink->Field();
    SetCaption(field ? field->DisplayText() : String());
}
