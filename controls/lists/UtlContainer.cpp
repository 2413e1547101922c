#include "controls/lists/UtlContainer.h"

#include "controls/common/UtlStreams.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TFileStream.h"
#include "platform/core/TFiler.h"
#include "platform/core/TMemoryStream.h"

#include <algorithm>
#include <cstring>
#include <memory>

const char* const UtlListSignatures[6] = {"UTLIML30", "UTLBML30", "UTLWVL30",
                                          "UTLSLL30", "UTLGLL50", "UTLRTL50"};
const char* const UTLICEXTENSION[6] = {"iml", "bml", "wvl", "sll", "gll", "rtl"};
const Integer UtlPixelFormatColors[4] = {-1, 2, 16, 256};

namespace {

constexpr Integer SignatureSize = 9;

String WithDot(const String& Ext, bool Dot) {
    return Dot && !Ext.empty() ? "." + Ext : Ext;
}

[[noreturn]] void ListIndexError(Integer Index) {
    throw EListError(Format(SListIndexError, {Index}));
}

[[noreturn]] void WrongFile(const String& FileName, const String& What) {
    throw Exception(Format("Cannot open file %s: %s", {FileName, What}));
}

// Reads and compares the signature; false for another kind or a short file.
bool ReadSignature(TStream* Stream, TUtlListItemClassType Type) {
    Byte header[SignatureSize] = {};
    if (Stream->Read(header, SignatureSize) != SignatureSize) return false;
    return header[0] == 8 && std::memcmp(header + 1, UtlListSignatures[Type], 8) == 0;
}

} // namespace

String UtlICGetSuffix(TUtlListItemClassType Type, bool Dot) {
    return WithDot(Type < icInvalid ? UTLICEXTENSION[Type] : "", Dot);
}

String UtlICGetItemSuffix(TUtlListItemClassType Type, bool Dot) {
    static const char* const items[6] = {"iml", "bmp", "wav", "txt", "*", "rtf"};
    return WithDot(Type < icInvalid ? items[Type] : "", Dot);
}

// ---- Change links --------------------------------------------------------------

TUtlChangeLink::~TUtlChangeLink() {
    if (Sender) Sender->UnRegisterChanges(this);
}

void TUtlChangeLink::Change() {
    if (OnChange) OnChange(Sender);
}

TUtlBaseContainer::~TUtlBaseContainer() {
    while (!FLinks.empty())
        UnRegisterChanges(FLinks.back());
}

void TUtlBaseContainer::RegisterChanges(TUtlChangeLink* Link) {
    Link->Sender = this;
    FLinks.push_back(Link);
}

void TUtlBaseContainer::UnRegisterChanges(TUtlChangeLink* Link) {
    auto it = std::find(FLinks.begin(), FLinks.end(), Link);
    if (it == FLinks.end()) return;
    Link->Sender = nullptr;
    FLinks.erase(it);
}

void TUtlBaseContainer::Change() {
    const std::vector<TUtlChangeLink*> links = FLinks;
    for (TUtlChangeLink* link : links)
        link->Change();
    TUtlCustomComponent::Change();
}

// ---- Items ---------------------------------------------------------------------

void TUtlListItem::SetDescription(const String& Value) {
    if (Value == FDescription) return;
    FDescription = Value;
    Change();
}

void TUtlListItem::SetIdent(Word Value) {
    if (Value == FIdent) return;
    FIdent = Value;
    Change();
}

Byte TUtlListItem::WriteFlag() const {
    Byte flag = 0;
    if (FCompressed) flag |= ifCompressed;
    if (!FDescription.empty()) flag |= ifDescription;
    if (FIdent != 0) flag |= ifIdent;
    return flag;
}

void TUtlListItem::WriteStd(TStream* Stream) {
    const Byte flag = WriteFlag();
    stWriteByte(Stream, flag);
    if (flag & ifDescription) stWriteString(Stream, FDescription);
    if (flag & ifIdent) stWriteInteger(Stream, FIdent);
}

Byte TUtlListItem::ReadStd(TStream* Stream) {
    const Byte flag = stReadByte(Stream);
    FCompressed = (flag & ifCompressed) != 0;
    FDescription = (flag & ifDescription) ? stReadString(Stream) : String();
    FIdent = (flag & ifIdent) ? Word(stReadInteger(Stream) & 0xFFFF) : Word(0);
    return flag;
}

TUtlCustomContainer* TUtlListItem::Container() const {
    return dynamic_cast<TUtlCustomContainer*>(Owner());
}

Integer TUtlListItem::GetIndex() const {
    const TUtlCustomContainer* c = Container();
    return c ? c->IndexOf(this) : -1;
}

