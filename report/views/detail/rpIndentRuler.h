#pragma once
// The rich-text editor's ruler: the paragraph's first-line, left and right
// indents as three markers over a centimetre scale. The markers follow the
// caret's paragraph (SetIndents); dragging one changes that indent and fires
// OnChange when the mouse is released. Indents are in twips, as RTF keeps
// them; the first-line indent counts from the left indent. A drag never
// takes the left edge of the first line or the text before the ruler's
// start, nor the right indent past the left one.
#include "platform/ui/TCustomControl.h"

namespace report {

class IndentRuler : public TCustomControl {
public:
    explicit IndentRuler(TComponent* AOwner);
    String ClassName() const override { return "IndentRuler"; }

    Integer FirstIndent() const { return FFirst; }
    Integer LeftIndent() const { return FLeft; }
    Integer RightIndent() const { return FRight; }
    void SetIndents(Integer First, Integer Left, Integer Right);
    // Pixels from the ruler's left edge to where the text begins, and the
    // width of the text's lines: the scale runs over that width.
    void SetTextArea(Integer Offset, Integer Width);

    // Where the marker of each indent stands, in client pixels.
    Integer FirstX() const;
    Integer LeftX() const;
    Integer RightX() const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

private:
    enum class Marker { None, First, Left, Right };
    void MoveTo(Integer X);
    Integer FFirst = 0, FLeft = 0, FRight = 0;
    Integer FOffset = 4, FTextWidth = 400;
    Marker FDragging = Marker::None;
};

} // namespace report
