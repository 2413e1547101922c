#pragma once
// The painting backend: draws on a bitmap's image, or with a painter that the
// window or printer layer opened (a paint event, a printer page). Raster
// operations and pen modes are exact wherever the pixels can be read (images);
// on a window or printer only the copying ones are.
#include "platform/graphics/CanvasBackend.h"

#include <memory>
#include <optional>

class QPainter;
class QImage;
class TBitmap;

namespace graphics {

class QtCanvasBackend : public CanvasBackend {
public:
    // Draws on bitmap (not owned; the bitmap owns its canvas and this backend).
    explicit QtCanvasBackend(TBitmap* bitmap);
    // Draws with an open painter (not owned) over a surface of size at dpi.
    QtCanvasBackend(QPainter* painter, TSize size, Integer dpi = 96);
    ~QtCanvasBackend() override;

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
    bool CopyBitmap(const TRect& dst, const TBitmap& bitmap, const TRect& srcRect) override;
    TSize Size() const override;
    Integer DeviceCaps(Integer index) const override;
    bool Monochrome() const override;

    // The painter in use (for the window and printer layers); nullptr on a bitmap.
    QPainter* Painter() const { return FExternal; }

private:
    template <typename F> void Paint(F&& draw);
    QImage* ReadableImage() const;
    // The surface in drawing coordinates with a margin of two pixels; none when
    // the painter's device is unknown.
    std::optional<TRect> Reach() const;
    void Touched();

    TBitmap* FBitmap = nullptr;
    QPainter* FExternal = nullptr;
    TSize FSize;
    Integer FDpi = 96;
    std::unique_ptr<TRegion> FClip;
};

} // namespace graphics
