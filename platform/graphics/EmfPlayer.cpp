// The enhanced format's record dispatch and its drawing and state records.
#include "platform/graphics/EmfPlayer.h"

#include "platform/graphics/TCanvas.h"

namespace graphics::metafile {

namespace {

constexpr std::uint32_t StockFlag = 0x80000000;

// The playback transform: the file's frame onto the target rectangle.
Matrix FrameOnto(const DRect& Frame, const TRect& Target) {
    const double fw = Frame.Right - Frame.Left, fh = Frame.Bottom - Frame.Top;
    const double sx = fw > 0 ? Target.Width() / fw : 1, sy = fh > 0 ? Target.Height() / fh : 1;
    return Matrix::Scaling(sx, sy, Target.Left - Frame.Left * sx, Target.Top - Frame.Top * sy);
}
Matrix ReadXForm(Reader& R) {
    Matrix m;
    m.M11 = R.F32();
    m.M12 = R.F32();
    m.M21 = R.F32();
    m.M22 = R.F32();
    m.Dx = R.F32();
    m.Dy = R.F32();
    return m;
}
} // namespace

EnhancedPlayer::EnhancedPlayer(const Header& H, TCanvas* Canvas, const TRect& Target)
    : FState(FrameOnto(H.Frame, Target), H.PixelsPerMm, Canvas ? Canvas->ClipRect() : Target),
      FOut(Canvas, FState) {}

bool EnhancedPlayer::Record(std::uint32_t Type, Reader& R) {
    DeviceContext& dc = FState.DC;
    switch (Type) {
    case EMR_EOF:
        return false;
    case EMR_POLYBEZIER:
    case EMR_POLYGON:
    case EMR_POLYLINE:
    case EMR_POLYBEZIERTO:
    case EMR_POLYLINETO:
    case EMR_POLYBEZIER16:
    case EMR_POLYGON16:
    case EMR_POLYLINE16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYLINETO16:
        Poly(Type, R);
        break;
    case EMR_POLYPOLYLINE:
    case EMR_POLYPOLYGON:
    case EMR_POLYPOLYLINE16:
    case EMR_POLYPOLYGON16:
        PolyPoly(Type, R);
        break;
    case EMR_SETWINDOWEXTEX:
        dc.WindowExt = R.PointL();
        break;
    case EMR_SETWINDOWORGEX:
        dc.WindowOrg = R.PointL();
        break;
    case EMR_SETVIEWPORTEXTEX:
        dc.ViewportExt = R.PointL();
        break;
    case EMR_SETVIEWPORTORGEX:
        dc.ViewportOrg = R.PointL();
        break;
    case EMR_SETPIXELV: {
        const DPoint at = R.PointL();
        FOut.SetPixel(at, FileColor(R.U32()));
        break;
    }
    case EMR_SETMAPMODE: {
        const std::uint32_t mode = R.U32();
        if (mode >= MM_TEXT && mode <= MM_ANISOTROPIC) dc.MapMode = int(mode);
        break;
    }
    case EMR_SETBKMODE: {
        const std::uint32_t mode = R.U32();
        if (mode == TRANSPARENT || mode == OPAQUE) dc.BkMode = int(mode);
        break;
    }
    case EMR_SETROP2:
        dc.Rop2 = int(R.U32() & 0xFF);
        break;
    case EMR_SETTEXTALIGN:
        dc.TextAlign = R.U32();
        break;
    case EMR_SETTEXTCOLOR:
        dc.TextColor = FileColor(R.U32());
        break;
    case EMR_SETBKCOLOR:
        dc.BkColor = FileColor(R.U32());
        break;
    case EMR_OFFSETCLIPRGN:
        FState.OffsetClip(R.PointL());
        break;
    case EMR_MOVETOEX:
        dc.Position = R.PointL();
        break;
    case EMR_EXCLUDECLIPRECT:
        FState.ExcludeClip(R.RectL());
        break;
    case EMR_INTERSECTCLIPRECT:
        FState.IntersectClip(R.RectL());
        break;
    case EMR_SCALEVIEWPORTEXTEX:
        Scale(dc.ViewportExt, R);
        break;
    case EMR_SCALEWINDOWEXTEX:
        Scale(dc.WindowExt, R);
        break;
    case EMR_SAVEDC:
        FState.Save();
        break;
    case EMR_RESTOREDC:
        FState.Restore(R.I32());
        break;
    case EMR_SETWORLDTRANSFORM: {
        const Matrix m = ReadXForm(R);
        if (m.Finite()) dc.World = m;
        break;
    }
    case EMR_MODIFYWORLDTRANSFORM:
        ModifyWorld(R);
        break;
    case EMR_SELECTOBJECT:
        Select(R.U32());
        break;
    case EMR_CREATEPEN: {
        const std::uint32_t index = R.U32();
        LogPen pen;
        pen.Style = R.U32();
        pen.Width = R.I32();
        R.Skip(4);
        pen.Color = FileColor(R.U32());
        FObjects.Put(index, pen);
        break;
    }
    case EMR_EXTCREATEPEN: {
        const std::uint32_t index = R.U32();
        R.Skip(16); // a pattern bitmap of the pen's brush, not drawn
        LogPen pen;
        pen.Style = R.U32();
        pen.Width = R.U32();
        const std::uint32_t brushStyle = R.U32();
        pen.Color = FileColor(R.U32());
        pen.Cosmetic = !(pen.Style & PS_GEOMETRIC);
        if (brushStyle == BS_NULL) pen.Style = PS_NULL;
        FObjects.Put(index, pen);
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        const std::uint32_t index = R.U32();
        LogBrush brush;
        brush.Style = R.U32();
        brush.Color = FileColor(R.U32());
        brush.Hatch = R.U32();
        FObjects.Put(index, brush);
        break;
    }
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT:
        PatternBrush(R);
        break;
    case EMR_CREATEPALETTE:
        FObjects.Put(R.U32(), {});
        break;
    case EMR_EXTCREATEFONTINDIRECTW: {
        const std::uint32_t index = R.U32();
        FObjects.Put(index, Font(R));
        break;
    }
    case EMR_DELETEOBJECT:
        FObjects.Erase(R.U32());
        break;
    case EMR_ANGLEARC: {
        const DPoint centre = R.PointL();
        const double radius = R.U32();
        const double start = R.F32(), sweep = R.F32();
        FOut.AngleArc(centre, radius, start, sweep);
        break;
    }
    case EMR_ELLIPSE:
        FOut.Ellipse(R.RectL());
        break;
    case EMR_RECTANGLE:
        FOut.Rectangle(R.RectL());
        break;
    case EMR_ROUNDRECT: {
        const DRect box = R.RectL();
        FOut.RoundRect(box, R.PointL());
        break;
    }
    case EMR_ARC:
    case EMR_CHORD:
    case EMR_PIE:
    case EMR_ARCTO: {
        const DRect box = R.RectL();
        const DPoint start = R.PointL(), end = R.PointL();
        const ArcKind kind = Type == EMR_ARC     ? ArcKind::Arc
                             : Type == EMR_CHORD ? ArcKind::Chord
                             : Type == EMR_PIE   ? ArcKind::Pie
                                                 : ArcKind::ArcTo;
        FOut.Arc(kind, box, start, end);
        break;
    }
    case EMR_LINETO:
        FOut.LineTo(R.PointL());
        break;
    case EMR_SETARCDIRECTION: {
        const std::uint32_t d = R.U32();
        if (d == AD_COUNTERCLOCKWISE || d == AD_CLOCKWISE) dc.ArcDirection = int(d);
        break;
    }
    case EMR_BEGINPATH:
        FOut.SetHidden(true);
        break;
    case EMR_ENDPATH:
    case EMR_ABORTPATH:
        FOut.SetHidden(false);
        break;
    case EMR_FILLRGN: {
        R.Skip(16);
        const std::uint32_t size = R.U32(), index = R.U32();
        const std::optional<TRegion> region = Region(R, size);
        const GdiObject* object = FObjects.Get(index);
        const LogBrush* brush = object ? std::get_if<LogBrush>(object) : nullptr;
        if (region && brush) FOut.FillRegion(*region, *brush);
        break;
    }
    case EMR_PAINTRGN: {
        R.Skip(16);
        const std::optional<TRegion> region = Region(R, R.U32());
        if (region) FOut.FillRegion(*region, dc.Brush);
        break;
    }
    case EMR_EXTSELECTCLIPRGN: {
        const std::uint32_t size = R.U32();
        const int mode = int(R.U32() & 0xFF);
        if (size == 0) {
            FState.SelectClip(nullptr, mode);
        } else if (const std::optional<TRegion> region = Region(R, size)) {
            FState.SelectClip(&*region, mode);
        }
        break;
    }
    case EMR_BITBLT:
    case EMR_STRETCHBLT:
        Blt(R, Type == EMR_STRETCHBLT);
        break;
    case EMR_STRETCHDIBITS:
        StretchDIBits(R);
        break;
    case EMR_SETDIBITSTODEVICE:
        SetDIBitsToDevice(R);
        break;
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW:
        Text(R, Type == EMR_EXTTEXTOUTW);
        break;
    default:
        break;
    }
    return true;
}

void EnhancedPlayer::Select(std::uint32_t Index) {
    GdiObject object;
    if (Index & StockFlag)
        object = StockObject(Index & ~StockFlag);
    else if (const GdiObject* o = FObjects.Get(Index))
        object = *o;
    DeviceContext& dc = FState.DC;
    if (auto* pen = std::get_if<LogPen>(&object)) dc.Pen = *pen;
    if (auto* brush = std::get_if<LogBrush>(&object)) dc.Brush = *brush;
    if (auto* font = std::get_if<LogFont>(&object)) dc.Font = *font;
}

void EnhancedPlayer::Poly(std::uint32_t Type, Reader& R) {
    R.Skip(16); // bounds
    const bool small = Type >= EMR_POLYBEZIER16;
    const std::vector<DPoint> points = R.Points(R.U32(), !small);
    switch (small ? Type - (EMR_POLYBEZIER16 - EMR_POLYBEZIER) : Type) {
    case EMR_POLYBEZIER:
        FOut.PolyBezier(points, false);
        break;
    case EMR_POLYGON:
        FOut.Polygon(points);
        break;
    case EMR_POLYLINE:
        FOut.Polyline(points);
        break;
    case EMR_POLYBEZIERTO:
        FOut.PolyBezier(points, true);
        break;
    default:
        FOut.Polyline(points, true);
        break;
    }
}

void EnhancedPlayer::PolyPoly(std::uint32_t Type, Reader& R) {
    R.Skip(16);
    const std::uint32_t polys = R.U32(), total = R.U32();
    std::vector<std::uint32_t> counts(R.Items(polys, 4));
    std::uint64_t sum = 0;
    for (auto& c : counts) {
        c = R.U32();
        sum += c;
    }
    const bool small = Type == EMR_POLYPOLYLINE16 || Type == EMR_POLYPOLYGON16;
    const std::vector<DPoint> points = R.Points(total, !small);
    if (sum > points.size()) Fail();
    std::vector<std::vector<DPoint>> figures;
    std::size_t at = 0;
    for (const std::uint32_t c : counts) {
        figures.emplace_back(points.begin() + std::ptrdiff_t(at), points.begin() + std::ptrdiff_t(at + c));
        at += c;
    }
    if (Type == EMR_POLYPOLYGON || Type == EMR_POLYPOLYGON16)
        FOut.PolyPolygon(figures);
    else
        for (const auto& f : figures)
            FOut.Polyline(f);
}

void EnhancedPlayer::Scale(DPoint& Ext, Reader& R) {
    const double xNum = R.I32(), xDenom = R.I32(), yNum = R.I32(), yDenom = R.I32();
    if (xDenom == 0 || yDenom == 0) return;
    Ext = {Ext.X * xNum / xDenom, Ext.Y * yNum / yDenom};
}

void EnhancedPlayer::ModifyWorld(Reader& R) {
    const Matrix x = ReadXForm(R);
    Matrix& world = FState.DC.World;
    Matrix next = world;
    switch (R.U32()) {
    case 1: // MWT_IDENTITY
        next = Matrix();
        break;
    case 2: // MWT_LEFTMULTIPLY: the new transform applies first
        next = x.Then(world);
        break;
    case 3: // MWT_RIGHTMULTIPLY
        next = world.Then(x);
        break;
    case 4: // MWT_SET
        next = x;
        break;
    default:
        break;
    }
    if (next.Finite()) world = next;
}

void PlayEnhanced(Reader Data, const Header& H, TCanvas* Canvas, const TRect& Target, std::size_t& Record) {
    EnhancedPlayer player(H, Canvas, Target);
    Record = 0;
    Data.Seek(0);
    while (Data.Remaining() > 0) {
        ++Record;
        const std::size_t start = Data.Position();
        const std::uint32_t type = Data.U32(), size = Data.U32();
        if (size < 8 || size - 8 > Data.Remaining() || (Record == 1 && size < 88)) Fail();
        Reader record = Data.Part(start, size);
        record.Seek(8);
        Data.Seek(start + size);
        if (Record > 1 && !player.Record(type, record)) return;
    }
}

} // namespace graphics::metafile