#include "platform/ui/TCustomForm.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/detail/EventBridge.h"
#include "platform/ui/detail/FramePainting.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/ShortCuts.h"
#include "platform/ui/VirtualKeys.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

// The form's window. The toolkit moves the focus on by itself in its own chain (an arrow key
// in a check box or a button, a focused widget going), which knows nothing of covered
// pages; the form moves it instead.
class FormWindow : public QWidget {
public:
    FormWindow() : QWidget(nullptr, Qt::Window) {}
    TCustomForm* Form = nullptr;

protected:
    bool focusNextPrevChild(bool next) override {
        if (Form) Form->PassFocusOn(next);
        return Form != nullptr;
    }
};

} // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner, ui::NewWidget<FormWindow>()) {
    static_cast<FormWindow*>(Widget())->Form = this;
    FClient = new QWidget(Widget());
    FClient->setAutoFillBackground(true);
    FVisible = false;
    FParentColor = false;
    FParentFont = false;
    SetOpaque(true);
    SetColor(clBtnFace);
    ApplyWindowFlags();
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            // A destructor must not throw; the form goes regardless.
        }
    }
    static_cast<FormWindow*>(Widget())->Form = nullptr;
    Screen->RemoveForm(this);
    Application->FormDestroyed(this);
    if (FMenu) FMenu->OnItemsChanged = nullptr;
}

void TCustomForm::AfterConstruction() {
    if (FCreated) return;
    FCreated = true;
    if (OnCreate) OnCreate(this);
}

Integer TCustomForm::FrameWidth() const {
    switch (FBorderStyle) {
    case bsNone:
        return 0;
    case bsSizeable:
    case bsSizeToolWin:
        return GetSystemMetrics(SM_CXFRAME);
    default:
        return GetSystemMetrics(SM_CXDLGFRAME);
    }
}

namespace {

Integer CaptionHeightOf(TFormBorderStyle s) {
    switch (s) {
    case bsNone:
        return 0;
    case bsToolWindow:
    case bsSizeToolWin:
        return GetSystemMetrics(SM_CYSMCAPTION);
    default:
        return GetSystemMetrics(SM_CYCAPTION);
    }
}

} // namespace

Integer TCustomForm::CaptionHeight() const {
    return CaptionHeightOf(FBorderStyle);
}

Integer TCustomForm::MenuHeight() const {
    return FMenuBar && FMenu ? GetSystemMetrics(SM_CYMENU) : 0;
}

TRect TCustomForm::ClientRect() const {
    const Integer f = FrameWidth();
    return Rect(0, 0, std::max(Width() - 2 * f, 0),
                std::max(Height() - 2 * f - CaptionHeight() - MenuHeight(), 0));
}

void TCustomForm::SetClientWidth(Integer v) {
    SetWidth(v + 2 * FrameWidth());
}

void TCustomForm::SetClientHeight(Integer v) {
    SetHeight(v + 2 * FrameWidth() + CaptionHeight() + MenuHeight());
}

TPoint TCustomForm::ClientOrigin() const {
    const QPoint p = FClient->mapToGlobal(QPoint(0, 0));
    return {p.x(), p.y()};
}

void TCustomForm::UpdateWidgetGeometry() {
    const TRect c = ClientRect();
    const Integer menu = MenuHeight();
    FSyncingSize = true;
    core::ScopeExit reset([this] { FSyncingSize = false; });
    // With its own frame the window is the whole form; otherwise the window
    // manager puts its frame around the menu bar and client area.
    const QPoint inside = FOwnFrame ? QPoint(FrameWidth(), FrameWidth() + CaptionHeight()) : QPoint(0, 0);
    const QSize size = FOwnFrame ? QSize(Width(), Height()) : QSize(c.Width(), c.Height() + menu);
    // Limits first: the toolkit clamps a resize to the limits in force.
    ApplyConstraints(size);
    Widget()->move(Left(), Top());
    Widget()->resize(size);
    if (FMenuBar) FMenuBar->setGeometry(inside.x(), inside.y(), c.Width(), menu);
    FClient->setGeometry(inside.x(), inside.y() + menu, c.Width(), c.Height());
}

