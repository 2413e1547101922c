// Fuzz target of the metafile player: any bytes are either refused as a
// picture (the graphic error) or accepted; an accepted picture is drawn on a
// small bitmap and, far larger than the surface, on a recording canvas,
// without a crash, a hang or a sanitizer report.
#include "platform/core/Exceptions.h"
#include "platform/graphics/MetafilePlayer.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<Byte> bytes(data, data + size);
    try {
        graphics::CheckMetafile(bytes);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    static TBitmap* surface = new TBitmap(64, 48, pf32bit);
    graphics::PlayMetafile(surface->Canvas(), TRect(0, 0, 64, 48), bytes);
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec, TSize(200, 150));
    graphics::PlayMetafile(canvas.get(), TRect(-500, -300, 4000, 3000), bytes);
    return 0;
}
