#include "tests/platform/graphics/PixelArt.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/BitmapResources.h"
#include "platform/graphics/BmpCodec.h"

#include "tests/support/TempFolder.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

using Bytes = std::vector<Byte>;

void Put32(Bytes& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(Byte(x >> (8 * i)));
}

// A BMP file written by hand, field by field, so that tests do not lean on the
// codec they check. rows: bottom row first, already padded.
Bytes MakeBmp(Integer w, Integer h, int bits, const std::vector<TColor>& palette, const Bytes& rows,
              std::uint32_t compression = 0, std::uint32_t xPels = 0, std::uint32_t clrUsed = 0) {
    Bytes v = {'B', 'M'};
    const std::uint32_t off = 14 + 40 + std::uint32_t(palette.size() * 4);
    Put32(v, off + std::uint32_t(rows.size()));
    Put32(v, 0);
    Put32(v, off);
    Put32(v, 40);
    Put32(v, std::uint32_t(w));
    Put32(v, std::uint32_t(h));
    v.push_back(1);
    v.push_back(0);
    v.push_back(Byte(bits));
    v.push_back(0);
    Put32(v, compression);
    Put32(v, std::uint32_t(rows.size()));
    Put32(v, xPels);
    Put32(v, xPels);
    Put32(v, clrUsed);
    Put32(v, 0);
    for (TColor c : palette) {
        v.push_back(GetBValue(c));
        v.push_back(GetGValue(c));
        v.push_back(GetRValue(c));
        v.push_back(0);
    }
    v.insert(v.end(), rows.begin(), rows.end());
    return v;
}

Bytes SaveBytes(TBitmap& b) {
    TMemoryStream s;
    b.SaveToStream(&s);
    return Bytes(s.Memory(), s.Memory() + s.Size());
}

void Load(TBitmap& b, const Bytes& bytes) {
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), Integer(bytes.size()));
    s.SetPosition(0);
    b.LoadFromStream(&s);
}

const std::map<TColor, char> Legend = {
    {clRed, 'r'}, {clLime, 'g'}, {clBlue, 'b'}, {clWhite, '.'}, {clBlack, '#'}};

// 24 bits, 2 × 2: top row red, green; bottom row blue, white.
const Bytes Golden24 = MakeBmp(2, 2, 24, {},
                               {0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, //
                                0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00});

} // namespace

TEST(BitmapTest, Writes24BitFilesInTheStandardLayout) {
    TBitmap b(2, 2, pf24bit);
    auto* c = b.Canvas();
    c->SetPixels(0, 0, clRed);
    c->SetPixels(1, 0, clLime);
    c->SetPixels(0, 1, clBlue);
    c->SetPixels(1, 1, clWhite);
    EXPECT_EQ(SaveBytes(b), Golden24);
}

TEST(BitmapTest, Reads24BitFilesAndWritesThemBackUnchanged) {
    TBitmap b;
    Load(b, Golden24);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    EXPECT_EQ(graphicstest::Art(b, Legend), "rg\nb.");
    EXPECT_EQ(SaveBytes(b), Golden24);
}

TEST(BitmapTest, OneBitRowsArePaddedAndKeptByteForByte) {
    // 9 pixels: two bytes of bits and two of padding; odd padding bytes and a
    // resolution survive a load and save.
    const Bytes rows = {0xAA, 0x80, 0x5A, 0x5A, // bottom: .#.#.#.#. then odd padding
                        0x00, 0x00, 0x00, 0x00};
    const Bytes file = MakeBmp(9, 2, 1, {clBlack, clWhite}, rows, 0, 3780);
    TBitmap b;
    Load(b, file);
    EXPECT_TRUE(b.Monochrome());
    EXPECT_EQ(graphicstest::Art(b, Legend), "#########\n.#.#.#.#.");
    EXPECT_EQ(SaveBytes(b), file);
    // Once the pixels change the file is written afresh, padding zeroed.
    b.Canvas()->SetPixels(0, 0, clWhite);
    const Bytes again = SaveBytes(b);
    TBitmap c;
    Load(c, again);
    EXPECT_EQ(graphicstest::Art(c, Legend), ".########\n.#.#.#.#.");
    EXPECT_EQ(again[62 + 2], 0); // padding of the bottom row
}

