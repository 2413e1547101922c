#pragma once
// The classic look of the small standard controls: check box, radio button,
// push button and the scroll/combo arrow buttons.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

class TCanvas;

constexpr Cardinal DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4;
constexpr Cardinal DFCS_BUTTONCHECK = 0x0000, DFCS_BUTTONRADIOIMAGE = 0x0001, DFCS_BUTTONRADIOMASK = 0x0002,
                   DFCS_BUTTONRADIO = 0x0004, DFCS_BUTTON3STATE = 0x0008, DFCS_BUTTONPUSH = 0x0010;
constexpr Cardinal DFCS_SCROLLUP = 0x0000, DFCS_SCROLLDOWN = 0x0001, DFCS_SCROLLLEFT = 0x0002,
                   DFCS_SCROLLRIGHT = 0x0003, DFCS_SCROLLCOMBOBOX = 0x0005;
constexpr Cardinal DFCS_INACTIVE = 0x0100, DFCS_PUSHED = 0x0200, DFCS_CHECKED = 0x0400,
                   DFCS_TRANSPARENT = 0x0800, DFCS_HOT = 0x1000, DFCS_ADJUSTRECT = 0x2000, DFCS_FLAT = 0x4000,
                   DFCS_MONO = 0x8000;

// Draws the control part in Rect. Check boxes and radio buttons are drawn
// square (the smaller side, centred); answers false for a null canvas or an
// unknown type.
bool DrawFrameControl(TCanvas* DC, TRect& Rect, Cardinal Type, Cardinal State);
