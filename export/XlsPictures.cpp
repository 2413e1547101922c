// Picture cells of the spreadsheet writer: the pictures, their objects and the
// drawing group.
#include "export/XlsPictures.h"

#include "export/BiffRecords.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStringStream.h"
#include "platform/data/TField.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TMetafile.h"
#include "platform/graphics/TPicture.h"

#include <algorithm>
#include <array>

namespace {

constexpr Integer BitmapFileHeaderSize = 14;

// The graphic's file image.
std::string GraphicBytes(TGraphic* Graphic) {
    TMemoryStream stream;
    Graphic->SaveToStream(&stream);
    return std::string(reinterpret_cast<const char*>(stream.Memory()),
                       static_cast<std::size_t>(stream.Size()));
}

// Little-endian values appended to a byte buffer.
class Bytes {
public:
    explicit Bytes(std::string& Out) : FOut(Out) {}
    Bytes& U8(Byte Value) {
        FOut.push_back(static_cast<char>(Value));
        return *this;
    }
    Bytes& U16(Word Value) { return U8(static_cast<Byte>(Value)).U8(static_cast<Byte>(Value >> 8)); }
    Bytes& U32(std::uint32_t Value) {
        return U16(static_cast<Word>(Value)).U16(static_cast<Word>(Value >> 16));
    }
    Bytes& Raw(std::string_view Value) {
        FOut.append(Value);
        return *this;
    }

private:
    std::string& FOut;
};

// An Office drawing record: version and instance, type, length, body.
std::string DrawingRecord(Word Version, Word Instance, Word Type, std::string_view Body) {
    std::string out;
    Bytes(out)
        .U16(static_cast<Word>(Version | (Instance << 4)))
        .U16(Type)
        .U32(static_cast<std::uint32_t>(Body.size()))
        .Raw(Body);
    return out;
}

// A blip's identifier: two 64-bit FNV-1a digests of its data.
std::string BlipId(std::string_view Data) {
    std::string id;
    for (const std::uint64_t seed : {0xCBF29CE484222325ull, 0x84222325CBF29CE4ull}) {
        std::uint64_t hash = seed;
        for (const char c : Data)
            hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
        for (int i = 0; i < 8; ++i)
            id.push_back(static_cast<char>(hash >> (8 * i)));
    }
    return id;
}

// The blip record of a picture: the identifier, then a bitmap's tag byte and
// bits, or a metafile's header and file.
std::string Blip(const TXLSPicture& Picture) {
    std::string data;
    Picture.WriteToStream(data);
    const std::string id = BlipId(data);
    std::string body = id;
    if (Picture.GetPictureType() == 7) {
        Bytes(body).U8(0xFF).Raw(data);
        return DrawingRecord(0, 0x7A8, 0xF01F, body);
    }
    const bool enhanced = Picture.GetPictureType() == 2;
    const auto width = static_cast<std::uint32_t>(Picture.Picture()->Width());
    const auto height = static_cast<std::uint32_t>(Picture.Picture()->Height());
    constexpr std::uint32_t EmuPerPixel = 9525; // at 96 pixels an inch
    Bytes(body)
        .U32(static_cast<std::uint32_t>(data.size()))
        .U32(0)
        .U32(0)
        .U32(width)
        .U32(height)
        .U32(width * EmuPerPixel)
        .U32(height * EmuPerPixel)
        .U32(static_cast<std::uint32_t>(data.size()))
        .U8(0xFE) // not compressed
        .U8(0xFE)
        .Raw(data);
    return enhanced ? DrawingRecord(0, 0x3D4, 0xF01A, body) : DrawingRecord(0, 0x216, 0xF01B, body);
}

// The picture as 24-bit bottom-up rows, white under a metafile's background.
bool Rows24(const TXLSPicture& Picture, TBitmap& Target) {
    TGraphic* graphic = Picture.Picture()->Graphic();
    const Integer width = Picture.Picture()->Width();
    const Integer height = Picture.Picture()->Height();
    if (graphic == nullptr || width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) return false;
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) {
        Target.Assign(bitmap);
        Target.SetPixelFormat(pf24bit);
    } else {
        Target.SetPixelFormat(pf24bit);
        Target.SetSize(width, height);
        Target.Canvas()->Draw(0, 0, graphic);
    }
    return true;
}

} // namespace

TXLSPicture::TXLSPicture(Word Row, Word Col) : FPicture(std::make_unique<TPicture>()), FRow(Row), FCol(Col) {}

TXLSPicture::~TXLSPicture() = default;

void TXLSPicture::Fill(TField* Field, const String& Bytes) {
    const String data = Field != nullptr ? Field->AsString() : Bytes;
    try {
        TStringStream stream(data);
        if (data.starts_with("BM")) {
            TBitmap bitmap;
            bitmap.LoadFromStream(&stream);
            FPicture->SetGraphic(&bitmap);
        } else {
            TMetafile metafile;
            metafile.LoadFromStream(&stream);
            FPicture->SetGraphic(&metafile);
        }
    } catch (const Exception&) {
        // Bytes that are no picture give an empty one, which the file leaves out.
        FPicture->SetGraphic(nullptr);
    }
    TGraphic* graphic = FPicture->Graphic();
    FDataSize =
        graphic != nullptr && !graphic->Empty() ? static_cast<Integer>(GraphicBytes(graphic).size()) : 0;
}

