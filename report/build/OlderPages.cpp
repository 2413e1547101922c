#include "report/build/detail/OlderPages.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TStream.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TMetafile.h"
#include "report/build/TrpEMFPages.h"
#include "report/views/TrpPictureView.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/detail/rpStreamUtils.h"

namespace report {

namespace {

// Next-record position, paper code, width, height, orientation, margins flag.
constexpr Int64 RecordHeader = 4 + 2 + 4 + 4 + 1 + 1;
// The smallest metafile: the older kind's own header.
constexpr Int64 SmallestMetafile = 18;

[[noreturn]] void ReadError() {
    throw EReadError("Stream read error");
}

} // namespace

String ReadOlderPages(TStream* Stream, std::vector<OlderPage>& Pages) {
    const Int64 size = Stream->Size();
    Stream->SetPosition(0);
    TStringList lines;
    rpReadMemo22(Stream, &lines);
    const String printer = lines.Count() > 0 ? lines.Strings(0) : String();
    const std::int32_t count = Stream->ReadInt32();
    if (count <= 0 || count > (size - Stream->Position()) / (RecordHeader + SmallestMetafile)) ReadError();
    std::vector<OlderPage> pages;
    for (std::int32_t k = 0; k < count; ++k) {
        const Int64 start = Stream->Position();
        const Int64 next = Stream->ReadInt32();
        if (next < start + RecordHeader + SmallestMetafile || next > size) ReadError();
        OlderPage page;
        page.pgSize = Stream->ReadWord();
        page.pgWidth = Stream->ReadInt32();
        page.pgHeight = Stream->ReadInt32();
        page.pgOr = Stream->ReadByte();
        page.pgMargins = Stream->ReadByte() != 0;
        std::vector<Byte> bytes(static_cast<std::size_t>(next - Stream->Position()));
        Stream->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
        page.Metafile = std::make_unique<TMetafile>();
        page.Metafile->LoadFromBytes(bytes);
        pages.push_back(std::move(page));
    }
    Pages = std::move(pages);
    return printer;
}

void WriteMetafilePage(TStream* Stream, TMetafile& Metafile, Integer Width, Integer Height) {
    TrpPictureView picture;
    picture.SetBounds(0, 0, Width, Height);
    picture.Picture.SetGraphic(&Metafile);
    picture.StreamMode = smPrinting;
    Stream->WriteByte(rpPageStreamVersion);
    Stream->WriteByte(gtPicture);
    picture.SaveToStream(Stream);
}

} // namespace report
