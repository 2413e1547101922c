// Tab order, focus, and the road of a key: shortcuts, dialog keys, KeyPreview,
// then the focused control.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/ShortCuts.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

template <class C = TWinControl> C* Field(TWinControl* parent, Integer top, bool tabStop = true) {
    auto* c = new C(parent);
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

// Tab stops once at a group of radio buttons: at its checked button, or at its first
// when none is; the arrows go round the group, checking the button they reach.
TEST_F(Focus, TabEntersARadioGroupOnceAndArrowsGoRoundIt) {
    TWinControl* group = Field(Form.get(), 10, false);
    TRadioButton* r[3];
    String clicks;
    for (int i = 0; i < 3; ++i) {
        r[i] = new TRadioButton(Form.get());
        r[i]->SetParent(group);
        r[i]->OnClick = [&clicks, i](TObject*) { clicks += char('1' + i); };
    }
    TWinControl* after = Field(Form.get(), 100);
    Form->Show();
    ui::SimulateWindowActivation(Form.get());
    after->SetFocus();
    after->SetEnabled(false); // the focus passing on to the first button chooses nothing
    EXPECT_FALSE(r[0]->Checked());
    after->SetEnabled(true);
    ui::SimulateKey(after, VK_TAB, {ssShift});
    EXPECT_TRUE(r[0]->Focused() && r[0]->Checked()); // the first, even from behind
    ui::SimulateKey(r[0], VK_TAB);
    EXPECT_TRUE(after->Focused());
    ui::SimulateKey(r[0], VK_UP);
    EXPECT_TRUE(r[2]->Focused() && !r[0]->Checked());
    r[1]->SetEnabled(false);
    ui::SimulateKey(r[2], VK_DOWN); // round the end, past the disabled one
    r[1]->SetEnabled(true);
    r[1]->SetChecked(true);
    ui::SimulateKey(after, VK_TAB);
    EXPECT_TRUE(r[1]->Focused());
    EXPECT_EQ(clicks, "1312");
}

// A showing starts on the control chosen while the form was hidden, else on the first
// in tab order, wherever the focus was at the last close.
TEST_F(Focus, EachShowingStartsOnTheChosenOrFirstControl) {
    TWinControl* a = Field(Form.get(), 10);
    TWinControl* b = Field(Form.get(), 40);
    TWinControl* c = Field(Form.get(), 70);
    auto showing = [&](TWinControl* expected) {
        Form->Show();
        ui::SimulateWindowActivation(Form.get());
        EXPECT_TRUE(expected->Focused());
        c->SetFocus();
        Form->Hide();
        EXPECT_EQ(Form->ActiveControl(), c); // the caller may ask which had it
    };
    showing(a);
    showing(a);
    Form->SetActiveControl(b);
    showing(b);
    showing(b);
    delete b; // the chosen one gone: the first again
    showing(a);
}

// Areas stacked by bringing one to front: the focus goes into the one in front, and
// Tab goes round it, never into the one beneath.
TEST_F(Focus, AnAreaBroughtToFrontTakesTheFocusAndKeepsTab) {
    TPanel under(Form.get()), over(Form.get());
    for (TPanel* area : {&under, &over}) {
        area->SetParent(Form.get());
        area->SetAlign(alClient);
    }
    TWinControl* u = Field(&under, 10);
    Form->Show();
    ui::SimulateWindowActivation(Form.get());
    EXPECT_FALSE(u->Focused()); // not even the first focus goes beneath
    under.BringToFront();
    EXPECT_TRUE(u->Focused()); // nothing had it
    TWinControl* o = Field(&over, 10);
    over.BringToFront();
    EXPECT_TRUE(o->Focused());
    ui::SimulateKey(Field(&over, 40), VK_TAB);
    EXPECT_TRUE(o->Focused());
}

// Two pages stacked as a work area has them; the toolkit's own chain (creation order) runs
// from the check box into the covered page. Keys and calls reach only what shows and works.
TEST_F(Focus, TheFocusGoesOnlyWhereTheUserSeesIt) {
    auto* list = Field<TPanel>(Form.get(), 0, false);
    auto* search = Field<TPanel>(Form.get(), 0, false);
    for (TPanel* page : {list, search})
        page->SetAlign(alClient);
    TWinControl* group = Field(list, 10, false);
    TRadioButton* r[] = {Field<TRadioButton>(group, 0), Field<TRadioButton>(group, 0)};
    TCheckBox* active = Field<TCheckBox>(list, 40);
    Field<TCheckBox>(list, 70)->SetEnabled(false);
    Field(list, 100)->SetVisible(false);
    TEdit* year = Field<TEdit>(search, 10);
    TButton* grid = Field<TButton>(list, 130);
    list->BringToFront();
    Form->Show();
    ui::SimulateWindowActivation(Form.get());
    r[0]->SetFocus();
    const struct {
        Word Key;
        TShiftState Shift;
        TWinControl* Next;
    } walk[] = {
        {VK_TAB, {}, active},      // out of the radio group
        {VK_DOWN, {}, grid},       // a check box's arrow goes on in tab order, not into the covered page
        {VK_TAB, {}, r[0]},        // round the end, past the covered page
        {VK_DOWN, {}, r[1]},       // round the radio group
        {VK_TAB, {ssShift}, grid}, // back round the start
        {VK_UP, {}, active},       // a button's arrow back, past the hidden and the disabled
        {VK_LEFT, {}, r[1]},       // back into the group at its checked button
    };
    for (const auto& step : walk) {
        ui::SimulateKeyInActiveWindow(step.Key, step.Shift);
        EXPECT_TRUE(step.Next->Focused()) << "key " << step.Key << " to a " << step.Next->ClassName();
    }
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { year->SetFocus(); }),
              "Cannot focus a disabled or invisible window");
    active->SetFocus();
    active->SetVisible(false); // hidden or disabled, itself or its container: the focus goes on
    EXPECT_TRUE(grid->Focused() && Form->ActiveControl() == grid);
    r[1]->SetFocus();
    group->SetEnabled(false);
    EXPECT_TRUE(grid->Focused());
    grid->SetEnabled(false);
    EXPECT_EQ(Form->ActiveControl(), nullptr);
}

// Enter presses the focused button, and the default one only while no button has it.
TEST_F(Focus, EnterPressesTheFocusedButtonElseTheDefaultOne) {
    TButton ok(Form.get()), other(Form.get());
    ok.SetDefault(true);
    String pressed;
    for (TButton* b : {&ok, &other}) {
        b->SetParent(Form.get());
        b->OnClick = [&pressed, b, &ok](TObject*) { pressed += b == &ok ? "ok," : "other,"; };
    }
    Form->Show();
    ui::SimulateKey(Field(Form.get(), 10), VK_RETURN);
    ui::SimulateKey(&other, VK_RETURN);
    EXPECT_EQ(pressed, "ok,other,");
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