void TCustomForm::ApplyConstraints(QSize inner) {
    // Constraints bound the outer size; the window manager sees the inner one.
    QWidget* w = Widget();
    if ((FBorderStyle != bsSizeable && FBorderStyle != bsSizeToolWin) || !FWindowCommands.Contains(wcSize)) {
        w->setFixedSize(inner);
        return;
    }
    const Integer dw = Width() - inner.width(), dh = Height() - inner.height();
    const TSizeConstraints* c = Constraints();
    w->setMinimumSize(std::max(c->MinWidth() - dw, 0), std::max(c->MinHeight() - dh, 0));
    w->setMaximumSize(c->MaxWidth() > 0 ? c->MaxWidth() - dw : QWIDGETSIZE_MAX,
                      c->MaxHeight() > 0 ? c->MaxHeight() - dh : QWIDGETSIZE_MAX);
}

TBorderIcons ShownBorderIcons(TFormBorderStyle Style, TBorderIcons Icons) {
    if (Style == bsNone || !Icons.Contains(biSystemMenu)) return {};
    TBorderIcons shown{biSystemMenu};
    switch (Style) {
    case bsToolWindow:
    case bsSizeToolWin:
        break;
    case bsDialog:
        if (Icons.Contains(biHelp)) shown.Include(biHelp);
        break;
    default:
        if (Icons.Contains(biMinimize)) shown.Include(biMinimize);
        if (Icons.Contains(biMaximize)) shown.Include(biMaximize);
        if (Icons.Contains(biHelp) && !Icons.Contains(biMinimize) && !Icons.Contains(biMaximize))
            shown.Include(biHelp);
        break;
    }
    return shown;
}

void TCustomForm::ApplyWindowFlags() {
    Qt::WindowFlags f = Qt::Window;
    switch (FBorderStyle) {
    case bsNone:
        f |= Qt::FramelessWindowHint;
        break;
    case bsDialog:
        f |= Qt::Dialog;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        f |= Qt::Tool;
        break;
    default:
        break;
    }
    if (FBorderStyle != bsNone) {
        const TBorderIcons shown = ShownBorderIcons(FBorderStyle, FBorderIcons);
        f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (shown.Contains(biSystemMenu)) f |= Qt::WindowSystemMenuHint;
        if (ShowsCloseBox()) f |= Qt::WindowCloseButtonHint;
        if (shown.Contains(biMinimize)) f |= Qt::WindowMinimizeButtonHint;
        if (shown.Contains(biMaximize)) f |= Qt::WindowMaximizeButtonHint;
        if (shown.Contains(biHelp)) f |= Qt::WindowContextHelpButtonHint;
    }
    if (FOwnFrame) f |= Qt::FramelessWindowHint;
    if (FFormStyle == fsStayOnTop) f |= Qt::WindowStaysOnTopHint;
    const bool shown = Widget()->isVisible();
    Widget()->setWindowFlags(f);
    if (shown) Widget()->show();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
    if (v == FBorderIcons) return;
    FBorderIcons = v;
    ApplyWindowFlags();
    Widget()->update();
}

void TCustomForm::SetWindowCommands(TWindowCommands v) {
    if (v == FWindowCommands) return;
    // Held where it is now, which may be where a person dragged it.
    if (FWindowCommands.Contains(wcMove) && !v.Contains(wcMove) && Widget()->isVisible()) {
        const QPoint at = Widget()->pos();
        SetBounds(at.x(), at.y(), Width(), Height());
    }
    const bool closeBox = ShowsCloseBox();
    FWindowCommands = v;
    FMovesUndone = 0;
    // New window flags show the window anew; only the close box needs them.
    if (ShowsCloseBox() != closeBox) ApplyWindowFlags();
    UpdateWidgetGeometry();
    Widget()->update();
}

bool TCustomForm::ShowsCloseBox() const {
    return FWindowCommands.Contains(wcClose) &&
           ShownBorderIcons(FBorderStyle, FBorderIcons).Contains(biSystemMenu);
}

void TCustomForm::WindowMoved() {
    const QPoint at = Widget()->pos();
    if (at == QPoint(Left(), Top())) {
        FMovesUndone = 0;
        return;
    }
    if (FSyncingSize || FWindowCommands.Contains(wcMove) || !Visible() || FMovesUndone >= 3) return;
    ++FMovesUndone;
    // After the window system has finished the move it is making.
    QTimer::singleShot(0, Widget(), [this] {
        if (!FWindowCommands.Contains(wcMove)) Widget()->move(Left(), Top());
    });
}

