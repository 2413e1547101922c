// The older format's records: a size in 16-bit words, a function number and
// word parameters, most of them in reverse order (y before x, bottom before top).
#include "platform/core/Utf8.h"
#include "platform/graphics/MetafileOutput.h"
#include "platform/graphics/MetafilePlay.h"
#include "platform/graphics/TCanvas.h"

#include <string_view>

namespace graphics::metafile {

namespace {

enum : std::uint16_t {
    META_EOF = 0x0000,
    META_SAVEDC = 0x001E,
    META_REALIZEPALETTE = 0x0035,
    META_CREATEPALETTE = 0x00F7,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETROP2 = 0x0104,
    META_SETTEXTALIGN = 0x012E,
    META_RESTOREDC = 0x0127,
    META_SELECTCLIPREGION = 0x012C,
    META_SELECTOBJECT = 0x012D,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_SETVIEWPORTORG = 0x020D,
    META_SETVIEWPORTEXT = 0x020E,
    META_OFFSETWINDOWORG = 0x020F,
    META_OFFSETVIEWPORTORG = 0x0211,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_OFFSETCLIPRGN = 0x0220,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_SCALEWINDOWEXT = 0x0410,
    META_SCALEVIEWPORTEXT = 0x0412,
    META_EXCLUDECLIPRECT = 0x0415,
    META_INTERSECTCLIPRECT = 0x0416,
    META_ELLIPSE = 0x0418,
    META_RECTANGLE = 0x041B,
    META_SETPIXEL = 0x041F,
    META_TEXTOUT = 0x0521,
    META_POLYPOLYGON = 0x0538,
    META_PATBLT = 0x061D,
    META_ROUNDRECT = 0x061C,
    META_CREATEREGION = 0x06FF,
    META_ARC = 0x0817,
    META_PIE = 0x081A,
    META_CHORD = 0x0830,
    META_DIBBITBLT = 0x0940,
    META_EXTTEXTOUT = 0x0A32,
    META_DIBSTRETCHBLT = 0x0B41,
    META_SETDIBTODEV = 0x0D33,
    META_STRETCHDIB = 0x0F43,
};

constexpr Cardinal SrcCopy = 0x00CC0020;

// y first, then x: the order of every point parameter of this format.
DPoint YX(Reader& R) {
    const double y = R.I16();
    return {double(R.I16()), y};
}

// bottom, right, top, left.
DRect BRTL(Reader& R) {
    const double b = R.I16(), r = R.I16(), t = R.I16();
    return {double(R.I16()), t, r, b};
}

class WindowsPlayer {
public:
    WindowsPlayer(const Header& H, TCanvas* Canvas, const TRect& Target);

    // False at the end record.
    bool Record(std::uint16_t Function, std::uint32_t Words, Reader& R);

private:
    void Select(std::uint16_t Index);
    void Scale(DPoint& Ext, Reader& R);
    LogFont Font(Reader& R);
    void TextOut(Reader& R);
    void ExtTextOut(Reader& R);
    // The packed bitmap after the fixed fields, cropped to Area (counted from
    // its bottom row when it is stored bottom-up); false when none is drawn.
    bool Source(Reader& R, std::uint32_t Usage, const TRect& Area, PixelBuffer& Out);
    void Blit(std::uint16_t Function, std::uint32_t Words, Reader& R);

