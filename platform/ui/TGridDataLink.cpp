#include "platform/ui/TGridDataLink.h"

#include "platform/ui/TCustomDBGrid.h"

void TGridDataLink::ActiveChanged() {
    FGrid->LinkActive(Active());
}

void TGridDataLink::DataSetChanged() {
    FGrid->DataChanged();
}

void TGridDataLink::DataSetScrolled(Integer Distance) {
    FGrid->Scroll(Distance);
}

void TGridDataLink::EditingChanged() {
    FGrid->EditingChanged();
}

void TGridDataLink::LayoutChanged() {
    FGrid->LayoutChanged();
}

void TGridDataLink::RecordChanged(TField* Field) {
    FGrid->RecordChanged(Field);
}

void TGridDataLink::UpdateData() {
    FGrid->UpdateData();
}

void TGridDataLink::FocusControl(TField** Field) {
    FGrid->FocusField(Field);
}
