#pragma once
// Synthetic mouse and key input for tests: the events take the same road as
// real ones (widget, event dispatch, key routing).
#include "platform/graphics/TRect.h"
#include "platform/ui/UiTypes.h"

#include <vector>

class TControl;
class TWinControl;

namespace ui {

// A press and a release at (X, Y) in the control's client coordinates.
void SimulateClick(TControl* Control, Integer X, Integer Y, TMouseButton Button = mbLeft,
                   TShiftState Shift = {});
// Press, release, double-click, release, as the window system sends them.
void SimulateDblClick(TControl* Control, Integer X, Integer Y);
void SimulateMouseMove(TControl* Control, Integer X, Integer Y);
// A left press at From, moves in steps of a few pixels to To with the button
// held, and the release there (client coordinates), sent to the widget under
// From, as a person drags.
void SimulateDrag(TControl* Control, TPoint From, TPoint To);
// Button pressed at From, the pointer moved with it held in steps of a few pixels to To (not
// at all when To is From) and the button released there, in Control's client coordinates,
// given to Control's window as the window system gives them: the window hands each to the
// widget under the pointer, the moves and the release to the one pressed, and asks that one
// for its context menu where this platform does (after a right press).
void SimulateWindowMouse(TControl* Control, TPoint From, TPoint To, TMouseButton Button);
void SimulateMouseEnter(TControl* Control);
void SimulateMouseLeave(TControl* Control);
// Focuses Control's window and control, then sends the key (with Text as the
// typed character, if any) to the focused widget.
void SimulateKey(TWinControl* Control, Word Key, TShiftState Shift = {}, const String& Text = {});
// A vertical wheel turned at (X, Y) in Control's client coordinates by Delta
// (120 a notch; negative: towards the user), sent to the widget there.
void SimulateWheel(TControl* Control, Integer X, Integer Y, Integer Delta);
// The hint request the window system sends after the pointer rested on the
// middle of Control: its hint shows as a tooltip.
void SimulateHover(TControl* Control);
// The same with the pointer resting at (X, Y) in Control's client coordinates.
void SimulateHover(TControl* Control, Integer X, Integer Y);
// The hint showing (a grid's cell or record hint, a control's tooltip): its text, and
// in Where its rectangle on the screen; empty when none shows.
String ShownHint(TRect* Where = nullptr);
// A key pressed and released in the active modal window (a message box), or
// the active window when none is modal, where its focus is (the window itself
// when nothing in it has the focus); false when there is no such window.
bool SimulateKeyInActiveWindow(Word Key, TShiftState Shift = {});
// Closes the popup menu that is showing, as Escape would; false when none shows.
bool CloseActivePopup();
// The caption of the active modal window (a message box, a file dialog), or
// of the active window when none is modal; empty when there is none.
String ActiveWindowCaption();
// The active modal window (a message box), or the active window when none is modal: its
// frame and the push buttons showing in it, each as a rectangle on the screen, the buttons
// in the order they were made, and the lines its labels show; an empty frame and no
// buttons when there is none.
struct WindowLayout {
    TRect Frame;
    std::vector<TRect> Buttons;
    std::vector<String> Lines;
};
WindowLayout ActiveWindowLayout();
// The list of columns in the active modal window (a file dialog's detailed list), or in
// the active window: the header's titles, then each row the list holds, each cell with
// whether its column is wide enough to show it whole; nothing when there is none.
struct ShownCell {
    String Text;
    bool Whole = true;
    bool operator==(const ShownCell&) const = default;
};
std::vector<std::vector<ShownCell>> ActiveWindowRows();
// Asks the window of Control to close as its close box would.
void SimulateCloseBox(TControl* Control);
// The window system moves Control's window to (X, Y) on the screen, as a drag
// of its caption bar does, and the events that follow are handled.
void SimulateWindowMove(TControl* Control, Integer X, Integer Y);
// The window system sizes Control's window to a Width × Height inside its
// frame, as a drag of the frame does; it keeps within the window's limits.
void SimulateWindowResize(TControl* Control, Integer Width, Integer Height);
// The window system makes Control's window the active one (as a window manager
// does with a window it shows): the focus goes where the window keeps it.
void SimulateWindowActivation(TControl* Control);
// Where the window system has Control's window: the top-left of its frame.
TPoint WindowPosition(const TControl* Control);

} // namespace ui
