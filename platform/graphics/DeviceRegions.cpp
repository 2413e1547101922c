#include "platform/graphics/DeviceRegions.h"

#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TCanvas.h"

namespace {

int KindOf(const TRegion& r) {
    if (r.IsEmpty()) return NULLREGION;
    return r.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int ClipKind(TCanvas* dc) {
    auto clip = dc->ClipRegion();
    return clip ? KindOf(*clip) : SIMPLEREGION;
}

void FillRects(TCanvas* dc, const TRegion& r, TBrush* brush) {
    TBrush saved;
    if (brush) {
        saved.Assign(dc->Brush());
        dc->Brush()->Assign(brush);
    }
    for (const TRect& rect : r.Rects())
        dc->FillRect(rect);
    if (brush) dc->Brush()->Assign(&saved);
}

} // namespace

bool FillRgn(TCanvas* DC, HRGN Rgn, TBrush* Brush) {
    if (!DC || !Rgn) return false;
    FillRects(DC, *Rgn, Brush);
    return true;
}

bool PaintRgn(TCanvas* DC, HRGN Rgn) {
    return FillRgn(DC, Rgn, nullptr);
}

bool FrameRgn(TCanvas* DC, HRGN Rgn, TBrush* Brush, Integer Width, Integer Height) {
    if (!DC || !Rgn || Width < 1 || Height < 1) return false;
    // The inside is what stays in the region when it is moved by the frame
    // width in each direction; the frame is the rest.
    TRegion inside = *Rgn;
    const TPoint shifts[] = {{Width, 0}, {-Width, 0}, {0, Height}, {0, -Height}};
    for (TPoint s : shifts) {
        TRegion moved = *Rgn;
        moved.Offset(s.X, s.Y);
        inside = inside.Intersected(moved);
    }
    FillRects(DC, Rgn->Subtracted(inside), Brush);
    return true;
}

bool InvertRgn(TCanvas* DC, HRGN Rgn) {
    if (!DC || !Rgn) return false;
    for (const TRect& r : Rgn->Rects())
        PatBlt(DC, r.Left, r.Top, r.Width(), r.Height(), DSTINVERT);
    return true;
}

int SelectClipRgn(TCanvas* DC, HRGN Rgn) {
    if (!DC) return ERROR;
    DC->SetClipRegion(Rgn);
    return Rgn ? KindOf(*Rgn) : SIMPLEREGION;
}

int ExcludeClipRect(TCanvas* DC, Integer Left, Integer Top, Integer Right, Integer Bottom) {
    if (!DC) return ERROR;
    DC->ExcludeClipRect(TRect(Left, Top, Right, Bottom));
    return ClipKind(DC);
}

int IntersectClipRect(TCanvas* DC, Integer Left, Integer Top, Integer Right, Integer Bottom) {
    if (!DC) return ERROR;
    DC->IntersectClipRect(TRect(Left, Top, Right, Bottom));
    return ClipKind(DC);
}

int GetClipBox(TCanvas* DC, TRect* Rect) {
    if (!DC || !Rect) return ERROR;
    *Rect = DC->ClipRect();
    return ClipKind(DC);
}

int GetClipRgn(TCanvas* DC, HRGN Rgn) {
    if (!DC || !Rgn) return -1;
    auto clip = DC->ClipRegion();
    if (!clip) return 0;
    *Rgn = *clip;
    return 1;
}
