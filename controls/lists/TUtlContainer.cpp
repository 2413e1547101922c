#include "controls/lists/TUtlContainer.h"

#include "controls/common/UtlCheckForSameClass.h"
#include "controls/lists/UtlCollectionLists.h"
#include "controls/services/TUtlApplication.h"
#include "platform/core/TFiler.h"
#include "platform/core/TypInfo.h"

TUtlContainer* UtlContainer = nullptr;

void UtlContainerInitialization() {
    if (!UtlContainer) UtlContainer = new TUtlContainer(nullptr);
}

void UtlContainerFinalization() {
    delete UtlContainer;
    UtlContainer = nullptr;
}

TUtlContainer::TUtlContainer(TComponent* AOwner)
    : TUtlBaseContainer(AOwner), FBitmapList(std::make_unique<TUtlBitmapList>(nullptr)),
      FImageList(std::make_unique<TUtlImageList>(nullptr)),
      FWaveList(std::make_unique<TUtlWaveList>(nullptr)),
      FStringList(std::make_unique<TUtlStringList>(nullptr)) {
    for (TUtlCustomContainer* list : {static_cast<TUtlCustomContainer*>(FBitmapList.get()),
                                      static_cast<TUtlCustomContainer*>(FImageList.get()),
                                      static_cast<TUtlCustomContainer*>(FWaveList.get()),
                                      static_cast<TUtlCustomContainer*>(FStringList.get())})
        list->OnChange = [this](TObject* Sender) { GetChange(Sender); };
}

TUtlContainer::~TUtlContainer() {
    if (UtlContainer == this) UtlContainer = nullptr;
}

TUtlContainerCtrl::TUtlContainerCtrl(TComponent* AOwner) : TUtlCustomComponent(AOwner) {
    if (ComponentState().Contains(csDesigning)) {
        if (UtlCheckForSameClass<TUtlContainerCtrl>(AOwner, false)) {
            FSelector = 255;
            throw UtlEOneInstError(ClassName(), 0);
        }
        FPrivate = std::make_unique<TUtlContainer>(nullptr);
    }
}

TUtlContainerCtrl::~TUtlContainerCtrl() = default;

TUtlContainer* TUtlContainerCtrl::Container() const {
    if (FPrivate) return FPrivate.get();
    UtlContainerInitialization();
    return UtlContainer;
}

TUtlCustomContainer* TUtlContainerCtrl::Selected() const {
    TUtlContainer* c = Container();
    switch (FSelector) {
    case 1:
        return c->BitmapList();
    case 2:
        return c->ImageList();
    case 3:
        return c->WaveList();
    case 4:
        return c->StringList();
    default:
        return nullptr;
    }
}

void TUtlContainerCtrl::DefineProperties(TFiler* Filer) {
    TUtlContainer* c = Container();
    const TUtlCustomContainer* lists[4] = {c->BitmapList(), c->ImageList(), c->WaveList(), c->StringList()};
    for (Byte i = 0; i < 4; ++i) {
        // The property name is the list's class name without "TUtl".
        const String name = lists[i]->ClassName().substr(4, 30);
        const Byte selector = Byte(i + 1);
        Filer->DefineBinaryProperty(
            name,
            [this, selector](TStream* S) {
                FSelector = selector;
                Selected()->LoadFromStream(S);
            },
            [this, selector](TStream* S) {
                FSelector = selector;
                Selected()->SaveToStream(S);
            },
            !lists[i]->GetEmpty());
    }
}

void UtlWriteGlobalIdent(TWriter* Writer, TUtlCustomContainer* List) {
    if (!UtlContainer || !List) return;
    if (List == UtlContainer->BitmapList())
        Writer->WriteString(UtlListSignatures[icBitmap]);
    else if (List == UtlContainer->ImageList())
        Writer->WriteString(UtlListSignatures[icImageList]);
}

TUtlCustomContainer* UtlReadGlobalIdent(TReader* Reader) {
    const String ident = Reader->ReadString();
    if (!UtlContainer) return nullptr;
    if (ident == UtlListSignatures[icBitmap]) return UtlContainer->BitmapList();
    if (ident == UtlListSignatures[icImageList]) return UtlContainer->ImageList();
    return nullptr;
}

bool UtlIsGlobalIdent(const TUtlCustomContainer* List) {
    return UtlContainer && List && (List == UtlContainer->BitmapList() || List == UtlContainer->ImageList());
}

