#pragma once
// Small control routines of the engine's dialogs, and the platform family.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

#include <initializer_list>

class TControl;
class TWinControl;

// Enables or disables the controls: a label's font turns clWindowText or
// clGrayText, a windowed control's colour clWindow or clBtnFace.
void rpEnableControls(std::initializer_list<TControl*> Controls, bool Enable);
// The visible child control of Parent under Pos (Parent's client
// coordinates), searched from the last child to the first and into children
// that hold controls; null when there is none.
TControl* rpControlAtPos(TWinControl* Parent, TPoint Pos);
// The platform family: "NT" on this system.
String rpGetWindowsVersion();
