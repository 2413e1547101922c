#pragma once
// Outline shapes: a bounding rectangle and a shape kind become a list of
// points (the outline, then the same outline pulled inward by half the edge
// width), which is drawn with a fill brush or a bitmap, a flat or 3D edge and
// an optional drop shadow. With teeth the outline is a toothed rectangle.
#include "controls/shapes/TUtlBevel.h"
#include "controls/shapes/TUtlPointList.h"
#include "controls/shapes/TUtlShadow.h"
#include "controls/shapes/TUtlTeeth.h"
#include "platform/graphics/TCanvas.h"

#include <vector>

class TBitmap;

// Clears PointList and fills it with the outline for a rectangle of ARect's size
// at (0, 0). Teeth, Bevel and Shadow may be null. With SetPerCount the teeth's
// step is written back into Teeth (without a change notice); no teeth are made
// from a count or step of 0.
void UtlShapeCalc(const TRect& ARect, TUtlShapeType Shape, TUtlTeeth* Teeth, bool Square, TBrush* Brush,
                  TUtlPercent RoundPercent, TUtlSimpleBevel* Bevel, TUtlShadow* Shadow,
                  TUtlPointList* PointList);
// Draws the shape into ARect. PointList may be null (computed here); when
// given it holds what UtlShapeCalc produced and is left as it was. Bevel is
// required. Bitmap (may be null) fills the shape instead of Brush, its
// TransparentColor pixels leaving the canvas; BackColor shows between hatch lines.
void UtlShapeDraw(const TRect& ARect, TCanvas* Canvas, TUtlShapeType Shape, TUtlTeeth* Teeth,
                  TUtlPointList* PointList, bool Square, TBrush* Brush, TUtlPercent RoundPercent,
                  TUtlSimpleBevel* Bevel, TUtlShadow* Shadow, TBitmap* Bitmap, TColor TransparentColor,
                  TColor BackColor);
// Adds (X, Y) to every point; a null list is ignored.
void UtlOffsetPointList(TUtlPointList* PointList, Integer X, Integer Y);
// Adds (X, Y) to the first Count points.
void UtlOffsetPointArray(std::vector<TPoint>& Points, Integer Count, Integer X, Integer Y);
