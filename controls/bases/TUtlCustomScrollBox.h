#pragma once
// A scroll box of the UTL controls: a bevel of its own painted around its
// scroll bars and visible part, which are inset by its width, and a background
// shared with see-through children, repainted while scrolling every Delta-th
// step or once at the end. In the bevel's Windows mode (the default) the frame
// is the window's own edge: a sunken client edge with Ctl3D, a single line in
// the window-frame colour without.
#include "controls/shapes/TUtlBevel.h"
#include "controls/bases/UtlBackground.h"
#include "platform/ui/TScrollBox.h"

#include <memory>

class TUtlScrollBoxBevel : public TUtlBevel {
public:
    TUtlScrollBoxBevel();
    String ClassName() const override { return "TUtlScrollBoxBevel"; }
};

class TUtlCustomScrollBox : public TScrollBox, public TUtlBackgroundProvider {
public:
    explicit TUtlCustomScrollBox(TComponent* AOwner);
    ~TUtlCustomScrollBox() override;
    String ClassName() const override { return "TUtlCustomScrollBox"; }

    const String& About() const { return FAbout; }
    void SetAbout(const String& Value) { FAbout = Value; }

    // The window carries the system edge in the Windows mode: the bevel
    // stays the box's even when assigned from one without.
    TUtlScrollBoxBevel* Bevel() const { return FBevel.get(); }
    void SetBevel(TUtlBevel* Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    Byte Delta() const { return FDelta; }
    // 0 is ignored; a change restarts the count.
    void SetDelta(Byte Value);
    bool OptimizedScrolling() const { return FOptimizedScrolling; }
    void SetOptimizedScrolling(bool Value) { FOptimizedScrolling = Value; }

    // Transparent with a background from the parent chain.
    bool Optimized() const;
    // A scroll message with its code: answers whether the box was repainted
    // (only an optimized box repaints, every Delta-th message with optimized
    // scrolling, else at SB_ENDSCROLL); the children hear of it.
    bool Scrolled(Integer Code);

    bool BackBitmapCheck() const override { return Optimized(); }
    TBitmap* BackBitmap() const override;
    // A point of the scrolled surface (where the children are placed).
    TPoint BackMapPoint(TPoint P) const override;
    bool BackDrawArea(TCanvas* Canvas, const TRect& R, TPoint P) const override;

protected:
    // The bevel over the whole box; the square between two scroll bars in the
    // background or the colour.
    void PaintFrame(TCanvas* Canvas) override;
    // An optimized box shows its parent's background through the visible part.
    void PaintSurface(TCanvas* Canvas, const TRect& R) override;
    void Scrolled(bool Vertical, Integer Code) override;
    void ColorChanged() override;
    void Ctl3DChanged() override;

private:
    // Fills R of the box's window with the chain's background or the colour.
    void FillBackground(TCanvas* Canvas, const TRect& R) const;
    void Repaint();
    // The window's own edge: 2 with Ctl3D, else 1, in the Windows mode; 0 in the others.
    Integer EdgeWidth() const;
    // The room the edge and the bevel take, and a repaint.
    void UpdateFrame();

    String FAbout;
    std::unique_ptr<TUtlScrollBoxBevel> FBevel;
    bool FTransparent = false;
    bool FOptimizedScrolling = true;
    Byte FDelta = 1;
    Byte FCounter = 0;
};
