#pragma once
// A canvas backend that paints nothing and logs every primitive with its
// coordinates (device pixels) and colours, for tests of drawing code. Text is
// measured with fixed metrics (FixedTextMeasurer) unless told otherwise.
//
// Log lines, colours as ColorToString gives them:
//   FillRect l,t,r,b brush <colour>[ <style>]
//   Polyline x,y x,y … pen <colour>[ w<n>][ <style>][ <mode>]
//   Polygon x,y … pen … brush …      Rectangle / Ellipse l,t,r,b pen … brush …
//   RoundRect l,t,r,b w,h pen … brush …   Arc l,t,r,b x,y x,y pen …
//   TextOut x,y "text" <text colour>[ opaque <bk colour>][ justify e/n][ clip l,t,r,b][ rect l,t,r,b]
//   SetPixel x,y <colour>     Blt l,t,r,b rop $XXXXXXXX     Clip l,t,r,b … | Clip none
// "pen clear" / "brush clear" stand for psClear and bsClear.
#include "platform/graphics/CanvasBackend.h"

#include <memory>
#include <vector>

class TCanvas;

namespace graphics {

class RecordingCanvasBackend : public CanvasBackend {
public:
    explicit RecordingCanvasBackend(TSize size = TSize(800, 600));

    std::vector<String> Log;
    // Lines that start with prefix, in order.
    std::vector<String> Calls(const String& prefix) const;

    void SetClip(const TRegion* clip) override;
    void FillRect(const TRect& r, const BrushState& brush) override;
    void Polyline(const std::vector<TPoint>& points, const PenState& pen) override;
    void Polygon(const std::vector<TPoint>& points, const PenState& pen, const BrushState& brush) override;
    void Rectangle(const TRect& r, const PenState& pen, const BrushState& brush) override;
    void Ellipse(const TRect& r, const PenState& pen, const BrushState& brush) override;
    void RoundRect(const TRect& r, Integer cornerW, Integer cornerH, const PenState& pen,
                   const BrushState& brush) override;
    void Arc(const TRect& r, TPoint start, TPoint end, const PenState& pen) override;
    void TextOut(Integer x, Integer y, Cardinal options, const TRect* rect, const String& text,
                 const TextState& state) override;
    TColor GetPixel(Integer x, Integer y) override;
    void SetPixel(Integer x, Integer y, TColor color) override;
    void Blt(const TRect& dst, const PixelBuffer* src, Cardinal rop, const BrushState& pattern,
             TColor textColor, TColor bkColor) override;
    bool Grab(const TRect& r, PixelBuffer& out) override;
    TSize Size() const override { return FSize; }
    Integer DeviceCaps(Integer index) const override;
    TextMeasurer* PreferredMeasurer() override { return &FMeasurer; }

private:
    TSize FSize;
    FixedTextMeasurer FMeasurer;
};

// A canvas on a new recording backend; backend receives the backend (owned by the canvas).
std::unique_ptr<TCanvas> MakeRecordingCanvas(RecordingCanvasBackend*& backend, TSize size = TSize(800, 600));

// Text forms used in the log.
String FormatRect(const TRect& r);
String FormatPen(const PenState& pen);
String FormatBrush(const BrushState& brush);

} // namespace graphics
