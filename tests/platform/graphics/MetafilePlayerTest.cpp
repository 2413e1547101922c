// The metafile player on hand-made record streams: what each record kind
// draws on a recording canvas, what damaged data says, and a rendered picture.
#include "platform/core/Exceptions.h"
#include "platform/graphics/MetafilePlayer.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TMetafile.h"
#include "platform/graphics/TRegion.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/MetafileBuilder.h"

#include "tests/platform/graphics/PixelArt.h"

#include <functional>

using namespace metafiletest;

namespace {

constexpr std::uint32_t F1 = 0x3F800000; // 1.0f
constexpr std::uint32_t F2 = 0x40000000; // 2.0f

// The recording of Data played into Target.
String Played(const Bytes& Data, TRect Target = TRect(0, 0, 200, 100)) {
    graphics::RecordingCanvasBackend* rec;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    graphics::CheckMetafile(Data);
    graphics::PlayMetafile(canvas.get(), Target, Data);
    String all;
    for (const String& line : rec->Log)
        all += line + "\n";
    return all;
}

// Parts found in the log in this order.
::testing::AssertionResult InOrder(const String& Log, const std::vector<String>& Parts) {
    std::size_t at = 0;
    for (const String& p : Parts) {
        const std::size_t found = Log.find(p, at);
        if (found == String::npos)
            return ::testing::AssertionFailure() << "missing \"" << p << "\" in\n" << Log;
        at = found + p.size();
    }
    return ::testing::AssertionSuccess();
}

Bytes Ascii(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

struct Row {
    const char* Why;
    std::function<void(Emf&)> Records;
    std::vector<String> Expected; // in order; empty: nothing drawn
    TRect Target = TRect(0, 0, 200, 100);
};

const Bytes Square = Ints({10, 20, 110, 70}); // a rectangle record's box
const Bytes HalfCircle = Ints({0, 0, 100, 100, 100, 50, 0, 50});

} // namespace

TEST(MetafilePlayerTest, EnhancedRecordsDrawOnTheCanvas) {
    const Row rows[] = {
        {"polyline of 16-bit points",
         [](Emf& e) {
             e.Record(87, Ints({0, 0, 0, 0, 3}) + Shorts({10, 10, 50, 10, 50, 40}));
         },
         {"Polyline 10,10 50,10 50,40 pen clBlack\n"}},
        {"polyline of 32-bit points",
         [](Emf& e) {
             e.Record(4, Ints({0, 0, 0, 0, 2, 5, 5, 20, 25}));
         },
         {"Polyline 5,5 20,25 pen clBlack\n"}},
        {"polygon filled with the default white brush",
         [](Emf& e) {
             e.Record(86, Ints({0, 0, 0, 0, 3}) + Shorts({0, 0, 40, 0, 20, 30}));
         },
         {"Polygon 0,0 40,0 20,30 pen clBlack brush clWhite\n"}},
        {"two polygons fill as one figure, then each is outlined",
         [](Emf& e) {
             e.Record(91, Ints({0, 0, 0, 0, 2, 8, 4, 4}) +
                              Shorts({0, 0, 40, 0, 40, 40, 0, 40, 10, 10, 20, 10, 20, 20, 10, 20}));
         },
         {"Polygon 0,0 40,0 40,40 0,40 0,0 10,10 20,10 20,20 10,20 10,10 0,0 pen clear brush clWhite\n",
          "Polyline 0,0 40,0 40,40 0,40 0,0 pen clBlack\n",
          "Polyline 10,10 20,10 20,20 10,20 10,10 pen clBlack\n"}},
        {"rectangle",
         [](Emf& e) { e.Record(43, Square); },
         {"Rectangle 10,20,110,70 pen clBlack brush clWhite\n"}},
        {"ellipse",
         [](Emf& e) {
             e.Record(42, Ints({0, 0, 60, 30}));
         },
         {"Ellipse 0,0,60,30 pen clBlack brush clWhite\n"}},
        {"rounded rectangle with its corner size",
         [](Emf& e) {
             e.Record(44, Ints({0, 0, 60, 30, 10, 8}));
         },
         {"RoundRect 0,0,60,30 10,8 pen clBlack brush clWhite\n"}},
        {"a line from the current position",
         [](Emf& e) {
             e.Record(27, Ints({10, 10})).Record(54, Ints({50, 20}));
         },
         {"Polyline 10,10 50,20 pen clBlack\n"}},
        {"a line far beyond the surface reaches the canvas only where it shows",
         [](Emf& e) {
             e.Record(27, Ints({-100000, 50})).Record(54, Ints({100000, 50}));
         },
         {"Polyline -3,50 803,50 pen clBlack\n"}},
        {"a clip wider than the surface does not widen what a line costs",
         [](Emf& e) {
             e.Record(30, Ints({-100000, -100000, 100000, 100000}));
             e.Record(27, Ints({-100000, 50})).Record(54, Ints({100000, 50}));
         },
         {"Polyline -3,50 803,50 pen clBlack\n"}},
        {"bezier flattened into a polyline through its end",
         [](Emf& e) {
             e.Record(85, Ints({0, 0, 0, 0, 4}) + Shorts({0, 0, 10, 20, 20, 20, 30, 0}));
         },
         {"Polyline 0,0 ", " 15,15 ", " 30,0 pen clBlack\n"}},
        {"arc: counter-clockwise from the right over the top to the left",
         [](Emf& e) { e.Record(45, HalfCircle); },
         {"Polyline 100,50 ", " 50,0 ", " 0,50 pen clBlack\n"}},
        {"arc clockwise after the direction changes",
         [](Emf& e) { e.Record(57, Ints({2})).Record(45, HalfCircle); },
         {"Polyline 100,50 ", " 50,100 ", " 0,50 pen"}},
        {"pie closes through the centre",
         [](Emf& e) { e.Record(47, HalfCircle); },
         {"Polygon 100,50 ", " 50,0 ", " 0,50 50,50 pen clBlack brush clWhite\n"}},
        {"chord closes straight",
         [](Emf& e) { e.Record(46, HalfCircle); },
         {"Polygon 100,50 ", " 0,50 pen clBlack brush clWhite\n"}},
        {"a created pen, once selected, draws red, 3 wide, dashed",
         [](Emf& e) {
             e.Record(38, Ints({1, 1, 3, 0, 0x0000FF})).Record(37, Ints({1})).Record(54, Ints({10, 0}));
         },
         {"Polyline 0,0 10,0 pen clRed w3 psDash\n"}},
        {"a cosmetic pen is one pixel whatever its width",
         [](Emf& e) {
             e.Record(95, Ints({1, 0, 0, 0, 0, 0, 5, 0, 0x00FF00, 0, 0}))
                 .Record(37, Ints({1}))
                 .Record(54, Ints({10, 0}));
         },
         {"Polyline 0,0 10,0 pen clLime\n"}},
        {"a hatched brush",
         [](Emf& e) {
             e.Record(39, Ints({2, 2, 0xFF0000, 4})).Record(37, Ints({2})).Record(43, Square);
         },
         {"Rectangle 10,20,110,70 pen clBlack brush clBlue bsCross\n"}},
        {"stock null pen and null brush",
         [](Emf& e) { e.Record(37, Ints({0x80000008})).Record(37, Ints({0x80000005})).Record(43, Square); },
         {"Rectangle 10,20,110,70 pen clear brush clear\n"}},
        {"a deleted pen is no longer there to select",
         [](Emf& e) {
             e.Record(38, Ints({1, 0, 1, 0, 0x0000FF}))
                 .Record(40, Ints({1}))
                 .Record(37, Ints({1}))
                 .Record(54, Ints({9, 0}));
         },
         {"Polyline 0,0 9,0 pen clBlack\n"}},
        {"restoring the saved context brings its pen back",
         [](Emf& e) {
             e.Record(33, {})
                 .Record(38, Ints({1, 0, 1, 0, 0x0000FF}))
                 .Record(37, Ints({1}))
                 .Record(34, Ints({-1}));
             e.Record(54, Ints({9, 0}));
         },
         {"Polyline 0,0 9,0 pen clBlack\n"}},
        {"world transform: doubled and moved",
         [](Emf& e) {
             e.Record(35, Ints({F2, 0, 0, F2, 0x41200000, 0x40A00000})).Record(43, Ints({0, 0, 10, 10}));
         },
         {"Rectangle 10,5,30,25 "}},
        {"a left-multiplied scale applies before the translation",
         [](Emf& e) {
             e.Record(35, Ints({F1, 0, 0, F1, 0x41200000, 0})).Record(36, Ints({F2, 0, 0, F2, 0, 0, 2}));
             e.Record(43, Ints({0, 0, 10, 10}));
         },
         {"Rectangle 10,0,30,20 "}},
        {"anisotropic: the window stretched onto the viewport",
         [](Emf& e) {
             e.Record(17, Ints({8})).Record(9, Ints({1000, 1000})).Record(11, Ints({200, 100}));
             e.Record(43, Ints({0, 0, 500, 500}));
         },
         {"Rectangle 0,0,100,50 "}},
        {"isotropic keeps the smaller scale on both axes",
         [](Emf& e) {
             e.Record(17, Ints({7})).Record(9, Ints({100, 100})).Record(11, Ints({200, 100}));
             e.Record(43, Ints({0, 0, 50, 50}));
         },
         {"Rectangle 0,0,50,50 "}},
        {"hundredths of a millimetre with y upwards",
         [](Emf& e) {
             e.Record(17, Ints({3})).Record(43, Ints({0, 0, 1000, -500}));
         },
         {"Rectangle 0,0,40,20 "}},
        {"text at its reference point, on the opaque background",
         [](Emf& e) { e.TextW(10, 20, u"Ügy"); },
         {"TextOut 10,20 \"Ügy\" clBlack opaque clWhite\n"}},
        {"transparent red text on its baseline",
         [](Emf& e) {
             e.Record(18, Ints({1})).Record(24, Ints({0x0000FF})).Record(22, Ints({24})).TextW(10, 20, u"A");
         },
         {"TextOut 10,9 \"A\" clRed\n"}},
        {"right-aligned text ends at its reference point",
         [](Emf& e) { e.Record(22, Ints({2})).TextW(100, 0, u"ab"); },
         {"TextOut 88,0 \"ab\""}},
        {"advances place each character",
         [](Emf& e) {
             e.TextW(0, 0, u"ab", {10, 10});
         },
         {"TextOut 0,0 \"a\"", "TextOut 10,0 \"b\""}},
        {"clipped text carries its rectangle",
         [](Emf& e) {
             e.TextW(0, 0, u"x", {}, 4, {0, 0, 50, 10});
         },
         {"TextOut 0,0 \"x\" clBlack opaque clWhite clip 0,0,50,10\n"}},
        {"a bitmap stretched into its rectangle",
         [](Emf& e) {
             e.StretchDIBits(10, 10, 40, 20, MakeDib({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}}), 2, 2);
         },
         {"Blt 10,10,50,30 rop $00CC0020\n"}},
        {"a block transfer without a bitmap paints the brush",
         [](Emf& e) {
             e.Record(76, Ints({0, 0, 0,  0, 5, 5, 10, 10, 0x00F00021, 0, 0, F1,
                                0, 0, F1, 0, 0, 0, 0,  0,  0,          0, 0}));
         },
         {"Blt 5,5,15,15 rop $00F00021\n"}},
        {"a pixel",
         [](Emf& e) {
             e.Record(15, Ints({5, 6, 0x0000FF}));
         },
         {"SetPixel 5,6 clRed\n"}},
        {"intersected clip, and the canvas's own clip back at the end",
         [](Emf& e) {
             e.Record(30, Ints({10, 10, 50, 50})).Record(43, Square);
         },
         {"Clip 10,10,50,50\n", "Rectangle 10,20,110,70", "Clip none\n"}},
        {"an excluded rectangle cuts the surface",
         [](Emf& e) {
             e.Record(29, Ints({0, 0, 100, 600})).Record(43, Square);
         },
         {"Clip 100,0,800,600\n"}},
        {"an empty region selected as a copy removes the clip",
         [](Emf& e) {
             e.Record(30, Ints({10, 10, 50, 50})).Record(75, Ints({0, 5})).Record(43, Square);
         },
         {"Rectangle 10,20,110,70"}},
        {"a region selected as the clip is in device units",
         [](Emf& e) {
             e.Record(75, Ints({48, 5, 32, 1, 1, 16, 0, 0, 20, 20, 0, 0, 20, 20})).Record(43, Square);
         },
         {"Clip 0,0,20,20\n"}},
        {"figures inside a path bracket are not drawn",
         [](Emf& e) {
             e.Record(59, {}).Record(43, Square).Record(60, {}).Record(42, Ints({0, 0, 4, 4}));
         },
         {"Ellipse 0,0,4,4"}},
        {"unknown records are passed over",
         [](Emf& e) {
             e.Record(200, Ints({1, 2, 3})).Record(42, Ints({0, 0, 4, 4}));
         },
         {"Ellipse 0,0,4,4"}},
        {"at twice the size coordinates and pen widths double",
         [](Emf& e) {
             e.Record(38, Ints({1, 0, 3, 0, 0})).Record(37, Ints({1})).Record(43, Square);
         },
         {"Rectangle 20,40,220,140 pen clBlack w6 brush clWhite\n"},
         TRect(0, 0, 400, 200)},
        {"a target away from the origin moves the picture",
         [](Emf& e) { e.Record(43, Square); },
         {"Rectangle 110,70,210,120 "},
         TRect(100, 50, 300, 150)},
    };
    for (const Row& row : rows) {
        Emf e;
        row.Records(e);
        EXPECT_TRUE(InOrder(Played(e.Build(), row.Target), row.Expected)) << row.Why;
    }
    // Nothing but what the rows name: the region and path rows drew no clip
    // or rectangle they should not have.
    Emf copy;
    copy.Record(30, Ints({10, 10, 50, 50})).Record(75, Ints({0, 5})).Record(43, Square);
    EXPECT_EQ(Played(copy.Build()), "Rectangle 10,20,110,70 pen clBlack brush clWhite\n");
    Emf path;
    path.Record(59, {}).Record(43, Square).Record(60, {});
    EXPECT_EQ(Played(path.Build()), "");
}

