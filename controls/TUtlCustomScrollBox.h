#pragma once
// A scroll box of the UTL controls: a bevel of its own (the window's edge by
// default), and a background shared with see-through children, repainted
// while scrolling every Delta-th step or once at the end.
#include "controls/TUtlBevel.h"
#include "controls/UtlBackground.h"
#include "platform/ui/TScrollBox.h"

#include <memory>

class TUtlScrollBoxBevel : public TUtlBevel {
public:
    TUtlScrollBoxBevel();
    String ClassName() const override { return "TUtlScrollBoxBevel"; }
};

// The scroll code that ends a scroll.
constexpr Integer SB_ENDSCROLL = 8;

class TUtlCustomScrollBox : public TScrollBox, public TUtlBackgroundProvider {
public:
    explicit TUtlCustomScrollBox(TComponent* AOwner);
    ~TUtlCustomScrollBox() override;
    String ClassName() const override { return "TUtlCustomScrollBox"; }

    TUtlScrollBoxBevel* Bevel() const { return FBevel.get(); }
    void SetBevel(TUtlBevel* Value) { FBevel->Assign(Value); }
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
    // scrolling, else at SB_ENDSCROLL).
    bool Scrolled(Integer Code);

    bool BackBitmapCheck() const override { return Optimized(); }
    TBitmap* BackBitmap() const override;
    TPoint BackMapPoint(TPoint P) const override;
    bool BackDrawArea(TCanvas* Canvas, const TRect& R, TPoint P) const override;

private:
    std::unique_ptr<TUtlScrollBoxBevel> FBevel;
    bool FTransparent = false;
    bool FOptimizedScrolling = true;
    Byte FDelta = 1;
    Byte FCounter = 0;
};
