#pragma once
// Platform-internal: the classic window frame and caption bar, drawn by the
// layer for snapshots and for forms that draw their own frame.
#include <QRect>

class QPainter;
class TCustomForm;

namespace ui {

// The caption bar inside a window Width wide with the given frame and caption thickness.
QRect CaptionBarRect(int Width, int Frame, int Caption);
// The close box's place on a caption bar.
QRect CloseBoxRect(const QRect& Bar);
// The face, the raised edge (when Frame > 0) and the caption bar (when
// Caption > 0: gradient, bold title, the close box when the form shows one)
// of Form over the whole window, from (0, 0).
void PaintWindowFrame(QPainter& Painter, const TCustomForm& Form, int Frame, int Caption);

} // namespace ui
