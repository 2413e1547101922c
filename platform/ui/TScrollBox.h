#pragma once
// A container that scrolls: its children keep their positions on a surface as
// large as they need, and scroll bars appear when the surface outgrows the box.
#include "platform/ui/TWinControl.h"

class TCanvas;

// Scroll codes of a scroll step, as scroll-bar messages carry them.
constexpr Integer SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3, SB_THUMBPOSITION = 4,
                  SB_THUMBTRACK = 5, SB_TOP = 6, SB_BOTTOM = 7, SB_ENDSCROLL = 8;

class TScrollBox : public TWinControl {
public:
    explicit TScrollBox(TComponent* AOwner);
    String ClassName() const override { return "TScrollBox"; }

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    // The visible part: the box less its border, frame inset and scroll bars.
    TRect ClientRect() const override;
    // Scroll position of the surface.
    TPoint ScrollPos() const;
    void ScrollInView(TControl* Control);

    // Room kept on every side for a frame the box paints itself (PaintFrame)
    // instead of its border; the scroll bars and the visible part lie inside it.
    Integer FrameInset() const { return FFrameInset; }
    void SetFrameInset(Integer Value);
    // The square between the two scroll bars, in the box's coordinates; empty
    // unless both show.
    TRect ScrollCorner() const;
    // Repaints the visible part of the surface (the children repaint on their own).
    void InvalidateSurface();

    QWidget* ContainerWidget() const override { return FSurface; }

protected:
    // With a frame inset: paints the frame over the whole box, from (0, 0);
    // the scroll bars and the visible part are drawn over it.
    virtual void PaintFrame(TCanvas* Canvas) {}
    // Paints over the surface's area R (surface coordinates) after it was
    // filled with Color.
    virtual void PaintSurface(TCanvas* Canvas, const TRect& R) {}
    // A scroll bar moved the surface: Vertical names the bar, Code the step.
    // SB_ENDSCROLL follows a scroll made with the mouse on a bar when the button
    // is released, and a step of a key or of the wheel at once.
    virtual void Scrolled(bool Vertical, Integer Code) {}

    bool WidgetEvent(QEvent* Event) override;
    void ControlBoundsChanged(TControl* Child) override;
    void Resize() override;
    void ColorChanged() override;

private:
    void UpdateRange();
    void ApplyFrame();
    void ConnectScrollBar(bool Vertical);

    QWidget* FSurface = nullptr;
    TBorderStyle FBorderStyle = bsSingle;
    Integer FFrameInset = 0;
};
