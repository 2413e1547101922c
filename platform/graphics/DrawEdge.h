#pragma once
// Three-dimensional edges and the dotted focus frame, in the classic colours.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

class TCanvas;

constexpr Cardinal BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4, BDR_SUNKENINNER = 0x8,
                   BDR_OUTER = 0x3, BDR_INNER = 0xC, BDR_RAISED = 0x5, BDR_SUNKEN = 0xA;
constexpr Cardinal EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
                   EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
                   EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
                   EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr Cardinal BF_LEFT = 0x1, BF_TOP = 0x2, BF_RIGHT = 0x4, BF_BOTTOM = 0x8,
                   BF_TOPLEFT = BF_TOP | BF_LEFT, BF_TOPRIGHT = BF_TOP | BF_RIGHT,
                   BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT, BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
                   BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM, BF_DIAGONAL = 0x10, BF_MIDDLE = 0x800,
                   BF_SOFT = 0x1000, BF_ADJUST = 0x2000, BF_FLAT = 0x4000, BF_MONO = 0x8000;

// Draws the edge kinds of Edge on the sides named by Flags: the outer pair
// on the outermost pixel ring, the inner pair one pixel inside. BF_MIDDLE fills
// the inside with the button face (window colour when BF_FLAT); BF_ADJUST
// shrinks Rect by the edges drawn; BF_FLAT and BF_MONO draw flat frames.
// Answers false for a null canvas.
bool DrawEdge(TCanvas* DC, TRect& Rect, Cardinal Edge, Cardinal Flags);

// The dotted focus frame (every other pixel, inverted): drawing it twice removes it.
bool DrawFocusRect(TCanvas* DC, const TRect& Rect);

class TBrush;

// A one-pixel frame with Brush (the canvas brush when null).
bool FrameRect(TCanvas* DC, const TRect& Rect, TBrush* Brush);
// Fills with Brush (the canvas brush when null).
bool FillRect(TCanvas* DC, const TRect& Rect, TBrush* Brush);
// Inverts the pixels of Rect.
bool InvertRect(TCanvas* DC, const TRect& Rect);
