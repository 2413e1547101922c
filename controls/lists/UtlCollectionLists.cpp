#include "controls/lists/UtlCollectionLists.h"

#include "controls/drawing/UtlBitmaps.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"
#include "platform/graphics/TCanvas.h"

namespace {

constexpr TColor NoColor = 0xFFFFFF;

[[noreturn]] void ListIndexError(Integer Index) {
    throw EListError(Format(SListIndexError, {Index}));
}

} // namespace

// ---- Collection entries --------------------------------------------------------

TPersistent* TUtlListCollection::GetOwner() const {
    return FListOwner;
}

void TUtlListCollection::Update(TCollectionItem* Item) {
    FListOwner->Change();
}

TUtlImageListConnector* TUtlBorImageListItem::Connector() const {
    return Collection() ? dynamic_cast<TUtlImageListConnector*>(Collection()->Owner()) : nullptr;
}

void TUtlBorImageListItem::SetName(const String& Value) {
    if (Value == FName) return;
    FName = Value;
    Changed(false);
}

void TUtlBorImageListItem::SetImageList(TImageList* Value) {
    if (Value == FImageList) return;
    FImageList = Value;
    if (Value)
        if (TUtlImageListConnector* c = Connector()) Value->FreeNotification(c);
    Changed(false);
}

void TUtlBorImageListItem::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TUtlBorImageListItem*>(Source)) {
        FName = other->FName;
        SetImageList(other->FImageList);
        return;
    }
    TCollectionItem::Assign(Source);
}

String TUtlBorImageListItem::GetDisplayName() const {
    if (!FName.empty()) return FName;
    if (FImageList && !FImageList->Name().empty()) return FImageList->Name();
    return TCollectionItem::GetDisplayName();
}

TUtlGraphicListItem::TUtlGraphicListItem(TCollection* Collection)
    : TCollectionItem(Collection), FPicture(std::make_unique<TPicture>()) {
    FPicture->OnChange = [this](TObject*) { Changed(false); };
}

void TUtlGraphicListItem::SetName(const String& Value) {
    if (Value == FName) return;
    FName = Value;
    Changed(false);
}

void TUtlGraphicListItem::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TUtlGraphicListItem*>(Source)) {
        FPicture->Assign(other->FPicture.get());
        SetName(other->FName);
        return;
    }
    TCollectionItem::Assign(Source);
}

// ---- Connector -----------------------------------------------------------------

TUtlCollectionImageList::TUtlCollectionImageList(TComponent* AOwner, TCollection::TItemFactory EntryClass)
    : TUtlCustomImageList(AOwner, icInvalid,
                          [](TComponent* O) -> TUtlListItem* { return new TUtlListItem(O); }),
      FEntries(std::make_unique<TUtlListCollection>(this, std::move(EntryClass))),
      FItem(std::make_unique<TUtlListItem>(nullptr)) {
    UtlRegisterListClasses();
}

TUtlCollectionImageList::~TUtlCollectionImageList() = default;

TUtlListItem* TUtlCollectionImageList::GetItem(Integer Index) const {
    if (Index < 0 || Index >= GetCount()) ListIndexError(Index);
    FItem->BeginUpdate();
    FItem->SetDescription(EntryName(Index));
    FItem->EndUpdate(false);
    return FItem.get();
}

TUtlImageListConnector::TUtlImageListConnector(TComponent* AOwner)
    : TUtlCollectionImageList(AOwner, TCollection::ItemClassOf<TUtlBorImageListItem>()) {}

TUtlImageListConnector::~TUtlImageListConnector() {
    for (Integer i = 0; i < Entries()->Count(); ++i)
        if (TImageList* list = Entry(i)->ImageList()) list->RemoveFreeNotification(this);
}

TUtlBorImageListItem* TUtlImageListConnector::Entry(Integer Index) const {
    return static_cast<TUtlBorImageListItem*>(Entries()->Items(Index));
}

void TUtlImageListConnector::Notification(TComponent* AComponent, TOperation Operation) {
    TUtlCustomImageList::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    for (Integer i = 0; i < Entries()->Count(); ++i)
        if (Entry(i)->ImageList() == AComponent) Entry(i)->SetImageList(nullptr);
}

TImageList* TUtlImageListConnector::ListOf(Integer ListIndex) const {
    return ListIndex >= 0 && ListIndex < GetCount() ? Entry(ListIndex)->ImageList() : nullptr;
}

TRect TUtlImageListConnector::ItemRect(Integer ListIndex, Integer ImageIndex) {
    TImageList* list = ListOf(ListIndex);
    return list ? Rect(0, 0, list->Width(), list->Height()) : TRect();
}

Integer TUtlImageListConnector::Dimensions(Integer ListIndex, Integer Which) {
    TImageList* list = ListOf(ListIndex);
    if (!list) return 0;
    return Which == 0 ? list->Width() : Which == 1 ? list->Height() : 0;
}

Integer TUtlImageListConnector::ItemCount(Integer ListIndex) {
    TImageList* list = ListOf(ListIndex);
    return list ? list->Count() : -1;
}

