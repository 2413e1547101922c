#include "report/files/detail/RtfEncoding.h"

#include "platform/core/CodePages.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace report {

namespace {

constexpr char HexDigits[] = "0123456789abcdef";

void AppendHexByte(String& out, Byte b) {
    out += HexDigits[b >> 4];
    out += HexDigits[b & 15];
}

// Least significant byte first, as every number of a metafile.
void AppendHexWord(String& out, unsigned value) {
    AppendHexByte(out, Byte(value & 0xFF));
    AppendHexByte(out, Byte((value >> 8) & 0xFF));
}

void AppendHexDWord(String& out, unsigned value) {
    AppendHexWord(out, value & 0xFFFF);
    AppendHexWord(out, value >> 16);
}

void AppendUnicode(String& out, unsigned unit) {
    out += "\\u" + IntToStr(static_cast<std::int16_t>(unit)) + "?";
}

// Hundredths of a millimetre per page pixel.
Integer GoalSize(Integer value) {
    return static_cast<Integer>(Round(value * 26.46875));
}

std::uint32_t ReadDWord(const std::vector<Byte>& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

constexpr std::size_t FileHeaderSize = 14;

bool IsPlainBitmapFile(const std::vector<Byte>& b) {
    return b.size() >= FileHeaderSize + 40 && b[0] == 'B' && b[1] == 'M' && ReadDWord(b, 14) == 40 &&
           ReadDWord(b, 30) == 0;
}

} // namespace

Integer RtfTwipsFromX(Integer x) {
    return static_cast<Integer>(Round(x / 1.3 * 20));
}

String RtfEscapedText(const String& Text) {
    String out;
    out.reserve(Text.size());
    std::size_t pos = 0;
    while (pos < Text.size()) {
        const char32_t ch = core::Utf8Next(Text, pos);
        if (ch == '\\' || ch == '{' || ch == '}') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch >= 0x20 && ch < 0x80) {
            out += static_cast<char>(ch);
        } else if (const int b = ch < 0x20 ? int(ch) : CharToCodePageByte(ch, CP_WINDOWS_1250); b >= 0) {
            out += "\\'";
            AppendHexByte(out, Byte(b));
        } else if (ch > 0xFFFF) {
            const char32_t v = ch - 0x10000;
            AppendUnicode(out, 0xD800 + (v >> 10));
            AppendUnicode(out, 0xDC00 + (v & 0x3FF));
        } else {
            AppendUnicode(out, ch);
        }
    }
    return out;
}

String RtfPictureGroup(const RtfPicturePlace& Place, const std::vector<Byte>& BitmapFile) {
    String out = "\\pard\\phmrg\\posx" + IntToStr(RtfTwipsFromX(Place.X)) + "\\posy" +
                 IntToStr(Place.Y * 20) + "\\absh" + IntToStr(Place.Height * 20) + "\\absw" +
                 IntToStr(Place.Width * 20) + "{\\pict\\wmetafile8\\picw" + IntToStr(GoalSize(Place.Width)) +
                 "\\pich" + IntToStr(GoalSize(Place.Height)) + " \\picbmp\\picbpp4\r\n";

    // The bitmap info and bits follow the file header; a record holds whole words.
    std::vector<Byte> info(BitmapFile.begin() +
                               static_cast<std::ptrdiff_t>(std::min(BitmapFile.size(), FileHeaderSize)),
                           BitmapFile.end());
    if (info.size() % 2) info.push_back(0);
    const unsigned record = static_cast<unsigned>(info.size() / 2 + 14);
    const unsigned ph = static_cast<unsigned>(Place.PictureHeight) & 0xFFFF;
    const unsigned pw = static_cast<unsigned>(Place.PictureWidth) & 0xFFFF;

    out += "010009000003";
    AppendHexDWord(out, record + 36);
    out += "0000";
    AppendHexDWord(out, record);
    out += "0000";
    out += "05000000"
           "0b02"
           "00000000";
    out += "05000000"
           "0c02";
    AppendHexWord(out, ph);
    AppendHexWord(out, pw);
    out += "05000000"
           "0902"
           "00000000";
    out += "05000000"
           "0102"
           "ffffff00";
    out += "04000000"
           "0701"
           "0300";
    AppendHexDWord(out, record);
    out += "430f"
           "2000cc00"
           "0000";
    AppendHexWord(out, ph);
    AppendHexWord(out, pw);
    out += "00000000";
    AppendHexWord(out, ph);
    AppendHexWord(out, pw);
    out += "00000000\r\n";

    for (std::size_t i = 0; i < info.size(); ++i) {
        AppendHexByte(out, info[i]);
        if (i % 64 == 63) out += "\r\n";
    }
    out += "030000000000}\\par\r\n";
    return out;
}

std::vector<Byte> PlainBitmapFile(TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty() || Graphic->Width() <= 0 || Graphic->Height() <= 0) return {};
    if (auto* bitmap = dynamic_cast<TBitmap*>(Graphic)) {
        std::vector<Byte> bytes = bitmap->SaveToBytes();
        if (IsPlainBitmapFile(bytes)) return bytes;
    }
    TBitmap plain(Graphic->Width(), Graphic->Height(), pf24bit);
    const TRect whole(0, 0, Graphic->Width(), Graphic->Height());
    plain.Canvas()->Brush()->SetColor(clWhite);
    plain.Canvas()->FillRect(whole);
    plain.Canvas()->StretchDraw(whole, Graphic);
    return plain.SaveToBytes();
}

} // namespace report
