#include "platform/ui/TCheckBox.h"

#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"

#include <QCheckBox>

namespace {
QCheckBox* Box(const TControl* c) {
    return static_cast<QCheckBox*>(c->Widget());
}
} // namespace

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner, ui::NewWidget<QCheckBox>()) {
    QObject::connect(Box(this), &QCheckBox::stateChanged, [this](int state) {
        // Grey set by code leaves three states on only until the box leaves grey.
        if (state != Qt::PartiallyChecked) Box(this)->setTristate(FAllowGrayed);
        ui::SafeCall(this, [this] { Click(); });
    });
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
}

TCheckBoxState TCheckBox::State() const {
    switch (Box(this)->checkState()) {
    case Qt::Checked:
        return cbChecked;
    case Qt::PartiallyChecked:
        return cbGrayed;
    default:
        return cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState v) {
    if (v == cbGrayed) Box(this)->setTristate(true);
    Box(this)->setCheckState(v == cbChecked  ? Qt::Checked
                             : v == cbGrayed ? Qt::PartiallyChecked
                                             : Qt::Unchecked);
}

void TCheckBox::SetAllowGrayed(bool v) {
    FAllowGrayed = v;
    Box(this)->setTristate(v || State() == cbGrayed);
}

void TCheckBox::SetAlignment(TAlignment v) {
    FAlignment = v;
    Box(this)->setLayoutDirection(v == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::TextChanged() {
    Box(this)->setText(ui::ToQt(Text()));
}
