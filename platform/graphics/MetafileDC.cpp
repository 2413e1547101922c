#include "platform/graphics/MetafileDC.h"

#include <algorithm>
#include <cmath>

namespace graphics::metafile {

TPenMode PenModeOf(int Rop2) {
    static const TPenMode modes[16] = {
        pmBlack, pmNotMerge, pmMaskNotPen, pmNotCopy,     pmMaskPenNot, pmNot,         pmXor,   pmNotMask,
        pmMask,  pmNotXor,   pmNop,        pmMergeNotPen, pmCopy,       pmMergePenNot, pmMerge, pmWhite};
    return Rop2 >= 1 && Rop2 <= 16 ? modes[Rop2 - 1] : pmCopy;
}

DeviceState::DeviceState(const Matrix& Playback, DPoint PixelsPerMm, const TRect& Universe)
    : FPlayback(Playback), FPixelsPerMm(PixelsPerMm), FUniverse(Universe) {}

void DeviceState::Save() {
    FSaved.push_back(DC);
}

void DeviceState::Restore(std::int32_t Level) {
    const auto depth = static_cast<std::int64_t>(FSaved.size());
    const std::int64_t keep = Level < 0 ? depth + Level : std::int64_t(Level) - 1;
    if (Level == 0 || keep < 0 || keep >= depth) return;
    DC = FSaved[std::size_t(keep)];
    FSaved.resize(std::size_t(keep));
}

Matrix DeviceState::Page() const {
    double sx = 1, sy = 1;
    // Millimetres per logical unit of the fixed modes; y grows upwards in them.
    double unit = 0;
    switch (DC.MapMode) {
    case MM_LOMETRIC:
        unit = 0.1;
        break;
    case MM_HIMETRIC:
        unit = 0.01;
        break;
    case MM_LOENGLISH:
        unit = 0.254;
        break;
    case MM_HIENGLISH:
        unit = 0.0254;
        break;
    case MM_TWIPS:
        unit = 25.4 / 1440;
        break;
    case MM_ISOTROPIC:
    case MM_ANISOTROPIC: {
        sx = DC.ViewportExt.X / (DC.WindowExt.X != 0 ? DC.WindowExt.X : 1);
        sy = DC.ViewportExt.Y / (DC.WindowExt.Y != 0 ? DC.WindowExt.Y : 1);
        if (DC.MapMode == MM_ISOTROPIC) {
            const double m = std::min(std::fabs(sx), std::fabs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
        break;
    }
    default:
        break;
    }
    if (unit > 0) {
        sx = FPixelsPerMm.X * unit;
        sy = -FPixelsPerMm.Y * unit;
    }
    return Matrix::Scaling(sx, sy, DC.ViewportOrg.X - DC.WindowOrg.X * sx,
                           DC.ViewportOrg.Y - DC.WindowOrg.Y * sy);
}

Matrix DeviceState::Transform() const {
    return DC.World.Then(Page()).Then(FPlayback);
}

TRect DeviceState::ToTarget(const DRect& Logical) const {
    const Matrix m = Transform();
    const DPoint corners[4] = {m.Map({Logical.Left, Logical.Top}), m.Map({Logical.Right, Logical.Top}),
                               m.Map({Logical.Left, Logical.Bottom}), m.Map({Logical.Right, Logical.Bottom})};
    TRect r(ToPixel(corners[0]), ToPixel(corners[0]));
    for (const DPoint& c : corners) {
        const TPoint p = ToPixel(c);
        r.Left = std::min(r.Left, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Right = std::max(r.Right, p.X);
        r.Bottom = std::max(r.Bottom, p.Y);
    }
    return r;
}

void DeviceState::SetClip(TRegion Region) {
    DC.Clip = std::make_shared<const TRegion>(std::move(Region));
}

void DeviceState::IntersectClip(const DRect& Logical) {
    const TRegion r(ToTarget(Logical));
    SetClip(DC.Clip ? DC.Clip->Intersected(r) : r);
}

void DeviceState::ExcludeClip(const DRect& Logical) {
    const TRegion r(ToTarget(Logical));
    SetClip((DC.Clip ? *DC.Clip : TRegion(FUniverse)).Subtracted(r));
}

void DeviceState::SelectClip(const TRegion* Region, int Mode) {
    if (Mode == RGN_COPY) {
        if (Region)
            SetClip(*Region);
        else
            DC.Clip.reset();
        return;
    }
    if (!Region) return;
    const TRegion current = DC.Clip ? *DC.Clip : TRegion(FUniverse);
    switch (Mode) {
    case RGN_AND:
        SetClip(current.Intersected(*Region));
        break;
    case RGN_OR:
        // Everything joined with anything stays everything.
        if (DC.Clip) SetClip(current.United(*Region));
        break;
    case RGN_XOR:
        SetClip(current.Xored(*Region));
        break;
    case RGN_DIFF:
        SetClip(current.Subtracted(*Region));
        break;
    default:
        break;
    }
}

void DeviceState::OffsetClip(DPoint Logical) {
    if (!DC.Clip) return;
    const DPoint d = Transform().MapVector(Logical);
    TRegion moved = *DC.Clip;
    moved.Offset(ToPixel(d.X), ToPixel(d.Y));
    SetClip(std::move(moved));
}

} // namespace graphics::metafile
