#include "grid/VgGlyphs.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <array>
#include <memory>

namespace {

constexpr TColor Olive = 0x008080;

void Box(TCanvas* C, Integer L, Integer T, Integer R, Integer B, TColor Color) {
    C->Brush()->SetColor(Color);
    C->FillRect(Rect(L, T, R, B));
}

std::unique_ptr<TBitmap> Paper(TColor Background, Integer W, Integer H) {
    auto bmp = std::make_unique<TBitmap>(W, H);
    Box(bmp->Canvas(), 0, 0, W, H, Background);
    return bmp;
}

std::unique_ptr<TBitmap> Make(Integer Index) {
    if (Index == VG_ARROWASC || Index == VG_ARROWDESC) {
        // A 9-pixel triangle: point up for ascending, down for descending.
        auto bmp = Paper(clSilver, 9, 9);
        TCanvas* C = bmp->Canvas();
        for (Integer i = 0; i < 5; ++i) {
            Integer y = Index == VG_ARROWASC ? 2 + i : 6 - i;
            Box(C, 4 - i, y, 5 + i, y + 1, clGray);
        }
        return bmp;
    }
    if (Index < VG_BLOB || Index > VG_OLE) return nullptr;
    auto bmp = Paper(Olive, 16, 14);
    TCanvas* C = bmp->Canvas();
    // A sheet of paper with a folded corner carries each kind's mark.
    Box(C, 2, 0, 14, 14, clBlack);
    Box(C, 3, 1, 13, 13, clWhite);
    switch (Index) {
    case VG_BLOB:
        for (Integer y = 3; y < 12; y += 2)
            for (Integer x = 4 + (y / 2) % 2; x < 12; x += 2)
                Box(C, x, y, x + 1, y + 1, clNavy);
        break;
    case VG_MEMO:
        for (Integer y = 3; y < 12; y += 2)
            Box(C, 4, y, y == 11 ? 9 : 12, y + 1, clBlack);
        break;
    case VG_PICT:
        Box(C, 4, 3, 12, 11, clTeal);
        Box(C, 9, 4, 11, 6, clYellow);
        Box(C, 4, 8, 12, 11, clGreen);
        break;
    default:
        Box(C, 5, 4, 11, 10, clMaroon);
        Box(C, 7, 6, 9, 8, clWhite);
        break;
    }
    return bmp;
}

} // namespace

TBitmap* GetGridBitmap(Integer Index) {
    static std::array<std::unique_ptr<TBitmap>, 6> cache;
    if (Index < 0 || Index >= Integer(cache.size())) return nullptr;
    auto& slot = cache[std::size_t(Index)];
    if (!slot) slot = Make(Index);
    return slot.get();
}
