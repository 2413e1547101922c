#include "controls/common/UtlStreams.h"

#include "controls/common/UtlLZRW.h"
#include "platform/core/CodePages.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/TBitmap.h"

#include <vector>

namespace {

// Lets Write fill a memory stream, then stores it plain (count and bytes) or
// compressed.
template <typename Writer> void WriteBlock(TStream* Stream, bool Compressed, Writer Write) {
    TMemoryStream data;
    Write(&data);
    data.SetPosition(0);
    if (Compressed) {
        SaveCompressedStream(&data, Stream, Integer(data.Size()));
        return;
    }
    stWriteInteger(Stream, Integer(data.Size()));
    if (data.Size() > 0) Stream->WriteBuffer(data.Memory(), Integer(data.Size()));
}

// The block's bytes in a memory stream positioned at 0.
void ReadBlock(TStream* Stream, bool Compressed, TMemoryStream& Data) {
    if (Compressed) {
        LoadCompressedStream(Stream, &Data);
    } else {
        const Integer count = stReadCount(Stream);
        Data.SetSize(count);
        if (count > 0) Stream->ReadBuffer(Data.Memory(), count);
    }
    Data.SetPosition(0);
}

Integer DIBBitCount(TBitmap* Bitmap, Integer Colors) {
    if (Bitmap->Monochrome()) return 1;
    switch (Colors) {
    case 2:
        return 1;
    case 16:
        return 4;
    case 256:
        return 8;
    case 0:
        switch (Bitmap->PixelFormat()) {
        case pf1bit:
            return 1;
        case pf4bit:
            return 4;
        case pf8bit:
            return 8;
        default:
            return 24;
        }
    default:
        return 24;
    }
}

} // namespace

void stWriteInteger(TStream* Stream, Integer Value) {
    Stream->WriteInt32(Value);
}
Integer stReadInteger(TStream* Stream) {
    return Stream->ReadInt32();
}
void stWriteWord(TStream* Stream, Word Value) {
    Stream->WriteWord(Value);
}
Word stReadWord(TStream* Stream) {
    return Stream->ReadWord();
}
void stWriteByte(TStream* Stream, Byte Value) {
    Stream->WriteByte(Value);
}
Byte stReadByte(TStream* Stream) {
    return Stream->ReadByte();
}

void stWriteString(TStream* Stream, const String& Value) {
    // The record would keep them as "?": a description would never find its item again.
    if (!UnstorableChars(Value, CP_WINDOWS_1250).empty())
        throw EWriteError(Format(
            "Text with characters outside code page 1250 cannot be stored in its record ('%s')", {Value}));
    const std::string bytes = Utf8ToCodePage(Value, CP_WINDOWS_1250);
    if (bytes.size() > 255)
        throw EWriteError(
            Format("String too long for its record (%d characters, at most 255)", {Integer(bytes.size())}));
    Stream->WriteByte(Byte(bytes.size()));
    if (!bytes.empty()) Stream->WriteBuffer(bytes.data(), Integer(bytes.size()));
}

String stReadString(TStream* Stream) {
    const Byte length = Stream->ReadByte();
    std::string bytes(length, '\0');
    if (length > 0) Stream->ReadBuffer(bytes.data(), length);
    return CodePageToUtf8(bytes, CP_WINDOWS_1250);
}

Integer stReadCount(TStream* Stream) {
    const Integer count = stReadInteger(Stream);
    if (count < 0 || count > Stream->Size() - Stream->Position()) throw EReadError(SReadError);
    return count;
}

void stWriteStringList(TStream* Stream, TStrings* List, bool Compressed) {
    WriteBlock(Stream, Compressed, [&](TStream* Data) { List->SaveToStream(Data); });
}

void stReadStringList(TStream* Stream, TStrings* List, bool Compressed) {
    TMemoryStream data;
    ReadBlock(Stream, Compressed, data);
    List->LoadFromStream(&data);
}

void stWriteBitmap(TStream* Stream, TBitmap* Bitmap, bool Compressed, Integer Colors) {
    WriteBlock(Stream, Compressed, [&](TStream* Data) {
        if (Colors == -1)
            Bitmap->SaveToStream(Data);
        else
            UtlBmpSaveDIBStream(Data, Bitmap, Colors);
    });
}

void stReadBitmap(TStream* Stream, TBitmap* Bitmap, bool Compressed) {
    TMemoryStream data;
    ReadBlock(Stream, Compressed, data);
    Bitmap->LoadFromStream(&data);
}

void UtlBmpSaveDIBStream(TStream* Stream, TBitmap* Bitmap, Integer Colors) {
    if (!Bitmap || Bitmap->Empty()) throw Exception("Bitmap image is not valid");
    graphics::BmpImage image;
    image.BitCount = DIBBitCount(Bitmap, Colors);
    image.Pixels = Bitmap->Pixels(Rect(0, 0, Bitmap->Width(), Bitmap->Height()));
    if (image.BitCount <= 8 && Bitmap->Palette().size() == (std::size_t(1) << image.BitCount))
        image.Palette = Bitmap->Palette();
    const std::vector<Byte> bytes = graphics::EncodeBmp(image);
    Stream->WriteBuffer(bytes.data(), Integer(bytes.size()));
    Stream->SetPosition(0);
}
