#include "report/build/TrpEMFPages.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TMetafile.h"
#include "report/build/detail/OlderPages.h"
#include "report/files/TrpCompressor.h"
#include "report/build/TrpPage.h"
#include "report/print/TrpPrinter.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpView.h"
#include "report/views/detail/rpCoordinates.h"
#include "report/views/detail/rpViewFactory.h"
#include "report/common/detail/rpStreamUtils.h"

TrpPageInfo::TrpPageInfo() = default;
TrpPageInfo::~TrpPageInfo() = default;

namespace {

// Paper code, width, height, orientation and margins flag.
constexpr Int64 kRecordHeader = 4 + 2 + 4 + 4 + 1 + 1;

void ReadError() {
    throw EReadError("Stream read error");
}

std::unique_ptr<TrpPageInfo> NewRecord(Integer Size, Integer Width, Integer Height, Byte Or, bool Margins) {
    auto info = std::make_unique<TrpPageInfo>();
    info->pgSize = Size;
    info->pgWidth = Width;
    info->pgHeight = Height;
    info->pgOr = Or;
    info->pgMargins = Margins;
    info->Stream = std::make_unique<TMemoryStream>();
    return info;
}

} // namespace

void rpReadPageObjects(TStream* Stream, TrpPage* Page) {
    Stream->SetPosition(0);
    const Byte savedVersion = rpVersion;
    core::ScopeExit restore([&] { rpVersion = savedVersion; });
    rpVersion = Stream->ReadByte();
    while (Stream->Position() < Stream->Size()) {
        const Byte code = Stream->ReadByte();
        const String className = code == gtAddIn ? rpReadStringV(Stream) : String();
        std::unique_ptr<TrpView> view(rpCreateObject(code, className));
        if (!view) ReadError();
        view->StreamMode = smPrinting;
        view->LoadFromStream(Stream);
        view->StreamMode = smDesigning;
        Page->Add(view.release());
    }
}

TrpEMFPages::TrpEMFPages(TrpReport* AParent) : Parent(AParent) {}

TrpEMFPages::~TrpEMFPages() = default;

TrpPageInfo* TrpEMFPages::Pages(Integer Index) const {
    if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
    return FPages[static_cast<std::size_t>(Index)].get();
}

void TrpEMFPages::Add(TrpPage* Page) {
    Insert(Count(), Page);
    if (CurReport && CurReport->OnBeginPage) CurReport->OnBeginPage(PageNo);
    if (MasterReport && MasterReport != CurReport && MasterReport->OnBeginPage)
        MasterReport->OnBeginPage(PageNo);
}

void TrpEMFPages::Insert(Integer Index, TrpPage* Page) {
    auto info =
        NewRecord(Page->PaperSize, Page->PaperWidth, Page->PaperHeight, Page->Orientation, Page->UseMargins);
    info->PrnInfo = Page->PrnInfo;
    info->Stream->WriteByte(rpPageStreamVersion);
    if (Index < 0 || Index >= Count())
        FPages.push_back(std::move(info));
    else
        FPages.insert(FPages.begin() + Index, std::move(info));
}

void TrpEMFPages::Delete(Integer Index) {
    Pages(Index);
    FPages.erase(FPages.begin() + Index);
}

void TrpEMFPages::Clear() {
    FPages.clear();
}

void TrpEMFPages::ObjectsToPage(Integer Index) {
    TrpPageInfo* info = Pages(Index);
    auto page = std::make_unique<TrpPage>(info->pgSize, info->pgWidth, info->pgHeight, info->pgOr);
    rpReadPageObjects(info->Stream.get(), page.get());
    info->Page = std::move(page);
}

void TrpEMFPages::PageToObjects(Integer Index) {
    TrpPageInfo* info = Pages(Index);
    if (!info->Page) return;
    auto stream = std::make_unique<TMemoryStream>();
    stream->WriteByte(rpPageStreamVersion);
    for (const auto& view : info->Page->Objects) {
        stream->WriteByte(view->Typ);
        if (view->Typ == gtAddIn) rpWriteString(stream.get(), view->ClassName());
        view->StreamMode = smPrinting;
        view->SaveToStream(stream.get());
        view->StreamMode = smDesigning;
    }
    info->Stream = std::move(stream);
}

void TrpEMFPages::Draw(Integer Index, TCanvas* Canvas, const TRect& DrawRect) {
    TrpPageInfo* info = Pages(Index);
    const bool forPrinter = Prn && Prn->IsPrinterCanvas(Canvas);
    DocMode = dmPrinting;
    if (!info->Visible) {
        info->Page.reset();
        return;
    }
    if (!info->Page) ObjectsToPage(Index);
    // A page without paper figures has no scale to draw at.
    if (info->PrnInfo.Pgw <= 0 || info->PrnInfo.Pgh <= 0) return;
    const double kx = (double(DrawRect.Right) - DrawRect.Left) / info->PrnInfo.Pgw;
    const double ky = (double(DrawRect.Bottom) - DrawRect.Top) / info->PrnInfo.Pgh;
    const TRect clip = Canvas->ClipRect();
    // A stored position at a large scale passes any Integer: the object's rectangle
    // saturates at the page coordinate limit, far outside every clipping rectangle.
    const auto scaled = [](double v, double k, Integer offset) {
        return report::RoundCoordinate(v * k + offset);
    };
    for (const auto& view : info->Page->Objects) {
        if (!forPrinter) {
            TRect r(scaled(view->Left, kx, DrawRect.Left), scaled(view->Top, ky, DrawRect.Top),
                    scaled(double(view->Left) + view->Width, kx, DrawRect.Left),
                    scaled(double(view->Top) + view->Height, ky, DrawRect.Top));
            InflateRect(r, 10, 10);
            TRect common;
            if (!IntersectRect(common, r, clip)) continue;
        }
        view->ScaleX = kx;
        view->ScaleY = ky;
        view->OffsX = DrawRect.Left;
        view->OffsY = DrawRect.Top;
        view->IsPrinting = forPrinter;
        view->Draw(Canvas);
    }
}

