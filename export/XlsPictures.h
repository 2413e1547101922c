#pragma once
// Pictures of graphic cells in the spreadsheet file. Each picture sits in its
// cell as a picture object (OBJ, then its image as IMDATA: a 24-bit bitmap,
// which readers of this worksheet version show), and the drawing-group record
// before the file's end carries every picture in its blip store.
#include "platform/core/Types.h"

#include <memory>
#include <string>
#include <vector>

class TField;
class TPicture;

class TXLSObject {
public:
    virtual ~TXLSObject() = default;
};

class TXLSPicture : public TXLSObject {
public:
    // A picture for the cell at Row, Col; empty until filled.
    TXLSPicture(Word Row, Word Col);
    ~TXLSPicture() override;

    // From a graphic field's bytes, or from Bytes when there is no field. Bytes
    // that hold no picture leave it empty.
    void Fill(TField* Field, const String& Bytes);

    TPicture* Picture() const { return FPicture.get(); }
    Word Row() const { return FRow; }
    Word Col() const { return FCol; }
    // The picture's data size in bytes, as recorded when it was filled.
    Integer DataSize() const { return FDataSize; }
    // The blip type: 0 empty, 7 bitmap, 2 enhanced metafile, 3 metafile.
    Byte GetPictureType() const;
    // The data size, less the bitmap file header for a bitmap.
    Integer GetPictureSize() const;
    // Appends the picture's data: a bitmap without its file header, a metafile
    // as its file; GetPictureSize bytes.
    void WriteToStream(std::string& Out) const;

private:
    std::unique_ptr<TPicture> FPicture;
    Word FRow;
    Word FCol;
    Integer FDataSize = 0;
};

using TXLSPictureList = std::vector<std::unique_ptr<TXLSPicture>>;

namespace biff {

constexpr Word rcContinue = 0x003C, rcObj = 0x005D, rcImData = 0x007F, rcDrawingGroup = 0x00EC;
// The largest record body; longer data goes on in CONTINUE records.
constexpr std::size_t MaxRecordBody = 8224;

// Code with Body, continued in CONTINUE records past MaxRecordBody bytes.
void AppendContinued(std::string& Out, Word Code, std::string_view Body);
// The drawing group of the pictures that are not empty: drawing-group atom,
// blip store, default options and split-menu colours.
std::string DrawingGroupBody(const TXLSPictureList& Pictures);
// The picture object numbered Id over its cell, then its image data. Nothing
// for an empty picture or one too large for the image record's 16-bit sizes.
void AppendPictureObject(std::string& Out, const TXLSPicture& Picture, Word Id);

} // namespace biff
