#include "platform/ui/TRadioButton.h"

#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/VirtualKeys.h"

#include <QFocusEvent>
#include <QRadioButton>

#include <algorithm>

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
    SetTabStop(true);
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

std::vector<TRadioButton*> TRadioButton::Group() const {
    std::vector<TRadioButton*> group;
    if (!Parent()) return group;
    for (Integer i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* r = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); r && r->CanFocus())
            group.push_back(r);
    std::ranges::sort(group, {}, &TRadioButton::TabOrder);
    return group;
}

bool TRadioButton::StopsTab() const {
    if (!TabStop()) return false;
    if (Checked()) return true;
    const std::vector<TRadioButton*> group = Group();
    if (std::ranges::any_of(group, [](const TRadioButton* r) { return r->TabStop() && r->Checked(); }))
        return false;
    const auto first = std::ranges::find_if(group, &TRadioButton::TabStop);
    return first != group.end() && *first == this;
}

void TRadioButton::KeyDown(Word& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    const bool back = Key == VK_LEFT || Key == VK_UP;
    if ((!back && Key != VK_RIGHT && Key != VK_DOWN) || !Shift.Empty()) return;
    Key = 0;
    const std::vector<TRadioButton*> group = Group();
    const auto at = std::ranges::find(group, this);
    if (at == group.end() || group.size() < 2) return;
    const auto n = std::ptrdiff_t(group.size());
    const std::ptrdiff_t next = ((at - group.begin()) + (back ? n - 1 : 1)) % n;
    group[std::size_t(next)]->SetFocus();
}

bool TRadioButton::WidgetEvent(QEvent* Event) {
    // Tab and the arrows move the focus through the program, as SetFocus does. A press
    // checks the button itself; a window coming back, a menu closing or the focus
    // passed on from a control that went away is no choice.
    if (Event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(Event)->reason() == Qt::OtherFocusReason)
        SetChecked(true);
    return false;
}