void TrpEMFPages::ExportData(Integer Index) {
    TrpPageInfo* info = Pages(Index);
    TrpPage page(info->pgSize, info->pgWidth, info->pgHeight, info->pgOr);
    rpReadPageObjects(info->Stream.get(), &page);
    for (const auto& view : page.Objects)
        view->ExportData();
}

void TrpEMFPages::SaveToStream(TStream* Stream) {
    if (FPages.empty()) throw EListError("List index out of bounds (0)");
    const bool packed = rpCompressor && rpCompressor->Enabled();
    Stream->WriteByte(packed ? 1 : 0);
    rpWriteString(Stream, rpPrinterLink ? rpPrinterLink->PrinterName() : String());
    Stream->WriteInt32(Count());
    for (const auto& info : FPages) {
        const Int64 start = Stream->Position();
        Stream->WriteInt32(0);
        Stream->WriteWord(static_cast<Word>(info->pgSize));
        Stream->WriteInt32(info->pgWidth);
        Stream->WriteInt32(info->pgHeight);
        Stream->WriteByte(info->pgOr);
        Stream->WriteByte(info->pgMargins ? 1 : 0);
        info->Stream->SetPosition(0);
        if (packed)
            rpCompressor->Compress(info->Stream.get(), Stream);
        else
            Stream->CopyFrom(info->Stream.get(), info->Stream->Size());
        const Int64 end = Stream->Position();
        Stream->SetPosition(start);
        Stream->WriteInt32(static_cast<std::int32_t>(end));
        Stream->SetPosition(end);
    }
}

void TrpEMFPages::LoadFromStream(TStream* Stream) {
    const Int64 size = Stream->Size();
    const Byte kind = Stream->ReadByte();
    std::vector<std::unique_ptr<TrpPageInfo>> pages;
    String printerName;
    // An older file begins with its printer name; its pages are metafiles.
    std::vector<report::OlderPage> older;
    if (kind >= 2 && kind != 255) {
        printerName = report::ReadOlderPages(Stream, older);
        for (const auto& page : older)
            pages.push_back(NewRecord(page.pgSize, page.pgWidth, page.pgHeight, page.pgOr, page.pgMargins));
    } else {
        // The compressor has no algorithm to unpack them: their pages would be empty.
        if (kind != 0) throw EReadError("Unsupported prepared report format");
        printerName = rpReadString(Stream);
        const std::int32_t count = Stream->ReadInt32();
        // Every record holds at least its header and the version byte of its stream.
        if (count <= 0 || count > (size - Stream->Position()) / (kRecordHeader + 1)) ReadError();
        for (std::int32_t k = 0; k < count; ++k) {
            const Int64 start = Stream->Position();
            const Int64 next = Stream->ReadInt32();
            if (next < start + kRecordHeader + 1 || next > size) ReadError();
            const Integer pgSize = Stream->ReadWord();
            const Integer pgWidth = Stream->ReadInt32();
            const Integer pgHeight = Stream->ReadInt32();
            const Byte pgOr = Stream->ReadByte();
            const bool pgMargins = Stream->ReadByte() != 0;
            auto info = NewRecord(pgSize, pgWidth, pgHeight, pgOr, pgMargins);
            info->Stream->CopyFrom(Stream, next - Stream->Position());
            pages.push_back(std::move(info));
            Stream->SetPosition(next);
        }
    }

    if (Parent) Parent->SetPrinterTo(printerName);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        TrpPageInfo& info = *pages[i];
        Integer s = info.pgSize, w = info.pgWidth, h = info.pgHeight;
        Byte o = info.pgOr;
        if (rpPrinterLink) rpPrinterLink->ResolvePaper(s, w, h, o, info.PrnInfo);
        // The metafile covers the whole paper of its page.
        if (i < older.size())
            report::WriteMetafilePage(info.Stream.get(), *older[i].Metafile, info.PrnInfo.Pgw,
                                      info.PrnInfo.Pgh);
    }
    FPages = std::move(pages);
}

void TrpEMFPages::SaveToFile(const String& FileName) {
    TMemoryStream stream;
    SaveToStream(&stream);
    // A failed write leaves any earlier file as it was.
    stream.SaveToFile(FileName);
}

void TrpEMFPages::LoadFromFile(const String& FileName) {
    TMemoryStream stream;
    stream.LoadFromFile(FileName);
    stream.SetPosition(0);
    LoadFromStream(&stream);
}