TEST(BitmapTest, FourAndEightBitPalettesRoundTrip) {
    std::vector<TColor> pal16 = graphics::DefaultPalette(4);
    std::swap(pal16[1], pal16[9]); // a non-standard order must survive
    const Bytes four = MakeBmp(3, 1, 4, pal16, {0x19, 0xF0, 0x00, 0x00});
    TBitmap b4;
    Load(b4, four);
    EXPECT_EQ(b4.PixelFormat(), pf4bit);
    EXPECT_EQ(b4.Canvas()->Pixels(0, 0), pal16[1]);
    EXPECT_EQ(b4.Canvas()->Pixels(1, 0), pal16[9]);
    EXPECT_EQ(b4.Canvas()->Pixels(2, 0), clWhite);
    EXPECT_EQ(SaveBytes(b4), four);

    std::vector<TColor> pal(256, clBlack);
    pal[7] = 0x123456;
    pal[200] = 0x00ABCDEF;
    const Bytes eight = MakeBmp(2, 1, 8, pal, {7, 200, 0, 0}, 0, 0, 256);
    TBitmap b8;
    Load(b8, eight);
    EXPECT_EQ(b8.PixelFormat(), pf8bit);
    EXPECT_EQ(b8.Canvas()->Pixels(0, 0), 0x123456u);
    EXPECT_EQ(b8.Canvas()->Pixels(1, 0), 0xABCDEFu);
    EXPECT_EQ(SaveBytes(b8), eight);
    EXPECT_EQ(static_cast<Byte*>(b8.ScanLine(0))[1], 200);
}

// Callers keep the handle for the bitmap's life: it must show the palette as it is now.
TEST(BitmapTest, PaletteHandleFollowsThePalette) {
    TBitmap b(2, 1, pf8bit);
    const HPALETTE handle = b.PaletteHandle();
    ASSERT_NE(handle, nullptr);
    const auto entries = [&] {
        std::vector<TColor> colors;
        PALETTEENTRY e;
        for (Cardinal i = 0; GetPaletteEntries(b.PaletteHandle(), i, 1, &e) == 1; ++i)
            colors.push_back(RGB(e.peRed, e.peGreen, e.peBlue));
        return colors;
    };
    EXPECT_EQ(entries(), graphics::DefaultPalette(8));
    b.SetPalette({clRed, clLime, clBlue});
    EXPECT_EQ(b.PaletteHandle(), handle);
    EXPECT_EQ(entries(), (std::vector<TColor>{clRed, clLime, clBlue}));
    b.SetPixelFormat(pf1bit);
    EXPECT_EQ(entries(), (std::vector<TColor>{clBlack, clWhite}));
    b.SetPixelFormat(pf24bit); // true colour: no palette
    EXPECT_EQ(b.PaletteHandle(), nullptr);
}

TEST(BitmapTest, OwnFilesOfEveryDepthReadBackTheSame) {
    std::mt19937 rng(7);
    for (TPixelFormat f : {pf1bit, pf4bit, pf8bit, pf24bit, pf32bit}) {
        TBitmap b(5, 3, f);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const auto& pal = b.Palette();
                b.Canvas()->SetPixels(x, y, pal.empty() ? TColor(rng() & 0xFFFFFF) : pal[rng() % pal.size()]);
            }
        const Bytes first = SaveBytes(b);
        TBitmap c;
        Load(c, first);
        EXPECT_EQ(c.PixelFormat(), f);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(c.Canvas()->Pixels(x, y), b.Canvas()->Pixels(x, y)) << f;
        EXPECT_EQ(SaveBytes(c), first);
    }
}

TEST(BitmapTest, DecodesRle8) {
    std::vector<TColor> pal(256, clBlack);
    pal[1] = clRed;
    pal[2] = clLime;
    pal[3] = clBlue;
    pal[4] = clWhite;
    const Bytes rle = {4, 1, 0, 0,             // bottom row: four of index 1
                       0, 3, 2, 3, 4, 0, 1, 2, // top row: absolute 2 3 4, then one 2
                       0, 1};
    TBitmap b;
    Load(b, MakeBmp(4, 2, 8, pal, rle, 1));
    EXPECT_EQ(graphicstest::Art(b, Legend), "gb.g\nrrrr");
}

