#pragma once
// One entry of a menu: a command, a separator (caption "-") or a submenu.
// Captions keep their "&" accelerator marks; a shortcut shows beside the caption.
#include "platform/core/TComponent.h"
#include "platform/ui/UiTypes.h"

#include <vector>

class QAction;
class QMenu;
class TImageList;
class TMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    // Deletes its sub-items and leaves its parent item.
    ~TMenuItem() override;
    String ClassName() const override { return "TMenuItem"; }

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& v);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut v);
    bool Checked() const { return FChecked; }
    // Checking a radio item unchecks the radio items of its group beside it.
    void SetChecked(bool v);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool v);
    Byte GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Byte v) { FGroupIndex = v; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v);
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);
    const String& Hint() const { return FHint; }
    void SetHint(const String& v) { FHint = v; }
    bool Default() const { return FDefault; }
    void SetDefault(bool v);
    bool IsLine() const { return FCaption == "-"; }
    // The item's picture in its menu's image list; -1 (or an index outside the list) shows none.
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer v);

    Integer Count() const { return Integer(FItems.size()); }
    // Raises EMenuError-like EListError "List index out of bounds (<i>)".
    TMenuItem* Items(Integer Index) const;
    TMenuItem* Parent() const { return FParent; }
    Integer IndexOf(const TMenuItem* Item) const;
    // Raises EInvalidOperation "Menu inserted twice" when Item already has a parent.
    void Add(TMenuItem* Item);
    void Insert(Integer Index, TMenuItem* Item);
    // Takes the item out without deleting it.
    void Remove(TMenuItem* Item);
    // Deletes the item at Index.
    void Delete(Integer Index);
    void Clear();

    // Fires OnClick when enabled.
    virtual void Click();
    TNotifyEvent OnClick;

    // The enabled, visible item (this one or below) with that shortcut; null when none.
    TMenuItem* FindShortCut(TShortCut sc);

    // Platform-internal: the action shown in menus, and the menu this item opens.
    QAction* Action() const { return FAction; }
    QMenu* SubMenu() const { return FSubMenu; }
    // Platform-internal: the menu whose root this item is.
    void SetRootOf(TMenu* Menu) { FRootOf = Menu; }
    // Platform-internal: shows the pictures of this item and those below anew.
    void ImagesChanged();

private:
    void UpdateAction();
    void StructureChanged();
    TImageList* MenuImages() const;

    QAction* FAction = nullptr;
    QMenu* FSubMenu = nullptr;
    TMenu* FRootOf = nullptr;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
    String FCaption;
    String FHint;
    TShortCut FShortCut = scNone;
    bool FChecked = false;
    bool FRadioItem = false;
    Byte FGroupIndex = 0;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    Integer FImageIndex = -1;
};
