#include "tests/platform/graphics/PixelArt.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TMetafile.h"
#include "platform/graphics/TPicture.h"

#include "tests/support/TempFolder.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Bytes = std::vector<Byte>;

void Put32(Bytes& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(Byte(x >> (8 * i)));
}
void Put16(Bytes& v, std::uint16_t x) {
    v.push_back(Byte(x));
    v.push_back(Byte(x >> 8));
}

// A 2 × 2, 32-bit icon: top row red, transparent; bottom row blue, green.
Bytes SmallIcon() {
    Bytes v;
    Put16(v, 0);
    Put16(v, 1);
    Put16(v, 1);
    const std::uint32_t imageSize = 40 + 16 + 8;
    v.push_back(2);
    v.push_back(2);
    v.push_back(0);
    v.push_back(0);
    Put16(v, 1);
    Put16(v, 32);
    Put32(v, imageSize);
    Put32(v, 22);
    Put32(v, 40);
    Put32(v, 2);
    Put32(v, 4); // colour and mask halves
    Put16(v, 1);
    Put16(v, 32);
    for (int i = 0; i < 6; ++i)
        Put32(v, 0);
    // Bottom row first, B G R A.
    for (Byte b : {Byte(0xFF), Byte(0), Byte(0), Byte(0xFF), Byte(0), Byte(0xFF), Byte(0), Byte(0xFF)})
        v.push_back(b);
    for (Byte b : {Byte(0), Byte(0), Byte(0xFF), Byte(0xFF), Byte(0), Byte(0), Byte(0), Byte(0)})
        v.push_back(b);
    for (int i = 0; i < 8; ++i)
        v.push_back(0); // AND mask rows
    return v;
}

Bytes PlaceableMetafile() {
    Bytes v;
    Put32(v, 0x9AC6CDD7);
    Put16(v, 0);
    Put16(v, 0); // left
    Put16(v, 0); // top
    Put16(v, 1440);
    Put16(v, 720);
    Put16(v, 1440); // units per inch
    Put32(v, 0);
    Put16(v, 0);
    // Standard header and the end record.
    for (Byte b : {1, 0, 9, 0, 0, 3, 12, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0})
        v.push_back(b);
    return v;
}

void LoadInto(TGraphic& g, const Bytes& bytes) {
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), Integer(bytes.size()));
    s.SetPosition(0);
    g.LoadFromStream(&s);
}

Bytes Saved(TGraphic& g) {
    TMemoryStream s;
    g.SaveToStream(&s);
    return Bytes(s.Memory(), s.Memory() + s.Size());
}

} // namespace

TEST(IconTest, LoadsDrawsTransparentlyAndSavesTheSameBytes) {
    TIcon icon;
    LoadInto(icon, SmallIcon());
    EXPECT_EQ(icon.Width(), 2);
    EXPECT_EQ(icon.Height(), 2);
    auto dest = graphicstest::Filled(2, 2, clWhite);
    dest->Canvas()->Draw(0, 0, &icon);
    EXPECT_EQ(graphicstest::Art(*dest, {{clRed, 'r'}, {clBlue, 'b'}, {clLime, 'g'}, {clWhite, '.'}}),
              "r.\nbg");
    EXPECT_EQ(Saved(icon), SmallIcon());
}

TEST(IconTest, RefusesOtherDataAndResizing) {
    TIcon icon;
    for (const Bytes& bad : {Bytes{1, 2, 3}, Bytes(30, 0), PlaceableMetafile()}) {
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { LoadInto(icon, bad); }), "Icon image is not valid");
    }
    EXPECT_TRUE(icon.Empty());
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { icon.SetWidth(32); }),
              "Cannot change the size of an icon");
}

TEST(MetafileTest, KeepsBytesReadsTheSizeAndPlaysItsRecords) {
    TMetafile m;
    LoadInto(m, PlaceableMetafile());
    EXPECT_FALSE(m.Enhanced());
    EXPECT_EQ(m.Width(), 96); // one inch
    EXPECT_EQ(m.Height(), 48);
    EXPECT_EQ(Saved(m), PlaceableMetafile());
    graphics::RecordingCanvasBackend* rec;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    canvas->StretchDraw(TRect(0, 0, 10, 5), &m);
    EXPECT_EQ(rec->Log, std::vector<String>{}); // the file holds no drawing record
}

