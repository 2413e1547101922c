// Picture cells in the written worksheet: each picture an object over its cell
// with its image, the drawing group before the end holding every picture, and a
// spreadsheet reader (LibreOffice) that shows them where they belong.
#include "tests/export/ExportFixture.h"

#include "platform/graphics/TBitmap.h"
#include "tests/support/OfficeReader.h"

namespace {

using exporttest::ReadRecords;
using exporttest::Record;
using exporttest::Word16;

std::uint32_t Dword32(const std::string& s, std::size_t at) {
    return Word16(s, at) | (std::uint32_t(Word16(s, at + 2)) << 16);
}

// A 24-bit bitmap file: blue Blue, green the row, red the column.
std::string BitmapFile(Integer Width, Integer Height, Byte Blue) {
    TBitmap bitmap(Width, Height, pf24bit);
    for (Integer y = 0; y < Height; ++y) {
        auto* row = static_cast<Byte*>(bitmap.ScanLine(y));
        for (Integer x = 0; x < Width; ++x) {
            row[3 * x] = Blue;
            row[3 * x + 1] = static_cast<Byte>(y);
            row[3 * x + 2] = static_cast<Byte>(x);
        }
    }
    const std::vector<Byte> bytes = bitmap.SaveToBytes();
    return std::string(bytes.begin(), bytes.end());
}

// One Office drawing record: version and instance, type, body.
struct DrawingRecord {
    Word Instance = 0;
    Word Type = 0;
    std::string Body;
};

std::vector<DrawingRecord> DrawingRecords(const std::string& s) {
    std::vector<DrawingRecord> records;
    for (std::size_t at = 0; at + 8 <= s.size();) {
        const std::uint32_t length = Dword32(s, at + 4);
        records.push_back(
            {static_cast<Word>(Word16(s, at) >> 4), Word16(s, at + 2), s.substr(at + 8, length)});
        at += 8 + length;
    }
    return records;
}

class XlsPictures : public exporttest::ExportFixture {
protected:
    XlsPictures() {
        Data = std::make_unique<TMemDataSet>();
        Data->FieldDefs()->Add("nev", ftString, 20);
        Data->FieldDefs()->Add("kep", ftGraphic);
        Export->SetDataSet(Data.get());
        AddColumn("nev", "Név", 12);
        AddColumn("kep", "Kép", 12);
        Export->SetAddTitle(true);
    }

    // The records from index At on, with the CONTINUE records that follow
    // joined to their body; At moves past them.
    static std::string Joined(const std::vector<Record>& Records, std::size_t& At) {
        std::string body = Records[At++].Body;
        while (At < Records.size() && Records[At].Code == 0x003C)
            body += Records[At++].Body;
        return body;
    }
};

TEST_F(XlsPictures, EachPictureSitsInItsCellAndTheDrawingGroupHoldsThemAll) {
    // Large enough for its image to go on in CONTINUE records.
    const std::string large = BitmapFile(100, 90, 0x40);
    const std::string small = BitmapFile(3, 2, 0xC0);
    Data->AppendRow({"Első", large});
    Data->AppendRow({"Üres", {}});
    Data->AppendRow({"Hibás", "nem kép"});
    Data->AppendRow({"Negyedik", small});
    Data->Open();
    Export->Execute();
    ASSERT_EQ(Export->GetExportResult(), erCompleted);

    // No cell record in the picture column; the text beside it is there.
    const exporttest::CellMap cells = Cells();
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(cells.count({row, 1}), 0u) << row;
    EXPECT_EQ(cells.at({4, 0}).Text, "Negyedik");

    const std::vector<Record> records = ReadRecords(Written());
    ASSERT_EQ(records.back().Code, 0x000A);
    // Rows without a readable picture have no object.
    struct Expected {
        Word Row;
        Integer Width, Height;
        Byte Blue;
    };
    const Expected objects[] = {{1, 100, 90, 0x40}, {4, 3, 2, 0xC0}};
    std::size_t at = 0;
    for (const Expected& expected : objects) {
        while (at < records.size() && records[at].Code != 0x005D)
            ++at;
        ASSERT_LT(at, records.size());
        const std::string object = records[at++].Body;
        EXPECT_EQ(Word16(object, 4), 8);                 // a picture
        EXPECT_EQ(Word16(object, 10), 1);                // from column 1
        EXPECT_EQ(Word16(object, 14), expected.Row);     // at its row
        EXPECT_EQ(Word16(object, 18), 2);                // to the next column
        EXPECT_EQ(Word16(object, 22), expected.Row + 1); // and the next row
        ASSERT_EQ(records[at].Code, 0x007F);
        EXPECT_LE(records[at].Body.size(), 8224u);
        const std::string image = Joined(records, at);
        const std::size_t rowBytes = (3 * expected.Width + 3) / 4 * 4;
        EXPECT_EQ(Word16(image, 0), 9); // a bitmap
        EXPECT_EQ(Dword32(image, 4), 12 + rowBytes * expected.Height);
        EXPECT_EQ(image.size(), 8 + 12 + rowBytes * expected.Height);
        EXPECT_EQ(Word16(image, 12), expected.Width);
        EXPECT_EQ(Word16(image, 14), expected.Height);
        EXPECT_EQ(Word16(image, 18), 24);
        // Bottom row first: its first pixel is blue, green the last row, red 0.
        EXPECT_EQ(image.substr(20, 3),
                  std::string({char(expected.Blue), char(expected.Height - 1), char(0)}));
    }

    // The drawing group comes last before the end.
    while (at < records.size() && records[at].Code != 0x00EC)
        ++at;
    ASSERT_LT(at, records.size());
    const std::string group = Joined(records, at);
    EXPECT_EQ(at, records.size() - 1);
    const std::vector<DrawingRecord> top = DrawingRecords(group);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].Type, 0xF000);
    const std::vector<DrawingRecord> parts = DrawingRecords(top[0].Body);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0].Type, 0xF006);
    EXPECT_EQ(Dword32(parts[0].Body, 0), 1027u); // largest shape id
    EXPECT_EQ(Dword32(parts[0].Body, 8), 3u);    // saved shapes
    EXPECT_EQ(parts[1].Type, 0xF001);
    EXPECT_EQ(parts[1].Instance, 2);
    EXPECT_EQ(parts[3].Type, 0xF11E);
    // Each blip holds the bitmap without its file header.
    const std::vector<DrawingRecord> entries = DrawingRecords(parts[1].Body);
    ASSERT_EQ(entries.size(), 2u);
    const std::string* files[] = {&large, &small};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].Type, 0xF007);
        EXPECT_EQ(Byte(entries[i].Body[0]), 7);
        const std::vector<DrawingRecord> blip = DrawingRecords(entries[i].Body.substr(36));
        ASSERT_EQ(blip.size(), 1u);
        EXPECT_EQ(blip[0].Type, 0xF01F);
        EXPECT_EQ(Dword32(entries[i].Body, 20), blip[0].Body.size() + 8);
        EXPECT_EQ(blip[0].Body.substr(17), files[i]->substr(14)) << i;
    }
}

