#include "platform/ui/TRadioButton.h"

#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"

#include <QRadioButton>

namespace {
QRadioButton* Radio(const TControl* c) {
    return static_cast<QRadioButton*>(c->Widget());
}
} // namespace

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner, ui::NewWidget<QRadioButton>()) {
    QObject::connect(Radio(this), &QRadioButton::toggled, [this](bool on) {
        if (on) ui::SafeCall(this, [this] { Click(); });
    });
    SetBounds(0, 0, 113, 17);
}

bool TRadioButton::Checked() const {
    return Radio(this)->isChecked();
}

void TRadioButton::SetChecked(bool v) {
    QRadioButton* r = Radio(this);
    if (v == r->isChecked()) return;
    if (v) {
        r->setChecked(true);
        return;
    }
    // The toolkit refuses to uncheck the checked button of a group; forms clear a group by code.
    r->setAutoExclusive(false);
    r->setChecked(false);
    r->setAutoExclusive(true);
}

void TRadioButton::TextChanged() {
    Radio(this)->setText(ui::ToQt(Text()));
}
