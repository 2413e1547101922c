#include "platform/graphics/RecordingCanvasBackend.h"

#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"

#include <cstdio>

namespace graphics {

namespace {

const char* PenStyleName(TPenStyle s) {
    static const char* names[] = {"psSolid",      "psDash",  "psDot",        "psDashDot",
                                  "psDashDotDot", "psClear", "psInsideFrame"};
    return names[s];
}

const char* PenModeName(TPenMode m) {
    static const char* names[] = {"pmBlack",       "pmWhite",      "pmNop",         "pmNot",
                                  "pmCopy",        "pmNotCopy",    "pmMergePenNot", "pmMaskPenNot",
                                  "pmMergeNotPen", "pmMaskNotPen", "pmMerge",       "pmNotMerge",
                                  "pmMask",        "pmNotMask",    "pmXor",         "pmNotXor"};
    return names[m];
}

const char* BrushStyleName(TBrushStyle s) {
    static const char* names[] = {"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                  "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
    return names[s];
}

String FormatPoint(TPoint p) {
    return std::to_string(p.X) + "," + std::to_string(p.Y);
}

String FormatPoints(const std::vector<TPoint>& pts) {
    String s;
    for (const auto& p : pts) {
        if (!s.empty()) s += " ";
        s += FormatPoint(p);
    }
    return s;
}

} // namespace

String FormatRect(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

String FormatPen(const PenState& pen) {
    if (pen.Style == psClear) return "pen clear";
    String s = "pen " + ColorToString(pen.Color);
    if (pen.Width != 1) s += " w" + std::to_string(pen.Width);
    if (pen.Style != psSolid) s += String(" ") + PenStyleName(pen.Style);
    if (pen.Mode != pmCopy) s += String(" ") + PenModeName(pen.Mode);
    return s;
}

String FormatBrush(const BrushState& brush) {
    if (brush.Bitmap) return "brush bitmap";
    if (brush.Style == bsClear) return "brush clear";
    String s = "brush " + ColorToString(brush.Color);
    if (brush.Style != bsSolid) s += String(" ") + BrushStyleName(brush.Style);
    if (brush.Mode != pmCopy) s += String(" ") + PenModeName(brush.Mode);
    return s;
}

RecordingCanvasBackend::RecordingCanvasBackend(TSize size) : FSize(size) {}

std::vector<String> RecordingCanvasBackend::Calls(const String& prefix) const {
    std::vector<String> out;
    for (const auto& l : Log)
        if (l.compare(0, prefix.size(), prefix) == 0) out.push_back(l);
    return out;
}

void RecordingCanvasBackend::SetClip(const TRegion* clip) {
    if (!clip) {
        Log.push_back("Clip none");
        return;
    }
    String s = "Clip";
    for (const auto& r : clip->Rects())
        s += " " + FormatRect(r);
    Log.push_back(s);
}

void RecordingCanvasBackend::FillRect(const TRect& r, const BrushState& brush) {
    Log.push_back("FillRect " + FormatRect(r) + " " + FormatBrush(brush));
}

void RecordingCanvasBackend::Polyline(const std::vector<TPoint>& points, const PenState& pen) {
    Log.push_back("Polyline " + FormatPoints(points) + " " + FormatPen(pen));
}

void RecordingCanvasBackend::Polygon(const std::vector<TPoint>& points, const PenState& pen,
                                     const BrushState& brush) {
    Log.push_back("Polygon " + FormatPoints(points) + " " + FormatPen(pen) + " " + FormatBrush(brush));
}

void RecordingCanvasBackend::Rectangle(const TRect& r, const PenState& pen, const BrushState& brush) {
    Log.push_back("Rectangle " + FormatRect(r) + " " + FormatPen(pen) + " " + FormatBrush(brush));
}

void RecordingCanvasBackend::Ellipse(const TRect& r, const PenState& pen, const BrushState& brush) {
    Log.push_back("Ellipse " + FormatRect(r) + " " + FormatPen(pen) + " " + FormatBrush(brush));
}

void RecordingCanvasBackend::RoundRect(const TRect& r, Integer cornerW, Integer cornerH, const PenState& pen,
                                       const BrushState& brush) {
    Log.push_back("RoundRect " + FormatRect(r) + " " + std::to_string(cornerW) + "," +
                  std::to_string(cornerH) + " " + FormatPen(pen) + " " + FormatBrush(brush));
}

void RecordingCanvasBackend::Arc(const TRect& r, TPoint start, TPoint end, const PenState& pen) {
    Log.push_back("Arc " + FormatRect(r) + " " + FormatPoint(start) + " " + FormatPoint(end) + " " +
                  FormatPen(pen));
}

void RecordingCanvasBackend::TextOut(Integer x, Integer y, Cardinal options, const TRect* rect,
                                     const String& text, const TextState& state) {
    String s = "TextOut " + std::to_string(x) + "," + std::to_string(y) + " \"" + text + "\" " +
               ColorToString(state.TextColor);
    if (state.Opaque || (rect && (options & ETO_OPAQUE))) s += " opaque " + ColorToString(state.BkColor);
    if (state.BreakExtra != 0 && state.BreakCount > 0)
        s += " justify " + std::to_string(state.BreakExtra) + "/" + std::to_string(state.BreakCount);
    if (rect && (options & ETO_CLIPPED))
        s += " clip " + FormatRect(*rect);
    else if (rect && (options & ETO_OPAQUE))
        s += " rect " + FormatRect(*rect);
    Log.push_back(s);
}

TColor RecordingCanvasBackend::GetPixel(Integer, Integer) {
    return clNone;
}

void RecordingCanvasBackend::SetPixel(Integer x, Integer y, TColor color) {
    Log.push_back("SetPixel " + std::to_string(x) + "," + std::to_string(y) + " " + ColorToString(color));
}

void RecordingCanvasBackend::Blt(const TRect& dst, const PixelBuffer*, Cardinal rop, const BrushState&,
                                 TColor, TColor) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", unsigned(rop));
    Log.push_back("Blt " + FormatRect(dst) + " rop " + buf);
}

bool RecordingCanvasBackend::Grab(const TRect&, PixelBuffer&) {
    return false;
}

Integer RecordingCanvasBackend::DeviceCaps(Integer index) const {
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case BITSPIXEL:
        return ScreenColorDepth();
    case PLANES:
        return 1;
    case HORZRES:
        return FSize.cx;
    case VERTRES:
        return FSize.cy;
    default:
        return 0;
    }
}

std::unique_ptr<TCanvas> MakeRecordingCanvas(RecordingCanvasBackend*& backend, TSize size) {
    auto b = std::make_unique<RecordingCanvasBackend>(size);
    backend = b.get();
    return std::make_unique<TCanvas>(std::move(b));
}

} // namespace graphics
