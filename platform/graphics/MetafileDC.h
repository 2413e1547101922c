#pragma once
// The device context a metafile plays on: mapping mode, window and viewport,
// world transform, the selected pen, brush and font, colours, alignment, the
// current position and the clip, with the stack that saves and restores them.
// Coordinates pass from the file's logical units through the world and page
// transforms to the file's device units, and from there through the playback
// transform to the target rectangle on the canvas.
#include "platform/graphics/GraphicsTypes.h"
#include "platform/graphics/MetafileGeometry.h"
#include "platform/graphics/MetafileObjects.h"
#include "platform/graphics/TRect.h"
#include "platform/graphics/TRegion.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace graphics::metafile {

constexpr int MM_TEXT = 1, MM_LOMETRIC = 2, MM_HIMETRIC = 3, MM_LOENGLISH = 4, MM_HIENGLISH = 5, MM_TWIPS = 6,
              MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8;
constexpr std::uint32_t TA_UPDATECP = 1, TA_RIGHT = 2, TA_CENTER = 6, TA_BOTTOM = 8, TA_BASELINE = 24;
constexpr int AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2;
constexpr int R2_COPYPEN = 13;

struct DeviceContext {
    int MapMode = MM_TEXT;
    DPoint WindowOrg;
    DPoint WindowExt{1, 1};
    DPoint ViewportOrg;
    DPoint ViewportExt{1, 1};
    Matrix World;
    LogPen Pen;
    LogBrush Brush;
    LogFont Font;
    TColor TextColor = clBlack;
    TColor BkColor = clWhite;
    int BkMode = OPAQUE;
    std::uint32_t TextAlign = 0;
    int Rop2 = R2_COPYPEN;
    int ArcDirection = AD_COUNTERCLOCKWISE;
    DPoint Position; // the current position, logical
    // In target coordinates; null when the file sets none.
    std::shared_ptr<const TRegion> Clip;
};

// The pen mode of a binary raster operation (R2_BLACK = 1 … R2_WHITE = 16);
// pmCopy for any other value.
TPenMode PenModeOf(int Rop2);

class DeviceState {
public:
    // Playback takes the file's device units to target coordinates;
    // PixelsPerMm is the file device's resolution, which the metric mapping
    // modes use. Universe stands for "everything" where a clip is cut from
    // the whole surface.
    DeviceState(const Matrix& Playback, DPoint PixelsPerMm, const TRect& Universe);

    DeviceContext DC;

    void Save();
    // Negative: that many levels back; positive: the level of that number
    // (1 the first saved). Levels that were never saved are ignored.
    void Restore(std::int32_t Level);

    // Logical units to target coordinates.
    Matrix Transform() const;
    const Matrix& Playback() const { return FPlayback; }
    // The bounding box of a logical rectangle in target pixels.
    TRect ToTarget(const DRect& Logical) const;

    void IntersectClip(const DRect& Logical);
    void ExcludeClip(const DRect& Logical);
    // Combines Region (target coordinates) into the clip by mode (RGN_*);
    // RGN_COPY with no region removes the clip.
    void SelectClip(const TRegion* Region, int Mode);
    void OffsetClip(DPoint Logical);

private:
    Matrix Page() const;
    void SetClip(TRegion Region);

    Matrix FPlayback;
    DPoint FPixelsPerMm;
    TRect FUniverse;
    std::vector<DeviceContext> FSaved;
};

} // namespace graphics::metafile