void TCustomForm::SetOwnFrame(bool v) {
    if (v == FOwnFrame) return;
    FOwnFrame = v;
    ApplyWindowFlags();
    UpdateWidgetGeometry();
    Widget()->update();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
    if (v == FBorderStyle) return;
    // The outer size stays; the client area follows the new frame.
    FBorderStyle = v;
    ApplyWindowFlags();
    UpdateWidgetGeometry();
    Realign();
}

void TCustomForm::SetFormStyle(TFormStyle v) {
    if (v == FFormStyle) return;
    FFormStyle = v;
    ApplyWindowFlags();
}

void TCustomForm::SetWindowState(TWindowState v) {
    FWindowState = v;
    if (Visible()) ShowInWindowState();
}

void TCustomForm::ShowInWindowState() {
    if (FWindowState == wsMinimized)
        Widget()->showMinimized();
    else if (FWindowState == wsMaximized)
        Widget()->showMaximized();
    else
        Widget()->showNormal();
}

void TCustomForm::TextChanged() {
    Widget()->setWindowTitle(ui::ToQt(Text()));
    if (FOwnFrame) Widget()->update();
}

void TCustomForm::SetMenu(TMainMenu* v) {
    if (v == FMenu) return;
    // The client height stays what the forms were laid out in.
    const Integer clientHeight = ClientHeight();
    if (FMenu) {
        FMenu->OnItemsChanged = nullptr;
        FMenu->RemoveFreeNotification(this);
    }
    FMenu = v;
    if (v) {
        v->FreeNotification(this);
        v->OnItemsChanged = [this] { RebuildMenuBar(); };
    }
    RebuildMenuBar();
    SetClientHeight(clientHeight);
    UpdateWidgetGeometry();
}

void TCustomForm::RebuildMenuBar() {
    if (!FMenu) {
        delete FMenuBar;
        FMenuBar = nullptr;
        return;
    }
    if (!FMenuBar) {
        FMenuBar = new QMenuBar(Widget());
        FMenuBar->show();
    }
    auto* bar = static_cast<QMenuBar*>(FMenuBar);
    bar->clear();
    TMenuItem* root = FMenu->Items();
    for (Integer i = 0; i < root->Count(); ++i)
        bar->addAction(root->Items(i)->Action());
}

void TCustomForm::SetActiveControl(TWinControl* v) {
    if (v && (v == this || GetParentForm(v) != this || !v->CanFocus()))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = v;
    // Chosen before the form shows (the OnShow handler counts as shown): where each showing starts.
    if (!Visible()) FStartControl = v;
    // Moving the focus runs the controls' exit and enter; once is enough.
    if (v && Widget()->isVisible() && !v->Widget()->hasFocus()) v->Widget()->setFocus(Qt::OtherFocusReason);
}

