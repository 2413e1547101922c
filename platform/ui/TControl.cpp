#include "platform/ui/TControl.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/detail/EventBridge.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TCustomAction.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TWinControl.h"

#include <QGuiApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace {
const char* const ControlProperty = "velmora.control";
}

TControl::TControl(TComponent* AOwner, QWidget* AWidget)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()),
      FConstraints(std::make_unique<TSizeConstraints>()) {
    ui::EnsureWidgetApplication();
    FWidget = AWidget ? AWidget : new QWidget;
    FWidget->setProperty(ControlProperty, QVariant::fromValue<void*>(this));
    FBridge = new ui::EventBridge(this);
    FBridge->setParent(FWidget);
    FWidget->installEventFilter(FBridge);
    FWidget->setFont(ui::ToQFont(FFont.get()));
    FFont->OnChange = [this](TObject*) { OwnFontChanged(); };
    FConstraints->OnChange = [this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); };
}

TControl::~TControl() {
    SetMouseCapture(false);
    if (FParent) FParent->RemoveControl(this);
    FFont->OnChange = nullptr;
    FConstraints->OnChange = nullptr;
    if (FWidget) {
        FWidget->removeEventFilter(FBridge);
        FWidget->setProperty(ControlProperty, QVariant());
        delete FWidget;
    }
}

TControl* TControl::FromWidget(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        const QVariant v = w->property(ControlProperty);
        if (v.isValid()) return static_cast<TControl*>(v.value<void*>());
    }
    return nullptr;
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == FParent) return;
    for (TControl* p = AParent; p; p = p->FParent)
        if (p == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent) FParent->RemoveControl(this);
    if (AParent) AParent->InsertControl(this);
}

void TControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
    FConstraints->Constrain(AWidth, AHeight);
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    const bool moved = ALeft != FLeft || ATop != FTop;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    UpdateWidgetGeometry();
    UpdateAnchorRules();
    // An aligned control's own size decides how much its siblings get.
    if (FParent && FAlign != alNone) FParent->Realign();
    if (FParent) FParent->ControlBoundsChanged(this);
    if (resized) {
        if (auto* w = dynamic_cast<TWinControl*>(this)) w->Realign();
        Resize();
    }
    if (moved) Moved();
}

void TControl::PlaceBy(const TRect& r) {
    Integer w = std::max(r.Width(), 0), h = std::max(r.Height(), 0);
    FConstraints->Constrain(w, h);
    if (r.Left == FLeft && r.Top == FTop && w == FWidth && h == FHeight) return;
    const bool resized = w != FWidth || h != FHeight;
    const bool moved = r.Left != FLeft || r.Top != FTop;
    FLeft = r.Left;
    FTop = r.Top;
    FWidth = w;
    FHeight = h;
    UpdateWidgetGeometry();
    if (FParent) FParent->ControlBoundsChanged(this);
    if (resized) {
        if (auto* wc = dynamic_cast<TWinControl*>(this)) wc->Realign();
        Resize();
    }
    if (moved) Moved();
}

void TControl::UpdateWidgetGeometry() {
    if (!FWidget || !FParent) return;
    const TPoint off = FParent->ClientOffset();
    FWidget->setGeometry(FLeft + off.X, FTop + off.Y, FWidth, FHeight);
}

void TControl::UpdateAnchorRules() {
    if (!FParent) return;
    const bool l = FAnchors.Contains(akLeft), r = FAnchors.Contains(akRight);
    const bool t = FAnchors.Contains(akTop), b = FAnchors.Contains(akBottom);
    FAnchorRules.X = l ? (r ? FWidth : FLeft) : (r ? FLeft : FLeft + FWidth / 2);
    FAnchorRules.Y = t ? (b ? FHeight : FTop) : (b ? FTop : FTop + FHeight / 2);
    FOriginalParentSize = {FParent->ClientWidth(), FParent->ClientHeight()};
}

TPoint TControl::ClientOrigin() const {
    const QPoint p = FWidget->mapToGlobal(QPoint(0, 0));
    return {p.x(), p.y()};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign v) {
    if (v == FAlign) return;
    FAlign = v;
    if (FParent) FParent->Realign();
    UpdateAnchorRules();
}

void TControl::SetAnchors(TAnchors v) {
    FAnchors = v;
    UpdateAnchorRules();
}

void TControl::SetVisible(bool v) {
    if (v == FVisible) return;
    FVisible = v;
    if (!v) SetMouseCapture(false);
    if (FParent) {
        // The focus goes on before the toolkit moves it in its own chain.
        if (TCustomForm* form = GetParentForm(this); form && !v) form->FocusOutOf(this);
        FWidget->setVisible(v);
        FParent->Realign();
    }
}

bool TControl::ShowsEnabled() const {
    return FWidget->isEnabled();
}

bool TControl::Showing() const {
    if (!FVisible) return false;
    return FParent ? FParent->Showing() : FWidget->isVisible();
}

void TControl::SetEnabled(bool v) {
    if (v == FEnabled) return;
    FEnabled = v;
    // The focus goes on before the toolkit drops it.
    if (TCustomForm* form = GetParentForm(this); form && !v) form->FocusOutOf(this);
    FWidget->setEnabled(v);
    EnabledChanged();
    Invalidate();
}

void TControl::SetText(const String& v) {
    if (v == FText) return;
    FText = v;
    TextChanged();
    Invalidate();
}

void TControl::SetColor(TColor v) {
    FParentColor = false;
    if (v == FColor) return;
    FColor = v;
    ColorChanged();
}

void TControl::SetParentColor(bool v) {
    FParentColor = v;
    if (v) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!FParentColor || !FParent || FParent->FColor == FColor) return;
    FColor = FParent->FColor;
    ColorChanged();
}

