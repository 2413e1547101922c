#include "platform/ui/TProgressBar.h"

#include "platform/ui/detail/QtSupport.h"

#include <QProgressBar>

#include <algorithm>

namespace {
QProgressBar* Bar(const TControl* c) {
    return static_cast<QProgressBar*>(c->Widget());
}
} // namespace

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner, ui::NewWidget<QProgressBar>()) {
    Bar(this)->setTextVisible(false);
    UpdateBar();
    SetBounds(0, 0, 150, 16);
}

// A bound set past the other one drags it along, so callers may set Min and
// Max in either order without the range ever being refused.
void TProgressBar::SetMin(Integer v) {
    FMin = v;
    FMax = std::max(FMax, v);
    SetPosition(FPosition);
    UpdateBar();
}

void TProgressBar::SetMax(Integer v) {
    FMax = v;
    FMin = std::min(FMin, v);
    SetPosition(FPosition);
    UpdateBar();
}

void TProgressBar::SetPosition(Integer v) {
    FPosition = std::clamp(v, FMin, FMax);
    UpdateBar();
}

void TProgressBar::StepIt() {
    Integer next = FPosition + FStep;
    if (next > FMax) next = FMin + (next - FMax) % std::max(FMax - FMin, 1);
    SetPosition(next);
}

void TProgressBar::SetOrientation(TProgressBarOrientation v) {
    FOrientation = v;
    Bar(this)->setOrientation(v == pbVertical ? Qt::Vertical : Qt::Horizontal);
}

void TProgressBar::UpdateBar() {
    QProgressBar* bar = Bar(this);
    // An empty range would make the toolkit's bar run as a busy indicator.
    bar->setRange(FMin, FMax > FMin ? FMax : FMin + 1);
    bar->setValue(FPosition);
}