TEST(BitmapTest, ScanLinesUseThePlatformLayout) {
    TBitmap b(2, 2, pf24bit);
    b.Canvas()->SetPixels(1, 0, RGB(1, 2, 3));
    auto* row = static_cast<Byte*>(b.ScanLine(0));
    EXPECT_EQ(row[3], 3); // blue first
    EXPECT_EQ(row[4], 2);
    EXPECT_EQ(row[5], 1);
    row[0] = 0xFF; // writing through the scan line reaches the pixels
    row[1] = 0;
    row[2] = 0;
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);

    TBitmap m(10, 1, pf1bit);
    m.Canvas()->SetPixels(0, 0, clBlack);
    m.Canvas()->SetPixels(9, 0, clBlack);
    auto* bits = static_cast<Byte*>(m.ScanLine(0));
    EXPECT_EQ(bits[0], 0x7F);
    EXPECT_EQ(bits[1], 0xC0 & ~0x40);
    EXPECT_EQ(m.RowBytes(), 4);
}

TEST(BitmapTest, ScanLineOutOfRangeRaises) {
    TBitmap b(2, 2, pf24bit);
    for (int row : {-1, 2}) {
        EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { b.ScanLine(row); }),
                  "Scan line index out of range");
    }
}

TEST(BitmapTest, MalformedStreamsRaise) {
    Bytes truncated = Golden24;
    truncated.resize(60);
    Bytes badMagic = Golden24;
    badMagic[0] = 'X';
    Bytes badDepth = Golden24;
    badDepth[28] = 7;
    Bytes huge = MakeBmp(100000, 100000, 24, {}, {0, 0, 0, 0});
    Bytes shortRows = MakeBmp(4, 4, 24, {}, {0, 0, 0, 0});
    for (const Bytes* bytes : {&truncated, &badMagic, &badDepth, &huge, &shortRows}) {
        TBitmap b;
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { Load(b, *bytes); }), "Bitmap image is not valid");
        EXPECT_TRUE(b.Empty());
    }
}

TEST(BitmapTest, ConvertingToOneBitKeepsOnlyBlack) {
    TBitmap b(3, 1, pf24bit);
    b.Canvas()->SetPixels(0, 0, clBlack);
    b.Canvas()->SetPixels(1, 0, clGray);
    b.SetMonochrome(true);
    EXPECT_EQ(b.PixelFormat(), pf1bit);
    EXPECT_EQ(graphicstest::Art(b, Legend), "#..");
    // Drawing on it keeps two colours.
    b.Canvas()->SetPixels(2, 0, clNavy);
    EXPECT_EQ(b.Canvas()->Pixels(2, 0), clWhite);
}

TEST(BitmapTest, ResizeKeepsPixelsAndPadsWhite) {
    TBitmap b(2, 1, pf24bit);
    b.Canvas()->SetPixels(0, 0, clRed);
    b.SetSize(3, 2);
    EXPECT_EQ(graphicstest::Art(b, Legend), "r..\n...");
    b.SetWidth(0);
    EXPECT_TRUE(b.Empty());
    EXPECT_TRUE(SaveBytes(b).empty());
}

TEST(BitmapTest, TransparentColourDefaultsToTheBottomLeftPixel) {
    TBitmap b(2, 2, pf24bit);
    b.Canvas()->SetPixels(0, 1, clFuchsia);
    EXPECT_EQ(b.TransparentColor(), clFuchsia);
    b.SetTransparentColor(clLime);
    EXPECT_EQ(b.TransparentMode(), tmFixed);
    EXPECT_EQ(b.TransparentColor(), clLime);
}

TEST(BitmapTest, TransparentDrawLeavesTheKeyColourOut) {
    TBitmap glyph(2, 1, pf24bit);
    glyph.Canvas()->SetPixels(0, 0, clFuchsia);
    glyph.Canvas()->SetPixels(1, 0, clBlue);
    glyph.SetTransparentColor(clFuchsia);
    glyph.SetTransparent(true);
    auto dest = graphicstest::Filled(2, 1, clRed);
    dest->Canvas()->Draw(0, 0, &glyph);
    EXPECT_EQ(graphicstest::Art(*dest, Legend), "rb");
    auto wide = graphicstest::Filled(4, 1, clWhite);
    glyph.SetTransparent(false);
    wide->Canvas()->StretchDraw(TRect(0, 0, 4, 1), &glyph);
    EXPECT_EQ(wide->Canvas()->Pixels(1, 0), clFuchsia);
    EXPECT_EQ(wide->Canvas()->Pixels(2, 0), clBlue);
}

