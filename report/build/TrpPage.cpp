#include "report/build/TrpPage.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStream.h"
#include "report/build/detail/TrpDataManager.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpView.h"
#include "report/print/detail/rpPrinterLink.h"
#include "report/views/detail/rpViewFactory.h"
#include "report/common/detail/rpStreamUtils.h"

TrpPrinterLink* rpPrinterLink = nullptr;

TrpPage::TrpPage(Integer ASize, Integer AWidth, Integer AHeight, Byte AOr)
    : PaperSize(ASize), PaperWidth(AWidth), PaperHeight(AHeight), Orientation(AOr) {
    ChangePaper();
}

TrpPage::~TrpPage() {
    if (Initialized) DoneReport();
}

void TrpPage::Add(TrpView* View) {
    Objects.emplace_back(View);
}

void TrpPage::Delete(Integer Index) {
    if (Index < 0 || Index >= ObjectCount())
        throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
    Objects.erase(Objects.begin() + Index);
}

void TrpPage::Clear() {
    Objects.clear();
}

TrpView* TrpPage::FindObject(const String& Name) const {
    for (const auto& view : Objects)
        if (AnsiSameText(view->Name, Name)) return view.get();
    return nullptr;
}

Integer TrpPage::FindObjectByID(Integer ID) const {
    for (std::size_t i = 0; i < Objects.size(); ++i)
        if (Objects[i]->ID == ID) return static_cast<Integer>(i);
    return -1;
}

void TrpPage::ChangePaper() {
    if (rpPrinterLink) rpPrinterLink->ResolvePaper(PaperSize, PaperWidth, PaperHeight, Orientation, PrnInfo);
}

void TrpPage::LoadFromStream(TStream* Stream) {
    PaperSize = Stream->ReadInt32();
    PaperWidth = Stream->ReadInt32();
    PaperHeight = Stream->ReadInt32();
    Margins.Left = Stream->ReadInt32();
    Margins.Top = Stream->ReadInt32();
    Margins.Right = Stream->ReadInt32();
    Margins.Bottom = Stream->ReadInt32();
    Orientation = Stream->ReadByte();
    if (rpVersion < 23) {
        Byte skipped[6];
        Stream->ReadBuffer(skipped, sizeof skipped);
    }
    PrintToPrevPage = rpReadBool(Stream);
    UseMargins = rpReadBool(Stream);
    ColumnCount = Stream->ReadInt32();
    ColumnGap = Stream->ReadInt32();
    ChangePaper();
}

void TrpPage::SaveToStream(TStream* Stream) {
    Stream->WriteInt32(PaperSize);
    Stream->WriteInt32(PaperWidth);
    Stream->WriteInt32(PaperHeight);
    Stream->WriteInt32(Margins.Left);
    Stream->WriteInt32(Margins.Top);
    Stream->WriteInt32(Margins.Right);
    Stream->WriteInt32(Margins.Bottom);
    Stream->WriteByte(Orientation);
    rpWriteBool(Stream, PrintToPrevPage);
    rpWriteBool(Stream, UseMargins);
    Stream->WriteInt32(ColumnCount);
    Stream->WriteInt32(ColumnGap);
}

TrpPages::~TrpPages() = default;

TrpPage* TrpPages::Pages(Integer Index) const {
    if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
    return FPages[static_cast<std::size_t>(Index)].get();
}

void TrpPages::Add() {
    FPages.push_back(std::make_unique<TrpPage>(9, 0, 0, 0));
}

void TrpPages::Delete(Integer Index) {
    Pages(Index);
    FPages.erase(FPages.begin() + Index);
}

void TrpPages::Clear() {
    FPages.clear();
}

namespace {

// Record codes of the template stream.
constexpr Byte rcPage = 255;
constexpr Byte rcValues = 254;
constexpr Byte rcDataManager = 253;

// An old framed-memo record: read as a memo, followed by 8 bytes of its own.
const String FramedMemoClass = "TRPFRAMEDMEMOVIEW";

} // namespace

void TrpPages::ReadObjectRecord(TStream* Stream, Byte Code) {
    String className;
    bool framedMemo = false;
    if (Code == gtAddIn) {
        className = rpReadStringV(Stream);
        if (UpperCase(className) == FramedMemoClass) {
            Code = gtMemo;
            framedMemo = true;
        }
    }
    const Byte pageIndex = Stream->ReadByte();
    // A page index beyond the pages read so far cannot be placed.
    if (pageIndex >= Count()) throw EReadError("Page index out of range");
    std::unique_ptr<TrpView> view(rpCreateObject(Code, className));
    if (!view) throw Exception("");
    TrpPage* page = Pages(pageIndex);
    page->Add(view.release());
    TrpView* added = page->Objects.back().get();
    added->StreamMode = smDesigning;
    added->LoadFromStream(Stream);
    if (framedMemo) {
        Byte skipped[8];
        Stream->ReadBuffer(skipped, sizeof skipped);
    }
}

void TrpPages::LoadFromStream(TStream* Stream) {
    Clear();
    TrpNameIndex names(Parent);
    Parent->PrintToDefault = rpReadBool(Stream);
    Parent->DoublePass = rpReadBool(Stream);
    Parent->SetPrinterTo(rpReadStringV(Stream));
    while (Stream->Position() < Stream->Size()) {
        const Byte code = Stream->ReadByte();
        if (code == rcPage) {
            Add();
            FPages.back()->LoadFromStream(Stream);
        } else if (code == rcValues) {
            Parent->Values()->ReadBinaryData(Stream);
            rpReadMemoV(Stream, Parent->Variables());
        } else if (code == rcDataManager) {
            if (rpDataManager) rpDataManager->LoadFromStream(Stream);
            return;
        } else if (code <= gtAddIn) {
            ReadObjectRecord(Stream, code);
        } else {
            throw Exception("");
        }
    }
}

void TrpPages::CheckWritable() const {
    // The page index of an object record is one byte.
    if (FPages.size() > 256) throw EWriteError("A template holds at most 256 pages");
}

void TrpPages::SaveToStream(TStream* Stream) {
    rpWriteBool(Stream, Parent->PrintToDefault);
    rpWriteBool(Stream, Parent->DoublePass);
    CheckWritable();
    rpWriteString(Stream, rpPrinterLink ? rpPrinterLink->PrinterName() : String());
    for (const auto& page : FPages) {
        Stream->WriteByte(rcPage);
        page->SaveToStream(Stream);
    }
    for (std::size_t p = 0; p < FPages.size(); ++p)
        for (const auto& view : FPages[p]->Objects) {
            Stream->WriteByte(view->Typ);
            if (view->Typ == gtAddIn) rpWriteString(Stream, view->ClassName());
            Stream->WriteByte(static_cast<Byte>(p));
            view->StreamMode = smDesigning;
            view->SaveToStream(Stream);
        }
    Stream->WriteByte(rcValues);
    Parent->Values()->WriteBinaryData(Stream);
    rpWriteMemo(Stream, Parent->Variables());
}
