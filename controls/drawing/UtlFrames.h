#pragma once
// Frames of the UTL drawing utilities: the standard bordered looks, 3D bevel
// frames, a framed box with a drop shadow, a two-colour border line, the
// drop-down triangle and the faces of buttons in their looks and states.
#include "platform/graphics/TCanvas.h"
#include "platform/ui/UiTypes.h"

enum TUtlBorderStyle {
    lsNone,
    lsSingle,
    lsLowered,
    lsRaised,
    lsRaisedspb,
    lsLoweredspb,
    lsRaisedExt,
    lsLoweredExt,
    lsFrameInset,
    lsFrameOffset,
    lsWindowBorder,
    lsSingleRaised,
    lsSingleLowered,
    lsDoubleRaised,
    lsDoubleLowered
};
// Scoped: the platform's bevel cut and speed-button state use some of the same names.
enum class TUtlBevelStyle { bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow };
enum TUtlUserButtonStyle {
    ubsAutoDetect,
    ubsWin31,
    ubsWin40,
    ubsQuellon,
    ubsQuellonFlat,
    ubsFlat,
    ubsFlatUnColored,
    ubsNavigator,
    ubsExplorer,
    ubsExplorerColored,
    ubsIntegrated
};
enum class TUtlButtonState {
    bsUp,
    bsDisabledUp,
    bsMouseOver,
    bsOptionSet,
    bsDown,
    bsDragOver,
    bsDropDownOpen,
    bsDisabledDown
};

// Flags of UtlDrawBtnFace.
constexpr Word ubfRounded = 0x0001; // rounded corners of the oldest look
constexpr Word ubfDefault = 0x0002; // default button: outer frame and focus rectangle
constexpr Word ubfNewLook = 0x0004; // the two-ring raised look of ubsWin40
constexpr Word ubfSunken = 0x0008;  // pressed ubsWin40 as a plain sunken edge
constexpr Word ubfMiddle = 0x0010;  // edges fill the inside with the button face
constexpr Word ubfFocused = 0x0020; // focused button: outer frame

// Draws the border on Sides (BF_* flags; BF_MIDDLE fills the inside); Rect
// shrinks to the inside. Always true.
bool UtlDrawStdFrame(TCanvas* Canvas, TRect& Rect, TUtlBorderStyle Style, Word Sides);
// Width of a border: 0 for lsNone, 1 for the single ones, else 2.
Integer UtlDrawStdFrameExt(TUtlBorderStyle Style);
// Border width of a control: 0 unless bsSingle, then 2 with 3D look, else 1.
Integer UtlGetCtrlBorderWidth(bool Ctl3D, TBorderStyle BorderStyle);
// A bevel of Width pixels: raised styles light (B) at top-left, dark (A) at
// bottom-right, lowered the other way round, bvNormal black. Rect shrinks to the
// inside. False and nothing drawn for bvNone, bvShadow or Width 0.
bool UtlDrawFrame3D(TCanvas* Canvas, TRect& Rect, TUtlBevelStyle Style, TColor ColorA, TColor ColorB,
                    Integer Width);
// A frame of FrameWidth rings with a shadow Depth pixels deep at the right and
// bottom; the two corners beside the shadow get BackColor unless Transparent.
// Rect becomes the frame's inside. Always true.
bool UtlDrawFrameShadow(TCanvas* Canvas, TRect& Rect, TColor FrameColor, TColor ShadowColor, TColor BackColor,
                        Byte Depth, Byte FrameWidth, bool Transparent, Word Sides);
// Left and top edge in C1, right and bottom in C2.
void UtlDrawBorder(TCanvas* Canvas, const TRect& Rect, TColor C1, TColor C2);
// The drop-down triangle with its top-left at (X, Y): 2 × Size − 1 wide;
// disabled embossed in the highlight-text and grey-text colours. Sizes outside
// 2 .. 15 draw nothing.
void UtlDrawTriangle(TCanvas* Canvas, Integer X, Integer Y, Integer Size, TColor Color, bool Down,
                     bool Enabled);
// True for the flat looks ubsQuellonFlat … ubsExplorerColored.
bool UtlDrawBtnIsFlat(TUtlUserButtonStyle Style);
// The face of a button in Style and State, filled with Color (explorer looks
// leave the face as it is). Flag says the button is flat-capable (an option-set
// flat face is filled plainly). Rect becomes the content area: the face shrunk
// by 3, moved by (1, 1) when pressed. Always true.
bool UtlDrawBtnFace(TCanvas* Canvas, bool Flag, TRect& Rect, TUtlUserButtonStyle Style, TUtlButtonState State,
                    Word Flags, TColor Color);
