#include "controls/services/UtlWindows.h"

#include "controls/services/TUtlApplication.h"
#include "platform/os/InstanceChannel.h"
#include "platform/os/TickCount.h"
#include "platform/ui/ScreenCapture.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"

#include <algorithm>

namespace {

const TUtlScreenMetrics* FixedScreen = nullptr;

TSize ScreenSize() {
    const TUtlScreenMetrics m = UtlScreenMetrics();
    return TSize(m.Width, m.Height);
}

// Screen rectangle of a window: a form's bounds, a child's bounds moved by its parent's origin.
TRect WindowRect(const TControl* c) {
    if (!c->Parent()) return c->BoundsRect();
    const TPoint o = c->Parent()->ClientToScreen(TPoint(c->Left(), c->Top()));
    return Bounds(o.X, o.Y, c->Width(), c->Height());
}

// Moves a window to a screen position without sizing it.
void MoveWindowTo(TControl* c, TPoint screen) {
    const TPoint p = c->Parent() ? c->Parent()->ScreenToClient(screen) : screen;
    c->SetBounds(p.X, p.Y, c->Width(), c->Height());
}

Integer Clamp(Integer at, Integer size, Integer screen) {
    if (at + size > screen) at = screen - size;
    return std::max<Integer>(at, 0);
}

Integer ExplodeDelay() {
    return UtlApplication ? UtlApplication->ExplodeDelay() : 3;
}

} // namespace

TUtlScreenMetrics UtlScreenMetrics() {
    if (FixedScreen) return *FixedScreen;
    if (!Screen) return {1024, 768, TRect(0, 0, 1024, 768)};
    return {Screen->Width(), Screen->Height(), Screen->WorkAreaRect()};
}

void UtlSetScreenMetrics(const TUtlScreenMetrics* Fixed) {
    FixedScreen = Fixed;
}

bool UtlIsChild(const TControl* Control, const TControl* Parent) {
    for (const TControl* c = Control; c; c = c->Parent())
        if (c == Parent) return true;
    return false;
}

bool UtlActivatePrevInstance() {
    if (!UtlApplication || !UtlApplication->PrevInstance()) return false;
    return AskInstanceToActivate(UtlApplication->InstanceName());
}

void UtlWait(Cardinal Ms) {
    if (Ms == 0) return;
    const Int64 end = GetTickCount64() + Ms;
    while (!(Application && Application->Terminated()) && GetTickCount64() < end) {
        if (Application) Application->ProcessMessages();
        Sleep(1);
    }
}

namespace utl {

bool ActivateMainForm() {
    TCustomForm* form = Application ? Application->MainForm() : nullptr;
    if (!form || !form->Visible()) return false;
    if (form->WindowState() == wsMinimized) form->SetWindowState(wsNormal);
    form->BringToFront();
    TCustomForm* active = form->Enabled() ? form : Screen->ActiveForm();
    if (active && active->Visible() && active->Enabled()) active->SetFocus();
    return true;
}

TPoint CenterChildPos(const TRect& Parent, TSize Child, TSize Screen) {
    return TPoint(Clamp(Parent.Left + (Parent.Width() - Child.cx) / 2, Child.cx, Screen.cx),
                  Clamp(Parent.Top + (Parent.Height() - Child.cy) / 2, Child.cy, Screen.cy));
}

TPoint CenterScreenPos(TSize Window, TSize Screen, bool UpperThird) {
    return TPoint(Clamp((Screen.cx - Window.cx) / 2, Window.cx, Screen.cx),
                  Clamp((Screen.cy - Window.cy) / (UpperThird ? 3 : 2), Window.cy, Screen.cy));
}

TPoint PositionPos(const TRect& R, TSize Window, TUtlDlgPosition Position, TSize Screen) {
    Integer column = 0, row = 0;
    if (Position != bpCustom) {
        column = (Integer(Position) - 1) % 3;
        row = (Integer(Position) - 1) / 3;
    }
    const Integer x = column == 0   ? R.Left
                      : column == 1 ? R.Left + (R.Width() - Window.cx) / 2
                                    : R.Right - Window.cx;
    const Integer y = row == 0   ? R.Top
                      : row == 1 ? R.Top + (R.Height() - Window.cy) / 2
                                 : R.Bottom - Window.cy;
    return TPoint(Clamp(x, Window.cx, Screen.cx), Clamp(y, Window.cy, Screen.cy));
}

namespace {

// n rectangles from `from` to `to`, the increments in floating point.
void Interpolate(std::vector<TRect>& out, const TRect& from, const TRect& to, Integer n) {
    const double dl = double(to.Left - from.Left) / n, dt = double(to.Top - from.Top) / n,
                 dw = double(to.Width() - from.Width()) / n, dh = double(to.Height() - from.Height()) / n;
    for (Integer i = 1; i <= n; ++i) {
        const Integer l = Integer(from.Left + i * dl), t = Integer(from.Top + i * dt);
        out.push_back(Bounds(l, t, Integer(from.Width() + i * dw), Integer(from.Height() + i * dh)));
    }
}

} // namespace

std::vector<TRect> ExplodeFrames(const TRect& Form, TPoint Start, Integer Steps) {
    std::vector<TRect> frames;
    Interpolate(frames, TRect(Start.X, Start.Y, Start.X, Start.Y), Form, Steps < 4 ? 40 : Steps);
    return frames;
}

std::vector<TRect> ExplodeFrames2(const TRect& Form, TPoint Start, bool ShowFirst, Integer MinHeight,
                                  Integer MinWidth, Integer Steps) {
    const Integer n = Steps < 4 ? 40 : Steps;
    const Integer cx = Form.Left + Form.Width() / 2, cy = Form.Top + Form.Height() / 2;
    const TRect band = Bounds(cx - MinWidth / 2, cy - MinHeight / 2, MinWidth, MinHeight);
    std::vector<TRect> frames;
    if (ShowFirst) Interpolate(frames, TRect(Start.X, Start.Y, Start.X, Start.Y), band, n);
    Interpolate(frames, band, Form, n);
    return frames;
}

} // namespace utl

