// Byte layout of the block compressor and the compressed stream, round trips at
// the block boundaries, and the decompressor's refusal of corrupt input.
#include "controls/common/UtlLZRW.h"
#include "controls/common/UtlStreams.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using Bytes = std::vector<Byte>;

Bytes Compress(const Bytes& in) {
    Bytes out(in.size() + 6);
    out.resize(UtlLZRWCompress(in.data(), out.data(), Word(in.size())));
    return out;
}

Bytes Expand(const Bytes& block) {
    Bytes out(UtlLZRWMaxSource);
    out.resize(UtlLZRWDecompress(block.data(), out.data(), Word(block.size())));
    return out;
}

Bytes RandomBytes(std::size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    Bytes out(n);
    for (auto& b : out)
        b = Byte(gen());
    return out;
}

// Text-like data that compresses: words from a small vocabulary.
Bytes WordyBytes(std::size_t n) {
    static const char* words[] = {"ügy ", "ügyfél ", "letét ", "iktatás ", "dokumentum ", "határidő "};
    std::mt19937 gen(7);
    Bytes out;
    while (out.size() < n) {
        const std::string w = words[gen() % 6];
        out.insert(out.end(), w.begin(), w.end());
    }
    out.resize(n);
    return out;
}

Bytes StreamBytes(TMemoryStream& s) {
    return Bytes(s.Memory(), s.Memory() + s.Size());
}

Bytes CompressStream(const Bytes& in) {
    TMemoryStream source, dest;
    if (!in.empty()) source.WriteBuffer(in.data(), Integer(in.size()));
    source.SetPosition(0);
    SaveCompressedStream(&source, &dest, Integer(in.size()));
    return StreamBytes(dest);
}

Bytes ExpandStream(const Bytes& stored) {
    TMemoryStream source, dest;
    source.WriteBuffer(stored.data(), Integer(stored.size()));
    source.SetPosition(0);
    LoadCompressedStream(&source, &dest);
    return StreamBytes(dest);
}

TEST(LZRWBlock, EmptyInputIsOneStoredByte) {
    EXPECT_EQ(Compress({}), Bytes{128});
    EXPECT_TRUE(Expand({128}).empty());
}

TEST(LZRWBlock, HundredEqualBytesAreOneRun) {
    const Bytes block = Compress(Bytes(100, 'x'));
    EXPECT_EQ(block, (Bytes{64, 0x80, 0x00, 0, 0, 84, 'x'}));
    EXPECT_EQ(Expand(block), Bytes(100, 'x'));
}

TEST(LZRWBlock, RepeatedTextIsLiteralsAndOneOverlappingCopy) {
    const Bytes in{'a', 'b', 'c', 'a', 'b', 'c', 'a', 'b', 'c', 'a', 'b', 'c'};
    const Bytes block = Compress(in);
    // Copy word: offset 3 × 16 + (9 − 3); it overlaps its own output.
    EXPECT_EQ(block, (Bytes{64, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x36}));
    EXPECT_EQ(Expand(block), in);
}

TEST(LZRWBlock, RandomFullBlockIsStored) {
    const Bytes in = RandomBytes(UtlLZRWMaxSource, 1);
    const Bytes block = Compress(in);
    ASSERT_EQ(block.size(), std::size_t(UtlLZRWMaxSource) + 1);
    EXPECT_EQ(block[0], 128);
    EXPECT_EQ(Expand(block), in);
}

TEST(LZRWBlock, LongRunIsSplitAtTheLongestRun) {
    const Bytes in(5000, 'z');
    const Bytes block = Compress(in);
    // Run of 4095 (0x0FEF after subtracting 16), then a run of the 905 left (0x0379).
    EXPECT_EQ(block, (Bytes{64, 0xC0, 0x00, 0, 0x0F, 0xEF, 'z', 0, 0x03, 0x79, 'z'}));
    EXPECT_EQ(Expand(block), in);
}

TEST(LZRWBlock, SeventeenItemsStartASecondControlWord) {
    // 17 distinct bytes: the 17th literal needs a new control word after 16 items.
    Bytes in;
    for (int i = 0; i < 17; ++i)
        in.push_back(Byte('A' + i));
    const Bytes block = Compress(in);
    // 1 + 2 + 16 + 2 + 1 = 22 > 17: stored instead.
    EXPECT_EQ(block[0], 128);
    EXPECT_EQ(Expand(block), in);
}

