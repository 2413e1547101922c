// Tab order, focus, and the road of a key: shortcuts, dialog keys, KeyPreview,
// then the focused control.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/ShortCuts.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

TWinControl* Field(TWinControl* parent, Integer top, bool tabStop = true) {
    auto* c = new TWinControl(parent);
    c->SetBounds(10, top, 100, 20);
    c->SetParent(parent);
    c->SetTabStop(tabStop);
    return c;
}

class Focus : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 300);
    }
    void TearDown() override { Form->Hide(); }
    std::unique_ptr<TForm> Form;
};

TEST_F(Focus, TabOrderFollowsCreationUntilChanged) {
    TWinControl* a = Field(Form.get(), 10);
    TWinControl* b = Field(Form.get(), 40);
    TWinControl* c = Field(Form.get(), 70);
    EXPECT_EQ(a->TabOrder(), 0);
    EXPECT_EQ(c->TabOrder(), 2);
    c->SetTabOrder(0);
    EXPECT_EQ(c->TabOrder(), 0);
    EXPECT_EQ(a->TabOrder(), 1);
    EXPECT_EQ(b->TabOrder(), 2);
    b->SetTabOrder(99); // past the end: last
    EXPECT_EQ(b->TabOrder(), 2);
}

TEST_F(Focus, NextControlSkipsDisabledHiddenAndNonTabStops) {
    TWinControl* a = Field(Form.get(), 10);
    TWinControl* disabled = Field(Form.get(), 40);
    disabled->SetEnabled(false);
    TWinControl* hidden = Field(Form.get(), 70);
    hidden->SetVisible(false);
    Field(Form.get(), 100, false);
    TWinControl* e = Field(Form.get(), 130);
    EXPECT_EQ(Form->FindNextControl(a, true, true, false), e);
    EXPECT_EQ(Form->FindNextControl(e, true, true, false), a); // wraps round
    EXPECT_EQ(Form->FindNextControl(a, false, true, false), e);
    EXPECT_EQ(Form->FindNextControl(nullptr, true, true, false), a);
}

TEST_F(Focus, TabOrderDescendsIntoContainers) {
    TWinControl* first = Field(Form.get(), 10);
    TWinControl* panel = Field(Form.get(), 40, false);
    panel->SetHeight(100);
    TWinControl* inner = Field(panel, 5);
    TWinControl* last = Field(Form.get(), 200);
    EXPECT_EQ(Form->FindNextControl(first, true, true, false), inner);
    EXPECT_EQ(Form->FindNextControl(inner, true, true, false), last);
}

TEST_F(Focus, AHiddenFormCannotTakeTheFocusButMayChooseIt) {
    TWinControl* a = Field(Form.get(), 10);
    TWinControl* b = Field(Form.get(), 40);
    EXPECT_TRUE(a->CanFocus());
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { a->SetFocus(); }),
              "Cannot focus a disabled or invisible window");
    // In OnShow the form counts as visible: the focus chosen there holds.
    Form->OnShow = [&](TObject*) { b->SetFocus(); };
    Form->Show();
    EXPECT_EQ(Form->ActiveControl(), b);
    EXPECT_TRUE(uitest::WaitFor([&] { return b->Focused(); }));
}

TEST_F(Focus, AControlOffAFormCannotTakeTheFocus) {
    TWinControl loose(nullptr);
    loose.SetName("Edit19");
    EXPECT_FALSE(loose.CanFocus());
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { loose.SetFocus(); }), "Control 'Edit19' has no parent window");
}

TEST_F(Focus, SetFocusOnAHiddenControlRaises) {
    TWinControl* a = Field(Form.get(), 10);
    a->SetVisible(false);
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { a->SetFocus(); }),
              "Cannot focus a disabled or invisible window");
}

TEST_F(Focus, TabKeyMovesTheFocusInTabOrderWithEnterAndExit) {
    TWinControl* a = Field(Form.get(), 10);
    TWinControl* b = Field(Form.get(), 40);
    std::string events;
    a->OnExit = [&](TObject*) { events += "exitA,"; };
    b->OnEnter = [&](TObject*) { events += "enterB,"; };
    Form->Show();
    a->SetFocus();
    ASSERT_TRUE(uitest::WaitFor([&] { return a->Focused(); }));
    ui::SimulateKey(a, VK_TAB);
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(events, "exitA,enterB,");
    ui::SimulateKey(b, VK_TAB, {ssShift});
    EXPECT_TRUE(a->Focused());
}

