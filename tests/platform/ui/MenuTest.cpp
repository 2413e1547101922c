// Menu items: tree, radio groups, clicks, shortcut texts.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/ShortCuts.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

TMenuItem* Item(TComponent* owner, TMenuItem* parent, const String& caption) {
    auto* i = new TMenuItem(owner);
    i->SetCaption(caption);
    parent->Add(i);
    return i;
}

TEST(MenuItems, RadioItemsOfOneGroupExcludeEachOther) {
    TMainMenu menu(nullptr);
    TMenuItem* a = Item(&menu, menu.Items(), "Növekvő");
    TMenuItem* b = Item(&menu, menu.Items(), "Csökkenő");
    TMenuItem* other = Item(&menu, menu.Items(), "Másik csoport");
    for (TMenuItem* i : {a, b, other})
        i->SetRadioItem(true);
    other->SetGroupIndex(2);
    other->SetChecked(true);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(other->Checked());
}

TEST(MenuItems, PlainItemsDoNotUncheckEachOther) {
    TMainMenu menu(nullptr);
    TMenuItem* a = Item(&menu, menu.Items(), "A");
    TMenuItem* b = Item(&menu, menu.Items(), "B");
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_TRUE(a->Checked());
}

TEST(MenuItems, ClickFiresOnlyWhenEnabledAndDoesNotToggleTheCheck) {
    TMainMenu menu(nullptr);
    TMenuItem* a = Item(&menu, menu.Items(), "&Kezdőlap");
    int clicks = 0;
    a->OnClick = [&](TObject* sender) {
        ++clicks;
        EXPECT_EQ(sender, a);
    };
    a->Click();
    EXPECT_FALSE(a->Checked());
    a->SetEnabled(false);
    a->Click();
    EXPECT_EQ(clicks, 1);
}

TEST(MenuItems, ShortcutsAreFoundInSubmenusButNotInHiddenOnes) {
    TMainMenu menu(nullptr);
    TMenuItem* top = Item(&menu, menu.Items(), "Ügyek");
    TMenuItem* deep = Item(&menu, top, "Új ügy");
    deep->SetShortCut(ShortCut('N', {ssCtrl}));
    int clicks = 0;
    deep->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_TRUE(menu.IsShortCut(ShortCut('N', {ssCtrl})));
    EXPECT_FALSE(menu.IsShortCut(ShortCut('N', {})));
    top->SetVisible(false);
    EXPECT_FALSE(menu.IsShortCut(ShortCut('N', {ssCtrl})));
    EXPECT_EQ(clicks, 1);
}

TEST(MenuItems, AddingAnItemTwiceRaises) {
    TMainMenu menu(nullptr);
    TMenuItem* a = Item(&menu, menu.Items(), "A");
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { menu.Items()->Add(a); }), "Menu inserted twice");
    EXPECT_EQ(menu.Items()->Count(), 1);
}

TEST(MenuItems, DeletingAnItemDeletesItsSubitemsAndLeavesTheParent) {
    TComponent owner(nullptr);
    TMainMenu* menu = new TMainMenu(&owner);
    TMenuItem* top = Item(&owner, menu->Items(), "Rendszer");
    Item(&owner, top, "Kilépés");
    const Integer before = owner.ComponentCount();
    delete top;
    EXPECT_EQ(menu->Items()->Count(), 0);
    EXPECT_EQ(owner.ComponentCount(), before - 2);
    EXPECT_EQ(ErrorOf<EListError>([&] { menu->Items()->Items(0); }), "List index out of bounds (0)");
}

TEST(MenuItems, InsertPlacesTheItem) {
    TMainMenu menu(nullptr);
    TMenuItem* a = Item(&menu, menu.Items(), "A");
    auto* b = new TMenuItem(&menu);
    menu.Items()->Insert(0, b);
    EXPECT_EQ(menu.Items()->Items(0), b);
    EXPECT_EQ(menu.Items()->IndexOf(a), 1);
}

TEST(ShortCutText, RoundTrips) {
    struct Row {
        TShortCut Sc;
        const char* Text;
    };
    const Row rows[] = {
        {ShortCut('N', {ssCtrl}), "Ctrl+N"},
        {ShortCut(VK_DELETE, {ssShift}), "Shift+Del"},
        {ShortCut(VK_F5, {}), "F5"},
        {ShortCut(VK_F12, {ssShift, ssCtrl, ssAlt}), "Shift+Ctrl+Alt+F12"},
        {ShortCut(VK_RETURN, {ssAlt}), "Alt+Enter"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ShortCutToText(row.Sc), row.Text);
        EXPECT_EQ(TextToShortCut(row.Text), row.Sc);
    }
    EXPECT_EQ(TextToShortCut("ctrl+n"), ShortCut('N', {ssCtrl}));
    EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
    EXPECT_EQ(TextToShortCut("Hyper+X"), scNone);
    EXPECT_EQ(ShortCutToText(scNone), "");
}

TEST(ShortCutText, KeyAndShiftComeBack) {
    Word key = 0;
    TShiftState shift;
    ShortCutToKey(ShortCut('S', {ssCtrl, ssShift}), key, shift);
    EXPECT_EQ(key, Word('S'));
    EXPECT_EQ(shift, (TShiftState{ssCtrl, ssShift}));
}

} // namespace
