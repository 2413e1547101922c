#include "platform/ui/TWinControl.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TCustomForm.h"

#include <QWidget>

#include <algorithm>

TWinControl::TWinControl(TComponent* AOwner, QWidget* AWidget) : TControl(AOwner, AWidget) {}

TWinControl::~TWinControl() {
    // Leaves the parent while still a windowed control, so the parent's tab order and
    // the form's active control let go of it.
    if (TWinControl* parent = Parent()) parent->RemoveControl(this);
    FAlignLevel = 1; // no layout while the children go
    while (!FControls.empty()) {
        TControl* c = FControls.back();
        RemoveControl(c);
        delete c;
    }
}

TControl* TWinControl::Controls(Integer Index) const {
    if (Index < 0 || Index >= ControlCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FControls[std::size_t(Index)];
}

bool TWinControl::ContainsControl(const TControl* Control) const {
    for (const TControl* c = Control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

void TWinControl::InsertControl(TControl* Control) {
    FControls.push_back(Control);
    Control->FParent = this;
    auto* windowed = dynamic_cast<TWinControl*>(Control);
    if (windowed) FTabList.push_back(windowed);
    QWidget* widget = Control->Widget();
    widget->setParent(ContainerWidget());
    Control->UpdateWidgetGeometry();
    widget->setVisible(Control->Visible());
    Control->ParentFontChanged();
    Control->ParentColorChanged();
    if (windowed) windowed->ParentCtl3DChanged();
    Control->ApplyHint();
    Control->UpdateAnchorRules();
    Realign();
    ControlBoundsChanged(Control);
}

void TWinControl::RemoveControl(TControl* Control) {
    std::erase(FControls, Control);
    if (auto* w = dynamic_cast<TWinControl*>(Control)) {
        std::erase(FTabList, w);
        if (TCustomForm* form = GetParentForm(this)) form->ControlLeaving(w);
    }
    Control->FParent = nullptr;
    if (QWidget* widget = Control->Widget()) {
        widget->hide();
        widget->setParent(nullptr);
    }
    Realign();
    if (!ComponentState().Contains(csDestroying)) ControlBoundsChanged(Control);
}

void TWinControl::SetTabStop(bool v) {
    FTabStop = v;
    Widget()->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

Integer TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->FTabList;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : Integer(it - list.begin());
}

void TWinControl::SetTabOrder(Integer v) {
    if (!Parent() || v < 0) return;
    auto& list = Parent()->FTabList;
    std::erase(list, this);
    const auto pos = std::min<std::size_t>(std::size_t(v), list.size());
    list.insert(list.begin() + std::ptrdiff_t(pos), this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
    for (TWinControl* c : FTabList) {
        List.push_back(c);
        c->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const auto n = std::ptrdiff_t(list.size());
    auto start = std::find(list.begin(), list.end(), CurControl) - list.begin();
    // Without a current control the search starts at the end that wraps to the first.
    if (start == n) start = GoForward ? n - 1 : 0;
    std::ptrdiff_t i = start;
    do {
        i = GoForward ? (i + 1) % n : (i + n - 1) % n;
        TWinControl* c = list[std::size_t(i)];
        if (c == CurControl) break;
        if (c->CanFocus() && (!CheckTabStop || c->StopsTab()) && (!CheckParent || c->Parent() == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
    if (TWinControl* c = FindNextControl(CurControl, GoForward, CheckTabStop, false)) c->SetFocus();
}

bool TWinControl::CanFocus() const {
    // Every control up to the form visible and enabled; the
    // form itself may still be hidden (its OnShow may pick the focus).
    const TCustomForm* form = GetParentForm(this);
    if (!form) return false;
    for (const TControl* c = this; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return !Buried();
}

bool TWinControl::Buried() const {
    for (const TControl* c = this; c->Parent(); c = c->Parent()) {
        const std::vector<TControl*>& siblings = c->Parent()->FControls;
        const TRect r = c->BoundsRect();
        for (auto it = std::find(siblings.begin(), siblings.end(), c); it != siblings.end(); ++it) {
            const TControl* s = *it;
            const TRect cover = s->BoundsRect();
            if (s != c && s->Visible() && s->FOpaque && dynamic_cast<const TWinControl*>(s) &&
                cover.Left <= r.Left && cover.Top <= r.Top && cover.Right >= r.Right &&
                cover.Bottom >= r.Bottom)
                return true;
        }
    }
    return false;
}

void TWinControl::SetFocus() {
    TCustomForm* form = GetParentForm(this);
    if (!form) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    form->FocusControl(this);
}

bool TWinControl::Focused() const {
    return Widget()->hasFocus();
}

void TWinControl::Realign() {
    if (FAlignLevel > 0 || FAligning) return;
    if (ComponentState().Contains(csDestroying)) return;
    FAligning = true;
    core::ScopeExit restore([&] { FAligning = false; });
    ui::AlignChildren(this);
}

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0 && --FAlignLevel == 0) Realign();
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(Word& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(String& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (TControl* c : FControls)
        c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    for (TControl* c : FControls)
        c->ParentColorChanged();
}

void TWinControl::SetCtl3D(bool v) {
    FParentCtl3D = false;
    if (v == FCtl3D) return;
    FCtl3D = v;
    Ctl3DChanged();
}

void TWinControl::SetParentCtl3D(bool v) {
    FParentCtl3D = v;
    if (v) ParentCtl3DChanged();
}

void TWinControl::ParentCtl3DChanged() {
    if (!FParentCtl3D || !Parent() || Parent()->FCtl3D == FCtl3D) return;
    FCtl3D = Parent()->FCtl3D;
    Ctl3DChanged();
}

void TWinControl::Ctl3DChanged() {
    Invalidate();
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->ParentCtl3DChanged();
}

void TWinControl::PaintWindow(TCanvas* DC) {
    if (!DC) return;
    TBitmap picture;
    ui::Snapshot(this, &picture);
    DC->Draw(0, 0, &picture);
}

void TWinControl::RecreateWnd() {
    FontChanged();
    ColorChanged();
}