TEST(MetafileTest, RecognisesEnhancedFilesAndRefusesOthers) {
    Bytes emf(88, 0);
    emf[0] = 1;                                       // EMR_HEADER
    emf[4] = 88;                                      // of 88 bytes
    const std::int32_t frame[4] = {0, 0, 2540, 1270}; // hundredths of a millimetre
    for (int i = 0; i < 4; ++i)
        for (int b = 0; b < 4; ++b)
            emf[std::size_t(24 + 4 * i + b)] = Byte(std::uint32_t(frame[i]) >> (8 * b));
    emf[40] = 0x20;
    emf[41] = 'E';
    emf[42] = 'M';
    emf[43] = 'F';
    for (Byte b : {14, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 16, 0, 0, 0, 20, 0, 0, 0}) // EMR_EOF
        emf.push_back(b);
    TMetafile m;
    LoadInto(m, emf);
    EXPECT_TRUE(m.Enhanced());
    EXPECT_EQ(m.Width(), 96);
    EXPECT_EQ(m.Height(), 48);
    EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { LoadInto(m, Bytes{'B', 'M', 0, 0}); }), "Metafile is not valid");
    EXPECT_TRUE(m.Enhanced()); // the old picture is kept
}

TEST(PictureTest, HoldsACopyOfEachKind) {
    TPicture p;
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    TBitmap b(3, 2, pf24bit);
    p.SetGraphic(&b);
    ASSERT_NE(dynamic_cast<TBitmap*>(p.Graphic()), nullptr);
    EXPECT_NE(p.Graphic(), &b);
    EXPECT_EQ(p.Width(), 3);
    p.Bitmap()->SetWidth(5); // changes of the held graphic reach the picture
    EXPECT_EQ(changes, 2);
    TMetafile* m = p.Metafile(); // another kind replaces the bitmap
    EXPECT_TRUE(m->Empty());
    EXPECT_EQ(p.Width(), 0);
    TPicture q;
    q.Assign(&p);
    EXPECT_NE(dynamic_cast<TMetafile*>(q.Graphic()), nullptr);
    q.Assign(nullptr);
    EXPECT_EQ(q.Graphic(), nullptr);
}

TEST(PictureTest, FilesByExtension) {
    const TempFolder folder("velmora-picture");
    const std::filesystem::path dir = folder.Path();
    TPicture p;
    EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { p.SaveToFile((dir / "ures.bmp").string()); }),
              "Cannot save an empty picture");
    p.Bitmap()->SetSize(2, 2);
    p.SaveToFile((dir / "kep.BMP").string());
    TPicture q;
    q.LoadFromFile((dir / "kep.BMP").string());
    EXPECT_EQ(q.Width(), 2);
    ASSERT_NE(dynamic_cast<TBitmap*>(q.Graphic()), nullptr);
    EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { q.LoadFromFile((dir / "kep.gif").string()); }),
              "Unknown picture file extension (.gif)");
    EXPECT_EQ(q.Width(), 2); // unchanged after the failure
}

TEST(PictureTest, WriteDataNamesTheGraphicBeforeItsBytes) {
    TPicture p;
    TMemoryStream empty;
    p.WriteData(&empty);
    EXPECT_EQ(empty.Size(), 0);

    // A bitmap's file comes after its byte count.
    TBitmap bmp(2, 1, pf24bit);
    p.SetGraphic(&bmp);
    const Bytes file = bmp.SaveToBytes();
    Bytes expected = {7, 'T', 'B', 'i', 't', 'm', 'a', 'p'};
    Put32(expected, std::uint32_t(file.size()));
    expected.insert(expected.end(), file.begin(), file.end());
    TMemoryStream s;
    p.WriteData(&s);
    EXPECT_EQ(Bytes(s.Memory(), s.Memory() + s.Size()), expected);

    // Other graphics follow their name directly.
    TMetafile m;
    LoadInto(m, PlaceableMetafile());
    p.SetGraphic(&m);
    expected = {9, 'T', 'M', 'e', 't', 'a', 'f', 'i', 'l', 'e'};
    const Bytes meta = PlaceableMetafile();
    expected.insert(expected.end(), meta.begin(), meta.end());
    TMemoryStream ms;
    p.WriteData(&ms);
    EXPECT_EQ(Bytes(ms.Memory(), ms.Memory() + ms.Size()), expected);
}
