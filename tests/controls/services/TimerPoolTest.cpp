#include "controls/services/TUtlTimerPool.h"

#include "tests/support/DialogRecorder.h"
#include "platform/os/TickCount.h"
#include "platform/ui/TApplication.h"

#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 50 ms pool like the services object's, ticked by hand.
class TimerPoolTest : public ::testing::Test {
protected:
    void Tick(int n) {
        for (int i = 0; i < n; ++i)
            pool.HandleTimers();
    }
    TUtlTimerPool pool{nullptr, 50};
};

} // namespace

TEST_F(TimerPoolTest, ItemRunsOnEveryDivisorTick) {
    std::vector<Integer> ticks;
    pool.AddTimer(1, 1000, [&](TObject* Sender) {
        EXPECT_EQ(Sender, &pool);
        ticks.push_back(pool.TickCounter());
    });
    EXPECT_EQ(pool.GetTimer(1)->Divisor(), 20);
    EXPECT_TRUE(pool.Active());
    EXPECT_EQ(pool.TickCounter(), 1);
    Tick(60);
    EXPECT_EQ(ticks, (std::vector<Integer>{20, 40, 60}));
    EXPECT_EQ(pool.GetTimer(1)->Counter(), 3);
}

TEST_F(TimerPoolTest, AddingRestartsTheCountForEveryItem) {
    int first = 0;
    pool.AddTimer(1, 500, [&](TObject*) { ++first; });
    Tick(9); // counter now 10
    pool.AddTimer(2, 100, nullptr);
    EXPECT_EQ(pool.TickCounter(), 1);
    Tick(9);
    EXPECT_EQ(first, 0);
    Tick(1);
    EXPECT_EQ(first, 1);
}

TEST_F(TimerPoolTest, IntervalMustBeAMultipleOfTheBase) {
    for (Word interval : {Word(75), Word(0), Word(25)}) {
        EXPECT_EQ(ErrorOf<Exception>([&] { pool.AddTimer(1, interval, nullptr); }),
                  "Interval not compatible with MinInterval property!");
    }
    EXPECT_EQ(pool.GetCount(), 0);
    EXPECT_FALSE(pool.Active());
}

TEST_F(TimerPoolTest, DuplicateIdentifierIsRefused) {
    pool.AddTimer(7, 100, nullptr);
    EXPECT_EQ(ErrorOf<Exception>([&] { pool.AddTimer(7, 200, nullptr); }),
              "Timer identifier 7 is already in use");
    EXPECT_EQ(pool.GetCount(), 1);
    EXPECT_EQ(pool.GetTimer(7)->Interval(), 100);
}

TEST_F(TimerPoolTest, CallCountDisablesAndEnablingRuns) {
    int calls = 0;
    pool.AddTimerExt(3, 50, 3, true, [&](TObject*) { ++calls; });
    TUtlTimerItem* item = pool.GetTimer(3);
    Tick(10);
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(item->Enabled());
    item->SetEnabled(true);
    EXPECT_EQ(item->Counter(), 0);
    Tick(10);
    EXPECT_EQ(calls, 6);
    item->SetCallCount(0);
    EXPECT_FALSE(item->Enabled());
    item->SetEnabled(true); // refused while the count is 0
    EXPECT_FALSE(item->Enabled());
    item->SetCallCount(-9);
    EXPECT_EQ(item->CallCount(), -1);
}

TEST_F(TimerPoolTest, ItemIntervalSetter) {
    pool.AddTimer(1, 100, nullptr);
    TUtlTimerItem* item = pool.GetTimer(1);
    item->SetInterval(130); // not a multiple: ignored
    EXPECT_EQ(item->Interval(), 100);
    item->SetInterval(0);
    EXPECT_EQ(item->Interval(), 50);
    EXPECT_EQ(item->Divisor(), 1);
}

TEST_F(TimerPoolTest, WindowTimerRunsUntilTheLastItemGoes) {
    pool.AddTimer(1, 100, nullptr);
    pool.AddTimer(2, 100, nullptr);
    pool.GetTimer(1)->SetEnabled(false);
    pool.GetTimer(2)->SetEnabled(false);
    EXPECT_TRUE(pool.Active()); // disabling does not stop it
    pool.RemoveTimer(1);
    EXPECT_TRUE(pool.Active());
    pool.RemoveTimer(2);
    EXPECT_FALSE(pool.Active());
    EXPECT_EQ(pool.GetCount(), 0);
}

