#include "platform/ui/TTabSheet.h"

#include "platform/ui/TPageControl.h"

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    SetOpaque(true);
    SetAlign(alClient);
    SetVisible(false);
}

TTabSheet::~TTabSheet() {
    if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* v) {
    if (v == FPageControl) return;
    if (FPageControl) FPageControl->RemovePage(this);
    if (v) v->InsertPage(this, v->PageCount());
}

Integer TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    for (Integer i = 0; i < FPageControl->PageCount(); ++i)
        if (FPageControl->Pages(i) == this) return i;
    return -1;
}

void TTabSheet::SetPageIndex(Integer v) {
    if (FPageControl) FPageControl->MovePage(this, v);
}

void TTabSheet::SetTabVisible(bool v) {
    FTabVisible = v;
    if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::TextChanged() {
    if (FPageControl) FPageControl->UpdateTabs();
}
