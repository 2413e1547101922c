#pragma once
// Window placement of the UTL utilities: centring forms and windows on the
// screen or over one another, placing a window in a rectangle, the target
// rectangle of dialog placement, a modal show, a wait that keeps messages
// flowing, activating a previous instance, and the outline animation of a
// form. The screen's size and work area come from UtlScreenMetrics, which
// tests replace with a fixed screen.
#include "platform/core/ScopeExit.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/TCustomForm.h"

#include <vector>

enum TUtlDlgPosition {
    bpCustom,
    bpTopLeft,
    bpTopCenter,
    bpTopRight,
    bpCenterLeft,
    bpCenter,
    bpCenterRight,
    bpBottomLeft,
    bpBottomCenter,
    bpBottomRight
};
enum TUtlDlgPosRel { brScreen, brScreenWorkArea, brMainForm, brActiveWindow };

struct TUtlScreenMetrics {
    Integer Width = 0;
    Integer Height = 0;
    TRect WorkArea;
};

// The screen the placement routines use: the fixed one when set, else the real one.
TUtlScreenMetrics UtlScreenMetrics();
// Null puts the real screen back. The metrics are not copied: keep them alive while set.
void UtlSetScreenMetrics(const TUtlScreenMetrics* Fixed);

// True when Parent is Control or one of its ancestors; false for no control.
bool UtlIsChild(const TControl* Control, const TControl* Parent);
// When the services object reports a previous instance, asks that copy over
// its lock's side channel to bring its main form forward; answers whether it did.
bool UtlActivatePrevInstance();
// Processes messages for Ms milliseconds (sleeping between), or until the
// application terminates; 0 returns at once.
void UtlWait(Cardinal Ms);
// Centres Child over Parent (kept on the screen); with ShowModal shows it
// modally and answers the modal result, else 0.
Integer UtlCenterChild(TCustomForm* Parent, TCustomForm* Child, bool ShowModal);
void UtlCenterForm(TCustomForm* Form);
// Windows: a form in screen coordinates, any other control in its parent's.
void UtlCenterChildWindow(TControl* Parent, TControl* Child, bool Flag);
void UtlCenterWindow(TControl* Window, bool UpperThird);
void UtlPositionWindow(TControl* Window, const TRect& R, TUtlDlgPosition Position, bool Flag);
TRect UtlDlgGetTargetRect(TUtlDlgPosRel Relation);
// Creates a T owned by Owner, shows it modally, frees it, answers its modal result.
template <class T> Integer UtlShowModal(TComponent* Owner) {
    T* form = new T(Owner);
    core::ScopeExit release([form] { delete form; });
    return Integer(form->ShowModal());
}
// The outline of the form growing from (X, Y) (the cursor when X < 0) in Steps
// steps (below 4: 40), Delay milliseconds apart (below 1: 1).
void UtlExplodeFormExt(TCustomForm* Form, Integer X, Integer Y, Integer Delay, Integer Steps);
void UtlExplodeForm(TCustomForm* Form);
// Two phases: towards a MinWidth × MinHeight band at the form's centre (shown
// with ShowFirst), then out to the whole form.
void UtlExplodeFormExt2(TCustomForm* Form, Integer X, Integer Y, bool ShowFirst, Integer Delay,
                        Integer MinHeight, Integer MinWidth, Integer Steps);
void UtlExplodeForm2(TCustomForm* Form);

namespace utl {

// Brings the application's main form forward: restored when minimised, raised
// and activated (a modal form in front of it is activated instead). False
// when there is no main form or it is hidden.
bool ActivateMainForm();

// The placement arithmetic, on a screen of the given size.
TPoint CenterChildPos(const TRect& Parent, TSize Child, TSize Screen);
TPoint CenterScreenPos(TSize Window, TSize Screen, bool UpperThird);
TPoint PositionPos(const TRect& R, TSize Window, TUtlDlgPosition Position, TSize Screen);
// The outlines of the animation: n rectangles from (X, Y) to Form.
std::vector<TRect> ExplodeFrames(const TRect& Form, TPoint Start, Integer Steps);
std::vector<TRect> ExplodeFrames2(const TRect& Form, TPoint Start, bool ShowFirst, Integer MinHeight,
                                  Integer MinWidth, Integer Steps);

} // namespace utl
