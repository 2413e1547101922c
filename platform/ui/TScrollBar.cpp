#include "platform/ui/TScrollBar.h"

#include "platform/ui/SafeCall.h"
#include "platform/ui/detail/QtSupport.h"

#include <QScrollBar>

#include <algorithm>

namespace {
QScrollBar* Bar(const TControl* c) {
    return static_cast<QScrollBar*>(c->Widget());
}
} // namespace

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner, ui::NewWidget<QScrollBar>(Qt::Horizontal)) {
    Bar(this)->setFocusPolicy(Qt::StrongFocus);
    // The user's moves arrive here; the program's own are applied by SetParams.
    QObject::connect(Bar(this), &QScrollBar::valueChanged, [this](int v) {
        if (FUpdating) return;
        ui::SafeCall(this, [&] { SetPosition(v); });
    });
    UpdateBar();
    SetBounds(0, 0, 121, 16);
}

TScrollBar::~TScrollBar() {
    OnChange = nullptr;
    QObject::disconnect(Bar(this), nullptr, nullptr, nullptr);
}

void TScrollBar::SetKind(TScrollBarKind v) {
    if (v == FKind) return;
    FKind = v;
    Bar(this)->setOrientation(v == sbVertical ? Qt::Vertical : Qt::Horizontal);
    SetBounds(Left(), Top(), Height(), Width());
}

void TScrollBar::SetParams(Integer APosition, Integer AMin, Integer AMax) {
    AMax = std::max(AMax, AMin);
    APosition = std::clamp(APosition, AMin, AMax);
    const bool moved = APosition != FPosition;
    FMin = AMin;
    FMax = AMax;
    FPosition = APosition;
    UpdateBar();
    if (moved && OnChange) OnChange(this);
}

void TScrollBar::SetSmallChange(Integer v) {
    FSmallChange = v;
    UpdateBar();
}

void TScrollBar::SetLargeChange(Integer v) {
    FLargeChange = v;
    UpdateBar();
}

void TScrollBar::SetPageSize(Integer v) {
    FPageSize = std::max(v, 0);
    UpdateBar();
}

void TScrollBar::UpdateBar() {
    FUpdating = true;
    QScrollBar* bar = Bar(this);
    bar->setRange(FMin, FMax);
    bar->setSingleStep(FSmallChange);
    bar->setPageStep(std::max(FLargeChange, 1));
    bar->setValue(FPosition);
    FUpdating = false;
}