bool TUtlImageListConnector::IsValidItem(Integer ListIndex, Integer ImageIndex) {
    TImageList* list = ListOf(ListIndex);
    return list && ImageIndex >= 0 && ImageIndex < list->Count();
}

void TUtlImageListConnector::GetBitmapItem(Integer ListIndex, Integer ImageIndex, TBitmap* Bitmap) {
    if (Bitmap && IsValidItem(ListIndex, ImageIndex)) ListOf(ListIndex)->GetBitmap(ImageIndex, Bitmap);
}

bool TUtlImageListConnector::Masked(Integer ListIndex) {
    TImageList* list = ListOf(ListIndex);
    return list && list->Masked();
}

TColor TUtlImageListConnector::TransparentColor(Integer ListIndex, Integer ImageIndex) {
    TBitmap image;
    GetBitmapItem(ListIndex, ImageIndex, &image);
    return image.Empty() ? NoColor : image.TransparentColor();
}

void TUtlImageListConnector::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer ListIndex,
                                  Integer ImageIndex) {
    if (IsValidItem(ListIndex, ImageIndex)) ListOf(ListIndex)->Draw(Canvas, X, Y, ImageIndex, true);
}

TRect TUtlImageListConnector::DrawExt(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer ListIndex,
                                      Integer ImageIndex) {
    return DrawFetched(Canvas, Rect, Mode, ListIndex, ImageIndex);
}

TRect TUtlImageListConnector::ClipDraw(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value,
                                       TColor Color, Integer ListIndex, Integer ImageIndex) {
    return ClipDrawFetched(Canvas, Rect, Mode, Value, ListIndex, ImageIndex);
}

// ---- Graphic list --------------------------------------------------------------

TUtlGraphicList::TUtlGraphicList(TComponent* AOwner)
    : TUtlCollectionImageList(AOwner, TCollection::ItemClassOf<TUtlGraphicListItem>()) {}

TUtlGraphicListItem* TUtlGraphicList::Entry(Integer Index) const {
    return static_cast<TUtlGraphicListItem*>(Entries()->Items(Index));
}

TGraphic* TUtlGraphicList::GraphicOf(Integer ListIndex) const {
    if (ListIndex < 0 || ListIndex >= GetCount()) return nullptr;
    TGraphic* g = Entry(ListIndex)->Picture()->Graphic();
    return g && !g->Empty() ? g : nullptr;
}

bool TUtlGraphicList::IsValidItem(Integer ListIndex, Integer ImageIndex) {
    return GraphicOf(ListIndex) != nullptr;
}

TRect TUtlGraphicList::ItemRect(Integer ListIndex, Integer ImageIndex) {
    TGraphic* g = GraphicOf(ListIndex);
    return g ? Rect(0, 0, g->Width(), g->Height()) : TRect();
}

Integer TUtlGraphicList::Dimensions(Integer ListIndex, Integer Which) {
    TGraphic* g = GraphicOf(ListIndex);
    if (!g) return 0;
    return Which == 0 ? g->Width() : Which == 1 ? g->Height() : 0;
}

void TUtlGraphicList::GetBitmapItem(Integer ListIndex, Integer ImageIndex, TBitmap* Bitmap) {
    TGraphic* g = GraphicOf(ListIndex);
    if (!g || !Bitmap) return;
    if (auto* b = dynamic_cast<TBitmap*>(g)) {
        Bitmap->Assign(b);
        return;
    }
    UtlBmpCreateFromRect(Bitmap, Rect(0, 0, g->Width(), g->Height()), clWhite);
    Bitmap->Canvas()->Draw(0, 0, g);
}

HPALETTE TUtlGraphicList::Palette(Integer ListIndex) {
    auto* b = dynamic_cast<TBitmap*>(GraphicOf(ListIndex));
    return b ? b->PaletteHandle() : nullptr;
}

TColor TUtlGraphicList::TransparentColor(Integer ListIndex, Integer ImageIndex) {
    if (!GraphicOf(ListIndex)) return clNone;
    TBitmap image;
    GetBitmapItem(ListIndex, ImageIndex, &image);
    return image.TransparentColor();
}

void TUtlGraphicList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer ListIndex, Integer ImageIndex) {
    if (TGraphic* g = GraphicOf(ListIndex)) Canvas->Draw(X, Y, g);
}

TRect TUtlGraphicList::DrawExt(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer ListIndex,
                               Integer ImageIndex) {
    return DrawFetched(Canvas, Rect, Mode, ListIndex, ImageIndex);
}

TRect TUtlGraphicList::ClipDraw(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value, TColor Color,
                                Integer ListIndex, Integer ImageIndex) {
    return ClipDrawFetched(Canvas, Rect, Mode, Value, ListIndex, ImageIndex);
}

bool UtlIsSingleItemImageList(const TUtlCustomImageList* List) {
    return dynamic_cast<const TUtlBitmapList*>(List) || dynamic_cast<const TUtlGraphicList*>(List);
}

bool UtlIsCollectionImageList(const TUtlCustomImageList* List) {
    return dynamic_cast<const TUtlImageListConnector*>(List) != nullptr;
}