TEST_F(TimerPoolTest, DisablingAfterAddKeepsTheTimerRunning) {
    pool.AddTimerExt(1, 1000, -1, false, nullptr);
    // Started for the enabled item at AddTimer, kept after it is disabled.
    EXPECT_TRUE(pool.Active());
    EXPECT_EQ(pool.GetActiveTimers(), 0);
}

TEST_F(TimerPoolTest, PoolHandlerServesItemsWithoutTheirOwn) {
    std::vector<std::pair<Word, Integer>> seen;
    pool.OnTimer = [&](TObject* Sender, Word Ident, Integer Counter) { seen.emplace_back(Ident, Counter); };
    EXPECT_TRUE(pool.HasTimerProc());
    pool.AddTimer(9, 50, nullptr);
    Tick(2);
    EXPECT_EQ(seen, (std::vector<std::pair<Word, Integer>>{{9, 1}, {9, 2}}));
}

TEST_F(TimerPoolTest, HandlerMayRemoveItsOwnItem) {
    int calls = 0;
    pool.AddTimer(1, 50, [&](TObject*) {
        ++calls;
        pool.RemoveTimer(1);
    });
    Tick(3);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(pool.GetCount(), 0);
}

TEST_F(TimerPoolTest, RemovingDuringATickStillRunsEveryOtherItemOnce) {
    // Which item's handler removes which item; the rest must each run once.
    struct Row {
        Word remover, removed;
    };
    for (const Row row : {Row{1, 1}, Row{2, 1}, Row{2, 3}, Row{3, 1}}) {
        TUtlTimerPool local(nullptr, 50);
        std::vector<Word> calls;
        for (Word ident : {Word(1), Word(2), Word(3), Word(4)})
            local.AddTimer(ident, 50, [&, ident](TObject*) {
                calls.push_back(ident);
                if (ident == row.remover) local.RemoveTimer(row.removed);
            });
        local.HandleTimers();
        std::vector<Word> expected;
        for (Word ident : {Word(1), Word(2), Word(3), Word(4)})
            if (ident != row.removed || ident <= row.remover) expected.push_back(ident);
        EXPECT_EQ(calls, expected) << row.remover << " removes " << row.removed;
    }
}

TEST_F(TimerPoolTest, ExceptionInAHandlerGoesToTheApplicationAndLaterTicksRun) {
    DialogRecorder dialogs;
    int calls = 0;
    pool.AddTimer(1, 50, [&](TObject*) {
        ++calls;
        throw Exception("boom");
    });
    pool.TimerMessage();
    pool.TimerMessage();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"boom.", "boom."}));
}

TEST(TimerPoolSetupTest, BaseIntervalOnlyWhileLoadingAndNeverZero) {
    TUtlTimerPool zero(nullptr, 0);
    EXPECT_EQ(zero.MinInterval(), 1000);
    TUtlTimerPool pool(nullptr);
    pool.SetInterval(100); // not loading: ignored
    EXPECT_EQ(pool.MinInterval(), 1000);
    pool.SetComponentState(TComponentState{csLoading});
    pool.SetInterval(0);
    EXPECT_EQ(pool.MinInterval(), 1000);
    pool.SetInterval(100);
    EXPECT_EQ(pool.MinInterval(), 100);
}

TEST(TimerItemTest, NeedsPoolAndList) {
    TList list;
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { TUtlTimerItem item(nullptr, &list, 1); }),
              "TUtlTimerItem: Invalid Owner or List");
}

TEST(TimerPoolLoopTest, WindowTimerDrivesTheItemsFromTheEventLoop) {
    TUtlTimerPool pool(nullptr, 10);
    int calls = 0;
    pool.AddTimer(1, 20, [&](TObject*) { ++calls; });
    const Int64 start = GetTickCount64();
    while (calls < 2 && GetTickCount64() - start < 60000) { // only a hang ends it
        Application->ProcessMessages();
        Sleep(2);
    }
    EXPECT_GE(calls, 2);
    pool.RemoveTimer(1);
    EXPECT_FALSE(pool.Active());
    const int seen = calls;
    for (int i = 0; i < 10; ++i) {
        Application->ProcessMessages();
        Sleep(5);
    }
    EXPECT_EQ(calls, seen);
}