void TUtlListItem::Change() {
    TUtlCustomComponent::Change();
    if (TUtlCustomContainer* c = Container()) c->Update(this);
}

void TUtlListItem::DefineProperties(TFiler* Filer) {
    Filer->DefineBinaryProperty(
        IDS_INTERNAL, [this](TStream* S) { ReadData(S); }, [this](TStream* S) { WriteData(S); }, true);
}

void TUtlListItem::SetParentComponent(TComponent* Value) {
    auto* c = dynamic_cast<TUtlCustomContainer*>(Value);
    if (c && c->IndexOf(this) < 0) c->Add(this);
}

// ---- Containers ----------------------------------------------------------------

TUtlCustomContainer::TUtlCustomContainer(TComponent* AOwner, TUtlListItemClassType ListType,
                                         TItemMaker ItemClass)
    : TUtlBaseContainer(AOwner), FItemClass(std::move(ItemClass)), FListType(ListType) {}

TUtlCustomContainer::~TUtlCustomContainer() {
    // The items go with the owned components; nothing must call back into the list.
    FItems.clear();
    OnChange = nullptr;
    DestroyComponents();
}

void TUtlCustomContainer::SetPrefix(TUtlPathPrefix Value) {
    if (Value == FPrefix) return;
    FPrefix = Value;
    Change();
}

void TUtlCustomContainer::SetSource(TUtlContainerSource Value) {
    if (Value == FSource) return;
    if (!ComponentState().Contains(csLoading))
        for (TUtlListItem* item : FItems)
            item->FreeData();
    FSource = Value;
    Change();
}

TUtlListItem* TUtlCustomContainer::GetItem(Integer Index) const {
    if (Index < 0 || Index >= GetCount()) ListIndexError(Index);
    return FItems[std::size_t(Index)];
}

void TUtlCustomContainer::Adopt(Integer Index, TUtlListItem* Item) {
    if (Item->Owner() != this) {
        if (Item->Owner()) Item->Owner()->RemoveComponent(Item);
        InsertComponent(Item);
    }
    FItems.insert(FItems.begin() + Index, Item);
}

Integer TUtlCustomContainer::Add(TUtlListItem* Item) {
    Adopt(GetCount(), Item ? Item : FItemClass(nullptr));
    Change();
    return GetCount() - 1;
}

void TUtlCustomContainer::Insert(Integer Index, TUtlListItem* Item) {
    if (Index < 0 || Index > GetCount()) ListIndexError(Index);
    Adopt(Index, Item ? Item : FItemClass(nullptr));
    Change();
}

void TUtlCustomContainer::Delete(Integer Index) {
    TUtlListItem* item = GetItem(Index);
    FItems.erase(FItems.begin() + Index);
    delete item;
    Change();
}

void TUtlCustomContainer::Clear() {
    std::vector<TUtlListItem*> items;
    items.swap(FItems);
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        delete *it;
    Change();
}

void TUtlCustomContainer::Move(Integer CurIndex, Integer NewIndex) {
    if (CurIndex == NewIndex) return;
    TUtlListItem* item = GetItem(CurIndex);
    if (NewIndex < 0 || NewIndex >= GetCount()) ListIndexError(NewIndex);
    FItems.erase(FItems.begin() + CurIndex);
    FItems.insert(FItems.begin() + NewIndex, item);
    Change();
}

Integer TUtlCustomContainer::IndexOf(const TUtlListItem* Item) const {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : Integer(it - FItems.begin());
}

TUtlListItem* TUtlCustomContainer::GetItemByName(const String& Name) const {
    for (TUtlListItem* item : FItems)
        if (item->Description() == Name) return item;
    return nullptr;
}

void TUtlCustomContainer::AddList(TUtlCustomContainer* Other) {
    for (Integer i = 0; i < Other->GetCount(); ++i) {
        TUtlListItem* item = FItemClass(nullptr);
        Adopt(GetCount(), item);
        item->Assign(Other->GetItem(i));
    }
    Change();
}

void TUtlCustomContainer::Assign(TPersistent* Source) {
    auto* other = dynamic_cast<TUtlCustomContainer*>(Source);
    if (!other || !SameKind(other)) {
        TUtlBaseContainer::Assign(Source);
        return;
    }
    if (other == this) return;
    BeginUpdate();
    core::ScopeExit done([this] { EndUpdate(true); });
    Clear();
    AssignSettings(other);
    AddList(other);
}

