// Writes seed metafiles for the metafile player's fuzzer into the folder
// named by the first argument: enhanced files with every record kind the
// player draws (shapes, pens and brushes, text, mapping and clipping,
// bitmaps and regions) and older files with and without the placeable header.
#include "tests/support/MetafileBuilder.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

using namespace metafiletest;

namespace {

void Write(const std::string& path, const Bytes& b) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

const Dib Picture = MakeDib({{0xFF0000, 0x00FF00, 0x0000FF}, {0xFFFFFF, 0x000000, 0x808080}});

Bytes Shapes() {
    Emf e;
    e.Record(38, Ints({1, 1, 3, 0, 0x0000FF}))
        .Record(95, Ints({2, 0, 0, 0, 0, 0x10000, 4, 0, 0x00FF00, 0, 0}));
    e.Record(39, Ints({3, 2, 0xFF0000, 5}))
        .Record(94,
                Ints({4, 0, 32, 40, 72, std::int64_t(Picture.Bits.size())}) + Picture.Info + Picture.Bits);
    e.Record(37, Ints({1}))
        .Record(37, Ints({3}))
        .Record(43, Ints({10, 10, 60, 40}))
        .Record(42, Ints({0, 0, 50, 30}));
    e.Record(37, Ints({2})).Record(37, Ints({4})).Record(44, Ints({5, 5, 80, 60, 10, 10}));
    e.Record(45, Ints({0, 0, 100, 100, 100, 50, 0, 50})).Record(46, Ints({0, 0, 80, 40, 80, 20, 0, 20}));
    e.Record(47, Ints({0, 0, 60, 60, 60, 30, 30, 0}))
        .Record(57, Ints({2}))
        .Record(55, Ints({0, 0, 40, 40, 40, 20, 0, 20}));
    e.Record(27, Ints({5, 5})).Record(54, Ints({90, 90})).Record(41, Ints({50, 50, 20, 0, 0x43340000}));
    e.Record(87, Ints({0, 0, 0, 0, 3}) + Shorts({1, 1, 40, 5, 20, 60}));
    e.Record(86, Ints({0, 0, 0, 0, 3}) + Shorts({0, 0, 40, 0, 20, 30}));
    e.Record(91, Ints({0, 0, 0, 0, 2, 6, 3, 3}) + Shorts({0, 0, 40, 0, 20, 30, 5, 5, 15, 5, 10, 15}));
    e.Record(85, Ints({0, 0, 0, 0, 4}) + Shorts({0, 0, 10, 20, 20, 20, 30, 0}));
    e.Record(88, Ints({0, 0, 0, 0, 3}) + Shorts({40, 40, 50, 10, 60, 40}));
    e.Record(4, Ints({0, 0, 0, 0, 2, 5, 5, 20, 25})).Record(15, Ints({5, 6, 0x0000FF})).Record(40, Ints({1}));
    e.Record(20, Ints({7})).Record(43, Ints({0, 0, 30, 30})).Record(37, Ints({0x80000008}));
    return e.Build();
}

Bytes Text() {
    Emf e;
    e.Font(1, -14, u"Arial", 700).Font(2, 12, u"Times New Roman", 400, 900).Record(37, Ints({1}));
    e.Record(24, Ints({0x000080})).Record(25, Ints({0xC0FFFF})).TextW(10, 10, u"Ügyek listája");
    e.Record(18, Ints({1})).Record(22, Ints({24})).TextW(100, 40, u"jobbra", {8, 8, 8, 8, 8, 8});
    e.Record(22, Ints({6})).Record(37, Ints({2})).TextW(100, 60, u"x", {}, 4, {90, 50, 110, 70});
    e.Record(22, Ints({1})).TextW(0, 80, u"a").TextW(0, 80, u"b");
    e.Record(83, Ints({0, 0, 0, 0, 1, 0, 0, 5, 90, 3, 76, 0, 0, 0, 0, 0, 0}) + Bytes{'T', 0xD5, 'r', 0});
    return e.Build();
}

Bytes Mapping() {
    Emf e;
    e.Record(33, {}).Record(17, Ints({8})).Record(9, Ints({1000, 1000})).Record(11, Ints({200, 100}));
    e.Record(10, Ints({10, 10}))
        .Record(12, Ints({5, 5}))
        .Record(31, Ints({2, 1, 3, 2}))
        .Record(32, Ints({1, 2, 1, 2}));
    e.Record(43, Ints({0, 0, 500, 500}))
        .Record(34, Ints({-1}))
        .Record(17, Ints({3}))
        .Record(43, Ints({0, 0, 1000, -500}));
    e.Record(17, Ints({7}))
        .Record(17, Ints({2}))
        .Record(17, Ints({4}))
        .Record(17, Ints({5}))
        .Record(17, Ints({6}));
    e.Record(17, Ints({1})).Record(35, Ints({0x3F800000, 0x3F000000, 0xBF000000, 0x3F800000, 0x41200000, 0}));
    e.Record(43, Ints({0, 0, 40, 20})).Record(36, Ints({0x40000000, 0, 0, 0x40000000, 0, 0, 2}));
    e.Record(42, Ints({0, 0, 40, 20})).Record(36, Ints({0, 0, 0, 0, 0, 0, 1}));
    e.Record(30, Ints({10, 10, 150, 90})).Record(29, Ints({20, 20, 40, 40})).Record(26, Ints({5, 5}));
    e.Record(75, Ints({48, 1, 32, 1, 1, 16, 0, 0, 60, 60, 0, 0, 60, 60})).Record(43, Ints({0, 0, 100, 100}));
    e.Record(59, {}).Record(43, Ints({0, 0, 9, 9})).Record(60, {}).Record(62, Ints({0, 0, 0, 0}));
    e.Record(75, Ints({0, 5})).Record(42, Ints({0, 0, 9, 9}));
    return e.Build();
}

Bytes Bitmaps() {
    Emf e;
    e.StretchDIBits(10, 10, 60, 20, Picture, 3, 2);
    const std::int64_t bmi = 8 + 92, size = std::int64_t(Picture.Info.size());
    e.Record(76, Ints({0,
                       0,
                       0,
                       0,
                       80,
                       10,
                       3,
                       2,
                       0xCC0020,
                       0,
                       0,
                       0x3F800000,
                       0,
                       0,
                       0x3F800000,
                       0,
                       0,
                       0,
                       0,
                       bmi,
                       size,
                       bmi + size,
                       std::int64_t(Picture.Bits.size())}) +
                     Picture.Info + Picture.Bits);
    e.Record(77, Ints({0,
                       0,
                       0,
                       0,
                       80,
                       40,
                       30,
                       20,
                       0x8800C6,
                       0,
                       0,
                       0x3F800000,
                       0,
                       0,
                       0x3F800000,
                       0,
                       0,
                       0,
                       0,
                       bmi + 8,
                       size,
                       bmi + 8 + size,
                       std::int64_t(Picture.Bits.size()),
                       3,
                       2}) +
                     Picture.Info + Picture.Bits);
    e.Record(76, Ints({0, 0, 0,          0, 5, 5, 10, 10, 0x00F00021, 0, 0, 0x3F800000,
                       0, 0, 0x3F800000, 0, 0, 0, 0,  0,  0,          0, 0}));
    e.Record(80, Ints({0, 0, 0, 0, 0, 60, 0, 0, 3, 2, 76, size, 76 + size, std::int64_t(Picture.Bits.size()),
                       0, 0, 2}) +
                     Picture.Info + Picture.Bits);
    e.Record(39, Ints({1, 0, 0x00FF00, 0}));
    e.Record(71, Ints({0, 0, 0, 0, 48, 1, 32, 1, 1, 16, 0, 0, 30, 30, 0, 0, 30, 30}));
    e.Record(74, Ints({0, 0, 0, 0, 48, 32, 1, 1, 16, 0, 0, 30, 30, 40, 40, 70, 70}));
    return e.Build();
}

Bytes Older(std::uint16_t inch) {
    Wmf w(200, 100, inch);
    w.Record(0x0103, Shorts({8})).Record(0x020B, Shorts({0, 0})).Record(0x020C, Shorts({100, 200}));
    w.Record(0x02FA, Shorts({0, 2, 0}) + Ints({0x0000FF}))
        .Record(0x02FC, Shorts({2}) + Ints({0xFF0000}) + Shorts({3}));
    w.Record(0x02FB, Shorts({-14, 0, 0, 0, 700}) + Bytes{0, 0, 0, 238, 0, 0, 0, 0} +
                         Bytes{'A', 'r', 'i', 'a', 'l', 0});
    w.Record(0x012D, Shorts({0})).Record(0x012D, Shorts({1})).Record(0x012D, Shorts({2}));
    w.Record(0x0325, Shorts({2, 10, 10, 50, 20})).Record(0x0324, Shorts({3, 0, 0, 40, 0, 20, 30}));
    w.Record(0x0538, Shorts({2, 3, 3, 0, 0, 40, 0, 20, 30, 5, 5, 15, 5, 10, 15}));
    w.Record(0x041B, Shorts({70, 110, 20, 10}))
        .Record(0x0418, Shorts({60, 60, 0, 0}))
        .Record(0x061C, Shorts({8, 8, 50, 90, 5, 5}));
    w.Record(0x0817, Shorts({50, 0, 50, 100, 100, 100, 0, 0}))
        .Record(0x081A, Shorts({0, 30, 30, 60, 60, 60, 0, 0}));
    w.Record(0x0830, Shorts({20, 0, 20, 80, 40, 80, 0, 0}))
        .Record(0x0214, Shorts({5, 5}))
        .Record(0x0213, Shorts({90, 90}));
    w.Record(0x041F, Ints({0x00FF00}) + Shorts({3, 3}))
        .Record(0x0209, Ints({0x000080}))
        .Record(0x0201, Ints({0xFFFFC0}));
    w.Record(0x0102, Shorts({1}))
        .Record(0x012E, Shorts({24}))
        .Record(0x0521, Shorts({3}) + Bytes{'T', 0xD5, 'r', 0} + Shorts({20, 10}));
    w.Record(0x0A32, Shorts({40, 10, 2, 4, 0, 0, 50, 10}) + Bytes{'a', 'b'} + Shorts({8, 8}));
    w.Record(0x001E, {}).Record(0x0416, Shorts({80, 150, 10, 10})).Record(0x0415, Shorts({40, 40, 20, 20}));
    w.Record(0x0220, Shorts({2, 2}))
        .Record(0x0104, Shorts({7}))
        .Record(0x0127, Shorts({-1}))
        .Record(0x01F0, Shorts({0}));
    w.Record(0x0F43,
             Ints({0xCC0020}) + Shorts({0, 2, 3, 0, 0, 20, 40, 10, 10}) + Picture.Info + Picture.Bits);
    w.Record(0x0B41, Ints({0xCC0020}) + Shorts({2, 3, 0, 0, 20, 40, 50, 10}) + Picture.Info + Picture.Bits);
    w.Record(0x0940, Ints({0xCC0020}) + Shorts({0, 0, 2, 3, 70, 10}) + Picture.Info + Picture.Bits);
    w.Record(0x0D33, Shorts({0, 2, 0, 0, 0, 2, 3, 80, 10}) + Picture.Info + Picture.Bits);
    w.Record(0x0142, Shorts({5, 0}) + Picture.Info + Picture.Bits).Record(0x012D, Shorts({0}));
    w.Record(0x061D, Ints({0xF00021}) + Shorts({10, 10, 85, 85})).Record(0x00F7, Shorts({0x300, 0}));
    w.Record(0x020F, Shorts({1, 1})).Record(0x0211, Shorts({1, 1})).Record(0x0410, Shorts({1, 2, 1, 2}));
    w.Record(0x0412, Shorts({2, 1, 2, 1})).Record(0x020D, Shorts({0, 0})).Record(0x020E, Shorts({100, 200}));
    return w.Build();
}

} // namespace

int main(int argc, char** argv) {
    const std::pair<const char*, Bytes> seeds[] = {
        {"shapes.emf", Shapes()},   {"text.emf", Text()},           {"mapping.emf", Mapping()},
        {"bitmaps.emf", Bitmaps()}, {"placeable.wmf", Older(1440)}, {"plain.wmf", Older(0)},
    };
    if (argc != 2) {
        std::fprintf(stderr, "%s writes its seeds into the folder named\n", argv[0]);
        return 2;
    }
    for (const auto& [name, bytes] : seeds)
        Write(std::string(argv[1]) + "/" + name, bytes);
    return 0;
}