void TControl::SetOpaque(bool v) {
    FOpaque = v;
    FWidget->setAutoFillBackground(v);
    ColorChanged();
}

void TControl::ColorChanged() {
    if (FOpaque) {
        QPalette pal = FWidget->palette();
        pal.setColor(QPalette::Window, ui::ToQColor(FColor));
        FWidget->setPalette(pal);
    }
    Invalidate();
}

void TControl::SetFont(TFont* v) {
    FFont->Assign(v);
}

void TControl::SetParentFont(bool v) {
    FParentFont = v;
    if (v) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    FFontFromParent = true;
    core::ScopeExit reset([this] { FFontFromParent = false; });
    FFont->Assign(FParent->FFont.get());
}

void TControl::OwnFontChanged() {
    if (!FFontFromParent) FParentFont = false;
    FontChanged();
}

void TControl::FontChanged() {
    FWidget->setFont(ui::ToQFont(FFont.get()));
    QPalette pal = FWidget->palette();
    const QColor c = ui::ToQColor(FFont->Color());
    // The disabled group keeps the grey of disabled text, followed from the parent.
    for (auto group : {QPalette::Active, QPalette::Inactive})
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            pal.setColor(group, role, c);
    FWidget->setPalette(pal);
    Invalidate();
}

void TControl::SetHint(const String& v) {
    FHint = v;
    ApplyHint();
}

void TControl::SetShowHint(bool v) {
    FShowHint = v;
    FParentShowHint = false;
    ApplyHint();
}

void TControl::SetParentShowHint(bool v) {
    FParentShowHint = v;
    ApplyHint();
}

void TControl::ApplyHint() {
    bool show = FShowHint;
    if (FParentShowHint)
        for (const TControl* p = FParent; p; p = p->FParent)
            if (!p->FParentShowHint) {
                show = p->FShowHint;
                break;
            }
    FWidget->setToolTip(show ? ui::ToQt(GetShortHint(FHint)) : QString());
}

void TControl::SetCursor(TCursor v) {
    FCursor = v;
    if (v == crDefault)
        FWidget->unsetCursor();
    else
        FWidget->setCursor(ui::ToQCursor(v));
}

void TControl::SetPopupMenu(TPopupMenu* v) {
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = v;
    if (v) v->FreeNotification(this);
}

bool TControl::ContextPopup(TPoint ScreenPos, bool) {
    TPopupMenu* menu = FPopupMenu;
    if (!menu || !menu->AutoPopup()) return false;
    menu->SetPopupComponent(this);
    menu->Popup(ScreenPos.X, ScreenPos.Y);
    return true;
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
    if (Operation == opRemove && AComponent && AComponent == Action()) SetAction(nullptr);
}

void TControl::SetAction(TBasicAction* Value) {
    if (Value == Action()) return;
    if (TBasicAction* old = Action()) old->RemoveFreeNotification(this);
    if (!Value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink) {
        FActionLink.reset(GetActionLinkClass()(this));
        FActionLink->OnChange = [this](TObject* Sender) {
            if (Sender && Sender == Action()) ActionChange(Sender, false);
        };
    }
    FActionLink->SetAction(Value);
    ActionChange(Value, ComponentState().Contains(csLoading));
    Value->FreeNotification(this);
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
    const auto* action = dynamic_cast<const TCustomAction*>(Sender);
    if (!action) return;
    if (!CheckDefaults || Caption().empty()) SetCaption(action->Caption());
    if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
    if (!CheckDefaults || Hint().empty()) SetHint(action->Hint());
    if (!CheckDefaults || Visible()) SetVisible(action->Visible());
}

void TControl::BringToFront() {
    if (!FParent) {
        FWidget->raise();
        return;
    }
    auto& list = FParent->FControls;
    std::erase(list, this);
    list.push_back(this);
    FWidget->raise();
    if (TCustomForm* form = GetParentForm(this)) form->FocusOutOfBuried(this);
}

void TControl::SendToBack() {
    if (!FParent) {
        FWidget->lower();
        return;
    }
    auto& list = FParent->FControls;
    std::erase(list, this);
    list.insert(list.begin(), this);
    FWidget->lower();
}

namespace {

// The off-screen platform used by tests cannot grab the mouse; the capture is
// only recorded there.
bool CanGrabMouse() {
    return QGuiApplication::platformName() != "offscreen";
}

QWidget*& RecordedCapture() {
    static QWidget* widget = nullptr;
    return widget;
}

} // namespace

void TControl::SetMouseCapture(bool v) {
    if (v) {
        RecordedCapture() = FWidget;
        if (CanGrabMouse()) FWidget->grabMouse();
        return;
    }
    if (!FWidget) return;
    if (RecordedCapture() == FWidget) RecordedCapture() = nullptr;
    if (QWidget::mouseGrabber() == FWidget) FWidget->releaseMouse();
}

bool TControl::MouseCapture() const {
    return CanGrabMouse() ? QWidget::mouseGrabber() == FWidget : RecordedCapture() == FWidget;
}

void TControl::Invalidate() {
    FWidget->update();
}
void TControl::Repaint() {
    FWidget->repaint();
}
void TControl::Update() {
    FWidget->repaint();
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
    else if (FActionLink)
        FActionLink->Execute(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, Integer X, Integer Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

TCustomForm* GetParentForm(const TControl* Control) {
    if (!Control) return nullptr;
    while (Control->Parent())
        Control = Control->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(Control));
}

String GetShortHint(const String& Hint) {
    const auto p = Hint.find('|');
    return p == String::npos ? Hint : Hint.substr(0, p);
}

String GetLongHint(const String& Hint) {
    const auto p = Hint.find('|');
    return p == String::npos ? Hint : Hint.substr(p + 1);
}
