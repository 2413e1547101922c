#include "report/common/detail/rpPreviewGlyphs.h"

#include "platform/graphics/PixelBuffer.h"
#include "platform/graphics/TBitmap.h"

#include <cstring>

namespace report {

namespace {

// One character a pixel: '.' transparent (olive, never used in a picture).
TColor ColourOf(char c) {
    switch (c) {
    case 'k':
        return RGB(0, 0, 0);
    case 'g':
        return RGB(128, 128, 128);
    case 's':
        return RGB(192, 192, 192);
    case 'w':
        return RGB(255, 255, 255);
    case 'b':
        return RGB(0, 0, 128);
    case 'c':
        return RGB(0, 128, 192);
    case 'y':
        return RGB(240, 200, 64);
    case 'o':
        return RGB(176, 128, 32);
    case 'r':
        return RGB(176, 32, 32);
    case 'e':
        return RGB(32, 128, 32);
    default:
        return RGB(128, 128, 0);
    }
}

const char* const ZoomPic[] = {
    "................", "....kkkk........", "..kkwwwwkk......", "..kwwccwwk......",
    ".kwwcwwwwwk.....", ".kwcwwwwwwk.....", ".kwwwwwwwwk.....", ".kwwwwwwwwk.....",
    "..kwwwwwwk......", "..kkwwwwkkk.....", "....kkkk.kkk....", "..........kkk...",
    "...........kkk..", "............kkk.", ".............k..", "................"};
const char* const OpenPic[] = {
    "................", "................", "................", ".kkkk...........",
    "kyyyyk..........", "kyyyyykkkkkkk...", "kyyyyyyyyyyyk...", "kyykkkkkkkkkkkk.",
    "kyykoooooooooook", "kykoooooooooook.", "kykooooooooook..", "kkoooooooooook..",
    "kkooooooooook...", "kkkkkkkkkkkk....", "................", "................"};
const char* const SavePic[] = {
    "................", ".kkkkkkkkkkkkkk.", ".kbkwwwwwwwwkbk.", ".kbkwwwwwwwwkbk.",
    ".kbkwwwwwwwwkbk.", ".kbkwwwwwwwwkbk.", ".kbkwwwwwwwwkbk.", ".kbbkkkkkkkkbbk.",
    ".kbbbbbbbbbbbbk.", ".kbbkkkkkkkkbbk.", ".kbbkssssskkbbk.", ".kbbksskkskkbbk.",
    ".kbbksskkskkbbk.", "..kbksssssskbbk.", "...kkkkkkkkkkkk.", "................"};
const char* const PrintPic[] = {
    "................", "....kkkkkkkk....", "....kwwwwwwk....", "....kwkkkkwk....",
    "....kwwwwwwk....", "..kkkkkkkkkkkk..", ".kssssssssssssk.", ".ksssssssssseek.",
    ".kssssssssssssk.", ".kkkkkkkkkkkkkk.", ".kggkwwwwwwkggk.", "..kkkwkkkkwkkk..",
    "....kwwwwwwk....", "....kkkkkkkk....", "................", "................"};
const char* const FindPic[] = {
    "................", "..kkkk....kkkk..", ".kbbbbk..kbbbbk.", ".kbkkbk..kbkkbk.",
    ".kbkkbkkkkbkkbk.", ".kbbbbkssbbbbbk.", "kbbbbbkssbbbbbbk", "kbccbbkkkkbccbbk",
    "kbccbbk..kbccbbk", "kbbbbbk..kbbbbbk", "kbbbbbk..kbbbbbk", ".kkkkk....kkkkk.",
    "................", "................", "................", "................"};
const char* const HelpPic[] = {
    "................", ".....bbbbbb.....", "....bbbbbbbb....", "...bbb....bbb...",
    "...bbb....bbb...", "..........bbb...", ".........bbb....", "........bbb.....",
    ".......bbb......", ".......bbb......", "................", ".......bbb......",
    ".......bbb......", "................", "................", "................"};
const char* const ExitPic[] = {
    "................",  "...kkkkkkkkk....",  "...kooooooook....", "...kooooooook....",
    "...kooooooook..k.", "...kooooooook.kk.", "...koooooyook kkk", "...koooooyokkkkkk",
    "...kooooooook.kk.", "...kooooooook..k.", "...kooooooook....", "...kooooooook....",
    "...kooooooook....", "...kkkkkkkkkk....", "................",  "................"};
const char* const UpPic[] = {"........", "...kk...", "..kkkk..", ".kkkkkk.",
                             "kkkkkkkk", "........", "........", "........"};
const char* const DownPic[] = {"........", "........", "........", "kkkkkkkk",
                               ".kkkkkk.", "..kkkk..", "...kk...", "........"};

} // namespace

std::unique_ptr<TBitmap> GlyphFromRows(const char* const* Rows, Integer Size) {
    graphics::PixelBuffer px(Size, Size);
    for (Integer y = 0; y < Size; ++y) {
        const Integer len = Integer(std::strlen(Rows[y]));
        for (Integer x = 0; x < Size; ++x)
            px.At(x, y) = ColourOf(x < len ? Rows[y][x] : '.');
    }
    auto bmp = std::make_unique<TBitmap>(Size, Size, pf24bit);
    bmp->PutPixels(0, 0, px);
    return bmp;
}

std::unique_ptr<TBitmap> MakePreviewGlyph(PreviewGlyph Glyph) {
    switch (Glyph) {
    case PreviewGlyph::Zoom:
        return GlyphFromRows(ZoomPic, 16);
    case PreviewGlyph::Open:
        return GlyphFromRows(OpenPic, 16);
    case PreviewGlyph::Save:
        return GlyphFromRows(SavePic, 16);
    case PreviewGlyph::Print:
        return GlyphFromRows(PrintPic, 16);
    case PreviewGlyph::Find:
        return GlyphFromRows(FindPic, 16);
    case PreviewGlyph::Help:
        return GlyphFromRows(HelpPic, 16);
    case PreviewGlyph::Exit:
        return GlyphFromRows(ExitPic, 16);
    case PreviewGlyph::PageUp:
        return GlyphFromRows(UpPic, 8);
    case PreviewGlyph::PageDown:
        return GlyphFromRows(DownPic, 8);
    }
    return nullptr;
}

} // namespace report