void TCustomForm::ControlLeaving(const TWinControl* Control) {
    if (FActiveControl && Control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
    if (FStartControl && Control->ContainsControl(FStartControl)) FStartControl = nullptr;
}

void TCustomForm::FocusOutOfBuried(TControl* Raised) {
    if (!Visible() || (FActiveControl && FActiveControl->CanFocus())) return;
    auto* container = dynamic_cast<TWinControl*>(Raised);
    TWinControl* next = container ? container->FindNextControl(nullptr, true, true, false) : nullptr;
    HandFocusTo(next ? next : FindNextControl(nullptr, true, true, false), true);
}

void TCustomForm::FocusOutOf(const TControl* Control) {
    const auto* container = dynamic_cast<const TWinControl*>(Control);
    if (container && container != this && Visible() && container->ContainsControl(FocusHolder()))
        PassFocusOn(true);
}

void TCustomForm::PassFocusOn(bool GoForward) {
    HandFocusTo(FindNextControl(FocusHolder(), GoForward, true, false), GoForward);
}

TWinControl* TCustomForm::FocusHolder() const {
    for (TControl* c = TControl::FromWidget(Widget()->focusWidget()); c && c != this; c = c->Parent())
        if (auto* w = dynamic_cast<TWinControl*>(c)) return w;
    return FActiveControl;
}

void TCustomForm::HandFocusTo(TWinControl* Next, bool GoForward) {
    FActiveControl = Next;
    // Not through SetFocus: a window behind a modal one must not come forward.
    if (!Next)
        FocusTheWindow();
    else if (Widget()->isVisible())
        Next->Widget()->setFocus(GoForward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void TCustomForm::FocusTheWindow() {
    // The window itself holds the focus, so the toolkit picks no control of its own
    // (one a front area covers) when the window becomes active; the form gets the keys.
    Widget()->setFocus(Qt::OtherFocusReason);
}

void TCustomForm::FocusControl(TWinControl* Control) {
    SetActiveControl(Control);
    SetFocus();
}

void TCustomForm::SetFocus() {
    if (!Visible() || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    if (Widget()->isVisible()) Widget()->activateWindow();
}

bool TCustomForm::Active() const {
    return Screen->ActiveForm() == this;
}

void TCustomForm::PlaceOnScreen() {
    Integer left = Left(), top = Top();
    auto centreOn = [&](TRect area) {
        left = area.Left + (area.Width() - Width()) / 2;
        top = area.Top + (area.Height() - Height()) / 2;
    };
    switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
        centreOn(Rect(0, 0, Screen->Width(), Screen->Height()));
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* other = FPosition == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
        if (!other) other = Application->MainForm();
        if (other && other != this)
            centreOn(other->BoundsRect());
        else
            centreOn(Rect(0, 0, Screen->Width(), Screen->Height()));
        break;
    }
    default:
        return;
    }
    SetBounds(std::max(left, 0), std::max(top, 0), Width(), Height());
}

void TCustomForm::SetVisible(bool v) {
    if (v == Visible()) return;
    if (v) {
        PlaceOnScreen();
        // Each showing starts afresh; until then the control last focused stays the
        // active one, for callers that ask after the close which one it was.
        FActiveControl = FStartControl;
        // OnShow fires with Visible set, before the window appears: handlers that pick the
        // focus or size controls rely on the form counting as shown.
        FVisible = true;
        if (OnShow) {
            const core::ScopeFail hidden([this] { FVisible = false; });
            OnShow(this);
        }
        UpdateWidgetGeometry();
        Widget()->setAttribute(Qt::WA_ShowWithoutActivating, !FActivateOnShow);
        // A form made maximized or minimized before it showed appears so.
        ShowInWindowState();
        RaiseWindow();
        if (!FActivateOnShow) return;
        Widget()->activateWindow();
        Screen->SetActiveForm(this);
        if (FActiveControl && FActiveControl->CanFocus())
            FActiveControl->SetFocus();
        else if (TWinControl* first = FindNextControl(nullptr, true, true, false))
            first->SetFocus();
        else
            FocusTheWindow();
    } else {
        FVisible = false;
        SetMouseCapture(false);
        Widget()->hide();
        if (OnHide) OnHide(this);
        Screen->FormHidden(this);
    }
}

void TCustomForm::RaiseWindow() {
    // The off-screen platform used by tests has no stacking of windows.
    if (QGuiApplication::platformName() != "offscreen") Widget()->raise();
}

void TCustomForm::Show() {
    const bool wasShown = Visible();
    SetVisible(true);
    RaiseWindow();
    if (!FActivateOnShow) return;
    // A window shown again comes to the front with the keyboard: what the user types next
    // goes to the control they left in it.
    if (wasShown && Widget()->isVisible()) Widget()->activateWindow();
    Screen->SetActiveForm(this);
}

void TCustomForm::SetModalResult(TModalResult v) {
    FModalResult = v;
    // Wake the modal loop if it is waiting for events.
    if (FModal && v != mrNone) QTimer::singleShot(0, Widget(), [] {});
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || FModal) throw EInvalidOperation("Cannot make a visible window modal");
    FModal = true;
    FModalResult = mrNone;
    Widget()->setWindowModality(Qt::ApplicationModal);
    // The form leaves its modal state on every way out, even when hiding it raises.
    const core::ScopeExit modeless([this] {
        FModal = false;
        Widget()->setWindowModality(Qt::NonModal);
    });
    {
        const core::ScopeFail hide([this] { Hide(); });
        Show();
        while (FModalResult == mrNone) {
            Application->HandleMessage();
            if (Application->Terminated())
                FModalResult = mrCancel;
            else if (FModalResult != mrNone)
                CloseModal();
        }
    }
    const TModalResult result = FModalResult;
    Hide();
    return result;
}

void TCustomForm::CloseModal() {
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        FModalResult = mrNone;
    else if (action == caFree)
        Release();
}

void TCustomForm::Close() {
    if (FModal) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else if (action == caHide)
        Hide();
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
    if (OnClose) OnClose(this, Action);
}

void TCustomForm::Release() {
    QTimer::singleShot(0, Widget(), [this] { delete this; });
}

void TCustomForm::Activate() {
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

bool TCustomForm::IsShortCut(Word Key, TShiftState Shift, TControl* Control) {
    const TShortCut sc = ShortCut(Key, Shift);
    if (FMenu && FMenu->IsShortCut(sc)) return true;
    for (TControl* c = Control; c; c = c->Parent())
        if (c->PopupMenu() && c->PopupMenu()->IsShortCut(sc)) return true;
    return false;
}

bool TCustomForm::OfferDialogKey(Word Key, TShiftState Shift, TWinControl* Control) {
    if (Key == VK_TAB) {
        if (Shift.Contains(ssCtrl) || Shift.Contains(ssAlt)) return false;
        SelectNext(Control, !Shift.Contains(ssShift), true);
        return true;
    }
    if (!Shift.Empty()) return false;
    std::vector<TWinControl*> all;
    GetTabOrderList(all);
    for (TWinControl* c : all)
        if (c->DialogKey(Key)) return true;
    return false;
}

namespace {

bool OfferDialogChar(TWinControl* parent, Word Key) {
    for (Integer i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (!c->Visible() || !c->Enabled()) continue;
        if (c->DialogChar(Key)) return true;
        if (auto* w = dynamic_cast<TWinControl*>(c); w && OfferDialogChar(w, Key)) return true;
    }
    return false;
}

} // namespace

bool TCustomForm::DialogChar(Word Key) {
    return OfferDialogChar(this, Key);
}

bool TCustomForm::FrameMouseEvent(QEvent* Event) {
    auto* e = static_cast<QMouseEvent*>(Event);
    const QPoint at = e->position().toPoint();
    const QPoint p = at - FClient->pos();
    const bool onCloseBox =
        CaptionHeight() > 0 && ShowsCloseBox() &&
        ui::CloseBoxRect(ui::CaptionBarRect(Width(), FrameWidth(), CaptionHeight())).contains(at);
    const bool left = e->button() == Qt::LeftButton;
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The close box closes on the release over it, as a button does.
        if (left && onCloseBox) {
            FCloseBoxDown = true;
            return true;
        }
        MouseDown(ui::MouseButtonOf(e), ui::MouseShiftOf(e, Event->type() == QEvent::MouseButtonDblClick),
                  p.x(), p.y());
        return true;
    case QEvent::MouseButtonRelease:
        if (left && FCloseBoxDown) {
            FCloseBoxDown = false;
            if (onCloseBox) Close();
            return true;
        }
        MouseUp(ui::MouseButtonOf(e), ui::MouseShiftOf(e), p.x(), p.y());
        return true;
    case QEvent::MouseMove:
        MouseMove(ui::MouseShiftOf(e), p.x(), p.y());
        return true;
    default:
        return false;
    }
}

bool TCustomForm::WidgetEvent(QEvent* Event) {
    switch (Event->type()) {
    case QEvent::Paint: {
        if (!FOwnFrame) return false;
        QPainter painter(Widget());
        ui::PaintWindowFrame(painter, *this, FrameWidth(), CaptionHeight());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return FOwnFrame && Widget()->isEnabled() && FrameMouseEvent(Event);
    case QEvent::Close:
        // Only the window system closes the window; the form decides what happens.
        Event->ignore();
        if (FWindowCommands.Contains(wcClose)) Close();
        return true;
    case QEvent::Move:
        WindowMoved();
        return false;
    case QEvent::Resize: {
        if (FSyncingSize) return false;
        const QSize s = Widget()->size();
        const Integer f = FrameWidth();
        if (FOwnFrame)
            SetBounds(Left(), Top(), s.width(), s.height());
        else
            SetBounds(Left(), Top(), s.width() + 2 * f, s.height() + 2 * f + CaptionHeight());
        return false;
    }
    case QEvent::WindowActivate: {
        // The window system reports activations late; one that a modal form
        // or a hidden window makes stale is ignored.
        if (!Visible()) return false;
        for (Integer i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* f = Screen->Forms(i);
            if (f != this && f->Modal() && f->Visible()) return false;
        }
        Screen->SetActiveForm(this);
        return false;
    }
    default:
        return false;
    }
}
