#include "controls/lists/UtlListItems.h"

#include "controls/common/UtlStreams.h"
#include "controls/services/UtlSysInfo.h"
#include "platform/core/FileUtils.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/core/SafeFileStream.h"
#include "platform/core/TFileStream.h"
#include "platform/core/TypInfo.h"

namespace {

// Stored pixel format <-> flag bits 4..6.
Byte PixelFormatFlag(TUtlSavePixelFormat F) {
    switch (F) {
    case spfMono:
        return ifMono;
    case spf4bit:
        return if4Bit;
    case spf8bit:
        return if8Bit;
    default:
        return 0;
    }
}

TUtlSavePixelFormat PixelFormatOf(Byte Flag) {
    if (Flag & ifMono) return spfMono;
    if (Flag & if4Bit) return spf4bit;
    if (Flag & if8Bit) return spf8bit;
    return spfDefault;
}

} // namespace

// ---- Bitmap items --------------------------------------------------------------

TUtlBitmapListItem::TUtlBitmapListItem(TComponent* AOwner)
    : TUtlListItem(AOwner), FBitmap(std::make_unique<TBitmap>()) {}

TBitmap* TUtlBitmapListItem::Bitmap() {
    if (FBitmap->Empty() && !ComponentState().Contains(csLoading) && !ComponentState().Contains(csDesigning))
        LoadFromSource();
    return FBitmap.get();
}

void TUtlBitmapListItem::SetBitmap(TBitmap* Value) {
    FBitmap->Assign(Value);
    Change();
}

void TUtlBitmapListItem::LoadFromSource() {
    TUtlCustomContainer* c = Container();
    if (!c || c->Source() == sdComponent || c->Source() == sdLibResource) return;
    BeginUpdate();
    core::ScopeExit done([this] { EndUpdate(false); });
    switch (c->Source()) {
    case sdFile:
        UtlBMLGetItem(UtlCreatePathPrefix(c->Prefix(), true) + c->SourceName(), Ident(), FBitmap.get());
        break;
    case sdAppResource:
        FBitmap->LoadFromResourceName(IntToStr(Ident()));
        break;
    case sdPath: {
        const String folder = c->Prefix() == ppFixed ? ExtractFilePath(c->SourceName())
                                                     : UtlCreatePathPrefix(c->Prefix(), true);
        FBitmap->LoadFromFile(folder + Copy(ExtractFileName(c->SourceName()), 1, 3) + IntToStr(Ident()) +
                              ".bmp");
        break;
    }
    default:
        break;
    }
}

void TUtlBitmapListItem::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TUtlBitmapListItem*>(Source)) {
        SetCompressed(other->Compressed());
        BeginUpdate();
        SetDescription(other->Description());
        SetIdent(other->Ident());
        EndUpdate(false);
        FPixelFormat = other->FPixelFormat;
        FBitmap->Assign(other->FBitmap.get());
        Change();
        return;
    }
    TUtlListItem::Assign(Source);
}

void TUtlBitmapListItem::FreeData() {
    FBitmap->Assign(nullptr);
}

Byte TUtlBitmapListItem::WriteFlag() const {
    Byte flag = TUtlListItem::WriteFlag() | PixelFormatFlag(FPixelFormat);
    if (!FBitmap->Empty()) flag |= ifData;
    return flag;
}

void TUtlBitmapListItem::WriteData(TStream* Stream) {
    WriteStd(Stream);
    if (FBitmap->Empty()) return;
    Integer colors = UtlPixelFormatColors[FPixelFormat];
    if (Compressed() && colors == -1 && FBitmap->Monochrome()) colors = 2;
    stWriteBitmap(Stream, FBitmap.get(), Compressed(), colors);
}

void TUtlBitmapListItem::ReadData(TStream* Stream) {
    const Byte flag = ReadStd(Stream);
    FPixelFormat = PixelFormatOf(flag);
    if (flag & ifData)
        stReadBitmap(Stream, FBitmap.get(), Compressed());
    else
        FBitmap->Assign(nullptr);
}

// ---- String-list items ---------------------------------------------------------

TUtlStringListItem::TUtlStringListItem(TComponent* AOwner)
    : TUtlListItem(AOwner), FItems(std::make_unique<TStringList>()) {}

void TUtlStringListItem::SetItems(TStrings* Value) {
    FItems->Assign(Value);
    Change();
}

void TUtlStringListItem::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TUtlStringListItem*>(Source)) {
        SetCompressed(other->Compressed());
        BeginUpdate();
        SetDescription(other->Description());
        SetIdent(other->Ident());
        EndUpdate(false);
        SetItems(other->FItems.get());
        return;
    }
    if (auto* lines = dynamic_cast<TStrings*>(Source)) {
        SetItems(lines);
        return;
    }
    TUtlListItem::Assign(Source);
}

Byte TUtlStringListItem::WriteFlag() const {
    return TUtlListItem::WriteFlag() | (FItems->Count() > 0 ? ifData : 0);
}

void TUtlStringListItem::WriteData(TStream* Stream) {
    WriteStd(Stream);
    if (FItems->Count() > 0) stWriteStringList(Stream, FItems.get(), Compressed());
}

void TUtlStringListItem::ReadData(TStream* Stream) {
    const Byte flag = ReadStd(Stream);
    if (flag & ifData)
        stReadStringList(Stream, FItems.get(), Compressed());
    else
        FItems->Clear();
}

// ---- Wave items ----------------------------------------------------------------

TUtlWaveListItem::TUtlWaveListItem(TComponent* AOwner)
    : TUtlListItem(AOwner), FWave(std::make_unique<TUtlWave>()) {}

