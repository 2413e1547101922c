#pragma once
// Playback of metafile pictures, the enhanced kind and the older one (with
// or without its placeable header), through the platform canvas at any size.
// Records this player does not draw are passed over; data that ends early,
// counts that exceed their record or offsets outside it make the whole
// picture invalid when it is loaded.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

#include <vector>

class TCanvas;

namespace graphics {

struct MetafileInfo {
    bool Enhanced = false;
    // The picture's size in pixels at 96 dots per inch (0 when the file does
    // not state one).
    Integer Width = 0;
    Integer Height = 0;
};

// Reads the header and checks every record. Raises EInvalidGraphic "Metafile
// is not valid" for bytes of neither kind, and "Metafile is not valid: record
// <n> is damaged" (counted from 1) when a record cannot be read.
MetafileInfo CheckMetafile(const std::vector<Byte>& Data);

// Draws Data, which CheckMetafile accepted, scaled into Target. The canvas's
// pen, brush, font and clip are as they were afterwards.
void PlayMetafile(TCanvas* Canvas, const TRect& Target, const std::vector<Byte>& Data);

} // namespace graphics
