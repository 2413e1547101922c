// Actions and their control links: what a control takes over, what it keeps,
// who runs on a click, what survives either side being deleted, and what the
// form text leaves to the action.
#include "platform/core/TFiler.h"
#include "platform/ui/ControlProperties.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomAction.h"

#include <gtest/gtest.h>

namespace {

struct Linked {
    Linked() {
        ui::RegisterControlProperties();
        form.SetName("Form1");
        action->SetName("Action1");
        button->SetName("Button1");
        action->SetCaption("Mentés");
        action->SetHint("Ment");
        button->SetAction(action);
    }
    TComponent form{nullptr};
    TAction* action = new TAction(&form);
    TButton* button = new TButton(&form);
};

} // namespace

TEST(ActionsTest, ControlFollowsOnlyWhatStillShowsTheActionsValue) {
    Linked l;
    EXPECT_EQ(l.button->Caption(), "Mentés");
    EXPECT_EQ(l.button->Hint(), "Ment");
    l.action->SetEnabled(false);
    EXPECT_FALSE(l.button->Enabled());
    // A caption the user gave the button himself stays.
    l.button->SetCaption("Saját");
    l.action->SetCaption("Új");
    EXPECT_EQ(l.button->Caption(), "Saját");
    l.action->SetHint("Új tipp");
    EXPECT_EQ(l.button->Hint(), "Új tipp");
}

TEST(ActionsTest, ClickRunsOnClickOrElseTheAction) {
    Linked l;
    TComponent* runBy = nullptr;
    l.action->OnExecute = [&](TObject* Sender) { runBy = static_cast<TAction*>(Sender)->ActionComponent(); };
    l.button->Click();
    EXPECT_EQ(runBy, l.button);
    EXPECT_EQ(l.action->ActionComponent(), nullptr);
    runBy = nullptr;
    bool clicked = false;
    l.button->OnClick = [&](TObject*) { clicked = true; };
    l.button->Click();
    EXPECT_TRUE(clicked);
    EXPECT_EQ(runBy, nullptr);
}

TEST(ActionsTest, EitherSideMayBeDeletedFirst) {
    Linked l;
    delete l.action;
    EXPECT_EQ(l.button->Action(), nullptr);
    Linked m;
    delete m.button;
    EXPECT_TRUE(m.action->Clients().empty());
    m.action->SetCaption("Semmi"); // no link left to reach
}

TEST(ActionsTest, FormTextLeavesLinkedPropertiesToTheAction) {
    Linked l;
    l.button->SetHint("Saját");
    const String text = ComponentToText(l.button);
    EXPECT_NE(text.find("  Action = Form1.Action1\n"), String::npos) << text;
    EXPECT_EQ(text.find("Caption"), String::npos) << text;
    EXPECT_NE(text.find("  Hint = 'Saj"), String::npos) << text;
    Linked m;
    auto* fresh = new TButton(&m.form);
    fresh->SetName("Button2");
    TextToComponent(text, fresh);
    EXPECT_EQ(fresh->Action(), m.action);
    EXPECT_EQ(fresh->Caption(), "Mentés");
    EXPECT_EQ(fresh->Hint(), "Saját");
    // The action itself, made by its class name as a holder's child.
    l.action->SetChecked(true);
    TFormObject child = TextToFormObject(ComponentToText(l.action));
    child.Name = "Action2";
    TFormObject root;
    root.ClassName = "TComponent";
    root.Children.push_back(child);
    TComponent holder(nullptr);
    TReader().ReadComponent(&holder, root);
    auto* copy = dynamic_cast<TAction*>(holder.FindComponent("Action2"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Caption(), "Mentés");
    EXPECT_TRUE(copy->Checked());
}