TEST(LZRWBlock, RoundTripsOfMixedData) {
    for (std::size_t n : {1u, 2u, 3u, 17u, 4096u, 20000u, 32781u}) {
        Bytes in = WordyBytes(n);
        const Bytes block = Compress(in);
        EXPECT_LE(block.size(), n + 1) << n;
        EXPECT_EQ(Expand(block), in) << n;
    }
}

TEST(LZRWBlock, OversizedSourceRaises) {
    Bytes in(UtlLZRWMaxSource + 1), out(in.size() + 6);
    EXPECT_EQ(ErrorOf<EUtlCompressError>([&] { UtlLZRWCompress(in.data(), out.data(), Word(in.size())); }),
              "LZRW Error!");
}

TEST(LZRWBlock, CorruptBlocksRaise) {
    const std::string corrupt = UtlLZRWCorruptMessage;
    struct Row {
        const char* why;
        Bytes block;
    } rows[] = {
        {"copy before the output's start", {64, 0x80, 0x00, 0x00, 0x36}},
        {"copy item cut short", {64, 0x80, 0x00, 0x00}},
        {"run item cut short", {64, 0x80, 0x00, 0, 0, 1}},
        {"run longer than the output",
         {64,   0xFF, 0x80, 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0,
          0x0F, 0xFF, 'a',  0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a'}},
        {"compressed flag without a control word", {64, 0x80}},
        {"second control word without an item",
         {64, 0x00, 0x00, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0x00, 0x00}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ErrorOf<EUtlCompressError>([&] { Expand(row.block); }), corrupt) << row.why;
    // A stored block larger than the output.
    Bytes big(40, 1);
    big[0] = 128;
    Bytes out(10);
    EXPECT_EQ(ErrorOf<EUtlCompressError>([&] { UtlLZRWDecompress(big.data(), out.data(), 40, 10); }),
              corrupt);
}

TEST(CompressedStream, EmptyCountWritesOnlyTheTotal) {
    EXPECT_EQ(CompressStream({}), (Bytes{0, 0, 0, 0}));
    EXPECT_TRUE(ExpandStream({0, 0, 0, 0}).empty());
}

TEST(CompressedStream, LayoutOfOneBlock) {
    // total = 4 + 7, block length 7, then the run block.
    EXPECT_EQ(CompressStream(Bytes(100, 'x')),
              (Bytes{11, 0, 0, 0, 7, 0, 0, 0, 64, 0x80, 0x00, 0, 0, 84, 'x'}));
}

TEST(CompressedStream, RoundTripsAtBlockBoundaries) {
    const std::size_t block = UtlLZRWMaxSource;
    for (std::size_t n : {block - 1, block, block + 1, 2 * block, 2 * block + 5}) {
        const Bytes in = WordyBytes(n);
        EXPECT_EQ(ExpandStream(CompressStream(in)), in) << n;
    }
    const Bytes random = RandomBytes(block + 1, 3);
    const Bytes stored = CompressStream(random);
    // Two stored blocks: 32782 and 2 bytes, each with its length.
    EXPECT_EQ(stored.size(), 4u + 4 + block + 1 + 4 + 2);
    EXPECT_EQ(ExpandStream(stored), random);
}

TEST(CompressedStream, PositionEndsAfterTheStream) {
    TMemoryStream source, dest;
    const Bytes in = WordyBytes(100);
    source.WriteBuffer(in.data(), 100);
    source.SetPosition(0);
    dest.WriteByte(0xEE);
    SaveCompressedStream(&source, &dest, 100);
    EXPECT_EQ(dest.Position(), dest.Size());
    EXPECT_EQ(dest.Memory()[0], 0xEE);
}

TEST(CompressedStream, BadLengthsRaise) {
    const std::string corrupt = UtlLZRWCorruptMessage;
    struct Row {
        const char* why;
        Bytes stored;
    } rows[] = {
        {"negative total", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"block length 0", {8, 0, 0, 0, 0, 0, 0, 0}},
        {"block length above 32782", {0, 0, 1, 0, 0x0F, 0x80, 0, 0}},
        {"block longer than the total", {5, 0, 0, 0, 7, 0, 0, 0, 64, 0x80, 0, 0, 0, 84, 'x'}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ErrorOf<EUtlCompressError>([&] { ExpandStream(row.stored); }), corrupt) << row.why;
    EXPECT_EQ(ErrorOf<EReadError>([&] { ExpandStream({11, 0, 0, 0, 7, 0, 0, 0, 64}); }), "Stream read error");
}

TEST(StreamRecords, StringsCarryOneLengthByteInCodePage1250) {
    TMemoryStream s;
    stWriteString(&s, "ügy");
    EXPECT_EQ(StreamBytes(s), (Bytes{3, 0xFC, 'g', 'y'}));
    s.SetPosition(0);
    EXPECT_EQ(stReadString(&s), "ügy");
}

TEST(StreamRecords, StringOfMoreThan255CharactersIsRefused) {
    TMemoryStream s;
    stWriteString(&s, String(255, 'a'));
    EXPECT_EQ(s.Size(), 256);
    EXPECT_EQ(ErrorOf<EWriteError>([&] { stWriteString(&s, String(300, 'a')); }),
              "String too long for its record (300 characters, at most 255)");
    EXPECT_EQ(s.Size(), 256);
}

TEST(StreamRecords, StringListPlainAndCompressed) {
    TStringList list;
    list.Add("első");
    list.Add("második");
    TMemoryStream plain;
    stWriteStringList(&plain, &list, false);
    // Count 15: "els\xF5\r\nm\xE1sodik\r\n".
    EXPECT_EQ(Bytes(plain.Memory(), plain.Memory() + 8), (Bytes{15, 0, 0, 0, 'e', 'l', 's', 0xF5}));
    for (bool compressed : {false, true}) {
        TMemoryStream s;
        stWriteStringList(&s, &list, compressed);
        s.SetPosition(0);
        TStringList back;
        back.Add("régi");
        stReadStringList(&s, &back, compressed);
        EXPECT_EQ(back.Text(), list.Text()) << compressed;
        EXPECT_EQ(s.Position(), s.Size());
    }
}

TEST(StreamRecords, PlainCountBeyondTheStreamRaisesBeforeReading) {
    TMemoryStream s;
    stWriteInteger(&s, 1000000);
    s.SetPosition(0);
    TStringList list;
    EXPECT_EQ(ErrorOf<EReadError>([&] { stReadStringList(&s, &list, false); }), "Stream read error");
}

TEST(StreamRecords, BitmapRoundTripsKeepPixels) {
    TBitmap bmp(5, 3, pf24bit);
    bmp.Canvas()->SetPixels(0, 0, clRed);
    bmp.Canvas()->SetPixels(4, 2, clBlue);
    for (bool compressed : {false, true})
        for (Integer colors : {-1, 0, 256}) {
            TMemoryStream s;
            stWriteBitmap(&s, &bmp, compressed, colors);
            s.SetPosition(0);
            TBitmap back;
            stReadBitmap(&s, &back, compressed);
            EXPECT_EQ(back.Width(), 5);
            EXPECT_EQ(back.Canvas()->Pixels(0, 0), clRed) << compressed << colors;
            EXPECT_EQ(back.Canvas()->Pixels(4, 2), clBlue) << compressed << colors;
        }
}

TEST(StreamRecords, DIBHeaderFollowsTheColourCount) {
    TBitmap bmp(9, 2, pf24bit);
    struct Row {
        Integer colors;
        Byte bitCount;
        std::size_t size;
    } rows[] = {
        {2, 1, 14 + 40 + 8 + 4 * 2},       // rows of 4 bytes
        {16, 4, 14 + 40 + 64 + 8 * 2},     // 9 × 4 bits = 36 → 8 bytes
        {256, 8, 14 + 40 + 1024 + 12 * 2}, // 9 bytes → 12
        {0, 24, 14 + 40 + 28 * 2},         // the bitmap's own 24 bits
        {7, 24, 14 + 40 + 28 * 2},         // unknown counts write 24 bits
    };
    for (const Row& row : rows) {
        TMemoryStream s;
        UtlBmpSaveDIBStream(&s, &bmp, row.colors);
        EXPECT_EQ(s.Position(), 0);
        ASSERT_EQ(std::size_t(s.Size()), row.size) << row.colors;
        EXPECT_EQ(s.Memory()[0], 'B');
        EXPECT_EQ(s.Memory()[28], row.bitCount) << row.colors;
    }
    TBitmap mono(9, 2, pf1bit);
    TMemoryStream s;
    UtlBmpSaveDIBStream(&s, &mono, 256);
    EXPECT_EQ(s.Memory()[28], 1);
    TBitmap empty;
    EXPECT_EQ(ErrorOf<Exception>([&] { UtlBmpSaveDIBStream(&s, &empty, 0); }), "Bitmap image is not valid");
}

} // namespace