void TUtlCustomContainer::WriteData(TStream* Stream, bool Indexed) {
    const Integer count = GetCount();
    stWriteInteger(Stream, count);
    if (!Indexed || count == 0) {
        for (TUtlListItem* item : FItems)
            item->SaveToStream(Stream);
        return;
    }
    const Int64 table = Stream->Position();
    Stream->SetPosition(table + Int64(4) * count);
    std::vector<Integer> offsets;
    for (TUtlListItem* item : FItems) {
        offsets.push_back(Integer(Stream->Position()));
        item->SaveToStream(Stream);
    }
    const Int64 end = Stream->Position();
    Stream->SetPosition(table);
    for (Integer offset : offsets)
        stWriteInteger(Stream, offset);
    Stream->SetPosition(end);
}

void TUtlCustomContainer::ReadData(TStream* Stream, bool Indexed) {
    const Integer count = stReadInteger(Stream);
    // Every record takes at least its flag byte, and an indexed one its offset.
    const Int64 left = Stream->Size() - Stream->Position();
    if (count < 0 || Int64(count) * (Indexed ? 5 : 1) > left) throw EReadError(SReadError);
    if (Indexed && count > 0) Stream->Seek(Int64(4) * count, soFromCurrent);
    std::vector<std::unique_ptr<TUtlListItem>> read;
    for (Integer i = 0; i < count; ++i) {
        read.emplace_back(FItemClass(nullptr));
        read.back()->LoadFromStream(Stream);
    }
    BeginUpdate();
    core::ScopeExit done([this] { EndUpdate(true); });
    std::vector<TUtlListItem*> old;
    old.swap(FItems);
    for (auto it = old.rbegin(); it != old.rend(); ++it)
        delete *it;
    for (auto& item : read)
        Adopt(GetCount(), item.release());
}

void TUtlCustomContainer::LoadFromFile(const String& FileName) {
    TFileStream file(FileName, fmOpenRead | fmShareDenyRead);
    if (!ReadSignature(&file, FListType)) WrongFile(FileName, ClassName());
    ReadData(&file, true);
}

void TUtlCustomContainer::SaveToFile(const String& FileName) {
    TMemoryStream data;
    stWriteByte(&data, 8);
    data.WriteBuffer(UtlListSignatures[FListType], 8);
    WriteData(&data, true);
    // The file is written only once the whole list is in memory.
    data.SaveToFile(FileName);
}

void TUtlCustomContainer::Update(TUtlListItem* Item) {
    if (OnChange) OnChange(Item);
}

void TUtlCustomContainer::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    for (TUtlListItem* item : FItems)
        Proc(item);
}

void TUtlCustomContainer::Notification(TComponent* AComponent, TOperation Operation) {
    TUtlBaseContainer::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    auto it = std::find(FItems.begin(), FItems.end(), AComponent);
    if (it != FItems.end()) FItems.erase(it);
}

// ---- List files ----------------------------------------------------------------

TUtlListItemClassType UtlListGetFileType(const String& FileName, Integer& Count, std::vector<Integer>* List) {
    Count = -1;
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    Byte header[SignatureSize] = {};
    if (file.Read(header, SignatureSize) != SignatureSize || header[0] != 8) return icInvalid;
    TUtlListItemClassType type = icInvalid;
    for (Integer t = 0; t < 6; ++t)
        if (std::memcmp(header + 1, UtlListSignatures[t], 8) == 0) type = TUtlListItemClassType(t);
    if (type == icInvalid) return icInvalid;
    Integer count = 0;
    if (file.Read(&count, 4) != 4 || count < 0 || Int64(count) * 5 > file.Size() - file.Position())
        return icInvalid;
    Count = count;
    if (List) {
        List->clear();
        List->reserve(std::size_t(count));
        for (Integer i = 0; i < count; ++i)
            List->push_back(stReadInteger(&file));
    }
    return type;
}

bool UtlListGetItemFromStream(TStream* Stream, const std::vector<Integer>* List, Integer Index,
                              TUtlListItem* Item) {
    if (!List) return false;
    if (Index < 0 || Index >= Integer(List->size())) ListIndexError(Index);
    const Integer offset = (*List)[std::size_t(Index)];
    if (offset < 0 || offset >= Stream->Size()) throw EReadError(SReadError);
    Stream->SetPosition(offset);
    Item->LoadFromStream(Stream);
    return true;
}

void UtlListGetItemFromFile(const String& FileName, TUtlListItemClassType Type,
                            const std::vector<Integer>* List, Integer Index, TUtlListItem* Item) {
    std::vector<Integer> own;
    if (!List) {
        Integer count = 0;
        if (UtlListGetFileType(FileName, count, &own) != Type || Type == icInvalid)
            WrongFile(FileName, Type < icInvalid ? UtlListSignatures[Type] : "");
        List = &own;
    }
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    UtlListGetItemFromStream(&file, List, Index, Item);
}