TEST(BitmapTest, AssignCopiesPixelsAndFormat) {
    TBitmap a;
    Load(a, Golden24);
    TBitmap b;
    b.Assign(&a);
    a.Canvas()->SetPixels(0, 0, clBlack);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(SaveBytes(b), Golden24);
    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
}

TEST(BitmapTest, AssignDropsWhatWasWrittenThroughTheOldScanLines) {
    TBitmap target(2, 2, pf24bit);
    static_cast<Byte*>(target.ScanLine(0))[0] = 0x00; // rows handed out and written
    TBitmap source(40, 3, pf32bit);
    source.Canvas()->Brush()->SetColor(RGB(200, 100, 40));
    source.Canvas()->FillRect(TRect(0, 0, 40, 3));
    target.Assign(&source);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), RGB(200, 100, 40));
    EXPECT_EQ(target.Canvas()->Pixels(39, 2), RGB(200, 100, 40));
}

TEST(BitmapTest, FilesInATemporaryFolder) {
    const TempFolder folder("velmora-bitmap");
    const std::filesystem::path dir = folder.Path();
    const String name = (dir / "kep.bmp").string();
    TBitmap a;
    Load(a, Golden24);
    a.SaveToFile(name);
    TBitmap b;
    b.LoadFromFile(name);
    EXPECT_EQ(SaveBytes(b), Golden24);
    EXPECT_EQ(ErrorOf<EFOpenError>([&] { b.LoadFromFile((dir / "nincs.bmp").string()); }),
              "Cannot open file \"" + (dir / "nincs.bmp").string() + "\"");
}

TEST(BitmapTest, ResourcesAreFoundByNameInAnyCase) {
    RegisterBitmapResource("VG_TEST_GOLDEN", Golden24.data(), Golden24.size());
    TBitmap b;
    b.LoadFromResourceName("vg_test_golden");
    EXPECT_EQ(SaveBytes(b), Golden24);
    EXPECT_EQ(ErrorOf<EResNotFound>([&] { b.LoadFromResourceName("VG_NO_SUCH"); }),
              "Resource VG_NO_SUCH not found");
    EXPECT_EQ(SaveBytes(b), Golden24); // unchanged
}

TEST(BitmapTest, SixteenBitScanLinesPackWords) {
    TBitmap b(2, 1, pf16bit);
    b.Canvas()->SetPixels(0, 0, RGB(255, 0, 0));
    b.Canvas()->SetPixels(1, 0, RGB(10, 20, 30));
    auto* row = static_cast<Byte*>(b.ScanLine(0));
    EXPECT_EQ(b.RowBytes(), 4);
    EXPECT_EQ(row[0] | (row[1] << 8), 0xF800); // 5-6-5 red
    // Reading alone leaves the exact colours (no rounding to 16 bits).
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), RGB(10, 20, 30));
    row = static_cast<Byte*>(b.ScanLine(0));
    row[2] = 0x1F; // pure blue
    row[3] = 0x00;
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), clBlue);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);

    TBitmap f(1, 1, pf15bit);
    f.Canvas()->SetPixels(0, 0, clLime);
    row = static_cast<Byte*>(f.ScanLine(0));
    EXPECT_EQ(row[0] | (row[1] << 8), 0x03E0); // 5-5-5 green
}

TEST(BitmapTest, ReadingScanLinesKeepsTheLoadedBytes) {
    TBitmap b;
    Load(b, Golden24);
    b.ScanLine(0);
    b.Canvas()->Pixels(0, 0); // takes the rows back
    EXPECT_EQ(SaveBytes(b), Golden24);
}

TEST(BitmapTest, RowsMissingFromTheDataAreRefusedBeforeAllocating) {
    // Found by fuzzing prepared reports: a 78-byte picture claiming 14,221,315 × 2
    // pixels of 24 bits made the reader fill 28 million pixels before it noticed.
    const Bytes damaged = MakeBmp(14'221'315, 2, 24, {}, {0, 0, 0, 0});
    graphics::BmpImage image;
    EXPECT_FALSE(graphics::DecodeBmp(damaged.data(), damaged.size(), image));
    EXPECT_EQ(image.Pixels.Width, 0);
    EXPECT_TRUE(image.Pixels.Pixels.empty());
}
