#pragma once
// Enumerations, sets and event types shared by the controls, forms and the
// application object.
#include "platform/core/TObject.h"
#include "platform/core/TSet.h"

#include <functional>

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// The buttons of a window's caption bar; the system menu brings the close box.
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
// What the window system may do to a form besides minimising and maximising
// it (its caption buttons, BorderIcons): move it, size it by its frame, and
// close it by the close box or its own close command.
enum TWindowCommand { wcMove, wcSize, wcClose };
using TWindowCommands = TSet<TWindowCommand>;
// The border of an ordinary control: bsNone or bsSingle.
using TBorderStyle = TFormBorderStyle;
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// Shared by check boxes, check list boxes and the data grid's check-box cells.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// Cursor identifiers: 0 is the control's default, negative ones are the stock cursors.
using TCursor = Integer;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSize = -22,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
                  crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20,
                  crHandPoint = -21, crSizeAll = -22;

using TModalResult = Integer;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

// A key with its modifiers: the low word is the virtual key, then scShift, scCtrl, scAlt.
using TShortCut = Word;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, Integer X, Integer Y)>;
// Setting Key to 0 swallows the key.
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
// Key is one character in UTF-8; emptying it swallows the character.
using TKeyPressEvent = std::function<void(TObject* Sender, String& Key)>;