TEST(MetafilePlayerTest, OlderRecordsDrawOnTheCanvas) {
    struct WmfRow {
        const char* Why;
        std::function<void(Wmf&)> Records;
        std::vector<String> Expected;
    };
    const Bytes redPen = Shorts({0, 2, 0}) + Ints({0x0000FF});
    const Bytes bluePen = Shorts({0, 1, 0}) + Ints({0xFF0000});
    const WmfRow rows[] = {
        {"polyline",
         [](Wmf& w) {
             w.Record(0x0325, Shorts({2, 10, 10, 50, 20}));
         },
         {"Polyline 10,10 50,20 pen clBlack\n"}},
        {"polygon",
         [](Wmf& w) {
             w.Record(0x0324, Shorts({3, 0, 0, 40, 0, 20, 30}));
         },
         {"Polygon 0,0 40,0 20,30 pen clBlack brush clWhite\n"}},
        {"rectangle given bottom, right, top, left",
         [](Wmf& w) {
             w.Record(0x041B, Shorts({70, 110, 20, 10}));
         },
         {"Rectangle 10,20,110,70 "}},
        {"the file's window maps onto the picture's box",
         [](Wmf& w) {
             w.Record(0x020C, Shorts({1000, 2000})).Record(0x041B, Shorts({500, 1000, 0, 0}));
         },
         {"Rectangle 0,0,100,50 "}},
        {"a created pen selected by its slot",
         [&](Wmf& w) {
             w.Record(0x02FA, redPen).Record(0x012D, Shorts({0})).Record(0x0325, Shorts({2, 0, 0, 9, 0}));
         },
         {"Polyline 0,0 9,0 pen clRed w2\n"}},
        {"a deleted slot is taken by the next object",
         [&](Wmf& w) {
             w.Record(0x02FA, redPen)
                 .Record(0x02FC, Shorts({0}) + Ints({0}) + Shorts({0}))
                 .Record(0x01F0, Shorts({0}));
             w.Record(0x02FA, bluePen).Record(0x012D, Shorts({0})).Record(0x0325, Shorts({2, 0, 0, 9, 0}));
         },
         {"Polyline 0,0 9,0 pen clBlue\n"}},
        {"saved and restored context",
         [&](Wmf& w) {
             w.Record(0x001E, {})
                 .Record(0x02FA, redPen)
                 .Record(0x012D, Shorts({0}))
                 .Record(0x0127, Shorts({-1}));
             w.Record(0x0325, Shorts({2, 0, 0, 9, 0}));
         },
         {"Polyline 0,0 9,0 pen clBlack\n"}},
        {"arc given end, start and box in reverse",
         [](Wmf& w) {
             w.Record(0x0817, Shorts({50, 0, 50, 100, 100, 100, 0, 0}));
         },
         {"Polyline 100,50 ", " 50,0 ", " 0,50 pen"}},
        {"text in the central European code page",
         [](Wmf& w) {
             w.Record(0x0521, Shorts({3}) + Bytes{'T', 0xD5, 'r', 0} + Shorts({20, 10}));
         },
         {"TextOut 10,20 \"TŐr\" clBlack opaque clWhite\n"}},
        {"text with its advances, clipped",
         [](Wmf& w) {
             w.Record(0x0A32, Shorts({0, 0, 2, 4, 0, 0, 50, 10}) + Ascii("ab") + Shorts({8, 8}));
         },
         {"TextOut 0,0 \"a\" clBlack opaque clWhite clip 0,0,50,10\n", "TextOut 8,0 \"b\""}},
        {"a bitmap stretched into its rectangle",
         [](Wmf& w) {
             const Dib d = MakeDib({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}});
             w.Record(0x0F43, Ints({0xCC0020}) + Shorts({0, 2, 2, 0, 0, 20, 40, 10, 10}) + d.Info + d.Bits);
         },
         {"Blt 10,10,50,30 rop $00CC0020\n"}},
        {"a clip rectangle",
         [](Wmf& w) {
             w.Record(0x0416, Shorts({50, 50, 10, 10})).Record(0x041B, Shorts({70, 110, 20, 10}));
         },
         {"Clip 10,10,50,50\n", "Rectangle 10,20,110,70"}},
    };
    for (const WmfRow& row : rows) {
        Wmf w(200, 100, 1440);
        row.Records(w);
        EXPECT_TRUE(InOrder(Played(w.Build()), row.Expected)) << row.Why;
    }
    // The same records at another size and without the placeable header.
    Wmf big(200, 100, 1440);
    big.Record(0x041B, Shorts({70, 110, 20, 10}));
    EXPECT_TRUE(InOrder(Played(big.Build(), TRect(0, 0, 100, 50)), {"Rectangle 5,10,55,35 "}));
    Wmf plain(0, 0, 0);
    plain.Record(0x020C, Shorts({100, 200})).Record(0x041B, Shorts({70, 110, 20, 10}));
    EXPECT_TRUE(InOrder(Played(plain.Build(), TRect(0, 0, 400, 200)), {"Rectangle 20,40,220,140 "}));
}

