#pragma once
// Software timers multiplexed onto one window timer: every item runs on the
// base ticks (MinInterval apart) that its Interval is a multiple of.
#include "controls/common/TUtlCustomComponent.h"
#include "controls/services/UtlWindowTimer.h"
#include "platform/core/TList.h"

using TUtlTimerInterval = Word;
using TUtlTimerPoolEvent = std::function<void(TObject* Sender, Word Ident, Integer Counter)>;

class TUtlTimerPool;

class TUtlTimerItem : public TObject {
public:
    // Raises EInvalidOperation "TUtlTimerItem: Invalid Owner or List" when Pool
    // or List is null.
    TUtlTimerItem(TUtlTimerPool* Pool, TList* List, Word Ident);
    // Leaves the pool's list.
    ~TUtlTimerItem() override;
    String ClassName() const override { return "TUtlTimerItem"; }

    // Calls after which the item disables itself; -1 unlimited. Below -1 becomes
    // -1; 0 also disables the item.
    Integer CallCount() const { return FCallCount; }
    void SetCallCount(Integer Value);
    // Calls since the item was last enabled or its interval set.
    Integer Counter() const { return FCounter; }
    bool Enabled() const { return FEnabled; }
    // Enabling is refused while CallCount is 0; a change resets Counter.
    void SetEnabled(bool Value);
    Word Ident() const { return FIdent; }
    TUtlTimerInterval Interval() const { return FInterval; }
    // A value that is not a multiple of the pool's MinInterval is ignored; 0
    // means MinInterval. Resets Counter.
    void SetInterval(TUtlTimerInterval Value);
    Integer Divisor() const { return FDivisor; }

    // One due tick.
    void Timer();

    // Called with the pool as Sender.
    TNotifyEvent OnTimer;

private:
    Integer FCallCount = -1;
    Integer FCounter = 0;
    bool FEnabled = true;
    Word FIdent;
    TUtlTimerInterval FInterval = 1000;
    Integer FDivisor;
    TList* FList;
    TUtlTimerPool* FPool;
};

class TUtlTimerPool : public TUtlCustomComponent {
public:
    explicit TUtlTimerPool(TComponent* AOwner);
    TUtlTimerPool(TComponent* AOwner, TUtlTimerInterval Interval);
    ~TUtlTimerPool() override;
    String ClassName() const override { return "TUtlTimerPool"; }

    TUtlTimerInterval MinInterval() const { return FMinInterval; }
    // Takes effect only while the component is loading or designed, and never
    // for 0 (every item's divisor is Interval / MinInterval).
    void SetInterval(TUtlTimerInterval Value);

    // Adds an enabled item and restarts the window timer; its list index.
    // Raises Exception "Timer identifier <n> is already in use" for a duplicate,
    // Exception "Interval not compatible with MinInterval property!" for an
    // interval that is below MinInterval or not a multiple of it, and
    // EOutOfResources "Not enough timers available" when the window timer cannot
    // start. After a failure the pool is as it was.
    Integer AddTimer(Word Ident, TUtlTimerInterval Interval, TNotifyEvent Handler);
    Integer AddTimerExt(Word Ident, TUtlTimerInterval Interval, Integer CallCount, bool Enabled,
                        TNotifyEvent Handler);
    void RemoveTimer(Word Ident);
    void ClearTimers();
    TUtlTimerItem* GetTimer(Word Ident) const;
    Integer IndexOf(Word Ident) const;
    Integer GetCount() const { return FItems.Count(); }
    Integer GetActiveTimers() const;
    bool HasTimerProc() const { return bool(OnTimer); }

    // Stops the window timer and, with Enable and an enabled item, starts it again
    // with the tick counter at 1. Raises EOutOfResources "Not enough timers available".
    void UpdateMainTimer(bool Enable);
    // One base tick: every enabled item whose divisor divides the tick counter runs.
    void HandleTimers();
    // What the window timer calls: HandleTimers unless a tick is being handled; an
    // exception goes to the application's handler.
    void TimerMessage();

    bool Active() const { return FActive; }
    Integer TickCounter() const { return FTickCounter; }

    TUtlTimerPoolEvent OnTimer;

private:
    friend class TUtlTimerItem;
    TUtlTimerItem* Item(Integer Index) const { return static_cast<TUtlTimerItem*>(FItems.Get(Index)); }
    // An item left the list at Index: a tick in progress goes on with the item
    // that moved into its place.
    void ItemRemoved(Integer Index);

    bool FActive = false;
    bool FBusy = false;
    Integer FTickCounter = 0;
    TUtlTimerInterval FMinInterval = 1000;
    TList FItems;
    bool FLocked = false;
    // The item a tick is visiting; -1 between ticks.
    Integer FVisiting = -1;
    utl::WindowTimer FWindowTimer;
};
