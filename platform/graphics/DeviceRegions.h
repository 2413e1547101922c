#pragma once
// Region drawing and clipping calls on a canvas as device context. Region
// coordinates are logical, like every other canvas coordinate.
#include "platform/graphics/TRegion.h"

class TCanvas;
class TBrush;

// Fills the region with Brush (the canvas brush when null).
bool FillRgn(TCanvas* DC, HRGN Rgn, TBrush* Brush);
// Fills the region with the canvas brush.
bool PaintRgn(TCanvas* DC, HRGN Rgn);
// A border Width pixels wide on the left and right and Height on the top and
// bottom, inside the region's outline.
bool FrameRgn(TCanvas* DC, HRGN Rgn, TBrush* Brush, Integer Width, Integer Height);
bool InvertRgn(TCanvas* DC, HRGN Rgn);

// Replaces the clip by a copy of Rgn; null removes clipping. Answers the kind
// of the new clip (NULLREGION when none), ERROR for a null canvas.
int SelectClipRgn(TCanvas* DC, HRGN Rgn);
int ExcludeClipRect(TCanvas* DC, Integer Left, Integer Top, Integer Right, Integer Bottom);
int IntersectClipRect(TCanvas* DC, Integer Left, Integer Top, Integer Right, Integer Bottom);
// The clip's bounds (the whole surface when nothing clips).
int GetClipBox(TCanvas* DC, TRect* Rect);
// Copies the clip into Rgn: 1 when there is one, 0 when nothing clips, −1 on error.
int GetClipRgn(TCanvas* DC, HRGN Rgn);