TEST(MetafilePlayerTest, DamagedDataIsAClearErrorAndReadsNothingBeyondItsRecord) {
    auto emf = [](const std::function<void(Emf&)>& f) {
        Emf e;
        f(e);
        return e.Build();
    };
    auto patched = [](Bytes b, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + std::size_t(i)] = Byte(v >> (8 * i));
        return b;
    };
    const Bytes text = emf([](Emf& e) { e.TextW(0, 0, u"abc", {1, 2, 3}); });
    const Bytes picture = emf([](Emf& e) { e.StretchDIBits(0, 0, 4, 4, MakeDib({{0, 0}}), 2, 1); });
    Wmf shortRecord(10, 10, 1440);
    shortRecord.Record(0x0325, Shorts({50, 0, 0}));
    Bytes wrongHeader = Wmf(10, 10, 1440).Build();
    wrongHeader[24] = 7; // the standard header's own size
    struct Case {
        const char* Why;
        Bytes Data;
        const char* Message;
    };
    const Case cases[] = {
        {"neither kind", Bytes(40, 7), "Metafile is not valid"},
        {"older header of the wrong size", wrongHeader, "Metafile is not valid"},
        {"header record shorter than a header", patched(emf([](Emf&) {}), 4, 40),
         "Metafile is not valid: record 1 is damaged"},
        {"record running past the end", patched(emf([](Emf& e) { e.Record(43, Square); }), 92, 4000),
         "Metafile is not valid: record 2 is damaged"},
        {"record too short for its fields", emf([](Emf& e) {
             e.Record(43, Ints({1, 2}));
         }),
         "Metafile is not valid: record 2 is damaged"},
        {"point count beyond the record", emf([](Emf& e) {
             e.Record(87, Ints({0, 0, 0, 0, 0x7FFFFFFF}) + Shorts({1, 1}));
         }),
         "Metafile is not valid: record 2 is damaged"},
        {"polygon counts adding up to more points than given", emf([](Emf& e) {
             e.Record(91, Ints({0, 0, 0, 0, 2, 3, 3, 3}) + Shorts({0, 0, 1, 1, 2, 2}));
         }),
         "Metafile is not valid: record 2 is damaged"},
        {"text outside its record", patched(text, 88 + 8 + 40, 4000),
         "Metafile is not valid: record 2 is damaged"},
        {"advances outside their record", patched(text, 88 + 8 + 64, 0xFFFFFFF0),
         "Metafile is not valid: record 2 is damaged"},
        {"bitmap bits outside their record", patched(picture, 88 + 8 + 48, 0x10000),
         "Metafile is not valid: record 2 is damaged"},
        {"clip region claiming more rectangles than it holds", emf([](Emf& e) {
             e.Record(75, Ints({48, 5, 32, 1, 999, 16, 0, 0, 1, 1, 0, 0, 1, 1}));
         }),
         "Metafile is not valid: record 2 is damaged"},
        {"bytes after the last record too few for another",
         [&] {
             Bytes b = emf([](Emf&) {});
             b.resize(b.size() - 20 + 4);
             return b;
         }(),
         "Metafile is not valid: record 2 is damaged"},
        {"older record shorter than its own header",
         [] {
             Bytes b = Wmf(10, 10, 1440).Build();
             b[40] = 2;
             return b;
         }(),
         "Metafile is not valid: record 1 is damaged"},
        {"older point count beyond the record", shortRecord.Build(),
         "Metafile is not valid: record 1 is damaged"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { graphics::CheckMetafile(c.Data); }), c.Message) << c.Why;
        // Drawing what did not load must not fail either.
        graphics::RecordingCanvasBackend* rec;
        auto canvas = graphics::MakeRecordingCanvas(rec);
        graphics::PlayMetafile(canvas.get(), TRect(0, 0, 50, 50), c.Data);
    }
    // A picture that does not load leaves the one held before.
    TMetafile m;
    m.LoadFromBytes(picture);
    EXPECT_THROW(m.LoadFromBytes(cases[3].Data), EInvalidGraphic);
    EXPECT_EQ(m.Data(), picture);
}