void TUtlWaveListItem::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TUtlWaveListItem*>(Source)) {
        SetCompressed(other->Compressed());
        BeginUpdate();
        SetDescription(other->Description());
        SetIdent(other->Ident());
        EndUpdate(false);
        FWave->Assign(other->FWave.get());
        Change();
        return;
    }
    TUtlListItem::Assign(Source);
}

Byte TUtlWaveListItem::WriteFlag() const {
    return TUtlListItem::WriteFlag() | (FWave->GetEmpty() ? 0 : ifData);
}

void TUtlWaveListItem::WriteData(TStream* Stream) {
    WriteStd(Stream);
    if (!FWave->GetEmpty()) stWriteWave(Stream, FWave.get(), Compressed());
}

void TUtlWaveListItem::ReadData(TStream* Stream) {
    const Byte flag = ReadStd(Stream);
    if (flag & ifData)
        stReadWave(Stream, FWave.get(), Compressed());
    else
        FWave->FreeWave();
}

// ---- Generic items -------------------------------------------------------------

TUtlGenericListItem::TUtlGenericListItem(TComponent* AOwner)
    : TUtlListItem(AOwner), FData(std::make_unique<TMemoryStream>()) {}

void TUtlGenericListItem::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TUtlGenericListItem*>(Source)) {
        SetCompressed(other->Compressed());
        BeginUpdate();
        SetDescription(other->Description());
        SetIdent(other->Ident());
        EndUpdate(false);
        FData->Clear();
        if (other->FData->Size() > 0)
            FData->WriteBuffer(other->FData->Memory(), Integer(other->FData->Size()));
        FFileName = other->FFileName;
        Change();
        return;
    }
    TUtlListItem::Assign(Source);
}

void TUtlGenericListItem::FreeData() {
    FData->Clear();
    FFileName.clear();
}

Byte TUtlGenericListItem::WriteFlag() const {
    return TUtlListItem::WriteFlag() | (FData->Size() > 0 ? ifData : 0);
}

void TUtlGenericListItem::WriteData(TStream* Stream) {
    WriteStd(Stream);
    if (FData->Size() > 0) {
        FData->SetPosition(0);
        if (Compressed()) {
            SaveCompressedStream(FData.get(), Stream, Integer(FData->Size()));
        } else {
            stWriteInteger(Stream, Integer(FData->Size()));
            Stream->WriteBuffer(FData->Memory(), Integer(FData->Size()));
        }
    }
    stWriteString(Stream, FFileName);
}

void TUtlGenericListItem::ReadData(TStream* Stream) {
    const Byte flag = ReadStd(Stream);
    FData->Clear();
    if (flag & ifData) {
        if (Compressed()) {
            LoadCompressedStream(Stream, FData.get());
        } else {
            const Integer count = stReadCount(Stream);
            FData->SetSize(count);
            if (count > 0) Stream->ReadBuffer(FData->Memory(), count);
        }
        FData->SetPosition(0);
    }
    FFileName = stReadString(Stream);
}

void TUtlGenericListItem::LoadFromStream(TStream* Stream) {
    const Int64 count = Stream->Size() - Stream->Position();
    FData->Clear();
    if (count > 0) {
        FData->SetSize(count);
        Stream->ReadBuffer(FData->Memory(), Integer(count));
    }
    FData->SetPosition(0);
    Change();
}

void TUtlGenericListItem::SaveToStream(TStream* Stream) {
    if (FData->Size() > 0) Stream->WriteBuffer(FData->Memory(), Integer(FData->Size()));
}

void TUtlGenericListItem::LoadFromFile(const String& FileName) {
    if (FileName.empty() || !FileExists(FileName)) {
        FreeData();
        Change();
        return;
    }
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file);
    FFileName = ExtractFileName(FileName);
}

void TUtlGenericListItem::SaveToFile(const String& FileName) {
    core::SafeFileStream file(FileName);
    SaveToStream(&file);
    file.Commit();
}

String TUtlGenericListItem::SaveToTempFile() {
    const String name = UtlSITempFile();
    if (!name.empty()) SaveToFile(name);
    return name;
}

// ---- Lists ---------------------------------------------------------------------

TUtlWaveList::TUtlWaveList(TComponent* AOwner)
    : TUtlCustomContainer(AOwner, icWave,
                          [](TComponent* O) -> TUtlListItem* { return new TUtlWaveListItem(O); }) {
    UtlRegisterListClasses();
}

TUtlStringList::TUtlStringList(TComponent* AOwner)
    : TUtlCustomContainer(AOwner, icStringList,
                          [](TComponent* O) -> TUtlListItem* { return new TUtlStringListItem(O); }) {
    UtlRegisterListClasses();
}

TUtlGenericList::TUtlGenericList(TComponent* AOwner)
    : TUtlCustomContainer(AOwner, icGeneric,
                          [](TComponent* O) -> TUtlListItem* { return new TUtlGenericListItem(O); }) {
    UtlRegisterListClasses();
}

void UtlBMLGetItem(const String& FileName, Integer Index, TBitmap* Bitmap) {
    TUtlBitmapListItem item(nullptr);
    UtlListGetItemFromFile(FileName, icBitmap, nullptr, Index, &item);
    Bitmap->Assign(item.Bitmap());
}

void UtlWVLGetItem(const String& FileName, Integer Index, TUtlWave* Wave) {
    TUtlWaveListItem item(nullptr);
    UtlListGetItemFromFile(FileName, icWave, nullptr, Index, &item);
    Wave->Assign(item.Wave());
}