Integer UtlCenterChild(TCustomForm* Parent, TCustomForm* Child, bool ShowModal) {
    if (!Parent || !Child) return 0;
    Child->SetPosition(poDefault);
    const TPoint p =
        utl::CenterChildPos(Parent->BoundsRect(), TSize(Child->Width(), Child->Height()), ScreenSize());
    Child->SetBounds(p.X, p.Y, Child->Width(), Child->Height());
    return ShowModal ? Integer(Child->ShowModal()) : 0;
}

void UtlCenterForm(TCustomForm* Form) {
    if (!Form) return;
    const TSize screen = ScreenSize();
    Form->SetBounds((screen.cx - Form->Width()) / 2, (screen.cy - Form->Height()) / 2, Form->Width(),
                    Form->Height());
}

void UtlCenterChildWindow(TControl* Parent, TControl* Child, bool) {
    if (!Parent || !Child) return;
    MoveWindowTo(
        Child, utl::CenterChildPos(WindowRect(Parent), TSize(Child->Width(), Child->Height()), ScreenSize()));
}

void UtlCenterWindow(TControl* Window, bool UpperThird) {
    if (Window)
        MoveWindowTo(
            Window, utl::CenterScreenPos(TSize(Window->Width(), Window->Height()), ScreenSize(), UpperThird));
}

void UtlPositionWindow(TControl* Window, const TRect& R, TUtlDlgPosition Position, bool) {
    if (Window)
        MoveWindowTo(Window,
                     utl::PositionPos(R, TSize(Window->Width(), Window->Height()), Position, ScreenSize()));
}

TRect UtlDlgGetTargetRect(TUtlDlgPosRel Relation) {
    const TUtlScreenMetrics m = UtlScreenMetrics();
    if (Relation == brScreenWorkArea) return m.WorkArea;
    if (Relation == brMainForm && Application && Application->MainForm())
        return Application->MainForm()->BoundsRect();
    if (Relation == brActiveWindow && Screen && Screen->ActiveForm())
        return Screen->ActiveForm()->BoundsRect();
    return TRect(0, 0, m.Width, m.Height);
}

void UtlExplodeFormExt(TCustomForm* Form, Integer X, Integer Y, Integer Delay, Integer Steps) {
    if (!Form) return;
    const TPoint start = X < 0 ? ui::GetCursorPos() : TPoint(X, Y);
    ui::AnimateScreenOutlines(utl::ExplodeFrames(Form->BoundsRect(), start, Steps),
                              Cardinal(std::max(Delay, 1)));
}

void UtlExplodeForm(TCustomForm* Form) {
    UtlExplodeFormExt(Form, -1, 0, ExplodeDelay(), 40);
}

void UtlExplodeFormExt2(TCustomForm* Form, Integer X, Integer Y, bool ShowFirst, Integer Delay,
                        Integer MinHeight, Integer MinWidth, Integer Steps) {
    if (!Form) return;
    const TPoint start = X < 0 ? ui::GetCursorPos() : TPoint(X, Y);
    ui::AnimateScreenOutlines(
        utl::ExplodeFrames2(Form->BoundsRect(), start, ShowFirst, MinHeight, MinWidth, Steps),
        Cardinal(std::max(Delay, 1)));
}

void UtlExplodeForm2(TCustomForm* Form) {
    UtlExplodeFormExt2(Form, -1, 0, true, ExplodeDelay(), 10, 20, 40);
}
