// The window-procedure hook component: messages reach it before the form,
// disabling and destroying put the form's own processing back.
#include "controls/services/TUtlWndProcComponent.h"
#include "platform/ui/TCustomForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class TRecorder : public TUtlWndProcComponent {
public:
    using TUtlWndProcComponent::TUtlWndProcComponent;
    std::vector<Cardinal> Seen;
    Cardinal Swallow = 0;

protected:
    void WndProc(TMessage& Message) override {
        Seen.push_back(Message.Msg);
        FHandled = Message.Msg == Swallow;
        TUtlWndProcComponent::WndProc(Message);
    }
};

TMessage Msg(Cardinal m) {
    TMessage message;
    message.Msg = m;
    return message;
}

TEST(UtlWndProc, HookDisableAndEnableAgain) {
    TForm form(nullptr);
    auto* hook = new TRecorder(&form);
    hook->SetEnabled(true);
    ASSERT_TRUE(hook->Hooked());
    TMessage paint = Msg(WM_PAINT);
    EXPECT_FALSE(SendHookMessage(&form, paint));
    hook->Swallow = WM_CLOSE;
    TMessage close = Msg(WM_CLOSE);
    EXPECT_TRUE(SendHookMessage(&form, close));
    EXPECT_EQ(hook->Seen, (std::vector<Cardinal>{WM_PAINT, WM_CLOSE}));

    hook->SetEnabled(false);
    EXPECT_FALSE(hook->Hooked());
    EXPECT_FALSE(SendHookMessage(&form, close));
    EXPECT_EQ(hook->Seen.size(), 2u);
    hook->SetEnabled(true);
    EXPECT_TRUE(SendHookMessage(&form, close));
    delete hook;
    EXPECT_FALSE(SendHookMessage(&form, close));
}

TEST(UtlWndProc, WindowEventsArriveAsMessages) {
    TForm form(nullptr);
    form.Show();
    TRecorder hook(&form);
    hook.SetEnabled(true);
    form.SetWidth(form.Width() + 40);
    EXPECT_NE(std::find(hook.Seen.begin(), hook.Seen.end(), WM_SIZE), hook.Seen.end());
    form.Hide();
}

TEST(UtlWndProc, AfterDestroyMessagesPassOn) {
    TForm form(nullptr);
    TRecorder hook(&form);
    hook.SetEnabled(true);
    hook.Swallow = WM_CLOSE;
    TMessage destroy = Msg(WM_DESTROY);
    SendHookMessage(&form, destroy);
    TMessage close = Msg(WM_CLOSE);
    EXPECT_FALSE(SendHookMessage(&form, close));
    EXPECT_EQ(hook.Seen, std::vector<Cardinal>{WM_DESTROY});
}

TEST(UtlWndProc, NoHookWithoutAWindowedOwner) {
    TRecorder orphan(nullptr);
    orphan.SetEnabled(true);
    EXPECT_FALSE(orphan.Hooked());
    EXPECT_FALSE(orphan.ValidOwner());
}

} // namespace