void UtlDefineGlobalImageList(TFiler* Filer, TUtlCustomImageList* List,
                              const std::function<void(TUtlCustomImageList*)>& Assign) {
    Filer->DefineProperty(
        IDS_INTERNAL,
        [&Assign](TReader* r) {
            if (auto* list = dynamic_cast<TUtlCustomImageList*>(UtlReadGlobalIdent(r))) Assign(list);
        },
        [List](TWriter* w) { UtlWriteGlobalIdent(w, List); }, List && UtlIsGlobalIdent(List));
}

void UtlRegisterListClasses() {
    static const bool registered = [] {
        auto describedItem = [](auto* tag, const char* name) {
            using T = std::remove_pointer_t<decltype(tag)>;
            RegisterClass<T>(name, "",
                             {StrProp<T>("Description", &T::Description, &T::SetDescription),
                              OrdProp<T>("Ident", tkInteger, &T::Ident, &T::SetIdent, 0)});
        };
        describedItem(static_cast<TUtlStringListItem*>(nullptr), "TUtlStringListItem");
        describedItem(static_cast<TUtlWaveListItem*>(nullptr), "TUtlWaveListItem");
        RegisterClass<TUtlBitmapListItem>("TUtlBitmapListItem", "", {});
        RegisterClass<TUtlGenericListItem>("TUtlGenericListItem", "", {});
        RegisterClass<TUtlImageListItem>(
            "TUtlImageListItem", "",
            {OrdProp<TUtlImageListItem>("Width", tkInteger, &TUtlImageListItem::Width,
                                        &TUtlImageListItem::SetWidth, 16),
             OrdProp<TUtlImageListItem>("Height", tkInteger, &TUtlImageListItem::Height,
                                        &TUtlImageListItem::SetHeight, 16),
             BoolProp<TUtlImageListItem>("Masked", &TUtlImageListItem::Masked, &TUtlImageListItem::SetMasked,
                                         0)});
        auto list = [](auto* tag, const char* name) {
            using T = std::remove_pointer_t<decltype(tag)>;
            std::vector<TPropInfo> props = {
                StrProp<T>("About", &T::About, &T::SetAbout),
                BoolProp<T>("DefaultCompressed", &T::DefaultCompressed, &T::SetDefaultCompressed, 0)};
            if constexpr (std::is_base_of_v<TUtlCustomImageList, T>)
                props.push_back(EnumProp<T>("DefaultPixelFormat", &T::DefaultPixelFormat,
                                            &T::SetDefaultPixelFormat, spfDefault,
                                            {"spfDefault", "spfMono", "spf4bit", "spf8bit"}));
            RegisterClass<T>(name, "", std::move(props));
        };
        list(static_cast<TUtlBitmapList*>(nullptr), "TUtlBitmapList");
        list(static_cast<TUtlImageList*>(nullptr), "TUtlImageList");
        list(static_cast<TUtlWaveList*>(nullptr), "TUtlWaveList");
        list(static_cast<TUtlStringList*>(nullptr), "TUtlStringList");
        list(static_cast<TUtlGenericList*>(nullptr), "TUtlGenericList");
        // The lists over collections: their entries stream as the collection's items.
        using B = TUtlBorImageListItem;
        RegisterClass<B>("TUtlBorImageListItem", "",
                         {StrProp<B>("Name", &B::Name, &B::SetName),
                          RefProp<B>("ImageList", &B::ImageList, &B::SetImageList)});
        using G = TUtlGraphicListItem;
        RegisterClass<G>("TUtlGraphicListItem", "",
                         {StrProp<G>("Name", &G::Name, &G::SetName), ObjectProp<G>("Picture", &G::Picture)});
        using C = TUtlImageListConnector;
        RegisterClass<C>(
            "TUtlImageListConnector", "",
            {StrProp<C>("About", &C::About, &C::SetAbout), ObjectProp<C>("ImageLists", &C::ImageLists)});
        using L = TUtlGraphicList;
        RegisterClass<L>(
            "TUtlGraphicList", "",
            {StrProp<L>("About", &L::About, &L::SetAbout), ObjectProp<L>("Graphics", &L::Graphics)});
        RegisterClass<TUtlContainerCtrl>(
            "TUtlContainerCtrl", "",
            {StrProp<TUtlContainerCtrl>("About", &TUtlContainerCtrl::About, &TUtlContainerCtrl::SetAbout)});
        return true;
    }();
    (void)registered;
}
