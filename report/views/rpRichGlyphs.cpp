#include "report/views/detail/rpRichGlyphs.h"

#include "platform/graphics/TBitmap.h"
#include "report/common/detail/rpPreviewGlyphs.h"

namespace report {

namespace {

// One character a pixel, as the preview's pictures: '.' transparent, 'k'
// black, 'g' gray, 'b' navy, 'c' blue, 'r' red.
const char* const UndoPic[] = {
    "................", "................", "................", "....k...........",
    "...kk...........", "..kckkkkkkk.....", ".kccccccccck....", "..kckkkkkkcck...",
    "...kk.....kck...", "....k......kck..", "...........kck..", "...........kck..",
    "..........kck...", ".......kkkkk....", "................", "................"};
const char* const FontPic[] = {
    "................", "................", "......kk........", "......kk........",
    ".....k.kk.......", ".....k.kk.......", "....k...kk......", "....kkkkkk......",
    "...k.....kk.....", "...k.....kk.....", "..kkk...kkkk....", "................",
    "..rrrrrrrrrrrr..", "..rrrrrrrrrrrr..", "................", "................"};
const char* const BoldPic[] = {
    "................", "................", "................", "...kkkkkkk......",
    "....kkk..kk.....", "....kkk..kkk....", "....kkk..kk.....", "....kkkkkk......",
    "....kkk..kkk....", "....kkk...kkk...", "....kkk...kkk...", "....kkk..kkk....",
    "...kkkkkkkk.....", "................", "................", "................"};
const char* const ItalicPic[] = {
    "................", "................", "................", ".......kkkkk....",
    ".........kk.....", ".........kk.....", "........kk......", "........kk......",
    ".......kk.......", ".......kk.......", "......kk........", "......kk........",
    "....kkkkk.......", "................", "................", "................"};
const char* const UnderlinePic[] = {
    "................", "................", "...kkkk..kkkk...", "....kk....kk....",
    "....kk....kk....", "....kk....kk....", "....kk....kk....", "....kk....kk....",
    "....kk....kk....", "....kk....kk....", ".....kk..kk.....", "......kkkk......",
    "................", "...kkkkkkkkkk...", "................", "................"};
const char* const AlignLeftPic[] = {
    "................", "................", "..kkkkkkkkkkkk..", "................",
    "..kkkkkkkk......", "................", "..kkkkkkkkkkkk..", "................",
    "..kkkkkkkk......", "................", "..kkkkkkkkkkkk..", "................",
    "..kkkkkkkk......", "................", "................", "................"};
const char* const AlignCenterPic[] = {
    "................", "................", "..kkkkkkkkkkkk..", "................",
    "....kkkkkkkk....", "................", "..kkkkkkkkkkkk..", "................",
    "....kkkkkkkk....", "................", "..kkkkkkkkkkkk..", "................",
    "....kkkkkkkk....", "................", "................", "................"};
const char* const AlignRightPic[] = {
    "................", "................", "..kkkkkkkkkkkk..", "................",
    "......kkkkkkkk..", "................", "..kkkkkkkkkkkk..", "................",
    "......kkkkkkkk..", "................", "..kkkkkkkkkkkk..", "................",
    "......kkkkkkkk..", "................", "................", "................"};
const char* const BulletsPic[] = {
    "................", "................", "..bb............", "..bb..kkkkkkkk..",
    "................", "................", "................", "..bb............",
    "..bb..kkkkkkkk..", "................", "................", "................",
    "..bb............", "..bb..kkkkkkkk..", "................", "................"};
const char* const VariablePic[] = {
    "................", "................", "..kkk......kkk..", "..k..........k..",
    "..k..........k..", "..k..c....c..k..", "..k...c..c...k..", "..k....cc....k..",
    "..k....cc....k..", "..k...c..c...k..", "..k..c....c..k..", "..k..........k..",
    "..k..........k..", "..kkk......kkk..", "................", "................"};
const char* const SizeUpPic[] = {
    "................", "................", "................", "................",
    "................", ".......k........", "......kkk.......", ".....kkkkk......",
    "....kkkkkkk.....", "...kkkkkkkkk....", "................", "................",
    "................", "................", "................", "................"};
const char* const SizeDownPic[] = {
    "................", "................", "................", "................",
    "................", "................", "...kkkkkkkkk....", "....kkkkkkk.....",
    ".....kkkkk......", "......kkk.......", ".......k........", "................",
    "................", "................", "................", "................"};

} // namespace

std::unique_ptr<TBitmap> MakeRichGlyph(RichGlyph Glyph) {
    switch (Glyph) {
    case RichGlyph::Undo:
        return GlyphFromRows(UndoPic, 16);
    case RichGlyph::Font:
        return GlyphFromRows(FontPic, 16);
    case RichGlyph::Bold:
        return GlyphFromRows(BoldPic, 16);
    case RichGlyph::Italic:
        return GlyphFromRows(ItalicPic, 16);
    case RichGlyph::Underline:
        return GlyphFromRows(UnderlinePic, 16);
    case RichGlyph::AlignLeft:
        return GlyphFromRows(AlignLeftPic, 16);
    case RichGlyph::AlignCenter:
        return GlyphFromRows(AlignCenterPic, 16);
    case RichGlyph::AlignRight:
        return GlyphFromRows(AlignRightPic, 16);
    case RichGlyph::Bullets:
        return GlyphFromRows(BulletsPic, 16);
    case RichGlyph::Variable:
        return GlyphFromRows(VariablePic, 16);
    case RichGlyph::SizeUp:
        return GlyphFromRows(SizeUpPic, 16);
    case RichGlyph::SizeDown:
        return GlyphFromRows(SizeDownPic, 16);
    }
    return nullptr;
}

} // namespace report
