#include "report/common/detail/rpStreamUtils.h"

#include "platform/core/CodePages.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TStream.h"
#include "platform/core/TStrings.h"
#include "report/common/detail/rpGlobals.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr std::size_t MaxWordLength = 0xFFFF;

std::string ToStreamText(const String& S, std::size_t Limit) {
    std::string bytes = Utf8ToCodePage(S, CP_WINDOWS_1250);
    if (bytes.size() > Limit) bytes.resize(Limit);
    return bytes;
}

String FromStreamText(const std::string& Bytes) {
    return CodePageToUtf8(Bytes, CP_WINDOWS_1250);
}

std::string ReadBytes(TStream* Stream, std::size_t Count) {
    std::string bytes(Count, '\0');
    if (Count > 0) Stream->ReadBuffer(bytes.data(), static_cast<Integer>(Count));
    return bytes;
}

// Word length, the bytes and the byte End, appended to Out: a record's
// strings reach the stream in one write (prepared pages write millions).
void AppendCounted(std::string& Out, const std::string& Bytes, char End) {
    const auto length = static_cast<Word>(Bytes.size());
    Out.push_back(static_cast<char>(length & 0xFF));
    Out.push_back(static_cast<char>(length >> 8));
    Out += Bytes;
    Out.push_back(End);
}

void WriteBytes(TStream* Stream, const std::string& Bytes) {
    // In pieces an Integer count can name: a memo may hold up to 4 GB.
    constexpr std::size_t Piece = std::size_t(1) << 30;
    for (std::size_t at = 0; at < Bytes.size(); at += Piece)
        Stream->WriteBuffer(Bytes.data() + at, static_cast<Integer>(std::min(Piece, Bytes.size() - at)));
}

} // namespace

String rpReadString(TStream* Stream) {
    const Word length = Stream->ReadWord();
    std::string bytes = ReadBytes(Stream, length);
    Stream->ReadByte();
    return FromStreamText(bytes);
}

void rpWriteString(TStream* Stream, const String& S) {
    std::string out;
    AppendCounted(out, ToStreamText(S, MaxWordLength), 0);
    WriteBytes(Stream, out);
}

void rpReadMemo(TStream* Stream, TStrings* List) {
    List->Clear();
    if (Stream->ReadWord() == 0) {
        Stream->ReadByte();
        return;
    }
    for (;;) {
        const Word length = Stream->ReadWord();
        List->Add(FromStreamText(ReadBytes(Stream, length)));
        if (Stream->ReadByte() == 0) break;
    }
}

void rpWriteMemo(TStream* Stream, const TStrings* List) {
    const Integer count = std::min<Integer>(List->Count(), static_cast<Integer>(MaxWordLength));
    std::string out;
    out.push_back(static_cast<char>(count & 0xFF));
    out.push_back(static_cast<char>(count >> 8));
    if (count == 0) out.push_back(0);
    for (Integer i = 0; i < count; ++i)
        AppendCounted(out, ToStreamText(List->Get(i), MaxWordLength), i + 1 < count ? 13 : 0);
    WriteBytes(Stream, out);
}

String rpReadString22(TStream* Stream) {
    std::string bytes;
    for (Byte b = Stream->ReadByte(); b != 0; b = Stream->ReadByte())
        bytes.push_back(static_cast<char>(b));
    return FromStreamText(bytes);
}

void rpReadMemo22(TStream* Stream, TStrings* List) {
    List->Clear();
    std::string line;
    for (Byte b = Stream->ReadByte(); b != 0; b = Stream->ReadByte()) {
        if (b == 13) {
            List->Add(FromStreamText(line));
            line.clear();
        } else {
            line.push_back(static_cast<char>(b));
        }
    }
    if (!line.empty()) List->Add(FromStreamText(line));
}

String rpReadStringV(TStream* Stream) {
    return rpVersion >= 23 ? rpReadString(Stream) : rpReadString22(Stream);
}

void rpReadMemoV(TStream* Stream, TStrings* List) {
    if (rpVersion >= 23)
        rpReadMemo(Stream, List);
    else
        rpReadMemo22(Stream, List);
}

String rpReadShortString(TStream* Stream) {
    const Byte length = Stream->ReadByte();
    return FromStreamText(ReadBytes(Stream, length));
}

void rpWriteShortString(TStream* Stream, const String& S) {
    const std::string bytes = ToStreamText(S, 255);
    Stream->WriteByte(static_cast<Byte>(bytes.size()));
    if (!bytes.empty()) Stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

bool rpReadBool(TStream* Stream) {
    return Stream->ReadWord() != 0;
}

void rpWriteBool(TStream* Stream, bool Value) {
    Stream->WriteWord(Value ? 0xFFFF : 0);
}

std::int32_t rpEncodeFrameWidth(float Width) {
    // A whole width above 10 stored as itself would read back as thousandths,
    // so only whole widths up to 10 keep the short form.
    const double w = Width;
    if (!std::isfinite(w)) return 0;
    if (w < -2147483647.0) return -2147483647;
    if (w == std::floor(w) && w <= 10) return static_cast<std::int32_t>(w);
    const double thousandths = w * 1000.0;
    if (thousandths > 2147483647.0) return 2147483647;
    const Int64 stored = Round(thousandths);
    if (stored > 10) return static_cast<std::int32_t>(stored);
    return static_cast<std::int32_t>(Round(w));
}

float rpDecodeFrameWidth(std::int32_t Stored) {
    if (Stored > 10) return static_cast<float>(Stored / 1000.0);
    return static_cast<float>(Stored);
}

TFontStyles rpSetFontStyle(Integer Style) {
    TFontStyles result;
    if (Style & 1) result.Include(fsItalic);
    if (Style & 2) result.Include(fsBold);
    if (Style & 4) result.Include(fsUnderline);
    return result;
}

Integer rpGetFontStyle(TFontStyles Style) {
    Integer result = 0;
    if (Style.Contains(fsItalic)) result |= 1;
    if (Style.Contains(fsBold)) result |= 2;
    if (Style.Contains(fsUnderline)) result |= 4;
    return result;
}