TEST_F(XlsPictures, ASpreadsheetReaderShowsThePicturesInTheirCells) {
    Data->AppendRow({"Első", BitmapFile(40, 20, 0x40)});
    Data->AppendRow({"Második", {}});
    Data->AppendRow({"Harmadik", BitmapFile(10, 30, 0xC0)});
    Data->Open();
    Export->Execute();
    ASSERT_EQ(Export->GetExportResult(), erCompleted);

    const OfficeConversion ods = ConvertWithOffice(File("cases.xls"), "ods");
    SKIP_WITHOUT_TOOL(ods.Missing);
    ASSERT_FALSE(ods.File.empty()) << ods.Log;
    // Each picture with the cell its top left corner is in
    // (the reader places pictures of this worksheet version on the page).
    const std::string script = File("frames.py");
    WriteFileBytes(script, R"(import sys, zipfile, xml.etree.ElementTree as ET
T = '{urn:oasis:names:tc:opendocument:xmlns:table:1.0}'
D = '{urn:oasis:names:tc:opendocument:xmlns:drawing:1.0}'
S = '{urn:oasis:names:tc:opendocument:xmlns:style:1.0}'
G = '{urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0}'
def inches(v):
    for unit, per in (('in', 1), ('cm', 2.54), ('mm', 25.4), ('pt', 72)):
        if v.endswith(unit):
            return float(v[:-len(unit)]) / per
root = ET.fromstring(zipfile.ZipFile(sys.argv[1]).read('content.xml'))
size = {}
for st in root.iter(S + 'style'):
    for p in st:
        v = p.get(S + 'column-width') or p.get(S + 'row-height')
        if v:
            size[st.get(S + 'name')] = inches(v)
edges = {}
for kind in ('column', 'row'):
    pos, starts = 0.0, []
    for e in root.iter(T + 'table-' + kind):
        for _ in range(min(int(e.get(T + 'number-%ss-repeated' % kind, '1')), 50)):
            starts.append(pos)
            pos += size[e.get(T + 'style-name')]
    edges[kind] = starts
def index(starts, v):
    return max(i for i, s in enumerate(starts) if s <= v + 0.01)
for frame in root.iter(D + 'frame'):
    x, y = inches(frame.get(G + 'x')), inches(frame.get(G + 'y'))
    print('picture', index(edges['row'], y), index(edges['column'], x), frame.find(D + 'image') is not None)
)");
    EXPECT_EQ(CommandOutput(SystemPython() + " " + ShellQuoted(script) + " " + ShellQuoted(ods.File)),
              "picture 1 1 True\n"
              "picture 3 1 True\n");
}

} // namespace