Byte TXLSPicture::GetPictureType() const {
    if (FDataSize <= 0) return 0;
    if (auto* metafile = dynamic_cast<TMetafile*>(FPicture->Graphic())) return metafile->Enhanced() ? 2 : 3;
    return dynamic_cast<TBitmap*>(FPicture->Graphic()) != nullptr ? 7 : 0;
}

Integer TXLSPicture::GetPictureSize() const {
    return GetPictureType() == 7 ? FDataSize - BitmapFileHeaderSize : FDataSize;
}

void TXLSPicture::WriteToStream(std::string& Out) const {
    if (GetPictureType() == 0) return;
    const std::string bytes = GraphicBytes(FPicture->Graphic());
    Out.append(bytes, GetPictureType() == 7 ? BitmapFileHeaderSize : 0);
}

namespace biff {

void AppendContinued(std::string& Out, Word Code, std::string_view Body) {
    RecordWriter out(Out);
    do {
        const std::string_view part = Body.substr(0, MaxRecordBody);
        out.Header(Code, static_cast<Word>(part.size()));
        out.Raw(part);
        Body.remove_prefix(part.size());
        Code = rcContinue;
    } while (!Body.empty());
}

std::string DrawingGroupBody(const TXLSPictureList& Pictures) {
    std::string blips;
    std::uint32_t count = 0;
    for (const auto& picture : Pictures) {
        if (picture->GetPictureType() == 0) continue;
        const std::string blip = Blip(*picture);
        const Byte type = picture->GetPictureType();
        std::string entry;
        Bytes(entry)
            .U8(type)
            .U8(type)
            .Raw(std::string_view(blip).substr(8, 16)) // the blip's identifier
            .U16(0xFF)
            .U32(static_cast<std::uint32_t>(blip.size()))
            .U32(1) // one shape refers to it
            .U32(0)
            .U32(0) // no name, no padding
            .Raw(blip);
        blips += DrawingRecord(2, type, 0xF007, entry);
        ++count;
    }
    std::string atom;
    Bytes(atom).U32(1025 + count).U32(2).U32(count + 1).U32(1).U32(1).U32(count + 1);
    std::string options;
    Bytes(options).U16(0x00BF).U32(0x00080008).U16(0x0181).U32(0x08000009).U16(0x01C0).U32(0x08000040);
    std::string colors;
    Bytes(colors).U32(0x0800000D).U32(0x0800000C).U32(0x08000017).U32(0x100000F7);
    const std::string body = DrawingRecord(0, 0, 0xF006, atom) +
                             DrawingRecord(0xF, static_cast<Word>(count), 0xF001, blips) +
                             DrawingRecord(3, 3, 0xF00B, options) + DrawingRecord(0, 4, 0xF11E, colors);
    return DrawingRecord(0xF, 0, 0xF000, body);
}

void AppendPictureObject(std::string& Out, const TXLSPicture& Picture, Word Id) {
    if (Picture.GetPictureType() == 0) return;
    TBitmap rows;
    if (!Rows24(Picture, rows)) return;
    const Integer width = rows.Width();
    const Integer height = rows.Height();
    std::string object;
    // Common part: one object, a picture, placed over its cell and printed.
    Bytes(object)
        .U32(1)
        .U16(8)
        .U16(Id)
        .U16(0x0014)
        .U16(Picture.Col())
        .U16(0)
        .U16(Picture.Row())
        .U16(0)
        .U16(static_cast<Word>(Picture.Col() + 1))
        .U16(0)
        .U16(static_cast<Word>(Picture.Row() + 1))
        .U16(0)
        .U16(0) // no macro
        .Raw(std::string(6, '\0'));
    // Picture part: no fill, no border, a bitmap image, no formulas.
    Bytes(object)
        .U8(9)
        .U8(9)
        .U8(0)
        .U8(1)
        .U8(8)
        .U8(0)
        .U8(0)
        .U8(1)
        .U16(0)
        .U16(9)
        .U32(0)
        .U16(0)
        .U16(0)
        .U16(0)
        .U32(0);
    RecordWriter(Out).Header(rcObj, static_cast<Word>(object.size()));
    RecordWriter(Out).Raw(object);

    std::string image;
    const auto rowBytes = static_cast<std::size_t>(rows.RowBytes());
    Bytes(image).U16(9).U16(1).U32(
        static_cast<std::uint32_t>(12 + rowBytes * static_cast<std::size_t>(height)));
    Bytes(image).U32(12).U16(static_cast<Word>(width)).U16(static_cast<Word>(height)).U16(1).U16(24);
    for (Integer y = height - 1; y >= 0; --y)
        image.append(static_cast<const char*>(rows.ScanLine(y)), rowBytes);
    AppendContinued(Out, rcImData, image);
}

} // namespace biff