TEST(MetafilePlayerTest, APictureRendersItsShapesBitmapAndTextAtTheZoomAsked) {
    // 100 × 50 reference pixels: a red block without outline, a bitmap of
    // four colours, a clipped blue bar and a line of text.
    Emf e(100, 50);
    e.Record(39, Ints({1, 0, 0x0000FF, 0})).Record(37, Ints({1})).Record(37, Ints({0x80000008}));
    e.Record(43, Ints({5, 5, 25, 20}));
    e.StretchDIBits(30, 5, 20, 10, MakeDib({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFF00}}), 2, 2);
    e.Record(33, {}).Record(30, Ints({60, 0, 70, 50}));
    e.Record(39, Ints({2, 0, 0xFF0000, 0})).Record(37, Ints({2})).Record(43, Ints({55, 5, 95, 20}));
    e.Record(34, Ints({-1}));
    e.Font(3, -10, u"Arial").Record(37, Ints({3})).Record(18, Ints({1})).TextW(5, 30, u"Ügy");
    TMetafile m;
    m.LoadFromBytes(e.Build());
    EXPECT_TRUE(m.Enhanced());
    for (const Integer zoom : {1, 3}) {
        auto b = graphicstest::Filled(100 * zoom, 50 * zoom, clWhite);
        b->Canvas()->StretchDraw(TRect(0, 0, 100 * zoom, 50 * zoom), &m);
        TCanvas* c = b->Canvas();
        auto at = [&](Integer x, Integer y) { return c->Pixels(x * zoom, y * zoom); };
        EXPECT_EQ(at(6, 6), clRed) << zoom;
        EXPECT_EQ(at(23, 18), clRed) << zoom;
        EXPECT_EQ(at(26, 10), clWhite) << zoom;
        // The bitmap's rows the right way up: red and lime on top, blue and yellow below.
        EXPECT_EQ(at(31, 6), clRed) << zoom;
        EXPECT_EQ(at(45, 6), clLime) << zoom;
        EXPECT_EQ(at(31, 13), clBlue) << zoom;
        EXPECT_EQ(at(45, 13), clYellow) << zoom;
        // Only the clipped strip of the bar.
        EXPECT_EQ(at(57, 10), clWhite) << zoom;
        EXPECT_EQ(at(65, 10), clBlue) << zoom;
        EXPECT_EQ(at(80, 10), clWhite) << zoom;
        // Some ink in the text's line and none below it.
        Integer ink = 0, below = 0;
        for (Integer y = 30 * zoom; y < 50 * zoom; ++y)
            for (Integer x = 5 * zoom; x < 40 * zoom; ++x)
                if (c->Pixels(x, y) != clWhite) ++(y < 45 * zoom ? ink : below);
        EXPECT_GT(ink, 10 * zoom * zoom) << zoom;
        EXPECT_EQ(below, 0) << zoom;
        // The canvas keeps no clip of the picture's.
        EXPECT_EQ(c->ClipRegion(), nullptr);
    }
}