TEST_F(Focus, AControlThatWantsTabKeepsIt) {
    struct TTabEater : TWinControl {
        using TWinControl::TWinControl;
        bool WantsKey(Word Key) const override { return Key == VK_TAB; }
    };
    auto* eater = new TTabEater(Form.get());
    eater->SetBounds(0, 0, 50, 20);
    eater->SetParent(Form.get());
    eater->SetTabStop(true);
    Field(Form.get(), 40);
    Word seen = 0;
    eater->OnKeyDown = [&](TObject*, Word& key, TShiftState) { seen = key; };
    Form->Show();
    ui::SimulateKey(eater, VK_TAB);
    EXPECT_EQ(seen, VK_TAB);
    EXPECT_TRUE(eater->Focused());
}

TEST_F(Focus, KeyPreviewLetsTheFormSeeAndSwallowKeysFirst) {
    TWinControl* a = Field(Form.get(), 10);
    std::string events;
    Form->SetKeyPreview(true);
    Form->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
        events += "form,";
        if (key == VK_F2) key = 0;
    };
    a->OnKeyDown = [&](TObject*, Word&, TShiftState) { events += "control,"; };
    Form->Show();
    ui::SimulateKey(a, VK_F3);
    ui::SimulateKey(a, VK_F2);
    EXPECT_EQ(events, "form,control,form,");
}

TEST_F(Focus, AFormWhoseControlsCannotTakeTheFocusGetsItsKeys) {
    Field(Form.get(), 10)->SetEnabled(false);
    std::string events;
    Form->SetKeyPreview(true);
    Form->OnKeyDown = [&](TObject*, Word& key, TShiftState shift) {
        events += std::to_string(key) + (shift.Contains(ssCtrl) ? "c," : ",");
    };
    Form->Show();
    Application->ProcessMessages();
    ui::SimulateKeyInActiveWindow(VK_NEXT);
    ui::SimulateKeyInActiveWindow('P', {ssCtrl});
    EXPECT_EQ(events, std::to_string(VK_NEXT) + ",80c,");
}

TEST_F(Focus, WithoutKeyPreviewOnlyTheControlSeesTheKey) {
    TWinControl* a = Field(Form.get(), 10);
    std::string events;
    Form->OnKeyDown = [&](TObject*, Word&, TShiftState) { events += "form,"; };
    a->OnKeyDown = [&](TObject*, Word& key, TShiftState shift) {
        events += "control,";
        EXPECT_EQ(key, Word('A'));
        EXPECT_TRUE(shift.Contains(ssCtrl));
    };
    Form->Show();
    ui::SimulateKey(a, 'A', {ssCtrl});
    EXPECT_EQ(events, "control,");
}

TEST_F(Focus, KeyPressCarriesTheTypedCharacter) {
    TWinControl* a = Field(Form.get(), 10);
    String typed;
    a->OnKeyPress = [&](TObject*, String& key) { typed += key; };
    Form->Show();
    ui::SimulateKey(a, 0, {}, "ő");
    ui::SimulateKey(a, VK_RETURN, {}, "\r");
    EXPECT_EQ(typed, "ő\r");
}

TEST_F(Focus, MainMenuShortcutFiresItsItemBeforeTheControl) {
    auto* menu = new TMainMenu(Form.get());
    auto* top = new TMenuItem(Form.get());
    top->SetCaption("&Rendszer");
    menu->Items()->Add(top);
    auto* item = new TMenuItem(Form.get());
    item->SetCaption("&Kilépés");
    item->SetShortCut(ShortCut('Q', {ssCtrl}));
    top->Add(item);
    Form->SetMenu(menu);
    int clicks = 0;
    item->OnClick = [&](TObject*) { ++clicks; };
    TWinControl* a = Field(Form.get(), 10);
    bool controlSaw = false;
    a->OnKeyDown = [&](TObject*, Word&, TShiftState) { controlSaw = true; };
    Form->Show();
    ui::SimulateKey(a, 'Q', {ssCtrl});
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(controlSaw);
    item->SetEnabled(false);
    ui::SimulateKey(a, 'Q', {ssCtrl});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(controlSaw);
}

TEST_F(Focus, PopupMenuShortcutOfTheFocusedControlFires) {
    auto* popup = new TPopupMenu(Form.get());
    auto* item = new TMenuItem(Form.get());
    item->SetCaption("Törlés");
    item->SetShortCut(ShortCut(VK_DELETE, {}));
    popup->Items()->Add(item);
    int clicks = 0;
    item->OnClick = [&](TObject*) { ++clicks; };
    TWinControl* a = Field(Form.get(), 10);
    a->SetPopupMenu(popup);
    Form->Show();
    ui::SimulateKey(a, VK_DELETE);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Focus, AMenuKeepsTheClientHeight) {
    Form->SetClientHeight(200);
    auto* menu = new TMainMenu(Form.get());
    Form->SetMenu(menu);
    EXPECT_EQ(Form->ClientHeight(), 200);
    Form->SetMenu(nullptr);
    EXPECT_EQ(Form->ClientHeight(), 200);
}

} // namespace