    DeviceState FState;
    Output FOut;
    ObjectTable FObjects;
};

Matrix PlaybackOf(const Header& H, const TRect& Target) {
    if (!H.Placeable) return Matrix();
    const double fw = H.Frame.Right - H.Frame.Left, fh = H.Frame.Bottom - H.Frame.Top;
    const double sx = fw != 0 ? Target.Width() / fw : 1, sy = fh != 0 ? Target.Height() / fh : 1;
    return Matrix::Scaling(sx, sy, Target.Left - H.Frame.Left * sx, Target.Top - H.Frame.Top * sy);
}

WindowsPlayer::WindowsPlayer(const Header& H, TCanvas* Canvas, const TRect& Target)
    : FState(PlaybackOf(H, Target), H.PixelsPerMm, Canvas ? Canvas->ClipRect() : Target),
      FOut(Canvas, FState) {
    // The player's window and viewport: the picture's box (or, without one,
    // the target) onto the target, until the file sets its own window.
    DeviceContext& dc = FState.DC;
    dc.MapMode = MM_ANISOTROPIC;
    if (H.Placeable) {
        dc.WindowOrg = dc.ViewportOrg = {H.Frame.Left, H.Frame.Top};
        dc.WindowExt = dc.ViewportExt = {H.Frame.Right - H.Frame.Left, H.Frame.Bottom - H.Frame.Top};
    } else {
        dc.ViewportOrg = {double(Target.Left), double(Target.Top)};
        dc.WindowExt = dc.ViewportExt = {double(Target.Width()), double(Target.Height())};
    }
}

bool WindowsPlayer::Record(std::uint16_t Function, std::uint32_t Words, Reader& R) {
    DeviceContext& dc = FState.DC;
    switch (Function) {
    case META_EOF:
        return false;
    case META_SAVEDC:
        FState.Save();
        break;
    case META_RESTOREDC:
        FState.Restore(R.I16());
        break;
    case META_SETMAPMODE: {
        const std::uint16_t mode = R.U16();
        if (mode >= MM_TEXT && mode <= MM_ANISOTROPIC) dc.MapMode = mode;
        break;
    }
    case META_SETBKMODE: {
        const std::uint16_t mode = R.U16();
        if (mode == TRANSPARENT || mode == OPAQUE) dc.BkMode = mode;
        break;
    }
    case META_SETROP2:
        dc.Rop2 = R.U16() & 0xFF;
        break;
    case META_SETTEXTALIGN:
        dc.TextAlign = R.U16();
        break;
    case META_SETBKCOLOR:
        dc.BkColor = FileColor(R.U32());
        break;
    case META_SETTEXTCOLOR:
        dc.TextColor = FileColor(R.U32());
        break;
    case META_SETWINDOWORG:
        dc.WindowOrg = YX(R);
        break;
    case META_SETWINDOWEXT:
        dc.WindowExt = YX(R);
        break;
    case META_SETVIEWPORTORG:
        dc.ViewportOrg = YX(R);
        break;
    case META_SETVIEWPORTEXT:
        dc.ViewportExt = YX(R);
        break;
    case META_OFFSETWINDOWORG: {
        const DPoint d = YX(R);
        dc.WindowOrg = {dc.WindowOrg.X + d.X, dc.WindowOrg.Y + d.Y};
        break;
    }
    case META_OFFSETVIEWPORTORG: {
        const DPoint d = YX(R);
        dc.ViewportOrg = {dc.ViewportOrg.X + d.X, dc.ViewportOrg.Y + d.Y};
        break;
    }
    case META_SCALEWINDOWEXT:
        Scale(dc.WindowExt, R);
        break;
    case META_SCALEVIEWPORTEXT:
        Scale(dc.ViewportExt, R);
        break;
    case META_MOVETO:
        dc.Position = YX(R);
        break;
    case META_LINETO:
        FOut.LineTo(YX(R));
        break;
    case META_POLYGON:
    case META_POLYLINE: {
        const std::vector<DPoint> points = R.Points(R.U16(), false);
        if (Function == META_POLYGON)
            FOut.Polygon(points);
        else
            FOut.Polyline(points);
        break;
    }
    case META_POLYPOLYGON: {
        std::vector<std::uint16_t> counts(R.Items(R.U16(), 2));
        for (auto& c : counts)
            c = R.U16();
        std::vector<std::vector<DPoint>> figures;
        for (const std::uint16_t c : counts)
            figures.push_back(R.Points(c, false));
        FOut.PolyPolygon(figures);
        break;
    }
    case META_RECTANGLE:
        FOut.Rectangle(BRTL(R));
        break;
    case META_ELLIPSE:
        FOut.Ellipse(BRTL(R));
        break;
    case META_ROUNDRECT: {
        const DPoint corner = YX(R);
        FOut.RoundRect(BRTL(R), corner);
        break;
    }
    case META_ARC:
    case META_PIE:
    case META_CHORD: {
        const DPoint end = YX(R), start = YX(R);
        const ArcKind kind = Function == META_ARC   ? ArcKind::Arc
                             : Function == META_PIE ? ArcKind::Pie
                                                    : ArcKind::Chord;
        FOut.Arc(kind, BRTL(R), start, end);
        break;
    }
    case META_SETPIXEL: {
        const TColor color = FileColor(R.U32());
        FOut.SetPixel(YX(R), color);
        break;
    }
    case META_TEXTOUT:
        TextOut(R);
        break;
    case META_EXTTEXTOUT:
        ExtTextOut(R);
        break;
    case META_CREATEPENINDIRECT: {
        LogPen pen;
        pen.Style = R.U16();
        pen.Width = R.I16();
        R.Skip(2);
        pen.Color = FileColor(R.U32());
        FObjects.Add(pen);
        break;
    }
    case META_CREATEBRUSHINDIRECT: {
        LogBrush brush;
        brush.Style = R.U16();
        brush.Color = FileColor(R.U32());
        brush.Hatch = R.U16();
        FObjects.Add(brush);
        break;
    }
    case META_CREATEFONTINDIRECT:
        FObjects.Add(Font(R));
        break;
    case META_DIBCREATEPATTERNBRUSH: {
        R.Skip(2); // style
        const std::uint16_t usage = R.U16();
        LogBrush brush;
        brush.Style = BS_DIBPATTERNPT;
        Reader info, bits;
        SplitPackedDib(R.Part(R.Position(), R.Remaining()), info, bits);
        Dib dib;
        if (!FOut.Checking() && DecodeDib(info, bits, usage, dib)) brush.Pattern = PatternBitmap(dib.Pixels);
        FObjects.Add(brush);
        break;
    }
    case META_CREATEPALETTE:
    case META_CREATEPATTERNBRUSH:
    case META_CREATEREGION:
        FObjects.Add({}); // only the table place counts
        break;
    case META_SELECTOBJECT:
        Select(R.U16());
        break;
    case META_DELETEOBJECT:
        FObjects.Erase(R.U16());
        break;
    case META_EXCLUDECLIPRECT:
        FState.ExcludeClip(BRTL(R));
        break;
    case META_INTERSECTCLIPRECT:
        FState.IntersectClip(BRTL(R));
        break;
    case META_OFFSETCLIPRGN:
        FState.OffsetClip(YX(R));
        break;
    case META_PATBLT: {
        const std::uint32_t rop = R.U32();
        const double h = R.I16(), w = R.I16();
        const DPoint at = YX(R);
        FOut.Bitmap({at.X, at.Y, at.X + w, at.Y + h}, nullptr, rop, clWhite);
        break;
    }
    case META_DIBBITBLT:
    case META_DIBSTRETCHBLT:
    case META_STRETCHDIB:
    case META_SETDIBTODEV:
        Blit(Function, Words, R);
        break;
    default:
        break;
    }
    return true;
}

void WindowsPlayer::Select(std::uint16_t Index) {
    const GdiObject* object = FObjects.Get(Index);
    if (!object) return;
    DeviceContext& dc = FState.DC;
    if (auto* pen = std::get_if<LogPen>(object)) dc.Pen = *pen;
    if (auto* brush = std::get_if<LogBrush>(object)) dc.Brush = *brush;
    if (auto* font = std::get_if<LogFont>(object)) dc.Font = *font;
}

void WindowsPlayer::Scale(DPoint& Ext, Reader& R) {
    const double yDenom = R.I16(), yNum = R.I16(), xDenom = R.I16(), xNum = R.I16();
    if (xDenom == 0 || yDenom == 0) return;
    Ext = {Ext.X * xNum / xDenom, Ext.Y * yNum / yDenom};
}

LogFont WindowsPlayer::Font(Reader& R) {
    LogFont f = ReadLogFontHead(R, false);
    // The face name runs to its 0 byte, or to the end of the record.
    std::string face;
    while (R.Remaining() > 0 && face.size() < 32) {
        const Byte c = R.U8();
        if (c == 0) break;
        face.push_back(char(c));
    }
    f.Face = core::U32ToUtf8(DecodeAnsi(face, f.Charset));
    return f;
}

void WindowsPlayer::TextOut(Reader& R) {
    const std::uint16_t count = R.U16();
    const Reader str = R.Part(R.Position(), count);
    R.Skip(count + (count & 1));
    const DPoint at = YX(R);
    const std::u32string chars = DecodeAnsi(
        std::string_view(reinterpret_cast<const char*>(str.Data()), str.Size()), FState.DC.Font.Charset);
    FOut.Text(at, chars, {}, 0, nullptr);
}

void WindowsPlayer::ExtTextOut(Reader& R) {
    const DPoint at = YX(R);
    const std::uint16_t count = R.U16(), options = R.U16();
    DRect rect;
    const bool hasRect = options & (ETO_CLIPPED | ETO_OPAQUE);
    if (hasRect) {
        const double l = R.I16(), t = R.I16(), r = R.I16(), b = R.I16();
        rect = {l, t, r, b};
    }
    const Reader str = R.Part(R.Position(), count);
    R.Skip(count + (count & 1));
    std::vector<double> dx;
    // The advances are there when the record has room for them.
    if (R.Remaining() >= std::size_t(count) * 2)
        for (std::uint16_t i = 0; i < count; ++i)
            dx.push_back(R.I16());
    const std::u32string chars = DecodeAnsi(
        std::string_view(reinterpret_cast<const char*>(str.Data()), str.Size()), FState.DC.Font.Charset);
    if (dx.size() != chars.size()) dx.clear();
    FOut.Text(at, chars, dx, options, hasRect ? &rect : nullptr);
}

bool WindowsPlayer::Source(Reader& R, std::uint32_t Usage, const TRect& Area, PixelBuffer& Out) {
    Reader info, bits;
    SplitPackedDib(R.Part(R.Position(), R.Remaining()), info, bits);
    Dib dib;
    if (FOut.Checking() || !DecodeDib(info, bits, Usage, dib)) return false;
    TRect area = Area;
    if (dib.BottomUp) {
        const Integer h = dib.Pixels.Height;
        area = TRect(Area.Left, h - Area.Bottom, Area.Right, h - Area.Top);
    }
    Out = Crop(dib.Pixels, area);
    return Out.Width > 0 && Out.Height > 0;
}

void WindowsPlayer::Blit(std::uint16_t Function, std::uint32_t Words, Reader& R) {
    auto area = [](double x, double y, double w, double h) {
        return TRect(Integer(std::min(x, x + w)), Integer(std::min(y, y + h)), Integer(std::max(x, x + w)),
                     Integer(std::max(y, y + h)));
    };
    // Without a bitmap the record is as many words as its function's high
    // byte says, plus three; a bitmap follows the fields otherwise.
    const bool withBitmap = Words != std::uint32_t(Function >> 8) + 3;
    std::uint32_t rop = SrcCopy, usage = DIB_RGB_COLORS;
    double srcX = 0, srcY = 0, srcW = 0, srcH = 0, w = 0, h = 0;
    DPoint at;
    switch (Function) {
    case META_DIBBITBLT:
        rop = R.U32();
        srcY = R.I16();
        srcX = R.I16();
        if (!withBitmap) R.Skip(2);
        h = srcH = R.I16();
        w = srcW = R.I16();
        at = YX(R);
        break;
    case META_DIBSTRETCHBLT:
    case META_STRETCHDIB:
        rop = R.U32();
        if (Function == META_STRETCHDIB) usage = R.U16();
        srcH = R.I16();
        srcW = R.I16();
        srcY = R.I16();
        srcX = R.I16();
        if (Function == META_DIBSTRETCHBLT && !withBitmap) R.Skip(2);
        h = R.I16();
        w = R.I16();
        at = YX(R);
        break;
    default: // META_SETDIBTODEV
        usage = R.U16();
        R.Skip(4); // scan count and first scan
        srcY = R.I16();
        srcX = R.I16();
        h = srcH = R.I16();
        w = srcW = R.I16();
        at = YX(R);
        break;
    }
    const DRect dest{at.X, at.Y, at.X + w, at.Y + h};
    if (!withBitmap && Function != META_STRETCHDIB && Function != META_SETDIBTODEV)
        return FOut.Bitmap(dest, nullptr, rop, clWhite);
    PixelBuffer pixels;
    if (Source(R, usage, area(srcX, srcY, srcW, srcH), pixels)) FOut.Bitmap(dest, &pixels, rop, clWhite);
}

} // namespace

void PlayWindows(Reader Data, const Header& H, TCanvas* Canvas, const TRect& Target, std::size_t& Record) {
    WindowsPlayer player(H, Canvas, Target);
    Record = 0;
    Data.Seek((H.Placeable ? 22 : 0) + 18);
    while (Data.Remaining() > 0) {
        ++Record;
        const std::size_t start = Data.Position();
        const std::uint32_t words = Data.U32();
        const std::uint16_t function = Data.U16();
        if (words < 3 || std::uint64_t(words) * 2 - 6 > Data.Remaining()) Fail();
        Reader record = Data.Part(start, std::uint64_t(words) * 2);
        record.Seek(6);
        Data.Seek(start + std::uint64_t(words) * 2);
        if (!player.Record(function, words, record)) return;
    }
}

} // namespace graphics::metafile
